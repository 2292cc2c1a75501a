#include "print/card_format.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "print/card_layout.h"

namespace print {
namespace {

struct PresetText {
    CardPreset preset;
    const char* name;
    const char* label;
    double width, height;
};

constexpr PresetText kPresetTexts[] = {
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

const PresetText& textOf(CardPreset preset) {
    for (const PresetText& t : kPresetTexts) {
        if (t.preset == preset) return t;
    }
    return kPresetTexts[0];
}

// The height of a line of text in millimetres, with a little to spare over the faces' own.
double lineHeight(int points) {
    return points * 1.17 * 25.4 / 72;
}

constexpr double kMinBandWidth = 12;

// As many cards as fit inside the margins, in a block centred on the sheet.
void placeOnSheet(CardFormat& f) {
    const double roomX = paperWidth(f) - 2 * kSheetMargin;
    const double roomY = paperHeight(f) - 2 * kSheetMargin;
    f.columns = std::max(0, static_cast<int>(std::floor((roomX + f.gapX) / (f.width + f.gapX))));
    f.rows = std::max(0, static_cast<int>(std::floor((roomY + f.gapY) / (f.height + f.gapY))));
    const double blockX = f.columns * (f.width + f.gapX) - f.gapX;
    const double blockY = f.rows * (f.height + f.gapY) - f.gapY;
    f.left = (paperWidth(f) - blockX) / 2;
    f.top = (paperHeight(f) - blockY) / 2;
}

// The bands fill the card: two columns of three on a wide card, one of six on a tall one;
// the texts' sizes follow the bands' height.
void layBands(CardFormat& f) {
    f.inner = 2;
    f.bandColumns = f.tall() ? 1 : 2;
    const int perColumn = kBands / f.bandColumns;
    f.bandWidth = (f.width - (f.bandColumns + 1) * f.inner) / f.bandColumns;
    const double bandHeight = (f.height - (perColumn + 1) * f.inner) / perColumn;
    f.bandHeight = {bandHeight, 0};
    const double scale = std::min(1.0, bandHeight / 8.6);
    auto points = [scale](int nominal) {
        return std::max(kMinPoints, static_cast<int>(std::lround(nominal * scale)));
    };
    f.captionPoints = points(8);
    f.valuePoints = points(8);
    f.stationPoints = points(11);
    f.captionX = {0.4, 0};
    f.captionY = {0.4 * scale, 0};
    f.valueX = {f.inner, 0};
    f.valueY = {f.captionY.units + lineHeight(f.captionPoints), 0};
    f.codeWidth = std::min(9.0, f.bandWidth / 3);
    f.fitTexts = true;
}

}  // namespace

int Length::at(double skala) const {
    return toPixels(units * skala) + pixels;
}

double paperWidth(Paper paper, bool landscape) {
    const double w = paper == Paper::A4 ? 210 : paper == Paper::A6 ? 105 : 215.9;
    const double h = paper == Paper::A4 ? 297 : paper == Paper::A6 ? 148 : 279.4;
    return landscape ? h : w;
}

double paperHeight(Paper paper, bool landscape) {
    return paperWidth(paper, !landscape);
}

const char* presetName(CardPreset preset) {
    return textOf(preset).name;
}

bool presetFromName(const std::string& name, CardPreset& preset) {
    for (const PresetText& t : kPresetTexts) {
        if (name == t.name) {
            preset = t.preset;
            return true;
        }
    }
    return false;
}

const char* presetLabel(CardPreset preset) {
    return textOf(preset).label;
}

const char* paperName(Paper paper) {
    return paper == Paper::A4 ? "a4" : paper == Paper::A6 ? "a6" : "letter";
}

bool paperFromName(const std::string& name, Paper& paper) {
    if (name == "a4" || name == "letter") {
        paper = name == "a4" ? Paper::A4 : Paper::Letter;
        return true;
    }
    return false;
}

const char* paperLabel(Paper paper) {
    return paper == Paper::A4 ? "A4" : paper == Paper::A6 ? "A6" : "Letter";
}

CardFormat cardFormat(CardPreset preset, Paper paper) {
    if (preset == CardPreset::Listy || preset == CardPreset::Custom) {
        CardFormat listy;
        if (paper == Paper::A4) return listy;
        // The same card, centred on the other sheet.
        listy.paper = paper;
        placeOnSheet(listy);
        return listy;
    }
    const PresetText& t = textOf(preset);
    CardFormat f = *customCardFormat(t.width, t.height, paper, false);
    f.preset = preset;
    return f;
}

std::optional<CardFormat> customCardFormat(double width, double height, Paper paper, bool landscape,
                                           std::string* why) {
    CardFormat f;
    f.preset = CardPreset::Custom;
    f.paper = paper;
    f.landscape = landscape;
    f.width = width;
    f.height = height;
    auto refuse = [why](const std::string& reason) -> std::optional<CardFormat> {
        if (why) *why = reason;
        return std::nullopt;
    };
    auto mm = [](double v) {
        std::string s = std::to_string(std::lround(v * 10));
        if (s.size() < 2) s.insert(0, "0");
        return s.substr(0, s.size() - 1) + (s.back() == '0' ? "" : "," + s.substr(s.size() - 1));
    };
    const std::string size = mm(width) + " × " + mm(height) + " mm";
    auto text = [](const char* polish) {
        return QCoreApplication::translate("print::CardFormat", polish);
    };
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    if (!(width > 0) || !(height > 0)) {
        return refuse(
            text(QT_TRANSLATE_NOOP("print::CardFormat", "Wymiary karty muszą być większe od zera."))
                .toStdString());
    }
    placeOnSheet(f);
    if (f.cardsPerSheet() == 0) {
        return refuse(text(QT_TRANSLATE_NOOP("print::CardFormat",
                                             "Karta %1 nie mieści się na arkuszu %2%3 (marginesy "
                                             "%4 mm)."))
                          .arg(q(size), QString::fromUtf8(paperLabel(paper)),
                               landscape ? text(QT_TRANSLATE_NOOP("print::CardFormat", " poziomo"))
                                         : QString(),
                               q(mm(kSheetMargin)))
                          .toStdString());
    }
    layBands(f);
    const double captionRoom =
        f.bandHeight.units - f.captionY.units - 2 * lineHeight(kMinPoints) + 0.01;
    if (f.bandWidth < kMinBandWidth || captionRoom < 0) {
        return refuse(text(QT_TRANSLATE_NOOP("print::CardFormat",
                                             "Karta %1 jest za mała na napisy listu przewozowego "
                                             "(pas stacji musi mieć co najmniej %2 mm szerokości "
                                             "i %3 mm wysokości)."))
                          .arg(q(size), q(mm(kMinBandWidth)),
                               q(mm(f.captionY.units + 2 * lineHeight(kMinPoints))))
                          .toStdString());
    }
    return f;
}

SheetGrid sheetGrid(const CardFormat& f, bool fold) {
    SheetGrid g{f.columns, f.rows, f.left, f.top, f.width + f.gapX, f.height + f.gapY};
    if (!fold) return g;
    if (f.tall()) {
        g.rows = f.rows / 2;
        g.top += (f.rows % 2) * g.stepY / 2;
        g.stepY *= 2;
    } else {
        g.columns = f.columns / 2;
        g.left += (f.columns % 2) * g.stepX / 2;
        g.stepX *= 2;
    }
    return g;
}

}  // namespace print
