#pragma once
// Workbooks of the organisers' spreadsheets: the four lists written as one .xlsx workbook
// (a sheet per list, every cell a text cell, so "04711", "1-2" and "1,5" stay as they are),
// and .xlsx and .ods workbooks read back under the CSV import's rules, each sheet known by
// its header row.
//
// A workbook is a zip archive. Before the reading library sees one, its zip directory is
// checked: every entry's uncompressed size and their sum must stay under a limit, and each
// entry is inflated once (and thrown away) to prove it holds no more than its directory
// says, so a zip bomb is refused before anything is unpacked for real. Nothing in a
// workbook is ever evaluated or fetched: a cell with a formula and a link to another
// workbook are refused with the sheet and row, and values are taken as they are stored.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "db/forward.h"
#include "formats/exchange.h"

namespace formats {

enum class WorkbookKind { Xlsx, Ods };

struct WorkbookLimits {
    std::uint64_t maxUnpacked = 256u << 20;  // all entries together, uncompressed
    std::size_t maxEntries = 10'000;
    long maxRows = 1'000'001;  // per sheet: the header and 1,000,000 rows
    int maxColumns = 256;
    std::size_t maxFieldChars = 255;
};

// A workbook the checks refuse before it is read.
class WorkbookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes begin as a zip archive does (both .xlsx and .ods are zip archives).
bool looksLikeWorkbook(std::string_view bytes);

// Checks the zip directory and the entries as said above and tells which kind of workbook
// it is. WorkbookError when it is no workbook, is damaged, or unpacks to more than the
// limits allow.
WorkbookKind checkWorkbook(std::string_view bytes, const WorkbookLimits& limits = {});

// Reads one workbook (its name for messages, its bytes) into `data`, each sheet as a list
// file of its own ("<name>, arkusz „<sheet>”, wiersz <n>" in messages). A workbook the
// checks refuse, a cell with a formula, a link to another file, a value over the length
// limit, a sheet over the row limit, and every row the CSV rules refuse go to
// `report.refusals`. An empty sheet is passed over; numbers, dates and truth values stored
// as such are taken as their text, with a note.
void readWorkbook(const std::string& name, std::string_view bytes, ExchangeData& data,
                  ExchangeReport& report, const WorkbookLimits& limits = {});

}  // namespace formats
