#pragma once

// Read-only reader of the SQLite 2.x database file (the format of listy.sdb files written by
// the old Windows program). No SQLite 2 library is needed: the reader walks the pages itself.
//
// It trusts nothing in the file. Every page number, offset and length is checked against the
// file and the page, every chain (cell lists, B-tree children, overflow pages, the free list)
// is checked for loops, the tree depth is bounded, and no allocation is larger than the file
// can back. Any damage raises LegacyFormatError with what is wrong and where.
//
// Values come back as the raw bytes the old program stored (Windows-1250 text; numbers are
// text too). Decoding is separate: see store/cp1250.h.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// A file that is not a readable SQLite 2.x database, or that cannot be read at all.
class LegacyFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Sqlite2Row {
    std::int32_t rowid = 0;
    // One entry per declared column; std::nullopt is SQL NULL. Raw bytes, no terminator.
    std::vector<std::optional<std::string>> values;
};

struct Sqlite2Table {
    std::string name;
    std::string createSql;             // sqlite_master.sql, exactly as the program wrote it
    std::vector<std::string> columns;  // parsed from createSql, in declared order
    std::uint32_t rootPage = 0;
    std::vector<Sqlite2Row> rows;  // ascending rowid order
};

// True if the file starts with the SQLite 2.1 header text and the magic number (in either
// byte order). Reads the first 52 bytes only; false if the file cannot be opened.
bool isSqlite2File(const std::string& path);
bool isSqlite2Header(std::string_view firstBytes);

// True if "<path>-journal" exists: a transaction was interrupted, the old library would have
// rolled the file back from it, so the file itself may be inconsistent.
bool hasSqlite2Journal(const std::string& path);

class Sqlite2Reader {
public:
    static constexpr std::size_t kPageSize = 1024;

    // Checks the header and the file length; the pages are read on demand.
    explicit Sqlite2Reader(std::string bytes);
    static Sqlite2Reader fromFile(const std::string& path);

    bool bigEndian() const { return bigEndian_; }
    std::uint32_t pageCount() const { return pageCount_; }

    // The schema table itself (columns type, name, tbl_name, rootpage, sql).
    Sqlite2Table masterTable() const;

    // Every table of type 'table' in sqlite_master rowid order, with all rows. Indexes,
    // views and triggers are skipped. An INTEGER PRIMARY KEY column reads as the rowid.
    std::vector<Sqlite2Table> tables() const;

    // The pages of the free list (trunks and leaves, in chain order), checked against the
    // count in the header. Reading the tables does not need it.
    std::vector<std::uint32_t> freePages() const;

private:
    class Walk;

    std::string bytes_;
    bool bigEndian_ = false;
    std::uint32_t pageCount_ = 0;
};

}  // namespace formats
