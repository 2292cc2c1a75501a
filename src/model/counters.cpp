#include "model/counters.h"

#include <limits>

#include "db/errors.h"
#include "db/sql_query.h"
#include "db/text.h"
#include "model/messages.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {

const char* counterKey(Counter counter) {
    switch (counter) {
        case Counter::Waybills:
            return "nr_listu";
        case Counter::Stations:
            return "nr_stacji";
        case Counter::Parties:
            return "nr_punktu";
    }
    return "";
}

std::string counterUpdateSql(Counter counter, int id) {
    const std::string value = std::to_string(id);
    const std::string quoted = counter == Counter::Waybills ? "'" + value + "'" : value;
    return "update admin set value=" + quoted + " where key='" + counterKey(counter) + "';";
}

int readCounter(db::SqlQuery& query, const std::string& key) {
    openQuery(query, "select value from admin where key='" + key + "';");
    return query.fields(0).asInteger();
}

int readCounter(db::SqlConnection& connection, Counter counter) {
    const std::string key = counterKey(counter);
    const auto rows =
        readStoredRows(connection, "select value from admin where key='" + key + "';");
    if (rows.empty() || rows[0].empty() || !rows[0][0]) {
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "W tabeli admin brak licznika %1"), {key}));
    }
    return db::toInteger(*rows[0][0]);
}

int addWithCounter(db::SqlConnection& connection, db::SqlQuery& query, Counter counter,
                   const std::function<std::string(int id)>& insertSql) {
    int id = 0;
    // The counter is read under the write lock: two programs never take the same id.
    runInTransaction(connection,
                     [&] { id = addWithCounterInTransaction(query, counter, insertSql); });
    return id;
}

int addWithCounterInTransaction(db::SqlQuery& query, Counter counter,
                                const std::function<std::string(int id)>& insertSql) {
    const std::string key = counterKey(counter);
    const int current = readCounter(query, key);
    if (current == std::numeric_limits<int>::max()) {
        throw db::DatabaseError(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Licznik %1 osiągnął największą wartość (%2)"),
            {key, std::to_string(current)}));
    }
    const int id = current + 1;
    exec(query, insertSql(id));
    exec(query, counterUpdateSql(counter, id));
    return id;
}

}  // namespace model
