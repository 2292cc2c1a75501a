#pragma once
// The print run: every ticked row, in its number of copies, as waybill cards (by default
// sixteen to a page), in one document titled "Listy przewozowe".

#include <string>
#include <vector>

#include "db/forward.h"
#include "print/card_layout.h"
#include "print/print_options.h"

namespace print {

// One row of the print window, as plain data.
struct PrintRowData {
    bool ticked = false;
    std::string count;  // copies, as typed
    CardTexts texts;
};

// The band colour of `station`: the colour of its first row in stacje, read through `sql2`
// with "select kolor from stacje where nazwa='<station>';". A station that is missing, or
// whose colour name is none of the eight, is white.
Rgb stationColour(db::SqlQuery& sql2, const std::string& station);

// The sheets the run of `rows` takes with `options` (0 when no card is printed). Every
// count is converted, as the run converts them.
int sheetsNeeded(const std::vector<PrintRowData>& rows, const PrintOptions& options);

// Prints `rows` on the printer at `printerIndex` (-1: the default printer), on the paper of
// `options.format`. `skala` is set to the page's device pixels per layout unit (a millimetre
// of the sheet) before anything is drawn. Every row's count
// is converted in turn, ticked or not; a count that is no integer raises db::ConvertError
// at that row (with the cards grouped by station, every count is converted before the
// first card). Each card reads its two band colours afresh; a page is begun only for a
// card that is drawn on it (SlotRun). A format whose sheet holds no slot (a fold-over slip
// of a card that fits only once across its fold) is refused before the document begins. An
// error after the document has begun aborts the document before it is raised again, so no
// document stays open. `options` at their defaults print the plain run.
void printWaybills(PrintService& service, db::SqlQuery& sql2, int printerIndex,
                   const std::vector<PrintRowData>& rows, double& skala,
                   const PrintOptions& options = {});

}  // namespace print
