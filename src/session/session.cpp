#include "session/session.h"

#include <algorithm>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/maintenance.h"
#include "formats/reference_check.h"
#include "formats/workbook.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/reference_data.h"
#include "model/stations.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

Changes Changes::of(std::initializer_list<model::List> kinds) {
    Changes c;
    for (model::List k : kinds) c.lists |= model::noticeBit(k);
    return c;
}

Changes Changes::all() {
    Changes c;
    for (std::size_t i = 0; i < model::kListCount; ++i)
        c.lists |= model::noticeBit(static_cast<model::List>(i));
    return c;
}

Session::Session(files::DatabaseLocation location)
    : location_(std::move(location)),
      connection_(std::make_unique<db::SqlConnection>("baza")),
      command_(std::make_unique<db::SqlQuery>("sqlt")),
      history_(std::make_unique<model::History>()) {
    db::SqlConnection& c = *connection_;
    c.setDatabase(model::kDatabaseFile);
    c.setDefaultExt(".sdb");
    c.setVersion("2.8.4");
    c.setCharacterEncoding("iso8859");
    c.setDriverDll("SQLite.dll");
    c.setMustExist(false);
    c.setExecuteInlineSql(false);
    command_->setConnection(connection_.get());
}

// The lists go before the connection they name; a list that outlives the session forgets it.
Session::~Session() {
    command_.reset();
    for (ShownList* list : lists_) list->query_->close();
}

db::SqlQuery& Session::command() {
    return *command_;
}

void Session::attach(ShownList* list) {
    lists_.push_back(list);
}

void Session::detach(ShownList* list) {
    lists_.erase(std::remove(lists_.begin(), lists_.end(), list), lists_.end());
}

int Session::listen(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Session::unlisten(int id) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& l) { return l.first == id; }),
                     listeners_.end());
}

void Session::notify(const Changes& changes) {
    if (!changes.any()) return;
    const auto lists = lists_;  // a list may go away while another follows
    for (ShownList* list : lists) {
        if (std::find(lists_.begin(), lists_.end(), list) != lists_.end()) list->follow(changes);
    }
    const auto listeners = listeners_;
    for (const auto& l : listeners) l.second(changes);
}

std::string Session::pathForMessages() const {
    try {
        return location_.path();
    } catch (const std::exception&) {
        return location_.fileName();
    }
}

// --- start-up ---------------------------------------------------------------------------

files::MigrationResult Session::convertOldFormat() {
    return migrateLegacyDatabase(location_);
}

session::StartupReport Session::open(ShownList& list) {
    return openDatabase(*connection_, *list.query_, location_);
}

session::StartupReport Session::open() {
    db::SqlQuery probe("sql1");
    probe.setConnection(connection_.get());
    session::StartupReport report = openDatabase(*connection_, probe, location_, false);
    return report;
}

bool Session::inTransaction() const {
    return connection_->inTransaction();
}

void Session::commit() {
    connection_->commit();
}

void Session::rollBack() {
    connection_->rollBack();
}

}  // namespace session