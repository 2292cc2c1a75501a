#pragma once
// Row changes: what a command did to the rows of the file, recorded by rowid, so that it
// can be taken back and done again. The tables of the file declare no key, so every row is
// known by its rowid. A recorder follows every insert, update and delete the connection
// makes in the main database while it lives (the engine's pre-update hook, which also sees
// a "delete from t;" without a where clause row by row); a snapshot reads every row of
// every table, for the commands that replace the file as a whole.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace db {

class SqlConnection;
class SqlStatement;
namespace detail {
class Statement;  // a statement on the engine, for the recorder
}

// One stored value, with its storage class, so that it goes back byte for byte.
struct RowValue {
    enum Kind : unsigned char { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view bytes;  // Text and Blob; points into the row it was read from
};

// The values of one row where they are kept packed, in a Row or among the rows of an
// InsertedRows: read in place, compared byte for byte.
class RowView {
public:
    RowView() = default;
    RowView(std::string_view packed, std::uint32_t count) : packed_(packed), count_(count) {}
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The value in column `column` (its bytes live as long as the row viewed).
    RowValue operator[](std::size_t column) const;
    // Calls `f(value)` for each value in column order.
    template <class F>
    void forEach(F&& f) const {
        std::size_t at = 0;
        for (std::size_t i = 0; i < count_; ++i) f(next(at));
    }
    std::string_view packed() const { return packed_; }
    bool operator==(const RowView& other) const {
        return count_ == other.count_ && packed_ == other.packed_;
    }

private:
    RowValue next(std::size_t& at) const;

    std::string_view packed_;
    std::uint32_t count_ = 0;
};

// The values of one row, packed one after another in a single buffer (a kind byte, then
// eight bytes of a number or a length and the bytes of a text), so that recording a row
// of any width costs one allocation. Rows compare byte for byte.
class Row {
public:
    void append(const RowValue& value);
    // Room for values of `bytes` bytes in all (texts and blobs) in `columns` columns.
    void reserve(std::size_t columns, std::size_t bytes) { packed_.reserve(columns * 9 + bytes); }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The value in column `column` (its bytes live as long as the row).
    RowValue operator[](std::size_t column) const { return view()[column]; }
    // Calls `f(value)` for each value in column order.
    template <class F>
    void forEach(F&& f) const {
        view().forEach(std::forward<F>(f));
    }
    RowView view() const { return {packed_, count_}; }
    bool operator==(const Row&) const = default;

private:
    std::string packed_;
    std::uint32_t count_ = 0;
};

// One row of one table: what it held before the command and after it (nullopt: no row).
struct RowChange {
    std::string table;
    std::int64_t rowid = 0;
    std::optional<Row> before;
    std::optional<Row> after;
};

// Rows that one RecordedInsert put into one table and the command left as they went in:
// new rows, kept together rather than as a RowChange each (a generated stack is ten
// thousand of them). Their rowids rise; their values are packed one row after another in
// one buffer, as a Row packs them.
struct InsertedRows {
    std::string table;
    std::uint32_t columns = 0;
    std::vector<std::int64_t> rowids;
    std::vector<std::size_t> ends;  // where each row's values end in `packed`
    std::string packed;

    std::size_t size() const { return rowids.size(); }
    RowView row(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return {std::string_view(packed).substr(begin, ends[i] - begin), columns};
    }
};

// A table's creating statement, by name.
using TableSchema = std::map<std::string, std::string>;

struct RowChanges {
    std::vector<RowChange> rows;
    std::vector<InsertedRows> inserted;  // rows that had no rowid before the command
    TableSchema tablesBefore;            // only filled when the command created or dropped a table
    TableSchema tablesAfter;
    bool empty() const { return rows.empty() && inserted.empty() && tablesBefore == tablesAfter; }
    // The rows changed, each once.
    std::size_t size() const;
};

// The rows no longer hold what the change recorded (another program changed them, or a
// VACUUM renumbered them): nothing was written.
class RowsChangedError : public std::runtime_error {
public:
    RowsChangedError(std::string table, std::int64_t rowid)
        : std::runtime_error("row " + std::to_string(rowid) + " of " + table + " changed"),
          table_(std::move(table)),
          rowid_(rowid) {}
    const std::string& table() const { return table_; }
    std::int64_t rowid() const { return rowid_; }

private:
    std::string table_;
    std::int64_t rowid_;
};

// Records every row change of the main database on `connection` while it lives. Several
// changes of one row make one (the first "before", the last "after"); a row inserted and
// deleted again leaves none.
class RowRecorder {
public:
    explicit RowRecorder(SqlConnection& connection);
    ~RowRecorder();
    RowRecorder(const RowRecorder&) = delete;
    RowRecorder& operator=(const RowRecorder&) = delete;

    // What was recorded, in the order the rows were first touched.
    RowChanges take();

    // For the engine's callback.
    void record(int op, const char* table, std::int64_t oldRowid, std::int64_t newRowid);

private:
    friend class RecordedInsert;
    // The positions in rows_ of the rowids one table touched: those that came in rising
    // order (the usual case: new rows) in a sorted list, the others hashed.
    struct Positions {
        std::vector<std::pair<std::int64_t, std::size_t>> rising;
        std::unordered_map<std::int64_t, std::size_t> others;
        std::size_t* find(std::int64_t rowid);
        void add(std::int64_t rowid, std::size_t position);
    };
    void note(const char* table, std::int64_t rowid, std::optional<Row> before,
              std::optional<Row> after);
    std::size_t tableIndex(const char* table);
    // The rows of table `table` (an index in tables_) put in by a RecordedInsert, with room
    // after them for `rowid`; a new block when the last one cannot take it.
    InsertedRows& insertedBlock(std::size_t table, std::int64_t rowid, std::uint32_t columns);

    SqlConnection& connection_;
    TableSchema tablesBefore_;
    std::vector<RowChange> rows_;
    // The tables seen so far, and for each the rowids it touched (a command may touch a
    // hundred thousand rows: no string is built per row).
    std::vector<std::string> tables_;
    std::vector<Positions> index_;
    std::size_t lastTable_ = 0;
    // The rows RecordedInserts put in, in blocks, each with its table's index in tables_;
    // a row of a block that the command changed again leaves its block (block, row) for a
    // RowChange of its own.
    std::vector<InsertedRows> inserted_;
    std::vector<std::size_t> insertedTable_;
    std::vector<std::pair<std::size_t, std::size_t>> takenOut_;
    // While a RecordedInsert runs: its table, whose insert it records itself.
    const std::string* insertsRecordedApart_ = nullptr;
};

// Many rows put into one table by one prepared insert of every column ("insert into
// main.T values(?,…)"): the generator's stack. While a recorder follows the connection,
// each row is recorded from the values bound instead of by the engine's hook, which would
// read every new row back value by value, and kept with the others in one InsertedRows
// (one buffer for all, not an allocation a row); a value the table's column would store otherwise
// than bound (a number in a text column, a text in a numeric one) makes that row read back
// from the file instead. A file with triggers is left to the hook. Texts are not copied:
// they must stay alive until run(). After run() every slot is NULL until bound again.
class RecordedInsert {
public:
    RecordedInsert(SqlConnection& connection, std::string table);
    ~RecordedInsert();
    RecordedInsert(const RecordedInsert&) = delete;
    RecordedInsert& operator=(const RecordedInsert&) = delete;

    // Slots count from 1, one a column in the table's order.
    void bind(int slot, std::string_view text);
    void bind(int slot, std::int64_t number);
    // Inserts the row bound; DatabaseError on failure.
    void run();
    // Room in the record for `rows` more rows, when their number is known.
    void reserve(std::size_t rows);

private:
    // Every value bound is stored as bound.
    bool storedAsBound() const;
    void clear();  // every slot NULL again

    SqlConnection& connection_;
    std::string table_;
    std::unique_ptr<SqlStatement> insert_;
    std::unique_ptr<detail::Statement> readBack_;  // only while a recorder follows
    RowRecorder* recorder_ = nullptr;              // set while inserts are recorded here
    std::vector<char> affinity_;    // of each column: 'i', 'n', 'r', 't' or 'b' (none)
    std::vector<RowValue> values_;  // as bound
    std::size_t reserved_ = 0;      // rows announced by reserve()
};

// Every row of every table of the main database, by table and rowid, and the tables'
// creating statements.
struct Snapshot {
    TableSchema tables;
    std::map<std::pair<std::string, std::int64_t>, Row> rows;
};
Snapshot takeSnapshot(SqlConnection& connection);
// The changes that lead from `before` to `after`.
RowChanges difference(const Snapshot& before, const Snapshot& after);

// The tables of the main database and their creating statements.
TableSchema tablesOf(SqlConnection& connection);

// Takes the file from the state after `changes` back to the state before them
// (`backwards`), or from before to after. Every row acted on is first checked to hold what
// the change left there (RowsChangedError, nothing written, when one does not); rows that
// `skip` names are neither checked nor written. Runs inside the caller's transaction.
void applyRowChanges(SqlConnection& connection, const RowChanges& changes, bool backwards,
                     bool (*skip)(const RowChange&) = nullptr);

}  // namespace db
