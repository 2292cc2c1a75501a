#include "formats/create_table_text.h"

#include <cctype>

#include "formats/sqlite2_reader.h"

namespace formats {
namespace {

// The create statement is text, not file structure; the caller says which table it belongs to.
[[noreturn]] void failSql(const std::string& what) {
    throw LegacyFormatError(what);
}

// ---- CREATE TABLE text ----------------------------------------------------------------

struct Token {
    enum Kind { Word, Quoted, Punct } kind;
    std::string text;  // quotes removed for Quoted
};

bool isWordByte(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<Token> tokenize(std::string_view sql) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < sql.size()) {
        const auto c = static_cast<unsigned char>(sql[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (sql.substr(i, 2) == "--") {
            const auto end = sql.find('\n', i);
            i = end == std::string_view::npos ? sql.size() : end + 1;
        } else if (sql.substr(i, 2) == "/*") {
            const auto end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? sql.size() : end + 2;
        } else if (c == '"' || c == '\'' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : static_cast<char>(c);
            std::string text;
            std::size_t j = i + 1;
            for (;;) {
                if (j >= sql.size())
                    failSql("unterminated quote in create statement at position " +
                            std::to_string(i));
                if (sql[j] == close) {
                    if (close != ']' && j + 1 < sql.size() && sql[j + 1] == close) {
                        text += close;  // doubled quote
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += sql[j++];
            }
            out.push_back({Token::Quoted, std::move(text)});
            i = j + 1;
        } else if (isWordByte(c)) {
            std::size_t j = i;
            while (j < sql.size() && isWordByte(static_cast<unsigned char>(sql[j]))) ++j;
            out.push_back({Token::Word, std::string(sql.substr(i, j - i))});
            i = j;
        } else {
            out.push_back({Token::Punct, std::string(1, sql[i])});
            ++i;
        }
    }
    return out;
}

bool isWord(const Token& t, std::string_view w) {
    return t.kind == Token::Word && equalsNoCase(t.text, w);
}

bool isPunct(const Token& t, char p) {
    return t.kind == Token::Punct && t.text.size() == 1 && t.text[0] == p;
}

bool startsColumnConstraint(const Token& t) {
    for (const char* kw : {"constraint", "primary", "not", "null", "default", "unique", "check",
                           "collate", "references"})
        if (isWord(t, kw)) return true;
    return false;
}

}  // namespace

std::vector<std::string> parseCreateTableColumns(std::string_view createSql, int& rowidColumn) {
    const auto tokens = tokenize(createSql);
    std::size_t i = 0;
    auto at = [&](std::size_t k) -> const Token* {
        return k < tokens.size() ? &tokens[k] : nullptr;
    };

    if (!at(i) || !isWord(*at(i), "create"))
        failSql("create statement does not start with CREATE: '" +
                std::string(createSql.substr(0, 60)) + "'");
    ++i;
    if (at(i) && (isWord(*at(i), "temp") || isWord(*at(i), "temporary"))) ++i;
    if (!at(i) || !isWord(*at(i), "table"))
        failSql("not a CREATE TABLE statement: '" + std::string(createSql.substr(0, 60)) + "'");
    ++i;
    if (!at(i) || at(i)->kind == Token::Punct) failSql("CREATE TABLE without a table name");
    ++i;
    if (at(i) && isPunct(*at(i), '.') && at(i + 1) && at(i + 1)->kind != Token::Punct) i += 2;
    if (!at(i) || !isPunct(*at(i), '('))
        failSql("CREATE TABLE without a column list in parentheses");
    ++i;

    // Split the list at top-level commas, up to the matching ')'.
    std::vector<std::vector<Token>> items(1);
    int depth = 0;
    for (;; ++i) {
        if (!at(i)) failSql("CREATE TABLE column list is not closed");
        const Token& t = *at(i);
        if (isPunct(t, '('))
            ++depth;
        else if (isPunct(t, ')') && depth-- == 0)
            break;
        if (depth == 0 && isPunct(t, ',')) {
            items.emplace_back();
            continue;
        }
        items.back().push_back(t);
    }

    std::vector<std::string> columns;
    std::vector<bool> typeIsInteger;
    int pkColumn = -1;
    int pkCount = 0;  // columns in the primary key; an INTEGER PRIMARY KEY needs exactly one
    auto notePrimaryKey = [&](const std::string& name) {
        ++pkCount;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (equalsNoCase(columns[c], name)) pkColumn = static_cast<int>(c);
    };

    for (const auto& item : items) {
        if (item.empty()) failSql("empty entry in CREATE TABLE column list");
        const Token& first = item.front();
        if (isWord(first, "constraint") || isWord(first, "primary") || isWord(first, "unique") ||
            isWord(first, "check") || isWord(first, "foreign")) {
            // Table constraint; only PRIMARY KEY(...) matters here.
            for (std::size_t k = 0; k + 1 < item.size(); ++k) {
                if (isWord(item[k], "primary") && isWord(item[k + 1], "key")) {
                    for (std::size_t m = k + 2; m < item.size() && !isPunct(item[m], ')'); ++m) {
                        if (isWord(item[m], "collate"))
                            ++m;  // and its collation name
                        else if (item[m].kind != Token::Punct && !isWord(item[m], "asc") &&
                                 !isWord(item[m], "desc"))
                            notePrimaryKey(item[m].text);
                    }
                    break;
                }
            }
            continue;
        }
        if (first.kind == Token::Punct)
            failSql("column definition starts with '" + first.text + "' in CREATE TABLE");
        columns.push_back(first.text);
        std::size_t k = 1;
        std::size_t typeTokens = 0;
        bool integerType = false;
        for (; k < item.size() && !startsColumnConstraint(item[k]); ++k) {
            ++typeTokens;
            integerType = typeTokens == 1 && isWord(item[k], "integer");
        }
        typeIsInteger.push_back(integerType && typeTokens == 1);
        for (; k + 1 < item.size(); ++k)
            if (isWord(item[k], "primary") && isWord(item[k + 1], "key")) {
                ++pkCount;
                pkColumn = static_cast<int>(columns.size() - 1);
            }
    }
    if (columns.empty()) failSql("CREATE TABLE declares no columns");
    rowidColumn = (pkCount == 1 && pkColumn >= 0 && typeIsInteger[pkColumn]) ? pkColumn : -1;
    return columns;
}

std::vector<std::string> parseCreateTableColumns(std::string_view createSql) {
    int unused = -1;
    return parseCreateTableColumns(createSql, unused);
}

}  // namespace formats
