#pragma once
// Adding the rows of an import or a merge to the database under the exchange's rules (see
// exchange.h): stations and wagons matched by name and number, places by business, the
// other lists as multisets; every row validated first, then all written in one transaction
// with bound values and ids from the counters, or none.

#include <functional>

#include "db/forward.h"
#include "formats/exchange.h"

namespace formats {

// Adds `data` to the database by the duplicate rules, in one transaction, unless `report`
// holds refusals already (then nothing is written). Counts go to `report`. When rows are
// written, `beforeWriting` runs under the write lock before the first and `beforeCommit`
// after the last, before the commit (the callers start their backup in the one and wait
// for it in the other); either may be empty.
void addRows(db::SqlConnection& connection, const ExchangeData& data, ExchangeReport& report,
             const std::function<void()>& beforeWriting = {},
             const std::function<void()>& beforeCommit = {});

}  // namespace formats
