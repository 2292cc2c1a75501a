#include "model/transaction.h"

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"

namespace model {

void runStatement(db::SqlConnection& connection, const std::string& sql) {
    std::string error;
    const int rc = connection.xExec(sql, nullptr, nullptr, &error);
    if (!error.empty()) throw db::DatabaseError(error, rc, sql);
}

namespace {

constexpr const char* kSavepoint = "listy_write";

// A transaction the user began is deferred: a write that changes nothing takes the write
// lock now, so what the work reads next no other program can change before it ends. A file
// without admin (no schema yet) has nothing to protect.
void takeWriteLock(db::SqlConnection& connection) {
    try {
        runStatement(connection, "update admin set key=key where 0;");
    } catch (const db::DatabaseError& e) {
        if (db::causeOf(e) != db::Cause::Other) throw;
    }
}

// Inside a transaction someone else opened (the SQL browser's "begin"): our work is a
// savepoint of it, undone alone on error, and the open transaction stays theirs.
void runInSavepoint(db::SqlConnection& connection, const std::function<void()>& work) {
    runStatement(connection, std::string("savepoint ") + kSavepoint);
    try {
        takeWriteLock(connection);
        work();
        runStatement(connection, std::string("release ") + kSavepoint);
    } catch (...) {
        try {
            if (connection.inTransaction()) {
                runStatement(connection, std::string("rollback to ") + kSavepoint);
                runStatement(connection, std::string("release ") + kSavepoint);
            }
        } catch (const std::exception&) {
            // the original error is the one worth reporting
        }
        throw;
    }
}

}  // namespace

void runInTransaction(db::SqlConnection& connection, const std::function<void()>& work) {
    if (connection.inTransaction()) {
        runInSavepoint(connection, work);
        return;
    }
    connection.startWriteTransaction();
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

}  // namespace model
