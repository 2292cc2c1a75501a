// The shippers/receivers window shown with 5,000 stations, against the stations window
// showing the same stations, in the same run. Both at their own size, every paint handled;
// CPU time of this thread. Goal: the shippers/receivers window within 3 x the stations
// window.

#include "bench_main.h"

#include <QComboBox>
#include <cstdio>

#include "ui/parties_window.h"
#include "ui/stations_window.h"
#include "ui_bench.h"

namespace {

constexpr int kStations = 5000;
const char* const kColours[] = {"clwhite", "clred",   "clyellow", "clgreen",
                                "clblue",  "clblack", "clbrown",  "clorange"};

bench::Database& database() {
    static bench::Database db([](sqlite3* raw) {
        bench::insertRows(raw, "insert into stacje values(?1,?2,?3)", kStations,
                          [](sqlite3_stmt* st, int i) {
                              sqlite3_bind_int(st, 1, i + 1);
                              bench::bindText(st, 2, "Stacja Łódź " + std::to_string(i));
                              bench::bindText(st, 3, kColours[i % 8]);
                          });
        bench::insertRows(
            raw, "insert into punkty values(?1,?2,?3,'')", 200, [](sqlite3_stmt* st, int i) {
                sqlite3_bind_int(st, 1, i + 1);
                bench::bindText(st, 2, "Huta " + std::to_string(i));
                bench::bindText(st, 3, "Stacja Łódź " + std::to_string(i * 7 % kStations));
            });
    });
    return db;
}

// One showing of `window`, hidden again after; CPU seconds of the showing.
template <typename Window>
double showing(Window& window) {
    const double start = bench::threadSeconds();
    window.show();
    bench::settle();
    const double took = bench::threadSeconds() - start;
    window.hide();
    bench::settle();
    return took;
}

}  // namespace

int main() {
    bench::application();
    ui::StationsWindow stations(database().session);
    ui::PartiesWindow parties(database().session);
    showing(stations);  // the first showings build what both share
    showing(parties);
    const bench::Alternated r = bench::alternate(
        15, [&] { return showing(parties); }, [&] { return showing(stations); });
    std::printf(
        "%d stations (CPU time per showing, median of 15 rounds in turn): shippers/receivers "
        "window %.1f ms, stations window %.1f ms, ratio %.2f (goal <= 3)\n",
        kStations, r.ours * 1e3, r.floor * 1e3, r.ratio);
    return 0;
}
