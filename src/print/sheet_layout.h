#pragma once
// SheetLayout: cards of one size in a grid on a sheet of paper, as one plain value; the
// waybill cards' CardFormat and the car cards' CarCardFormat are each one, with what their
// cards hold besides. SheetGrid gives the slots a run fills (the cards' places, or the
// fold-over slips' of two cards each), SlotRun walks them sheet by sheet for both runs.
// Lengths are millimetres of the sheet.

#include <string>
#include <utility>

#include "print/print_service.h"

namespace print {

// The margin of the sheet that no card reaches into: the printable area of common printers.
inline constexpr double kSheetMargin = 5;

double paperWidth(Paper paper, bool landscape);
double paperHeight(Paper paper, bool landscape);
// "a4", "letter", "a6".
const char* paperName(Paper paper);
// "a4" or "letter" (the waybill cards' papers); false for any other text.
bool paperFromName(const std::string& name, Paper& paper);
// "A4", "Letter", "A6".
const char* paperLabel(Paper paper);

// A length for the user: millimetres, with a comma and one decimal when it has one ("45",
// "12,5").
std::string millimetres(double length);

// Where a slot lies: the sheet it is on (0 for the first) and its top-left corner.
struct SlotPlace {
    int sheet = 0;
    double x = 0, y = 0;
};

// The slots of a sheet, counted row by row from the top-left one.
struct SheetGrid {
    int columns = 0, rows = 0;
    double left = 0, top = 0;      // the first slot's top-left corner
    double stepX = 0, stepY = 0;   // from one slot to the next
    double width = 0, height = 0;  // of one slot
    int count() const { return columns * rows; }
    // Slot `n` of a run, counted on over the sheets from the first sheet's first slot. Only
    // for a grid that has a slot.
    SlotPlace slot(long n) const;
    // The sheets that `used` slots take from slot `first` of the first sheet on (0 for
    // none).
    int sheetsFor(long used, int first = 0) const;
};

struct SheetLayout {
    Paper paper = Paper::A4;
    bool landscape = false;
    double width = 0, height = 0;  // of one card
    int columns = 0, rows = 0;     // cards on a sheet
    double left = 0, top = 0;      // the first card's top-left corner on the sheet
    double gapX = 0, gapY = 0;     // between neighbouring cards

    int cardsPerSheet() const { return columns * rows; }
    // A tall card folds over a horizontal line, any other over a vertical one.
    bool tall() const { return height > width; }
    // "45 × 65 mm".
    std::string sizeText() const;
    // Places as many cards as fit inside `margin` round the sheet, the block of them centred.
    // False when not one fits, with the reason in the chosen language in `why`: "Karta 300 ×
    // 50 mm nie mieści się na arkuszu A4 (marginesy 5 mm).", the one refusal of both kinds of
    // card.
    bool fill(double margin, std::string* why = nullptr);
    friend bool operator==(const SheetLayout&, const SheetLayout&) = default;
};

inline double paperWidth(const SheetLayout& layout) {
    return paperWidth(layout.paper, layout.landscape);
}
inline double paperHeight(const SheetLayout& layout) {
    return paperHeight(layout.paper, layout.landscape);
}

// The slots of a sheet of `layout`: its cards, or with `fold` slips of two cards, each slip
// taking two neighbouring cards' places, one below the other for a tall card and side by side
// for any other (the block recentred when one is left over).
SheetGrid sheetGrid(const SheetLayout& layout, bool fold = false);

// The cards of one run placed slot after slot, from slot `first` (from 0) of the first sheet;
// `offsetX` and `offsetY`, the printer offset in tenths of a millimetre, move every card. A
// grid without a slot is refused (std::invalid_argument, in the chosen language).
class SlotRun {
public:
    SlotRun(PrintService& service, const SheetGrid& grid, double skala, int first, int offsetX,
            int offsetY);
    // The top-left corner of the next card's slot, in millimetres of the sheet. A sheet is
    // begun only for a card that goes on it; before the first card, the slots before `first`
    // are told to the service as used (PrintService::usedSlot, in device pixels at `skala`).
    std::pair<double, double> next();

private:
    PrintService& service_;
    SheetGrid grid_;
    double skala_;
    int first_;
    double offsetX_, offsetY_;  // millimetres
    long next_;                 // the slot of the next card, counted on over the sheets
    int sheet_ = 0;             // the sheet begun last
};

}  // namespace print
