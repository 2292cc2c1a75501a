// The print options, each rendered in-process into page images and checked by what it
// changes: the slots left empty before the first slot, the order of the cards, the return
// cards, the letter codes on the bands, the toner saver's white cards and cutting line;
// and the command-line form of the options.

#include <QtTest>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "print/card_layout.h"
#include "print/painter_print_service.h"
#include "print/print_options.h"
#include "print/print_run.h"
#include "print/recording_print_service.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using print::CardOrder;
using print::PrintOptions;
using print::PrintRowData;

namespace {

constexpr int kPageHeight = 7017;  // upright A4 at 600 dpi
const double kSkala = print::scaleForPageHeight(kPageHeight);

const QColor kGrey(192, 192, 192), kWhite(255, 255, 255), kRed(255, 0, 0), kBlue(0, 0, 255),
    kGreen(0, 128, 0), kYellow(255, 255, 0), kBrown(187, 130, 91), kOrange(231, 120, 23),
    kBlack(0, 0, 0);

// A database with some stations; the print run reads the band colours on `sql2`.
struct Database : testing::TestDatabase {
    db::SqlQuery& sql2 = command;
    Database() {
        testing::execFile(file(),
                          "insert into stacje values(1,'Zabrze','clred');"
                          "insert into stacje values(2,'Łódź','clblue');"
                          "insert into stacje values(3,'Lublin','clgreen');"
                          "insert into stacje values(4,'Ćmielów','clyellow');"
                          "insert into stacje values(5,'Czersk','clbrown');"
                          "insert into stacje values(6,'Śrem','clorange');"
                          "insert into stacje values(7,'Sopot','clblack');"
                          "insert into stacje values(8,'Biała','clwhite');");
    }
};

PrintRowData row(const std::string& stOdb, const std::string& stNad, const std::string& count = "1",
                 const std::string& load = "Węgiel", bool ticked = true) {
    return {ticked, count, {stOdb, "Elektrownia", load, "Eaos", "Kopalnia", stNad}};
}

// The first two lines of slots of every page, drawn at full resolution; the texts drawn
// are recorded as well, "x,y text".
class Pages : public print::ImagePrintService {
public:
    Pages()
        : ImagePrintService(kPageHeight,
                            QRect(0, 0, print::cardGeometry(kSkala, 3, 1).card.x2 + 100,
                                  print::cardGeometry(kSkala, 3, 1).card.y2 + 100)) {}
    void text(int x, int y, const std::string& text) override {
        texts << QStringLiteral("%1,%2 ").arg(x).arg(y) + QString::fromStdString(text);
        ImagePrintService::text(x, y, text);
    }
    QStringList texts;
};

void printCards(Database& db, print::PrintService& service, const std::vector<PrintRowData>& rows,
                const PrintOptions& options) {
    double skala = 0;
    print::printWaybills(service, db.sql2, -1, rows, skala, options);
}

print::CardGeometry slot(int n) {
    return print::cardGeometry(kSkala, n % 4, n / 4);
}

int mid(const print::Rect& r) {
    return (r.y1 + r.y2) / 2;
}

// The colour of a band of the card in slot `n`, beside its texts.
QColor band(const QImage& page, int n, int k) {
    const print::CardGeometry g = slot(n);
    const print::Rect& b = g.bands[static_cast<std::size_t>(k)];
    return page.pixelColor(b.x1 + (b.x2 - b.x1) / 2, mid(b));
}

// A card in slot `n`: the margin left of its bands shows the card's face, not the paper.
bool cardIn(const QImage& page, int n) {
    const print::CardGeometry g = slot(n);
    return page.pixelColor(g.x + g.d / 2, mid(g.bands[2])) != kWhite;
}

int darkPixels(const QImage& page, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += page.pixelColor(x, y).lightness() < 100;
    }
    return dark;
}

// The area of a band's top-right corner that the letter code takes.
QRect codeCorner(const print::CardGeometry& g, int k) {
    const print::Rect& b = g.bands[static_cast<std::size_t>(k)];
    return QRect(QPoint(b.x2 - g.codeW + 3, b.y1 + 3), QPoint(b.x2 - 4, g.valueY(k) + 4));
}

}  // namespace

class PrintOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void firstSlot();
    void orderByStation_data();
    void orderByStation();
    void returnCards();
    void letterCodes_data();
    void letterCodes();
    void tonerSaver();
    void commandLine_data();
    void commandLine();
};

void PrintOptionsTest::firstSlot() {
    Database db;
    PrintOptions options;
    options.firstSlot = 6;
    Pages pages;
    printCards(db, pages, {row("Zabrze", "Łódź", "3")}, options);
    QCOMPARE(pages.pages().size(), 1);
    const QImage& page = pages.pages().first();
    for (int n = 0; n < 8; ++n)
        QVERIFY2(cardIn(page, n) == (n >= 5), qPrintable(QString::number(n)));
    QCOMPARE(band(page, 5, 0), kRed);
    QCOMPARE(band(page, 7, 5), kBlue);
    for (int n = 0; n < 5; ++n) QCOMPARE(page.pixelColor(slot(n).x + 300, slot(n).y + 300), kWhite);

    // From the last slot: one card on the first sheet, the next on a new one at slot 1.
    testing::RecordingPrintService recorded;
    options.firstSlot = 16;
    printCards(db, recorded, {row("Zabrze", "Łódź", "2")}, options);
    QCOMPARE(recorded.only("clip "),
             QStringList({"clip 3400,4733,4400,6177", "clip 400,400,1400,1844"}));
    QCOMPARE(recorded.calls.count("newpage"), 1);
    QVERIFY(recorded.calls.indexOf("newpage") > recorded.calls.indexOf("clip 3400,4733,4400,6177"));
    // A slot out of range is taken as the nearest one.
    testing::RecordingPrintService clamped;
    options.firstSlot = 40;
    printCards(db, clamped, {row("Zabrze", "Łódź", "1")}, options);
    QCOMPARE(clamped.only("clip "), QStringList({"clip 3400,4733,4400,6177"}));
}

void PrintOptionsTest::orderByStation_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("band");  // the band of the grouping station
    QTest::addColumn<QList<QColor>>("colours");
    QTest::addColumn<QStringList>("loads");
    // Groups in Polish collation: Czersk, Ćmielów, Lublin, Łódź, Sopot, Śrem, Zabrze.
    QTest::newRow("listed") << int(CardOrder::Listed) << 0
                            << QList<QColor>{kRed,   kBlue, kOrange, kGreen,
                                             kBlack, kRed,  kYellow, kBrown}
                            << QStringList{"z1", "l1", "s1", "lu", "so", "z2", "c", "cz"};
    QTest::newRow("by receiving") << int(CardOrder::ByReceiving) << 0
                                  << QList<QColor>{kBrown, kYellow, kGreen, kBlue,
                                                   kBlack, kOrange, kRed,   kRed}
                                  << QStringList{"cz", "c", "lu", "l1", "so", "s1", "z1", "z2"};
    QTest::newRow("by sending") << int(CardOrder::BySending) << 5
                                << QList<QColor>{kBrown, kBlue, kBlue, kBlue,
                                                 kBlack, kRed,  kRed,  kRed}
                                << QStringList{"s1", "z1", "l1", "z2", "lu", "so", "c", "cz"};
}

void PrintOptionsTest::orderByStation() {
    QFETCH(int, order);
    QFETCH(int, band);
    QFETCH(QList<QColor>, colours);
    QFETCH(QStringList, loads);
    Database db;
    // The load names the row; an unticked row and a row of no copies print nothing.
    const std::vector<PrintRowData> rows{
        row("Zabrze", "Łódź", "1", "z1"),       row("Łódź", "Łódź", "1", "l1"),
        row("Śrem", "Czersk", "1", "s1"),       row("Lublin", "Sopot", "1", "lu"),
        row("Sopot", "Zabrze", "1", "so"),      row("Zabrze", "Łódź", "1", "z2"),
        row("Lublin", "Łódź", "5", "x", false), row("Śrem", "Łódź", "0", "y"),
        row("Ćmielów", "Zabrze", "1", "c"),     row("Czersk", "Zabrze", "1", "cz")};
    PrintOptions options;
    options.order = static_cast<CardOrder>(order);
    Pages pages;
    printCards(db, pages, rows, options);
    QCOMPARE(pages.pages().size(), 1);
    for (int n = 0; n < 8; ++n)
        QVERIFY2(::band(pages.pages().first(), n, band) == colours[n],
                 qPrintable(QString::number(n)));
    // Within a group the rows keep their order: the loads of all eight cards.
    QStringList printed;
    for (int n = 0; n < 8; ++n) {
        const print::CardGeometry g = slot(n);
        const QString at = QStringLiteral("%1,%2 ").arg(g.valueX()).arg(g.valueY(2));
        printed << pages.texts.filter(QRegularExpression("^" + at)).value(0).mid(at.size());
    }
    QCOMPARE(printed, loads);

    // Every count is read, in list order, before the cards are grouped: a bad count in an
    // unticked row stops the run before any card.
    testing::RecordingPrintService recorded;
    std::vector<PrintRowData> bad = rows;
    bad.push_back(row("Zabrze", "Zabrze", "dwa", "b", false));
    QVERIFY_THROWS_EXCEPTION(db::ConvertError, printCards(db, recorded, bad, options));
    if (options.order != CardOrder::Listed) QVERIFY(recorded.only("clip ").isEmpty());
    QCOMPARE(recorded.calls.last(), QStringLiteral("abort"));
}

void PrintOptionsTest::returnCards() {
    Database db;
    PrintOptions options;
    options.returnCards = true;
    Pages pages;
    printCards(db, pages,
               {{true, "2", {"Zabrze", "Elektrownia", "Węgiel", "Eaos", "Kopalnia", "Łódź"}}},
               options);
    const QImage& page = pages.pages().first();
    // Each copy followed by its return card: the stations' bands swapped.
    for (int n = 0; n < 4; ++n) {
        const bool back = n % 2 == 1;
        QCOMPARE(band(page, n, 0), back ? kBlue : kRed);
        QCOMPARE(band(page, n, 5), back ? kRed : kBlue);
    }
    QVERIFY(!cardIn(page, 4));
    // The return card's values: stations and parties swapped, the load "Próżny", the same
    // wagon type.
    const print::CardGeometry g = slot(1);
    QStringList values;
    for (int k = 0; k < print::kBands; ++k) {
        const QString at = QStringLiteral("%1,%2 ").arg(g.valueX()).arg(g.valueY(k));
        values << pages.texts.filter(QRegularExpression("^" + at)).value(0).mid(at.size());
    }
    QCOMPARE(values, QStringList({"Łódź", "Kopalnia", "Próżny", "Eaos", "Elektrownia", "Zabrze"}));
}

void PrintOptionsTest::letterCodes_data() {
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("code");
    QTest::newRow("white") << "clwhite"
                           << "BIA";
    QTest::newRow("red") << "clred"
                         << "CZE";
    QTest::newRow("yellow") << "clyellow"
                            << "ŻÓŁ";
    QTest::newRow("green") << "clgreen"
                           << "ZIE";
    QTest::newRow("blue") << "clblue"
                          << "NIE";
    QTest::newRow("black") << "clblack"
                           << "CZA";
    QTest::newRow("brown") << "clbrown"
                           << "BRĄ";
    QTest::newRow("orange") << "clorange"
                            << "POM";
    QTest::newRow("unknown") << "clpurple"
                             << "";
    QTest::newRow("case matters") << "ClRed"
                                  << "";
}

void PrintOptionsTest::letterCodes() {
    QFETCH(QString, colour);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(print::bandFor(colour.toStdString()).code), code);
    if (colour != "clblack") return;

    // On paper: black on white in the corner of a coloured band, also on a black one and on
    // a white station's band; nothing on the band of a station that is missing.
    Database db;
    PrintOptions options;
    options.letterCodes = true;
    Pages pages;
    printCards(db, pages, {row("Sopot", "Brak"), row("Biała", "Zabrze")}, options);
    const QImage& page = pages.pages().first();
    const print::CardGeometry first = slot(0), second = slot(1);
    const QRect blackCorner = codeCorner(first, 0);
    QCOMPARE(page.pixelColor(blackCorner.topLeft()), kWhite);
    QVERIFY(darkPixels(page, blackCorner) > 100);
    QCOMPARE(band(page, 0, 0), kBlack);  // the band itself keeps its colour
    QCOMPARE(darkPixels(page, codeCorner(first, 5)), 0);
    QVERIFY(darkPixels(page, codeCorner(second, 0)) > 100);
    QVERIFY(darkPixels(page, codeCorner(second, 5)) > 100);
    QCOMPARE(band(page, 1, 5), kRed);
    QVERIFY(pages.texts.contains(
        QStringLiteral("%1,%2 CZA").arg(blackCorner.left() - 3 + 7).arg(first.captionY(0))));
    QVERIFY(pages.texts.filter(QRegularExpression(" (BIA|CZE)$")).size() == 2);

    // Without the option the corner is the band's own colour.
    Pages plain;
    printCards(db, plain, {row("Sopot", "Brak")}, {});
    QCOMPARE(darkPixels(plain.pages().first(), blackCorner),
             blackCorner.width() * blackCorner.height());
}

void PrintOptionsTest::tonerSaver() {
    Database db;
    // The card's face: the margin left of the bands and the gaps between them, on every
    // card of the first two lines.
    auto greyPixels = [](const QImage& page) {
        int grey = 0;
        for (int n = 0; n < 8; ++n) {
            const print::CardGeometry g = slot(n);
            for (int y = g.y + g.d; y < g.card.y2 - g.d; y += 2)
                grey += page.pixelColor(g.x + g.d / 2, y) == kGrey;
            for (int x = g.x + g.d; x < g.card.x2 - g.d; x += 2) {
                grey += page.pixelColor(x, g.bands[1].y1 - g.d / 2) == kGrey;
            }
        }
        return grey;
    };
    const std::vector<PrintRowData> rows{row("Zabrze", "Łódź", "5")};
    Pages plain;
    printCards(db, plain, rows, {});
    QVERIFY(greyPixels(plain.pages().first()) > 1000);

    PrintOptions options;
    options.tonerSaver = true;
    Pages saver;
    printCards(db, saver, rows, options);
    const QImage& page = saver.pages().first();
    QCOMPARE(greyPixels(page), 0);
    QCOMPARE(band(page, 0, 0), kRed);
    QCOMPARE(band(page, 4, 5), kBlue);
    // Between two cards of a line and two lines: a solid dark line several pixels thick,
    // and white card face on both sides of it.
    const print::CardGeometry a = slot(0), b = slot(1), c = slot(4);
    const int y = mid(a.bands[2]);
    QCOMPARE(darkPixels(page, QRect(QPoint(b.x - 6, y), QPoint(b.x + 5, y))), 12);
    QCOMPARE(page.pixelColor(b.x - 20, y), kWhite);
    QCOMPARE(page.pixelColor(b.x + 20, y), kWhite);
    QCOMPARE(darkPixels(page, QRect(QPoint(a.x + 300, c.y - 6), QPoint(a.x + 300, c.y + 5))), 12);
    // Around the outer edges of the block too.
    QCOMPARE(darkPixels(page, QRect(QPoint(a.x, y), QPoint(a.x + 5, y))), 6);
    QCOMPARE(page.pixelColor(a.x - 2, y), kWhite);
}

void PrintOptionsTest::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("options");  // slot/order/return/codes/saver, or "error"
    QTest::addColumn<QStringList>("rest");
    QTest::newRow("none") << QStringList{"--print-pdf", "a.pdf"} << "1/listed/0/0/0"
                          << QStringList{"--print-pdf", "a.pdf"};
    QTest::newRow("all, among others")
        << QStringList{"--print-pdf",
                       "--first-slot",
                       "5",
                       "a.pdf",
                       "--order",
                       "receiving",
                       "--return-cards",
                       "--letter-codes",
                       "--toner-saver",
                       "x"}
        << "5/receiving/1/1/1" << QStringList{"--print-pdf", "a.pdf", "x"};
    QTest::newRow("with =") << QStringList{"--first-slot=16", "--order=sending"}
                            << "16/sending/0/0/0" << QStringList{};
    QTest::newRow("the last one counts") << QStringList{"--order", "sending", "--order", "listed"}
                                         << "1/listed/0/0/0" << QStringList{};
    QTest::newRow("slot 0") << QStringList{"--first-slot", "0"} << "error" << QStringList{};
    QTest::newRow("slot 17") << QStringList{"--first-slot=17"} << "error" << QStringList{};
    QTest::newRow("slot not a number")
        << QStringList{"--first-slot", "5x"} << "error" << QStringList{};
    QTest::newRow("slot empty") << QStringList{"--first-slot="} << "error" << QStringList{};
    QTest::newRow("slot missing") << QStringList{"a.pdf", "--first-slot"} << "error"
                                  << QStringList{};
    QTest::newRow("unknown order") << QStringList{"--order", "Sending"} << "error" << QStringList{};
    QTest::newRow("a switch with a value")
        << QStringList{"--toner-saver=1"} << "error" << QStringList{};
    QTest::newRow("a value that looks like an option is one")
        << QStringList{"--order", "--return-cards"} << "error" << QStringList{};
}

void PrintOptionsTest::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, options);
    QFETCH(QStringList, rest);
    std::vector<std::string> given;
    for (const QString& a : args) given.push_back(a.toStdString());
    const std::vector<std::string> before = given;
    try {
        const PrintOptions o = print::takePrintOptions(given);
        QVERIFY2(options != "error", "a wrong value was taken");
        QCOMPARE(QStringLiteral("%1/%2/%3/%4/%5")
                     .arg(o.firstSlot)
                     .arg(QString::fromStdString(print::orderName(o.order)))
                     .arg(o.returnCards)
                     .arg(o.letterCodes)
                     .arg(o.tonerSaver),
                 options);
        QStringList left;
        for (const std::string& a : given) left << QString::fromStdString(a);
        QCOMPARE(left, rest);
    } catch (const print::PrintOptionsError& e) {
        QVERIFY2(options == "error", e.what());
        QVERIFY(given == before);
        QVERIFY(QString::fromUtf8(e.what()).startsWith("--"));
    }
}

QTEST_MAIN(PrintOptionsTest)
#include "test_print_options.moc"
