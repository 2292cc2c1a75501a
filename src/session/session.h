#pragma once
// Session: the command layer. It owns the one connection, the command query on which every
// write runs, the backup rule and the database's location, and offers one function per
// user action. Each command composes its exact statements, runs them in one immediate write
// transaction (so the counters and the rows a duplicate rule compares with are read under
// the write lock, and two programs on one file never hand out the same id), takes its
// backup under that lock where it needs one, and ends with a change notice naming the lists
// it changed. The windows, the command line, the stress tool and the tests of the commands
// call this (the model's own tests call the model);
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
#include "files/backups.h"
#include "files/database_location.h"
#include "formats/exchange.h"
#include "formats/import_files.h"
#include "model/duplicates.h"
#include "model/generator.h"
#include "model/language.h"
#include "model/lists.h"
#include "model/messages.h"
#include "model/reference_data.h"
#include "model/rename.h"
#include "model/schema.h"
#include "model/traffic.h"
#include "model/wagons.h"
#include "model/waybills.h"
#include "session/failures.h"
#include "session/old_format.h"
#include "session/startup.h"

namespace model {
class History;
}

namespace session {

class ShownList;

// What a command changed.
struct Changes {
    unsigned lists = 0;    // model::noticeBit() of each list changed
    bool newFile = false;  // the whole file was replaced ("Nowa baza", a restore)

    static Changes of(std::initializer_list<model::List> kinds);
    static Changes all();
    bool has(model::List list) const { return (lists & model::noticeBit(list)) != 0; }
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
    explicit Session(files::DatabaseLocation location = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    db::SqlConnection& connection() { return *connection_; }
    const files::DatabaseLocation& location() const { return location_; }

    // --- start-up ---------------------------------------------------------------------
    // The old-format conversion before anything is opened (LegacyMigrationError).
    files::MigrationResult convertOldFormat();
    // The start-up sequence on `list` (the main window's waybill list), leaving it open.
    session::StartupReport open(ShownList& list);
    // The same without a window's list: the command line's start.
    session::StartupReport open();

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
    int addWaybill(const model::Waybill& waybill);
    // Writes `edited` over the waybill `shown` at position `index` of the list: every text
    // the user left as it was shown is written back whole as stored.
    void changeWaybill(const model::Waybill& edited, const model::Waybill& shown, int index);
    // "delete from listy where id=<id>;"
    void deleteWaybill(int id);
    // "Kasowanie listów": a backup, then every waybill deleted. Returns the backup's path.
    std::string deleteAllWaybills();

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
    void deleteLoad(int index, const model::ListedPair& shown);
    int addParty(const std::string& name, const std::string& station);
    void deleteParty(int index, const model::ListedPair& shown);

    // --- wagons and their cards -------------------------------------------------------
    // Each command creates the wagon table the first time it writes; WagonRefused (nothing
    // written) for an empty or taken number.
    void addWagon(const model::Wagon& wagon);
    // The wagon numbered `number` becomes `wagon`.
    void changeWagon(const std::string& number, const model::Wagon& wagon);
    void deleteWagon(const std::string& number);
    // `count` more of the wagon numbered `number`, its data copied and the numbers counted
    // up from it (numbers already taken are passed over), in one transaction. Returns the
    // new numbers; WagonRefused when its number cannot be counted up.
    std::vector<std::string> copyWagon(const std::string& number, int count);
    std::vector<model::Wagon> wagons();
    std::optional<model::Wagon> wagon(const std::string& number);
    // The wagon window's statement for `listing`.
    std::string wagonListSql(const model::WagonListing& listing);
    std::vector<model::CardColourGroup> cardColours();
    void setCardColours(const std::vector<model::CardColourGroup>& groups);

    // --- traffic relations and the generator (session_traffic.cpp) -------------------
    // The first relation creates the table and its counter nr_relacji; RelationRefused
    // (nothing written) for wagons per week outside 1–99 or a relation no longer there.
    int addRelation(const model::Relation& relation);
    void changeRelation(const model::Relation& relation);
    void deleteRelation(int id);
    std::vector<model::Relation> relations();
    std::optional<model::Relation> relation(int id);
    // The relations window's statement for `listing`.
    std::string relationListSql(const model::RelationListing& listing);
    // What the relation lacks (MissingPart bits).
    unsigned missingOf(const model::Relation& relation);
    // A business's wagon places (0 forgets them).
    void setPlaces(const model::Places& places);
    std::vector<model::Places> places();
    int placesOf(const std::string& name, const std::string& station);
    // The stack `options` would make; nothing is written.
    model::GenerationPlan planGeneration(const model::GenerateOptions& options);
    // The same, planned again under the write lock and written in one transaction after a
    // backup: one step of the history. Returns the plan with the waybills' ids.
    model::GenerationPlan generate(const model::GenerateOptions& options);

    // --- the file as a whole -----------------------------------------------------------
    // "Nowa baza": a backup, every shown list closed, the file deleted and made anew. Returns
    // the backup's path.
    std::string newDatabase();
    // The one door of every import: each file read once and told apart (a workbook, UTF-8
    // text, or text that needs an encoding, with the likely ones and their previews); the
    // window asks the user for the encodings, the command line applies --encoding.
    std::vector<formats::ImportFile> inspectImport(const std::vector<std::string>& paths);
    // CSV files and .xlsx/.ods workbooks alike, as inspected (each CSV file that is not UTF-8
    // with the encoding it is read in), from the bytes already read.
    formats::ExchangeReport importFiles(const std::vector<formats::ImportFile>& files);
    // The same for files inspected here, none in an encoding named (a text file that is not
    // UTF-8 is refused with the likely encodings).
    formats::ExchangeReport importFiles(const std::vector<std::string>& paths);
    // The waybills of the other file that name absent entries are noted in the report.
    formats::ExchangeReport merge(const std::string& path);
    // Every list into one .xlsx workbook at `path`, its sheets named and headed in
    // `language`.
    void exportWorkbook(const std::string& path,
                        model::Language language = model::Language::Polish);
    // Returns the path of the copy of the file as it was before.
    std::string restore(const std::string& backupPath);
    // The copies in kopie/ beside the file, newest first, and that folder.
    std::vector<files::BackupInfo> backups() const;
    std::string backupFolder() const;
    // The lists' CSV files into `directory`, their headers in `language`.
    std::vector<std::string> exportCsv(const std::string& directory,
                                       model::Language language = model::Language::Polish);

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
    // user's that does not only read.
    void endHistory();
    // Whether the text the user typed in the SQL browser only reads (the engine's answer,
    // statement by statement; nothing is run).
    bool onlyReads(const std::string& sql) const;
    // Whether the commands leave steps at all (on by default): the command line, which
    // runs its commands once and has no undo, does not record what they change.
    void keepHistory(bool on) { keepHistory_ = on; }

    // --- the organiser's clean-up (rename.cpp) ---------------------------------------
    // The station `name` renamed to `newName` everywhere it is named. Refused (nothing
    // written) when another station has that name.
    model::RenameReport renameStation(const std::string& name, const std::string& newName);
    // The shipper/receiver `name` at `station` renamed wherever it is named at that station.
    model::RenameReport renameParty(const std::string& name, const std::string& station,
                                    const std::string& newName);
    // The load (name, wagon) renamed, and its wagon type changed where `newWagon` differs,
    // wherever that pair is named.
    model::RenameReport renameLoad(const std::string& name, const std::string& wagon,
                                   const std::string& newName, const std::string& newWagon);
    // `count` (1–999) copies of the waybill at `index` of the list (its id `id`), each with
    // the next id of nr_listu, in one transaction. Returns the new ids.
    std::vector<int> copyWaybill(int index, int id, int count);
    // What can be renamed: every station, shipper/receiver and load.
    std::vector<model::NamedThing> namedThings();
    // The load or shipper/receiver at `index` of its window's list, shown as `shown`, with
    // its whole stored texts (the list cuts long ones).
    model::NamedThing namedAt(model::NamedKind kind, int index, const model::ListedPair& shown);
    // "Połącz duplikaty…": the groups of names that are probably one thing, and the join of
    // the groups the user chose, in one transaction (duplicates.cpp).
    std::vector<model::DuplicateGroup> duplicates();
    model::JoinReport joinDuplicates(const std::vector<model::JoinChoice>& choices);

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
    // One user action as every command runs it: its work, the step it leaves in the
    // history (named from the rows it changed), the change notice afterwards, and the copy
    // into kopie/ it takes.
    struct Command {
        std::function<model::Message(const db::RowChanges&)> step;
        Changes changes;  // what the notice names; the work may change it (nothing written)
        // The work runs in one write transaction with the copy written beside it, on a
        // thread of its own, and whole before the commit.
        bool backupBeside = false;
        // The work replaces the file's contents as a whole ("Nowa baza", a restore): it is
        // recorded as the difference of the file before and after.
        bool wholeFile = false;
    };
    // What a command's work may ask of its run.
    class CommandRun {
    public:
        Changes changes;
        // The copy starts on a thread of its own, under the command's write lock, before
        // the first write; finishBackup() waits for it (before the commit: nothing is
        // committed without a copy).
        void startBackup();
        void finishBackup();
        // A copy written whole, now.
        void backupNow();

    private:
        friend class Session;
        CommandRun(Session& session, Changes changes) : changes(changes), session_(session) {}
        Session& session_;
        std::unique_ptr<files::BackupInBackground> copy_;
        std::string backup_;
    };
    // Runs `work` as `command` says; outside a transaction the user opened, what it changed
    // is kept as one step of the history. Returns the path of the copy it took (empty: none).
    std::string run(const Command& command, const std::function<void(CommandRun&)>& work);

    files::DatabaseLocation location_;
    std::unique_ptr<db::SqlConnection> connection_;
    std::unique_ptr<db::SqlQuery> command_;  // "sqlt"
    std::vector<ShownList*> lists_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    std::unique_ptr<model::History> history_;
    bool keepHistory_ = true;
};

}  // namespace session
