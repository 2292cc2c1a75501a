#include "store/maintenance.h"

#include <filesystem>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/database_location.h"
#include "store/schema.h"
#include "store/transaction.h"

namespace store {

void recreateDatabase(db::SqlConnection& connection, db::SqlQuery& query) {
    recreateDatabase(connection, query, DatabaseLocation());
}

void recreateDatabase(db::SqlConnection& connection, db::SqlQuery& query,
                      const DatabaseLocation& location) {
    connection.close();
    std::error_code ec;
    std::filesystem::remove(location.path(), ec);  // outcome ignored
    connection.setDefaultDir(location.directory());
    connection.setDatabase(location.fileName());
    connection.open();
    createSchema(query);
}

void deleteAllWaybills(db::SqlQuery& list) {
    exec(list, "delete from listy;");
    openQuery(list, kWaybillListSql);
}

}  // namespace store
