#include "print/print_run.h"

#include "db/text.h"

namespace print {

void printWaybills(PrintService& service, db::SqlQuery& sql2, int printerIndex,
                   const std::vector<PrintRowData>& rows, double& skala) {
    service.selectPrinter(printerIndex);
    skala = scaleForPageHeight(service.pageHeight());
    service.setTitle("Listy przewozowe");
    service.beginDoc();
    try {
        int c = 0;
        int r = 0;
        for (const PrintRowData& row : rows) {
            const int copies = db::toInteger(row.count);
            for (int i = 0; i < copies; ++i) {
                if (!row.ticked) continue;
                drawCard(service, sql2, cardGeometry(skala, c, r), row.texts);
                if (++c == kColumns) {
                    c = 0;
                    ++r;
                }
                if (r == kLines) {
                    service.newPage();
                    r = 0;
                    c = 0;
                }
            }
        }
    } catch (...) {
        service.abort();
        throw;
    }
    service.endDoc();
}

}  // namespace print
