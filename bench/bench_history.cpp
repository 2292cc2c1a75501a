// The cost of the history on a large file: "Kasowanie listów" of 100,000 waybills through
// the session (backup, delete, every deleted row recorded for undo) against the bare work
// (the file copied, then "delete from listy" in one transaction), and the undo of it
// against a bare prepared insert loop of the same rows in one transaction. Program and
// floor runs alternate, each from a fresh copy of the same file, and the median ratio of
// this thread's CPU time is reported (wall-clock beside it).

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_main.h"
#include "session/session.h"

namespace {

namespace fs = std::filesystem;
constexpr int kRows = 100000;
constexpr int kRounds = 5;

const char* const kWords[] = {"Gdańsk", "Kraków", "Łódź",   "Poznań", "Wrocław", "Żywiec",
                              "Huta",   "Młyn",   "Węgiel", "zboże",  "a;b",     "\"cytat\""};

struct Clock {
    double cpu = 0, wall = 0;
};

Clock now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    const auto w = std::chrono::steady_clock::now().time_since_epoch();
    return {static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9,
            std::chrono::duration<double>(w).count()};
}

Clock since(const Clock& start) {
    const Clock end = now();
    return {end.cpu - start.cpu, end.wall - start.wall};
}

void exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error ? error : "?");
        std::exit(1);
    }
}

using Rows = std::vector<std::vector<std::string>>;

// The rows through one bare prepared insert, inside the caller's transaction.
void insertRows(sqlite3* db, const Rows& rows) {
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "insert into listy values(?,?,?,?,?,?,?)", -1, &ins, nullptr);
    for (const auto& row : rows) {
        for (int c = 0; c < 7; ++c)
            sqlite3_bind_text(ins, c + 1, row[static_cast<std::size_t>(c)].c_str(), -1,
                              SQLITE_STATIC);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
}

// The template: the program's own schema, then the rows.
Rows makeTemplate(const std::string& path) {
    fs::remove(path);
    {
        session::Session s(files::DatabaseLocation::file(path));
        s.open();
    }
    Rows rows;
    std::mt19937 rng(7);
    for (int i = 0; i < kRows; ++i) {
        std::vector<std::string> row{std::to_string(i + 2)};
        for (int c = 0; c < 6; ++c)
            row.push_back(std::string(kWords[rng() % std::size(kWords)]) + " " + std::to_string(i));
        rows.push_back(std::move(row));
    }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, "begin");
    insertRows(db, rows);
    exec(db, ("update admin set value='" + std::to_string(kRows + 1) + "' where key='nr_listu'")
                 .c_str());
    exec(db, "commit");
    sqlite3_close(db);
    return rows;
}

using bench::median;

}  // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("listy-bench-history-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    const Rows rows = makeTemplate("template.sdb");
    std::vector<double> deleteCpu, deleteWall, undoCpu, undoWall;
    for (int round = 0; round < kRounds; ++round) {
        // The program: the command, then its undo.
        fs::remove_all("kopie");
        fs::copy_file("template.sdb", "listy.sdb", fs::copy_options::overwrite_existing);
        Clock programDelete, programUndo;
        {
            session::Session s;
            s.open();
            const Clock start = now();
            s.deleteAllWaybills();
            programDelete = since(start);
            const Clock undoStart = now();
            s.undo();
            programUndo = since(undoStart);
        }
        // The floor: a copy of the file and the delete; then the rows put back.
        fs::copy_file("template.sdb", "listy.sdb", fs::copy_options::overwrite_existing);
        sqlite3* db = nullptr;
        sqlite3_open("listy.sdb", &db);
        const Clock start = now();
        fs::copy_file("listy.sdb", "floor-copy.sdb", fs::copy_options::overwrite_existing);
        exec(db, "begin immediate; delete from listy; commit");
        const Clock floorDelete = since(start);
        const Clock insertStart = now();
        exec(db, "begin immediate");
        insertRows(db, rows);
        exec(db, "commit");
        const Clock floorInsert = since(insertStart);
        sqlite3_close(db);
        deleteCpu.push_back(programDelete.cpu / floorDelete.cpu);
        deleteWall.push_back(programDelete.wall / floorDelete.wall);
        undoCpu.push_back(programUndo.cpu / floorInsert.cpu);
        undoWall.push_back(programUndo.wall / floorInsert.wall);
        std::printf("round %d: delete %.3f s (floor %.3f s), undo %.3f s (floor %.3f s)\n", round,
                    programDelete.wall, floorDelete.wall, programUndo.wall, floorInsert.wall);
    }
    std::printf(
        "Kasowanie listów of %d waybills, recorded for undo: %.2fx the bare copy and "
        "delete (CPU, median of %d), %.2fx wall\n",
        kRows, median(deleteCpu), kRounds, median(deleteWall));
    std::printf("its undo: %.2fx a bare prepared insert of the same rows (CPU), %.2fx wall\n",
                median(undoCpu), median(undoWall));
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return 0;
}
