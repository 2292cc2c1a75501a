#include "db/row_changes.h"

// The engine's header declares the pre-update hook only when told the library has it.
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <set>

#include "db/errors.h"
#include "db/sql_connection.h"

namespace db {
namespace {

RowValue valueOf(sqlite3_value* v) {
    RowValue out;
    if (!v) return out;
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            out.kind = RowValue::Integer;
            out.integer = sqlite3_value_int64(v);
            break;
        case SQLITE_FLOAT:
            out.kind = RowValue::Real;
            out.real = sqlite3_value_double(v);
            break;
        case SQLITE_TEXT: {
            out.kind = RowValue::Text;
            const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
            out.bytes.assign(t ? t : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
            break;
        }
        case SQLITE_BLOB: {
            out.kind = RowValue::Blob;
            const auto* b = static_cast<const char*>(sqlite3_value_blob(v));
            out.bytes.assign(b ? b : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
            break;
        }
        default:
            break;
    }
    return out;
}

std::string quoteName(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// A statement prepared on the connection's engine, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : db_(db), sql_(sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db);
            const int code = sqlite3_extended_errcode(db);
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw DatabaseError(message, code, sql);
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() { return stmt_; }
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw DatabaseError(sqlite3_errmsg(db_), sqlite3_extended_errcode(db_), sql_);
    }
    void run() {
        step();
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    void bind(int slot, const RowValue& v) {
        switch (v.kind) {
            case RowValue::Integer:
                sqlite3_bind_int64(stmt_, slot, v.integer);
                break;
            case RowValue::Real:
                sqlite3_bind_double(stmt_, slot, v.real);
                break;
            case RowValue::Text:
                sqlite3_bind_text(stmt_, slot, v.bytes.data(), static_cast<int>(v.bytes.size()),
                                  SQLITE_TRANSIENT);
                break;
            case RowValue::Blob:
                sqlite3_bind_blob(stmt_, slot, v.bytes.data(), static_cast<int>(v.bytes.size()),
                                  SQLITE_TRANSIENT);
                break;
            case RowValue::Null:
                sqlite3_bind_null(stmt_, slot);
                break;
        }
    }
    Row row(int from) {
        Row out;
        const int n = sqlite3_column_count(stmt_);
        for (int i = from; i < n; ++i) out.push_back(valueOf(sqlite3_column_value(stmt_, i)));
        return out;
    }

private:
    sqlite3* db_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

void preupdate(void* arg, sqlite3*, int op, const char* database, const char* table,
               sqlite3_int64 oldRowid, sqlite3_int64 newRowid) {
    if (std::string_view(database) != "main") return;
    static_cast<RowRecorder*>(arg)->record(op, table, oldRowid, newRowid);
}

Row rowOf(sqlite3* db, bool old) {
    Row out;
    const int n = sqlite3_preupdate_count(db);
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        sqlite3_value* v = nullptr;
        if (old) {
            sqlite3_preupdate_old(db, i, &v);
        } else {
            sqlite3_preupdate_new(db, i, &v);
        }
        out.push_back(valueOf(v));
    }
    return out;
}

void runSql(sqlite3* db, const std::string& sql) {
    Statement s(db, sql);
    s.run();
}

}  // namespace

TableSchema tablesOf(SqlConnection& connection) {
    TableSchema out;
    Statement s(connection.handle(),
                "select name, sql from main.sqlite_master where type='table' and name not like "
                "'sqlite_%';");
    while (s.step()) {
        const Row r = s.row(0);
        out[r[0].bytes] = r[1].bytes;
    }
    return out;
}

RowRecorder::RowRecorder(SqlConnection& connection) : connection_(connection) {
    tablesBefore_ = tablesOf(connection);
    sqlite3_preupdate_hook(connection.handle(), &preupdate, this);
}

RowRecorder::~RowRecorder() {
    if (connection_.handle()) sqlite3_preupdate_hook(connection_.handle(), nullptr, nullptr);
}

void RowRecorder::record(int op, const char* table, std::int64_t oldRowid, std::int64_t newRowid) {
    sqlite3* db = connection_.handle();
    if (op == SQLITE_INSERT) {
        note(table, newRowid, std::nullopt, rowOf(db, false));
    } else if (op == SQLITE_DELETE) {
        note(table, oldRowid, rowOf(db, true), std::nullopt);
    } else if (op == SQLITE_UPDATE) {
        Row before = rowOf(db, true);
        Row after = rowOf(db, false);
        if (oldRowid == newRowid) {
            note(table, oldRowid, std::move(before), std::move(after));
        } else {
            note(table, oldRowid, std::move(before), std::nullopt);
            note(table, newRowid, std::nullopt, std::move(after));
        }
    }
}

void RowRecorder::note(const char* table, std::int64_t rowid, std::optional<Row> before,
                       std::optional<Row> after) {
    if (tables_.empty() || tables_[lastTable_] != table) {
        const auto found = std::find(tables_.begin(), tables_.end(), std::string_view(table));
        lastTable_ = static_cast<std::size_t>(found - tables_.begin());
        if (found == tables_.end()) {
            tables_.emplace_back(table);
            index_.emplace_back();
        }
    }
    auto& positions = index_[lastTable_];
    const auto [at, fresh] = positions.try_emplace(rowid, rows_.size());
    if (fresh) {
        rows_.push_back({tables_[lastTable_], rowid, std::move(before), std::move(after)});
    } else {
        rows_[at->second].after = std::move(after);
    }
}

RowChanges RowRecorder::take() {
    RowChanges out;
    for (RowChange& c : rows_) {
        if (c.before != c.after) out.rows.push_back(std::move(c));
    }
    rows_.clear();
    index_.clear();
    tables_.clear();
    TableSchema after = tablesOf(connection_);
    if (after != tablesBefore_) {
        out.tablesBefore = tablesBefore_;
        out.tablesAfter = std::move(after);
    }
    return out;
}

Snapshot takeSnapshot(SqlConnection& connection) {
    Snapshot out;
    out.tables = tablesOf(connection);
    for (const auto& [table, sql] : out.tables) {
        Statement s(connection.handle(), "select rowid, * from main." + quoteName(table) + ";");
        while (s.step()) {
            out.rows[{table, sqlite3_column_int64(s.get(), 0)}] = s.row(1);
        }
    }
    return out;
}

RowChanges difference(const Snapshot& before, const Snapshot& after) {
    RowChanges out;
    for (const auto& [key, row] : before.rows) {
        const auto other = after.rows.find(key);
        if (other == after.rows.end()) {
            out.rows.push_back({key.first, key.second, row, std::nullopt});
        } else if (other->second != row) {
            out.rows.push_back({key.first, key.second, row, other->second});
        }
    }
    for (const auto& [key, row] : after.rows) {
        if (!before.rows.count(key)) out.rows.push_back({key.first, key.second, std::nullopt, row});
    }
    if (before.tables != after.tables) {
        out.tablesBefore = before.tables;
        out.tablesAfter = after.tables;
    }
    return out;
}

void applyRowChanges(SqlConnection& connection, const RowChanges& changes, bool backwards,
                     bool (*skip)(const RowChange&)) {
    sqlite3* db = connection.handle();
    const TableSchema& from = backwards ? changes.tablesAfter : changes.tablesBefore;
    const TableSchema& to = backwards ? changes.tablesBefore : changes.tablesAfter;
    // The tables the target has and the file lacks come first, so their rows can go in.
    for (const auto& [name, sql] : to) {
        if (!from.count(name)) runSql(db, sql);
    }
    std::map<std::string, std::string> columns;  // table -> "rowid, c1, c2 ..." text
    auto columnsOf = [&](const std::string& table) -> const std::string& {
        auto found = columns.find(table);
        if (found != columns.end()) return found->second;
        Statement s(db, "select * from main." + quoteName(table) + " limit 0;");
        std::string list = "rowid";
        for (int i = 0; i < sqlite3_column_count(s.get()); ++i)
            list += ", " + quoteName(sqlite3_column_name(s.get(), i));
        return columns[table] = list;
    };
    // Each statement is prepared once per table (a step may hold a hundred thousand rows).
    std::map<std::string, std::unique_ptr<Statement>> prepared;
    auto statement = [&](const std::string& key, auto&& sql) -> Statement& {
        std::unique_ptr<Statement>& s = prepared[key];
        if (!s) s = std::make_unique<Statement>(db, sql());
        return *s;
    };
    // Check every row first: nothing is written unless all hold what the change left.
    for (const RowChange& c : changes.rows) {
        if (skip && skip(c)) continue;
        const std::optional<Row>& expected = backwards ? c.after : c.before;
        std::optional<Row> present;
        try {
            Statement& s = statement("select " + c.table, [&] {
                return "select * from main." + quoteName(c.table) + " where rowid=?;";
            });
            sqlite3_bind_int64(s.get(), 1, c.rowid);
            if (s.step()) present = s.row(0);
            sqlite3_reset(s.get());
        } catch (const DatabaseError&) {
            throw RowsChangedError(c.table, c.rowid);  // the table is gone
        }
        if (present != expected) throw RowsChangedError(c.table, c.rowid);
    }
    for (const RowChange& c : changes.rows) {
        if (skip && skip(c)) continue;
        const std::optional<Row>& target = backwards ? c.before : c.after;
        const std::string table = "main." + quoteName(c.table);
        if (!target) {
            Statement& s = statement("delete " + c.table,
                                     [&] { return "delete from " + table + " where rowid=?;"; });
            sqlite3_bind_int64(s.get(), 1, c.rowid);
            s.run();
            continue;
        }
        // A row put back takes its old rowid, so the lists keep their order.
        Statement& s = statement("insert " + c.table + " " + std::to_string(target->size()), [&] {
            std::string slots = "?";
            for (std::size_t i = 0; i < target->size(); ++i) slots += ",?";
            return "insert or replace into " + table + "(" + columnsOf(c.table) + ") values(" +
                   slots + ");";
        });
        sqlite3_bind_int64(s.get(), 1, c.rowid);
        for (std::size_t i = 0; i < target->size(); ++i)
            s.bind(static_cast<int>(i) + 2, (*target)[i]);
        s.run();
    }
    prepared.clear();  // before a table is dropped
    for (const auto& [name, sql] : from) {
        if (!to.count(name)) runSql(db, "drop table main." + quoteName(name) + ";");
    }
}

}  // namespace db
