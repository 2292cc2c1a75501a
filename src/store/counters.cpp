#include "store/counters.h"

#include <limits>

#include "db/errors.h"
#include "db/sql_query.h"
#include "store/transaction.h"

namespace store {

int readCounter(db::SqlQuery& query, const std::string& key) {
    openQuery(query, "select value from admin where key='" + key + "';");
    return query.fields(0).asInteger();
}

int addWithCounter(db::SqlConnection& connection, db::SqlQuery& counterQuery,
                   db::SqlQuery& insertQuery, const std::string& key,
                   const std::function<std::string(int id)>& insertSql,
                   const std::function<std::string(int id)>& updateSql) {
    const int counter = readCounter(counterQuery, key);
    if (counter == std::numeric_limits<int>::max()) {
        throw db::DatabaseError("Licznik " + key + " osiągnął największą wartość (" +
                                std::to_string(counter) + ")");
    }
    const int id = counter + 1;
    runInTransaction(connection, [&] {
        exec(insertQuery, insertSql(id));
        exec(counterQuery, updateSql(id));
    });
    return id;
}

}  // namespace store
