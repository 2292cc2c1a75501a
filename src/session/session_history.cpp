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
    const std::pair<const char*, ListKind> kinds[] = {
        {"listy", ListKind::Waybills},    {"stacje", ListKind::Stations},
        {"ladunki", ListKind::Loads},     {"punkty", ListKind::Parties},
        {"wagony", ListKind::Wagons},     {"kolory_kart", ListKind::CardColours},
        {"relacje", ListKind::Relations}, {"miejsca", ListKind::Places}};
    const auto touched = [&](const std::string& name) {
        for (const auto& [table, kind] : kinds) {
            if (name == table) c.lists |= static_cast<unsigned>(kind);
        }
    };
    for (const db::RowChange& change : rows.rows) touched(change.table);
    for (const db::InsertedRows& block : rows.inserted) touched(block.table);
    if (rows.tablesBefore != rows.tablesAfter) c = Changes::all();
    return c;
}

}  // namespace

void Session::recorded(const std::function<model::Message(const db::RowChanges&)>& what,
                       const std::function<void()>& work) {
    // Inside a transaction the user opened nothing is recorded: the history ended when it
    // began, and the user may still roll it back.
    if (!keepHistory_ || !connection_->connected() || connection_->inTransaction()) {
        tellingCause(pathForMessages(), work);
        return;
    }
    db::RowChanges changes;
    {
        db::RowRecorder recorder(*connection_);
        tellingCause(pathForMessages(), work);
        changes = recorder.take();
    }
    if (!changes.empty()) history_->push({what(changes), std::move(changes)});
}

void Session::recordedWhole(const model::Message& what, const std::function<void()>& work) {
    if (!keepHistory_ || !connection_->connected() || connection_->inTransaction()) {
        tellingCause(pathForMessages(), work);
        return;
    }
    const db::Snapshot before = db::takeSnapshot(*connection_);
    tellingCause(pathForMessages(), work);
    db::RowChanges changes = db::difference(before, db::takeSnapshot(*connection_));
    if (!changes.empty()) history_->push({what, std::move(changes)});
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

}  // namespace session
