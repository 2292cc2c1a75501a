#pragma once
// The export of every list as one .xlsx workbook through libxlsxwriter.

#include <string>

#include "db/forward.h"
#include "model/language.h"

namespace formats {

// Writes the four lists to one .xlsx workbook at `path`: a sheet per list, the list's CSV
// header as a bold first row, every value a text cell, columns as wide as their longest
// value. The sheets' names and headers are those of `language`. The workbook is written
// under a temporary name and renamed into place, so a failed export leaves an existing file
// as it was. DatabaseError when it cannot be written.
void exportWorkbook(db::SqlConnection& connection, const std::string& path,
                    model::Language language = model::Language::Polish);

}  // namespace formats
