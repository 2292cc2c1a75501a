// Kills a process that is writing the database at random moments and checks, after each
// kill, that the file is sound and consistent, and that the child did not fail before it.
//
//   stress_writes [--trials N] [--path NAME] [--allow-mixed-export]
//                                              run N trials of every path (or of one)
//   stress_writes --child PATH DIR TRIAL        (internal) run PATH in DIR until killed
//
// --allow-mixed-export reports a CSV export folder left with files of two exports (a known
// fault of the export, see checks.cpp) without counting it as a failure; the short run of
// the tests uses it, `make stress` does not.
//
// The paths (stress.h) are the commands the windows use, each run by its child
// (children.cpp) through the command layer (session::Session): adds with counters,
// recolours and cascading deletes ("writes", and "two": two such writers on one file at
// once), schema creation ("schema"), "Nowa baza" ("newdb"), the version-1 conversion ("v1"),
// the old-format conversion ("legacy"), the exchange commands, each after its backup into
// kopie/: CSV import of the four lists ("import"), merging an old-format file ("merge"),
// restoring a backup ("restore"), the import of an exported workbook ("import-workbook");
// the wagon list's CSV import ("wagons-import") and a wagon copied many times
// ("wagons-copy"), a station renamed in 1,000 waybills ("rename"), the generator
// ("generate"), four commands undone and redone ("undo"), duplicates joined and the join
// undone ("join"), and the exports into a folder of CSV files ("export-csv") and into one
// workbook ("export-workbook").
//
// A child that ends by itself, dies of another signal than the kill, or writes anything to
// standard error fails its trial, with what it wrote. After each kill (checks.cpp): the
// engine's integrity check is "ok", every counter (nr_listu, nr_stacji, nr_punktu, and
// nr_relacji where the relations are kept) is in admin once and at least the largest id it
// counts, no id was handed out twice, no cascade is half done, no half-made schema, no
// station or waybill of a converted file is missing; an import (of CSV files or of a
// workbook) or a merge is in the file whole or not at all, the merged file is unchanged, a
// restore left the database as before or as the copy, and every backup in kopie/ is a sound
// file; a rename, a generated stack and a wagon import or copy are whole or not there; each
// undo and redo and each join (and its undo) is whole or not there, in the order the child
// runs them; the export folder holds every list of one whole export and nothing else under
// a list's name, the exported workbook is whole, and the exports leave the database as it
// was.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/database_location.h"
#include "formats/exchange.h"
#include "session/old_format.h"
#include "session/session.h"
#include "session/startup.h"
#include "stress.h"

namespace stress {
namespace {

// --- the parent: kill, then check ----------------------------------------------------------

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

// The CSV files of the "import" path, the two states of the "restore" path, the workbook
// of the "import-workbook" path, the two exports the export paths write, and what a whole
// import, merge and workbook import give.
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
        s.exportCsv(base + "csv-de", model::Language::German);
        s.exportWorkbook(base + kImportWorkbook);
    }
    // Reference: a whole import and a whole merge into empty files.
    makeListyFile(base + "ref-import.sdb", "");
    makeListyFile(base + "ref-merge.sdb", "");
    makeListyFile(base + "ref-workbook.sdb", "");
    {
        session::Session s(files::DatabaseLocation::file(base + "ref-workbook.sdb"));
        s.keepHistory(false);
        s.open();
        if (s.importFiles({base + kImportWorkbook}).refused())
            throw std::runtime_error("the exported workbook is refused by the import");
    }
    checker.workbookCounts = Checker::counts(File(base + "ref-workbook.sdb"));
    for (const auto& [file, merge] : {std::pair<std::string, bool>{base + "ref-import.sdb", false},
                                      std::pair<std::string, bool>{base + "ref-merge.sdb", true}}) {
        session::Session s(files::DatabaseLocation::file(file));
        s.keepHistory(false);
        s.open();
        std::vector<std::string> files;
        for (model::List list : model::kDescribedLists)
            files.push_back(base + "csv/" + model::namesOf(list).csvFile);
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
    checker.exportedLists = listsOf(base + "stan-a.sdb");
    for (int i = 0; i < 2; ++i) {
        for (const auto& entry : fs::directory_iterator(base + (i == 0 ? "csv" : "csv-de"))) {
            checker.csvExports[static_cast<std::size_t>(i)][entry.path().filename().string()] =
                bytesOfFile(entry.path().string());
        }
    }
    std::string why;
    checker.workbookRows = Checker::rowsOfWorkbook(base + kImportWorkbook, why);
    if (!why.empty()) throw std::runtime_error("the exported workbook cannot be read: " + why);
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

// What a path's folder holds before its first trial.
void preparePathFolder(const std::string& base, const std::string& dir, const std::string& path,
                       const std::string& legacySample) {
    fs::create_directories(dir);
    fs::copy_file(base + "v1-template.sdb", dir + "v1-template.sdb");
    fs::copy_file(legacySample, dir + "legacy-template.sdb");
    fs::copy(base + "csv", dir + "csv", fs::copy_options::recursive);
    fs::copy(base + "csv-wagons", dir + "csv-wagons", fs::copy_options::recursive);
    fs::copy_file(base + "stan-a.sdb", dir + "stan-a.sdb");
    fs::copy_file(base + "stan-b.sdb", dir + "stan-b.sdb");
    fs::copy_file(base + kImportWorkbook, dir + kImportWorkbook);
    if (path == "export-csv" || path == "export-workbook") {
        // The exports read the lists of stan-a, and find an earlier export in place.
        fs::copy_file(base + "stan-a.sdb", dir + "listy.sdb");
        if (path == "export-csv") {
            fs::copy(base + "csv", dir + kExportFolder, fs::copy_options::recursive);
        } else {
            fs::copy_file(base + kImportWorkbook, dir + kExportWorkbook);
        }
    }
}

int runParent(int trials, const QString& only, bool allowMixedExport) {
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
    checker.allowMixedExport = allowMixedExport;
    checker.legacyCounts = referenceCounts(legacySample);
    checker.legacyBytes = bytesOfFile(legacySample);
    try {
        prepareExchange(base, legacySample, checker);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stress: %s\n", e.what());
        return 1;
    }
    QRandomGenerator random(20261209);
    int failures = 0;
    int ran = 0;
    bool known = only.isEmpty();
    for (const Path& p : kPaths) {
        const std::string path = p.name;
        if (!only.isEmpty() && only != p.name) continue;
        known = true;
        const std::string dir = base + path + "/";
        preparePathFolder(base, dir, path, legacySample);
        QElapsedTimer clock;
        clock.start();
        int pathFailures = 0;
        int knownFaults = 0;
        for (int trial = 0; trial < trials; ++trial) {
            // A conversion starts from the file to convert, as its child's every round does.
            if (path == "v1" || path == "legacy") {
                fs::copy_file(dir + path + "-template.sdb", dir + "listy.sdb",
                              fs::copy_options::overwrite_existing);
            }
            // The "two" path runs two writers on the file at once, each with rows of its
            // own.
            const int writers = path == "two" ? 2 : 1;
            std::vector<std::unique_ptr<QProcess>> children;
            for (int w = 0; w < writers; ++w) {
                auto& child = children.emplace_back(std::make_unique<QProcess>());
                child->setProcessChannelMode(QProcess::ForwardedOutputChannel);
                child->start(self, {"--child", p.name, QString::fromStdString(dir),
                                    QString::number(trial * writers + w)});
                if (!child->waitForStarted()) {
                    std::fprintf(stderr, "stress: cannot start the child\n");
                    return 1;
                }
            }
            QThread::msleep(5 + random.bounded(p.killWithinMs));
            // The exit state is read only after waitForFinished: without an event loop the
            // process's state() still says "running" after it ended.
            for (auto& child : children) child->kill();
            checker.problems.clear();
            checker.knownFaults.clear();
            for (auto& child : children) {
                for (std::string& failure : childFailures(*child))
                    checker.problems.push_back(std::move(failure));
            }
            checker.afterKill(path, dir);
            QDir::setCurrent(QString::fromStdString(base));
            if (!checker.problems.empty()) {
                ++pathFailures;
                for (const auto& problem : checker.problems) {
                    std::fprintf(stderr, "stress: %s trial %d: %s\n", p.name, trial,
                                 problem.c_str());
                }
            }
            if (!checker.knownFaults.empty()) {
                ++knownFaults;
                for (const auto& fault : checker.knownFaults) {
                    std::fprintf(stderr, "stress: %s trial %d: known fault, not counted: %s\n",
                                 p.name, trial, fault.c_str());
                }
            }
            ++ran;
        }
        std::fflush(stderr);
        std::printf(
            "stress: %-15s %d trials, %d failures%s (%.1f s)\n", p.name, trials, pathFailures,
            knownFaults ? (", " + std::to_string(knownFaults) + " with the known fault").c_str()
                        : "",
            static_cast<double>(clock.elapsed()) / 1000.0);
        std::fflush(stdout);
        failures += pathFailures;
    }
    if (!known) {
        std::fprintf(stderr, "stress: no path named %s\n", qPrintable(only));
        return 1;
    }
    std::printf("%d passed, %d failed\n", ran - failures, failures);
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace stress

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == "--child")
        return stress::runChild(args[2], args[3], args[4].toInt());
    int trials = 50;
    QString only;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--trials") trials = args[i + 1].toInt();
        if (args[i] == "--path") only = args[i + 1];
    }
    return stress::runParent(trials, only, args.contains("--allow-mixed-export"));
}
