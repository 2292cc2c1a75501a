#pragma once
// The counters in table admin (nr_listu, nr_stacji, nr_punktu) hold the last id handed out
// for their table. A new row takes the counter + 1 as its id and writes it back.

#include <functional>
#include <string>

#include "db/forward.h"

namespace model {

enum class Counter {
    Waybills,  // nr_listu, written back in quotes
    Stations,  // nr_stacji, written back without quotes
    Parties,   // nr_punktu, written back without quotes
};

// The counter's key in table admin.
const char* counterKey(Counter counter);
// The statement that writes `id` back as the counter's value:
//   "update admin set value='<id>' where key='nr_listu';"
//   "update admin set value=<id> where key='nr_stacji';" (and likewise nr_punktu)
std::string counterUpdateSql(Counter counter, int id);

// "select value from admin where key='<key>';" on `query`; field 0 read as an integer.
int readCounter(db::SqlQuery& query, const std::string& key);

// The counter's value read straight from the file; DatabaseError when admin has no such
// row, ConvertError when it is not an integer.
int readCounter(db::SqlConnection& connection, Counter counter);

// The counter rule, as one immediate write transaction: reads the counter on `query`, then
// runs `insertSql(id)` and the counter's update on `query`, with id = counter + 1. A counter
// at the largest integer refuses the add before anything is written. Returns the id.
int addWithCounter(db::SqlConnection& connection, db::SqlQuery& query, Counter counter,
                   const std::function<std::string(int id)>& insertSql);
// The same inside a write transaction the caller holds.
int addWithCounterInTransaction(db::SqlQuery& query, Counter counter,
                                const std::function<std::string(int id)>& insertSql);

}  // namespace model
