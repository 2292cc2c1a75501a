#pragma once
// The waybill card: 45 x 65 layout units (about millimetres on an upright A4 page), sixteen
// to a page in four columns and four lines, six bands from the receiving station at the top
// to the sending station at the bottom.

#include <array>
#include <string>

#include "print/print_service.h"
#include "db/forward.h"

namespace print {

inline constexpr int kColumns = 4;
inline constexpr int kLines = 4;
inline constexpr int kBands = 6;

// x in device pixels: rounded to the nearest integer, halves to the even neighbour.
int toPixels(double x);

// The layout units of a page: its height in device pixels over 297.
double scaleForPageHeight(int pageHeight);

struct Rect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // x2, y2 exclusive
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct CardGeometry {
    int x = 0, y = 0;  // top-left corner
    int d = 0;         // inner margin
    int w = 0;         // band width
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

// The fill colour for a colour name of stacje.kolor; false for any other text.
bool fillForColourName(const std::string& name, Rgb& colour);

// Draws one card. The band colours are read from stacje through `sql2` for this card
// ("select kolor from stacje where nazwa='<station>';"); a station that is not found, or a
// colour name that is none of the eight, leaves the fill colour as it was.
void drawCard(PrintService& service, db::SqlQuery& sql2, const CardGeometry& g, const CardTexts& texts);

}  // namespace print
