#pragma once
// CardFormat: the waybill card's sheet layout (its size and its place on the sheet) and the
// proportions of its bands, as one plain value. Lengths are layout units: millimetres on the
// sheet. The default value is Listy's own card, 45 x 65, sixteen to an upright A4 sheet,
// whose bands and texts are placed by whole device pixels as well as by units; the other
// formats are built from a card's size by cardFormat() and customCardFormat().

#include <QtGlobal>
#include <optional>
#include <string>

#include "print/preset_table.h"
#include "print/print_service.h"
#include "print/sheet_layout.h"

namespace print {

// A length of the card layout: `units` scaled to device pixels and rounded, then `pixels`
// device pixels added unscaled.
struct Length {
    double units = 0;
    int pixels = 0;
    int at(double skala) const;
    friend bool operator==(const Length&, const Length&) = default;
};

// The formats offered; Custom is the user's own size.
enum class CardPreset { Listy, H0Europa, Fremo87, Wizytowki, NRe, Custom };

struct CardPresetEntry {
    CardPreset preset;
    const char* name;      // on the command line and in the settings
    const char* label;     // for the user, translated in context "print::CardFormat"
    double width, height;  // of one card; none for Custom
};

// The formats in the order they are offered. Each preset card goes as many to a sheet as fit
// inside its margins (the label counts them on A4).
inline constexpr CardPresetEntry kCardPresetTable[] = {
    {CardPreset::Listy, "listy", QT_TRANSLATE_NOOP("print::CardFormat", "Listy 45×65 (16 na A4)"),
     45, 65},
    {CardPreset::H0Europa, "h0-europa",
     QT_TRANSLATE_NOOP("print::CardFormat", "H0-Europa 90×45 (12 na A4)"), 90, 45},
    {CardPreset::Fremo87, "fremo87",
     QT_TRANSLATE_NOOP("print::CardFormat", "FREMO:87 90×57 (10 na A4)"), 90, 57},
    {CardPreset::Wizytowki, "wizytowki",
     QT_TRANSLATE_NOOP("print::CardFormat", "Wizytówki 85×54 (10 na A4)"), 85, 54},
    {CardPreset::NRe, "n-re", QT_TRANSLATE_NOOP("print::CardFormat", "N-RE 66×42"), 66, 42},
    {CardPreset::Custom, "wlasny", QT_TRANSLATE_NOOP("print::CardFormat", "Własny…"), 0, 0},
};
inline constexpr auto kPresets = presetsOf(kCardPresetTable);

// No text of a fitted card is set smaller than this.
inline constexpr int kMinPoints = 6;

struct CardFormat : SheetLayout {
    CardPreset preset = CardPreset::Listy;

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

    // Listy's own card: 4 x 4 on an upright A4 sheet from (18, 18), no gaps.
    CardFormat()
        : SheetLayout{.width = 45, .height = 65, .columns = 4, .rows = 4, .left = 18, .top = 18} {}
    friend bool operator==(const CardFormat&, const CardFormat&) = default;
};

// The names on the command line ("listy", "h0-europa", "fremo87", "wizytowki", "n-re";
// "wlasny" for Custom) and in the settings; false for any other text.
const char* presetName(CardPreset preset);
bool presetFromName(const std::string& name, CardPreset& preset);
// The format's name for the user, as the source text ("H0-Europa 90×45 (12 na A4)",
// "Własny…"), to be translated in context "print::CardFormat".
const char* presetLabel(CardPreset preset);

// A preset on upright `paper`: as many cards as fit inside the sheet's margins, the block of
// them centred on the sheet (Listy's own card keeps its place on A4). Custom gives Listy.
CardFormat cardFormat(CardPreset preset, Paper paper = Paper::A4);
// Cards of `width` x `height` on `paper`; none, with the reason in the chosen language in
// `why`, when not one card fits inside the sheet's margins or its bands cannot hold their
// texts.
std::optional<CardFormat> customCardFormat(double width, double height, Paper paper, bool landscape,
                                           std::string* why = nullptr);

}  // namespace print
