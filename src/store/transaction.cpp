#include "store/transaction.h"

#include "db/sql_connection.h"
#include "db/sql_query.h"

namespace store {

void runInTransaction(db::SqlConnection& connection, const std::function<void()>& work) {
    connection.startTransaction();
    try {
        work();
        connection.commit();
    } catch (...) {
        try {
            if (connection.inTransaction()) connection.rollBack();
        } catch (const std::exception&) {
            // the original error is the one worth reporting
        }
        throw;
    }
}

void exec(db::SqlQuery& query, const std::string& sql) {
    query.close();
    query.setSql(sql);
    query.execSql();
}

void openQuery(db::SqlQuery& query, const std::string& sql) {
    query.close();
    query.setSql(sql);
    query.open();
}

}  // namespace store
