#pragma once
// Row changes: what a command did to the rows of the file, recorded by rowid, so that it
// can be taken back and done again. The tables of the file declare no key, so every row is
// known by its rowid. A recorder follows every insert, update and delete the connection
// makes in the main database while it lives (the engine's pre-update hook, which also sees
// a "delete from t;" without a where clause row by row); a snapshot reads every row of
// every table, for the commands that replace the file as a whole.

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace db {

class SqlConnection;

// One stored value, with its storage class, so that it goes back byte for byte.
struct RowValue {
    enum Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string bytes;  // Text and Blob
    bool operator==(const RowValue&) const = default;
};
using Row = std::vector<RowValue>;

// One row of one table: what it held before the command and after it (nullopt: no row).
struct RowChange {
    std::string table;
    std::int64_t rowid = 0;
    std::optional<Row> before;
    std::optional<Row> after;
};

// A table's creating statement, by name.
using TableSchema = std::map<std::string, std::string>;

struct RowChanges {
    std::vector<RowChange> rows;
    TableSchema tablesBefore;  // only filled when the command created or dropped a table
    TableSchema tablesAfter;
    bool empty() const { return rows.empty() && tablesBefore == tablesAfter; }
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
    void note(const char* table, std::int64_t rowid, std::optional<Row> before,
              std::optional<Row> after);

    SqlConnection& connection_;
    TableSchema tablesBefore_;
    std::vector<RowChange> rows_;
    // The tables seen so far, and for each the position in rows_ of every rowid it touched
    // (a command may touch a hundred thousand rows: no string is built per row).
    std::vector<std::string> tables_;
    std::vector<std::unordered_map<std::int64_t, std::size_t>> index_;
    std::size_t lastTable_ = 0;
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
