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

// Draws one card with the receiving station's band colour on top and the sending
// station's at the bottom. Everything it draws stays inside the card.
void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top, Rgb bottom);

}  // namespace print
