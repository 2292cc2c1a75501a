// Opening the waybill list: "select * from listy;" over 100,000 waybills through
// db::SqlQuery, against a bare sqlite3_prepare_v2/sqlite3_step loop that copies every
// value into a std::string of its own. Both read the same file in the same run.
//
// Reported: the time of each, their ratio (ours / bare; the goal is at most 1.2), and the
// result store's memory against the rule "at most 2 x its text bytes + 64 bytes per row".

#include <benchmark/benchmark.h>

#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>
#include "bench_main.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "db/sql_connection.h"
#include "db/sql_query.h"

namespace {

constexpr int kRows = 100000;
constexpr const char* kSelect = "select * from listy;";

// Word pool of realistic names; many carry Polish letters (two bytes in UTF-8).
const char* const kWords[] = {
    "Gdańsk", "Kraków",   "Łódź",        "Poznań",  "Wrocław",   "Szczecin",    "Bydgoszcz",
    "Żywiec", "Ełk",      "Świnoujście", "Zielona", "Góra",      "Częstochowa", "Kędzierzyn",
    "Koźle",  "Huta",     "Stocznia",    "Młyn",    "Cukrownia", "Elektrownia", "Bełchatów",
    "Węgiel", "kamienny", "zboże",       "drewno",  "stal",      "blacha",      "żwir",
    "piasek", "nawozy",   "cement",      "Zakłady", "Chemiczne", "Kopalnia",    "Wieliczka",
    "Śląsk",  "Tczew",    "Iława",       "Olsztyn", "Mława",     "Gniezno",     "Łęczyca"};
const char* const kWagons[] = {"Eaos",    "Tads",  "Shimmns", "Res",  "Zacns",
                               "Habbins", "Uagns", "Falns",   "Sgns", "Rils"};

std::size_t charCount(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// A text of 5 to 25 characters made of pool words.
std::string text(std::mt19937& rng) {
    const std::size_t want = 5 + rng() % 21;
    std::string out;
    for (;;) {
        std::string next = out.empty() ? "" : out + " ";
        next += kWords[rng() % std::size(kWords)];
        if (charCount(next) > want) break;
        out = std::move(next);
    }
    if (out.empty()) out = "Ostrów";
    // Pad with letters up to the wanted length.
    while (charCount(out) < want) out += out.size() % 2 == 0 ? "ą" : "c";
    return out;
}

struct Database {
    std::string dir;
    std::string path;
    std::uint64_t textBytes = 0;  // sum of the byte lengths of every value as text

    Database() {
        char tmpl[] = "/tmp/listy-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        path = dir + "/listy.sdb";
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db,
                     "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
                     "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], "
                     "st_odb varchar[20]);",
                     nullptr, nullptr, nullptr);
        sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(db, "insert into listy values(?, ?, ?, ?, ?, ?, ?)", -1, &ins, nullptr);
        std::mt19937 rng(20240305);
        for (int id = 1; id <= kRows; ++id) {
            std::string values[7];
            values[0] = std::to_string(id);
            values[1] = text(rng);
            values[2] = text(rng);
            values[3] = kWagons[rng() % std::size(kWagons)];
            values[4] = text(rng);
            values[5] = text(rng);
            values[6] = text(rng);
            for (int c = 0; c < 7; ++c) {
                sqlite3_bind_text(ins, c + 1, values[c].data(), static_cast<int>(values[c].size()),
                                  SQLITE_TRANSIENT);
                textBytes += values[c].size();
            }
            sqlite3_step(ins);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~Database() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

Database& database() {
    static Database db;
    return db;
}

// Per open, in CPU seconds of this thread (the machine may be busy with other work; CPU
// time keeps the two measurements comparable). Filled by the last run of each benchmark.
double g_bareSeconds = 0;
double g_oursSeconds = 0;
double g_memoryUsed = 0;
double g_memoryLimit = 0;

double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_BareLoop(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(database().path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    double total = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        std::vector<std::vector<std::string>> result;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, kSelect, -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<std::string>& row = result.emplace_back();
            row.reserve(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                row.emplace_back(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
            }
        }
        sqlite3_finalize(st);
        total += threadSeconds() - start;
        rows = result.size();
        benchmark::DoNotOptimize(result.data());
        state.PauseTiming();
        result = {};  // freeing the copies is not part of reading them
        state.ResumeTiming();
    }
    sqlite3_close(db);
    if (rows != kRows) state.SkipWithError("the bare loop did not read every row");
    g_bareSeconds = total / static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_SqlQueryOpen(benchmark::State& state) {
    db::SqlConnection conn("baza");
    conn.setDatabase(database().path);
    conn.open();
    db::SqlQuery query("Query1");
    query.setConnection(&conn);
    query.setSql(kSelect);
    double total = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        query.open();
        total += threadSeconds() - start;
        benchmark::DoNotOptimize(query.recordCount());
        state.PauseTiming();
        const bool complete = query.recordCount() == kRows;
        query.close();  // releasing the rows is not part of reading them
        state.ResumeTiming();
        if (!complete) {
            state.SkipWithError("the query did not read every row");
            break;
        }
    }
    const double ours = total / static_cast<double>(state.iterations());
    g_oursSeconds = ours;
    state.counters["rows"] = kRows;
    if (g_bareSeconds > 0) state.counters["ratio_vs_bare"] = ours / g_bareSeconds;

    // Memory of one open result against its text bytes.
    query.open();
    const double used = static_cast<double>(query.resultStore()->memoryUsed());
    const double textBytes = static_cast<double>(database().textBytes);
    const double limit = 2 * textBytes + 64.0 * query.recordCount();
    state.counters["text_bytes"] = textBytes;
    state.counters["memory_used"] = used;
    state.counters["memory_limit"] = limit;
    state.counters["memory_ratio"] = used / limit;
    g_memoryUsed = used;
    g_memoryLimit = limit;
    if (used > limit) {
        state.SkipWithError(
            "memory rule broken: result store uses more than 2 x text bytes + "
            "64 bytes per row");
    }
}

BENCHMARK(BM_BareLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SqlQueryOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (!bench::runBenchmarks(argc, argv)) return 1;
    if (g_bareSeconds > 0 && g_oursSeconds > 0) {
        std::printf(
            "\nopen of %d waybills (CPU time per open): SqlQuery %.1f ms, bare loop %.1f ms, "
            "ratio %.3f (goal <= 1.2)\n",
            kRows, g_oursSeconds * 1e3, g_bareSeconds * 1e3, g_oursSeconds / g_bareSeconds);
        std::printf("result store: %.0f bytes, rule allows %.0f (%.0f%%)\n", g_memoryUsed,
                    g_memoryLimit, 100.0 * g_memoryUsed / g_memoryLimit);
    }
    return 0;
}
