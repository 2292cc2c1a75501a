// Import of a CSV file and merge of another Listy file, each with 10,000 waybills, into an
// empty database, against inserting the same rows with a bare prepared statement in one
// transaction (the rows already in memory). Every run starts from a fresh copy of the same
// empty file; all three run in the same process.
//
// Reported: the CPU time of each (this thread; the machine may be busy) and the ratios
// import / bare and merge / bare (the goal is at most 2), and the wall-clock ratios beside
// them. The import and merge include reading and checking the file, the duplicate rules
// and the counter; the backup that the window and the command line write before them is
// measured on its own.

#include <benchmark/benchmark.h>

#include <sqlite3.h>
#include <stdlib.h>
#include "bench_main.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/backups.h"
#include "store/csv.h"
#include "store/database_location.h"
#include "store/exchange.h"
#include "store/schema.h"

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
        std::string csv(store::csv::kBom);
        csv += store::csv::line(store::csvHeader(store::ExchangeList::Waybills), false);
        for (const auto& r : rows) csv += store::csv::line(r);
        std::ofstream(csvFile, std::ios::binary) << csv;
    }
    void make(const std::string& path, bool withRows) {
        db::SqlConnection baza("baza");
        db::SqlQuery list("sql1");
        list.setConnection(&baza);
        store::openDatabase(baza, list, store::DatabaseLocation::file(path));
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
Timing g_bare, g_import, g_merge, g_backup;

long countRows(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from listy", -1, &st, nullptr);
    sqlite3_step(st);
    const long n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return n;
}

template <typename Work>
void measure(benchmark::State& state, Timing& into, Work work) {
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string target = data().freshTarget();
        db::SqlConnection baza("baza");
        baza.setDatabase(target);
        baza.open();
        state.ResumeTiming();
        const double c0 = threadSeconds(), w0 = wallSeconds();
        work(baza);
        cpu += threadSeconds() - c0;
        wall += wallSeconds() - w0;
        state.PauseTiming();
        if (countRows(baza.handle()) != kRows) state.SkipWithError("not every row was written");
        baza.close();
        state.ResumeTiming();
    }
    into.cpu = cpu / double(state.iterations());
    into.wall = wall / double(state.iterations());
    if (&into != &g_bare && g_bare.cpu > 0) state.counters["ratio_vs_bare"] = into.cpu / g_bare.cpu;
}

void BM_BareInsert(benchmark::State& state) {
    measure(state, g_bare, [](db::SqlConnection& baza) { insertBare(baza.handle(), data().rows); });
}

void BM_ImportCsv(benchmark::State& state) {
    measure(state, g_import, [](db::SqlConnection& baza) {
        const auto report = store::importCsvFiles(baza, {data().csvFile});
        if (report.refused()) std::fprintf(stderr, "%s\n", report.summary().c_str());
    });
}

void BM_MergeDatabase(benchmark::State& state) {
    measure(state, g_merge,
            [](db::SqlConnection& baza) { store::mergeDatabase(baza, data().sourceFile); });
}

// The copy written before an import or a merge, of a file holding 10,000 waybills.
void BM_BackupOfTheFile(benchmark::State& state) {
    db::SqlConnection baza("baza");
    baza.setDatabase(data().sourceFile);
    baza.open();
    const auto location = store::DatabaseLocation::file(data().sourceFile);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = threadSeconds(), w0 = wallSeconds();
        store::backupDatabase(baza, location);
        cpu += threadSeconds() - c0;
        wall += wallSeconds() - w0;
    }
    g_backup.cpu = cpu / double(state.iterations());
    g_backup.wall = wall / double(state.iterations());
}

BENCHMARK(BM_BareInsert)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MergeDatabase)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BackupOfTheFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    if (!bench::runBenchmarks(argc, argv)) return 1;
    if (g_bare.cpu > 0 && g_import.cpu > 0 && g_merge.cpu > 0) {
        std::printf(
            "\n%d waybills into an empty database (CPU time of this thread; wall clock in "
            "brackets):\n"
            "  bare prepared insert, one transaction: %.1f ms (%.1f ms)\n"
            "  import CSV:     %.1f ms (%.1f ms), ratio %.2f (%.2f), goal <= 2\n"
            "  merge database: %.1f ms (%.1f ms), ratio %.2f (%.2f), goal <= 2\n"
            "  backup of the 10,000-waybill file, not in the above: %.1f ms (%.1f ms)\n",
            kRows, g_bare.cpu * 1e3, g_bare.wall * 1e3, g_import.cpu * 1e3, g_import.wall * 1e3,
            g_import.cpu / g_bare.cpu, g_import.wall / g_bare.wall, g_merge.cpu * 1e3,
            g_merge.wall * 1e3, g_merge.cpu / g_bare.cpu, g_merge.wall / g_bare.wall,
            g_backup.cpu * 1e3, g_backup.wall * 1e3);
    }
    return 0;
}
