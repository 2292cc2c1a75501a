// A statement that the engine prepares anew inside its first step, because another
// connection changed the schema, reports the columns of the new schema.

#include <sqlite3.h>

#include <QTemporaryDir>
#include <QtTest>

#include "db/sql_connection.h"
#include "db/sql_query.h"

class SchemaChangeTest : public QObject {
    Q_OBJECT
private slots:
    void columnsComeFromTheStatementThatRan() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("s.sdb").toStdString();
        db::SqlConnection connection;
        connection.setDatabase(path);
        connection.open();
        db::SqlQuery query("q");
        query.setConnection(&connection);
        query.setSql("create table t(a varchar(5), b text); insert into t values('x', 'y');");
        query.execSql();
        query.setSql("select * from t;");
        query.open();
        QCOMPARE(query.fieldCount(), 2);

        // Another program adds a column; this connection still holds the old schema.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(path.c_str(), &other), SQLITE_OK);
        QCOMPARE(
            sqlite3_exec(other, "alter table t add column longer_name_c varchar(3) default 'zzzz';",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(other);

        query.close();
        query.open();
        QCOMPARE(query.fieldCount(), 3);
        QCOMPARE(query.fields(2).fieldName(), std::string("longer_name_c"));
        QCOMPARE(query.fields(0).size(), 5);
        QCOMPARE(query.fields(2).size(), 3);
        QCOMPARE(query.fields(2).asString(), std::string("zzz"));

        // The same for a result without rows.
        other = nullptr;
        QCOMPARE(sqlite3_open(path.c_str(), &other), SQLITE_OK);
        QCOMPARE(
            sqlite3_exec(other, "alter table t add column d integer;", nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(other);
        query.setSql("select * from t where a = 'none';");
        query.open();
        QCOMPARE(query.fieldCount(), 4);
        QCOMPARE(query.fields(3).dataType(), db::FieldKind::Integer);
        QCOMPARE(query.recordCount(), 0);
    }
};

QTEST_GUILESS_MAIN(SchemaChangeTest)
#include "test_schema_change.moc"
