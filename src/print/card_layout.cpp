#include "print/card_layout.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <algorithm>
#include <cmath>

#include "model/colours.h"
#include "print/card_format.h"

namespace print {

const std::array<const char*, kBands> kBandCaptions{
    QT_TRANSLATE_NOOP("print::Card", "Stacja odbioru"),
    QT_TRANSLATE_NOOP("print::Card", "Odbiorca"),
    QT_TRANSLATE_NOOP("print::Card", "Ładunek"),
    QT_TRANSLATE_NOOP("print::Card", "Rodzaj wagonu"),
    QT_TRANSLATE_NOOP("print::Card", "Nadawca"),
    QT_TRANSLATE_NOOP("print::Card", "Stacja nadania")};

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
    const CardFormat listy;
    return cardGeometry(listy, s, listy.left + listy.width * c, listy.top + listy.height * r);
}

CardGeometry cardGeometry(const CardFormat& f, double s, double left, double top) {
    CardGeometry g;
    g.x = toPixels(left * s);
    g.y = toPixels(top * s);
    g.d = toPixels(f.inner * s);
    g.w = toPixels(f.bandWidth * s);
    g.codeW = toPixels(f.codeWidth * s);
    g.card = {g.x, g.y, g.x + toPixels(f.width * s), g.y + toPixels(f.height * s)};
    const int perColumn = kBands / f.bandColumns;
    for (int k = 0; k < kBands; ++k) {
        const int column = k / perColumn;
        const int line = k % perColumn;
        const int base = g.y + (line + 1) * g.d;
        const int x1 = g.x + g.d + column * (g.w + g.d);
        g.bands[static_cast<std::size_t>(k)] = {
            x1, base + (line == 0 ? 0 : toPixels(f.bandHeight.units * line * s)), x1 + g.w,
            base + toPixels(f.bandHeight.units * (line + 1) * s) + f.bandHeight.pixels};
    }
    g.captionDx = f.captionX.at(s);
    g.captionDy = f.captionY.at(s);
    g.valueDx = f.valueX.at(s);
    g.valueDy = f.valueY.at(s);
    g.captionPoints = f.captionPoints;
    g.valuePoints = f.valuePoints;
    g.stationPoints = f.stationPoints;
    g.fitTexts = f.fitTexts;
    return g;
}

Band bandFor(const std::string& name) {
    const auto found = model::colourByName(name);
    if (!found) return {};
    // The code is the first three letters of the colour's name in the chosen language.
    const QString label =
        QCoreApplication::translate("model::FremoColour", std::string(found->label).c_str());
    return {{found->red, found->green, found->blue}, label.left(3).toUpper().toStdString()};
}

CardTexts returnCard(const CardTexts& t) {
    return {t.stNad, t.nad, QCoreApplication::translate("print::Card", kEmptyLoad).toStdString(),
            t.wagon, t.odb, t.stOdb};
}

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCardGrey{192, 192, 192};

void rectangle(PrintService& service, const Rect& r) {
    service.rectangle(r.x1, r.y1, r.x2, r.y2);
}

// A black frame along the inside of the card's edge; the frames of neighbouring cards meet
// in one line twice as thick, to cut along its middle. A fold gets none.
void cuttingLine(PrintService& service, const CardGeometry& g, unsigned folds) {
    const Rect& c = g.card;
    const int t = std::max(2, g.d / 8);
    service.setFillColour(kBlack);
    if (!(folds & kTopEdge)) rectangle(service, {c.x1, c.y1, c.x2, c.y1 + t});
    if (!(folds & kBottomEdge)) rectangle(service, {c.x1, c.y2 - t, c.x2, c.y2});
    if (!(folds & kLeftEdge)) rectangle(service, {c.x1, c.y1, c.x1 + t, c.y2});
    if (!(folds & kRightEdge)) rectangle(service, {c.x2 - t, c.y1, c.x2, c.y2});
}

// The code in a white box in the top-right corner of the band, on the caption's line: black
// on white, so it reads on every band colour and from a black-and-white printer. The box
// reaches a little into the value's line, where the value has only the space above its
// capitals.
void letterCode(PrintService& service, const CardGeometry& g, int band, const std::string& code) {
    if (code.empty()) return;
    const Rect& b = g.band(band);
    const Rect box{b.x2 - g.codeW, b.y1, b.x2, g.valueY(band) + 8};
    service.setFillColour(kWhite);
    rectangle(service, box);
    if (g.fitTexts) {
        fittedText(service, box.x1 + 7, g.captionY(band), box, code, g.captionPoints);
    } else {
        service.text(box.x1 + 7, g.captionY(band), code);
    }
}

}  // namespace

void fittedText(PrintService& service, int x, int y, const Rect& room, const std::string& text,
                int points) {
    auto fits = [&](const std::string& t) {
        const TextExtent e = service.measure(t);
        return x + e.width <= room.x2 && y + e.height <= room.y2;
    };
    int size = points;
    while (!fits(text) && size > kMinPoints) service.setFontSize(--size);
    std::string shown = text;
    if (!fits(shown)) {
        // The longest beginning, cut between characters, that fits with the ellipsis.
        const QList<uint> chars = QString::fromStdString(text).toUcs4();
        auto cut = [&chars](qsizetype n) {
            return (QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), n)
                        .trimmed() +
                    QStringLiteral("…"))
                .toStdString();
        };
        qsizetype lo = 0, hi = chars.size() - 1;  // cut(lo) is tried last; hi may fit
        while (lo < hi) {
            const qsizetype n = (lo + hi + 1) / 2;
            if (fits(cut(n))) {
                lo = n;
            } else {
                hi = n - 1;
            }
        }
        shown = cut(lo);
        if (!fits(shown)) shown.clear();
    }
    if (!shown.empty()) service.text(x, y, shown);
    if (size != points) service.setFontSize(points);
}

void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts, Rgb top,
              Rgb bottom) {
    drawCard(service, g, texts, Band{top, {}}, Band{bottom, {}}, {});
}

void drawCard(PrintService& service, const CardGeometry& g, const CardTexts& texts,
              const Band& topBand, const Band& bottomBand, const CardStyle& style) {
    const Rgb top = topBand.fill;
    const Rgb bottom = bottomBand.fill;
    const bool codes = style.letterCodes && !(topBand.code.empty() && bottomBand.code.empty());
    service.clip(g.card);
    service.setFontSize(g.captionPoints);
    service.setFillColour(style.tonerSaver ? kWhite : kCardGrey);
    rectangle(service, g.card);
    if (style.tonerSaver) cuttingLine(service, g, style.foldEdges);
    service.setFillColour(kWhite);
    for (int k = 1; k <= 4; ++k) rectangle(service, g.band(k));
    service.setFillColour(top);
    rectangle(service, g.band(0));
    service.setFillColour(bottom);
    rectangle(service, g.band(5));
    service.setFillColour(kWhite);
    for (int k = 0; k < kBands; ++k) {
        const char* polish = kBandCaptions[static_cast<std::size_t>(k)];
        const std::string caption =
            QCoreApplication::translate("print::Card", polish).toStdString();
        if (!g.fitTexts && caption == polish) {
            service.text(g.captionX(k), g.captionY(k), caption);
            continue;
        }
        // The caption leaves room for the letter code beside it.
        Rect room = g.band(k);
        const std::string& code = k == 0 ? topBand.code : bottomBand.code;
        if (codes && (k == 0 || k == kBands - 1) && !code.empty()) room.x2 -= g.codeW;
        fittedText(service, g.captionX(k), g.captionY(k), room, caption, g.captionPoints);
    }
    const std::array<const std::string*, kBands> values{&texts.stOdb, &texts.odb, &texts.ladunek,
                                                        &texts.wagon, &texts.nad, &texts.stNad};
    auto value = [&](int k, int points) {
        const std::string& text = *values[static_cast<std::size_t>(k)];
        if (style.tonerSaver) service.clip(g.band(k));
        if (g.fitTexts) {
            fittedText(service, g.valueX(k), g.valueY(k), g.band(k), text, points);
        } else {
            service.text(g.valueX(k), g.valueY(k), text);
        }
        if (style.tonerSaver) service.clip(g.card);
    };
    service.setFontStyle(FontStyle::Bold);
    service.setFontSize(g.stationPoints);
    value(0, g.stationPoints);
    service.setFontStyle(FontStyle::Regular);
    service.setFontSize(g.valuePoints);
    for (int k = 1; k < kBands; ++k) value(k, g.valuePoints);
    if (codes) {
        service.setFontStyle(FontStyle::Bold);
        if (g.captionPoints != g.valuePoints) service.setFontSize(g.captionPoints);
        letterCode(service, g, 0, topBand.code);
        letterCode(service, g, kBands - 1, bottomBand.code);
        service.setFontStyle(FontStyle::Regular);
    }
    service.unclip();
}

}  // namespace print
