// Opening the database in the working directory: a new file gets the schema, a version-1
// file is converted, anything else is left as it is, and errors reach the caller.

#include <QDir>
#include <QFile>
#include <QtTest>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/maintenance.h"
#include "model/counters.h"
#include "model/schema.h"
#include "model/sql_text.h"
#include "model/waybills.h"
#include "session/startup.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::dumpOf;
using testing::execFile;
using testing::rowsOf;

namespace {

const char* kVersion1Schema =
    "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
    "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20]);"
    "create table admin(key varchar[10], value varchar[20]);"
    "create table stacje(id integer[2], nazwa varchar[20]);"
    "create table ladunki(nazwa varchar[20], rodz_wag varchar[2]);"
    "create table punkty(id integer[2], nazwa varchar[30], stacja varchar[20], ladunki "
    "varchar[100]);"
    "insert into admin values('wersja','1');"
    "insert into admin values('nr_listu','4');"
    "insert into admin values('nr_stacji','8');"
    "insert into admin values('nr_punktu','1');";

struct Database {
    db::SqlConnection baza{"baza"};
    db::SqlQuery list{"sql1"};
    Database() { list.setConnection(&baza); }
    void start() { session::openDatabase(baza, list); }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesSchemaOnce();
    void version1FileIsConverted_data();
    void version1FileIsConverted();
    void otherVersionsAreLeftAlone_data();
    void otherVersionsAreLeftAlone();
    void version1ConversionIsOneInertTransaction();
    void fileWithoutAdminGetsCreationStatements();
    void fileThatCannotBeOpenedRaises();
    void counterRuleHandsOutIdsAtomically();
    void newDatabaseStartsCountersAgain();
    void quotingDoublesApostrophes();
};

void StartupTest::firstStartCreatesSchemaOnce() {
    testing::WorkDir dir;
    Database d;
    d.start();
    const QString file = dir.file(QStringLiteral("listy.sdb"));
    QVERIFY(QFile::exists(file));
    QCOMPARE(rowsOf(file, "select name from sqlite_master order by rowid"),
             QStringList({"listy", "admin", "stacje", "ladunki", "punkty"}));
    QCOMPARE(
        rowsOf(file, "select sql from sqlite_master where name='stacje'").value(0),
        QStringLiteral("CREATE TABLE stacje(id integer[2], nazwa varchar[20], kolor varchar[20])"));
    QCOMPARE(rowsOf(file, "select * from admin"),
             QStringList({"wersja|2", "nr_listu|1", "nr_stacji|1", "nr_punktu|1"}));
    QVERIFY(d.list.active());
    QCOMPARE(d.list.recordCount(), 0);
    QVERIFY(d.list.eof());
    QCOMPARE(d.list.fieldCount(), 7);
    QCOMPARE(d.list.fields(1).asString(), std::string());
    QCOMPARE(QString::fromStdString(d.baza.defaultDir()), QDir::currentPath() + "/");

    const QString before = dumpOf(file);
    Database second;
    second.start();
    QCOMPARE(dumpOf(file), before);

    // Two programs started at once on a new file both find it new; the one that got the
    // write lock second finds the schema made and makes nothing, nor converts a file the
    // other has converted (a station's colour stays).
    execFile(file, "insert into stacje values(2,'A','clred');");
    const QString made = dumpOf(file);
    db::SqlQuery late("sqlt");
    late.setConnection(&second.baza);
    model::createSchema(late);
    model::convertFromVersion1(late);
    QCOMPARE(dumpOf(file), made);
}

void StartupTest::version1FileIsConverted_data() {
    QTest::addColumn<QString>("stations");  // insert statements into the old stacje
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two stations keep ids, names and order")
        << "insert into stacje values(5,'B');insert into stacje values(3,'A');"
        << QStringList({"5|B|clwhite", "3|A|clwhite"});
    QTest::newRow("no stations") << "" << QStringList();
    QTest::newRow("names with Polish letters and an apostrophe")
        << "insert into stacje values(3,'Łódź Kaliska');insert into stacje values(4,'O''Hare');"
        << QStringList({"3|Łódź Kaliska|clwhite", "4|O'Hare|clwhite"});
}

void StartupTest::version1FileIsConverted() {
    QFETCH(QString, stations);
    QFETCH(QStringList, expected);
    testing::WorkDir dir;
    const QString file = dir.file(QStringLiteral("listy.sdb"));
    execFile(file, QString::fromLatin1(kVersion1Schema) + stations);
    Database d;
    d.start();
    QCOMPARE(rowsOf(file, "select * from stacje"), expected);
    QCOMPARE(rowsOf(file, "select value from admin where key='wersja'"), QStringList({"2"}));
    QCOMPARE(rowsOf(file, "select value from admin where key='nr_stacji'"), QStringList({"8"}));
    QCOMPARE(rowsOf(file, "select count(*) from stacje where kolor is null"), QStringList({"0"}));

    const QString before = dumpOf(file);
    Database again;
    again.start();
    QCOMPARE(dumpOf(file), before);
}

void StartupTest::otherVersionsAreLeftAlone_data() {
    QTest::addColumn<QString>("wersja");  // the admin rows written, after the tables
    QTest::newRow("2") << "insert into admin values('wersja','2');";
    QTest::newRow("3") << "insert into admin values('wersja','3');";
    QTest::newRow("1 with a blank") << "insert into admin values('wersja','1 ');";
    QTest::newRow("empty") << "insert into admin values('wersja','');";
    QTest::newRow("no row") << "";
}

void StartupTest::otherVersionsAreLeftAlone() {
    QFETCH(QString, wersja);
    testing::WorkDir dir;
    const QString file = dir.file(QStringLiteral("listy.sdb"));
    QString schema = QString::fromLatin1(kVersion1Schema);
    schema.truncate(schema.indexOf("insert"));
    execFile(file, schema + wersja + "insert into stacje values(3,'A');");
    const QString before = dumpOf(file);
    Database d;
    d.start();
    QCOMPARE(dumpOf(file), before);
}

// Ids come from the file as values, never as statement text, and the conversion is whole
// or not at all.
void StartupTest::version1ConversionIsOneInertTransaction() {
    testing::WorkDir dir;
    const QString file = dir.file("listy.sdb");
    execFile(file, kVersion1Schema);
    execFile(file,
             "insert into listy values(2,'A','n','w','l','o','B');"
             "insert into stacje values(NULL,'A');"
             "insert into stacje values('3,''X'',''clwhite''); delete from listy; --','B');"
             "insert into stacje values(5,'C');");
    // A refused last step (wersja) takes the whole conversion back.
    execFile(file,
             "create trigger refuse before update on admin begin "
             "select raise(abort, 'refused'); end;");
    Database d;
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, d.start());
    QCOMPARE(rowsOf(file, "select * from stacje"),
             QStringList({"<null>|A", "3,'X','clwhite'); delete from listy; --|B", "5|C"}));
    QCOMPARE(rowsOf(file, "select value from admin where key='wersja'"), QStringList({"1"}));
    execFile(file, "drop trigger refuse;");

    Database again;
    again.start();
    QCOMPARE(rowsOf(file, "select id, typeof(id), nazwa, kolor from stacje"),
             QStringList({"<null>|null|A|clwhite",
                          "3,'X','clwhite'); delete from listy; --|text|B|clwhite",
                          "5|integer|C|clwhite"}));
    QCOMPARE(rowsOf(file, "select count(*) from listy"), QStringList({"1"}));
}

void StartupTest::fileWithoutAdminGetsCreationStatements() {
    testing::WorkDir dir;
    const QString file = dir.file(QStringLiteral("listy.sdb"));
    // Another database: no admin table, but a table of the same name as one of ours.
    execFile(file, "create table ladunki(x); insert into ladunki values(1);");
    Database d;
    try {
        d.start();
        QFAIL("the clashing create statement should fail");
    } catch (const db::DatabaseError& e) {
        QVERIFY2(QString(e.what()).startsWith("table ladunki already exists\n"), e.what());
    }
    // The schema is made whole or not at all: the statements before the failing one are
    // undone with it, and the other program's table and row stay.
    QCOMPARE(rowsOf(file, "select name from sqlite_master order by rowid"),
             QStringList({"ladunki"}));
    QCOMPARE(rowsOf(file, "select * from ladunki"), QStringList({"1"}));
}

void StartupTest::fileThatCannotBeOpenedRaises() {
    testing::WorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir("listy.sdb"));  // a directory where the file should be
    Database d;
    try {
        d.start();
        QFAIL("opening a directory as the database should fail");
    } catch (const db::DatabaseError& e) {
        QVERIFY2(QString(e.what()).contains("unable to open database file"), e.what());
    }
    QVERIFY(!d.baza.connected());
}

void StartupTest::counterRuleHandsOutIdsAtomically() {
    testing::WorkDir dir;
    Database d;
    d.start();
    db::SqlQuery counter("sqlt");
    counter.setConnection(&d.baza);
    auto insert = [](int id) {
        return "insert into stacje values (" + std::to_string(id) + ",'S','clred');";
    };
    const auto stations = model::Counter::Stations;
    QCOMPARE(model::addWithCounter(d.baza, counter, stations, insert), 2);
    QCOMPARE(model::addWithCounter(d.baza, counter, stations, insert), 3);
    QCOMPARE(rowsOf(dir.file("listy.sdb"), "select value from admin where key='nr_stacji'"),
             QStringList({"3"}));
    QCOMPARE(model::counterUpdateSql(model::Counter::Waybills, 7),
             std::string("update admin set value='7' where key='nr_listu';"));
    QCOMPARE(model::counterUpdateSql(model::Counter::Parties, 7),
             std::string("update admin set value=7 where key='nr_punktu';"));
    const QString file = dir.file("listy.sdb");
    QCOMPARE(rowsOf(file, "select id from stacje"), QStringList({"2", "3"}));

    // A failing counter update takes the inserted row back with it.
    execFile(file,
             "create trigger refuse before update on admin begin "
             "select raise(abort, 'refused'); end;");
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             model::addWithCounter(d.baza, counter, stations, insert));
    QCOMPARE(rowsOf(file, "select id from stacje"), QStringList({"2", "3"}));
    execFile(file, "drop trigger refuse;");
    QVERIFY(!d.baza.inTransaction());
    // A failing insert leaves the counter where it was.
    auto badInsert = [](int) { return std::string("insert into nosuch values(1);"); };
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             model::addWithCounter(d.baza, counter, stations, badInsert));
    QCOMPARE(rowsOf(file, "select value from admin where key='nr_stacji'"), QStringList({"3"}));
    // The last id a counter can hand out stops the next add before anything is written.
    execFile(file, "update admin set value='2147483647' where key='nr_stacji';");
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             model::addWithCounter(d.baza, counter, stations, insert));
    QCOMPARE(rowsOf(file, "select count(*) from stacje"), QStringList({"2"}));
    // A counter that is no number stops before anything is written.
    execFile(file, "update admin set value='x' where key='nr_stacji';");
    QVERIFY_THROWS_EXCEPTION(db::ConvertError,
                             model::addWithCounter(d.baza, counter, stations, insert));
    QCOMPARE(rowsOf(file, "select count(*) from stacje"), QStringList({"2"}));
}

void StartupTest::newDatabaseStartsCountersAgain() {
    testing::WorkDir dir;
    Database d;
    d.start();
    const QString file = dir.file("listy.sdb");
    execFile(file,
             "insert into listy values(2,'A','B','C','D','E','F');"
             "update admin set value='2' where key='nr_listu';");
    files::recreateDatabase(d.baza, d.list);
    QCOMPARE(rowsOf(file, "select count(*) from listy"), QStringList({"0"}));
    QCOMPARE(rowsOf(file, "select * from admin"),
             QStringList({"wersja|2", "nr_listu|1", "nr_stacji|1", "nr_punktu|1"}));

    execFile(file,
             "insert into listy values(2,'A','B','C','D','E','F');"
             "insert into stacje values(2,'A','clred');");
    model::deleteAllWaybills(d.list);
    QVERIFY(d.list.active());
    QCOMPARE(d.list.recordCount(), 0);
    QCOMPARE(rowsOf(file, "select count(*) from stacje"), QStringList({"1"}));
}

void StartupTest::quotingDoublesApostrophes() {
    QCOMPARE(model::sqlEscape("O'Hare"), std::string("O''Hare"));
    QCOMPARE(model::sqlEscape("''"), std::string("''''"));
    QCOMPARE(model::sqlEscape("Łódź"), std::string("Łódź"));
    QCOMPARE(model::sqlEscape(""), std::string());
}

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
