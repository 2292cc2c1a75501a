#pragma once
// The write commands of the reference-data windows: loads (table ladunki) and
// shippers/receivers (table punkty). Each composes its statements with every text value
// quoted through sqlEscape() and runs them on the dataset the window passes in; afterwards
// that dataset is open on its table's list again.

#include <string>
#include <string_view>

#include "db/forward.h"
#include "model/schema.h"

namespace model {

// "select * from punkty where stacja='<station>';": the shippers/receivers of one station.
std::string partiesOfStationSql(std::string_view station);

// The two texts that identify a row of a list as the list's dataset shows them (each cut
// to its field's size).
struct ListedPair {
    std::string first;
    std::string second;
};

// The whole stored texts of the row at `index` of the load list (nazwa, rodz_wag) or of the
// shippers/receivers list (nazwa, stacja), read from the file. When the file's row there
// does not match `shown` (the list changed meanwhile), `shown` is returned as it is.
ListedPair wholeLoad(db::SqlConnection& connection, int index, const ListedPair& shown);
ListedPair wholeParty(db::SqlConnection& connection, int index, const ListedPair& shown);

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

}  // namespace model
