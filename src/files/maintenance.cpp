#include "files/maintenance.h"

#include <filesystem>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/database_location.h"
#include "model/schema.h"
#include "model/transaction.h"

namespace files {

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
    model::createSchema(query);
}

}  // namespace files
