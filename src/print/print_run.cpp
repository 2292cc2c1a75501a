#include "print/print_run.h"

#include <QString>
#include <algorithm>
#include <unordered_map>

#include "db/sql_query.h"
#include "db/text.h"
#include "print/polish_order.h"
#include "store/sql_text.h"
#include "store/transaction.h"

namespace print {
namespace {

constexpr int kCardsPerPage = kColumns * kLines;

Band stationBand(db::SqlQuery& sql2, const std::string& station) {
    store::openQuery(sql2,
                     "select kolor from stacje where nazwa='" + store::sqlEscape(station) + "';");
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
          style_{options.letterCodes, options.tonerSaver},
          returnCards_(options.returnCards),
          onPage_(std::clamp(options.firstSlot, PrintOptions::kFirstSlotMin,
                             PrintOptions::kFirstSlotMax) -
                  1) {}

    // One printed copy of a waybill, and its return card when those are asked for.
    void copy(const CardTexts& texts) {
        card(texts);
        if (returnCards_) card(returnCard(texts));
    }

private:
    void card(const CardTexts& texts) {
        if (onPage_ == kCardsPerPage) {
            service_.newPage();
            onPage_ = 0;
        }
        // Each card reads its two band colours afresh.
        const Band top = stationBand(sql2_, texts.stOdb);
        const Band bottom = stationBand(sql2_, texts.stNad);
        drawCard(service_, cardGeometry(skala_, onPage_ % kColumns, onPage_ / kColumns), texts, top,
                 bottom, style_);
        ++onPage_;
    }

    PrintService& service_;
    db::SqlQuery& sql2_;
    double skala_;
    CardStyle style_;
    bool returnCards_;
    int onPage_;  // the slot of the next card on the current page
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
    skala = scaleForPageHeight(service.pageHeight());
    service.setTitle("Listy przewozowe");
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

}  // namespace print
