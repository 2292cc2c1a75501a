#include "db/sql_params.h"

#include <algorithm>

#include "db/text.h"

namespace db {
namespace {

bool isQuote(char c) {
    return c == '\'' || c == '"' || c == '`';
}

// Tracks quoted literals through a text, one character at a time. A literal ends only at
// the quote that opened it; a doubled quote inside it stays inside.
class LiteralTracker {
public:
    bool inLiteral() const { return quote_ != 0; }
    // Copies the literal character (or doubled quote) at `i` to `out` and returns the index
    // after it. Call only while inLiteral().
    std::size_t copyLiteral(std::string_view text, std::size_t i, std::string& out) {
        const char c = text[i++];
        out += c;
        if (c == quote_) {
            if (i < text.size() && text[i] == quote_) {
                out += text[i++];
            } else {
                quote_ = 0;
            }
        }
        return i;
    }
    // Outside a literal: true (and the literal opened) when `c` opens one.
    bool opens(char c) {
        if (!isQuote(c)) return false;
        quote_ = c;
        return true;
    }

private:
    char quote_ = 0;
};

constexpr std::string_view kNameEnd = " ,;)\r\n";

}  // namespace

ParsedSql scanParams(std::string_view sql) {
    ParsedSql out;
    out.text.reserve(sql.size());
    LiteralTracker literal;
    std::size_t i = 0;
    while (i < sql.size()) {
        if (literal.inLiteral()) {
            i = literal.copyLiteral(sql, i, out.text);
            continue;
        }
        const char c = sql[i];
        if (c != ':') {
            literal.opens(c);
            out.text += c;
            ++i;
            continue;
        }
        if (i + 1 < sql.size() && sql[i + 1] == ':') {
            out.text += ':';
            i += 2;
            continue;
        }
        std::size_t end = sql.find_first_of(kNameEnd, i + 1);
        if (end == std::string_view::npos) end = sql.size();
        out.params.push_back(Param{std::string(sql.substr(i + 1, end - i - 1)), {}, true});
        out.placeholders.push_back(out.text.size());
        out.text += '?';
        i = end;
    }
    return out;
}

std::vector<std::string> splitSqlLines(std::string_view sql) {
    std::vector<std::string> lines;
    std::string line;
    LiteralTracker literal;
    std::size_t i = 0;
    while (i < sql.size()) {
        if (literal.inLiteral()) {
            i = literal.copyLiteral(sql, i, line);
            continue;
        }
        const char c = sql[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            i += c == '\r' && i + 1 < sql.size() && sql[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        literal.opens(c);
        line += c;
        ++i;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string quoteValue(std::string_view value) {
    return "'" + doubleQuotes(value) + "'";
}

std::string substituteParams(std::string_view statement, const std::vector<Param>& params,
                             const std::vector<std::size_t>& placeholders) {
    std::string out;
    out.reserve(statement.size() + 16 * params.size());
    const std::size_t count = std::min(params.size(), placeholders.size());
    std::size_t next = 0;  // the next placeholder to fill
    LiteralTracker literal;
    std::size_t i = 0;
    while (i < statement.size()) {
        // Placeholders lie outside literals; one that does not point at a "?" of this text
        // (a caller's mistake) is skipped rather than allowed to overwrite anything.
        while (next < count && placeholders[next] < i) ++next;
        if (literal.inLiteral()) {
            i = literal.copyLiteral(statement, i, out);
            continue;
        }
        const char c = statement[i];
        if (next < count && placeholders[next] == i && c == '?') {
            const Param& p = params[next++];
            out += p.isNull && p.value.empty() ? std::string("NULL") : quoteValue(p.value);
            ++i;
            continue;
        }
        if (c == '\r' && i + 1 < statement.size() && statement[i + 1] == '\n') {
            out += ' ';
            i += 2;
            continue;
        }
        literal.opens(c);
        out += c;
        ++i;
    }
    return out;
}

}  // namespace db
