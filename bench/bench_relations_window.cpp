// The relations window shown with 5,000 relations (its list read with the marks computed,
// the grid painted), against a plain QTableView over the same rows: the same columns read by
// a bare sqlite3 loop into a QStandardItemModel, then shown. Both at the same size, every
// paint handled; CPU time of this thread, in the same run. Goal: within 3 x the plain view.

#include "bench_main.h"

#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>

#include "ui/relations_window.h"
#include "ui_bench.h"

namespace {

constexpr int kRelations = 5000;

bench::Database& database() {
    static bench::Database db([](sqlite3* raw) {
        bench::insertRows(raw, "insert into stacje values(?1,?2,'clred')", 40,
                          [](sqlite3_stmt* st, int i) {
                              sqlite3_bind_int(st, 1, i + 1);
                              bench::bindText(st, 2, "Stacja Łódź " + std::to_string(i));
                          });
        bench::insertRows(raw, "insert into punkty values(?1,?2,?3,'')", 200,
                          [](sqlite3_stmt* st, int i) {
                              sqlite3_bind_int(st, 1, i + 1);
                              bench::bindText(st, 2, "Huta " + std::to_string(i));
                              bench::bindText(st, 3, "Stacja Łódź " + std::to_string(i % 40));
                          });
        bench::insertRows(
            raw, "insert into ladunki values(?1,'Eaos')", 30,
            [](sqlite3_stmt* st, int i) { bench::bindText(st, 1, "Węgiel " + std::to_string(i)); });
        sqlite3_exec(raw,
                     "update admin set value=300 where key in ('nr_stacji','nr_punktu'); "
                     "create table relacje (id integer, st_nad varchar(255), nadawca "
                     "varchar(255), rodz_wag varchar(255), ladunek varchar(255), odbiorca "
                     "varchar(255), st_odb varchar(255), na_tydzien integer, uwagi varchar(255)); "
                     "insert into admin values('nr_relacji','6000');",
                     nullptr, nullptr, nullptr);
        bench::insertRows(raw, "insert into relacje values(?1,?2,?3,'Eaos',?4,?5,?6,?7,'')",
                          kRelations, [](sqlite3_stmt* st, int i) {
                              const int from = i % 200, to = (i * 7) % 200;
                              sqlite3_bind_int(st, 1, i + 1);
                              bench::bindText(st, 2, "Stacja Łódź " + std::to_string(from % 40));
                              bench::bindText(st, 3, "Huta " + std::to_string(from));
                              bench::bindText(st, 4, "Węgiel " + std::to_string(i % 31));
                              bench::bindText(st, 5, "Huta " + std::to_string(to));
                              bench::bindText(st, 6, "Stacja Łódź " + std::to_string(to % 40));
                              sqlite3_bind_int(st, 7, 1 + i % 99);
                          });
    });
    return db;
}

// The floor: the same columns read by a bare loop into a QStandardItemModel, shown.
double plainTableView() {
    const double start = bench::threadSeconds();
    QStandardItemModel model(0, 9);
    sqlite3* db = nullptr;
    sqlite3_open((database().dir + "/listy.sdb").c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb, "
                       "na_tydzien, uwagi, '' from relacje order by st_nad, id",
                       -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        QList<QStandardItem*> row;
        for (int c = 0; c < 9; ++c) {
            row << new QStandardItem(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                  sqlite3_column_bytes(st, c)));
        }
        model.appendRow(row);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    QTableView view;
    view.setModel(&model);
    view.resize(900, 560);
    view.show();
    bench::settle();
    return bench::threadSeconds() - start;
}

}  // namespace

int main() {
    bench::application();
    ui::RelationsWindow window(database().session);
    window.resize(900, 560);
    int rows = 0;
    const auto relationsWindow = [&] {
        const double start = bench::threadSeconds();
        window.show();
        bench::settle();
        const double took = bench::threadSeconds() - start;
        rows = window.relations().recordCount();
        window.hide();
        window.done(0);
        bench::settle();
        return took;
    };
    const bench::Alternated r = bench::alternate(15, relationsWindow, plainTableView);
    if (rows != kRelations) {
        std::fprintf(stderr, "bench_relations_window: %d rows instead of %d\n", rows, kRelations);
        return 1;
    }
    std::printf(
        "%d relations (CPU time per showing, median of 15 rounds in turn): relations window "
        "%.1f ms, plain QTableView %.1f ms, ratio %.2f (goal <= 3)\n",
        kRelations, r.ours * 1e3, r.floor * 1e3, r.ratio);
    return 0;
}
