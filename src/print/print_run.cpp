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

// The first slot of the first sheet, from 0: the options' first slot, within the sheet.
int firstSlotIndex(const PrintOptions& options) {
    return std::clamp(options.firstSlot, PrintOptions::kFirstSlotMin,
                      std::max(PrintOptions::kFirstSlotMin, options.slotsPerSheet())) -
           1;
}

// The cards of one run in slot order: a page is started only for a card that goes on it.
class CardRun {
public:
    CardRun(PrintService& service, db::SqlQuery& sql2, double skala, const PrintOptions& options)
        : service_(service),
          sql2_(sql2),
          skala_(skala),
          format_(options.format),
          style_{options.letterCodes, options.tonerSaver, 0},
          returnCards_(options.returnCards && !options.fold),
          fold_(options.fold),
          slots_(service, sheetGrid(options.format, options.fold), skala, firstSlotIndex(options),
                 options.offset.x, options.offset.y) {}

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
    // Each card reads its two band colours afresh.
    void draw(const CardGeometry& g, const CardTexts& texts, unsigned folds) {
        const Band top = stationBand(sql2_, texts.stOdb);
        const Band bottom = stationBand(sql2_, texts.stNad);
        CardStyle style = style_;
        style.foldEdges = folds;
        drawCard(service_, g, texts, top, bottom, style);
    }

    void card(const CardTexts& texts) {
        const auto [left, top] = slots_.next();
        draw(cardGeometry(format_, skala_, left, top), texts, 0);
    }

    // The waybill on the first half, its return card on the second: beside it on a wide
    // card (folded over a vertical line, read as it is), below it on a tall one (folded
    // over a horizontal line, so printed turned by 180 degrees), then the fold line.
    void slip(const CardTexts& texts) {
        const auto [left, top] = slots_.next();
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
    CardStyle style_;
    bool returnCards_;
    bool fold_;
    SlotRun slots_;
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
    CardRun run(service, sql2, skala, options);
    service.setTitle(QCoreApplication::translate("print::Card", "Listy przewozowe").toStdString());
    service.beginDoc();
    try {
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
    return sheetGrid(options.format, options.fold).sheetsFor(cards, firstSlotIndex(options));
}

}  // namespace print
