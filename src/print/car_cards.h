#pragma once
// Car cards: the card that travels with a wagon, its waybill in the card's pocket. The
// wagon's number large at the top left, its class and data, owner and home station, the
// pocket's outline (sized so that the chosen waybill card goes in), the speed marks as red
// diagonal stripes (one for "s", two for "ss") and the paper in the colour of the class's
// group. Lengths are millimetres of the sheet; the cards are drawn through PrintService like
// the waybill cards, so printer, PDF, preview and the command line make the same calls.

#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "model/wagons.h"
#include "print/card_format.h"
#include "print/preset_table.h"
#include "print/print_service.h"
#include "print/sheet_layout.h"

namespace print {

enum class CarCardPreset { A6, Fremo87, NRe, Custom };

struct CarCardPresetEntry {
    CarCardPreset preset;
    const char* name;      // on the command line and in the settings
    const char* label;     // for the user, translated in context "print::CarCards"
    double width, height;  // of one card; none for Custom
    // Kept free round the sheet: none for the A6 card (105 x 148, the card inside a
    // 111 x 154 laminate), which is cut from edge-to-edge sheets.
    double margin;
    // The pocket for the preset's own waybill; a custom card's is a third of the card.
    double pocketWidth, pocketHeight;
};

// The formats in the order they are offered. The A6 card fills an A6 sheet, or goes four to
// an A4 sheet (two to Letter) with no margin between them; the others go as many as fit
// inside the sheet's 5 mm margins.
inline constexpr CarCardPresetEntry kCarCardPresetTable[] = {
    {CarCardPreset::A6, "a6", QT_TRANSLATE_NOOP("print::CarCards", "Wagenkarte A6"), 105, 148, 0,
     95, 60},
    {CarCardPreset::Fremo87, "fremo87", QT_TRANSLATE_NOOP("print::CarCards", "FREMO:87 (127×104)"),
     127, 104, kSheetMargin, 57, 90},
    {CarCardPreset::NRe, "n-re", QT_TRANSLATE_NOOP("print::CarCards", "N-RE (46×70)"), 46, 70,
     kSheetMargin, 44, 46},
    {CarCardPreset::Custom, "wlasny", QT_TRANSLATE_NOOP("print::CarCards", "Własny…"), 0, 0,
     kSheetMargin, 0, 0},
};
inline constexpr auto kCarPresets = presetsOf(kCarCardPresetTable);

struct CarCardFormat : SheetLayout {
    CarCardPreset preset = CarCardPreset::A6;
    // The pocket, from the card's top-left corner: at the bottom of a tall card, at the
    // right of a wide one.
    double pocketX = 5, pocketY = 83, pocketWidth = 95, pocketHeight = 60;
    // The waybill card the pocket was sized for; none for the preset's own pocket.
    std::optional<CardPreset> pocketFor;

    // The A6 card, four to an upright A4 sheet: carCardFormat(CarCardPreset::A6).
    CarCardFormat()
        : SheetLayout{.width = 105, .height = 148, .columns = 2, .rows = 2, .left = 0, .top = 0.5} {
    }
    bool pocketAtBottom() const { return height >= width; }
    friend bool operator==(const CarCardFormat&, const CarCardFormat&) = default;
};

bool carPresetFromName(const std::string& name, CarCardPreset& preset);
// The format's name for the user, as the source text ("Wagenkarte A6", "FREMO:87 (127×104)",
// "N-RE (46×70)", "Własny…"), to be translated in context "print::CarCards".
const char* carPresetLabel(CarCardPreset preset);
// "a4", "letter", "a6".
bool carPaperFromName(const std::string& name, Paper& paper);

// A preset on upright `paper` with its own pocket, as many cards as fit inside the preset's
// margin, the block of them centred. Custom gives A6.
CarCardFormat carCardFormat(CarCardPreset preset, Paper paper = Paper::A4);
// Cards of `width` x `height` on `paper`; none, with the reason in the chosen language in
// `why`, when it is too small to hold a number and a pocket or not one fits inside the
// sheet's margins (SheetLayout::fill's refusal, as for a waybill card).
std::optional<CarCardFormat> customCarCardFormat(double width, double height, Paper paper,
                                                 std::string* why = nullptr);
// The pocket sized for `waybill` cards: their size with 2.5 mm to spare on each side, turned
// when that fits the card better, no higher than the card leaves room for (a tall slip
// stands out of the pocket's top, as in a real pocket). False, with the format unchanged,
// when the slip is wider than the card.
bool fitPocket(CarCardFormat& format, const CardFormat& waybill);

// One wagon of the run and its copies.
struct CarCardRow {
    model::Wagon wagon;
    int copies = 1;
};

struct CarCardOptions {
    CarCardFormat format;
    std::vector<model::CardColourGroup> colours = model::defaultCardColours();
    int offsetX = 0, offsetY = 0;  // the printer offset, tenths of a millimetre
};

// "#rrggbb" as a colour; white for anything else.
Rgb colourOf(const std::string& hex);
// The sheets the run takes.
int carCardSheets(const std::vector<CarCardRow>& rows, const CarCardOptions& options);

// Prints every row's copies on the printer at `printerIndex` in one document titled "Karty
// wagonów", filling each sheet row by row (SlotRun); a sheet is begun only for a card on it.
// A format with no card on its sheet is refused. An error after the document began aborts it
// before it is raised again. Returns the cards printed.
long printCarCards(PrintService& service, int printerIndex, const std::vector<CarCardRow>& rows,
                   const CarCardOptions& options);

}  // namespace print
