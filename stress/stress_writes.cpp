// Kills a process that is writing the database at random moments and checks, after each
// kill, that the file is sound and consistent, and that the child did not fail before it.
//
//   stress_writes [--trials N] [--path NAME]   run N trials of every path (or of one)
//   stress_writes --child PATH DIR TRIAL        (internal) run PATH in DIR until killed
//
// The paths are the commands the windows use: adds with counters, recolours and cascading
// deletes ("writes"), schema creation ("schema"), "Nowa baza" ("newdb"), the version-1
// conversion ("v1"), the old-format conversion ("legacy"), and the exchange commands: CSV
// import of the four lists ("import"), merging an old-format file ("merge") and restoring
// a backup ("restore"), each after its backup into kopie/. A child that ends by itself, dies
// of another signal than the kill, or writes anything to standard error fails its trial,
// with what it wrote. After each kill: the engine's integrity check is "ok", every counter
// (nr_listu, nr_stacji, nr_punktu, and nr_relacji where the relations are kept) is in admin
// once and at least the largest id it counts, no id was handed out twice, no cascade is half
// done, no half-made schema, no station or waybill of a converted file is missing; an import
// or a merge is in the file whole or not at all, the merged file is unchanged, a restore left
// the database as before or as the copy, and every backup in kopie/ is a sound file.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/database_location.h"
#include "files/maintenance.h"
#include "formats/exchange.h"
#include "model/reference_data.h"
#include "model/schema.h"
#include "model/stations.h"
#include "model/traffic.h"
#include "model/transaction.h"
#include "model/waybills.h"
#include "session/old_format.h"
#include "session/session.h"
#include "session/startup.h"

namespace {

namespace fs = std::filesystem;

const char* const kPaths[] = {"writes",      "two",    "schema",  "newdb",   "v1",
                              "legacy",      "import", "merge",   "restore", "wagons-import",
                              "wagons-copy", "rename", "generate"};
constexpr int kRenameWaybills = 1000;
constexpr int kRenameParties = 30;
constexpr int kCsvWagons = 2000;
constexpr int kGeneratedWaybills = 200;  // two weeks of 40 + 35 + 25 wagons
constexpr int kWagonCopies = 300;
constexpr int kV1Stations = 300;
constexpr int kV1Waybills = 400;

// --- reading the file straight through the engine ------------------------------------------

struct File {
    sqlite3* db = nullptr;
    explicit File(const std::string& path) { sqlite3_open(path.c_str(), &db); }
    ~File() { sqlite3_close(db); }
    // Every row, values joined with "|".
    std::vector<std::string> rows(const std::string& sql) const {
        std::vector<std::string> out;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            out.push_back(std::string("error: ") + sqlite3_errmsg(db));
            return out;
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            std::string row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                if (i) row += '|';
                const auto* t = sqlite3_column_text(stmt, i);
                row += t ? reinterpret_cast<const char*>(t) : "<null>";
            }
            out.push_back(row);
        }
        if (rc != SQLITE_DONE) out.push_back(std::string("error: ") + sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
        return out;
    }
    std::string one(const std::string& sql) const {
        const auto r = rows(sql);
        return r.empty() ? std::string() : r.front();
    }
};

// --- the child: one path in a loop -----------------------------------------------------------

void copyInPlace(const std::string& from, const std::string& to) {
    // A copy that is stopped part-way must never stand at `to`: copy, then rename.
    fs::copy_file(from, to + ".kopia", fs::copy_options::overwrite_existing);
    fs::rename(to + ".kopia", to);
}

// Adds, recolours and deletes through the command layer, as the windows do; two of these
// run at once on one file in the "two" path, each with names of its own.
void childWrites(int trial) {
    session::Session s;
    s.open();
    const std::string t = "t" + std::to_string(trial) + "_";
    for (int i = 0;; ++i) {
        const std::string station = t + "S" + std::to_string(i);
        const std::string party = t + "P" + std::to_string(i);
        s.addStation(station, "clred");
        s.addParty(party, station);
        model::Waybill w{0, station, party, "Eaos", "węgiel", party, station};
        if (i > 0 && (i - 1) % 5 != 4) {  // the previous shipper/receiver was not deleted
            w.receivingStation = t + "S" + std::to_string(i - 1);
            w.receiver = t + "P" + std::to_string(i - 1);
        }
        s.addWaybill(w);
        s.recolourStation(station, "clyellow");
        if (i % 3 == 2) s.deleteStation(t + "S" + std::to_string(i - 2));
        // No row of a shown list: the names given are the whole names.
        if (i % 5 == 4) s.deleteParty(-1, {party, station});
    }
}

void childSchema() {
    for (;;) {
        fs::remove("listy.sdb");
        session::Session s;
        s.open();
    }
}

void childNewDatabase() {
    session::Session s;
    s.open();
    for (int i = 0;; ++i) {
        s.addStation("S" + std::to_string(i), "clblue");
        s.newDatabase();
    }
}

void childConversion(const std::string& templateFile, bool legacy) {
    for (;;) {
        copyInPlace(templateFile, "listy.sdb");
        session::Session s;
        if (legacy) s.convertOldFormat();
        s.open();
    }
}

// The four lists' CSV files the "import" path reads (written by the parent).
std::vector<std::string> csvFiles() {
    std::vector<std::string> files;
    for (formats::ExchangeList list : formats::kExchangeLists)
        files.push_back(std::string("csv/") + formats::csvFileName(list));
    return files;
}

// `sql` run straight on listy.sdb in a connection of its own; an error ends the child.
void runStraight(const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open("listy.sdb", &db);
    sqlite3_busy_timeout(db, 5000);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("a preparation failed: " + message);
}

// The four lists emptied in one transaction, straight through the engine (no command of
// the program does this).
void clearLists() {
    runStraight(
        "begin immediate; delete from listy; delete from stacje; delete from punkty; "
        "delete from ladunki; commit;");
}

// Import (or merge), its backup first; then the four lists emptied in one transaction.
void childExchange(bool merge) {
    session::Session s;
    s.open();
    for (;;) {
        const formats::ExchangeReport report =
            merge ? s.merge("legacy-template.sdb") : s.importFiles(csvFiles());
        if (report.refused()) throw std::runtime_error(report.summary());
        clearLists();
    }
}

// The wagon list imported from CSV (a backup first, the table made by the first import), then
// emptied; or one wagon copied many times over, then the copies deleted.
void childWagons(bool copy) {
    session::Session s;
    s.open();
    if (copy && !s.wagon("W 1000")) s.addWagon({"W 1000", "Gbs", "PKP", "Łódź", "14020"});
    // The copies a killed child left are not this child's to count.
    if (copy) runStraight("delete from wagony where numer <> 'W 1000';");
    for (;;) {
        if (copy) {
            s.copyWagon("W 1000", kWagonCopies);
            runStraight("delete from wagony where numer <> 'W 1000';");
        } else {
            const formats::ExchangeReport report = s.importFiles({"csv-wagons/wagony.csv"});
            if (report.refused()) throw std::runtime_error(report.summary());
            runStraight("delete from wagony;");
        }
    }
}

// A station named in 1,000 waybills and 30 shippers/receivers (made in one transaction the
// first time), renamed back and forth.
void childRename() {
    session::Session s;
    s.open();
    const auto names = s.lookups().stationNames;
    const bool made = std::find(names.begin(), names.end(), "Zwönitz") != names.end() ||
                      std::find(names.begin(), names.end(), "Zwoenitz") != names.end();
    if (!made) {
        const std::string w = std::to_string(kRenameWaybills);
        const std::string p = std::to_string(kRenameParties);
        runStraight(("begin immediate;"
                     "insert into stacje values(900001,'Zwönitz','clred');"
                     "insert into stacje values(900002,'Gliwice','clred');"
                     "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
                     p +
                     ") insert into punkty select 900000+i, 'P' || i, 'Zwönitz', '' from n;"
                     "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
                     w +
                     ") insert into listy select 900000+i, 'Zwönitz', 'P1', 'E', 'W', 'X', "
                     "'Gliwice' from n;"
                     "update admin set value='900002' where key='nr_stacji';"
                     "update admin set value='" +
                     std::to_string(900000 + kRenameWaybills) +
                     "' where key='nr_listu';"
                     "update admin set value='900100' where key='nr_punktu';"
                     "commit;")
                        .c_str());
    }
    for (;;) {
        s.renameStation("Zwönitz", "Zwoenitz");
        s.renameStation("Zwoenitz", "Zwönitz");
    }
}

// The relations' waybills generated for two weeks (a backup first, one transaction), then
// deleted again, over and over. The relations are written once, in one transaction.
void childGenerate(int trial) {
    session::Session s;
    s.open();
    if (s.relations().empty()) {
        runStraight(
            "begin immediate; "
            "insert into stacje values(90,'Gliwice','clred'); "
            "insert into stacje values(91,'Opole ''Wsch.''','clblue'); "
            "insert into punkty values(90,'Huta','Gliwice',''); "
            "insert into punkty values(91,'Młyn; \"Zbyszko\"','Opole ''Wsch.''',''); "
            "insert into ladunki values('Koks','Fals'); "
            "insert into ladunki values('Mąka','Gbs'); "
            "update admin set value=91 where key in ('nr_stacji','nr_punktu'); "
            "create table if not exists relacje (id integer, st_nad varchar(255), nadawca "
            "varchar(255), rodz_wag varchar(255), ladunek varchar(255), odbiorca "
            "varchar(255), "
            "st_odb varchar(255), na_tydzien integer, uwagi varchar(255)); "
            "insert into admin values('nr_relacji','4'); "
            "insert into relacje values(2,'Gliwice','Huta','Fals','Koks','Młyn; "
            "\"Zbyszko\"',"
            "'Opole ''Wsch.''',40,''); "
            "insert into relacje values(3,'Opole ''Wsch.''','Młyn; "
            "\"Zbyszko\"','Gbs','Mąka',"
            "'Huta','Gliwice',35,''); "
            "insert into relacje "
            "values(4,'Gliwice','Huta','Gbs','Mąka','Huta','Gliwice',25,''); "
            "commit;");
    }
    runStraight("delete from listy;");  // a stack the last child left before deleting it
    for (std::uint64_t seed = static_cast<std::uint64_t>(trial);; ++seed) {
        s.generate({2, 0, seed, {}});
        runStraight("delete from listy;");
    }
}

void childRestore() {
    session::Session s;
    s.open();
    for (;;) {
        s.restore("stan-a.sdb");
        s.restore("stan-b.sdb");
    }
}

int runChild(const QString& path, const QString& dir, int trial) {
    QDir::setCurrent(dir);
    try {
        if (path == "writes" || path == "two") childWrites(trial);
        if (path == "schema") childSchema();
        if (path == "newdb") childNewDatabase();
        if (path == "v1") childConversion("v1-template.sdb", false);
        if (path == "legacy") childConversion("legacy-template.sdb", true);
        if (path == "import") childExchange(false);
        if (path == "merge") childExchange(true);
        if (path == "restore") childRestore();
        if (path == "wagons-import") childWagons(false);
        if (path == "wagons-copy") childWagons(true);
        if (path == "rename") childRename();
        if (path == "generate") childGenerate(trial);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "child %s: %s\n", qPrintable(path), e.what());
        return 2;
    }
    std::fprintf(stderr, "child %s: no such path\n", qPrintable(path));
    return 1;
}

// --- the parent: kill, then check
// --------------------------------------------------------------

void makeVersion1Template(const std::string& path) {
    File f(path);
    std::string sql =
        "begin;"
        "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
        "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb "
        "varchar[20]);"
        "create table admin(key varchar[10], value varchar[20]);"
        "create table stacje(id integer[2], nazwa varchar[20]);"
        "create table ladunki(nazwa varchar[20], rodz_wag varchar[2]);"
        "create table punkty(id integer[2], nazwa varchar[30], stacja varchar[20], "
        "ladunki varchar[100]);"
        "insert into admin values('wersja','1');"
        "insert into admin values('nr_listu','" +
        std::to_string(kV1Waybills + 1) +
        "');"
        "insert into admin values('nr_stacji','" +
        std::to_string(kV1Stations + 1) +
        "');"
        "insert into admin values('nr_punktu','1');";
    for (int i = 2; i <= kV1Stations + 1; ++i) {
        sql += "insert into stacje values(" + std::to_string(i) + ",'Stacja " + std::to_string(i) +
               "');";
    }
    for (int i = 2; i <= kV1Waybills + 1; ++i) {
        sql += "insert into listy values(" + std::to_string(i) +
               ",'Stacja 2','n','w','l','o','Stacja 3');";
    }
    sql += "commit;";
    sqlite3_exec(f.db, sql.c_str(), nullptr, nullptr, nullptr);
}

// Counts of the old-format sample after a conversion that nothing stopped.
std::map<std::string, std::string> referenceCounts(const std::string& legacyTemplate) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    fs::copy_file(legacyTemplate, d + "listy.sdb");
    session::migrateLegacyDatabase(d);
    File f(d + "listy.sdb");
    return {{"listy", f.one("select count(*) from listy")},
            {"stacje", f.one("select count(*) from stacje")}};
}

// The four lists of a file, for comparing states.
std::string listsOf(const std::string& path) {
    File f(path);
    std::string out;
    for (const char* sql :
         {"select id, st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb from listy "
          "order by id",
          "select id, nazwa, kolor from stacje order by id",
          "select id, nazwa, stacja from punkty order by id",
          "select nazwa, rodz_wag from ladunki order by rowid",
          "select key, value from admin where key <> 'wersja' order by key"}) {
        for (const std::string& row : f.rows(sql)) out += row + "\n";
        out += "--\n";
    }
    return out;
}

std::string bytesOfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Checker {
    std::map<std::string, std::string> legacyCounts;
    // The counts (listy, stacje, punkty, ladunki) a whole import / merge adds to an empty
    // file.
    std::string importCounts, mergeCounts;
    std::string legacyBytes;                 // the merged file as it must stay
    std::vector<std::string> restoreStates;  // the lists before and after each restore

    static std::string counts(const File& f) {
        return f.one(
            "select (select count(*) from listy) || ',' || (select count(*) from stacje) "
            "|| ',' || "
            "(select count(*) from punkty) || ',' || (select count(*) from ladunki)");
    }

    void soundCopies(const std::string& dir) {
        std::error_code ec;
        for (fs::directory_iterator it(dir + "kopie", ec), end; !ec && it != end;
             it.increment(ec)) {
            if (it->path().extension() != ".sdb") continue;
            File c(it->path().string());
            expect(c.one("pragma integrity_check") == "ok",
                   "a backup is not sound: " + it->path().filename().string());
            expect(c.one("select count(*) from sqlite_master") == "5",
                   "a backup lacks tables: " + it->path().filename().string());
        }
    }

    void exchangeWholeOrNone(const std::string& path, const std::string& dir) {
        File f(dir + "listy.sdb");
        const std::string got = counts(f);
        const std::string& whole = path == "import" ? importCounts : mergeCounts;
        expect(got == "0,0,0,0" || got == whole,
               "a half " + path + ": " + got + " (whole: " + whole + ")");
        if (path == "merge")
            expect(bytesOfFile(dir + "legacy-template.sdb") == legacyBytes,
                   "the merged file was written");
        soundCopies(dir);
    }

    void restoredWhole(const std::string& dir) {
        const std::string now = listsOf(dir + "listy.sdb");
        expect(std::find(restoreStates.begin(), restoreStates.end(), now) != restoreStates.end(),
               "a half restore: the database is none of the states before or after");
        soundCopies(dir);
    }
    std::vector<std::string> problems;

    void expect(bool ok, const std::string& what) {
        if (!ok) problems.push_back(what);
    }

    void soundFile(const File& f) {
        expect(f.one("pragma integrity_check") == "ok",
               "integrity_check: " + f.one("pragma integrity_check"));
    }

    void countersAndIds(const File& f) {
        std::vector<std::pair<std::string, std::string>> counted = {
            {"listy", "nr_listu"}, {"stacje", "nr_stacji"}, {"punkty", "nr_punktu"}};
        if (f.one(std::string("select count(*) from sqlite_master where type='table' and "
                              "name='") +
                  model::kRelationTable + "'") == "1")
            counted.emplace_back(model::kRelationTable, model::kRelationCounter);
        for (const auto& [table, key] : counted) {
            expect(f.one("select count(*) from admin where key='" + key + "'") == "1",
                   "the counter " + key + " is not in admin once");
            expect(f.one("select (select cast(value as integer) from admin where key='" + key +
                         "') >= coalesce((select max(id) from " + table + "), 0)") == "1",
                   key + " is below the largest id of " + table);
            expect(f.rows("select id from " + table + " group by id having count(*) > 1").empty(),
                   "an id of " + table + " was handed out twice");
        }
    }

    void noHalfCascade(const File& f) {
        expect(f.one("select count(*) from listy where st_nad not in (select nazwa from stacje) "
                     "or st_odb not in (select nazwa from stacje)") == "0",
               "a waybill names a deleted station");
        expect(f.one("select count(*) from punkty where stacja not in (select nazwa from "
                     "stacje)") == "0",
               "a shipper/receiver belongs to a deleted station");
        expect(f.one("select count(*) from listy l where not exists (select 1 from punkty p "
                     "where "
                     "p.nazwa = l.nadawca and p.stacja = l.st_nad) or not exists (select 1 from "
                     "punkty p where p.nazwa = l.odbiorca and p.stacja = l.st_odb)") == "0",
               "a waybill names a deleted shipper/receiver");
    }

    void wholeSchemaOrNone(const File& f) {
        const std::string tables = f.one("select count(*) from sqlite_master");
        if (tables == "0") return;
        expect(tables == "5", "a half-made schema: " + tables + " tables");
        expect(f.one("select count(*) from admin") == "4", "admin lacks rows");
    }

    // Opens the file the way the program starts; the next start must work.
    void startsAgain(const std::string& dir, bool legacy) {
        try {
            if (legacy) session::migrateLegacyDatabase(dir);
            QDir::setCurrent(QString::fromStdString(dir));
            db::SqlConnection baza("baza");
            db::SqlQuery list("sql1");
            list.setConnection(&baza);
            session::openDatabase(baza, list);
        } catch (const std::exception& e) {
            problems.push_back(std::string("the next start failed: ") + e.what());
        }
    }

    void afterKill(const std::string& path, const std::string& dir) {
        const std::string file = dir + "listy.sdb";
        if (path == "schema" || path == "newdb") {
            File f(file);
            soundFile(f);
            wholeSchemaOrNone(f);
        }
        if (path != "legacy") {
            startsAgain(dir, false);
        } else {
            startsAgain(dir, true);
        }
        File f(file);
        soundFile(f);
        expect(f.one("select count(*) from sqlite_master where type='table' and name in "
                     "('listy','admin','stacje','ladunki','punkty')") == "5",
               "the schema is not whole after the next start");
        countersAndIds(f);
        if (path == "writes" || path == "two") noHalfCascade(f);
        if (path == "v1") {
            expect(f.one("select value from admin where key='wersja'") == "2", "not converted");
            expect(f.one("select count(*) from stacje where kolor='clwhite' and nazwa = "
                         "'Stacja ' "
                         "|| id") == std::to_string(kV1Stations),
                   "stations lost in the conversion: " + f.one("select count(*) from stacje"));
            expect(f.one("select count(*) from listy") == std::to_string(kV1Waybills),
                   "waybills lost");
        }
        if (path == "legacy") {
            expect(f.one("select count(*) from listy") == legacyCounts["listy"],
                   "waybills lost: " + f.one("select count(*) from listy"));
            expect(f.one("select count(*) from stacje") == legacyCounts["stacje"], "stations lost");
        }
        if (path == "import" || path == "merge") exchangeWholeOrNone(path, dir);
        if (path == "restore") restoredWhole(dir);
        if (path == "wagons-import" || path == "wagons-copy") wagonsWholeOrNone(path, f);
        if (path == "rename") renamedWhole(f);
        if (path == "generate") generatedWholeOrNone(f);
    }

    // Every row names the station by one of its two names, all by the same one.
    void renamedWhole(const File& f) {
        const std::string w = std::to_string(kRenameWaybills);
        const std::string p = std::to_string(kRenameParties);
        const std::string total =
            f.one("select count(*) from listy where st_nad in ('Zwönitz','Zwoenitz')");
        if (total == "0") return;  // killed before the rows were made
        expect(total == w, "waybills lost: " + total);
        for (const char* name : {"Zwönitz", "Zwoenitz"}) {
            const std::string q = std::string("'") + name + "'";
            const std::string waybills = f.one("select count(*) from listy where st_nad=" + q);
            const std::string parties = f.one("select count(*) from punkty where stacja=" + q);
            const std::string stations = f.one("select count(*) from stacje where nazwa=" + q);
            const bool none = waybills == "0" && parties == "0" && stations == "0";
            const bool all = waybills == w && parties == p && stations == "1";
            expect(none || all, std::string("a half rename to ") + name + ": " + waybills +
                                    " waybills, " + parties + " shippers/receivers, " + stations +
                                    " stations");
        }
    }

    // The generator's waybills are all there, with ids in one run, or none of them.
    void generatedWholeOrNone(const File& f) {
        const std::string n = f.one("select count(*) from listy");
        expect(n == "0" || n == std::to_string(kGeneratedWaybills), "a half stack: " + n);
        if (n == "0") return;
        expect(f.one("select max(id) - min(id) + 1 from listy") == n, "the ids are not in one run");
        expect(f.one("select count(*) from listy where rodz_wag='Fals' and st_odb='Opole "
                     "''Wsch.'''") == "80",
               "a relation's waybills are not whole");
    }

    // The wagon table is there whole or not at all, and holds no part of an import or copy.
    void wagonsWholeOrNone(const std::string& path, const File& f) {
        const bool table = f.one("select count(*) from sqlite_master where name='wagony'") == "1";
        const std::string n = table ? f.one("select count(*) from wagony") : "0";
        if (path == "wagons-import") {
            expect(n == "0" || n == std::to_string(kCsvWagons), "a half wagon import: " + n);
        } else {
            expect(n == "0" || n == "1" || n == std::to_string(kWagonCopies + 1),
                   "a half copy: " + n + " wagons");
        }
    }
};

// A file made by the start-up sequence at `path`, then `sql` run on it.
void makeListyFile(const std::string& path, const std::string& sql) {
    {
        db::SqlConnection baza("baza");
        db::SqlQuery list("sql1");
        list.setConnection(&baza);
        session::openDatabase(baza, list, files::DatabaseLocation::file(path));
    }
    File f(path);
    sqlite3_exec(f.db, sql.c_str(), nullptr, nullptr, nullptr);
}

// The CSV files of the "import" path, the two states of the "restore" path, and what a
// whole import and merge give.
void prepareExchange(const std::string& base, const std::string& legacySample, Checker& checker) {
    std::string sql = "begin;";
    for (int i = 2; i < 302; ++i) {
        const std::string n = std::to_string(i);
        sql += "insert into stacje values(" + n + ",'Stacja " + n + "','clred');";
        sql += "insert into punkty values(" + n + ",'Punkt " + n + "','Stacja " + n + "','');";
        sql += "insert into ladunki values('Ładunek " + n + "','E');";
    }
    for (int i = 2; i < 2002; ++i) {
        const std::string n = std::to_string(i);
        sql += "insert into listy values(" + n + ",'Stacja " + std::to_string(2 + i % 300) +
               "','Punkt;" + n + "','E','\"Węgiel\" " + n + "','Odbiorca\n" + n + "','Łódź');";
    }
    sql +=
        "update admin set value='2001' where key='nr_listu';"
        "update admin set value=301 where key='nr_stacji';"
        "update admin set value=301 where key='nr_punktu';"
        "commit;";
    makeListyFile(base + "stan-a.sdb", sql);
    makeListyFile(base + "stan-b.sdb",
                  "insert into stacje values(2,'B','clblue');"
                  "insert into listy values(2,'B','x','y','z','v','B');"
                  "update admin set value='9' where key='nr_listu';"
                  "update admin set value=2 where key='nr_stacji';");
    {
        session::Session s(files::DatabaseLocation::file(base + "stan-a.sdb"));
        s.keepHistory(false);
        s.open();
        s.exportCsv(base + "csv");
    }
    // Reference: a whole import and a whole merge into empty files.
    makeListyFile(base + "ref-import.sdb", "");
    makeListyFile(base + "ref-merge.sdb", "");
    for (const auto& [file, merge] : {std::pair<std::string, bool>{base + "ref-import.sdb", false},
                                      std::pair<std::string, bool>{base + "ref-merge.sdb", true}}) {
        session::Session s(files::DatabaseLocation::file(file));
        s.keepHistory(false);
        s.open();
        std::vector<std::string> files;
        for (formats::ExchangeList list : formats::kExchangeLists)
            files.push_back(base + "csv/" + formats::csvFileName(list));
        if (merge) {
            s.merge(legacySample);
        } else {
            s.importFiles(files);
        }
    }
    checker.importCounts = Checker::counts(File(base + "ref-import.sdb"));
    fs::create_directories(base + "csv-wagons");
    std::ofstream wagons(base + "csv-wagons/wagony.csv", std::ios::binary);
    wagons << "Numer;Klasa;Właściciel;Stacja macierzysta;Długość;Prędkość;Uwagi\r\n";
    for (int i = 0; i < kCsvWagons; ++i)
        wagons << "\"31 80 " << 100000 + i
               << "\";Eaos;DB;\"Hagen; Hbf\";14040;ss;\"\"\"x\"\"\"\r\n";
    checker.mergeCounts = Checker::counts(File(base + "ref-merge.sdb"));
    makeListyFile(base + "ref-empty.sdb", "");
    checker.restoreStates = {listsOf(base + "ref-empty.sdb"), listsOf(base + "stan-a.sdb"),
                             listsOf(base + "stan-b.sdb")};
}

// What went wrong with a child that was to run until it was killed: it ended by itself,
// died of something else than the kill, or wrote to standard error.
std::vector<std::string> childFailures(QProcess& child) {
    std::vector<std::string> out;
    if (!child.waitForFinished(30000)) {
        out.push_back("the child did not end after the kill");
        return out;
    }
    if (child.exitStatus() == QProcess::NormalExit) {
        out.push_back("the child ended by itself with status " + std::to_string(child.exitCode()));
    }
#ifdef SIGKILL
    // On Unix the exit code of a process that was killed is the signal's number.
    else if (child.exitCode() != SIGKILL) {
        out.push_back("the child died of signal " + std::to_string(child.exitCode()));
    }
#endif
    const QByteArray written = child.readAllStandardError().trimmed();
    if (!written.isEmpty()) out.push_back("the child wrote: " + written.toStdString());
    return out;
}

int runParent(int trials, const QString& only) {
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir work;
    const std::string base = work.path().toStdString() + "/";
    makeVersion1Template(base + "v1-template.sdb");
    const std::string legacySample = LISTY_LEGACY_SAMPLE;
    if (!fs::exists(legacySample)) {
        std::fprintf(stderr, "stress: the old-format sample is missing: %s\n",
                     legacySample.c_str());
        return 1;
    }
    Checker checker;
    checker.legacyCounts = referenceCounts(legacySample);
    checker.legacyBytes = bytesOfFile(legacySample);
    prepareExchange(base, legacySample, checker);
    QRandomGenerator random(20261209);
    int failures = 0;
    int ran = 0;
    for (const char* path : kPaths) {
        if (!only.isEmpty() && only != path) continue;
        const std::string dir = base + path + "/";
        fs::create_directories(dir);
        fs::copy_file(base + "v1-template.sdb", dir + "v1-template.sdb");
        fs::copy_file(legacySample, dir + "legacy-template.sdb");
        fs::copy(base + "csv", dir + "csv", fs::copy_options::recursive);
        fs::copy(base + "csv-wagons", dir + "csv-wagons", fs::copy_options::recursive);
        fs::copy_file(base + "stan-a.sdb", dir + "stan-a.sdb");
        fs::copy_file(base + "stan-b.sdb", dir + "stan-b.sdb");
        QElapsedTimer clock;
        clock.start();
        int pathFailures = 0;
        for (int trial = 0; trial < trials; ++trial) {
            // A conversion starts from the file to convert, as its child's every round does:
            // a child killed before its first copy leaves no file the conversion made.
            if (std::string(path) == "v1" || std::string(path) == "legacy") {
                fs::copy_file(dir + path + "-template.sdb", dir + "listy.sdb",
                              fs::copy_options::overwrite_existing);
            }
            // The "two" path runs two writers on the file at once, each with rows of its
            // own.
            const int writers = std::string(path) == "two" ? 2 : 1;
            std::vector<std::unique_ptr<QProcess>> children;
            for (int w = 0; w < writers; ++w) {
                auto& child = children.emplace_back(std::make_unique<QProcess>());
                child->setProcessChannelMode(QProcess::ForwardedOutputChannel);
                child->start(self, {"--child", path, QString::fromStdString(dir),
                                    QString::number(trial * writers + w)});
                if (!child->waitForStarted()) {
                    std::fprintf(stderr, "stress: cannot start the child\n");
                    return 1;
                }
            }
            QThread::msleep(5 + random.bounded(writers == 1 ? 150 : 400));
            // The exit state is read only after waitForFinished: without an event loop the
            // process's state() still says "running" after it ended.
            for (auto& child : children) child->kill();
            checker.problems.clear();
            for (auto& child : children) {
                for (std::string& failure : childFailures(*child))
                    checker.problems.push_back(std::move(failure));
            }
            checker.afterKill(path, dir);
            QDir::setCurrent(QString::fromStdString(base));
            if (!checker.problems.empty()) {
                ++pathFailures;
                for (const auto& p : checker.problems) {
                    std::fprintf(stderr, "stress: %s trial %d: %s\n", path, trial, p.c_str());
                }
            }
            ++ran;
        }
        std::fflush(stderr);
        std::printf("stress: %-13s %d trials, %d failures (%.1f s)\n", path, trials, pathFailures,
                    static_cast<double>(clock.elapsed()) / 1000.0);
        std::fflush(stdout);
        failures += pathFailures;
    }
    std::fflush(stderr);
    std::printf("%d passed, %d failed\n", ran - failures, failures);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == "--child")
        return runChild(args[2], args[3], args[4].toInt());
    int trials = 50;
    QString only;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--trials") trials = args[i + 1].toInt();
        if (args[i] == "--path") only = args[i + 1];
    }
    return runParent(trials, only);
}
