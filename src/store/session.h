#pragma once
// Session: the command layer. It owns the one connection, the command query on which every
// write runs, the backup rule and the database's location, and offers one function per
// user action. Each command composes its exact statements, runs them in one immediate write
// transaction (so the counters and the rows a duplicate rule compares with are read under
// the write lock, and two programs on one file never hand out the same id), takes its
// backup under that lock where it needs one, and ends with a change notice naming the lists
// it changed. The windows, the command line, the stress test and the tests call only this;
// the lists the grids show (ShownList) follow the notice.

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "db/forward.h"
#include "db/row_changes.h"
#include "store/database_location.h"
#include "store/duplicates.h"
#include "store/exchange.h"
#include "store/failures.h"
#include "store/import_files.h"
#include "store/language.h"
#include "store/legacy_migration.h"
#include "store/messages.h"
#include "store/reference_data.h"
#include "store/rename.h"
#include "store/schema.h"
#include "store/traffic.h"
#include "store/wagons.h"
#include "store/waybills.h"

namespace store {

class History;
class ShownList;

// The lists of the file, as a change notice names them.
enum class ListKind : unsigned {
    Waybills = 1,
    Stations = 2,
    Loads = 4,
    Parties = 8,
    Wagons = 16,
    CardColours = 32,
    Relations = 64,
    Places = 128
};

// What a command changed.
struct Changes {
    unsigned lists = 0;    // ListKind bits
    bool newFile = false;  // the whole file was replaced ("Nowa baza", a restore)

    static Changes of(std::initializer_list<ListKind> kinds);
    static Changes all();
    bool has(ListKind kind) const { return (lists & static_cast<unsigned>(kind)) != 0; }
    bool any() const { return lists != 0 || newFile; }
};

// What the main window's look-ups read: whether there are loads and shippers/receivers, and
// the station names in the table's order.
struct Lookups {
    bool haveLoads = false;
    bool haveParties = false;
    std::vector<std::string> stationNames;
};

class Session {
public:
    // The connection named "baza" with the settings of the start-up sequence, not yet
    // connected; the file at `location`.
    explicit Session(DatabaseLocation location = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    db::SqlConnection& connection() { return *connection_; }
    const DatabaseLocation& location() const { return location_; }

    // --- start-up ---------------------------------------------------------------------
    // The old-format conversion before anything is opened (LegacyMigrationError).
    MigrationResult convertOldFormat();
    // The start-up sequence on `list` (the main window's waybill list), leaving it open.
    StartupReport open(ShownList& list);
    // The same without a window's list: the command line's start.
    StartupReport open();

    // --- the notice ------------------------------------------------------------------
    using Listener = std::function<void(const Changes&)>;
    // Called after every command that changed something, after the shown lists have
    // followed. Returns an id for unlisten().
    int listen(Listener listener);
    void unlisten(int id);

    // --- look-ups (reads on the command query) -----------------------------------------
    Lookups lookups();

    // --- waybills ----------------------------------------------------------------------
    // A new waybill with the next id of nr_listu; returns the id.
    int addWaybill(const Waybill& waybill);
    // Writes `edited` over the waybill `shown` at position `index` of the list: every text
    // the user left as it was shown is written back whole as stored.
    void changeWaybill(const Waybill& edited, const Waybill& shown, int index);
    // "delete from listy where id=<id>;"
    void deleteWaybill(int id);
    // "Kasowanie listów": a backup, then every waybill deleted.
    void deleteAllWaybills();

    // --- stations ----------------------------------------------------------------------
    // Empty when a station of that name exists (nothing written).
    std::optional<int> addStation(const std::string& name, const std::string& colour);
    int recolourStation(const std::string& name, const std::string& colour);
    // The station, every waybill that starts or ends there and its shippers/receivers.
    void deleteStation(const std::string& name);

    // --- loads and shippers/receivers --------------------------------------------------
    void addLoad(const std::string& name, const std::string& wagon);
    // The load at `index` of the load list, shown as `shown` (cut texts are completed from
    // the file).
    void deleteLoad(int index, const ListedPair& shown);
    int addParty(const std::string& name, const std::string& station);
    void deleteParty(int index, const ListedPair& shown);

    // --- wagons and their cards -------------------------------------------------------
    // Each command creates the wagon table the first time it writes; WagonRefused (nothing
    // written) for an empty or taken number.
    void addWagon(const Wagon& wagon);
    // The wagon numbered `number` becomes `wagon`.
    void changeWagon(const std::string& number, const Wagon& wagon);
    void deleteWagon(const std::string& number);
    // `count` more of the wagon numbered `number`, its data copied and the numbers counted
    // up from it (numbers already taken are passed over), in one transaction. Returns the
    // new numbers; WagonRefused when its number cannot be counted up.
    std::vector<std::string> copyWagon(const std::string& number, int count);
    std::vector<Wagon> wagons();
    std::optional<Wagon> wagon(const std::string& number);
    // The wagon window's statement for `listing`.
    std::string wagonListSql(const WagonListing& listing);
    std::vector<CardColourGroup> cardColours();
    void setCardColours(const std::vector<CardColourGroup>& groups);

    // --- traffic relations and the generator (session_traffic.cpp) -------------------
    // The first relation creates the table and its counter nr_relacji; RelationRefused
    // (nothing written) for wagons per week outside 1–99 or a relation no longer there.
    int addRelation(const Relation& relation);
    void changeRelation(const Relation& relation);
    void deleteRelation(int id);
    std::vector<Relation> relations();
    std::optional<Relation> relation(int id);
    // The relations window's statement for `listing`.
    std::string relationListSql(const RelationListing& listing);
    // What the relation lacks (MissingPart bits).
    unsigned missingOf(const Relation& relation);
    // A business's wagon places (0 forgets them).
    void setPlaces(const Places& places);
    std::vector<Places> places();
    int placesOf(const std::string& name, const std::string& station);
    // The stack `options` would make; nothing is written.
    GenerationPlan planGeneration(const GenerateOptions& options);
    // The same, planned again under the write lock and written in one transaction after a
    // backup: one step of the history. Returns the plan with the waybills' ids.
    GenerationPlan generate(const GenerateOptions& options);

    // --- the file as a whole -----------------------------------------------------------
    // "Nowa baza": a backup, every shown list closed, the file deleted and made anew.
    void newDatabase();
    // CSV files and .xlsx/.ods workbooks alike (each CSV file that is not UTF-8 with the
    // encoding it is read in).
    ExchangeReport importFiles(const std::vector<ImportFile>& files);
    // Files read as UTF-8 CSV or workbooks (a CSV file in another encoding is refused).
    ExchangeReport importFiles(const std::vector<std::string>& paths);
    // The waybills of the other file that name absent entries are noted in the report.
    ExchangeReport merge(const std::string& path);
    // Every list into one .xlsx workbook at `path`, its sheets named and headed in
    // `language`.
    void exportWorkbook(const std::string& path, Language language = Language::Polish);
    void restore(const std::string& backupPath);
    // The lists' CSV files into `directory`, their headers in `language`.
    std::vector<std::string> exportCsv(const std::string& directory,
                                       Language language = Language::Polish);
    // The path of the copy the last command wrote; empty when it wrote none.
    const std::string& lastBackup() const { return lastBackup_; }

    // --- undo and redo (history.cpp) -------------------------------------------------
    // Every command above that changed the file leaves one step, unless it ran inside a
    // transaction the user opened in the SQL browser.
    bool canUndo() const;
    bool canRedo() const;
    // The next step's name ("usunięcie stacji Gliwice i 12 listów") in the language chosen
    // now, whichever it was taken in; empty when none.
    std::string undoText() const;
    std::string redoText() const;
    // HistoryRefused (nothing written) when another program changed the rows since.
    void undo();
    void redo();
    // Nothing can be undone or redone any more: the SQL browser ran a statement of the
    // user's other than a plain select.
    void endHistory();
    // Whether the commands leave steps at all (on by default): the command line, which
    // runs its commands once and has no undo, does not record what they change.
    void keepHistory(bool on) { keepHistory_ = on; }

    // --- the organiser's clean-up (rename.cpp) ---------------------------------------
    // The station `name` renamed to `newName` everywhere it is named. Refused (nothing
    // written) when another station has that name.
    RenameReport renameStation(const std::string& name, const std::string& newName);
    // The shipper/receiver `name` at `station` renamed wherever it is named at that station.
    RenameReport renameParty(const std::string& name, const std::string& station,
                             const std::string& newName);
    // The load (name, wagon) renamed, and its wagon type changed where `newWagon` differs,
    // wherever that pair is named.
    RenameReport renameLoad(const std::string& name, const std::string& wagon,
                            const std::string& newName, const std::string& newWagon);
    // `count` (1–999) copies of the waybill at `index` of the list (its id `id`), each with
    // the next id of nr_listu, in one transaction. Returns the new ids.
    std::vector<int> copyWaybill(int index, int id, int count);
    // What can be renamed: every station, shipper/receiver and load.
    std::vector<NamedThing> namedThings();
    // The load or shipper/receiver at `index` of its window's list, shown as `shown`, with
    // its whole stored texts (the list cuts long ones).
    NamedThing namedAt(NamedKind kind, int index, const ListedPair& shown);
    // "Połącz duplikaty…": the groups of names that are probably one thing, and the join of
    // the groups the user chose, in one transaction (duplicates.cpp).
    std::vector<DuplicateGroup> duplicates();
    JoinReport joinDuplicates(const std::vector<JoinChoice>& choices);

    // --- a transaction left open in the SQL browser ------------------------------------
    bool inTransaction() const;
    void commit();
    void rollBack();

private:
    friend class ShownList;

    void attach(ShownList* list);
    void detach(ShownList* list);
    // The lists follow first, then the listeners.
    void notify(const Changes& changes);
    // A copy of the file into kopie/, taken inside the command's write transaction.
    void backup();
    db::SqlQuery& command();
    std::string pathForMessages() const;
    // Runs a command; a failure whose cause the user can act on (a lock held too long, a
    // read-only file, a full disk, damage) is told in Polish with the file's name.
    template <typename Work>
    auto guarded(Work work) -> decltype(work()) {
        if constexpr (std::is_void_v<decltype(work())>) {
            tellingCause(pathForMessages(), work);
        } else {
            decltype(work()) result{};
            tellingCause(pathForMessages(), [&] { result = work(); });
            return result;
        }
    }
    // Runs `work` and, outside a transaction the user opened, keeps what it changed as one
    // step of the history, named by `what` from the rows it changed.
    void recorded(const std::function<Message(const db::RowChanges&)>& what,
                  const std::function<void()>& work);
    // The same for the commands that replace the file's contents as a whole.
    void recordedWhole(const Message& what, const std::function<void()>& work);

    DatabaseLocation location_;
    std::unique_ptr<db::SqlConnection> connection_;
    std::unique_ptr<db::SqlQuery> command_;  // "sqlt"
    std::vector<ShownList*> lists_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    std::string lastBackup_;
    std::unique_ptr<History> history_;
    bool keepHistory_ = true;
};

}  // namespace store
