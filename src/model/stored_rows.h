#pragma once
// Rows read straight from the file, with every text whole. A dataset cuts each text to its
// field's size; the commands that write back what the user did not change read the stored
// row this way, so nothing is cut on the way back.

#include <optional>
#include <string>
#include <vector>

#include "db/forward.h"

namespace model {

// Runs `sql` on `connection` and fills `row` with the texts of its row at position `index`
// (NULL as the empty text). False, with `row` empty, when the result has no such row.
bool readStoredRow(db::SqlConnection& connection, const std::string& sql, int index,
                   std::vector<std::string>& row);

// A stored value: nullopt is SQL NULL.
using StoredValue = std::optional<std::string>;

// Every row of `sql` on `connection`, each value whole.
std::vector<std::vector<StoredValue>> readStoredRows(db::SqlConnection& connection,
                                                     const std::string& sql);

// Whether the main database has a table named `table` (the tables later features make by
// their first write).
bool tableExists(db::SqlConnection& connection, const char* table);

}  // namespace model
