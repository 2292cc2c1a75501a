// Opening the waybill list: "select * from listy;" over 100,000 waybills through
// db::SqlQuery, against a bare sqlite3_prepare_v2/sqlite3_step loop that copies every
// value into one buffer, each with its length before it. Both read the same file in the
// same run, alternating.
//
// Reported: the median ratio (ours / bare; the goal is at most 1.2), and the result store's
// memory against the rule "at most 2 x its text bytes + 64 bytes per row".

#include <benchmark/benchmark.h>

#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
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

double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The floor: every row of the result copied into one buffer, each value with its length
// before it (as a result store keeps them), by a bare prepare/step loop. CPU seconds.
double bareOpen(sqlite3* db, std::size_t& rows) {
    std::string buffer;
    const double start = threadSeconds();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, kSelect, -1, &st, nullptr);
    const int n = sqlite3_column_count(st);
    rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            const auto length = static_cast<std::uint32_t>(sqlite3_column_bytes(st, i));
            buffer.append(reinterpret_cast<const char*>(&length), sizeof length);
            if (p) buffer.append(p, length);
        }
        ++rows;
    }
    sqlite3_finalize(st);
    const double seconds = threadSeconds() - start;
    benchmark::DoNotOptimize(buffer.data());
    return seconds;
}

// The program's way: the list opened through db::SqlQuery. CPU seconds.
double queryOpen(db::SqlQuery& query, int& rows) {
    const double start = threadSeconds();
    query.open();
    const double seconds = threadSeconds() - start;
    rows = query.recordCount();
    query.close();  // releasing the rows is not part of reading them
    return seconds;
}

}  // namespace

// Program and floor runs alternate, and the median of the ratios is reported.
int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    sqlite3* db = nullptr;
    sqlite3_open_v2(database().path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    db::SqlConnection conn("baza");
    conn.setDatabase(database().path);
    conn.open();
    db::SqlQuery query("Query1");
    query.setConnection(&conn);
    query.setSql(kSelect);
    std::vector<double> ratios;
    for (int round = 0; round < 9; ++round) {
        std::size_t bareRows = 0;
        int ourRows = 0;
        const double bare = bareOpen(db, bareRows);
        const double ours = queryOpen(query, ourRows);
        if (bareRows != kRows || ourRows != kRows) {
            std::fprintf(stderr, "bench_open_waybills: not every row was read\n");
            return 1;
        }
        ratios.push_back(ours / bare);
        std::printf("round %d: SqlQuery %.1f ms, bare loop %.1f ms\n", round, ours * 1e3,
                    bare * 1e3);
    }
    sqlite3_close(db);
    std::sort(ratios.begin(), ratios.end());
    std::printf(
        "open of %d waybills, SqlQuery / bare loop into one buffer: %.3fx (median; goal <= 1.2)\n",
        kRows, ratios[ratios.size() / 2]);
    // Memory of one open result against its text bytes.
    query.open();
    const double used = static_cast<double>(query.resultStore()->memoryUsed());
    const double limit = 2 * static_cast<double>(database().textBytes) + 64.0 * query.recordCount();
    std::printf("result store: %.0f bytes, rule allows %.0f (%.0f%%)\n", used, limit,
                100.0 * used / limit);
    return used > limit ? 1 : 0;
}
