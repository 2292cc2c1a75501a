#include "print/print_run.h"

#include "db/sql_query.h"
#include "db/text.h"
#include "store/sql_text.h"
#include "store/transaction.h"

namespace print {

Rgb stationColour(db::SqlQuery& sql2, const std::string& station) {
    store::openQuery(sql2, "select kolor from stacje where nazwa='" + store::sqlEscape(station) + "';");
    if (sql2.recordCount() == 0) return kWhite;
    return bandColour(sql2.fields(0).asString());
}

void printWaybills(PrintService& service, db::SqlQuery& sql2, int printerIndex,
                   const std::vector<PrintRowData>& rows, double& skala) {
    constexpr int kCardsPerPage = kColumns * kLines;
    service.selectPrinter(printerIndex);
    skala = scaleForPageHeight(service.pageHeight());
    service.setTitle("Listy przewozowe");
    service.beginDoc();
    try {
        int onPage = 0;  // cards drawn on the current page
        for (const PrintRowData& row : rows) {
            const int copies = db::toInteger(row.count);
            if (!row.ticked) continue;
            for (int i = 0; i < copies; ++i) {
                // A page is started only for a card that goes on it.
                if (onPage == kCardsPerPage) {
                    service.newPage();
                    onPage = 0;
                }
                const Rgb top = stationColour(sql2, row.texts.stOdb);
                const Rgb bottom = stationColour(sql2, row.texts.stNad);
                drawCard(service, cardGeometry(skala, onPage % kColumns, onPage / kColumns), row.texts, top, bottom);
                ++onPage;
            }
        }
    } catch (...) {
        service.abort();
        throw;
    }
    service.endDoc();
}

}  // namespace print
