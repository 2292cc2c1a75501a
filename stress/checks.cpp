// The kill test's checks: what the file (and an export's files) must hold after a child was
// killed at any moment of its path.

#include <QDir>
#include <algorithm>
#include <array>
#include <exception>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "formats/exchange.h"
#include "formats/workbook.h"
#include "model/traffic.h"
#include "session/old_format.h"
#include "session/startup.h"
#include "stress.h"

namespace stress {

// --- the file read straight through the engine ---------------------------------------------

File::File(const std::string& path) {
    sqlite3_open(path.c_str(), &db);
    sqlite3_busy_timeout(db, 5000);
}

File::~File() {
    sqlite3_close(db);
}

std::vector<std::string> File::rows(const std::string& sql) const {
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

std::string File::one(const std::string& sql) const {
    const auto r = rows(sql);
    return r.empty() ? std::string() : r.front();
}

void runStraight(const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open("listy.sdb", &db);
    sqlite3_busy_timeout(db, 5000);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("a preparation failed: " + message);
}

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

std::vector<std::string> csvFiles() {
    std::vector<std::string> files;
    for (model::List list : model::kDescribedLists)
        files.push_back(std::string("csv/") + model::namesOf(list).csvFile);
    return files;
}

// --- the checks ----------------------------------------------------------------------------

std::string Checker::counts(const File& f) {
    return f.one(
        "select (select count(*) from listy) || ',' || (select count(*) from stacje) || ',' || "
        "(select count(*) from punkty) || ',' || (select count(*) from ladunki)");
}

std::string Checker::rowsOfWorkbook(const std::string& path, std::string& why) {
    const std::string bytes = bytesOfFile(path);
    if (bytes.empty()) {
        why = "missing or empty";
        return {};
    }
    formats::ExchangeData data;
    formats::ExchangeReport report;
    try {
        formats::checkWorkbook(bytes);
        formats::readWorkbook("eksport", bytes, data, report);
    } catch (const std::exception& e) {
        why = e.what();
        return {};
    }
    if (report.refused()) {
        why = report.refusals.front();
        return {};
    }
    std::string out;
    for (std::size_t list = 0; list < data.rows.size(); ++list) {
        for (const formats::ExchangeRow& row : data.rows[list]) {
            out += std::to_string(list);
            for (const std::string& value : row.values) out += "|" + value;
            out += "\n";
        }
    }
    return out;
}

void Checker::expect(bool ok, const std::string& what) {
    if (!ok) problems.push_back(what);
}

void Checker::soundFile(const File& f) {
    expect(f.one("pragma integrity_check") == "ok",
           "integrity_check: " + f.one("pragma integrity_check"));
}

void Checker::countersAndIds(const File& f) {
    std::vector<std::pair<std::string, std::string>> counted = {
        {"listy", "nr_listu"}, {"stacje", "nr_stacji"}, {"punkty", "nr_punktu"}};
    if (f.one(std::string("select count(*) from sqlite_master where type='table' and name='") +
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

void Checker::noHalfCascade(const File& f) {
    expect(f.one("select count(*) from listy where st_nad not in (select nazwa from stacje) "
                 "or st_odb not in (select nazwa from stacje)") == "0",
           "a waybill names a deleted station");
    expect(f.one("select count(*) from punkty where stacja not in (select nazwa from "
                 "stacje)") == "0",
           "a shipper/receiver belongs to a deleted station");
    expect(f.one("select count(*) from listy l where not exists (select 1 from punkty p "
                 "where p.nazwa = l.nadawca and p.stacja = l.st_nad) or not exists (select 1 "
                 "from punkty p where p.nazwa = l.odbiorca and p.stacja = l.st_odb)") == "0",
           "a waybill names a deleted shipper/receiver");
}

void Checker::wholeSchemaOrNone(const File& f) {
    const std::string tables = f.one("select count(*) from sqlite_master");
    if (tables == "0") return;
    expect(tables == "5", "a half-made schema: " + tables + " tables");
    expect(f.one("select count(*) from admin") == "4", "admin lacks rows");
}

// Opens the file the way the program starts; the next start must work.
void Checker::startsAgain(const std::string& dir, bool legacy) {
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

void Checker::afterKill(const std::string& path, const std::string& dir) {
    const std::string file = dir + "listy.sdb";
    if (path == "schema" || path == "newdb") {
        File f(file);
        soundFile(f);
        wholeSchemaOrNone(f);
    }
    startsAgain(dir, path == "legacy");
    File f(file);
    soundFile(f);
    expect(f.one("select count(*) from sqlite_master where type='table' and name in "
                 "('listy','admin','stacje','ladunki','punkty')") == "5",
           "the schema is not whole after the next start");
    countersAndIds(f);
    if (path == "writes" || path == "two" || path == "undo") noHalfCascade(f);
    if (path == "v1") {
        expect(f.one("select value from admin where key='wersja'") == "2", "not converted");
        expect(f.one("select count(*) from stacje where kolor='clwhite' and nazwa = 'Stacja ' "
                     "|| id") == std::to_string(kV1Stations),
               "stations lost in the conversion: " + f.one("select count(*) from stacje"));
        expect(f.one("select count(*) from listy") == std::to_string(kV1Waybills), "waybills lost");
    }
    if (path == "legacy") {
        expect(f.one("select count(*) from listy") == legacyCounts["listy"],
               "waybills lost: " + f.one("select count(*) from listy"));
        expect(f.one("select count(*) from stacje") == legacyCounts["stacje"], "stations lost");
    }
    if (path == "import" || path == "merge" || path == "import-workbook")
        exchangeWholeOrNone(path, dir);
    if (path == "restore") restoredWhole(dir);
    if (path == "wagons-import" || path == "wagons-copy") wagonsWholeOrNone(path, f);
    if (path == "rename") renamedWhole(f);
    if (path == "generate") generatedWholeOrNone(f);
    if (path == "undo") undoneWhole(f);
    if (path == "join") joinedWholeOrNone(f);
    if (path == "export-csv") csvExportWhole(dir);
    if (path == "export-workbook") workbookExportWhole(dir);
    if (path == "export-csv" || path == "export-workbook")
        expect(listsOf(file) == exportedLists, "an export changed the file");
}

void Checker::soundCopies(const std::string& dir) {
    std::error_code ec;
    for (fs::directory_iterator it(dir + "kopie", ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() != ".sdb") continue;
        File c(it->path().string());
        expect(c.one("pragma integrity_check") == "ok",
               "a backup is not sound: " + it->path().filename().string());
        expect(c.one("select count(*) from sqlite_master") == "5",
               "a backup lacks tables: " + it->path().filename().string());
    }
}

void Checker::exchangeWholeOrNone(const std::string& path, const std::string& dir) {
    File f(dir + "listy.sdb");
    const std::string got = counts(f);
    const std::string& whole = path == "import"  ? importCounts
                               : path == "merge" ? mergeCounts
                                                 : workbookCounts;
    expect(got == "0,0,0,0" || got == whole,
           "a half " + path + ": " + got + " (whole: " + whole + ")");
    if (path == "merge")
        expect(bytesOfFile(dir + "legacy-template.sdb") == legacyBytes,
               "the merged file was written");
    soundCopies(dir);
}

void Checker::restoredWhole(const std::string& dir) {
    const std::string now = listsOf(dir + "listy.sdb");
    expect(std::find(restoreStates.begin(), restoreStates.end(), now) != restoreStates.end(),
           "a half restore: the database is none of the states before or after");
    soundCopies(dir);
}

// Every row names the station by one of its two names, all by the same one.
void Checker::renamedWhole(const File& f) {
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
void Checker::generatedWholeOrNone(const File& f) {
    const std::string n = f.one("select count(*) from listy");
    expect(n == "0" || n == std::to_string(kGeneratedWaybills), "a half stack: " + n);
    if (n == "0") return;
    expect(f.one("select max(id) - min(id) + 1 from listy") == n, "the ids are not in one run");
    expect(f.one("select count(*) from listy where rodz_wag='Fals' and st_odb='Opole "
                 "''Wsch.'''") == "80",
           "a relation's waybills are not whole");
}

// The wagon table is there whole or not at all, and holds no part of an import or copy.
void Checker::wagonsWholeOrNone(const std::string& path, const File& f) {
    const bool table = f.one("select count(*) from sqlite_master where name='wagony'") == "1";
    const std::string n = table ? f.one("select count(*) from wagony") : "0";
    if (path == "wagons-import") {
        expect(n == "0" || n == std::to_string(kCsvWagons), "a half wagon import: " + n);
    } else {
        expect(n == "0" || n == "1" || n == std::to_string(kWagonCopies + 1),
               "a half copy: " + n + " wagons");
    }
}

// How many rows name the station `name`: as a station, a shipper's station, a waybill's
// two stations and a relation's two stations.
std::string rowsNaming(const File& f, const std::string& name) {
    const std::string q = "'" + name + "'";
    return f.one("select (select count(*) from stacje where nazwa=" + q +
                 ") + (select count(*) from punkty where stacja=" + q +
                 ") + (select count(*) from listy where st_nad=" + q + " or st_odb=" + q +
                 ") + (select count(*) from relacje where st_nad=" + q + " or st_odb=" + q + ")");
}

// The "undo" path's four steps (a waybill added, a relation added, Opole renamed, Gliwice
// deleted) are each in the file whole or not at all, and only in their order: the file is
// in one of the five states between them.
void Checker::undoneWhole(const File& f) {
    if (f.one("select count(*) from sqlite_master where name='relacje'") != "1" &&
        f.one("select count(*) from stacje") == "0")
        return;  // killed before the first rows were made
    const std::string gliwice = f.one(
        "select (select count(*) from stacje where nazwa='Gliwice') || ',' || (select count(*) "
        "from punkty where stacja='Gliwice') || ',' || (select count(*) from listy where "
        "st_nad='Gliwice')");
    const std::string whole =
        "1," + std::to_string(kUndoParties) + "," + std::to_string(kUndoWaybills);
    expect(gliwice == whole || gliwice == "0,0,0",
           "a half delete of Gliwice (station, shippers, waybills): " + gliwice);
    const std::string before = rowsNaming(f, "Opole");
    const std::string after = rowsNaming(f, "Opole Wsch.");
    expect(before == "0" || after == "0",
           "a half rename: " + before + " rows name Opole, " + after + " Opole Wsch.");
    // Waybills added, relations, renamed, Gliwice there.
    const std::string state = f.one(
        "select (select count(*) from listy where st_nad in ('Opole','Opole Wsch.')) || ',' || "
        "(select count(*) from relacje) || ',' || (select count(*) from stacje where "
        "nazwa='Opole Wsch.') || ',' || (select count(*) from stacje where nazwa='Gliwice')");
    const std::vector<std::string> states = {"0,1,0,1", "1,1,0,1", "1,2,0,1", "1,2,1,1", "1,2,1,0"};
    expect(
        std::find(states.begin(), states.end(), state) != states.end(),
        "a state no whole steps lead to (waybills added, relations, renamed, Gliwice): " + state);
    const std::string waybills =
        std::to_string((gliwice == whole ? kUndoWaybills : 0) + (state[0] == '1' ? 1 : 0));
    expect(f.one("select count(*) from listy") == waybills,
           "waybills lost or left over: " + f.one("select count(*) from listy"));
}

// The join of "Zwoenitz" into "Zwönitz" and of "wegiel" into "Węgiel" (and its undo) is in
// the file whole or not at all; no waybill is ever removed.
void Checker::joinedWholeOrNone(const File& f) {
    // Stations, shippers at Zwoenitz, shippers, loads, waybills from Zwoenitz, waybills of
    // "wegiel", waybills.
    const std::string got = f.one(
        "select (select count(*) from stacje) || ',' || (select count(*) from punkty where "
        "stacja='Zwoenitz') || ',' || (select count(*) from punkty) || ',' || (select "
        "count(*) from ladunki) || ',' || (select count(*) from listy where st_nad='Zwoenitz' "
        "and st_odb='Zwoenitz') || ',' || (select count(*) from listy where ladunek='wegiel') "
        "|| ',' || (select count(*) from listy)");
    const std::string other = std::to_string(kJoinOtherWaybills);
    const std::string all = std::to_string(kJoinKeptWaybills + kJoinOtherWaybills);
    const std::string apart = "2," + std::to_string(kJoinParties + 1) + "," +
                              std::to_string(2 * kJoinParties + 2) + ",2," + other + "," + other +
                              "," + all;
    // The two "Huta" became one; the others moved to Zwönitz.
    const std::string joined = "1,0," + std::to_string(2 * kJoinParties + 1) + ",1,0,0," + all;
    expect(got == apart || got == joined || got == "0,0,0,0,0,0,0",
           "a half join: " + got + " (before: " + apart + ", after: " + joined + ")");
}

// The folder holds every list file of one whole export, all of the same one, and nothing a
// reader could take for a list but them (a part left by a killed export ends in .zapis).
// A mix of two exports is a fault of the export: files::writeFilesInto renames its parts into
// place one after another, so a kill between two renames leaves new files beside old ones.
void Checker::csvExportWhole(const std::string& dir) {
    const std::string folder = dir + kExportFolder + "/";
    // The files of each of the two exports (Polish, German headers) found in the folder.
    std::array<std::string, 2> found;
    for (const auto& [name, bytes] : csvExports[0]) {
        const std::string now = bytesOfFile(folder + name);
        const int of = now == bytes ? 0 : now == csvExports[1].at(name) ? 1 : -1;
        if (of < 0) {
            problems.push_back(name + " is no whole export (" + std::to_string(now.size()) +
                               " bytes)");
        } else {
            found[static_cast<std::size_t>(of)] += " " + name;
        }
    }
    if (!found[0].empty() && !found[1].empty()) {
        const std::string mix =
            "the folder holds files of two exports: Polish" + found[0] + ", German" + found[1];
        (allowMixedExport ? knownFaults : problems).push_back(mix);
    }
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        const std::string part = ".zapis";
        const bool isPart = name.size() > part.size() &&
                            name.compare(name.size() - part.size(), part.size(), part) == 0;
        if (isPart) name.resize(name.size() - part.size());
        expect(csvExports[0].count(name) == 1,
               "a stray file in the folder: " + it->path().filename().string());
    }
}

void Checker::workbookExportWhole(const std::string& dir) {
    std::string why;
    const std::string rows = rowsOfWorkbook(dir + kExportWorkbook, why);
    expect(why.empty(), "the workbook is not whole: " + why);
    expect(!why.empty() || rows == workbookRows, "the workbook holds other rows");
}

}  // namespace stress
