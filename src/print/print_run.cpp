#include "print/print_run.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <unordered_map>

#include "db/sql_query.h"
#include "db/text.h"
#include "model/sql_text.h"
#include "model/transaction.h"
#include "print/polish_order.h"

namespace print {
namespace {

Band stationBand(db::SqlQuery& sql2, const std::string& station) {
    model::openQuery(sql2,
                     "select kolor from stacje where nazwa='" + model::sqlEscape(station) + "';");
    if (sql2.recordCount() == 0) return {};
    return bandFor(sql2.fields(0).asString());
}

// The cards of one run in slot order: a page is started only for a card that goes on it.
class CardRun {
public:
    CardRun(PrintService& service, db::SqlQuery& sql2, double skala, const PrintOptions& options)
        : service_(service),
          sql2_(sql2),
          skala_(skala),
          format_(options.format),
          grid_(sheetGrid(options.format, options.fold)),
          style_{options.letterCodes, options.tonerSaver, 0},
          returnCards_(options.returnCards && !options.fold),
          fold_(options.fold),
          offsetX_(options.offset.x / 10.0),
          offsetY_(options.offset.y / 10.0),
          onPage_(std::clamp(options.firstSlot, PrintOptions::kFirstSlotMin,
                             std::max(PrintOptions::kFirstSlotMin, grid_.count())) -
                  1) {}

    // One printed copy of a waybill: its card and the return card when those are asked
    // for, or its fold-over slip.
    void copy(const CardTexts& texts) {
        if (fold_) {
            slip(texts);
            return;
        }
        card(texts);
        if (returnCards_) card(returnCard(texts));
    }

private:
    // The top-left corner of slot `n` of a sheet, in layout units.
    std::pair<double, double> corner(int n) const {
        return {grid_.left + grid_.stepX * (n % grid_.columns) + offsetX_,
                grid_.top + grid_.stepY * (n / grid_.columns) + offsetY_};
    }

    // The slot of the next card: on a new page after a full one. Before the first card the
    // slots used already are shown as such.
    std::pair<double, double> nextSlot() {
        if (onPage_ == grid_.count()) {
            service_.newPage();
            onPage_ = 0;
        }
        if (!started_) {
            started_ = true;
            const int across =
                toPixels(format_.width * (fold_ && !format_.tall() ? 2 : 1) * skala_);
            const int down = toPixels(format_.height * (fold_ && format_.tall() ? 2 : 1) * skala_);
            for (int n = 0; n < onPage_; ++n) {
                const auto [left, top] = corner(n);
                const int x = toPixels(left * skala_), y = toPixels(top * skala_);
                service_.usedSlot({x, y, x + across, y + down});
            }
        }
        return corner(onPage_++);
    }

    // Each card reads its two band colours afresh.
    void draw(const CardGeometry& g, const CardTexts& texts, unsigned folds) {
        const Band top = stationBand(sql2_, texts.stOdb);
        const Band bottom = stationBand(sql2_, texts.stNad);
        CardStyle style = style_;
        style.foldEdges = folds;
        drawCard(service_, g, texts, top, bottom, style);
    }

    void card(const CardTexts& texts) {
        const auto [left, top] = nextSlot();
        draw(cardGeometry(format_, skala_, left, top), texts, 0);
    }

    // The waybill on the first half, its return card on the second: beside it on a wide
    // card (folded over a vertical line, read as it is), below it on a tall one (folded
    // over a horizontal line, so printed turned by 180 degrees), then the fold line.
    void slip(const CardTexts& texts) {
        const auto [left, top] = nextSlot();
        const bool tall = format_.tall();
        const CardGeometry front = cardGeometry(format_, skala_, left, top);
        const CardGeometry back = cardGeometry(format_, skala_, tall ? left : left + format_.width,
                                               tall ? top + format_.height : top);
        draw(front, texts, tall ? kBottomEdge : kRightEdge);
        if (tall) service_.turn(back.card);
        // Turned, the back's top edge is drawn as its bottom one.
        draw(back, returnCard(texts), tall ? kBottomEdge : kLeftEdge);
        if (tall) service_.unturn();
        foldLine(front, back, tall);
    }

    // A dashed line two pixels wide along the fold, dashes and gaps of 2 units.
    void foldLine(const CardGeometry& front, const CardGeometry& back, bool tall) {
        const int dash = std::max(2, toPixels(2 * skala_));
        service_.setFillColour({0, 0, 0});
        if (tall) {
            const int y = back.card.y1;
            for (int x = front.card.x1; x < front.card.x2; x += 2 * dash)
                service_.rectangle(x, y - 1, std::min(x + dash, front.card.x2), y + 1);
        } else {
            const int x = back.card.x1;
            for (int y = front.card.y1; y < front.card.y2; y += 2 * dash)
                service_.rectangle(x - 1, y, x + 1, std::min(y + dash, front.card.y2));
        }
    }

    PrintService& service_;
    db::SqlQuery& sql2_;
    double skala_;
    CardFormat format_;
    SheetGrid grid_;
    CardStyle style_;
    bool returnCards_;
    bool fold_;
    double offsetX_, offsetY_;  // layout units
    int onPage_;                // the slot of the next card on the current page
    bool started_ = false;
};

// The ticked rows with their copies, grouped by a station: the groups in Polish collation
// of the station's name, the rows of a group in list order. Every row's count is converted
// first, in list order, ticked or not.
std::vector<std::pair<const PrintRowData*, int>> grouped(const std::vector<PrintRowData>& rows,
                                                         CardOrder order) {
    auto station = [order](const PrintRowData& row) -> const std::string& {
        return order == CardOrder::BySending ? row.texts.stNad : row.texts.stOdb;
    };
    std::vector<std::pair<const PrintRowData*, int>> cards;
    std::unordered_map<std::string, int> rank;
    for (const PrintRowData& row : rows) {
        const int copies = db::toInteger(row.count);
        if (!row.ticked || copies <= 0) continue;
        cards.emplace_back(&row, copies);
        rank.emplace(station(row), 0);
    }
    // Each name's place once.
    std::vector<std::pair<QString, const std::string*>> names;
    names.reserve(rank.size());
    for (const auto& [name, _] : rank) names.emplace_back(QString::fromStdString(name), &name);
    const PolishOrder polish;
    std::sort(names.begin(), names.end(),
              [&polish](const auto& a, const auto& b) { return polish(a.first, b.first); });
    for (std::size_t i = 0; i < names.size(); ++i) rank[*names[i].second] = static_cast<int>(i);
    std::stable_sort(cards.begin(), cards.end(), [&](const auto& a, const auto& b) {
        return rank.at(station(*a.first)) < rank.at(station(*b.first));
    });
    return cards;
}

}  // namespace

Rgb stationColour(db::SqlQuery& sql2, const std::string& station) {
    return stationBand(sql2, station).fill;
}

void printWaybills(PrintService& service, db::SqlQuery& sql2, int printerIndex,
                   const std::vector<PrintRowData>& rows, double& skala,
                   const PrintOptions& options) {
    service.selectPrinter(printerIndex);
    service.setPaper(options.format.paper, options.format.landscape);
    // Layout units are millimetres of the sheet; on an upright A4 sheet its height over 297.
    skala = service.pageHeight() / paperHeight(options.format);
    service.setTitle(QCoreApplication::translate("print::Card", "Listy przewozowe").toStdString());
    service.beginDoc();
    try {
        CardRun run(service, sql2, skala, options);
        if (options.order == CardOrder::Listed) {
            for (const PrintRowData& row : rows) {
                const int copies = db::toInteger(row.count);
                if (!row.ticked) continue;
                for (int i = 0; i < copies; ++i) run.copy(row.texts);
            }
        } else {
            for (const auto& [row, copies] : grouped(rows, options.order)) {
                for (int i = 0; i < copies; ++i) run.copy(row->texts);
            }
        }
    } catch (...) {
        service.abort();
        throw;
    }
    service.endDoc();
}

int sheetsNeeded(const std::vector<PrintRowData>& rows, const PrintOptions& options) {
    long cards = 0;
    for (const PrintRowData& row : rows) {
        const int copies = db::toInteger(row.count);
        if (row.ticked && copies > 0) cards += copies;
    }
    if (options.returnCards && !options.fold) cards *= 2;
    if (cards == 0) return 0;
    const int perSheet = std::max(1, options.slotsPerSheet());
    const int first = std::clamp(options.firstSlot, PrintOptions::kFirstSlotMin, perSheet) - 1;
    return static_cast<int>((first + cards + perSheet - 1) / perSheet);
}

}  // namespace print
