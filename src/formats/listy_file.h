#pragma once
// Another Listy file merged in: its lists read, whatever its format and version, and added
// under the exchange's rules.

#include <functional>
#include <string>

#include "db/forward.h"
#include "formats/exchange.h"

namespace formats {

// The four lists of another Listy file at `path`, of the current format or the old SQLite 2
// format (read through the old-format reader, texts decoded from Windows-1250), of
// schema version 1 (stations without colour: white) or 2. The file is opened read-only and
// never written. DatabaseError when it cannot be read or is no Listy file.
ExchangeData readListyFile(const std::string& path);

// Merges the lists `data` (read by readListyFile) into the database, in one transaction.
ExchangeReport mergeDatabase(db::SqlConnection& connection, const ExchangeData& data,
                             const std::function<void()>& beforeWriting = {},
                             const std::function<void()>& beforeCommit = {});

}  // namespace formats
