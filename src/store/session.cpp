#include "store/session.h"

#include <algorithm>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/backups.h"
#include "store/counters.h"
#include "store/failures.h"
#include "store/history.h"
#include "store/maintenance.h"
#include "store/messages.h"
#include "store/reference_check.h"
#include "store/reference_data.h"
#include "store/shown_list.h"
#include "store/stations.h"
#include "store/transaction.h"
#include "store/workbook.h"

namespace store {

Changes Changes::of(std::initializer_list<ListKind> kinds) {
    Changes c;
    for (ListKind k : kinds) c.lists |= static_cast<unsigned>(k);
    return c;
}

Changes Changes::all() {
    return of({ListKind::Waybills, ListKind::Stations, ListKind::Loads, ListKind::Parties,
               ListKind::Wagons, ListKind::CardColours, ListKind::Relations, ListKind::Places});
}

Session::Session(DatabaseLocation location)
    : location_(std::move(location)),
      connection_(std::make_unique<db::SqlConnection>("baza")),
      command_(std::make_unique<db::SqlQuery>("sqlt")),
      history_(std::make_unique<History>()) {
    db::SqlConnection& c = *connection_;
    c.setDatabase(kDatabaseFile);
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

void Session::backup() {
    lastBackup_ = backupDatabase(*connection_, location_);
}

// --- start-up ---------------------------------------------------------------------------

MigrationResult Session::convertOldFormat() {
    return migrateLegacyDatabase(location_);
}

StartupReport Session::open(ShownList& list) {
    return openDatabase(*connection_, *list.query_, location_);
}

StartupReport Session::open() {
    db::SqlQuery probe("sql1");
    probe.setConnection(connection_.get());
    StartupReport report = openDatabase(*connection_, probe, location_, false);
    return report;
}

Lookups Session::lookups() {
    return guarded([&] {
        Lookups out;
        db::SqlQuery& q = command();
        openQuery(q, kLoadListSql);
        out.haveLoads = q.recordCount() > 0;
        openQuery(q, kPartyListSql);
        out.haveParties = q.recordCount() > 0;
        openQuery(q, kStationListSql);
        const int count = q.recordCount();
        out.stationNames.reserve(static_cast<std::size_t>(count));
        q.first();
        for (int i = 0; i < count; ++i) {
            out.stationNames.push_back(q.fieldByName("nazwa").asString());
            q.next();
        }
        return out;
    });
}

// --- waybills ---------------------------------------------------------------------------

int Session::addWaybill(const Waybill& waybill) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie listu nr %1"),
                           {std::to_string(id)});
        },
        [&] { id = store::addWaybill(*connection_, command(), waybill); });
    notify(Changes::of({ListKind::Waybills}));
    return id;
}

void Session::changeWaybill(const Waybill& edited, const Waybill& shown, int index) {
    Waybill whole = edited;
    // A stored text longer than the list shows goes back whole unless it was changed.
    Waybill stored;
    if (readStoredWaybill(*connection_, index, stored) && stored.id == edited.id) {
        whole = keepUnchangedTexts(edited, shown, stored);
    }
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "zmiana listu nr %1"),
                           {std::to_string(whole.id)});
        },
        [&] { updateWaybill(command(), whole); });
    notify(Changes::of({ListKind::Waybills}));
}

void Session::deleteWaybill(int id) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie listu nr %1"),
                           {std::to_string(id)});
        },
        [&] { store::deleteWaybill(command(), id); });
    notify(Changes::of({ListKind::Waybills}));
}

void Session::deleteAllWaybills() {
    recorded(
        [](const db::RowChanges& c) {
            return Message("store", QT_TRANSLATE_NOOP("store", "skasowanie %1"),
                           {countOf(deletedRows(c, "listy"), QT_TRANSLATE_NOOP("store", "listu"),
                                    QT_TRANSLATE_NOOP("store", "listów"))});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                BackupInBackground copy(*connection_, location_);
                exec(command(), "delete from listy;");
                lastBackup_ = copy.finish();
            });
        });
    notify(Changes::of({ListKind::Waybills}));
}

// --- stations ---------------------------------------------------------------------------

std::optional<int> Session::addStation(const std::string& name, const std::string& colour) {
    std::optional<int> id;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie stacji %1"), {name});
        },
        [&] { id = store::addStation(*connection_, command(), name, colour); });
    if (id) notify(Changes::of({ListKind::Stations}));
    return id;
}

int Session::recolourStation(const std::string& name, const std::string& colour) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "zmiana koloru stacji %1"), {name});
        },
        [&] { id = store::recolourStation(command(), name, colour); });
    notify(Changes::of({ListKind::Stations}));
    return id;
}

void Session::deleteStation(const std::string& name) {
    recorded(
        [&](const db::RowChanges& c) {
            const long waybills = deletedRows(c, "listy");
            const long parties = deletedRows(c, "punkty");
            const Message ofWaybills = countOf(waybills, QT_TRANSLATE_NOOP("store", "listu"),
                                               QT_TRANSLATE_NOOP("store", "listów"));
            const Message ofParties =
                countOf(parties, QT_TRANSLATE_NOOP("store", "nadawcy/odbiorcy"),
                        QT_TRANSLATE_NOOP("store", "nadawców/odbiorców"));
            if (waybills > 0 && parties > 0) {
                return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie stacji %1, %2 i %3"),
                               {name, ofWaybills, ofParties});
            }
            if (waybills > 0 || parties > 0) {
                return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie stacji %1 i %2"),
                               {name, waybills > 0 ? ofWaybills : ofParties});
            }
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie stacji %1"), {name});
        },
        [&] { store::deleteStation(*connection_, command(), name); });
    notify(Changes::of({ListKind::Stations, ListKind::Waybills, ListKind::Parties}));
}

// --- loads and shippers/receivers -------------------------------------------------------

void Session::addLoad(const std::string& name, const std::string& wagon) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie ładunku %1"), {name});
        },
        [&] { store::addLoad(command(), name, wagon); });
    notify(Changes::of({ListKind::Loads}));
}

void Session::deleteLoad(int index, const ListedPair& shown) {
    const ListedPair load = wholeLoad(*connection_, index, shown);
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie ładunku %1"),
                           {load.first});
        },
        [&] { store::deleteLoad(command(), load.first, load.second); });
    notify(Changes::of({ListKind::Loads}));
}

int Session::addParty(const std::string& name, const std::string& station) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie nadawcy/odbiorcy %1"),
                           {name});
        },
        [&] { id = store::addParty(*connection_, command(), name, station); });
    notify(Changes::of({ListKind::Parties}));
    return id;
}

void Session::deleteParty(int index, const ListedPair& shown) {
    const ListedPair party = wholeParty(*connection_, index, shown);
    recorded(
        [&](const db::RowChanges& c) {
            const long waybills = deletedRows(c, "listy");
            if (waybills > 0) {
                return Message("store",
                               QT_TRANSLATE_NOOP("store", "usunięcie nadawcy/odbiorcy %1 i %2"),
                               {party.first, countOf(waybills, QT_TRANSLATE_NOOP("store", "listu"),
                                                     QT_TRANSLATE_NOOP("store", "listów"))});
            }
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie nadawcy/odbiorcy %1"),
                           {party.first});
        },
        [&] { store::deleteParty(*connection_, command(), party.first, party.second); });
    notify(Changes::of({ListKind::Parties, ListKind::Waybills}));
}

// --- wagons and their cards ------------------------------------------------------------

void Session::addWagon(const Wagon& wagon) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie wagonu %1"),
                           {wagon.number});
        },
        [&] {
            runInTransaction(*connection_, [&] { insertWagon(*connection_, command(), wagon); });
        });
    notify(Changes::of({ListKind::Wagons}));
}

void Session::changeWagon(const std::string& number, const Wagon& wagon) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "zmiana wagonu %1"), {number});
        },
        [&] {
            runInTransaction(*connection_,
                             [&] { updateWagon(*connection_, command(), number, wagon); });
        });
    notify(Changes::of({ListKind::Wagons}));
}

void Session::deleteWagon(const std::string& number) {
    if (!guarded([&] { return wagonTableExists(*connection_); })) return;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie wagonu %1"), {number});
        },
        [&] { runInTransaction(*connection_, [&] { store::deleteWagon(command(), number); }); });
    notify(Changes::of({ListKind::Wagons}));
}

std::vector<std::string> Session::copyWagon(const std::string& number, int count) {
    std::vector<std::string> added;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "powielenie wagonu %1 (%2)"),
                           {number, std::to_string(added.size())});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                added.clear();
                const std::optional<Wagon> original = findWagon(*connection_, number);
                if (!original)
                    throw WagonRefused(message(
                        "store",
                        QT_TRANSLATE_NOOP("store", "Wagonu o numerze „%1” nie ma na liście."),
                        {number}));
                Wagon copy = *original;
                for (int step = 1; static_cast<int>(added.size()) < count; ++step) {
                    const std::optional<std::string> next = countedUp(number, step);
                    if (!next) {
                        throw WagonRefused(message(
                            "store",
                            QT_TRANSLATE_NOOP("store", "Numeru „%1” nie da się policzyć dalej."),
                            {number}));
                    }
                    if (findWagon(*connection_, *next)) continue;
                    copy.number = *next;
                    insertWagon(*connection_, command(), copy);
                    added.push_back(*next);
                }
            });
        });
    if (!added.empty()) notify(Changes::of({ListKind::Wagons}));
    return added;
}

std::vector<Wagon> Session::wagons() {
    return guarded([&] { return readWagons(*connection_); });
}

std::optional<Wagon> Session::wagon(const std::string& number) {
    return guarded([&] { return findWagon(*connection_, number); });
}

std::string Session::wagonListSql(const WagonListing& listing) {
    return guarded([&] { return store::wagonListSql(listing, wagonTableExists(*connection_)); });
}

std::vector<CardColourGroup> Session::cardColours() {
    return guarded([&] { return readCardColours(*connection_); });
}

void Session::setCardColours(const std::vector<CardColourGroup>& groups) {
    recorded(
        [](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "zmiana kolorów kart"));
        },
        [&] { runInTransaction(*connection_, [&] { writeCardColours(command(), groups); }); });
    notify(Changes::of({ListKind::CardColours}));
}

// --- the file as a whole ----------------------------------------------------------------

void Session::newDatabase() {
    recordedWhole(Message("store", QT_TRANSLATE_NOOP("store", "nowa baza")), [&] {
        runInTransaction(*connection_, [&] { backup(); });
        // Every dataset is closed so the file can go; the lists that were open come back on
        // the new file.
        for (ShownList* list : lists_) {
            list->reopenAfterNewFile_ = list->active() && list->follows_.has_value();
            list->query_->close();
        }
        command().close();
        recreateDatabase(*connection_, command(), location_);
    });
    Changes changes = Changes::all();
    changes.newFile = true;
    notify(changes);
}

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Changes changesOf(const ExchangeReport& report) {
    Changes c;
    if (!report.written) return c;
    const std::pair<ExchangeList, ListKind> kinds[] = {
        {ExchangeList::Stations, ListKind::Stations},
        {ExchangeList::Parties, ListKind::Parties},
        {ExchangeList::Loads, ListKind::Loads},
        {ExchangeList::Waybills, ListKind::Waybills},
        {ExchangeList::Wagons, ListKind::Wagons},
        {ExchangeList::Relations, ListKind::Relations},
        {ExchangeList::Places, ListKind::Places}};
    for (const auto& [list, kind] : kinds) {
        if (report.added[static_cast<std::size_t>(list)] > 0)
            c.lists |= static_cast<unsigned>(kind);
    }
    return c;
}

}  // namespace

ExchangeReport Session::importFiles(const std::vector<ImportFile>& files) {
    lastBackup_.clear();
    ExchangeReport report;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", report.command == "Import arkusza"
                                        ? QT_TRANSLATE_NOOP("store", "import arkusza")
                                        : QT_TRANSLATE_NOOP("store", "import CSV"));
        },
        [&] {
            // The copy is written beside the inserts, and whole before the commit.
            std::unique_ptr<BackupInBackground> copy;
            report = store::importFiles(
                *connection_, files,
                [&] { copy = std::make_unique<BackupInBackground>(*connection_, location_); },
                [&] { lastBackup_ = copy->finish(); });
        });
    notify(changesOf(report));
    return report;
}

ExchangeReport Session::importFiles(const std::vector<std::string>& paths) {
    std::vector<ImportFile> files;
    for (const std::string& p : paths) files.push_back({p, std::nullopt});
    return importFiles(files);
}

void Session::exportWorkbook(const std::string& path, Language language) {
    guarded([&] { store::exportWorkbook(*connection_, path, language); });
}

ExchangeReport Session::merge(const std::string& path) {
    lastBackup_.clear();
    ExchangeReport report;
    ExchangeData data;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dołączenie bazy %1"),
                           {fileNameOf(path)});
        },
        [&] {
            data = readListyFile(path);
            std::unique_ptr<BackupInBackground> copy;
            report = mergeDatabase(
                *connection_, data,
                [&] { copy = std::make_unique<BackupInBackground>(*connection_, location_); },
                [&] { lastBackup_ = copy->finish(); });
        });
    // The lists read name the waybills that refer to names none of the lists holds.
    if (report.written) guarded([&] { noteMissingReferences(*connection_, data, report); });
    notify(changesOf(report));
    return report;
}

void Session::restore(const std::string& backupPath) {
    recordedWhole(Message("store", QT_TRANSLATE_NOOP("store", "przywrócenie kopii %1"),
                          {fileNameOf(backupPath)}),
                  [&] { restoreBackup(*connection_, location_, backupPath); });
    notify(Changes::all());
}

std::vector<std::string> Session::exportCsv(const std::string& directory, Language language) {
    return guarded([&] { return exportCsvFiles(*connection_, directory, language); });
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

}  // namespace store
