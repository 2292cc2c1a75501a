#include "print/card_layout.h"

#include <cmath>

#include "store/colours.h"

namespace print {

const std::array<const char*, kBands> kBandCaptions{
    "Stacja odbioru", "Odbiorca", "Ładunek", "Rodzaj wagonu", "Nadawca", "Stacja nadania"};

int toPixels(double x) {
    const double below = std::floor(x);
    const double rest = x - below;
    double result = below;
    if (rest > 0.5) {
        result = below + 1;
    } else if (rest == 0.5) {
        result = std::fmod(below, 2.0) == 0.0 ? below : below + 1;
    }
    return static_cast<int>(result);
}

double scaleForPageHeight(int pageHeight) { return pageHeight / 297.0; }

CardGeometry cardGeometry(double s, int c, int r) {
    CardGeometry g;
    g.x = toPixels((45 * c + 18) * s);
    g.y = toPixels((65 * r + 18) * s);
    g.d = toPixels(2.5 * s);
    g.w = toPixels(41 * s);
    g.card = {g.x, g.y, g.x + toPixels(45 * s), g.y + toPixels(65 * s)};
    for (int k = 0; k < kBands; ++k) {
        const int base = g.y + (k + 1) * g.d;
        g.bands[static_cast<std::size_t>(k)] = {g.x + g.d, base + (k == 0 ? 0 : toPixels(8 * k * s)),
                                                g.x + g.d + g.w, base + toPixels(8 * (k + 1) * s) + 10};
    }
    return g;
}

Rgb bandColour(const std::string& name) {
    const auto found = store::colourByName(name);
    return found ? Rgb{found->red, found->green, found->blue} : kWhite;
}

namespace {

void rectangle(PrintService& service, const Rect& r) { service.rectangle(r.x1, r.y1, r.x2, r.y2); }

}  // namespace

void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top, Rgb bottom) {
    service.clip(g.card);
    service.setFontSize(8);
    service.setFillColour({192, 192, 192});
    rectangle(service, g.card);
    service.setFillColour(kWhite);
    for (int k = 1; k <= 4; ++k) rectangle(service, g.bands[static_cast<std::size_t>(k)]);
    service.setFillColour(top);
    rectangle(service, g.bands[0]);
    service.setFillColour(bottom);
    rectangle(service, g.bands[5]);
    service.setFillColour(kWhite);
    for (int k = 0; k < kBands; ++k) {
        service.text(g.captionX(), g.captionY(k), kBandCaptions[static_cast<std::size_t>(k)]);
    }
    service.setFontStyle(FontStyle::Bold);
    service.setFontSize(11);
    service.text(g.valueX(), g.valueY(0), texts.stOdb);
    service.setFontStyle(FontStyle::Regular);
    service.setFontSize(8);
    const std::array<const std::string*, kBands - 1> values{&texts.odb, &texts.ladunek, &texts.wagon,
                                                            &texts.nad, &texts.stNad};
    for (int k = 1; k < kBands; ++k) service.text(g.valueX(), g.valueY(k), *values[static_cast<std::size_t>(k - 1)]);
    service.unclip();
}

}  // namespace print
