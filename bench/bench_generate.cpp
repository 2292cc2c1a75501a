// The generator: 10,000 waybills (100 relations of 50 wagons a week, two weeks) made by
// Session::generate — planned under the write lock, a backup, the inserts, the counter, the
// undo step — against a bare prepared insert loop of the same rows in one transaction on its
// own connection. Both on the same file in the same run, alternating; wall time, since both
// end with a commit that reaches the disk.
//
// Reported: the median ratio (generate / bare loop; the goal is at most 2).

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "model/generator.h"
#include "model/traffic.h"
#include "session/session.h"
#include "ui_bench.h"

namespace {

constexpr int kRelations = 100;
constexpr int kPerWeek = 50;
constexpr int kWeeks = 2;
constexpr std::size_t kWaybills = std::size_t(kRelations) * kPerWeek * kWeeks;

double seconds() {
    using clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

void fill(sqlite3* db) {
    bench::insertRows(db, "insert into stacje values(?1,?2,'clred')", 10,
                      [](sqlite3_stmt* st, int i) {
                          sqlite3_bind_int(st, 1, i + 1);
                          bench::bindText(st, 2, "Stacja Łódź " + std::to_string(i));
                      });
    bench::insertRows(db, "insert into punkty values(?1,?2,?3,'')", 20,
                      [](sqlite3_stmt* st, int i) {
                          sqlite3_bind_int(st, 1, i + 1);
                          bench::bindText(st, 2, "Zakłady Chemiczne " + std::to_string(i));
                          bench::bindText(st, 3, "Stacja Łódź " + std::to_string(1 + i % 10));
                      });
    bench::insertRows(db, "insert into ladunki values(?1,?2)", 10, [](sqlite3_stmt* st, int i) {
        bench::bindText(st, 1, "Węgiel kamienny " + std::to_string(i));
        bench::bindText(st, 2, i % 2 ? "Eaos" : "Gbs");
    });
    sqlite3_exec(db,
                 "update admin set value=30 where key in ('nr_stacji','nr_punktu'); "
                 "create table relacje (id integer, st_nad varchar(255), nadawca varchar(255), "
                 "rodz_wag varchar(255), ladunek varchar(255), odbiorca varchar(255), st_odb "
                 "varchar(255), na_tydzien integer, uwagi varchar(255)); "
                 "insert into admin values('nr_relacji','200');",
                 nullptr, nullptr, nullptr);
    bench::insertRows(db, "insert into relacje values(?1,?2,?3,?4,?5,?6,?7,?8,'')", kRelations,
                      [](sqlite3_stmt* st, int i) {
                          const int from = 1 + i % 20, to = 1 + (i * 7 + 3) % 20, load = 1 + i % 10;
                          sqlite3_bind_int(st, 1, i + 1);
                          bench::bindText(st, 2, "Stacja Łódź " + std::to_string(1 + from % 10));
                          bench::bindText(st, 3, "Zakłady Chemiczne " + std::to_string(from));
                          bench::bindText(st, 4, load % 2 ? "Eaos" : "Gbs");
                          bench::bindText(st, 5, "Węgiel kamienny " + std::to_string(load));
                          bench::bindText(st, 6, "Zakłady Chemiczne " + std::to_string(to));
                          bench::bindText(st, 7, "Stacja Łódź " + std::to_string(1 + to % 10));
                          sqlite3_bind_int(st, 8, kPerWeek);
                      });
}

// The floor: the same rows, ids and all, by one prepared insert in one transaction.
double bareInserts(sqlite3* db, const model::GenerationPlan& plan) {
    const double start = seconds();
    sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "insert into listy values(?,?,?,?,?,?,?)", -1, &st, nullptr);
    for (std::size_t i = 0; i < plan.stack.size(); ++i) {
        const model::Waybill& w = plan.made[plan.stack[i]].first.texts;
        sqlite3_bind_int(st, 1, plan.firstId + static_cast<int>(i));
        for (std::size_t c = 0; c < model::kWaybillFields.size(); ++c) {
            const std::string& t = w[model::kWaybillFields[c]];
            sqlite3_bind_text(st, static_cast<int>(c) + 2, t.data(), static_cast<int>(t.size()),
                              SQLITE_STATIC);
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    return seconds() - start;
}

}  // namespace

int main() {
    bench::Database database(fill);
    sqlite3* db = nullptr;
    sqlite3_open((database.dir + "/listy.sdb").c_str(), &db);
    sqlite3_busy_timeout(db, 5000);
    std::vector<double> ratios;
    for (int round = 0; round < 9; ++round) {
        double start = seconds();
        const model::GenerationPlan plan =
            database.session.generate({kWeeks, 0, 1000u + round, {}});
        const double ours = seconds() - start;
        if (plan.stack.size() != kWaybills) {
            std::fprintf(stderr, "bench_generate: %zu waybills instead of %zu\n", plan.stack.size(),
                         kWaybills);
            return 1;
        }
        sqlite3_exec(db, "delete from listy", nullptr, nullptr, nullptr);
        const double bare = bareInserts(db, plan);
        sqlite3_exec(db, "delete from listy", nullptr, nullptr, nullptr);
        ratios.push_back(ours / bare);
        std::printf("round %d: generate %.1f ms, bare insert loop %.1f ms\n", round, ours * 1e3,
                    bare * 1e3);
    }
    sqlite3_close(db);
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    std::printf("%zu waybills, generate / bare insert loop: %.2fx (median; goal <= 2)\n", kWaybills,
                median);
    return median > 2 ? 1 : 0;
}
