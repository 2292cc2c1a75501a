#pragma once
// The columns a CREATE TABLE statement declares, read from its text (an old-format file keeps
// each table's create statement; its rows hold the values in that order). LegacyFormatError
// (sqlite2_reader.h) for a text that is no such statement.

#include <string>
#include <string_view>
#include <vector>

namespace formats {

// Column names of a CREATE TABLE statement, quotes removed, in declared order. The second
// form also reports the INTEGER PRIMARY KEY column (its value is the rowid), or -1.
std::vector<std::string> parseCreateTableColumns(std::string_view createSql);
std::vector<std::string> parseCreateTableColumns(std::string_view createSql, int& rowidColumn);

}  // namespace formats
