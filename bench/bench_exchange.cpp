// Import of a CSV file and merge of another Listy file, each with 10,000 waybills, into an
// empty database, against inserting the same rows with a bare prepared statement in one
// transaction (the rows already in memory). Every run starts from a fresh copy of the same
// empty file; all three run in the same process.
//
// Reported: the median over rounds that run the three in turn of the ratios import / bare
// and merge / bare in CPU time of this thread (the goal is at most 2), and the wall-clock
// ratios beside them. The import and merge go through the session's door as the window and the
// command line call it: reading and checking the file, the duplicate rules, the counter and
// the backup (written on a thread of its own beside the inserts, so this thread's clock leaves
// its CPU out; it is also measured on its own).

#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_main.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/database_location.h"
#include "formats/csv.h"
#include "formats/exchange.h"
#include "model/schema.h"
#include "session/session.h"
#include "session/startup.h"

namespace {

namespace fs = std::filesystem;
constexpr int kRows = 10000;

const char* const kWords[] = {"Gdańsk", "Kraków", "Łódź",   "Poznań",    "Wrocław", "Szczecin",
                              "Żywiec", "Ełk",    "Huta",   "Stocznia",  "Młyn",    "Cukrownia",
                              "Węgiel", "zboże",  "drewno", "stal",      "żwir",    "007",
                              "1-2",    "1,5",    "a;b",    "\"cytat\"", "Śląsk",   "Łęczyca"};
const char* const kWagons[] = {"Eaos", "Tads", "Shimmns", "Res", "Zacns", "Habbins"};

double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The baseline: every waybill through one bare prepared insert, in one transaction.
void insertBare(sqlite3* db, const std::vector<std::vector<std::string>>& rows) {
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "insert into listy values(?,?,?,?,?,?,?)", -1, &ins, nullptr);
    int id = 1;
    for (const auto& r : rows) {
        sqlite3_bind_int(ins, 1, ++id);
        for (int c = 0; c < 6; ++c)
            sqlite3_bind_text(ins, c + 2, r[c].data(), int(r[c].size()), SQLITE_STATIC);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
}

struct Data {
    std::string dir;
    std::string emptyFile;   // a new database: schema only
    std::string csvFile;     // listy.csv with kRows waybills
    std::string sourceFile;  // a Listy file with the same waybills
    std::vector<std::vector<std::string>> rows;

    Data() {
        char tmpl[] = "/tmp/listy-bench-exchange-XXXXXX";
        dir = mkdtemp(tmpl);
        std::mt19937 rng(20261209);
        auto text = [&] {
            std::string s = kWords[rng() % std::size(kWords)];
            s += " ";
            s += kWords[rng() % std::size(kWords)];
            return s;
        };
        for (int i = 0; i < kRows; ++i) {
            rows.push_back(
                {text(), text(), kWagons[rng() % std::size(kWagons)], text(), text(), text()});
        }
        emptyFile = dir + "/empty.sdb";
        make(emptyFile, false);
        sourceFile = dir + "/source.sdb";
        make(sourceFile, true);
        csvFile = dir + "/listy.csv";
        std::string csv(formats::csv::kBom);
        csv += formats::csv::line(formats::csvHeader(model::List::Waybills), false);
        for (const auto& r : rows) csv += formats::csv::line(r);
        std::ofstream(csvFile, std::ios::binary) << csv;
    }
    void make(const std::string& path, bool withRows) {
        db::SqlConnection baza("baza");
        db::SqlQuery list("sql1");
        list.setConnection(&baza);
        session::openDatabase(baza, list, files::DatabaseLocation::file(path));
        list.close();
        if (withRows) {
            insertBare(baza.handle(), rows);
        }
    }
    ~Data() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // A fresh target file, a copy of the empty one.
    std::string freshTarget() const {
        const std::string target = dir + "/target.sdb";
        fs::copy_file(emptyFile, target, fs::copy_options::overwrite_existing);
        return target;
    }
};

Data& data() {
    static Data d;
    return d;
}

struct Timing {
    double cpu = 0, wall = 0;
};

long countRows(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from listy", -1, &st, nullptr);
    sqlite3_step(st);
    const long n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return n;
}

// One run of `work` on a fresh copy of the empty file; false when not every row went in.
template <typename Work>
bool measure(Timing& into, Work work) {
    const std::string target = data().freshTarget();
    session::Session s(files::DatabaseLocation::file(target));
    s.keepHistory(false);
    s.open();
    const double c0 = threadSeconds(), w0 = wallSeconds();
    work(s);
    into = {threadSeconds() - c0, wallSeconds() - w0};
    return countRows(s.connection().handle()) == kRows;
}

using bench::median;

}  // namespace

int main() {
    constexpr int kRounds = 9;
    std::vector<double> bareCpu, importRatio, importWall, mergeRatio, mergeWall, backupCpu;
    for (int round = 0; round < kRounds; ++round) {
        Timing bare, imported, merged;
        const bool whole =
            measure(
                bare,
                [](session::Session& s) { insertBare(s.connection().handle(), data().rows); }) &&
            measure(imported,
                    [](session::Session& s) {
                        const auto report = s.importFiles(std::vector<std::string>{data().csvFile});
                        if (report.refused())
                            std::fprintf(stderr, "%s\n", report.summary().c_str());
                    }) &&
            measure(merged, [](session::Session& s) { s.merge(data().sourceFile); });
        if (!whole) {
            std::fprintf(stderr, "bench_exchange: not every row was written\n");
            return 1;
        }
        // The copy written before an import or a merge, of a file holding 10,000 waybills.
        db::SqlConnection source("baza");
        source.setDatabase(data().sourceFile);
        source.open();
        const double c0 = threadSeconds();
        files::backupDatabase(source, files::DatabaseLocation::file(data().sourceFile));
        backupCpu.push_back(threadSeconds() - c0);
        bareCpu.push_back(bare.cpu);
        importRatio.push_back(imported.cpu / bare.cpu);
        importWall.push_back(imported.wall / bare.wall);
        mergeRatio.push_back(merged.cpu / bare.cpu);
        mergeWall.push_back(merged.wall / bare.wall);
        std::printf("round %d: bare %.1f ms, import %.1f ms, merge %.1f ms (CPU)\n", round,
                    bare.cpu * 1e3, imported.cpu * 1e3, merged.cpu * 1e3);
    }
    std::printf(
        "%d waybills into an empty database, CPU time of this thread (wall clock in brackets), "
        "median of %d alternating rounds:\n"
        "  bare prepared insert, one transaction: %.1f ms\n"
        "  import CSV:     ratio %.2f (%.2f), goal <= 2\n"
        "  merge database: ratio %.2f (%.2f), goal <= 2\n"
        "  backup of the 10,000-waybill file, not in the above: %.1f ms\n",
        kRows, kRounds, median(bareCpu) * 1e3, median(importRatio), median(importWall),
        median(mergeRatio), median(mergeWall), median(backupCpu) * 1e3);
    return 0;
}
