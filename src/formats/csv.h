#pragma once
// CSV as spreadsheets in a Polish locale read and write it: UTF-8 with a byte-order mark,
// ";" between values, quoting as RFC 4180 (a value between double quotes may hold quotes,
// written twice, separators and line breaks). The reader trusts nothing: it refuses, with
// the line number, a broken quote, a NUL or other control byte, a value over the length
// limit and a file over the row limit. A file that is not UTF-8 is read in the 8-bit
// encoding the caller names (encoding.h); without one it is refused with the likely
// encodings named. Files from other spreadsheets may use "," or a tab between values: the
// separator is found from the header row.

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formats/encoding.h"

namespace formats::csv {

inline constexpr std::string_view kBom = "\xEF\xBB\xBF";
inline constexpr char kSeparator = ';';

// A file the reader refuses; `line` is the 1-based line where the fault is (0: the file).
// The message is in the chosen language; what the caller may act on is told by `cause`.
class CsvError : public std::runtime_error {
public:
    enum class Cause {
        Fault,           // the file's bytes or quotes
        EncodingNeeded,  // not UTF-8, and no encoding was given: the caller may name one
    };
    CsvError(long line, const std::string& what, Cause cause = Cause::Fault)
        : std::runtime_error(what), line_(line), cause_(cause) {}
    long line() const { return line_; }
    Cause cause() const { return cause_; }

private:
    long line_;
    Cause cause_;
};

struct Limits {
    long maxRecords = 1'000'001;        // the header and 1,000,000 rows
    std::size_t maxFieldChars = 255;    // characters (code points), not bytes
    std::size_t maxBytes = 512u << 20;  // the whole file
};

struct Record {
    long line = 0;  // the line the record starts on
    std::vector<std::string> fields;
};

// The file's text as UTF-8, the byte-order mark removed. Valid UTF-8 is taken as UTF-8
// (`used` is Utf8) whatever `encoding` says; other bytes are converted from `encoding`.
// CsvError for a NUL or another control byte (other than tab, CR, LF), for a byte the
// encoding leaves undefined, and for a text that is not UTF-8 when no encoding is given
// (the message names the likely encodings, the likeliest first).
std::string decode(std::string_view bytes, std::optional<Encoding> encoding, Encoding& used,
                   const Limits& limits = {});

// The separator of a decoded text: of ";", "," and tab the one that splits its first line
// (outside quotes) most often; ";" when none does.
char detectSeparator(std::string_view text);

// Reads the records of a decoded text in order and hands each to `visit`. An empty line
// is no record. CsvError at the first broken quote, value over the limit, or record over
// the limit.
void parse(std::string_view text, const std::function<void(Record&&)>& visit,
           const Limits& limits = {}, char separator = kSeparator);

// One value as written: always between double quotes, quotes doubled, so a spreadsheet
// told to keep quoted values as text keeps "007" as it is.
std::string quote(std::string_view value);
// The same appended to `out`.
void appendQuoted(std::string& out, std::string_view value);
// One line: the values joined by ";" (each quoted when `quoted`), ended by CR LF.
std::string line(const std::vector<std::string>& values, bool quoted = true);

}  // namespace formats::csv
