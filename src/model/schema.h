#pragma once
// The waybill database: its five tables, the four admin rows of a new file and the
// conversion of a version-1 file.

#include <array>
#include <string>

#include "db/forward.h"

namespace model {

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

}  // namespace model
