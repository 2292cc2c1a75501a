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
    std::string backupPath;   // where the old file now is
    int tables = 0;
    long rows = 0;
    int numericChanges = 0;   // texts a numeric column stored as a number, such as "007" as 7
    std::string fileName = "listy.sdb";  // the converted file's name
};

// When `directory` + "listy.sdb" is a file of the old format: renames it to
// "listy.sdb.sqlite2" (or "listy.sdb.sqlite2.<n>" when that name is taken), creates a new
// listy.sdb with each table's original create statement, and copies every row, texts
// decoded from Windows-1250, all in one transaction. Any other file is left alone.
// On any failure the half-made file is removed, the old one is put back under its name,
// and LegacyMigrationError (or LegacyFormatError for a damaged file) is raised. A journal
// file beside the old file means an interrupted change: nothing is touched.
MigrationResult migrateLegacyDatabase(const std::string& directory);
// The same for the file at `location`: the old file is kept as "<file>.sqlite2" beside it.
MigrationResult migrateLegacyDatabase(const DatabaseLocation& location);

// The user's message about a finished conversion.
std::string migrationMessage(const MigrationResult& result);

}  // namespace store
