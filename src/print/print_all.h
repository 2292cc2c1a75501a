#pragma once
// Every waybill of the database printed as cards without a window (the command line's
// --print-pdf): the print run of the print window, given every waybill in the list's
// order, each in the same number of copies. Options of the print window can be added to
// PrintAllOptions as they come.

#include "db/forward.h"
#include "print/print_options.h"
#include "print/print_run.h"

namespace print {

struct PrintAllOptions {
    int copies = 1;       // of every waybill
    PrintOptions layout;  // first slot, order, return cards, codes, toner saver
};

// The rows of the print run: every waybill of "select * from listy;", ticked, with
// `options.copies` copies.
std::vector<PrintRowData> allWaybillRows(db::SqlConnection& connection,
                                         const PrintAllOptions& options);

// Prints every waybill on `service` (the default printer of the service, or its file).
// Returns the number of cards (return cards included).
long printAllWaybills(PrintService& service, db::SqlConnection& connection,
                      const PrintAllOptions& options);

}  // namespace print
