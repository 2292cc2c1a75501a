#pragma once
// The write commands of the reference-data windows: loads (table ladunki) and
// shippers/receivers (table punkty). Each composes its statements with every text value
// quoted through sqlEscape() and runs them on the dataset the window passes in; afterwards
// that dataset is open on its table's list again.

#include <string>
#include <string_view>

#include "db/forward.h"
#include "store/schema.h"

namespace store {

// "select * from punkty where stacja='<station>';": the shippers/receivers of one station.
std::string partiesOfStationSql(std::string_view station);

// Adds the load (name, wagon-type code) as given, duplicates allowed.
void addLoad(db::SqlQuery& query, std::string_view name, std::string_view wagon);
// Deletes every load with exactly this pair. Waybills keep their copies of the texts.
void deleteLoad(db::SqlQuery& query, std::string_view name, std::string_view wagon);

// Adds a shipper/receiver bound to `station` (any text, checked against nothing) with the
// next id of the counter nr_punktu: the row and the counter are written in one
// transaction. A counter that is not an integer raises ConvertError before anything is
// written. Returns the id given.
int addParty(db::SqlConnection& connection, db::SqlQuery& query, std::string_view name,
             std::string_view station);
// Deletes every shipper/receiver with exactly this pair, and every waybill that names it as
// the shipper at its sending station or as the receiver at its receiving station, in one
// transaction: when either delete fails, both are undone.
void deleteParty(db::SqlConnection& connection, db::SqlQuery& query, std::string_view name,
                 std::string_view station);

}  // namespace store
