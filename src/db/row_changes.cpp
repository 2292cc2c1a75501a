#include "db/row_changes.h"

// The engine's header declares the pre-update hook only when told the library has it.
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
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

namespace {

// Packs `value` after the others in `packed`: a kind byte, then eight bytes of a number
// or a length and the bytes of a text.
void appendValue(std::string& packed, const RowValue& value) {
    packed += static_cast<char>(value.kind);
    char eight[8];
    switch (value.kind) {
        case RowValue::Integer:
            std::memcpy(eight, &value.integer, 8);
            packed.append(eight, 8);
            break;
        case RowValue::Real:
            std::memcpy(eight, &value.real, 8);
            packed.append(eight, 8);
            break;
        case RowValue::Text:
        case RowValue::Blob: {
            const std::uint64_t length = value.bytes.size();
            std::memcpy(eight, &length, 8);
            packed.append(eight, 8);
            packed.append(value.bytes);
            break;
        }
        case RowValue::Null:
            break;
    }
}

}  // namespace

void Row::append(const RowValue& value) {
    appendValue(packed_, value);
    ++count_;
}

RowValue RowView::next(std::size_t& at) const {
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
        out.bytes = packed_.substr(at, length);
        at += length;
    }
    return out;
}

RowValue RowView::operator[](std::size_t column) const {
    std::size_t at = 0;
    for (std::size_t i = 0; i < column; ++i) next(at);
    return next(at);
}

std::size_t RowChanges::size() const {
    std::size_t n = rows.size();
    for (const InsertedRows& block : inserted) n += block.size();
    return n;
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
    connection.recorder_ = this;
}

RowRecorder::~RowRecorder() {
    if (connection_.recorder_ == this) connection_.recorder_ = nullptr;
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
        if (insertsRecordedApart_ && *insertsRecordedApart_ == table) return;
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

std::size_t RowRecorder::tableIndex(const char* table) {
    if (tables_.empty() || tables_[lastTable_] != table) {
        const auto found = std::find(tables_.begin(), tables_.end(), std::string_view(table));
        lastTable_ = static_cast<std::size_t>(found - tables_.begin());
        if (found == tables_.end()) {
            tables_.emplace_back(table);
            index_.emplace_back();
        }
    }
    return lastTable_;
}

void RowRecorder::note(const char* table, std::int64_t rowid, std::optional<Row> before,
                       std::optional<Row> after) {
    const std::size_t t = tableIndex(table);
    Positions& positions = index_[t];
    if (std::size_t* at = positions.find(rowid)) {
        rows_[*at].after = std::move(after);
        return;
    }
    // A row a RecordedInsert put in and the command changes again: it had no row before.
    for (std::size_t b = 0; b < inserted_.size(); ++b) {
        const std::vector<std::int64_t>& rowids = inserted_[b].rowids;
        if (insertedTable_[b] != t || rowids.empty() || rowid < rowids.front() ||
            rowid > rowids.back())
            continue;
        const auto at = std::lower_bound(rowids.begin(), rowids.end(), rowid);
        if (*at != rowid) continue;
        takenOut_.emplace_back(b, static_cast<std::size_t>(at - rowids.begin()));
        before.reset();
        break;
    }
    positions.add(rowid, rows_.size());
    rows_.push_back({tables_[t], rowid, std::move(before), std::move(after)});
}

InsertedRows& RowRecorder::insertedBlock(std::size_t table, std::int64_t rowid,
                                         std::uint32_t columns) {
    const auto takes = [&](const InsertedRows& block) {
        return block.columns == columns && (block.rowids.empty() || rowid > block.rowids.back());
    };
    if (inserted_.empty() || insertedTable_.back() != table || !takes(inserted_.back())) {
        InsertedRows& block = inserted_.emplace_back();
        block.table = tables_[table];
        block.columns = columns;
        insertedTable_.push_back(table);
    }
    return inserted_.back();
}

RowChanges RowRecorder::take() {
    RowChanges out;
    // Rows that came back to what they held are dropped in place; the rest move once.
    rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                               [](const RowChange& c) { return c.before == c.after; }),
                rows_.end());
    out.rows = std::move(rows_);
    rows_ = {};
    // Rows taken out of their blocks leave them; a block left empty goes.
    std::sort(takenOut_.begin(), takenOut_.end());
    for (auto gone = takenOut_.begin(); gone != takenOut_.end();) {
        const std::size_t b = gone->first;
        const InsertedRows& block = inserted_[b];
        InsertedRows kept;
        kept.table = block.table;
        kept.columns = block.columns;
        for (std::size_t i = 0; i < block.size(); ++i) {
            if (gone != takenOut_.end() && gone->first == b && gone->second == i) {
                ++gone;
                continue;
            }
            kept.packed.append(block.row(i).packed());
            kept.rowids.push_back(block.rowids[i]);
            kept.ends.push_back(kept.packed.size());
        }
        inserted_[b] = std::move(kept);
    }
    inserted_.erase(std::remove_if(inserted_.begin(), inserted_.end(),
                                   [](const InsertedRows& b) { return b.rowids.empty(); }),
                    inserted_.end());
    out.inserted = std::move(inserted_);
    inserted_ = {};
    insertedTable_.clear();
    takenOut_.clear();
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
        Statement columns(db, "select type from pragma_table_info(?1, 'main');");
        columns.bind(1, {RowValue::Text, 0, 0, table_});
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
    RowRecorder* recorder = connection.recorder();
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
    if (recorder_ && connection_.recorder() != recorder_) recorder_ = nullptr;  // it has gone
    if (recorder_) recorder_->insertsRecordedApart_ = &table_;
    try {
        insert_->run();
    } catch (...) {
        if (recorder_) recorder_->insertsRecordedApart_ = nullptr;
        throw;
    }
    if (!recorder_) return clear();
    recorder_->insertsRecordedApart_ = nullptr;
    const std::int64_t rowid = sqlite3_last_insert_rowid(db);
    const bool asBound = storedAsBound();
    const auto readBack = [&] {
        Row row;
        readBack_->bind(1, {RowValue::Integer, rowid, 0, {}});
        if (readBack_->step()) row = readBack_->row(0);
        sqlite3_reset(readBack_->get());
        return row;
    };
    const std::size_t t = recorder_->tableIndex(table_.c_str());
    if (recorder_->index_[t].find(rowid)) {
        // The rowid was a row the command removed: one change of that row.
        Row row;
        if (asBound) {
            for (const RowValue& v : values_) row.append(v);
        } else {
            row = readBack();
        }
        recorder_->note(table_.c_str(), rowid, std::nullopt, std::move(row));
        return clear();
    }
    const auto columns = static_cast<std::uint32_t>(values_.size());
    InsertedRows& block = recorder_->insertedBlock(t, rowid, columns);
    if (block.rowids.empty() && reserved_ > 0) {
        block.rowids.reserve(reserved_);
        block.ends.reserve(reserved_);
    }
    const std::size_t from = block.packed.size();
    if (asBound) {
        for (const RowValue& v : values_) appendValue(block.packed, v);
    } else {
        block.packed.append(readBack().view().packed());
    }
    // Room for the rows announced, by the size of the first.
    if (block.rowids.empty() && reserved_ > 1)
        block.packed.reserve(block.packed.size() + (block.packed.size() - from) * reserved_);
    block.rowids.push_back(rowid);
    block.ends.push_back(block.packed.size());
    clear();
}

void RecordedInsert::clear() {
    insert_->clearBindings();
    for (RowValue& v : values_) v = {};
}

void RecordedInsert::reserve(std::size_t rows) {
    reserved_ = rows;
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
    using MaybeRow = std::optional<RowView>;  // no row: nullopt
    // Check every row first: nothing is written unless all hold what the change left.
    const auto check = [&](const std::string& table, std::int64_t rowid, const MaybeRow& expected) {
        std::optional<Row> present;
        try {
            Statement& s = statement("select " + table, [&] {
                return "select * from main." + quoteName(table) + " where rowid=?;";
            });
            sqlite3_bind_int64(s.get(), 1, rowid);
            if (s.step()) present = s.row(0);
            sqlite3_reset(s.get());
        } catch (const DatabaseError&) {
            throw RowsChangedError(table, rowid);  // the table is gone
        }
        if (present.has_value() != expected.has_value() ||
            (present && present->view() != *expected))
            throw RowsChangedError(table, rowid);
    };
    const auto view = [](const std::optional<Row>& row) {
        return row ? MaybeRow(row->view()) : std::nullopt;
    };
    // Every change in turn as its table, rowid, row before and row after (`skip`'s left out).
    const auto eachChange = [&](auto&& f) {
        for (const RowChange& c : changes.rows) {
            if (!skip || !skip(c)) f(c.table, c.rowid, view(c.before), view(c.after));
        }
        for (const InsertedRows& block : changes.inserted) {
            for (std::size_t i = 0; i < block.size(); ++i)
                f(block.table, block.rowids[i], std::nullopt, MaybeRow(block.row(i)));
        }
    };
    eachChange([&](const std::string& table, std::int64_t rowid, MaybeRow before, MaybeRow after) {
        check(table, rowid, backwards ? after : before);
    });
    const auto write = [&](const std::string& name, std::int64_t rowid, const MaybeRow& target) {
        const auto table = [&] { return "main." + quoteName(name); };
        if (!target) {
            Statement& s = statement("delete " + name,
                                     [&] { return "delete from " + table() + " where rowid=?;"; });
            sqlite3_bind_int64(s.get(), 1, rowid);
            s.run();
            return;
        }
        // A row put back takes its old rowid, so the lists keep their order.
        Statement& s = statement("insert " + name + " " + std::to_string(target->size()), [&] {
            std::string slots = "?";
            for (std::size_t i = 0; i < target->size(); ++i) slots += ",?";
            return "insert or replace into " + table() + "(" + columnsOf(name) + ") values(" +
                   slots + ");";
        });
        sqlite3_bind_int64(s.get(), 1, rowid);
        int slot = 2;
        target->forEach([&](const RowValue& v) { s.bind(slot++, v); });
        s.run();
    };
    eachChange([&](const std::string& table, std::int64_t rowid, MaybeRow before, MaybeRow after) {
        write(table, rowid, backwards ? before : after);
    });
    prepared.clear();  // before a table is dropped
    for (const auto& [name, sql] : from) {
        if (!to.count(name)) runSql(db, "drop table main." + quoteName(name) + ";");
    }
}

}  // namespace db
