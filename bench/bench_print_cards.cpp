// 1,600 waybill cards into a PDF file through the print run (each card reads its two band
// colours from stacje), against a bare QPainter loop that draws the same primitives (the
// card, its six bands, its twelve texts on their backgrounds, the same font changes, a page
// every sixteen cards) into the same kind of file, the two in turn round by round. CPU time
// of this thread; goal: the run within 1.5 x the bare loop (the median of the rounds).

#include "bench_main.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>

#include "print/card_layout.h"
#include "print/print_run.h"
#include "print/qt_print_service.h"
#include "ui_bench.h"

namespace {

constexpr int kCards = 1600;
const char* const kColours[] = {"clwhite", "clred",   "clyellow", "clgreen",
                                "clblue",  "clblack", "clbrown",  "clorange"};

bench::Database& database() {
    static bench::Database db([](sqlite3* raw) {
        bench::insertRows(raw, "insert into stacje values(?1,?2,?3)", 40,
                          [](sqlite3_stmt* st, int i) {
                              sqlite3_bind_int(st, 1, i + 1);
                              bench::bindText(st, 2, "Stacja " + std::to_string(i));
                              bench::bindText(st, 3, kColours[i % 8]);
                          });
    });
    return db;
}

// 100 waybills of 16 copies each.
std::vector<print::PrintRowData> rows() {
    std::vector<print::PrintRowData> out;
    for (int i = 0; i < kCards / 16; ++i) {
        out.push_back({true,
                       "16",
                       {"Stacja " + std::to_string(i % 40), "Elektrownia Łódź", "Węgiel kamienny",
                        "Eaos", "Kopalnia Wieliczka", "Stacja " + std::to_string((i + 7) % 40)}});
    }
    return out;
}

std::string pdfPath(const char* name) {
    return database().dir + "/" + name;
}

// The floor: the same primitives drawn by a bare QPainter loop; CPU seconds of one run.
double bareLoop(const std::vector<print::PrintRowData>& cards) {
    const double start = bench::threadSeconds();
    QPdfWriter writer(QString::fromStdString(pdfPath("bare.pdf")));
    writer.setResolution(print::kCardResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const double skala = print::scaleForPageHeight(writer.height());
    QPainter p(&writer);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    p.setPen(QPen(Qt::black, 1));
    auto rect = [&p](const print::Rect& r, const QColor& fill) {
        p.setBrush(fill);
        p.drawRect(QRect(r.x1, r.y1, r.x2 - r.x1 - 1, r.y2 - r.y1 - 1));
    };
    auto text = [&p](int x, int y, const QString& s) {
        const QFontMetrics m = p.fontMetrics();
        p.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), Qt::white);
        p.drawText(QPoint(x, y + m.ascent()), s);
    };
    int onPage = 0;
    for (const print::PrintRowData& row : cards) {
        const QString values[] = {
            QString::fromStdString(row.texts.stOdb),   QString::fromStdString(row.texts.odb),
            QString::fromStdString(row.texts.ladunek), QString::fromStdString(row.texts.wagon),
            QString::fromStdString(row.texts.nad),     QString::fromStdString(row.texts.stNad)};
        for (int copy = 0; copy < 16; ++copy) {
            if (onPage == 16) {
                writer.newPage();
                onPage = 0;
            }
            const print::CardGeometry g = print::cardGeometry(skala, onPage % 4, onPage / 4);
            p.setClipRect(
                QRect(g.card.x1, g.card.y1, g.card.x2 - g.card.x1, g.card.y2 - g.card.y1));
            font.setPointSize(8);
            p.setFont(font);
            rect(g.card, QColor(192, 192, 192));
            for (int k = 1; k <= 4; ++k) rect(g.bands[std::size_t(k)], Qt::white);
            rect(g.bands[0], Qt::red);
            rect(g.bands[5], Qt::blue);
            for (int k = 0; k < 6; ++k) {
                text(g.captionX(), g.captionY(k),
                     QString::fromUtf8(print::kBandCaptions[std::size_t(k)]));
            }
            font.setBold(true);
            font.setPointSize(11);
            p.setFont(font);
            text(g.valueX(), g.valueY(0), values[0]);
            font.setBold(false);
            font.setPointSize(8);
            p.setFont(font);
            for (int k = 1; k < 6; ++k) text(g.valueX(), g.valueY(k), values[k]);
            p.setClipping(false);
            ++onPage;
        }
    }
    p.end();
    return bench::threadSeconds() - start;
}

// One print run of the cards into a PDF file; CPU seconds.
double printRun(db::SqlQuery& sql2, const std::vector<print::PrintRowData>& cards) {
    const double start = bench::threadSeconds();
    auto service = print::QtPrintService::toPdf(QString::fromStdString(pdfPath("run.pdf")));
    double skala = 0;
    print::printWaybills(*service, sql2, -1, cards, skala);
    return bench::threadSeconds() - start;
}

}  // namespace

int main() {
    bench::application();
    bench::Database& db = database();
    db::SqlQuery sql2("sql2");
    sql2.setConnection(&db.baza);
    const std::vector<print::PrintRowData> cards = rows();
    const bench::Alternated r = bench::alternate(
        9, [&] { return printRun(sql2, cards); }, [&] { return bareLoop(cards); });
    std::printf(
        "%d cards to PDF (CPU time per run, median of 9 rounds in turn): print run %.1f ms, "
        "bare QPainter loop %.1f ms, ratio %.2f (goal <= 1.5)\n",
        kCards, r.ours * 1e3, r.floor * 1e3, r.ratio);
    return 0;
}
