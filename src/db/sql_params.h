#pragma once
// Named parameters in a statement text: the scan that turns ":name" into "?" and collects
// the parameter list, and the substitution that puts the parameters' values (or NULL) in
// place of those "?" when the statement runs.
//
// Quoted literals ('…', "…", `…`) are left alone by both. A literal ends only at the quote
// character that opened it, so a '"' or '`' inside '…' is plain text; a doubled quote inside
// a literal stays inside it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace db {

struct Param {
    std::string name;
    std::string value;
    bool isNull = true;
};

// The statement text after the scan: every ":name" outside literals replaced by one "?"
// (its offset in `text` is in `placeholders`, one per entry of `params`, in order), every
// "::" outside literals replaced by ":".
struct ParsedSql {
    std::string text;
    std::vector<Param> params;
    std::vector<std::size_t> placeholders;
};

// A parameter name runs from the ":" to the next blank, comma, semicolon, closing
// parenthesis, carriage return or line feed (or the end of the text); it may be empty.
ParsedSql scanParams(std::string_view sql);

// The statement to hand to the engine: `statement` begins with a parsed text whose
// placeholders are at `placeholders` (anything appended behind it, such as a filter
// condition, is kept). Each placeholder becomes "NULL" when its parameter is null with an
// empty value, otherwise the value in single quotes with "'" doubled. Only the scan's own
// placeholders are replaced: a "?" inside a literal of the text or inside a value stays.
// Outside literals every carriage-return/line-feed pair becomes one blank; the values and
// the literals of the text keep theirs, so every value reaches the engine exactly.
std::string substituteParams(std::string_view statement, const std::vector<Param>& params,
                             const std::vector<std::size_t>& placeholders);

// The lines of a statement text: split at each line break (CR, LF or CR LF) outside quoted
// literals. A line break inside a literal belongs to the value and stays in its line.
std::vector<std::string> splitSqlLines(std::string_view sql);

// A text value as an SQL literal: in single quotes, each "'" doubled.
std::string quoteValue(std::string_view value);

}  // namespace db
