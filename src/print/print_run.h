#pragma once
// The print run: every ticked row, in its number of copies, as waybill cards sixteen to a
// page, in one document titled "Listy przewozowe".

#include <string>
#include <vector>

#include "print/card_layout.h"

namespace print {

// One row of the print window, as plain data.
struct PrintRowData {
    bool ticked = false;
    std::string count;  // copies, as typed
    CardTexts texts;
};

// Prints `rows` on the printer at `printerIndex` (-1: the default printer). `skala` is set
// to the page's device pixels per layout unit before anything is drawn. Every row's count
// is converted in turn, ticked or not; a count that is no integer raises db::ConvertError
// at that row. An error after the document has begun aborts the document before it is
// raised again, so no document stays open.
void printWaybills(PrintService& service, db::SqlQuery& sql2, int printerIndex,
                   const std::vector<PrintRowData>& rows, double& skala);

}  // namespace print
