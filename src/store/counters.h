#pragma once
// The counters in table admin (nr_listu, nr_stacji, nr_punktu) hold the last id handed out
// for their table. A new row takes the counter + 1 as its id and writes it back.

#include <functional>
#include <string>

#include "db/forward.h"

namespace store {

// "select value from admin where key='<key>';" on `query`; field 0 read as an integer.
int readCounter(db::SqlQuery& query, const std::string& key);

// The counter rule: reads the counter `key` on `counterQuery`, then runs, as one
// transaction, `insertSql(id)` on `insertQuery` and `updateSql(id)` on `counterQuery`, with
// id = counter + 1. Each caller gives its own exact statements. Returns the id.
int addWithCounter(db::SqlConnection& connection, db::SqlQuery& counterQuery,
                   db::SqlQuery& insertQuery, const std::string& key,
                   const std::function<std::string(int id)>& insertSql,
                   const std::function<std::string(int id)>& updateSql);

}  // namespace store
