#pragma once
// The tables of an old-format file (SQLite 2.x, read by Sqlite2Reader) written as a file of
// the current format: each table's lone CREATE TABLE statement, every row with its rowid
// and its texts decoded from Windows-1250, bound as read, in one transaction.

#include <stdexcept>
#include <string>
#include <vector>

#include "formats/sqlite2_reader.h"

namespace formats {

// The old file's tables could not be written anew; the message says why.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ConversionCounts {
    int tables = 0;
    long rows = 0;
    int numericChanges = 0;  // texts a numeric column stored as a number, such as "007" as 7
};

// Writes `tables` into a new file at `path`. Only a table's own create statement is run:
// one statement that begins "CREATE TABLE", names no schema and has nothing after it;
// anything else refuses the whole conversion (ConversionError).
ConversionCounts writeConvertedDatabase(const std::vector<Sqlite2Table>& tables,
                                        const std::string& path);

}  // namespace formats
