// The command line as a user runs it, measured as the whole process's CPU time (user and
// system, the child's own rusage): `listy --merge` of 50,000 waybills into a file that holds
// 50,000 others (backup included), and `listy --export-csv` of that file, each against a
// floor process that does the bare work in one transaction: select the rows and insert them
// (merge), select the rows and write them as CSV lines (export). Program and floor runs
// alternate, each from a fresh copy of the same file, and the median ratio is reported
// (the goal is at most 2 for both).

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_main.h"

#ifndef LISTY_PROGRAM
#define LISTY_PROGRAM "listy"
#endif

namespace {

namespace fs = std::filesystem;
constexpr int kRows = 50000;
constexpr int kRounds = 5;

const char* const kWords[] = {"Gdańsk", "Kraków",    "Łódź", "Poznań", "Wrocław", "Szczecin",
                              "Żywiec", "Ełk",       "Huta", "Młyn",   "Węgiel",  "zboże",
                              "drewno", "\"cytat\"", "a;b",  "007",    "Śląsk",   "Łęczyca"};

const char* kSchema =
    "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
    "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20]);"
    "create table admin(key varchar[10], value varchar[20]);"
    "create table stacje(id integer[2], nazwa varchar[20], kolor varchar[20]);"
    "create table ladunki(nazwa varchar[20], rodz_wag varchar[2]);"
    "create table punkty(id integer[2], nazwa varchar[30], stacja varchar[20], "
    "ladunki varchar[100]);"
    "insert into admin values('wersja','2');insert into admin values('nr_stacji','1');"
    "insert into admin values('nr_punktu','1');";

void makeFile(const std::string& path, unsigned seed, const char* tag) {
    fs::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "insert into listy values(?,?,?,?,?,?,?)", -1, &ins, nullptr);
    std::mt19937 rng(seed);
    auto word = [&] { return std::string(kWords[rng() % std::size(kWords)]); };
    for (int i = 0; i < kRows; ++i) {
        std::string texts[6];
        for (auto& t : texts) t = word() + " " + word() + " " + tag + std::to_string(i);
        sqlite3_bind_int(ins, 1, i + 2);
        for (int c = 0; c < 6; ++c)
            sqlite3_bind_text(ins, c + 2, texts[c].data(), int(texts[c].size()), SQLITE_TRANSIENT);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    const std::string counter =
        "insert into admin values('nr_listu','" + std::to_string(kRows + 1) + "');";
    sqlite3_exec(db, counter.c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The floor of the merge: every waybill of `other` selected and inserted into `target` with
// the next ids, in one transaction.
int floorMerge(const char* target, const char* other) {
    sqlite3* db = nullptr;
    sqlite3* src = nullptr;
    sqlite3_open(target, &db);
    sqlite3_open_v2(other, &src, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr);
    sqlite3_stmt* sel = nullptr;
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(src,
                       "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb from listy", -1,
                       &sel, nullptr);
    sqlite3_prepare_v2(db, "insert into listy values(?,?,?,?,?,?,?)", -1, &ins, nullptr);
    int id = kRows + 1;
    while (sqlite3_step(sel) == SQLITE_ROW) {
        sqlite3_bind_int(ins, 1, ++id);
        for (int c = 0; c < 6; ++c)
            sqlite3_bind_text(ins, c + 2,
                              reinterpret_cast<const char*>(sqlite3_column_text(sel, c)),
                              sqlite3_column_bytes(sel, c), SQLITE_STATIC);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(sel);
    sqlite3_finalize(ins);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(src);
    sqlite3_close(db);
    return 0;
}

// The floor of the export: the four lists selected and written as quoted CSV lines.
int floorExport(const char* file, const char* dir) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file, &db, SQLITE_OPEN_READONLY, nullptr);
    const char* lists[][2] = {{"select nazwa, kolor from stacje", "stacje.csv"},
                              {"select nazwa, stacja from punkty", "punkty.csv"},
                              {"select nazwa, rodz_wag from ladunki", "ladunki.csv"},
                              {"select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb "
                               "from listy",
                               "listy.csv"}};
    for (const auto& list : lists) {
        std::ofstream out(std::string(dir) + "/" + list[1], std::ios::binary);
        std::string line;
        sqlite3_stmt* sel = nullptr;
        sqlite3_prepare_v2(db, list[0], -1, &sel, nullptr);
        while (sqlite3_step(sel) == SQLITE_ROW) {
            line.clear();
            for (int c = 0; c < sqlite3_column_count(sel); ++c) {
                if (c) line += ';';
                line += '"';
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(sel, c));
                for (int i = 0, n = sqlite3_column_bytes(sel, c); i < n; ++i) {
                    if (t[i] == '"') line += '"';
                    line += t[i];
                }
                line += '"';
            }
            line += "\r\n";
            out << line;
        }
        sqlite3_finalize(sel);
    }
    sqlite3_close(db);
    return 0;
}

// Runs `argv` as a child and returns its CPU seconds (user + system); -1 when it failed.
double childSeconds(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

using bench::median;

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--floor-merge") == 0)
        return floorMerge(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--floor-export") == 0)
        return floorExport(argv[2], argv[3]);
    char tmpl[] = "/tmp/listy-bench-cli-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    const std::string self = fs::canonical("/proc/self/exe").string();
    makeFile(dir + "/full.sdb", 1, "a");
    makeFile(dir + "/other.sdb", 2, "b");
    const std::string target = dir + "/target.sdb";
    const std::string out = dir + "/out";
    fs::create_directories(out);
    std::vector<double> mergeRatios, exportRatios;
    for (int round = 0; round < kRounds; ++round) {
        fs::remove_all(dir + "/kopie");
        fs::copy_file(dir + "/full.sdb", target, fs::copy_options::overwrite_existing);
        const double program =
            childSeconds({LISTY_PROGRAM, "--database", target, "--merge", dir + "/other.sdb"});
        fs::copy_file(dir + "/full.sdb", target, fs::copy_options::overwrite_existing);
        const double floor = childSeconds({self, "--floor-merge", target, dir + "/other.sdb"});
        const double exported =
            childSeconds({LISTY_PROGRAM, "--database", dir + "/full.sdb", "--export-csv", out});
        const double exportFloor = childSeconds({self, "--floor-export", dir + "/full.sdb", out});
        if (program < 0 || floor <= 0 || exported < 0 || exportFloor <= 0) {
            std::fprintf(stderr, "bench_command_line: a run failed\n");
            return 1;
        }
        mergeRatios.push_back(program / floor);
        exportRatios.push_back(exported / exportFloor);
        std::printf("round %d: merge %.3f s / floor %.3f s, export %.3f s / floor %.3f s\n", round,
                    program, floor, exported, exportFloor);
    }
    std::printf("listy --merge (50,000 into 50,000) / bare select-and-insert: %.2fx (median)\n",
                median(mergeRatios));
    std::printf("listy --export-csv (50,000) / bare select-and-write: %.2fx (median)\n",
                median(exportRatios));
    fs::remove_all(dir);
    return 0;
}
