#pragma once
// Commands that write several statements run them as one transaction: either all of them
// are in the file afterwards or none.

#include <functional>
#include <string>

#include "db/forward.h"

namespace model {

// Runs `work` between "begin immediate transaction" and "commit transaction": the write
// lock is held from the start, so counters and the rows a duplicate rule compares with are
// read under it and no other program can hand out the same ids. When anything fails,
// the transaction is rolled back (only while the engine still holds it open) and the
// original error is raised again, never the rollback's. Inside a transaction that is open
// already, the work runs as a savepoint of it instead: an error undoes only this work, and
// the open transaction is left to whoever opened it; the write lock is taken at its start
// all the same.
void runInTransaction(db::SqlConnection& connection, const std::function<void()>& work);

// Runs `sql` straight on the connection, for its effect; DatabaseError on failure.
void runStatement(db::SqlConnection& connection, const std::string& sql);

// Closes `query`, sets its text and runs it for its effect.
void exec(db::SqlQuery& query, const std::string& sql);
// Closes `query`, sets its text and opens it.
void openQuery(db::SqlQuery& query, const std::string& sql);

}  // namespace model
