#include "db/sql_statement.h"

#include <sqlite3.h>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_connection.h"

namespace db {

SqlStatement::SqlStatement(SqlConnection& connection, std::string sql)
    : connection_(connection), sql_(std::move(sql)) {
    sqlite3* db = connection_.handle();
    if (!db) throw DatabaseError("database is not open", SQLITE_MISUSE, sql_);
    debugOut(sql_);
    if (sqlite3_prepare_v2(db, sql_.c_str(), static_cast<int>(sql_.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
        const std::string error = sqlite3_errmsg(db);
        const int code = sqlite3_extended_errcode(db);
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DatabaseError(error + "\n" + sql_, code, sql_);
    }
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(stmt_);
}

void SqlStatement::reset() {
    if (!done_) return;
    sqlite3_reset(stmt_);
    done_ = false;
}

void SqlStatement::bind(int slot, std::string_view text) {
    reset();
    // An empty text is a text, never NULL (a view of nothing may have no data at all).
    sqlite3_bind_text(stmt_, slot, text.data() ? text.data() : "", static_cast<int>(text.size()),
                      SQLITE_STATIC);
}

void SqlStatement::bind(int slot, std::int64_t number) {
    reset();
    sqlite3_bind_int64(stmt_, slot, number);
}

void SqlStatement::bindNull(int slot) {
    reset();
    sqlite3_bind_null(stmt_, slot);
}

void SqlStatement::clearBindings() {
    reset();
    sqlite3_clear_bindings(stmt_);
}

bool SqlStatement::step() {
    reset();
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    done_ = true;
    if (rc != SQLITE_DONE) {
        sqlite3* db = connection_.handle();
        const std::string error = sqlite3_errmsg(db);
        const int code = sqlite3_extended_errcode(db);
        sqlite3_reset(stmt_);
        throw DatabaseError(error + "\n" + sql_, code, sql_);
    }
    return false;
}

void SqlStatement::run() {
    while (step()) {
    }
}

std::optional<std::string> SqlStatement::text(int column) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!t) return std::nullopt;
    return std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

int SqlStatement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

}  // namespace db
