#pragma once
// The waybill card: by default 45 x 65 layout units (about millimetres on an upright A4
// page), sixteen to a page in four columns and four lines, six bands from the receiving
// station at the top to the sending station at the bottom. Other sizes and sheets are
// CardFormat values (card_format.h); a wide card has its bands in two columns of three.

#include <QtGlobal>
#include <array>
#include <string>

#include "print/print_service.h"

namespace print {

struct CardFormat;

inline constexpr int kColumns = 4;
inline constexpr int kLines = 4;
inline constexpr int kBands = 6;

// x in device pixels: rounded to the nearest integer, halves to the even neighbour.
int toPixels(double x);

// `text` at (x, y) in the current font of `points`, kept inside `room` (its right and bottom
// edges): set smaller down to kMinPoints, then cut with an ellipsis. A text that is not even
// one line high at the smallest size is left out. The font is `points` again afterwards.
void fittedText(PrintService& service, int x, int y, const Rect& room, const std::string& text,
                int points);

// The layout units of a page: its height in device pixels over 297.
double scaleForPageHeight(int pageHeight);

struct CardGeometry {
    int x = 0, y = 0;  // top-left corner
    int d = 0;         // inner margin
    int w = 0;         // band width
    int codeW = 0;     // width of the letter-code box in a band's corner
    Rect card;
    std::array<Rect, kBands> bands;
    // Where a band's caption and value stand, from the band's top-left corner.
    int captionDx = 7, captionDy = 10, valueDx = 0, valueDy = 85;
    int captionPoints = 8, valuePoints = 8, stationPoints = 11;
    bool fitTexts = false;  // see CardFormat

    const Rect& band(int k) const { return bands[static_cast<std::size_t>(k)]; }
    int captionX(int k = 0) const { return band(k).x1 + captionDx; }
    int captionY(int k) const { return band(k).y1 + captionDy; }
    int valueX(int k = 0) const { return band(k).x1 + valueDx; }
    int valueY(int k) const { return band(k).y1 + valueDy; }
};

// The default card in column c (0..3) and line r (0..3) at `skala` device pixels per unit.
CardGeometry cardGeometry(double skala, int c, int r);
// A card of `format` with its top-left corner at (left, top) layout units of the sheet.
CardGeometry cardGeometry(const CardFormat& format, double skala, double left, double top);

// What one card shows, each a waybill field's text.
struct CardTexts {
    std::string stOdb;    // receiving station
    std::string odb;      // receiver
    std::string ladunek;  // load
    std::string wagon;    // wagon type
    std::string nad;      // shipper
    std::string stNad;    // sending station
};

// The captions of the six bands, top to bottom, in Polish; a card shows them in the chosen
// language (context "print::Card"), a longer one set smaller rather than cut.
extern const std::array<const char*, kBands> kBandCaptions;

inline constexpr Rgb kWhite{255, 255, 255};

// A station band: its fill, and the letter code of its colour (empty for a station that
// is missing or has none of the eight colours).
struct Band {
    Rgb fill = kWhite;
    std::string code;
    friend bool operator==(const Band&, const Band&) = default;
};

// The band for a colour name of stacje.kolor; the code is the first three letters of the
// colour's name in the chosen language, in capitals ("BIA", "CZE", "ŻÓŁ", ... in Polish).
Band bandFor(const std::string& name);

// The edges of a card, for the ones that are a fold and get no cutting line.
enum CardEdge : unsigned { kLeftEdge = 1, kTopEdge = 2, kRightEdge = 4, kBottomEdge = 8 };

// How a card is drawn beyond its texts and colours.
struct CardStyle {
    bool letterCodes = false;  // each band's code in its top-right corner
    // A white card face and a thick cutting line round the card; each value clipped to its
    // band, so that nothing crosses a cutting line.
    bool tonerSaver = false;
    unsigned foldEdges = 0;  // CardEdge bits: no cutting line there
};

// Draws one card with the receiving station's band on top and the sending station's at
// the bottom. Everything it draws stays inside the card.
void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top,
              Rgb bottom);
void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, const Band& top,
              const Band& bottom, const CardStyle& style);

// The load of an empty-wagon return card.
inline constexpr const char* kEmptyLoad = QT_TRANSLATE_NOOP("print::Card", "Próżny");

// The return card of a waybill: the empty wagon goes back, so the stations and the parties
// change places, the load is "Próżny" and the wagon type stays.
CardTexts returnCard(const CardTexts& texts);

}  // namespace print
