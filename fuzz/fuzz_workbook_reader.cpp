// Arbitrary bytes as a workbook for the import's reader: the zip directory check, the
// inflation that proves each entry's size, the .xlsx/.ods reading library behind it, and
// the reading of each sheet as a list. A crash, a sanitizer report, an exception leaving
// the reader, or a broken invariant is a bug. Invariants: every row kept has its list's
// columns, each value within the limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "db/text.h"
#include "formats/exchange.h"
#include "formats/workbook.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::WorkbookLimits limits;
    limits.maxUnpacked = 8u << 20;
    limits.maxRows = 200;
    limits.maxColumns = 16;
    formats::ExchangeData exchange;
    formats::ExchangeReport report;
    formats::readWorkbook("fuzz.xlsx", bytes, exchange, report, limits);
    for (model::List list : model::kDescribedLists) {
        for (const auto& row : exchange.of(list)) {
            check(row.values.size() == formats::csvHeader(list).size());
            for (const auto& v : row.values) check(db::charCount(v) <= limits.maxFieldChars);
        }
    }
    return 0;
}
