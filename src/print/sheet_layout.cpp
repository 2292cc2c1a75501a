#include "print/sheet_layout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "print/card_layout.h"

namespace print {
namespace {

// A text of the card formats (context "print::CardFormat", shared by both kinds of card) in
// the chosen language.
QString translated(const char* polish) {
    return QCoreApplication::translate("print::CardFormat", polish);
}

// The cards of `length` and `gap` that fit in `room`: a little is allowed for a card that
// fills it exactly.
int fitting(double room, double length, double gap) {
    return std::max(0, static_cast<int>(std::floor((room + gap + 1e-9) / (length + gap))));
}

}  // namespace

double paperWidth(Paper paper, bool landscape) {
    const double w = paper == Paper::A4 ? 210 : paper == Paper::A6 ? 105 : 215.9;
    const double h = paper == Paper::A4 ? 297 : paper == Paper::A6 ? 148 : 279.4;
    return landscape ? h : w;
}

double paperHeight(Paper paper, bool landscape) {
    return paperWidth(paper, !landscape);
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

std::string millimetres(double length) {
    std::string s = std::to_string(std::lround(length * 10));
    if (s.size() < 2) s.insert(0, "0");
    return s.substr(0, s.size() - 1) + (s.back() == '0' ? "" : "," + s.substr(s.size() - 1));
}

SlotPlace SheetGrid::slot(long n) const {
    const long onSheet = n % count();
    return {static_cast<int>(n / count()), left + stepX * static_cast<double>(onSheet % columns),
            top + stepY * static_cast<double>(onSheet / columns)};
}

int SheetGrid::sheetsFor(long used, int first) const {
    if (used <= 0) return 0;
    const int perSheet = std::max(1, count());
    return static_cast<int>((first + used + perSheet - 1) / perSheet);
}

std::string SheetLayout::sizeText() const {
    return millimetres(width) + " × " + millimetres(height) + " mm";
}

bool SheetLayout::fill(double margin, std::string* why) {
    const double sheetWidth = paperWidth(*this), sheetHeight = paperHeight(*this);
    columns = fitting(sheetWidth - 2 * margin, width, gapX);
    rows = fitting(sheetHeight - 2 * margin, height, gapY);
    left = (sheetWidth - (columns * (width + gapX) - gapX)) / 2;
    top = (sheetHeight - (rows * (height + gapY) - gapY)) / 2;
    if (cardsPerSheet() > 0) return true;
    if (why) {
        const auto q = [](const std::string& s) { return QString::fromStdString(s); };
        *why = translated(QT_TRANSLATE_NOOP("print::CardFormat",
                                            "Karta %1 nie mieści się na arkuszu %2%3 (marginesy "
                                            "%4 mm)."))
                   .arg(q(sizeText()), QString::fromUtf8(paperLabel(paper)),
                        landscape ? translated(QT_TRANSLATE_NOOP("print::CardFormat", " poziomo"))
                                  : QString(),
                        q(millimetres(margin)))
                   .toStdString();
    }
    return false;
}

SheetGrid sheetGrid(const SheetLayout& f, bool fold) {
    SheetGrid g;
    g.columns = f.columns, g.rows = f.rows;
    g.left = f.left, g.top = f.top;
    g.stepX = f.width + f.gapX, g.stepY = f.height + f.gapY;
    g.width = f.width, g.height = f.height;
    if (!fold) return g;
    if (f.tall()) {
        g.rows = f.rows / 2;
        g.top += (f.rows % 2) * g.stepY / 2;
        g.stepY *= 2;
        g.height *= 2;
    } else {
        g.columns = f.columns / 2;
        g.left += (f.columns % 2) * g.stepX / 2;
        g.stepX *= 2;
        g.width *= 2;
    }
    return g;
}

SlotRun::SlotRun(PrintService& service, const SheetGrid& grid, double skala, int first, int offsetX,
                 int offsetY)
    : service_(service),
      grid_(grid),
      skala_(skala),
      first_(first),
      offsetX_(offsetX / 10.0),
      offsetY_(offsetY / 10.0),
      next_(first) {
    if (grid.count() == 0) {
        throw std::invalid_argument(
            translated(QT_TRANSLATE_NOOP("print::CardFormat", "Karta nie mieści się na arkuszu."))
                .toStdString());
    }
}

std::pair<double, double> SlotRun::next() {
    const SlotPlace place = grid_.slot(next_);
    if (place.sheet != sheet_) {
        service_.newPage();
        sheet_ = place.sheet;
    }
    if (next_ == first_) {
        for (int n = 0; n < first_; ++n) {
            const SlotPlace used = grid_.slot(n);
            const int x = toPixels((used.x + offsetX_) * skala_);
            const int y = toPixels((used.y + offsetY_) * skala_);
            service_.usedSlot(
                {x, y, x + toPixels(grid_.width * skala_), y + toPixels(grid_.height * skala_)});
        }
    }
    ++next_;
    return {place.x + offsetX_, place.y + offsetY_};
}

}  // namespace print
