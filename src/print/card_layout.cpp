#include "print/card_layout.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "store/colours.h"

namespace print {

const std::array<const char*, kBands> kBandCaptions{"Stacja odbioru", "Odbiorca", "Ładunek",
                                                    "Rodzaj wagonu",  "Nadawca",  "Stacja nadania"};

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

double scaleForPageHeight(int pageHeight) {
    return pageHeight / 297.0;
}

CardGeometry cardGeometry(double s, int c, int r) {
    CardGeometry g;
    g.x = toPixels((45 * c + 18) * s);
    g.y = toPixels((65 * r + 18) * s);
    g.d = toPixels(2.5 * s);
    g.w = toPixels(41 * s);
    g.codeW = toPixels(9 * s);
    g.card = {g.x, g.y, g.x + toPixels(45 * s), g.y + toPixels(65 * s)};
    for (int k = 0; k < kBands; ++k) {
        const int base = g.y + (k + 1) * g.d;
        g.bands[static_cast<std::size_t>(k)] = {
            g.x + g.d, base + (k == 0 ? 0 : toPixels(8 * k * s)), g.x + g.d + g.w,
            base + toPixels(8 * (k + 1) * s) + 10};
    }
    return g;
}

Rgb bandColour(const std::string& name) {
    const auto found = store::colourByName(name);
    return found ? Rgb{found->red, found->green, found->blue} : kWhite;
}

Band bandFor(const std::string& name) {
    const auto found = store::colourByName(name);
    if (!found) return {};
    const QString label =
        QString::fromUtf8(found->label.data(), static_cast<qsizetype>(found->label.size()));
    return {{found->red, found->green, found->blue}, label.left(3).toUpper().toStdString()};
}

CardTexts returnCard(const CardTexts& t) {
    return {t.stNad, t.nad, kEmptyLoad, t.wagon, t.odb, t.stOdb};
}

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCardGrey{192, 192, 192};

void rectangle(PrintService& service, const Rect& r) {
    service.rectangle(r.x1, r.y1, r.x2, r.y2);
}

// A black frame along the inside of the card's edge; the frames of neighbouring cards meet
// in one line twice as thick, to cut along its middle.
void cuttingLine(PrintService& service, const CardGeometry& g) {
    const Rect& c = g.card;
    const int t = std::max(2, g.d / 8);
    service.setFillColour(kBlack);
    rectangle(service, {c.x1, c.y1, c.x2, c.y1 + t});
    rectangle(service, {c.x1, c.y2 - t, c.x2, c.y2});
    rectangle(service, {c.x1, c.y1, c.x1 + t, c.y2});
    rectangle(service, {c.x2 - t, c.y1, c.x2, c.y2});
}

// The code in a white box in the top-right corner of the band, on the caption's line: black
// on white, so it reads on every band colour and from a black-and-white printer. The box
// reaches a little into the value's line, where the value has only the space above its
// capitals.
void letterCode(PrintService& service, const CardGeometry& g, int band, const std::string& code) {
    if (code.empty()) return;
    const Rect& b = g.bands[static_cast<std::size_t>(band)];
    const Rect box{b.x2 - g.codeW, b.y1, b.x2, g.valueY(band) + 8};
    service.setFillColour(kWhite);
    rectangle(service, box);
    service.text(box.x1 + 7, g.captionY(band), code);
}

}  // namespace

void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top,
              Rgb bottom) {
    drawCard(service, g, texts, Band{top, {}}, Band{bottom, {}}, {});
}

void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts,
              const Band& topBand, const Band& bottomBand, const CardStyle& style) {
    const Rgb top = topBand.fill;
    const Rgb bottom = bottomBand.fill;
    service.clip(g.card);
    service.setFontSize(8);
    service.setFillColour(style.tonerSaver ? kWhite : kCardGrey);
    rectangle(service, g.card);
    if (style.tonerSaver) cuttingLine(service, g);
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
    const std::array<const std::string*, kBands - 1> values{&texts.odb, &texts.ladunek,
                                                            &texts.wagon, &texts.nad, &texts.stNad};
    for (int k = 1; k < kBands; ++k)
        service.text(g.valueX(), g.valueY(k), *values[static_cast<std::size_t>(k - 1)]);
    if (style.letterCodes && !(topBand.code.empty() && bottomBand.code.empty())) {
        service.setFontStyle(FontStyle::Bold);
        letterCode(service, g, 0, topBand.code);
        letterCode(service, g, kBands - 1, bottomBand.code);
        service.setFontStyle(FontStyle::Regular);
    }
    service.unclip();
}

}  // namespace print
