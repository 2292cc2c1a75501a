#include "print/card_format.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "print/card_layout.h"

namespace print {
namespace {

// The height of a line of text in millimetres, with a little to spare over the faces' own.
double lineHeight(int points) {
    return points * 1.17 * 25.4 / 72;
}

constexpr double kMinBandWidth = 12;

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

const char* presetName(CardPreset preset) {
    return presetEntry(kCardPresetTable, preset).name;
}

bool presetFromName(const std::string& name, CardPreset& preset) {
    return presetNamed(kCardPresetTable, name, preset);
}

const char* presetLabel(CardPreset preset) {
    return presetEntry(kCardPresetTable, preset).label;
}

CardFormat cardFormat(CardPreset preset, Paper paper) {
    if (preset == CardPreset::Listy || preset == CardPreset::Custom) {
        CardFormat listy;
        if (paper == Paper::A4) return listy;
        // The same card, centred on the other sheet.
        listy.paper = paper;
        listy.fill(kSheetMargin);
        return listy;
    }
    const CardPresetEntry& entry = presetEntry(kCardPresetTable, preset);
    CardFormat f = *customCardFormat(entry.width, entry.height, paper, false);
    f.preset = preset;
    return f;
}

std::optional<CardFormat> customCardFormat(double width, double height, Paper paper, bool landscape,
                                           std::string* why) {
    auto refuse = [why](const QString& reason) -> std::optional<CardFormat> {
        if (why) *why = reason.toStdString();
        return std::nullopt;
    };
    auto text = [](const char* polish) {
        return QCoreApplication::translate("print::CardFormat", polish);
    };
    if (!(width > 0) || !(height > 0)) {
        return refuse(text(
            QT_TRANSLATE_NOOP("print::CardFormat", "Wymiary karty muszą być większe od zera.")));
    }
    CardFormat f;
    f.preset = CardPreset::Custom;
    f.paper = paper;
    f.landscape = landscape;
    f.width = width;
    f.height = height;
    if (!f.fill(kSheetMargin, why)) return std::nullopt;
    layBands(f);
    const double captionRoom =
        f.bandHeight.units - f.captionY.units - 2 * lineHeight(kMinPoints) + 0.01;
    if (f.bandWidth < kMinBandWidth || captionRoom < 0) {
        auto q = [](const std::string& s) { return QString::fromStdString(s); };
        return refuse(text(QT_TRANSLATE_NOOP("print::CardFormat",
                                             "Karta %1 jest za mała na napisy listu przewozowego "
                                             "(pas stacji musi mieć co najmniej %2 mm szerokości "
                                             "i %3 mm wysokości)."))
                          .arg(q(f.sizeText()), q(millimetres(kMinBandWidth)),
                               q(millimetres(f.captionY.units + 2 * lineHeight(kMinPoints)))));
    }
    return f;
}

}  // namespace print
