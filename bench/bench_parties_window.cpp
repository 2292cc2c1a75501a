// The shippers/receivers window shown with 5,000 stations, against the stations window
// showing the same stations, in the same run. Both at their own size, every paint handled;
// CPU time of this thread. Goal: the shippers/receivers window within 3 x the stations
// window.

#include <benchmark/benchmark.h>

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

double g_stations = 0;
double g_parties = 0;

template <typename Window>
double showings(benchmark::State& state) {
    bench::application();
    Window window(database().session);
    double total = 0;
    for (auto _ : state) {
        const double start = bench::threadSeconds();
        window.show();
        bench::settle();
        total += bench::threadSeconds() - start;
        state.PauseTiming();
        window.hide();
        bench::settle();
        state.ResumeTiming();
    }
    return total / static_cast<double>(state.iterations());
}

void BM_StationsWindow(benchmark::State& state) {
    g_stations = showings<ui::StationsWindow>(state);
}

void BM_PartiesWindow(benchmark::State& state) {
    g_parties = showings<ui::PartiesWindow>(state);
    if (g_stations > 0) state.counters["ratio_vs_stations"] = g_parties / g_stations;
}

BENCHMARK(BM_StationsWindow)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PartiesWindow)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    bench::application();
    if (!bench::runBenchmarks(argc, argv)) return 1;
    if (g_stations > 0 && g_parties > 0) {
        std::printf(
            "\n%d stations (CPU time per showing): shippers/receivers window %.1f ms, stations "
            "window "
            "%.1f ms, ratio %.2f (goal <= 3)\n",
            kStations, g_parties * 1e3, g_stations * 1e3, g_parties / g_stations);
    }
    return 0;
}
