#include "store/maintenance.h"

#include <filesystem>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/schema.h"
#include "store/transaction.h"

namespace store {

void recreateDatabase(db::SqlConnection& connection, db::SqlQuery& query) {
    connection.close();
    std::error_code ec;
    std::filesystem::remove(workingDirectory() + kDatabaseFile, ec);  // outcome ignored
    connection.setDefaultDir(workingDirectory());
    connection.setDatabase(kDatabaseFile);
    connection.open();
    createSchema(query);
}

void deleteAllWaybills(db::SqlQuery& list) {
    exec(list, "delete from listy;");
    openQuery(list, kWaybillListSql);
}

}  // namespace store
