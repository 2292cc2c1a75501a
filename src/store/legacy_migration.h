#pragma once
// Moving a listy.sdb of the old SQLite 2.x format to the current format, before the
// database is opened. The old file is kept, byte for byte, under another name.

#include <stdexcept>
#include <string>

namespace store {

class DatabaseLocation;

// A file of the old format that was not converted; the old file is as it was.
class LegacyMigrationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MigrationResult {
    bool migrated = false;
    std::string backupPath;  // where the old file now is
    int tables = 0;
    long rows = 0;
    int numericChanges = 0;  // texts a numeric column stored as a number, such as "007" as 7
    std::string fileName = "listy.sdb";  // the converted file's name
};

// When `directory` + "listy.sdb" is a file of the old format: builds the new file as
// "listy.sdb.konwersja" beside it (each table's lone CREATE TABLE statement, every row with
// texts decoded from Windows-1250, one transaction), copies the old bytes to
// "listy.sdb.sqlite2" (or "listy.sdb.sqlite2.<n>" when that name is taken by another
// file), then renames the new file over listy.sdb. Stopped at any moment, listy.sdb is
// either the old file or the whole new one. Any other file is left alone. On any failure
// the half-built file is removed, the old one stays as it was, and LegacyMigrationError is
// raised with a Polish message (for a damaged file, the reader's finding follows it). A
// journal beside the old file means an interrupted change: nothing is touched.
MigrationResult migrateLegacyDatabase(const std::string& directory);
// The same for the file at `location`: the old file is kept as "<file>.sqlite2" beside it.
MigrationResult migrateLegacyDatabase(const DatabaseLocation& location);

// The user's message about a finished conversion.
std::string migrationMessage(const MigrationResult& result);

}  // namespace store
