// The one sheet layout of the waybill cards and the car cards: cards with gaps fitted inside a
// margin and centred, each slot's sheet and corner, the fold-over slips of a wide and a tall
// card, the one refusal of a size that fits no sheet, and a run walking the slots (the used
// ones reported first, a sheet begun for the card that goes on it, the printer offset).

#include <QtTest>

#include "print/car_cards.h"
#include "print/card_format.h"
#include "print/recording_print_service.h"
#include "print/sheet_layout.h"

using print::Paper;
using print::SheetGrid;
using print::SheetLayout;
using print::SlotPlace;

namespace {

// Cards of `width` x `height` with gaps of 4 mm across and 3 mm down on upright A4.
SheetLayout withGaps(double width, double height) {
    SheetLayout layout;
    layout.width = width;
    layout.height = height;
    layout.gapX = 4;
    layout.gapY = 3;
    return layout;
}

QString place(const SlotPlace& p) {
    return QStringLiteral("%1: %2, %3").arg(p.sheet).arg(p.x).arg(p.y);
}

// The presets offered are the table's, in its order, each found again by its name.
template <typename Entry, std::size_t N, typename Preset>
void presetsListedOnce(const Entry (&table)[N], const std::array<Preset, N>& offered,
                       bool (*fromName)(const std::string&, Preset&)) {
    for (std::size_t i = 0; i < N; ++i) {
        QCOMPARE(offered[i], table[i].preset);
        Preset named = table[(i + 1) % N].preset;
        QVERIFY(fromName(table[i].name, named));
        QCOMPARE(named, table[i].preset);
    }
}

}  // namespace

class SheetLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void slotsOfAGridWithMarginsAndGaps();
    void foldOverSlipsTakeTwoCardsPlaces();
    void oneRefusalForBothKinds();
    void runWalksTheSlots();
    void bothFormatsAreSheetLayouts();
};

// 50 x 30 cards inside 10 mm margins: 3 across (3 x 54 - 4 = 158 mm of 190), 8 down
// (8 x 33 - 3 = 261 mm of 277), the block centred at 26 mm from the left and 18 from the top.
void SheetLayoutTest::slotsOfAGridWithMarginsAndGaps() {
    SheetLayout layout = withGaps(50, 30);
    QVERIFY(layout.fill(10));
    QCOMPARE(layout.columns, 3);
    QCOMPARE(layout.rows, 8);
    QCOMPARE(layout.left, 26.0);
    QCOMPARE(layout.top, 18.0);
    const SheetGrid grid = print::sheetGrid(layout);
    QCOMPARE(grid.count(), 24);
    QCOMPARE(layout.cardsPerSheet(), 24);
    QCOMPARE(place(grid.slot(0)), QStringLiteral("0: 26, 18"));
    QCOMPARE(place(grid.slot(1)), QStringLiteral("0: 80, 18"));
    QCOMPARE(place(grid.slot(4)), QStringLiteral("0: 80, 51"));
    QCOMPARE(place(grid.slot(23)), QStringLiteral("0: 134, 249"));
    QCOMPARE(place(grid.slot(24)), QStringLiteral("1: 26, 18"));
    QCOMPARE(place(grid.slot(50)), QStringLiteral("2: 134, 18"));
    QCOMPARE(grid.sheetsFor(0), 0);
    QCOMPARE(grid.sheetsFor(24), 1);
    QCOMPARE(grid.sheetsFor(25), 2);
    QCOMPARE(grid.sheetsFor(22, 2), 1);
    QCOMPARE(grid.sheetsFor(23, 2), 2);
    // A card that fills the sheet exactly fits: the A6 card on an A6 sheet without margin.
    SheetLayout a6;
    a6.paper = Paper::A6;
    a6.width = 105;
    a6.height = 148;
    QVERIFY(a6.fill(0));
    QCOMPARE(place(print::sheetGrid(a6).slot(1)), QStringLiteral("1: 0, 0"));
}

// A wide card's slip is two cards side by side: one slip across the three columns, recentred
// over the one left over; a tall card's is two cards one below the other.
void SheetLayoutTest::foldOverSlipsTakeTwoCardsPlaces() {
    SheetLayout wide = withGaps(50, 30);
    QVERIFY(wide.fill(10));
    QVERIFY(!wide.tall());
    const SheetGrid slips = print::sheetGrid(wide, true);
    QCOMPARE(slips.columns, 1);
    QCOMPARE(slips.rows, 8);
    QCOMPARE(slips.width, 100.0);
    QCOMPARE(slips.height, 30.0);
    QCOMPARE(place(slips.slot(0)), QStringLiteral("0: 53, 18"));
    QCOMPARE(place(slips.slot(9)), QStringLiteral("1: 53, 51"));

    // 30 x 50: 5 across from 22 mm, 5 down from 17.5 mm; two rows of slips, recentred by half
    // a card's step over the row left over.
    SheetLayout tall = withGaps(30, 50);
    QVERIFY(tall.fill(10));
    QCOMPARE(tall.columns, 5);
    QCOMPARE(tall.rows, 5);
    const SheetGrid tallSlips = print::sheetGrid(tall, true);
    QCOMPARE(tallSlips.count(), 10);
    QCOMPARE(tallSlips.width, 30.0);
    QCOMPARE(tallSlips.height, 100.0);
    QCOMPARE(place(tallSlips.slot(0)), QStringLiteral("0: 22, 44"));
    QCOMPARE(place(tallSlips.slot(7)), QStringLiteral("0: 90, 150"));
    QCOMPARE(place(tallSlips.slot(10)), QStringLiteral("1: 22, 44"));
}

// A size that fits no sheet is refused in one text, by the waybill cards and the car cards.
void SheetLayoutTest::oneRefusalForBothKinds() {
    std::string why;
    SheetLayout layout;
    layout.width = 250;
    layout.height = 50;
    QVERIFY(!layout.fill(print::kSheetMargin, &why));
    QCOMPARE(layout.cardsPerSheet(), 0);
    const QString refusal = "Karta 250 × 50 mm nie mieści się na arkuszu A4 (marginesy 5 mm).";
    QCOMPARE(QString::fromStdString(why), refusal);
    std::string waybill, car;
    QVERIFY(!print::customCardFormat(250, 50, Paper::A4, false, &waybill));
    QVERIFY(!print::customCarCardFormat(250, 50, Paper::A4, &car));
    QCOMPARE(QString::fromStdString(waybill), refusal);
    QCOMPARE(QString::fromStdString(car), refusal);
    layout.landscape = true;
    QVERIFY(layout.fill(print::kSheetMargin, &why));
    layout.paper = Paper::Letter;
    layout.width = 300.5;
    QVERIFY(!layout.fill(print::kSheetMargin, &why));
    QCOMPARE(QString::fromStdString(why),
             "Karta 300,5 × 50 mm nie mieści się na arkuszu Letter poziomo (marginesy 5 mm).");
}

// Four 100 x 140 cards from (5, 8.5), from the fourth slot on, moved 1 mm right and 2 mm up,
// at 10 pixels a millimetre.
void SheetLayoutTest::runWalksTheSlots() {
    SheetLayout layout;
    layout.width = 100;
    layout.height = 140;
    QVERIFY(layout.fill(0));
    testing::RecordingPrintService service;
    print::SlotRun run(service, print::sheetGrid(layout), 10, 3, 10, -20);
    QVERIFY(service.calls.isEmpty());
    QCOMPARE(run.next(), std::make_pair(106.0, 146.5));
    QCOMPARE(service.calls, QStringList({"used 60,65,1060,1465", "used 1060,65,2060,1465",
                                         "used 60,1465,1060,2865"}));
    service.calls.clear();
    QCOMPARE(run.next(), std::make_pair(6.0, 6.5));
    QCOMPARE(run.next(), std::make_pair(106.0, 6.5));
    QCOMPARE(service.calls, QStringList({"newpage"}));
    // A grid without a slot (a slip of a card that fits once) is refused.
    SheetLayout once = layout;
    once.width = 150;
    QVERIFY(once.fill(0));
    QCOMPARE(print::sheetGrid(once, true).count(), 0);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             print::SlotRun(service, print::sheetGrid(once, true), 10, 0, 0, 0));
}

// Both formats hold their sheet as a SheetLayout: Listy's own card sixteen to A4 from 18 mm,
// the A6 car card four to A4 from 0.5 mm down; and each kind's presets listed once.
void SheetLayoutTest::bothFormatsAreSheetLayouts() {
    const print::CardFormat listy;
    const SheetGrid cards = print::sheetGrid(listy);
    QCOMPARE(cards.count(), 16);
    QCOMPARE(place(cards.slot(5)), QStringLiteral("0: 63, 83"));
    QCOMPARE(listy, print::cardFormat(print::CardPreset::Listy));
    const print::CarCardFormat a6;
    QCOMPARE(place(print::sheetGrid(a6).slot(3)), QStringLiteral("0: 105, 148.5"));
    QCOMPARE(a6, print::carCardFormat(print::CarCardPreset::A6));

    presetsListedOnce(print::kCardPresetTable, print::kPresets, print::presetFromName);
    presetsListedOnce(print::kCarCardPresetTable, print::kCarPresets, print::carPresetFromName);
    QCOMPARE(print::presetName(print::CardPreset::H0Europa), "h0-europa");
    QCOMPARE(print::carPresetLabel(print::CarCardPreset::NRe), "N-RE (46×70)");
    print::CardPreset unchanged = print::CardPreset::NRe;
    QVERIFY(!print::presetFromName("a6", unchanged));
    QCOMPARE(unchanged, print::CardPreset::NRe);
}

QTEST_MAIN(SheetLayoutTest)
#include "test_sheet_layout.moc"
