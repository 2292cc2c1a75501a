#include "model/stations.h"

#include "db/sql_query.h"
#include "model/counters.h"
#include "model/sql_text.h"
#include "model/transaction.h"

namespace model {

bool stationExists(db::SqlQuery& query, const std::string& name) {
    openQuery(query, "select * from stacje where nazwa='" + sqlEscape(name) + "';");
    return query.recordCount() != 0;
}

std::optional<int> addStation(db::SqlConnection& connection, db::SqlQuery& query,
                              const std::string& name, const std::string& colour) {
    const std::string quotedName = sqlEscape(name);
    const std::string quotedColour = sqlEscape(colour);
    std::optional<int> added;
    // The name is looked up under the write lock: two programs never add one name twice.
    runInTransaction(connection, [&] {
        if (stationExists(query, name)) return;
        added = addWithCounterInTransaction(query, Counter::Stations, [&](int id) {
            return "insert into stacje values (" + std::to_string(id) + ",'" + quotedName + "','" +
                   quotedColour + "');";
        });
    });
    return added;
}

int recolourStation(db::SqlQuery& query, const std::string& name, const std::string& colour) {
    const std::string quotedName = sqlEscape(name);
    openQuery(query, "select id from stacje where nazwa='" + quotedName + "';");
    const int id = query.fields(0).asInteger();
    exec(query, "update stacje set nazwa='" + quotedName + "', kolor ='" + sqlEscape(colour) +
                    "' where id='" + std::to_string(id) + "';");
    return id;
}

void deleteStation(db::SqlConnection& connection, db::SqlQuery& query, const std::string& name) {
    const std::string quotedName = sqlEscape(name);
    runInTransaction(connection, [&] {
        exec(query, "delete from stacje where nazwa='" + quotedName + "';");
        exec(query,
             "delete from listy where st_nad='" + quotedName + "' or st_odb='" + quotedName + "';");
        exec(query, "delete from punkty where stacja='" + quotedName + "';");
    });
}

}  // namespace model
