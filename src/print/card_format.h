#pragma once
// CardFormat: a card's size, its place on the sheet and the proportions of its bands, as one
// plain value. Lengths are layout units: millimetres on the sheet. The default value is
// Listy's own card, 45 x 65, sixteen to an upright A4 sheet, whose bands and texts are placed
// by whole device pixels as well as by units; the other formats are built from a card's size
// by cardFormat() and customCardFormat().

#include <optional>
#include <string>

#include "print/print_service.h"

namespace print {

// A length of the card layout: `units` scaled to device pixels and rounded, then `pixels`
// device pixels added unscaled.
struct Length {
    double units = 0;
    int pixels = 0;
    int at(double skala) const;
    friend bool operator==(const Length&, const Length&) = default;
};

// The formats offered, in the order they are offered; Custom is the user's own size.
enum class CardPreset { Listy, H0Europa, Fremo87, Wizytowki, NRe, Custom };
inline constexpr CardPreset kPresets[] = {CardPreset::Listy,   CardPreset::H0Europa,
                                          CardPreset::Fremo87, CardPreset::Wizytowki,
                                          CardPreset::NRe,     CardPreset::Custom};

// The margin of the sheet that no card reaches into: the printable area of common printers.
inline constexpr double kSheetMargin = 5;
// No text of a fitted card is set smaller than this.
inline constexpr int kMinPoints = 6;

struct CardFormat {
    CardPreset preset = CardPreset::Listy;
    Paper paper = Paper::A4;
    bool landscape = false;
    double width = 45, height = 65;  // of one card
    int columns = 4, rows = 4;       // cards on a sheet
    double left = 18, top = 18;      // the first card's top-left corner on the sheet
    double gapX = 0, gapY = 0;       // between neighbouring cards

    // The six bands: in one column from the receiving station at the top to the sending
    // station at the bottom, or in two columns of three (receiving station, receiver, load;
    // wagon type, shipper, sending station).
    int bandColumns = 1;
    double inner = 2.5;     // around the bands and between them
    double bandWidth = 41;  // of one band
    Length bandHeight{8, 10};
    // A band's caption and value, from the band's top-left corner.
    Length captionX{0, 7}, captionY{0, 10}, valueX{2.5, 0}, valueY{0, 85};
    double codeWidth = 9;  // the letter code's box
    int captionPoints = 8, valuePoints = 8, stationPoints = 11;
    // Every text set smaller, down to kMinPoints, and then cut with an ellipsis to stay in
    // its band. Off for Listy's own card, whose values run on to the card's edge.
    bool fitTexts = false;

    int cardsPerSheet() const { return columns * rows; }
    // A tall card folds over a horizontal line, any other over a vertical one.
    bool tall() const { return height > width; }
    friend bool operator==(const CardFormat&, const CardFormat&) = default;
};

double paperWidth(Paper paper, bool landscape);
double paperHeight(Paper paper, bool landscape);
inline double paperWidth(const CardFormat& f) {
    return paperWidth(f.paper, f.landscape);
}
inline double paperHeight(const CardFormat& f) {
    return paperHeight(f.paper, f.landscape);
}

// The names on the command line ("listy", "h0-europa", "fremo87", "wizytowki", "n-re";
// "wlasny" for Custom) and in the settings; false for any other text.
const char* presetName(CardPreset preset);
bool presetFromName(const std::string& name, CardPreset& preset);
// The format's name for the user, in Polish ("H0-Europa 90×45 (12 na A4)", "Własny…").
const char* presetLabel(CardPreset preset);
// "a4", "letter".
const char* paperName(Paper paper);
bool paperFromName(const std::string& name, Paper& paper);
// "A4", "Letter".
const char* paperLabel(Paper paper);

// A preset on upright `paper`: as many cards as fit inside the sheet's margins, the block of
// them centred on the sheet (Listy's own card keeps its place on A4). Custom gives Listy.
CardFormat cardFormat(CardPreset preset, Paper paper = Paper::A4);
// Cards of `width` x `height` on `paper`; none, with the reason in Polish in `why`, when not
// one card fits inside the sheet's margins or its bands cannot hold their texts.
std::optional<CardFormat> customCardFormat(double width, double height, Paper paper, bool landscape,
                                           std::string* why = nullptr);

// The slots of a sheet: cards, or with `fold` slips of two cards, each slip taking two
// neighbouring cards' places (the block recentred when one is left over).
struct SheetGrid {
    int columns = 0, rows = 0;
    double left = 0, top = 0;     // the first slot's top-left corner
    double stepX = 0, stepY = 0;  // from one slot to the next
    int count() const { return columns * rows; }
};
SheetGrid sheetGrid(const CardFormat& format, bool fold);

}  // namespace print
