#pragma once
// The write commands of the stations window: add a station, recolour one, delete one with
// everything that names it. Each composes its exact statements and runs them on the dataset
// the window passes in; every name goes into its statements through sqlEscape().

#include <optional>
#include <string>

#include "db/forward.h"

namespace model {

// "select * from stacje where nazwa='<name>';" on `query`; true when it returns a row.
bool stationExists(db::SqlQuery& query, const std::string& name);

// Adds the station `name` with the stored colour name `colour`, unless a station of that
// name exists already (then nothing is written and the result is empty). The id comes from
// the counter nr_stacji; the look-up, the row and the counter update are one immediate
// write transaction:
//   "insert into stacje values (<n>,'<name>','<colour>');"
//   "update admin set value=<n> where key='nr_stacji';"
// Returns the new station's id.
std::optional<int> addStation(db::SqlConnection& connection, db::SqlQuery& query,
                              const std::string& name, const std::string& colour);

// Gives the station `name` the colour `colour`: reads its id by name (a name that is not in
// the table has no id, and reading it fails before anything is written), then
//   "update stacje set nazwa='<name>', kolor ='<colour>' where id='<id>';"
// Returns the id.
int recolourStation(db::SqlQuery& query, const std::string& name, const std::string& colour);

// Deletes the station `name`, every waybill that starts or ends there and every
// shipper/receiver bound to it, in this order and as one transaction: either all three
// deletes are in the file afterwards or none.
void deleteStation(db::SqlConnection& connection, db::SqlQuery& query, const std::string& name);

}  // namespace model
