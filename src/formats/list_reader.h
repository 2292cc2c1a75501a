#pragma once
// What every import file has in common, whatever its format: a header row that tells the
// list, then rows validated against it. The CSV reader and the workbook reader hand their
// records here one by one; accepted rows go to ExchangeData, refusals and notes to the
// ExchangeReport, each with where it came from ("<file>, wiersz <n>" or
// "<file>, arkusz „<sheet>”, wiersz <n>").
//
// A header is matched without regard to case, diacritics (ł as l, ß as ss, ä as a or ae)
// and blanks around its names, and its columns may come in any order; each list is known
// by its header in every language Listy speaks, and may have further variants
// (headerVariants()), no two of them of different lists alike.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/exchange.h"
#include "model/name_key.h"

namespace formats {

// The header rows a list is known by, the first ones in the order of Language (the export
// writes the chosen language's).
const std::vector<std::vector<std::string>>& headerVariants(model::List list);

// The list a header row names and, for each of the list's columns, where it is in the
// row. None when the row is no list's header.
struct HeaderMatch {
    model::List list;
    std::vector<std::size_t> places;
};
std::optional<HeaderMatch> matchHeader(const std::vector<std::string>& names);

// Where a row came from, for messages: "<source>, wiersz <n>" in the chosen language, the
// source alone for line 0 (a row of a database).
std::string placeOfRow(const std::string& source, long line);
// `text` between Polish quotes: „text”.
std::string inQuotes(std::string_view text);

class ListReader {
public:
    // `source` names the file or sheet in messages (it is added to data.sources).
    ListReader(std::string source, ExchangeData& data, ExchangeReport& report);

    // The next record of the file, with the line or row it starts on. The first record is
    // the header. Returns false once the file is refused as a whole (unknown header).
    bool record(long line, std::vector<std::string>&& fields);
    // The file is at its end: refuses an empty file, notes a header without rows.
    void finish();
    // A fault of the file as a whole: the rows taken from it are dropped and the fault
    // refused.
    void refuseFile(long line, const std::string& why);
    // Reserves room for about `rows` more rows.
    void reserve(std::size_t rows);

    const std::optional<model::List>& list() const { return list_; }
    const std::string& source() const { return source_; }

private:
    void refuse(long line, const std::string& why);

    std::string source_;
    ExchangeData& data_;
    ExchangeReport& report_;
    int sourceIndex_;
    std::optional<model::List> list_;
    std::vector<std::size_t> places_;
    std::vector<std::string> names_;  // the file's own names of the list's columns
    std::array<std::size_t, model::kListCount> before_{};
    long rows_ = 0;
    bool refused_ = false;
    std::size_t reserve_ = 0;
};

}  // namespace formats
