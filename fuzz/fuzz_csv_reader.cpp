// Arbitrary bytes as a CSV file for the import's reader: the decoding (UTF-8 or the
// likeliest 8-bit encoding), the separator, the RFC 4180 parser with its limits, and the reading of
// one list file with its validation. A crash, a sanitizer report, an exception other than the
// reader's own refusal, or a broken invariant is a bug. Invariants: every record written back with
// the writer and read again gives the same values; every value kept is within the limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "db/text.h"
#include "formats/csv.h"
#include "formats/exchange.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::csv::Limits limits;
    limits.maxRecords = 200;
    limits.maxFieldChars = 40;
    std::vector<formats::csv::Record> records;
    try {
        // The likeliest encoding when the bytes are not UTF-8, and the separator of its header.
        const auto likely = formats::likelyEncodings(bytes);
        model::Encoding used;
        const std::string text = formats::csv::decode(
            bytes, likely.empty() ? std::nullopt : std::optional(likely.front()), used, limits);
        formats::csv::parse(
            text, [&](formats::csv::Record&& r) { records.push_back(std::move(r)); }, limits,
            formats::csv::detectSeparator(text));
    } catch (const formats::csv::CsvError& e) {
        check(e.line() >= 0);
        records.clear();
    }
    // What was read, written and read again, is the same.
    std::string written;
    for (const auto& r : records) {
        for (const auto& v : r.fields) check(db::charCount(v) <= limits.maxFieldChars);
        written += formats::csv::line(r.fields);
    }
    std::vector<formats::csv::Record> again;
    formats::csv::parse(
        written, [&](formats::csv::Record&& r) { again.push_back(std::move(r)); }, limits);
    check(again.size() == records.size());
    for (std::size_t i = 0; i < again.size(); ++i) check(again[i].fields == records[i].fields);

    // The import's reading of one file: refusals or rows, never anything else.
    formats::ExchangeData exchange;
    formats::ExchangeReport report;
    formats::readCsv("fuzz.csv", bytes, exchange, report);
    for (model::List list : model::kDescribedLists) {
        for (const auto& row : exchange.of(list))
            check(row.values.size() == formats::csvHeader(list).size());
    }
    return 0;
}
