// SqlQuery: reading results (fields, NULLs, row ids, several results in one text, limits),
// running statements for their effect, the errors it reports, the cursor and its
// notifications, and what happens when its connection goes away.

#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "support/db_helpers.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Records the statements handed to the engine.
using Statements = testing::DebugLines;

using Messages = testing::MessageLines;

// Values of every row of an open dataset, fields joined with "|".
QStringList rows(db::SqlQuery& query) {
    return testing::datasetRows(query);
}

const char* const kListy =
    "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
    "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20]);";

}  // namespace

class TestSqlQuery : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString oldCwd_;
    std::unique_ptr<db::SqlConnection> conn_;

    void exec(const std::string& sql) { testing::execDirect(*conn_, sql); }
    std::unique_ptr<db::SqlQuery> query(const std::string& sql, const char* name = "Query1") {
        return testing::makeQuery(*conn_, sql, name);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        oldCwd_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
        conn_ = std::make_unique<db::SqlConnection>("baza");
        conn_->setDatabase("listy.sdb");
        conn_->open();
        exec("pragma synchronous = off");  // no waiting for the disk between statements
        exec(kListy);
        exec("create table admin(klucz varchar[20], wartosc varchar[20]);");
        exec("insert into admin values('wersja', '2'); insert into admin values('nr_listu', '3');");
        exec(
            "insert into listy values(1, 'Gdańsk', 'Stocznia', 'Eaos', 'węgiel', 'Huta Łaziska', "
            "'Łaziska Górne');"
            "insert into listy values(2, 'Kraków', 'Młyn', 'Tads', 'zboże', 'Piekarnia', "
            "'Żywiec');"
            "insert into listy values(3, 'Poznań', NULL, 'Shimmns', 'blacha', '', 'Ełk');");
    }
    void cleanup() {
        conn_.reset();
        QDir::setCurrent(oldCwd_);
        dir_.reset();
    }

    void openReadsRowsAndFields() {
        auto qy = query("select * from listy;");
        qy->open();
        QVERIFY(qy->active());
        QCOMPARE(qy->fieldCount(), 7);
        QCOMPARE(q(qy->fields(2).fieldName()), QString("nadawca"));
        for (int i = 0; i < 7; ++i) {
            // Square-bracket sizes are no size at all: every column is text of 255.
            QCOMPARE(qy->fields(i).dataType(), db::FieldKind::String);
            QCOMPARE(qy->fields(i).size(), 255);
        }
        QCOMPARE(qy->recordCount(), 3);
        QCOMPARE(rows(*qy), QStringList({"1|Gdańsk|Stocznia|Eaos|węgiel|Huta Łaziska|Łaziska Górne",
                                         "2|Kraków|Młyn|Tads|zboże|Piekarnia|Żywiec",
                                         "3|Poznań||Shimmns|blacha||Ełk"}));
        qy->first();
        QCOMPARE(q(qy->fieldByName("ST_ODB").asString()), QString("Łaziska Górne"));
        QCOMPARE(qy->fieldByName("Id").asInteger(), 1);
        QVERIFY(&qy->fieldByName("nadawca") == &qy->fields(2));
        QCOMPARE(q(qy->text(1, 4)), QString("zboże"));
        QCOMPARE(q(qy->text(7, 4)), QString());  // rows beyond the result read empty

        try {
            qy->fieldByName("nadawcy");
            QFAIL("unknown field found");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), QString("Query1: Field 'nadawcy' not found"));
        }
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, qy->fields(7));

        qy->close();
        QVERIFY(!qy->active());
        QCOMPARE(qy->fieldCount(), 0);
        QCOMPARE(qy->recordCount(), 0);
        QCOMPARE(q(qy->sql()), QString("select * from listy;"));  // the text stays
    }

    void emptyResultHasFields() {
        auto qy = query("select id, nadawca from listy where id > 99");
        qy->open();
        QCOMPARE(qy->fieldCount(), 2);
        QCOMPARE(q(qy->fields(1).fieldName()), QString("nadawca"));
        QCOMPARE(qy->recordCount(), 0);
        QVERIFY(qy->eof());
        QCOMPARE(qy->recNo(), 0);
        QCOMPARE(q(qy->fieldByName("nadawca").asString()), QString());
        try {
            qy->fields(0).asInteger();
            QFAIL("the empty text read as an integer");
        } catch (const db::ConvertError& e) {
            QCOMPARE(QString(e.what()), QString("'' is not a valid integer value"));
        }
        qy->next();
        qy->last();
        QVERIFY(qy->eof());
    }

    void integerReading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("negative") << "-7" << true << -7;
        QTest::newRow("plus") << "+8" << true << 8;
        QTest::newRow("leading blank") << " 5" << true << 5;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("trailing letter") << "12a" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("decimal") << "1.5" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void integerReading() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        exec("create table n(v varchar[20]); insert into n values('" + text.toStdString() + "')");
        auto qy = query("select v from n");
        qy->open();
        QCOMPARE(q(qy->fields(0).asString()), text);
        if (valid) {
            QCOMPARE(qy->fields(0).asInteger(), value);
        } else {
            try {
                qy->fields(0).asInteger();
                QFAIL("converted a text that is no integer");
            } catch (const db::ConvertError& e) {
                QCOMPARE(QString(e.what()), "'" + text + "' is not a valid integer value");
            }
        }
    }

    void nullReadsEmpty() {
        exec("create table z(a varchar(10), b integer, c date, d numeric(8,2), e text)");
        exec("insert into z values(NULL, NULL, NULL, NULL, NULL)");
        auto qy = query("select * from z");
        qy->open();
        QCOMPARE(qy->recordCount(), 1);  // a row of NULLs is still a row
        for (int i = 0; i < qy->fieldCount(); ++i) {
            QCOMPARE(q(qy->fields(i).asString()), QString());
            QVERIFY(qy->fields(i).isNull());
        }
    }

    void rowIdColumn_data() {
        QTest::addColumn<QString>("alias");
        QTest::newRow("RowId") << "RowId";
        QTest::newRow("upper") << "ROWID";
        QTest::newRow("lower") << "rowid";
    }
    void rowIdColumn() {
        QFETCH(QString, alias);
        exec(
            "create table r(name varchar[20]);"
            "insert into r(rowid, name) values(10, 'a');"
            "insert into r(rowid, name) values(25, 'b');"
            "insert into r(rowid, name) values(7, 'c');"
            "insert into r(rowid, name) values(9223372036854775807, 'd');");
        auto qy = query("select name, rowid as " + alias.toStdString() + " from r order by name");
        qy->open();
        QCOMPARE(qy->fieldCount(), 1);  // the row-id column gives no field
        QVERIFY(qy->findField("rowid") == nullptr);
        std::vector<std::int64_t> ids;
        for (qy->first(); !qy->eof(); qy->next()) ids.push_back(qy->rowId());
        QCOMPARE(ids, (std::vector<std::int64_t>{10, 25, 7, 9223372036854775807}));
        QCOMPARE(rows(*qy), QStringList({"a", "b", "c", "d"}));

        // Without such a column the row id is the row's index.
        auto plain = query("select name from r order by name desc");
        plain->open();
        ids.clear();
        for (plain->first(); !plain->eof(); plain->next()) ids.push_back(plain->rowId());
        QCOMPARE(ids, (std::vector<std::int64_t>{0, 1, 2, 3}));
    }

    void severalResultsInOneText() {
        // Fields come from the first result; rows of the later ones keep only as many
        // columns as there are fields, or are filled up with empty values.
        auto qy = query("select * from admin; select * from listy;");
        qy->open();
        QCOMPARE(qy->fieldCount(), 2);
        QCOMPARE(q(qy->fields(0).fieldName()), QString("klucz"));
        QCOMPARE(rows(*qy),
                 QStringList({"wersja|2", "nr_listu|3", "1|Gdańsk", "2|Kraków", "3|Poznań"}));
        QVERIFY(qy->findField("nadawca") == nullptr);

        auto wide = query("select * from listy where id = 2; select * from admin;");
        wide->open();
        QCOMPARE(wide->fieldCount(), 7);
        QCOMPARE(rows(*wide), QStringList({"2|Kraków|Młyn|Tads|zboże|Piekarnia|Żywiec",
                                           "wersja|2|||||", "nr_listu|3|||||"}));

        // An empty first result still decides the fields.
        auto empty = query("select klucz from admin where 0; select st_odb, ladunek from listy");
        empty->open();
        QCOMPARE(empty->fieldCount(), 1);
        QCOMPARE(q(empty->fields(0).fieldName()), QString("klucz"));
        QCOMPARE(rows(*empty), QStringList({"Łaziska Górne", "Żywiec", "Ełk"}));

        // A statement without result columns before the select changes nothing.
        auto mixed = query(
            "update admin set wartosc = '4' where klucz = 'nr_listu';"
            "select wartosc from admin where klucz = 'nr_listu'");
        mixed->open();
        QCOMPARE(rows(*mixed), QStringList({"4"}));
    }

    void limitAndOffset_data() {
        QTest::addColumn<int>("maxResults");
        QTest::addColumn<int>("startResult");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("maxAfter");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("none") << 0 << 0 << "" << 0 << QStringList({"1", "2", "3"});
        QTest::newRow("limit") << 2 << 0 << " limit 2" << 2 << QStringList({"1", "2"});
        QTest::newRow("offset alone")
            << 0 << 1 << " limit -1 offset 1" << -1 << QStringList({"2", "3"});
        QTest::newRow("both") << 1 << 1 << " limit 1 offset 1" << 1 << QStringList({"2"});
        QTest::newRow("offset past end") << 5 << 9 << " limit 5 offset 9" << 5 << QStringList();
    }
    void limitAndOffset() {
        QFETCH(int, maxResults);
        QFETCH(int, startResult);
        QFETCH(QString, suffix);
        QFETCH(int, maxAfter);
        QFETCH(QStringList, ids);
        auto qy = query("select id from listy order by id");
        qy->setMaxResults(maxResults);
        qy->setStartResult(startResult);
        qy->open();
        QCOMPARE(q(qy->statement()), "select id from listy order by id" + suffix);
        QCOMPARE(qy->maxResults(), maxAfter);
        QCOMPARE(rows(*qy), ids);
    }

    void execSqlRunsForEffect() {
        Statements seen;
        auto qy = query("delete from admin; insert into admin values('a', '1');");
        qy->execSql();
        QVERIFY(qy->active());
        QCOMPARE(qy->recordCount(), 0);
        QCOMPARE(qy->fieldCount(), 0);
        QVERIFY(qy->eof());
        auto check = query("select klucz from admin");
        check->open();
        QCOMPARE(rows(*check), QStringList({"a"}));

        // Run twice, and again by close/open on the unchanged text: three inserts.
        qy->setSql("insert into admin values('b', '2')");
        qy->execSql();
        qy->execSql();
        qy->close();
        qy->open();
        check->close();
        check->open();
        QCOMPARE(rows(*check), QStringList({"a", "b", "b", "b"}));
        QCOMPARE(seen.count("insert into admin values('b', '2')"), 3);

        // A select run for its effect keeps nothing, also when reopened, until the text
        // is set anew.
        qy->setSql("select * from listy");
        qy->execSql();
        QCOMPARE(qy->fieldCount(), 0);
        qy->close();
        qy->open();
        QCOMPARE(qy->fieldCount(), 0);
        QCOMPARE(qy->recordCount(), 0);
        qy->setSql("select * from listy");
        qy->open();
        QCOMPARE(qy->fieldCount(), 7);
        QCOMPARE(qy->recordCount(), 3);
    }

    void execSqlIsInTheFileOnReturn() {
        auto qy = query("insert into admin values('nr_stacji', '1')");
        qy->execSql();
        QVERIFY(!conn_->inTransaction());
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open_v2("listy.sdb", &other, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        QCOMPARE(sqlite3_prepare_v2(other, "select count(*) from admin", -1, &st, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_step(st), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(st, 0), 3);
        sqlite3_finalize(st);
        sqlite3_close(other);
    }

    void execSqlAutoCommit() {
        Statements seen;
        auto qy = query("insert into admin values('x', 'y')");
        qy->setAutoCommit(true);
        qy->execSql();
        QCOMPARE(q(seen.lines.at(seen.lines.size() - 3)), QString("begin transaction"));
        QCOMPARE(q(seen.lines.back()), QString("commit transaction"));
        QVERIFY(!conn_->inTransaction());

        // A failing statement propagates and leaves the transaction begun for it open.
        qy->setSql("insert into admin values('z', 'z'); insert into nowhere values(1)");
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, qy->execSql());
        QVERIFY(conn_->inTransaction());
        conn_->rollBack();
        auto check = query("select count(*) from admin");
        check->open();
        QCOMPARE(q(check->fields(0).asString()), QString("3"));
    }

    void engineErrorMessage_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("maxResults");
        QTest::addColumn<QString>("engineText");
        QTest::newRow("missing table") << "select * from nowhere" << 0 << "no such table: nowhere";
        QTest::newRow("shown text without limit")
            << "select * from nowhere" << 5 << "no such table: nowhere";
        QTest::newRow("lines joined") << "select *\nfrom nowhere" << 0 << "no such table: nowhere";
        const QString longName = QString("t").repeated(300);
        QTest::newRow("engine text cut at 255")
            << "select * from " + longName << 0 << QString("no such table: " + longName).left(255);
        const QString wide = QString("ż").repeated(300);
        QTest::newRow("cut never splits a character")
            << "select * from " + wide << 0 << QString("no such table: " + wide).left(255);
        QTest::newRow("second statement fails")
            << "select * from admin; select missing from admin" << 0 << "no such column: missing";
    }
    void engineErrorMessage() {
        QFETCH(QString, sql);
        QFETCH(int, maxResults);
        QFETCH(QString, engineText);
        auto qy = query(sql.toStdString());
        qy->setMaxResults(maxResults);
        try {
            qy->open();
            QFAIL("a failing statement opened");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), engineText + "\n" + sql);
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString("wrong error kind: ") + e.what()));
        }
        QVERIFY(!qy->active());
        QCOMPARE(qy->fieldCount(), 0);
        QCOMPARE(qy->recordCount(), 0);
        QVERIFY(q(qy->lastError()).startsWith(engineText));
        QVERIFY(sqlite3_next_stmt(conn_->handle(), nullptr) == nullptr);
        // The text can be fixed and opened afterwards.
        qy->setSql("select klucz from admin");
        qy->open();
        QCOMPARE(qy->recordCount(), 2);
    }

    void openWithoutQueryOrConnection() {
        Messages boxes;
        auto qy = query("  \n\t ");
        QVERIFY_THROWS_EXCEPTION(db::Abort, qy->open());
        QCOMPARE(boxes.texts, QStringList({"no query specified"}));
        QVERIFY(!qy->active());

        db::SqlQuery lone("Lone");
        QVERIFY_THROWS_EXCEPTION(db::Abort, lone.open());  // the text is checked first
        QCOMPARE(boxes.texts.size(), 2);
        lone.setSql("select 1");
        try {
            lone.open();
            QFAIL("opened without a connection");
        } catch (const db::SqlConfigError& e) {
            QCOMPARE(QString(e.what()), QString("no database connection"));
        }
        QVERIFY(!lone.active());
        QCOMPARE(boxes.texts.size(), 2);
    }

    void openConnectsTheConnection() {
        conn_->close();
        auto qy = query("select count(*) from listy");
        qy->open();
        QVERIFY(conn_->connected());
        QCOMPARE(q(qy->fields(0).asString()), QString("3"));
    }

    void textChangesCloseAndOpenRunsOnce() {
        Statements seen;
        auto qy = query("select id from listy");
        int closed = 0;
        qy->subscribe([&](db::DatasetEvent e) { closed += e == db::DatasetEvent::Closed; });
        qy->open();
        qy->open();  // already open: not run again
        QCOMPARE(seen.count("select id from listy"), 1);

        qy->addSql("where id = 2");
        QVERIFY(!qy->active());
        QCOMPARE(closed, 1);
        QCOMPARE(q(qy->sql()), QString("select id from listy\nwhere id = 2"));
        qy->open();
        QCOMPARE(rows(*qy), QStringList({"2"}));
        QCOMPARE(seen.count("select id from listy\nwhere id = 2"), 1);

        qy->setSql("select id\r\nfrom listy\r\nwhere id = 3");
        QCOMPARE(qy->sqlLines().size(), std::size_t(3));
        QVERIFY(!qy->active());
        qy->open();
        QCOMPARE(rows(*qy), QStringList({"3"}));
        qy->clearSql();
        QVERIFY(!qy->active());
        QCOMPARE(closed, 3);
        qy->close();  // closed already: no notification
        QCOMPARE(closed, 3);
    }

    void textCutToFieldSize_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        const QString a300 = QString("a").repeated(300);
        const QString pl300 = QString("ą").repeated(300);
        QTest::newRow("255 fits") << "varchar[20]" << a300.left(255) << a300.left(255);
        QTest::newRow("ascii cut at 255") << "varchar[20]" << a300 << a300.left(255);
        QTest::newRow("two-byte cut at 255 characters")
            << "varchar[20]" << pl300 << pl300.left(255);
        QTest::newRow("mixed widths") << "text"
                                      << "x" + pl300 << "x" + pl300.left(254);
        QTest::newRow("four-byte characters")
            << "varchar(3)" << QString::fromUtf8("😀ż😀ż") << QString::fromUtf8("😀ż😀");
        QTest::newRow("declared size") << "varchar(5)"
                                       << "Gdańsk"
                                       << "Gdańs";
        // A declared type with "(" and no ")" (brackets quote it for the engine).
        QTest::newRow("open parenthesis only") << "varchar [(5]" << a300 << a300.left(256);
        QTest::newRow("char") << "CHAR(2)"
                              << "ąęó"
                              << "ąę";
    }
    void textCutToFieldSize() {
        QFETCH(QString, type);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        exec("create table w(v " + type.toStdString() + ")");
        exec("insert into w values('" + stored.toStdString() + "')");
        auto qy = query("select v from w");
        qy->open();
        QCOMPARE(QString::fromStdString(qy->fields(0).asString()), read);
        QCOMPARE(QString::fromStdString(qy->text(0, 0)), read);
    }

    void connectionSharedAndDestroyed() {
        auto a = query("select id from listy", "A");
        auto b = query("select klucz from admin", "B");
        QStringList events;
        a->subscribe([&](db::DatasetEvent e) {
            events << (e == db::DatasetEvent::Closed ? "closed" : "other");
        });
        a->open();
        b->open();
        QCOMPARE(a->recordCount(), 3);
        QCOMPARE(b->recordCount(), 2);
        b.reset();  // a dataset destroyed first leaves the connection alone
        events.clear();
        conn_.reset();
        QCOMPARE(events, QStringList({"closed"}));
        QVERIFY(!a->active());
        QVERIFY(a->connection() == nullptr);
        QVERIFY_THROWS_EXCEPTION(db::SqlConfigError, a->open());
    }

    void changingTheConnectionCloses() {
        auto qy = query("select id from listy");
        qy->open();
        db::SqlConnection other;
        other.setDatabase(":memory:");
        qy->setConnection(conn_.get());  // the same one: stays open
        QVERIFY(qy->active());
        qy->setConnection(&other);
        QVERIFY(!qy->active());
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, qy->open());  // no table there
        QVERIFY(other.connected());
        qy->setConnection(nullptr);
        QVERIFY(qy->connection() == nullptr);
    }

    void cursorAndNotifications() {
        auto qy = query("select id from listy order by id");
        QStringList events;
        const int id = qy->subscribe([&](db::DatasetEvent e) {
            events << (e == db::DatasetEvent::Opened   ? "opened"
                       : e == db::DatasetEvent::Closed ? "closed"
                                                       : "moved " + QString::number(qy->recNo()));
        });
        qy->open();
        QCOMPARE(events, QStringList({"opened", "moved 1"}));
        QVERIFY(qy->bof());
        QVERIFY(!qy->eof());
        qy->next();
        qy->next();
        QCOMPARE(q(qy->fields(0).asString()), QString("3"));
        QVERIFY(!qy->eof());
        qy->next();  // no further row: end of data, the last row stays current
        QVERIFY(qy->eof());
        QCOMPARE(qy->recNo(), 3);
        QCOMPARE(q(qy->fields(0).asString()), QString("3"));
        qy->prior();
        QCOMPARE(q(qy->fields(0).asString()), QString("2"));
        qy->first();
        qy->prior();
        QVERIFY(qy->bof());
        QCOMPARE(qy->recNo(), 1);
        qy->last();
        QCOMPARE(q(qy->fields(0).asString()), QString("3"));
        QVERIFY(!qy->eof());

        qy->setRecNo(2);
        QCOMPARE(q(qy->fields(0).asString()), QString("2"));
        qy->setRecNo(9);  // out of range: ignored
        qy->setRecNo(-1);
        QCOMPARE(qy->recNo(), 2);
        QVERIFY(qy->setCurrentIndex(0));
        QVERIFY(!qy->setCurrentIndex(3));
        QCOMPARE(qy->recNo(), 1);

        // Bookmarks number the rows in arrival order.
        qy->last();
        const std::int32_t mark = qy->bookmark();
        QCOMPARE(mark, 3);
        qy->first();
        qy->gotoBookmark(mark);
        QCOMPARE(q(qy->fields(0).asString()), QString("3"));
        try {
            qy->gotoBookmark(17);
            QFAIL("went to a bookmark that is not there");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), QString("Bookmark not found"));
        }

        events.clear();
        qy->unsubscribe(id);
        qy->close();
        QVERIFY(events.isEmpty());
        QCOMPARE(qy->bookmark(), -1);
        QCOMPARE(qy->rowId(), -1);
    }
};

QTEST_GUILESS_MAIN(TestSqlQuery)
#include "test_sql_query.moc"
