#include "formats/xlsx_writer.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "db/errors.h"
#include "db/text.h"
#include "formats/exchange.h"
#include "formats/xlsx_escapes.h"
#include "model/messages.h"
#include "model/stored_rows.h"
#include "model/wagons.h"

namespace formats {

using model::message;
namespace fs = std::filesystem;

void exportWorkbook(db::SqlConnection& connection, const std::string& path,
                    model::Language language) {
    // Everything is read first: a failed read writes no file.
    // The wagons get a sheet of their own once the file keeps them.
    std::vector<model::List> sheets = {model::List::Waybills, model::List::Stations,
                                       model::List::Parties, model::List::Loads};
    if (model::wagonTableExists(connection)) sheets.push_back(model::List::Wagons);
    std::array<std::vector<std::vector<model::StoredValue>>, model::kListCount> lists;
    for (model::List list : sheets)
        lists[static_cast<std::size_t>(list)] =
            model::readStoredRows(connection, exchangeSelectSql(list));
    const std::string part = path + ".zapis";
    std::error_code ec;
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(part.c_str(), &options);
    if (!book)
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać pliku %1"), {path}));
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");
    lxw_format* bold = workbook_add_format(book);
    format_set_num_format(bold, "@");
    format_set_bold(bold);
    lxw_error failed = LXW_NO_ERROR;
    for (model::List list : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(
            book, model::namesOf(list).sheets[static_cast<std::size_t>(language)]);
        const std::vector<std::string>& header = csvHeader(list, language);
        std::vector<std::size_t> widths(header.size());
        for (std::size_t c = 0; c < header.size(); ++c) {
            widths[c] = db::charCount(header[c]);
            if (!failed)
                failed = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                                header[c].c_str(), bold);
        }
        lxw_row_t row = 1;
        for (const auto& stored : lists[static_cast<std::size_t>(list)]) {
            for (std::size_t c = 0; c < stored.size() && c < header.size(); ++c) {
                const std::string value = escapeXlsx(stored[c] ? *stored[c] : std::string());
                widths[c] = std::max(widths[c], db::charCount(value));
                if (!failed)
                    failed = worksheet_write_string(sheet, row, static_cast<lxw_col_t>(c),
                                                    value.c_str(), text);
            }
            ++row;
        }
        for (std::size_t c = 0; c < header.size(); ++c) {
            const double width = static_cast<double>(std::min<std::size_t>(widths[c], 60)) + 2;
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                                 text);
        }
        worksheet_freeze_panes(sheet, 1, 0);
    }
    const lxw_error closed = workbook_close(book);
    if (failed || closed) {
        fs::remove(part, ec);
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać pliku %1: %2"),
                    {path, lxw_strerror(failed ? failed : closed)}));
    }
    fs::rename(part, path, ec);
    if (ec) {
        fs::remove(part, ec);
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać pliku %1: %2"),
                    {path, ec.message()}));
    }
}

}  // namespace formats
