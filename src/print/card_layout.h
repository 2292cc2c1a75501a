#pragma once
// The waybill card: 45 x 65 layout units (about millimetres on an upright A4 page), sixteen
// to a page in four columns and four lines, six bands from the receiving station at the top
// to the sending station at the bottom.

#include <array>
#include <string>

#include "print/print_service.h"

namespace print {

inline constexpr int kColumns = 4;
inline constexpr int kLines = 4;
inline constexpr int kBands = 6;

// x in device pixels: rounded to the nearest integer, halves to the even neighbour.
int toPixels(double x);

// The layout units of a page: its height in device pixels over 297.
double scaleForPageHeight(int pageHeight);

struct CardGeometry {
    int x = 0, y = 0;  // top-left corner
    int d = 0;         // inner margin
    int w = 0;         // band width
    int codeW = 0;     // width of the letter-code box in a band's corner
    Rect card;
    std::array<Rect, kBands> bands;

    int captionX() const { return x + d + 7; }
    int captionY(int band) const { return bands[static_cast<std::size_t>(band)].y1 + 10; }
    int valueX() const { return x + 2 * d; }
    int valueY(int band) const { return bands[static_cast<std::size_t>(band)].y1 + 85; }
};

// The card in column c (0..3) and line r (0..3) at `skala` device pixels per unit.
CardGeometry cardGeometry(double skala, int c, int r);

// What one card shows, each a waybill field's text.
struct CardTexts {
    std::string stOdb;    // receiving station
    std::string odb;      // receiver
    std::string ladunek;  // load
    std::string wagon;    // wagon type
    std::string nad;      // shipper
    std::string stNad;    // sending station
};

// The captions of the six bands, top to bottom.
extern const std::array<const char*, kBands> kBandCaptions;

inline constexpr Rgb kWhite{255, 255, 255};

// The band colour for a colour name of stacje.kolor: one of the eight, and white for any
// other text (a station that has no colour of its own).
Rgb bandColour(const std::string& name);

// A station band: its fill, and the letter code of its colour (empty for a station that
// is missing or has none of the eight colours).
struct Band {
    Rgb fill = kWhite;
    std::string code;
    friend bool operator==(const Band&, const Band&) = default;
};

// The band for a colour name of stacje.kolor; the code is the first three letters of the
// colour's Polish name in capitals ("BIA", "CZE", "ŻÓŁ", ...).
Band bandFor(const std::string& name);

// How a card is drawn beyond its texts and colours.
struct CardStyle {
    bool letterCodes = false;  // each band's code in its top-right corner
    bool tonerSaver = false;   // a white card face and a thick cutting line round the card
};

// Draws one card with the receiving station's band on top and the sending station's at
// the bottom. Everything it draws stays inside the card.
void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top,
              Rgb bottom);
void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, const Band& top,
              const Band& bottom, const CardStyle& style);

// The load of an empty-wagon return card.
inline constexpr const char* kEmptyLoad = "Próżny";

// The return card of a waybill: the empty wagon goes back, so the stations and the parties
// change places, the load is "Próżny" and the wagon type stays.
CardTexts returnCard(const CardTexts& texts);

}  // namespace print
