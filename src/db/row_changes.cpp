#include "db/row_changes.h"

// The engine's header declares the pre-update hook only when told the library has it.
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_statement.h"

namespace db {
namespace {

// A view of `v`: its bytes stay valid until the engine's next call on the value.
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
            if (t) out.bytes = {t, static_cast<std::size_t>(sqlite3_value_bytes(v))};
            break;
        }
        case SQLITE_BLOB: {
            out.kind = RowValue::Blob;
            const auto* b = static_cast<const char*>(sqlite3_value_blob(v));
            if (b) out.bytes = {b, static_cast<std::size_t>(sqlite3_value_bytes(v))};
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

}  // namespace

namespace detail {

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
        for (int i = from; i < n; ++i) out.append(valueOf(sqlite3_column_value(stmt_, i)));
        return out;
    }

private:
    sqlite3* db_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace detail

using detail::Statement;

namespace {

void preupdate(void* arg, sqlite3*, int op, const char* database, const char* table,
               sqlite3_int64 oldRowid, sqlite3_int64 newRowid) {
    if (std::string_view(database) != "main") return;
    static_cast<RowRecorder*>(arg)->record(op, table, oldRowid, newRowid);
}

// The recorder following each engine connection, for RecordedInsert.
std::mutex recordersLock;
std::vector<std::pair<sqlite3*, RowRecorder*>> recorders;

RowRecorder* recorderOf(sqlite3* db) {
    const std::lock_guard<std::mutex> lock(recordersLock);
    for (const auto& [handle, recorder] : recorders)
        if (handle == db) return recorder;
    return nullptr;
}

// The column affinity of a declared type, by the engine's rules.
char affinityOf(std::string type) {
    for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (type.find("INT") != std::string::npos) return 'i';
    if (type.find("CHAR") != std::string::npos || type.find("CLOB") != std::string::npos ||
        type.find("TEXT") != std::string::npos)
        return 't';
    if (type.empty() || type.find("BLOB") != std::string::npos) return 'b';
    if (type.find("REAL") != std::string::npos || type.find("FLOA") != std::string::npos ||
        type.find("DOUB") != std::string::npos)
        return 'r';
    return 'n';
}

Row rowOf(sqlite3* db, bool old) {
    // Read first, then packed into a buffer of the right size: one allocation a row.
    constexpr int kColumns = 32;
    RowValue values[kColumns];
    Row out;
    const int n = sqlite3_preupdate_count(db);
    for (int from = 0; from < n; from += kColumns) {
        const int count = std::min(kColumns, n - from);
        std::size_t bytes = 0;
        for (int i = 0; i < count; ++i) {
            sqlite3_value* v = nullptr;
            if (old) {
                sqlite3_preupdate_old(db, from + i, &v);
            } else {
                sqlite3_preupdate_new(db, from + i, &v);
            }
            values[i] = valueOf(v);
            bytes += values[i].bytes.size();
        }
        if (from == 0) out.reserve(static_cast<std::size_t>(n), bytes);
        for (int i = 0; i < count; ++i) out.append(values[i]);
    }
    return out;
}

void runSql(sqlite3* db, const std::string& sql) {
    Statement s(db, sql);
    s.run();
}

}  // namespace

void Row::append(const RowValue& value) {
    packed_ += static_cast<char>(value.kind);
    char eight[8];
    switch (value.kind) {
        case RowValue::Integer:
            std::memcpy(eight, &value.integer, 8);
            packed_.append(eight, 8);
            break;
        case RowValue::Real:
            std::memcpy(eight, &value.real, 8);
            packed_.append(eight, 8);
            break;
        case RowValue::Text:
        case RowValue::Blob: {
            const std::uint64_t length = value.bytes.size();
            std::memcpy(eight, &length, 8);
            packed_.append(eight, 8);
            packed_.append(value.bytes);
            break;
        }
        case RowValue::Null:
            break;
    }
    ++count_;
}

RowValue Row::next(std::size_t& at) const {
    RowValue out;
    out.kind = static_cast<RowValue::Kind>(packed_[at++]);
    if (out.kind == RowValue::Null) return out;
    const char* eight = packed_.data() + at;
    at += 8;
    if (out.kind == RowValue::Integer) {
        std::memcpy(&out.integer, eight, 8);
    } else if (out.kind == RowValue::Real) {
        std::memcpy(&out.real, eight, 8);
    } else {
        std::uint64_t length = 0;
        std::memcpy(&length, eight, 8);
        out.bytes = std::string_view(packed_).substr(at, length);
        at += length;
    }
    return out;
}

RowValue Row::operator[](std::size_t column) const {
    std::size_t at = 0;
    for (std::size_t i = 0; i < column; ++i) next(at);
    return next(at);
}

TableSchema tablesOf(SqlConnection& connection) {
    TableSchema out;
    Statement s(connection.handle(),
                "select name, sql from main.sqlite_master where type='table' and name not like "
                "'sqlite_%';");
    while (s.step()) {
        const Row r = s.row(0);
        out[std::string(r[0].bytes)] = std::string(r[1].bytes);
    }
    return out;
}

RowRecorder::RowRecorder(SqlConnection& connection) : connection_(connection) {
    tablesBefore_ = tablesOf(connection);
    sqlite3_preupdate_hook(connection.handle(), &preupdate, this);
    const std::lock_guard<std::mutex> lock(recordersLock);
    recorders.emplace_back(connection.handle(), this);
}

RowRecorder::~RowRecorder() {
    {
        const std::lock_guard<std::mutex> lock(recordersLock);
        recorders.erase(std::remove_if(recorders.begin(), recorders.end(),
                                       [&](const auto& r) { return r.second == this; }),
                        recorders.end());
    }
    if (connection_.handle()) sqlite3_preupdate_hook(connection_.handle(), nullptr, nullptr);
}

std::size_t* RowRecorder::Positions::find(std::int64_t rowid) {
    if (!rising.empty() && rowid <= rising.back().first) {
        const auto at = std::lower_bound(rising.begin(), rising.end(), rowid,
                                         [](const auto& p, std::int64_t r) { return p.first < r; });
        if (at != rising.end() && at->first == rowid) return &at->second;
    }
    if (others.empty()) return nullptr;
    const auto found = others.find(rowid);
    return found == others.end() ? nullptr : &found->second;
}

void RowRecorder::Positions::add(std::int64_t rowid, std::size_t position) {
    if (rising.empty() || rowid > rising.back().first) {
        rising.emplace_back(rowid, position);
    } else {
        others.emplace(rowid, position);
    }
}

void RowRecorder::record(int op, const char* table, std::int64_t oldRowid, std::int64_t newRowid) {
    sqlite3* db = connection_.handle();
    if (op == SQLITE_INSERT) {
        if (!insertsRecordedApart_.empty() && insertsRecordedApart_ == table) return;
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
    Positions& positions = index_[lastTable_];
    if (std::size_t* at = positions.find(rowid)) {
        rows_[*at].after = std::move(after);
    } else {
        positions.add(rowid, rows_.size());
        rows_.push_back({tables_[lastTable_], rowid, std::move(before), std::move(after)});
    }
}

RowChanges RowRecorder::take() {
    RowChanges out;
    // Rows that came back to what they held are dropped in place; the rest move once.
    rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                               [](const RowChange& c) { return c.before == c.after; }),
                rows_.end());
    out.rows = std::move(rows_);
    rows_ = {};
    index_.clear();
    tables_.clear();
    TableSchema after = tablesOf(connection_);
    if (after != tablesBefore_) {
        out.tablesBefore = tablesBefore_;
        out.tablesAfter = std::move(after);
    }
    return out;
}

RecordedInsert::RecordedInsert(SqlConnection& connection, std::string table)
    : connection_(connection), table_(std::move(table)) {
    sqlite3* db = connection.handle();
    {
        std::string literal = "'";
        for (char c : table_) literal += c == '\'' ? std::string("''") : std::string(1, c);
        Statement columns(db, "select type from pragma_table_info(" + literal + "', 'main');");
        while (columns.step()) {
            const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(columns.get(), 0));
            affinity_.push_back(affinityOf(type ? type : ""));
        }
    }
    std::string slots = "?";
    for (std::size_t i = 1; i < affinity_.size(); ++i) slots += ",?";
    insert_ = std::make_unique<SqlStatement>(
        connection, "insert into main." + quoteName(table_) + " values(" + slots + ");");
    values_.resize(affinity_.size());
    RowRecorder* recorder = recorderOf(db);
    if (!recorder) return;
    Statement triggers(db, "select count(*) from main.sqlite_master where type='trigger';");
    if (triggers.step() && sqlite3_column_int64(triggers.get(), 0) != 0) return;
    readBack_ = std::make_unique<Statement>(
        db, "select * from main." + quoteName(table_) + " where rowid=?;");
    recorder_ = recorder;
}

RecordedInsert::~RecordedInsert() = default;

void RecordedInsert::bind(int slot, std::string_view text) {
    insert_->bind(slot, text);
    if (slot >= 1 && static_cast<std::size_t>(slot) <= values_.size())
        values_[slot - 1] = {RowValue::Text, 0, 0, text};
}

void RecordedInsert::bind(int slot, std::int64_t number) {
    insert_->bind(slot, number);
    if (slot >= 1 && static_cast<std::size_t>(slot) <= values_.size())
        values_[slot - 1] = {RowValue::Integer, number, 0, {}};
}

bool RecordedInsert::storedAsBound() const {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const char a = affinity_[i];
        switch (values_[i].kind) {
            case RowValue::Text:  // a number-looking text may become a number
                if (a != 't' && a != 'b') return false;
                break;
            case RowValue::Integer:
                if (a != 'i' && a != 'n' && a != 'b') return false;
                break;
            default:
                break;
        }
    }
    return true;
}

void RecordedInsert::run() {
    sqlite3* db = connection_.handle();
    if (recorder_ && recorderOf(db) != recorder_) recorder_ = nullptr;  // it has gone
    if (recorder_) recorder_->insertsRecordedApart_ = table_;
    try {
        insert_->run();
    } catch (...) {
        if (recorder_) recorder_->insertsRecordedApart_.clear();
        throw;
    }
    if (!recorder_) return clear();
    recorder_->insertsRecordedApart_.clear();
    const std::int64_t rowid = sqlite3_last_insert_rowid(db);
    Row row;
    if (storedAsBound()) {
        std::size_t bytes = 0;
        for (const RowValue& v : values_) bytes += v.bytes.size();
        row.reserve(values_.size(), bytes);
        for (const RowValue& v : values_) row.append(v);
    } else {
        readBack_->bind(1, {RowValue::Integer, rowid, 0, {}});
        if (readBack_->step()) row = readBack_->row(0);
        sqlite3_reset(readBack_->get());
    }
    recorder_->note(table_.c_str(), rowid, std::nullopt, std::move(row));
    clear();
}

void RecordedInsert::clear() {
    insert_->clearBindings();
    for (RowValue& v : values_) v = {};
}

void RecordedInsert::reserve(std::size_t rows) {
    if (recorder_) recorder_->rows_.reserve(recorder_->rows_.size() + rows);
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
        int slot = 2;
        target->forEach([&](const RowValue& v) { s.bind(slot++, v); });
        s.run();
    }
    prepared.clear();  // before a table is dropped
    for (const auto& [name, sql] : from) {
        if (!to.count(name)) runSql(db, "drop table main." + quoteName(name) + ";");
    }
}

}  // namespace db
