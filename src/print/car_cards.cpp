#include "print/car_cards.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "print/card_layout.h"

namespace print {
namespace {

// A text of the car cards (marked with its context "print::CarCards") in the chosen language.
std::string translated(const char* text) {
    return QCoreApplication::translate("print::CarCards", text).toStdString();
}

constexpr double kClearance = 2.5;  // around a waybill in its pocket
constexpr const Rgb kStripe{220, 0, 0};

// The pocket where the preset's own waybill goes, or half of the card for a custom size.
void ownPocket(CarCardFormat& f) {
    const CarCardPresetEntry& entry = presetEntry(kCarCardPresetTable, f.preset);
    f.pocketWidth = entry.pocketWidth, f.pocketHeight = entry.pocketHeight;
    if (f.preset == CarCardPreset::Custom) {
        f.pocketWidth = f.pocketAtBottom() ? f.width - 10 : f.width / 2;
        f.pocketHeight = f.pocketAtBottom() ? f.height / 2 : f.height - 10;
    }
    const double side =
        f.pocketAtBottom() ? (f.width - f.pocketWidth) / 2 : (f.height - f.pocketHeight) / 2;
    f.pocketX = f.pocketAtBottom() ? side : f.width - side - f.pocketWidth;
    f.pocketY = f.pocketAtBottom() ? f.height - side - f.pocketHeight : side;
    f.pocketFor.reset();
}

struct Scale {
    double skala;
    int px(double mm) const { return toPixels(mm * skala); }
};

// The stripes across one corner of the card: at the top right when the pocket lies at the
// bottom, at the bottom left when it lies at the right.
void drawStripes(PrintService& s, const Rect& card, const CarCardFormat& f, int count,
                 const Scale& k) {
    const double unit = std::min(f.width, f.height) / 105;
    const int width = k.px(4 * unit), first = k.px(18 * unit), step = k.px(8 * unit);
    s.setFillColour(kStripe);
    for (int i = 0; i < count; ++i) {
        const int d = first + i * step;
        if (f.pocketAtBottom()) {
            s.fillPolygon({{card.x2 - d - width, card.y1},
                           {card.x2 - d, card.y1},
                           {card.x2, card.y1 + d},
                           {card.x2, card.y1 + d + width}});
        } else {
            s.fillPolygon({{card.x1, card.y2 - d - width},
                           {card.x1, card.y2 - d},
                           {card.x1 + d, card.y2},
                           {card.x1 + d + width, card.y2}});
        }
    }
}

void drawCard(PrintService& s, const Rect& card, const model::Wagon& wagon, const CarCardOptions& o,
              const Scale& k) {
    const CarCardFormat& f = o.format;
    const Rgb paper = colourOf(model::cardColourOf(o.colours, wagon.wagonClass));
    s.clip(card);
    s.setFillColour(paper);
    s.rectangle(card.x1, card.y1, card.x2, card.y2);
    const int stripes = wagon.speed == model::SpeedMark::SS  ? 2
                        : wagon.speed == model::SpeedMark::S ? 1
                                                             : 0;
    drawStripes(s, card, f, stripes, k);

    const Rect pocket{card.x1 + k.px(f.pocketX), card.y1 + k.px(f.pocketY),
                      card.x1 + k.px(f.pocketX + f.pocketWidth),
                      card.y1 + k.px(f.pocketY + f.pocketHeight)};
    s.setFillColour(paper);
    s.rectangle(pocket.x1, pocket.y1, pocket.x2, pocket.y2);

    // The texts keep clear of the pocket, and of the stripes' corner.
    const double unit = std::clamp(std::min(f.width, f.height) / 105, 0.4, 1.2);
    const int margin = k.px(4 * unit);
    const Rect room{card.x1 + margin, card.y1 + margin,
                    (f.pocketAtBottom() ? card.x2 : pocket.x1) - margin,
                    (f.pocketAtBottom() ? pocket.y1 : card.y2) - margin};
    const int numberPoints = std::max(8, static_cast<int>(std::lround(22 * unit)));
    const int classPoints = std::max(kMinPoints, static_cast<int>(std::lround(13 * unit)));
    const int dataPoints = std::max(kMinPoints, static_cast<int>(std::lround(8.5 * unit)));
    int y = room.y1;
    auto line = [&](const std::string& text, int points, FontStyle style) {
        if (text.empty()) return;
        s.setFontStyle(style);
        s.setFontSize(points);
        const int height = s.measure(text).height;
        if (y + height > room.y2) return;
        fittedText(s, room.x1, y, room, text, points);
        y += height;
    };
    s.setFillColour(paper);
    line(wagon.number, numberPoints, FontStyle::Bold);
    line(wagon.wagonClass, classPoints, FontStyle::Bold);
    y += k.px(unit);
    if (!wagon.length.empty()) {
        const bool millimetres = std::all_of(wagon.length.begin(), wagon.length.end(),
                                             [](char c) { return c >= '0' && c <= '9'; });
        line(translated(QT_TRANSLATE_NOOP("print::CarCards", "Długość: ")) + wagon.length +
                 (millimetres ? " mm" : ""),
             dataPoints, FontStyle::Regular);
    }
    if (wagon.speed != model::SpeedMark::None) {
        line(translated(QT_TRANSLATE_NOOP("print::CarCards", "Prędkość: ")) +
                 (wagon.speed == model::SpeedMark::SS ? "ss (120 km/h)" : "s (100 km/h)"),
             dataPoints, FontStyle::Regular);
    }
    if (!wagon.owner.empty()) {
        line(translated(QT_TRANSLATE_NOOP("print::CarCards", "Właściciel: ")) + wagon.owner,
             dataPoints, FontStyle::Regular);
    }
    if (!wagon.homeStation.empty()) {
        line(translated(QT_TRANSLATE_NOOP("print::CarCards", "Stacja macierzysta: ")) +
                 wagon.homeStation,
             dataPoints, FontStyle::Regular);
    }
    if (!wagon.note.empty()) line(wagon.note, dataPoints, FontStyle::Regular);

    const int captionPoints = std::max(kMinPoints, static_cast<int>(std::lround(6 * unit)));
    s.setFontStyle(FontStyle::Regular);
    s.setFontSize(captionPoints);
    const int inset = k.px(1);
    fittedText(s, pocket.x1 + inset, pocket.y1 + inset,
               {pocket.x1, pocket.y1, pocket.x2 - inset, pocket.y2 - inset},
               translated(QT_TRANSLATE_NOOP("print::CarCards", "List przewozowy")), captionPoints);
    s.unclip();
}

}  // namespace

bool carPresetFromName(const std::string& name, CarCardPreset& preset) {
    return presetNamed(kCarCardPresetTable, name, preset);
}

const char* carPresetLabel(CarCardPreset preset) {
    return presetEntry(kCarCardPresetTable, preset).label;
}

bool carPaperFromName(const std::string& name, Paper& paper) {
    if (name == "a6") {
        paper = Paper::A6;
        return true;
    }
    return paperFromName(name, paper);
}

CarCardFormat carCardFormat(CarCardPreset preset, Paper paper) {
    const CarCardPresetEntry& entry = presetEntry(
        kCarCardPresetTable, preset == CarCardPreset::Custom ? CarCardPreset::A6 : preset);
    CarCardFormat f;
    f.preset = entry.preset;
    f.paper = paper;
    f.width = entry.width, f.height = entry.height;
    f.fill(entry.margin);
    ownPocket(f);
    return f;
}

std::optional<CarCardFormat> customCarCardFormat(double width, double height, Paper paper,
                                                 std::string* why) {
    if (!(width >= 40 && height >= 40)) {
        if (why) {
            *why = translated(
                QT_TRANSLATE_NOOP("print::CarCards", "Karta musi mieć co najmniej 40 × 40 mm."));
        }
        return std::nullopt;
    }
    CarCardFormat f;
    f.preset = CarCardPreset::Custom;
    f.paper = paper;
    f.width = width, f.height = height;
    if (!f.fill(kSheetMargin, why)) return std::nullopt;
    ownPocket(f);
    return f;
}

bool fitPocket(CarCardFormat& f, const CardFormat& waybill) {
    const double w = waybill.width, h = waybill.height;
    const double longSide = std::max(w, h), shortSide = std::min(w, h);
    double across, along;  // the slip's side across the pocket's opening, and the other
    if (f.pocketAtBottom()) {
        if (w <= f.width - 2) {
            across = w, along = h;  // upright
        } else if (h <= f.width - 2) {
            across = h, along = w;
        } else {
            return false;
        }
        const double pw = std::min(across + 2 * kClearance, f.width - 2);
        const double side = std::min(5.0, (f.width - pw) / 2);
        const double ph = std::min(along + 2 * kClearance, f.height * 0.7 - side);
        f.pocketWidth = pw, f.pocketHeight = ph;
        f.pocketX = (f.width - pw) / 2;
        f.pocketY = f.height - side - ph;
    } else {
        // A wide card holds its pocket upright at its right, the slip's long side up.
        if (longSide <= f.height - 2) {
            across = shortSide, along = longSide;
        } else if (shortSide <= f.height - 2) {
            across = longSide, along = shortSide;
        } else {
            return false;
        }
        if (across > f.width * 0.6) return false;
        const double pw = std::min(across + 2 * kClearance, f.width * 0.6);
        const double ph = std::min(along + 2 * kClearance, f.height - 2);
        const double side = std::min(5.0, (f.height - ph) / 2);
        f.pocketWidth = pw, f.pocketHeight = ph;
        f.pocketX = f.width - side - pw;
        f.pocketY = (f.height - ph) / 2;
    }
    f.pocketFor = waybill.preset;
    return true;
}

Rgb colourOf(const std::string& hex) {
    if (hex.size() != 7 || hex[0] != '#') return {255, 255, 255};
    try {
        const unsigned long v = std::stoul(hex.substr(1), nullptr, 16);
        return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                static_cast<std::uint8_t>(v)};
    } catch (const std::exception&) {
        return {255, 255, 255};
    }
}

int carCardSheets(const std::vector<CarCardRow>& rows, const CarCardOptions& options) {
    long cards = 0;
    for (const CarCardRow& r : rows) cards += std::max(0, r.copies);
    return sheetGrid(options.format).sheetsFor(cards);
}

long printCarCards(PrintService& service, int printerIndex, const std::vector<CarCardRow>& rows,
                   const CarCardOptions& options) {
    const CarCardFormat& f = options.format;
    service.selectPrinter(printerIndex);
    service.setPaper(f.paper, false);
    const Scale k{static_cast<double>(service.pageHeight()) / paperHeight(f)};
    SlotRun cards(service, sheetGrid(f), k.skala, 0, options.offsetX, options.offsetY);
    service.setTitle(translated(QT_TRANSLATE_NOOP("print::CarCards", "Karty wagonów")));
    service.beginDoc();
    long printed = 0;
    try {
        for (const CarCardRow& row : rows) {
            for (int copy = 0; copy < row.copies; ++copy) {
                const auto [x, y] = cards.next();
                drawCard(service, {k.px(x), k.px(y), k.px(x + f.width), k.px(y + f.height)},
                         row.wagon, options, k);
                ++printed;
            }
        }
    } catch (...) {
        service.abort();
        throw;
    }
    service.endDoc();
    return printed;
}

}  // namespace print
