// The print window shown with 10,000 and 100,000 waybills, against a plain QTableView over
// the same rows (the same query, a model that reads the result in place) in the same run.
// Both are shown at the window's size and every paint is handled; CPU time of this thread.
//
// Reported per size: each time, their ratio (goal <= 3), the second and later showings of
// the print window against its first (goal: the same), and the heap in use after closing
// against before opening (mallinfo2 after malloc_trim; goal within 10 MB).
//
// Then a session's print run at 10,000 waybills: every row ticked at once (Ctrl+A, goal:
// instant, under 50 ms) and the 20,000 cards of their default two copies written into a PDF
// file through the window; wall-clock time of each.

#include "bench_main.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "db/sql_dataset.h"
#include "model/schema.h"
#include "ui/print_rows.h"
#include "ui/print_window.h"
#include "ui_bench.h"

namespace {

const char* const kWords[] = {"Gdańsk", "Kraków", "Łódź",     "Poznań",    "Wrocław",
                              "Huta",   "Młyn",   "Węgiel",   "Cukrownia", "Żywiec",
                              "Tczew",  "Iława",  "Stocznia", "Kopalnia",  "Elektrownia"};

bench::Database& database(int rows) {
    static std::map<int, std::unique_ptr<bench::Database>> made;
    auto& db = made[rows];
    if (!db) {
        db = std::make_unique<bench::Database>([rows](sqlite3* raw) {
            bench::insertRows(raw, "insert into listy values(?1,?2,?3,?4,?5,?6,?7)", rows,
                              [](sqlite3_stmt* st, int i) {
                                  sqlite3_bind_int(st, 1, i + 1);
                                  for (int c = 2; c <= 7; ++c) {
                                      const std::string text = std::string(kWords[(i * c) % 15]) +
                                                               " " + kWords[(i + c) % 15];
                                      bench::bindText(st, c, text);
                                  }
                              });
        });
    }
    return *db;
}

// The floor: the rows of "select * from listy;" read by a bare prepare/step loop into one
// buffer (not through the program's own query code) and shown by a table view as they are.
class ResultModel : public QAbstractTableModel {
public:
    explicit ResultModel(const std::string& path) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, model::kWaybillListSql, -1, &st, nullptr);
        columns_ = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < columns_; ++i) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                const auto n = static_cast<std::size_t>(sqlite3_column_bytes(st, i));
                cells_.emplace_back(buffer_.size(), n);
                if (p) buffer_.append(p, n);
            }
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    int rowCount(const QModelIndex& = {}) const override {
        return columns_ ? static_cast<int>(cells_.size()) / columns_ : 0;
    }
    int columnCount(const QModelIndex& = {}) const override { return columns_; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        const auto& [at, n] =
            cells_[static_cast<std::size_t>(index.row() * columns_ + index.column())];
        return QString::fromUtf8(buffer_.data() + at, static_cast<qsizetype>(n));
    }

private:
    int columns_ = 0;
    std::string buffer_;
    std::vector<std::pair<std::size_t, std::size_t>> cells_;
};

struct Figures {
    double plain = 0, first = 0, later = 0, ratio = 0, heapBefore = 0, heapAfter = 0;
};

// The floor once: the rows read into one buffer and shown by a plain table view.
double plainTableView(bench::Database& db, int rows) {
    const double start = bench::threadSeconds();
    ResultModel model(db.dir + "/listy.sdb");
    QTableView view;
    view.resize(538, 408);
    view.setModel(&model);
    view.show();
    bench::settle();
    const double took = bench::threadSeconds() - start;
    if (model.rowCount() != rows) {
        std::fprintf(stderr, "bench_print_window: the view did not get every row\n");
        std::exit(1);
    }
    view.hide();
    view.setModel(nullptr);
    return took;
}

// One showing of the print window, hidden again after; CPU seconds of the showing.
double showing(ui::PrintWindow& window, int rows) {
    const double start = bench::threadSeconds();
    window.show();
    bench::settle();
    const double took = bench::threadSeconds() - start;
    if (window.rows().rowCount() != rows) {
        std::fprintf(stderr, "bench_print_window: the window did not list every row\n");
        std::exit(1);
    }
    window.hide();
    bench::settle();
    return took;
}

// The first showing on its own, then later showings and the floor in turn.
Figures measureWindow(int rows) {
    bench::Database& db = database(rows);
    Figures f;
    {
        ui::PrintWindow window(db.session);
        bench::settle();
        f.heapBefore = bench::heapInUse();
        f.first = showing(window, rows);
        const bench::Alternated r = bench::alternate(
            9, [&] { return showing(window, rows); }, [&] { return plainTableView(db, rows); });
        f.later = r.ours;
        f.plain = r.floor;
        f.ratio = r.ratio;
        f.heapAfter = bench::heapInUse();  // closed, not yet destroyed
    }
    return f;
}

struct PrintFigures {
    double tick = 0, pdf = 0;
    int cards = 0;
    double pdfBytes = 0;
};

PrintFigures tickAllAndPrintPdf(int rows) {
    bench::Database& db = database(rows);
    const QString pdf = QString::fromStdString(db.dir + "/session.pdf");
    ui::PrintWindow::setPdfFileChooser([pdf](QWidget*) { return pdf; });
    ui::PrintWindow window(db.session);
    auto* tickAll = window.findChild<QAction*>(QStringLiteral("zaznaczWszystkie"));
    PrintFigures out;
    window.show();
    bench::settle();
    QElapsedTimer clock;
    clock.start();
    tickAll->trigger();
    bench::settle();
    out.tick = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    if (window.rows().tickedRows() != rows) {
        std::fprintf(stderr, "bench_print_window: not every row was ticked\n");
        std::exit(1);
    }
    clock.restart();
    window.printToPdf();
    out.pdf = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    out.cards = 2 * rows;
    out.pdfBytes = static_cast<double>(QFileInfo(pdf).size());
    if (out.pdfBytes <= 0) {
        std::fprintf(stderr, "bench_print_window: no PDF file was written\n");
        std::exit(1);
    }
    window.hide();
    bench::settle();
    ui::PrintWindow::setPdfFileChooser(nullptr);
    return out;
}

}  // namespace

int main() {
    bench::application();
    for (const int rows : {10000, 100000}) {
        const Figures f = measureWindow(rows);
        std::printf(
            "print window, %d waybills (CPU time per showing): first %.1f ms, later %.1f ms; "
            "plain table view %.1f ms\n  ratio first/table view %.2f, later/table view %.2f "
            "(median of 9 rounds in turn; goal <= 3); later/first %.2f (goal: the same)\n"
            "  heap in use before opening %.1f MB, after closing %.1f MB, difference %.1f MB "
            "(goal within 10 MB)\n",
            rows, f.first * 1e3, f.later * 1e3, f.plain * 1e3, f.first / f.plain, f.ratio,
            f.later / f.first, f.heapBefore / 1e6, f.heapAfter / 1e6,
            (f.heapAfter - f.heapBefore) / 1e6);
    }
    const PrintFigures p = tickAllAndPrintPdf(10000);
    std::printf(
        "10,000 waybills: ticking every row %.1f ms (goal: under 50 ms); %d cards into a PDF "
        "file %.1f s (%.1f MB)\n",
        p.tick * 1e3, p.cards, p.pdf, p.pdfBytes / 1e6);
    return 0;
}
