#pragma once
// The waybill database: its five tables, the four admin rows of a new file, the conversion
// of a version-1 file, and the start-up sequence that opens the file in the working
// directory.

#include <array>
#include <string>

#include "db/forward.h"

namespace store {

class DatabaseLocation;

inline constexpr const char* kDatabaseFile = "listy.sdb";
// Every row of each table, in the order the table returns them.
inline constexpr const char* kWaybillListSql = "select * from listy;";
inline constexpr const char* kStationListSql = "select * from stacje;";
inline constexpr const char* kLoadListSql = "select * from ladunki;";
inline constexpr const char* kPartyListSql = "select * from punkty;";

// The nine statements that make a new database, in the order they run.
extern const std::array<const char*, 9> kCreationStatements;

// Runs the nine creation statements on `query`, one by one, as one transaction; nothing
// when the file has its table admin by then (another program made the schema).
void createSchema(db::SqlQuery& query);

// Rebuilds table stacje of a version-1 file in the version-2 layout, as one transaction:
// every station keeps its id, its name and its place, and gets the colour "clwhite"; then
// wersja becomes "2". Nothing when the file is no longer of version 1 by then.
void convertFromVersion1(db::SqlQuery& query);

// The working directory with "/" appended; DatabaseError when it cannot be read (it was
// deleted, say), never a guess.
std::string workingDirectory();

struct StartupReport {
    std::string damage;   // what the engine's check found wrong; empty for a sound file
    std::string message;  // the user's message about a file opened read-only, and why
};

// The start-up sequence: (re)connects `connection` to listy.sdb in the working directory,
// creates the schema in a new file or converts a version-1 file, and leaves `list` open on
// the waybill list. Only a missing admin table makes a file new: a locked file or one that
// is no database raises DatabaseError with a message naming the file and the cause; a
// damaged one is opened read-only and reported. Any other error ends the sequence and is
// raised.
StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list);
// The same for the file at `location` (its folder as the connection's DefaultDir). Without
// `openList` the waybill list is not read (the command line needs none). A read-only file
// or folder, and a file of a newer version (wersja neither 1 nor 2), are opened read-only
// and reported like a damaged one; a damaged page found by the first read of the list too.
StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list,
                           const DatabaseLocation& location, bool openList = true);
// Opens the waybill list on `list`; a damaged page makes the file read-only and is
// reported in `report`.
void openListTellingDamage(db::SqlConnection& connection, db::SqlQuery& list,
                           const std::string& path, StartupReport& report);

// The engine's quick check of the open file: empty when sound, else its first finding.
std::string damageFound(db::SqlConnection& connection);
// No statement on `connection` may change the file from now on.
void openReadOnly(db::SqlConnection& connection);
std::string firstLine(const std::string& text);

}  // namespace store
