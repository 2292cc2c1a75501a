#pragma once
// SqlStatement: one statement prepared once on a connection and run many times with bound
// values, for the commands that write many rows (import, merge). Values are bound, never
// composed into the text, and the text goes to the debug output once, when it is prepared.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace db {

class SqlConnection;

class SqlStatement {
public:
    // DatabaseError (with the engine's code and the text) when the text does not prepare.
    SqlStatement(SqlConnection& connection, std::string sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Bindings count from 1, as the engine's parameters do. A text is not copied: it must
    // stay alive until the next run().
    void bind(int slot, std::string_view text);
    void bind(int slot, std::int64_t number);
    void bindNull(int slot);
    // Every slot NULL again.
    void clearBindings();

    // Runs the statement once with the values bound; false when it has no (further) row.
    // DatabaseError on failure. After the last row, the next run() starts it again.
    bool step();
    // Runs a statement that returns no rows; DatabaseError on failure.
    void run();

    // The current row's column as text; nullopt for NULL.
    std::optional<std::string> text(int column) const;
    int columnCount() const;

private:
    void reset();

    SqlConnection& connection_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
    bool done_ = true;
};

}  // namespace db
