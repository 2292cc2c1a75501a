#include "print/print_all.h"

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "model/stored_rows.h"

namespace print {

std::vector<PrintRowData> allWaybillRows(db::SqlConnection& connection,
                                         const PrintAllOptions& options) {
    std::vector<PrintRowData> rows;
    // Read whole from the file: a card shows the stored texts.
    for (const auto& row : model::readStoredRows(
             connection,
             "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb from listy;")) {
        auto text = [&](std::size_t i) {
            return i < row.size() && row[i] ? *row[i] : std::string();
        };
        PrintRowData data;
        data.ticked = true;
        data.count = std::to_string(options.copies);
        data.texts.stNad = text(0);
        data.texts.nad = text(1);
        data.texts.wagon = text(2);
        data.texts.ladunek = text(3);
        data.texts.odb = text(4);
        data.texts.stOdb = text(5);
        rows.push_back(std::move(data));
    }
    return rows;
}

long printAllWaybills(PrintService& service, db::SqlConnection& connection,
                      const PrintAllOptions& options) {
    const std::vector<PrintRowData> rows = allWaybillRows(connection, options);
    db::SqlQuery sql2("sql2");
    sql2.setConnection(&connection);
    double skala = 0;
    printWaybills(service, sql2, -1, rows, skala, options.layout);
    return static_cast<long>(rows.size()) * options.copies * (options.layout.returnCards ? 2 : 1);
}

}  // namespace print
