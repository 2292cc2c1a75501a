#include "formats/legacy_conversion.h"

#include <sqlite3.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "formats/cp1250.h"
#include "model/messages.h"

namespace formats {

using model::message;
namespace {

// The new file is written through the engine's own statements with bound values, so every
// value arrives exactly as it was read, whatever characters it holds.
class NewDatabase {
public:
    explicit NewDatabase(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            fail("cannot create the new file");
        }
    }
    ~NewDatabase() { sqlite3_close_v2(db_); }
    NewDatabase(const NewDatabase&) = delete;
    NewDatabase& operator=(const NewDatabase&) = delete;

    void exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string text = error ? error : "error";
            sqlite3_free(error);
            throw ConversionError(text + "\n" + sql);
        }
    }

    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) fail(sql);
        return stmt;
    }

    [[noreturn]] void fail(const std::string& what) {
        throw ConversionError(std::string(db_ ? sqlite3_errmsg(db_) : "error") + "\n" + what);
    }

private:
    sqlite3* db_ = nullptr;
};

struct Statement {
    sqlite3_stmt* stmt;
    ~Statement() { sqlite3_finalize(stmt); }
};

std::string quoteIdentifier(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The text after "create table" and its blanks names a schema ("temp.ladunki", "main.x"):
// the name, quoted or not, is followed by a ".".
bool namesASchema(const std::string& sql, std::size_t at) {
    while (at < sql.size() && isBlank(sql[at])) ++at;
    if (at >= sql.size()) return false;
    const char open = sql[at];
    const char close = open == '[' ? ']' : open;
    if (open == '"' || open == '`' || open == '[' || open == '\'') {
        for (++at; at < sql.size(); ++at) {
            if (sql[at] != close) continue;
            if (close != ']' && at + 1 < sql.size() && sql[at + 1] == close) {
                ++at;  // a doubled quote inside the name
                continue;
            }
            ++at;
            break;
        }
    } else {
        while (at < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[at])) ||
                                   sql[at] == '_' || static_cast<unsigned char>(sql[at]) >= 0x80))
            ++at;
    }
    while (at < sql.size() && isBlank(sql[at])) ++at;
    return at < sql.size() && sql[at] == '.';
}

// Only a table's own create statement is run from the old file: one statement that begins
// "CREATE TABLE", names no schema, and has nothing but blanks and ";" after it.
void checkCreateStatement(const std::string& tableName, const std::string& sql) {
    sqlite3* probe = nullptr;
    sqlite3_open_v2(":memory:", &probe, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(probe, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail);
    sqlite3_finalize(stmt);
    sqlite3_close_v2(probe);
    std::size_t start = 0;
    while (start < sql.size() && isBlank(sql[start])) ++start;
    std::string head = sql.substr(start, 12);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool onlyBlanksAfter = rc == SQLITE_OK && tail != nullptr;
    for (const char* p = tail; onlyBlanksAfter && p < sql.c_str() + sql.size(); ++p) {
        if (!isBlank(*p) && *p != ';') onlyBlanksAfter = false;
    }
    if (head != "create table" || !isBlank(sql.size() > start + 12 ? sql[start + 12] : ' ') ||
        !onlyBlanksAfter || namesASchema(sql, start + 12)) {
        throw ConversionError(
            message("listy",
                    QT_TRANSLATE_NOOP("listy",
                                      "Definicja tabeli %1 w starym pliku nie jest samym "
                                      "poleceniem CREATE TABLE, więc nie została wykonana. Plik "
                                      "nie został przekształcony i pozostał bez zmian."),
                    {tableName}) +
            "\n" + sql);
    }
}

// Copies one table; returns the number of values the new file holds in another form.
int copyTable(NewDatabase& out, const Sqlite2Table& table, long& rows) {
    const std::string createSql = cp1250ToUtf8(table.createSql);
    checkCreateStatement(cp1250ToUtf8(table.name), createSql);
    out.exec(createSql);
    const std::string name = quoteIdentifier(cp1250ToUtf8(table.name));
    std::string columns = "rowid";
    std::string marks = "?";
    for (const std::string& c : table.columns) {
        columns += ", " + quoteIdentifier(cp1250ToUtf8(c));
        marks += ", ?";
    }
    Statement insert{
        out.prepare("insert into " + name + "(" + columns + ") values(" + marks + ")")};
    Statement readBack{out.prepare("select " + columns + " from " + name + " where rowid = ?")};
    int changes = 0;
    for (const formats::Sqlite2Row& row : table.rows) {
        sqlite3_reset(insert.stmt);
        sqlite3_bind_int64(insert.stmt, 1, row.rowid);
        std::vector<std::string> texts(row.values.size());
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            const int slot = static_cast<int>(i) + 2;
            if (!row.values[i]) {
                sqlite3_bind_null(insert.stmt, slot);
                continue;
            }
            texts[i] = cp1250ToUtf8(*row.values[i]);
            sqlite3_bind_text(insert.stmt, slot, texts[i].data(), static_cast<int>(texts[i].size()),
                              SQLITE_STATIC);
        }
        if (sqlite3_step(insert.stmt) != SQLITE_DONE) out.fail("insert into " + name);
        ++rows;
        // A column of numeric affinity may keep a text as a number ("007" as 7): count them.
        sqlite3_reset(readBack.stmt);
        sqlite3_bind_int64(readBack.stmt, 1, row.rowid);
        if (sqlite3_step(readBack.stmt) != SQLITE_ROW) out.fail("select from " + name);
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            if (!row.values[i]) continue;
            const int col = static_cast<int>(i) + 1;
            const auto* stored =
                reinterpret_cast<const char*>(sqlite3_column_text(readBack.stmt, col));
            const int length = sqlite3_column_bytes(readBack.stmt, col);
            if (!stored || std::string_view(stored, static_cast<std::size_t>(length)) != texts[i]) {
                ++changes;
            }
        }
    }
    return changes;
}

}  // namespace

ConversionCounts writeConvertedDatabase(const std::vector<Sqlite2Table>& tables,
                                        const std::string& path) {
    ConversionCounts counts;
    NewDatabase out(path);
    out.exec("begin transaction");
    for (const Sqlite2Table& table : tables) {
        counts.numericChanges += copyTable(out, table, counts.rows);
        ++counts.tables;
    }
    out.exec("commit transaction");
    return counts;
}

}  // namespace formats
