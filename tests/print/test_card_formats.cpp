// Card formats rendered in-process: each preset on A4 and Letter (cards per sheet, every card
// inside the printable area and apart from the others, every text inside its band), the
// business cards' place on the sheet to 0.1 mm, the fold-over slip turned where its fold
// needs it, the flags of the command line, and a printer's page being the whole sheet.

#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include "print/card_format.h"
#include "print/card_layout.h"
#include "print/painter_print_service.h"
#include "print/print_options.h"
#include "print/print_run.h"
#include "print/qt_print_service.h"
#include "print/recording_print_service.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"

using print::CardFormat;
using print::CardPreset;
using print::Paper;
using print::PrintOptions;
using print::PrintRowData;

namespace {

struct Database : testing::TestDatabase {
    Database() {
        testing::execFile(file(),
                          "insert into stacje values(1,'Zabrze','clred');"
                          "insert into stacje values(2,'Łódź','clblue');");
    }
};

// The height of `paper` upright at `dpi`, as a PDF page of whole points.
int sheetHeight(Paper paper, int dpi) {
    return qRound((paper == Paper::A4 ? 842 : 792) * dpi / 72.0);
}

// Pages at 600 dpi of which only a corner is painted: the texts are measured as on paper and
// recorded with their extent, the cards by their clip.
class Sheets : public print::ImagePrintService {
public:
    explicit Sheets(Paper paper) : ImagePrintService(sheetHeight(paper, 600), QRect(0, 0, 8, 8)) {}
    struct Text {
        QRect box;
        QString text;
        int page;
    };
    QList<Text> texts;
    QList<QList<QRect>> cards{{}};
    void text(int x, int y, const std::string& t) override {
        const print::TextExtent e = measure(t);
        texts.append(
            {QRect(x, y, e.width, e.height), QString::fromStdString(t), int(cards.size()) - 1});
        ImagePrintService::text(x, y, t);
    }
    void clip(const print::Rect& r) override {
        cards.last().append(QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)));
        ImagePrintService::clip(r);
    }
    void newPage() override {
        cards.append(QList<QRect>());
        ImagePrintService::newPage();
    }
};

QRect box(const print::Rect& r) {
    return QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1));
}

}  // namespace

class CardFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void presetsOnTheSheet_data();
    void presetsOnTheSheet();
    void businessCardsOnTheSheet();
    void foldOverSlip_data();
    void foldOverSlip();
    void commandLine_data();
    void commandLine();
    void customSizes();
    void tonerSaverKeepsValuesInTheirBands();
    void usedSlotsOnlyInThePreview();
    void printerOffsetMovesEveryCard();
    void printerPageIsTheWholeSheet();
};

void CardFormatsTest::presetsOnTheSheet_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("cards");
    // Inside 5 mm margins: Letter holds five rows of 45 mm and four of 54 mm (269.4 mm).
    const int a4[] = {16, 12, 10, 10, 18}, letter[] = {16, 10, 8, 8, 18};
    for (int i = 0; i < 5; ++i) {
        const auto preset = print::kPresets[i];
        QTest::addRow("%s A4", print::presetName(preset)) << i << int(Paper::A4) << a4[i];
        QTest::addRow("%s Letter", print::presetName(preset))
            << i << int(Paper::Letter) << letter[i];
    }
}

// A sheet and one card more: the cards of the sheet, each inside the printable area, none
// over another, every text inside a band of its card. Texts too long for their band are
// fitted on every format but Listy's own card, whose values run on to its edge.
void CardFormatsTest::presetsOnTheSheet() {
    QFETCH(int, preset);
    QFETCH(int, paper);
    QFETCH(int, cards);
    Database db;
    PrintOptions options;
    options.format = print::cardFormat(print::kPresets[preset], Paper(paper));
    options.letterCodes = true;
    QCOMPARE(options.slotsPerSheet(), cards);
    const bool fitted = options.format.fitTexts;
    QCOMPARE(fitted, preset != 0);
    const std::string name = fitted ? "Przedsiębiorstwo Handlowo-Usługowe Wielkopolska" : "Huta";
    Sheets sheets{Paper(paper)};
    double skala = 0;
    print::printWaybills(
        sheets, db.command, -1,
        {{true, std::to_string(cards + 1), {"Zabrze", name, name, "Eaos", name, "Łódź"}}}, skala,
        options);
    QCOMPARE(sheets.cards.size(), 2);
    QCOMPARE(sheets.cards[0].size(), cards);
    QCOMPARE(sheets.cards[1].size(), 1);
    const QList<QRect>& onSheet = sheets.cards[0];
    const int margin = qFloor(print::kSheetMargin * skala);
    const QRect printable(QPoint(margin, margin),
                          QPoint(qCeil((print::paperWidth(options.format) - 5) * skala),
                                 qCeil((print::paperHeight(options.format) - 5) * skala)));
    for (int i = 0; i < cards; ++i) {
        QVERIFY2(printable.contains(onSheet[i]), qPrintable(QString::number(i)));
        // Neighbours share at most their outline's line of pixels.
        for (int j = 0; j < i; ++j)
            QVERIFY(
                !onSheet[i].adjusted(0, 0, -1, -1).intersects(onSheet[j].adjusted(0, 0, -1, -1)));
    }
    // Every text of the sheet in a band of the card it is drawn on.
    const print::SheetGrid grid = print::sheetGrid(options.format, false);
    int shortened = 0;
    for (const Sheets::Text& t : sheets.texts) {
        if (t.page != 0) continue;
        shortened += t.text.endsWith(QStringLiteral("…"));
        const auto card = std::find_if(onSheet.begin(), onSheet.end(),
                                       [&](const QRect& c) { return c.contains(t.box.topLeft()); });
        QVERIFY2(card != onSheet.end(), qPrintable(t.text));
        const int n = int(card - onSheet.begin());
        const print::CardGeometry g =
            print::cardGeometry(options.format, skala, grid.left + grid.stepX * (n % grid.columns),
                                grid.top + grid.stepY * (n / grid.columns));
        QCOMPARE(box(g.card), *card);
        const bool inBand = std::any_of(g.bands.begin(), g.bands.end(), [&](const print::Rect& b) {
            return box(b).contains(t.box) && card->contains(box(b));
        });
        QVERIFY2(inBand, qPrintable(t.text));
    }
    // The long names were cut on every card of a fitted format: receiver, load and shipper.
    QCOMPARE(shortened, fitted ? 3 * cards : 0);
}

// The common perforated sheet: two columns of five 85 x 54 cards, the block centred on A4 at
// 20 mm from the sides and 13.5 mm from the top and bottom. Measured on the page's pixels.
void CardFormatsTest::businessCardsOnTheSheet() {
    Database db;
    PrintOptions options;
    options.format = print::cardFormat(CardPreset::Wizytowki, Paper::A4);
    const int dpi = 300;
    const int height = sheetHeight(Paper::A4, dpi);
    print::ImagePrintService page(height, QRect(0, 0, height * 210 / 297, height), dpi);
    double skala = 0;
    print::printWaybills(page, db.command, -1, {{true, "10", {"Zabrze", "", "", "", "", "Łódź"}}},
                         skala, options);
    QCOMPARE(page.pages().size(), 1);
    const QImage& image = page.pages().first();
    // A card's black outline within 0.1 mm of `at` mm, across a line `along` mm from the
    // sheet's other edge; nothing dark 0.3 mm to either side.
    auto outline = [&](bool vertical, double at, double along) {
        auto dark = [&](double from, double to) {
            for (int p = qRound(from * skala); p <= qRound(to * skala); ++p) {
                const int a = qRound(along * skala);
                if (image.pixelColor(vertical ? p : a, vertical ? a : p).lightness() < 100)
                    return true;
            }
            return false;
        };
        return dark(at - 0.1, at + 0.1) && !dark(at - 0.4, at - 0.3) && !dark(at + 0.3, at + 0.4);
    };
    for (double x : {20.0, 105.0, 190.0})
        QVERIFY2(outline(true, x, 40), qPrintable(QString::number(x)));
    for (double y : {13.5, 67.5, 121.5, 229.5, 283.5})
        QVERIFY2(outline(false, y, 50), qPrintable(QString::number(y)));
}

void CardFormatsTest::foldOverSlip_data() {
    QTest::addColumn<int>("preset");
    QTest::newRow("tall: folded over a horizontal line") << int(CardPreset::Listy);
    QTest::newRow("wide: folded over a vertical line") << int(CardPreset::H0Europa);
}

// One slip: the waybill on the first half, its return card (stations and parties exchanged,
// "Próżny") on the second. A tall card's second half lies below the first and is printed
// turned by 180 degrees, so its top band (the return's receiving station, blue) is drawn at
// the bottom of the slip; a wide card's second half lies beside it as it is.
void CardFormatsTest::foldOverSlip() {
    QFETCH(int, preset);
    Database db;
    PrintOptions options;
    options.format = print::cardFormat(CardPreset(preset), Paper::A4);
    options.fold = true;
    options.returnCards = true;  // off with the slip
    const bool tall = options.format.tall();
    QCOMPARE(options.slotsPerSheet(), options.format.cardsPerSheet() / 2);
    const CardFormat& f = options.format;
    const double skala = sheetHeight(Paper::A4, 600) / 297.0;
    const print::CardGeometry front = print::cardGeometry(f, skala, f.left, f.top);
    const print::CardGeometry back = print::cardGeometry(f, skala, tall ? f.left : f.left + f.width,
                                                         tall ? f.top + f.height : f.top);
    print::ImagePrintService page(sheetHeight(Paper::A4, 600),
                                  box(front.card).united(box(back.card)).adjusted(0, 0, 10, 10));
    double s = 0;
    const std::vector<PrintRowData> rows{
        {true, "1", {"Zabrze", "Elektrownia", "Węgiel", "Eaos", "Kopalnia", "Łódź"}}};
    print::printWaybills(page, db.command, -1, rows, s, options);
    const QImage& image = page.pages().first();
    const QPoint origin = box(front.card).united(box(back.card)).topLeft();
    // The colour at the middle of band k's right end, placed as drawn: turned or not.
    auto colour = [&](const print::CardGeometry& g, int k, bool turned) {
        const print::Rect& b = g.band(k);
        QPoint p((b.x2 - 60), (b.y1 + b.y2) / 2);
        if (turned)
            p = QPoint(g.card.x1 + g.card.x2 - 1 - p.x(), g.card.y1 + g.card.y2 - 1 - p.y());
        return image.pixelColor(p - origin);
    };
    const QColor red(255, 0, 0), blue(0, 0, 255);
    QCOMPARE(colour(front, 0, false), red);
    QCOMPARE(colour(front, 5, false), blue);
    QCOMPARE(colour(back, 0, tall), blue);
    QCOMPARE(colour(back, 5, tall), red);
    if (tall) {
        // Turned, the return's sending station (red) lies next to the fold.
        const QPoint nextToFold(back.card.x1 + 60,
                                back.card.y1 + back.d + (back.band(0).y2 - back.band(0).y1) / 2);
        QCOMPARE(image.pixelColor(nextToFold - origin), red);
    }

    // Turned exactly round the second half, around its drawing; its load "Próżny", its
    // receiving station the waybill's sending one.
    testing::RecordingPrintService recorded;
    print::printWaybills(recorded, db.command, -1, rows, s, options);
    const QStringList clips = recorded.only("clip ");
    QCOMPARE(clips.size(), 2);
    const qsizetype second = recorded.calls.indexOf(clips[1]);
    QCOMPARE(recorded.only("turn "), tall ? QStringList{"turn " + clips[1].mid(5)} : QStringList());
    if (tall) QCOMPARE(recorded.calls[second - 1].left(5), QStringLiteral("turn "));
    const QStringList after = recorded.calls.mid(second);
    const QStringList loads = after.filter(QRegularExpression(" (Próżny|Węgiel)$"));
    QVERIFY(loads.size() == 1 && loads[0].endsWith(" Próżny"));
    QVERIFY(after.value(after.indexOf(QStringLiteral("font %1").arg(f.stationPoints)) + 1)
                .endsWith(" Łódź"));
    // The dashed fold line: dark in the middle between the halves, a dash at the slip's start.
    const QPoint fold =
        tall ? QPoint(front.card.x1 + 10, back.card.y1) : QPoint(back.card.x1, front.card.y1 + 10);
    QVERIFY(image.pixelColor(fold - origin).lightness() < 50);
}

void CardFormatsTest::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("result");  // format/paper/fold/slot, or "error"
    QTest::newRow("format, paper and fold")
        << QStringList{"--card-format", "h0-europa", "--paper=letter", "--fold"}
        << "h0-europa/letter/1/1";
    QTest::newRow("the slot after the format's sheet")
        << QStringList{"--first-slot", "18", "--card-format=n-re"} << "n-re/a4/0/18";
    QTest::newRow("slot past the sheet")
        << QStringList{"--card-format", "fremo87", "--first-slot", "11"} << "error";
    QTest::newRow("a fold halves the slots") << QStringList{"--fold", "--first-slot=9"} << "error";
    QTest::newRow("a fold's last slot")
        << QStringList{"--fold", "--first-slot=8"} << "listy/a4/1/8";
    QTest::newRow("unknown format") << QStringList{"--card-format", "A6"} << "error";
    QTest::newRow("custom is the window's") << QStringList{"--card-format", "wlasny"} << "error";
    QTest::newRow("unknown paper") << QStringList{"--paper", "a5"} << "error";
    QTest::newRow("fold takes no value") << QStringList{"--fold=yes"} << "error";
}

void CardFormatsTest::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, result);
    std::vector<std::string> given;
    for (const QString& a : args) given.push_back(a.toStdString());
    try {
        const PrintOptions o = print::takePrintOptions(given);
        QVERIFY2(result != "error", "a wrong value was taken");
        QCOMPARE(QStringLiteral("%1/%2/%3/%4")
                     .arg(print::presetName(o.format.preset), print::paperName(o.format.paper))
                     .arg(o.fold)
                     .arg(o.firstSlot),
                 result);
        QVERIFY(o.format == print::cardFormat(o.format.preset, o.format.paper));
        QVERIFY(given.empty());
    } catch (const print::PrintOptionsError& e) {
        QVERIFY2(result == "error", e.what());
    }
}

// The user's own size: as many as fit, refused with the reason when none fits or the bands
// cannot hold their texts.
void CardFormatsTest::customSizes() {
    std::string why;
    const auto a6 = print::customCardFormat(105, 148, Paper::A4, false, &why);
    QVERIFY(a6);
    QCOMPARE(a6->cardsPerSheet(), 1);  // 2 x 148 mm is more than the 287 mm inside the margins
    QCOMPARE(a6->bandColumns, 1);
    const auto danish = print::customCardFormat(95, 60, Paper::A4, true, &why);
    QVERIFY(danish);
    QCOMPARE(danish->columns * danish->rows, 9);  // 3 x 3 on a landscape sheet
    QCOMPARE(danish->bandColumns, 2);
    QVERIFY(!print::customCardFormat(205, 50, Paper::A4, false, &why));
    QVERIFY2(QString::fromStdString(why).contains("nie mieści się na arkuszu A4"), why.c_str());
    QVERIFY(print::customCardFormat(205, 50, Paper::A4, true));
    QVERIFY(!print::customCardFormat(30, 20, Paper::Letter, false, &why));
    QVERIFY2(QString::fromStdString(why).contains("za mała"), why.c_str());
}

// On Listy's own card a long value runs on to the card's edge; with the toner saver it stops
// at its band, so it never crosses the cutting line.
void CardFormatsTest::tonerSaverKeepsValuesInTheirBands() {
    Database db;
    const int height = sheetHeight(Paper::A4, 600);
    const print::CardGeometry g = print::cardGeometry(height / 297.0, 0, 0);
    const std::string name = "Przedsiębiorstwo Handlowo-Usługowe Wielkopolska";
    auto inkBesideBand = [&](bool tonerSaver) {
        print::ImagePrintService page(height, box(g.card));
        PrintOptions options;
        options.tonerSaver = tonerSaver;
        double s = 0;
        print::printWaybills(page, db.command, -1, {{true, "1", {name, name, "", "", "", ""}}}, s,
                             options);
        const QImage& image = page.pages().first();
        int dark = 0;
        for (int k : {0, 1}) {
            for (int y = g.valueY(k); y < g.band(k).y2 - 1; ++y) {
                for (int x = g.band(k).x2 + 1; x < g.card.x2 - 8; ++x)
                    dark += image.pixelColor(x - g.card.x1, y - g.card.y1).lightness() < 100;
            }
        }
        return dark;
    };
    QVERIFY(inkBesideBand(false) > 50);
    QCOMPARE(inkBesideBand(true), 0);
}

// The slots used already are reported to the service before the first card; only a service
// that shows them (the preview's) draws them.
void CardFormatsTest::usedSlotsOnlyInThePreview() {
    Database db;
    PrintOptions options;
    options.firstSlot = 3;
    options.format = print::cardFormat(CardPreset::NRe, Paper::A4);
    const std::vector<PrintRowData> rows{{true, "2", {"Zabrze", "", "", "", "", "Łódź"}}};
    testing::RecordingPrintService recorded;
    double s = 0;
    print::printWaybills(recorded, db.command, -1, rows, s, options);
    QCOMPARE(recorded.only("used ").size(), 2);
    QVERIFY(recorded.calls.indexOf(recorded.only("used ").last()) <
            recorded.calls.indexOf(recorded.only("clip ").first()));
    const int height = sheetHeight(Paper::A4, 600);
    const print::SheetGrid grid = print::sheetGrid(options.format, false);
    const double skala = height / 297.0;
    const QPoint second(qRound((grid.left + grid.stepX * 1.5) * skala),
                        qRound((grid.top + grid.stepY / 2) * skala));
    auto inkInSecondSlot = [&](bool shows) {
        print::ImagePrintService page(height, QRect(0, 0, second.x() + 200, second.y() + 200));
        page.setShowsUsedSlots(shows);
        print::printWaybills(page, db.command, -1, rows, s, options);
        const QImage& image = page.pages().first();
        int dark = 0;
        for (int y = second.y() - 150; y < second.y() + 150; ++y)
            dark += image.pixelColor(second.x(), y) != QColor(Qt::white);
        return dark;
    };
    QCOMPARE(inkInSecondSlot(false), 0);
    QVERIFY(inkInSecondSlot(true) > 10);
}

// The offset in tenths of a millimetre, right and down, moves every card and nothing else.
void CardFormatsTest::printerOffsetMovesEveryCard() {
    Database db;
    const std::vector<PrintRowData> rows{{true, "2", {"Zabrze", "", "", "", "", "Łódź"}}};
    auto clips = [&](print::PrinterOffset offset) {
        PrintOptions options;
        options.offset = offset;
        testing::RecordingPrintService recorded;
        double s = 0;
        print::printWaybills(recorded, db.command, -1, rows, s, options);
        return recorded.only("clip ");
    };
    // 22.2 pixels a millimetre: 2.5 mm right is 56 pixels, 1 mm up 22.
    QCOMPARE(clips({}), QStringList({"clip 400,400,1400,1844", "clip 1400,400,2400,1844"}));
    QCOMPARE(clips({25, -10}), QStringList({"clip 456,378,1456,1822", "clip 1456,378,2456,1822"}));
}

// A printer's own page margins would make the cards 0.976 times the PDF's size and move
// them: printed through a QPrinter, the first card's corner lies where the PDF has it.
void CardFormatsTest::printerPageIsTheWholeSheet() {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) QSKIP("pdftoppm is not installed");
    Database db;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(db.dir.file("printer.pdf"));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    auto service = print::QtPrintService::toPrinter(printer);
    double skala = 0;
    const std::vector<PrintRowData> rows{{true, "1", {"Zabrze", "", "", "", "", "Łódź"}}};
    print::printWaybills(*service, db.command, -1, rows, skala, {});
    QCOMPARE(service->pageHeight(), sheetHeight(Paper::A4, 600));
    QProcess p;
    p.start("pdftoppm", {"-png", "-r", "100", "-singlefile", db.dir.file("printer.pdf"),
                         db.dir.file("printer")});
    QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
    const QImage image(db.dir.file("printer.png"));
    QVERIFY(!image.isNull());
    const double mm = 100 / 25.4;
    auto ink = [&](double x, double y) {
        return image.pixelColor(qRound(x * mm), qRound(y * mm)) != QColor(Qt::white);
    };
    // The card from 18 to 63 mm across and from 18 to 83 mm down.
    QVERIFY(!ink(17.6, 40) && ink(18.4, 40) && ink(62.6, 40) && !ink(63.4, 40));
    QVERIFY(!ink(30, 17.6) && ink(30, 18.4) && ink(30, 82.6) && !ink(30, 83.4));
}

QTEST_MAIN(CardFormatsTest)
#include "test_card_formats.moc"
