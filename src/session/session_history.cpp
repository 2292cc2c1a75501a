// The session's history: every command records the rows it changed, and "Cofnij" and
// "Ponów" put them back.

#include "db/errors.h"
#include "db/sql_connection.h"
#include "model/history.h"
#include "session/session.h"

#include "model/transaction.h"
#include "session/failures.h"

namespace session {
namespace {

// The lists a step's rows belong to; a table the lists do not show changes none.
Changes changesOf(const db::RowChanges& rows) {
    Changes c;
    const auto touched = [&](const std::string& name) {
        for (std::size_t i = 0; i < model::kListCount; ++i) {
            const auto list = static_cast<model::List>(i);
            if (name == model::namesOf(list).table) c.lists |= model::noticeBit(list);
        }
    };
    for (const db::RowChange& change : rows.rows) touched(change.table);
    for (const db::InsertedRows& block : rows.inserted) touched(block.table);
    if (rows.tablesBefore != rows.tablesAfter) c = Changes::all();
    return c;
}

}  // namespace

void Session::CommandRun::startBackup() {
    copy_ = std::make_unique<files::BackupInBackground>(*session_.connection_, session_.location_);
}

void Session::CommandRun::finishBackup() {
    if (copy_) backup_ = copy_->finish();
    copy_.reset();
}

void Session::CommandRun::backupNow() {
    backup_ = files::backupDatabase(*session_.connection_, session_.location_);
}

std::string Session::run(const Command& command, const std::function<void(CommandRun&)>& work) {
    CommandRun run(*this, command.changes);
    const auto body = [&] {
        if (!command.backupBeside) {
            work(run);
            return;
        }
        model::runInTransaction(*connection_, [&] {
            run.startBackup();
            work(run);
            run.finishBackup();
        });
    };
    // Inside a transaction the user opened nothing is recorded: the history ended when it
    // began, and the user may still roll it back.
    if (!keepHistory_ || !connection_->connected() || connection_->inTransaction()) {
        tellingCause(pathForMessages(), body);
    } else if (command.wholeFile) {
        const db::Snapshot before = db::takeSnapshot(*connection_);
        tellingCause(pathForMessages(), body);
        db::RowChanges changes = db::difference(before, db::takeSnapshot(*connection_));
        if (!changes.empty()) history_->push({command.step(changes), std::move(changes)});
    } else {
        db::RowChanges changes;
        {
            db::RowRecorder recorder(*connection_);
            tellingCause(pathForMessages(), body);
            changes = recorder.take();
        }
        if (!changes.empty()) history_->push({command.step(changes), std::move(changes)});
    }
    notify(run.changes);
    return run.backup_;
}

bool Session::canUndo() const {
    return history_->nextUndo() != nullptr;
}

bool Session::canRedo() const {
    return history_->nextRedo() != nullptr;
}

std::string Session::undoText() const {
    const model::HistoryStep* step = history_->nextUndo();
    return step ? step->what.text() : std::string();
}

std::string Session::redoText() const {
    const model::HistoryStep* step = history_->nextRedo();
    return step ? step->what.text() : std::string();
}

void Session::undo() {
    const model::HistoryStep* step = history_->nextUndo();
    if (!step) return;
    model::runInTransaction(*connection_, [&] { applyStep(*connection_, *step, true); });
    const Changes changes = changesOf(step->changes);
    history_->undone();
    notify(changes);
}

void Session::redo() {
    const model::HistoryStep* step = history_->nextRedo();
    if (!step) return;
    model::runInTransaction(*connection_, [&] { applyStep(*connection_, *step, false); });
    const Changes changes = changesOf(step->changes);
    history_->redone();
    notify(changes);
}

void Session::endHistory() {
    history_->end();
}

bool Session::onlyReads(const std::string& sql) const {
    return connection_->onlyReads(sql);
}

}  // namespace session
