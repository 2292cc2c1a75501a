// Car cards rendered in-process: 200 wagons as A6 cards four to an A4 sheet, each number
// large at its card's top left, the pocket's outline 95 x 60 mm, the stripes of a speed mark
// and the paper in its group's colour; and every car card's pocket holding the waybill card
// that belongs with it.

#include <QtTest>

#include "print/car_cards.h"
#include "print/card_layout.h"
#include "print/painter_print_service.h"
#include "print/recording_print_service.h"

using print::CarCardFormat;
using print::CarCardPreset;
using print::CardPreset;
using print::Paper;

class CarCardsTest : public QObject {
    Q_OBJECT
private slots:
    void twoHundredA6CardsFourToA4();
    void stripesAndColourOnTheImage();
    void pocketsHoldTheirWaybills_data();
    void pocketsHoldTheirWaybills();
};

namespace {

std::vector<print::CarCardRow> wagons(int count) {
    std::vector<print::CarCardRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({{"Nr " + std::to_string(1000 + i), i % 2 ? "Gbs" : "Eaos", "DB", "Hagen",
                         "14040", model::SpeedMark::None, ""},
                        1});
    }
    return rows;
}

}  // namespace

void CarCardsTest::twoHundredA6CardsFourToA4() {
    testing::RecordingPrintService service;
    service.height = 7016;  // A4 at 600 dpi
    print::CarCardOptions options;
    options.format = print::carCardFormat(CarCardPreset::A6, Paper::A4);
    QCOMPARE(options.format.cardsPerSheet(), 4);
    QCOMPARE(print::carCardFormat(CarCardPreset::A6, Paper::A6).cardsPerSheet(), 1);
    QCOMPARE(print::carCardFormat(CarCardPreset::Fremo87, Paper::A4).cardsPerSheet(), 2);
    QCOMPARE(print::carCardFormat(CarCardPreset::NRe, Paper::A4).cardsPerSheet(), 16);
    const auto rows = wagons(200);
    QCOMPARE(print::printCarCards(service, -1, rows, options), 200L);
    QCOMPARE(service.paper, Paper::A4);
    QCOMPARE(service.only("newpage").size(), 49);
    const double mm = 7016 / 297.0;
    const int margin = print::toPixels(4 * mm);
    for (int i : {0, 1, 2, 3, 4, 199}) {
        const int slot = i % 4;
        // Cards touch: 2 x 2 of 105 x 148 from (0, 0.5).
        const int x = print::toPixels(slot % 2 * 105 * mm);
        const int y = print::toPixels((0.5 + slot / 2 * 148) * mm);
        const QString number = QStringLiteral("Nr %1").arg(1000 + i);
        const qsizetype at = service.calls.indexOf(
            QStringLiteral("text %1,%2 ").arg(x + margin).arg(y + margin) + number);
        QVERIFY2(at > 0, qPrintable(number));
        QCOMPARE(service.calls[at - 1], QStringLiteral("font 22"));  // the largest text
        // The pocket: 95 x 60 at the bottom, centred.
        const int px = x + print::toPixels(5 * mm), py = y + print::toPixels(83 * mm);
        QVERIFY(service.calls.contains(QStringLiteral("rect %1,%2,%3,%4")
                                           .arg(px)
                                           .arg(py)
                                           .arg(x + print::toPixels(100 * mm))
                                           .arg(y + print::toPixels(143 * mm))));
    }
    // A printer offset moves every card.
    testing::RecordingPrintService moved;
    moved.height = 7016;
    options.offsetX = 15;
    print::printCarCards(moved, -1, wagons(1), options);
    QVERIFY(moved.calls.contains(QStringLiteral("text %1,%2 Nr 1000")
                                     .arg(print::toPixels(1.5 * mm) + margin)
                                     .arg(print::toPixels(0.5 * mm) + margin)));
}

// The run drawn on a page image: the number of red stripes across the card's top-right
// corner is the speed mark's, and the paper takes its class group's colour.
void CarCardsTest::stripesAndColourOnTheImage() {
    const int dpi = 100;
    const double mm = dpi / 25.4;
    const int height = qRound(297 * mm);
    print::ImagePrintService service(height, QRect(0, 0, qRound(210 * mm), height), dpi);
    print::CarCardOptions options;
    options.format = print::carCardFormat(CarCardPreset::A6, Paper::A4);
    options.colours = model::defaultCardColours();
    options.colours[1].colour = "#a0c0e0";  // G+H
    auto rows = wagons(3);
    rows[0].wagon.speed = model::SpeedMark::SS;
    rows[1].wagon.speed = model::SpeedMark::S;
    print::printCarCards(service, -1, rows, options);
    QCOMPARE(service.pages().size(), 1);
    const QImage& page = service.pages().front();
    auto stripesAt = [&](double cardX, double cardY) {
        // Along the card's top edge, 1 mm below it, over the right half.
        const int y = qRound((cardY + 1) * mm);
        int runs = 0;
        bool inRed = false;
        for (int x = qRound((cardX + 52) * mm); x < qRound((cardX + 104) * mm); ++x) {
            const QColor c = page.pixelColor(x, y);
            const bool red = c.red() > 180 && c.green() < 80 && c.blue() < 80;
            if (red && !inRed) ++runs;
            inRed = red;
        }
        return runs;
    };
    QCOMPARE(stripesAt(0, 0.5), 2);
    QCOMPARE(stripesAt(105, 0.5), 1);
    QCOMPARE(stripesAt(0, 148.5), 0);
    // Eaos (E+F) stays white, Gbs (G+H) takes the chosen colour.
    QCOMPARE(page.pixelColor(qRound(50 * mm), qRound(70 * mm)), QColor(Qt::white));
    QCOMPARE(page.pixelColor(qRound(155 * mm), qRound(70 * mm)), QColor("#a0c0e0"));
}

void CarCardsTest::pocketsHoldTheirWaybills_data() {
    QTest::addColumn<CarCardPreset>("car");
    QTest::addColumn<CardPreset>("waybill");
    QTest::addColumn<bool>("whole");  // the whole slip inside, not only its width
    QTest::newRow("A6 + H0-Europa") << CarCardPreset::A6 << CardPreset::H0Europa << true;
    QTest::newRow("A6 + Listy") << CarCardPreset::A6 << CardPreset::Listy << true;
    QTest::newRow("FREMO:87") << CarCardPreset::Fremo87 << CardPreset::Fremo87 << true;
    QTest::newRow("N-RE") << CarCardPreset::NRe << CardPreset::NRe << false;
}

void CarCardsTest::pocketsHoldTheirWaybills() {
    QFETCH(CarCardPreset, car);
    QFETCH(CardPreset, waybill);
    QFETCH(bool, whole);
    const print::CardFormat slip = print::cardFormat(waybill);
    const CarCardFormat own = print::carCardFormat(car);
    CarCardFormat fitted = own;
    QVERIFY(print::fitPocket(fitted, slip));
    QCOMPARE(fitted.pocketFor, std::optional<CardPreset>(waybill));
    for (const CarCardFormat& f : {own, fitted}) {
        QVERIFY(f.pocketX >= 0 && f.pocketY >= 0);
        QVERIFY(f.pocketX + f.pocketWidth <= f.width && f.pocketY + f.pocketHeight <= f.height);
        // The slip goes in upright or turned: its side across the opening fits the pocket.
        const bool upright =
            slip.width <= f.pocketWidth && (!whole || slip.height <= f.pocketHeight);
        const bool turned =
            slip.height <= f.pocketWidth && (!whole || slip.width <= f.pocketHeight);
        QVERIFY2(upright || turned, f.pocketFor ? "fitted" : "own");
    }
    // A waybill wider than the card has no pocket.
    CarCardFormat small = print::carCardFormat(CarCardPreset::NRe);
    print::CardFormat wide = slip;
    wide.width = wide.height = 80;
    QVERIFY(!print::fitPocket(small, wide));
    QCOMPARE(small, print::carCardFormat(CarCardPreset::NRe));
}

QTEST_MAIN(CarCardsTest)
#include "test_car_cards.moc"
