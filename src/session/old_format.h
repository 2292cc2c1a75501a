#pragma once
// Moving a listy.sdb of the old SQLite 2.x format to the current format, before the
// database is opened. The old file is kept, byte for byte, under another name.

#include <string>

#include "files/legacy_migration.h"

namespace files {
class DatabaseLocation;
}

namespace session {

// When `directory` + "listy.sdb" is a file of the old format: builds the new file as
// "listy.sdb.konwersja" beside it (each table's lone CREATE TABLE statement, every row with
// texts decoded from Windows-1250, one transaction), copies the old bytes to
// "listy.sdb.sqlite2" (or "listy.sdb.sqlite2.<n>" when that name is taken by another
// file), then renames the new file over listy.sdb. Stopped at any moment, listy.sdb is
// either the old file or the whole new one. Any other file is left alone. On any failure
// the half-built file is removed, the old one stays as it was, and
// files::LegacyMigrationError is raised with the user's message (for a damaged file, the
// reader's finding follows it). A journal beside the old file means an interrupted change:
// nothing is touched. Two programs started at once on an old file: the second waits for the
// first's conversion under a lock on the old file, then finds the file converted.
files::MigrationResult migrateLegacyDatabase(const std::string& directory);
// The same for the file at `location`: the old file is kept as "<file>.sqlite2" beside it.
files::MigrationResult migrateLegacyDatabase(const files::DatabaseLocation& location);

// The user's message about a finished conversion.
std::string migrationMessage(const files::MigrationResult& result);

}  // namespace session
