#pragma once
// The waybill database: its five tables, the four admin rows of a new file, the conversion
// of a version-1 file, and the start-up sequence that opens the file in the working
// directory.

#include <array>
#include <string>

#include "db/forward.h"

namespace store {

inline constexpr const char* kDatabaseFile = "listy.sdb";
// Every row of each table, in the order the table returns them.
inline constexpr const char* kWaybillListSql = "select * from listy;";
inline constexpr const char* kStationListSql = "select * from stacje;";
inline constexpr const char* kLoadListSql = "select * from ladunki;";
inline constexpr const char* kPartyListSql = "select * from punkty;";

// The nine statements that make a new database, in the order they run.
extern const std::array<const char*, 9> kCreationStatements;

// Runs the nine creation statements on `query`, one by one.
void createSchema(db::SqlQuery& query);

// Rebuilds table stacje of a version-1 file in the version-2 layout: every station keeps
// its id, its name and its place, and gets the colour "clwhite"; then wersja becomes "2".
void convertFromVersion1(db::SqlQuery& query);

// The working directory with "/" appended.
std::string workingDirectory();

// The start-up sequence: (re)connects `connection` to listy.sdb in the working directory,
// creates the schema in a new file or converts a version-1 file, and leaves `list` open on
// the waybill list. Any error but the version probe's ends the sequence and is raised.
void openDatabase(db::SqlConnection& connection, db::SqlQuery& list);

}  // namespace store
