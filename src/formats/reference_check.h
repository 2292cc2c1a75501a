#pragma once
// Warnings after an import or a merge: the waybills that name a station, shipper/receiver
// or load that none of the lists holds. They are imported all the same (a waybill refers to
// the lists by name only); the report says which ones, so a misspelt name is found.

#include "db/forward.h"
#include "formats/exchange.h"

namespace formats {

// Adds to `report.notes` one note per waybill of `data` naming a station, shipper/receiver
// or load absent from the database's lists (read after the rows were written). An empty
// field names nothing.
void noteMissingReferences(db::SqlConnection& connection, const ExchangeData& data,
                           ExchangeReport& report);

}  // namespace formats
