// The kill test's children: each runs one write path in a loop, through the command layer
// (session::Session) as the windows do, until the parent kills it. A child that meets an
// error writes it to standard error and ends; the parent counts that as a failure.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/exchange.h"
#include "model/duplicates.h"
#include "model/traffic.h"
#include "model/waybills.h"
#include "session/session.h"
#include "stress.h"

namespace stress {

namespace {

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

// The four lists emptied in one transaction, straight through the engine (no command of
// the program does this).
void clearLists() {
    runStraight(
        "begin immediate; delete from listy; delete from stacje; delete from punkty; "
        "delete from ladunki; commit;");
}

// Import of `files` (or the merge of the old-format file), its backup first; then the four
// lists emptied in one transaction.
void childExchange(bool merge, const std::vector<std::string>& files) {
    session::Session s;
    s.open();
    for (;;) {
        const formats::ExchangeReport report =
            merge ? s.merge("legacy-template.sdb") : s.importFiles(files);
        if (report.refused()) throw std::runtime_error(report.summary());
        clearLists();
    }
}

// The wagon list imported from CSV (a backup first, the table made by the first import), then
// emptied; or one wagon copied many times over, then the copies deleted.
void childWagons(bool copy) {
    session::Session s;
    s.open();
    if (copy && !s.wagon("W 1000"))
        s.addWagon({"W 1000", "Gbs", "PKP", "Łódź", "14020", model::SpeedMark::None, ""});
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
        runStraight(
            "begin immediate;"
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
            "commit;");
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

// A counter raised to at least `value`, as a statement.
std::string counterAtLeast(const char* key, int value) {
    return std::string("update admin set value=max(cast(value as integer),") +
           std::to_string(value) + ") where key='" + key + "';";
}

// The rows the "undo" path starts from, in one transaction: Gliwice with its shippers and
// its waybills to Opole, and one relation from Gliwice to Opole. The counters keep what a
// killed child handed out.
std::string undoStartSql() {
    const std::string parties = std::to_string(kUndoParties);
    const std::string waybills = std::to_string(kUndoWaybills);
    return std::string("begin immediate;") + model::relationTableSql() +
           model::relationCounterSql() +
           "delete from listy; delete from stacje; delete from punkty; delete from ladunki;"
           "delete from relacje;"
           "insert into stacje values(10,'Gliwice','clred');"
           "insert into stacje values(11,'Opole','clblue');"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           parties +
           ") insert into punkty select 10+i, 'Huta ' || i, 'Gliwice', '' from n;"
           "insert into punkty values(100,'Młyn','Opole','');"
           "insert into ladunki values('Koks','Fals');"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           waybills + ") insert into listy select 1000+i, 'Gliwice', 'Huta ' || (1 + i % " +
           parties +
           "), 'Fals', 'Koks', 'Młyn', 'Opole' from n;"
           "insert into relacje values(1,'Gliwice','Huta 1','Fals','Koks','Młyn','Opole',5,'');" +
           counterAtLeast("nr_stacji", 11) + counterAtLeast("nr_punktu", 100) +
           counterAtLeast("nr_listu", 1000 + kUndoWaybills) + counterAtLeast("nr_relacji", 1) +
           "commit;";
}

// Four commands, each one step of the history: a waybill and a relation added (each with
// an id from its counter), Opole renamed everywhere, Gliwice deleted with its shippers and
// waybills; then all four undone, redone and undone again, over and over.
void childUndo() {
    session::Session s;
    s.open();
    runStraight(undoStartSql());
    const model::Waybill extra{0, "Opole", "Młyn", "Fals", "Koks", "Młyn", "Opole"};
    const model::Relation relation{0, extra, 3, ""};
    auto undo = [&] {
        if (!s.canUndo()) throw std::runtime_error("nothing to undo");
        s.undo();
    };
    auto redo = [&] {
        if (!s.canRedo()) throw std::runtime_error("nothing to redo");
        s.redo();
    };
    for (;;) {
        s.addWaybill(extra);
        s.addRelation(relation);
        if (s.renameStation("Opole", "Opole Wsch.").refused)
            throw std::runtime_error("the rename was refused");
        s.deleteStation("Gliwice");
        for (int i = 0; i < 4; ++i) undo();
        for (int i = 0; i < 4; ++i) redo();
        for (int i = 0; i < 4; ++i) undo();
    }
}

// The rows the "join" path starts from, in one transaction: one station written
// "Zwönitz" and "Zwoenitz", each with a "Huta" and shippers of its own and waybills naming
// it, and one load written "Węgiel" and "wegiel".
std::string joinStartSql() {
    const std::string parties = std::to_string(kJoinParties);
    return std::string("begin immediate;") +
           "delete from listy; delete from stacje; delete from punkty; delete from ladunki;"
           "insert into stacje values(20,'Zwönitz','clred');"
           "insert into stacje values(21,'Zwoenitz','clred');"
           "insert into punkty values(20,'Huta','Zwönitz','');"
           "insert into punkty values(21,'Huta','Zwoenitz','');"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           parties +
           ") insert into punkty select 21+i, 'A' || i, 'Zwönitz', '' from n;"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           parties + ") insert into punkty select 21+" + parties +
           "+i, 'B' || i, 'Zwoenitz', '' from n;"
           "insert into ladunki values('Węgiel','Eaos');"
           "insert into ladunki values('wegiel','Eaos');"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           std::to_string(kJoinKeptWaybills) +
           ") insert into listy select 2000+i, 'Zwönitz', 'Huta', 'Eaos', 'Węgiel', 'A1', "
           "'Zwönitz' from n;"
           "with recursive n(i) as (select 1 union all select i+1 from n where i<" +
           std::to_string(kJoinOtherWaybills) + ") insert into listy select " +
           std::to_string(2000 + kJoinKeptWaybills) +
           "+i, 'Zwoenitz', 'Huta', 'Eaos', 'wegiel', 'B1', 'Zwoenitz' from n;" +
           counterAtLeast("nr_stacji", 21) + counterAtLeast("nr_punktu", 21 + 2 * kJoinParties) +
           counterAtLeast("nr_listu", 2000 + kJoinKeptWaybills + kJoinOtherWaybills) + "commit;";
}

// The duplicates the proposal finds joined, "Zwönitz" and "Węgiel" kept, then the join
// undone, over and over.
void childJoin() {
    session::Session s;
    s.open();
    runStraight(joinStartSql());
    for (;;) {
        std::vector<model::JoinChoice> choices;
        for (const model::DuplicateGroup& group : s.duplicates()) {
            model::JoinChoice choice{group.kind, {}, {}};
            for (const model::NamedThing& member : group.members) {
                if (member.name == "Zwönitz" || member.name == "Węgiel") {
                    choice.kept = member;
                } else {
                    choice.others.push_back(member);
                }
            }
            choices.push_back(choice);
        }
        if (choices.size() != 2)
            throw std::runtime_error("the proposal holds " + std::to_string(choices.size()) +
                                     " groups, not the station's and the load's");
        s.joinDuplicates(choices);
        if (!s.canUndo()) throw std::runtime_error("the join left no step to undo");
        s.undo();
    }
}

// The lists exported into one folder (or one workbook) over and over, the headers in Polish
// and in German in turn, so that every file of one export differs from the other's.
void childExport(bool workbook) {
    session::Session s;
    s.open();
    for (;;) {
        for (model::Language language : {model::Language::Polish, model::Language::German}) {
            if (workbook) {
                s.exportWorkbook(kExportWorkbook, language);
            } else {
                s.exportCsv(kExportFolder, language);
            }
        }
    }
}

}  // namespace

int runChild(const QString& path, const QString& dir, int trial) {
    fs::current_path(dir.toStdString());
    try {
        if (path == "writes" || path == "two") childWrites(trial);
        if (path == "schema") childSchema();
        if (path == "newdb") childNewDatabase();
        if (path == "v1") childConversion("v1-template.sdb", false);
        if (path == "legacy") childConversion("legacy-template.sdb", true);
        if (path == "import") childExchange(false, csvFiles());
        if (path == "merge") childExchange(true, {});
        if (path == "restore") childRestore();
        if (path == "wagons-import") childWagons(false);
        if (path == "wagons-copy") childWagons(true);
        if (path == "rename") childRename();
        if (path == "generate") childGenerate(trial);
        if (path == "undo") childUndo();
        if (path == "join") childJoin();
        if (path == "import-workbook") childExchange(false, {kImportWorkbook});
        if (path == "export-csv") childExport(false);
        if (path == "export-workbook") childExport(true);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "child %s: %s\n", qPrintable(path), e.what());
        return 2;
    }
    std::fprintf(stderr, "child %s: no such path\n", qPrintable(path));
    return 1;
}

}  // namespace stress
