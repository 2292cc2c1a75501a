#pragma once
#include "db/forward.h"
// Commands that work on the database as a whole.

namespace files {

class DatabaseLocation;

// Disconnects, deletes listy.sdb in the working directory, connects again (which creates
// an empty file) and runs the nine creation statements on `query`. Every dataset on the
// connection must be closed first. When the old file cannot be deleted, the first create
// statement fails on it and its error is raised; the old data stay as they were.
void recreateDatabase(db::SqlConnection& connection, db::SqlQuery& query);
// The same for the file at `location`.
void recreateDatabase(db::SqlConnection& connection, db::SqlQuery& query,
                      const DatabaseLocation& location);

}  // namespace files
