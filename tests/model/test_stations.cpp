// The station commands run on a real file: the exact statements they send, what they leave
// in the file, and that a failure in the middle of a command leaves nothing half written.

#include <QtTest>

#include <algorithm>
#include <vector>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "model/stations.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::dumpOf;
using testing::execFile;
using testing::rowsOf;

namespace {

// The statements handed to the engine, from the moment it is created.
struct Statements {
    QStringList lines;
    db::DebugSink previous;
    Statements() {
        previous = db::setDebugSink([this](std::string_view l) {
            lines << QString::fromUtf8(l.data(), static_cast<qsizetype>(l.size()));
        });
    }
    ~Statements() { db::setDebugSink(std::move(previous)); }
};

// A new listy.sdb in a fresh working directory, opened as the program opens it.
struct Database {
    testing::WorkDir dir;
    db::SqlConnection baza{"baza"};
    db::SqlQuery list{"list"};
    db::SqlQuery sql1{"sql1"};
    explicit Database(const QString& rows = {}) {
        list.setConnection(&baza);
        sql1.setConnection(&baza);
        testing::openNewDatabase(baza, list);
        list.close();
        if (!rows.isEmpty()) execFile(file(), rows);
    }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
    QStringList stations() { return rowsOf(file(), "select * from stacje order by rowid"); }
    QString counter() {
        return rowsOf(file(), "select value from admin where key='nr_stacji'").value(0);
    }
};

// Two stations with waybills and shippers/receivers between them and a third one.
const char* kNetwork =
    "insert into stacje values(2,'Kraków','clred');"
    "insert into stacje values(3,'Gdynia','clblue');"
    "insert into stacje values(4,'Zabrze','clgreen');"
    "update admin set value='4' where key='nr_stacji';"
    "insert into listy values(2,'Kraków','N1','W1','L1','O1','Gdynia');"
    "insert into listy values(3,'Gdynia','N2','W2','L2','O2','Kraków');"
    "insert into listy values(4,'Zabrze','N3','W3','L3','O3','Gdynia');"
    "insert into listy values(5,'kraków','N4','W4','L4','O4','Zabrze');"
    "insert into punkty values(2,'Huta','Kraków','');"
    "insert into punkty values(3,'Port','Gdynia','');"
    "insert into punkty values(4,'Kopalnia','Zabrze','');";

}  // namespace

class StationsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void addTakesIdsFromTheCounterWithExactStatements();
    void addRefusesAnExistingName_data();
    void addRefusesAnExistingName();
    void addWritesNothingWhenTheCounterIsNoNumber();
    void addIsOneTransaction();
    void namesWithApostrophesRoundTrip();
    void recolourChangesOnlyTheColour();
    void recolourOfAnUnknownNameWritesNothing();
    void deleteCascadesByExactName();
    void deleteIsRolledBackWhole();
};

void StationsStoreTest::addTakesIdsFromTheCounterWithExactStatements() {
    Database d;
    QCOMPARE(d.counter(), QStringLiteral("1"));
    Statements s;
    QCOMPARE(model::addStation(d.baza, d.sql1, "Kraków", "clwhite"), std::optional<int>(2));
    QCOMPARE(
        s.lines,
        QStringList({"begin immediate transaction", "select * from stacje where nazwa='Kraków';",
                     "select value from admin where key='nr_stacji';",
                     "insert into stacje values (2,'Kraków','clwhite');",
                     "update admin set value=2 where key='nr_stacji';", "commit transaction"}));
    QCOMPARE(model::addStation(d.baza, d.sql1, "Gdynia", "clorange"), std::optional<int>(3));
    QCOMPARE(d.stations(), QStringList({"2|Kraków|clwhite", "3|Gdynia|clorange"}));
    QCOMPARE(d.counter(), QStringLiteral("3"));
}

void StationsStoreTest::addRefusesAnExistingName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same name") << "Kraków" << true;
    QTest::newRow("other case") << "kraków" << false;
    QTest::newRow("trailing blank") << "Kraków " << false;
    QTest::newRow("prefix") << "Krak" << false;
}

void StationsStoreTest::addRefusesAnExistingName() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    Database d(
        "insert into stacje values(2,'Kraków','clred');"
        "update admin set value='2' where key='nr_stacji';");
    const QString before = dumpOf(d.file());
    const std::optional<int> id = model::addStation(d.baza, d.sql1, name.toStdString(), "clblue");
    if (refused) {
        QVERIFY(!id);
        QCOMPARE(dumpOf(d.file()), before);
    } else {
        QCOMPARE(id, std::optional<int>(3));
        QCOMPARE(d.stations(), QStringList({"2|Kraków|clred", "3|" + name + "|clblue"}));
    }
}

void StationsStoreTest::addWritesNothingWhenTheCounterIsNoNumber() {
    Database d("update admin set value='x' where key='nr_stacji';");
    const QString before = dumpOf(d.file());
    QVERIFY_THROWS_EXCEPTION(db::ConvertError,
                             model::addStation(d.baza, d.sql1, "Kraków", "clred"));
    QCOMPARE(dumpOf(d.file()), before);
    QVERIFY(!d.baza.inTransaction());
}

// When the counter cannot be written, the new row goes too.
void StationsStoreTest::addIsOneTransaction() {
    Database d(
        "create trigger keep before update on admin begin select raise(abort,'locked'); end;");
    const QString before = dumpOf(d.file());
    try {
        model::addStation(d.baza, d.sql1, "Kraków", "clred");
        QFAIL("the counter update should have failed");
    } catch (const db::DatabaseError& e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains("locked"), e.what());
    }
    QCOMPARE(dumpOf(d.file()), before);
    QVERIFY(!d.baza.inTransaction());
    // The connection goes on working.
    execFile(d.file(), "drop trigger keep;");
    QCOMPARE(model::addStation(d.baza, d.sql1, "Kraków", "clred"), std::optional<int>(2));
}

void StationsStoreTest::namesWithApostrophesRoundTrip() {
    Database d(
        "insert into listy values(2,'O''Hare','N','W','L','O','Gdynia');"
        "insert into listy values(3,'O','N','W','L','O','Gdynia');"
        "insert into punkty values(2,'Hub','O''Hare','');");
    const std::string name = "O'Hare";
    QCOMPARE(model::addStation(d.baza, d.sql1, name, "clyellow"), std::optional<int>(2));
    QVERIFY(!model::addStation(d.baza, d.sql1, name, "clred"));
    QVERIFY(model::stationExists(d.sql1, name));
    QVERIFY(!model::stationExists(d.sql1, "O"));
    QCOMPARE(model::recolourStation(d.sql1, name, "clbrown"), 2);
    QCOMPARE(d.stations(), QStringList({"2|O'Hare|clbrown"}));
    // A name that tries to end its literal is only a name.
    QCOMPARE(model::addStation(d.baza, d.sql1, "x'); delete from listy; --", "clred"),
             std::optional<int>(3));
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"2"}));
    model::deleteStation(d.baza, d.sql1, name);
    QCOMPARE(d.stations(), QStringList({"3|x'); delete from listy; --|clred"}));
    QCOMPARE(rowsOf(d.file(), "select id from listy"), QStringList({"3"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from punkty"), QStringList({"0"}));
}

void StationsStoreTest::recolourChangesOnlyTheColour() {
    Database d(kNetwork);
    Statements s;
    QCOMPARE(model::recolourStation(d.sql1, "Gdynia", "clblack"), 3);
    QCOMPARE(s.lines,
             QStringList({"select id from stacje where nazwa='Gdynia';",
                          "update stacje set nazwa='Gdynia', kolor ='clblack' where id='3';"}));
    QCOMPARE(d.stations(), QStringList({"2|Kraków|clred", "3|Gdynia|clblack", "4|Zabrze|clgreen"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"4"}));
}

void StationsStoreTest::recolourOfAnUnknownNameWritesNothing() {
    Database d(kNetwork);
    const QString before = dumpOf(d.file());
    for (const char* name : {"Gdańsk", "gdynia", ""}) {
        try {
            model::recolourStation(d.sql1, name, "clred");
            QFAIL(name);
        } catch (const db::ConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("'' is not a valid integer value"));
        }
    }
    QCOMPARE(dumpOf(d.file()), before);
}

void StationsStoreTest::deleteCascadesByExactName() {
    Database d(kNetwork);
    Statements s;
    model::deleteStation(d.baza, d.sql1, "Kraków");
    QCOMPARE(s.lines,
             QStringList({"begin immediate transaction", "delete from stacje where nazwa='Kraków';",
                          "delete from listy where st_nad='Kraków' or st_odb='Kraków';",
                          "delete from punkty where stacja='Kraków';", "commit transaction"}));
    QCOMPARE(d.stations(), QStringList({"3|Gdynia|clblue", "4|Zabrze|clgreen"}));
    // Waybills starting or ending there go; "kraków" is another name.
    QCOMPARE(rowsOf(d.file(), "select id from listy order by id"), QStringList({"4", "5"}));
    QCOMPARE(rowsOf(d.file(), "select nazwa from punkty order by id"),
             QStringList({"Port", "Kopalnia"}));
    QCOMPARE(d.counter(), QStringLiteral("4"));

    // A name that is no station still deletes what names it.
    execFile(d.file(), "insert into listy values(9,'Nowhere','N','W','L','O','Zabrze');");
    model::deleteStation(d.baza, d.sql1, "Nowhere");
    QCOMPARE(rowsOf(d.file(), "select id from listy order by id"), QStringList({"4", "5"}));
}

// A failure in the last delete leaves the station and its waybills in place.
void StationsStoreTest::deleteIsRolledBackWhole() {
    Database d(
        QString(kNetwork) +
        "create trigger keep before delete on punkty begin select raise(abort,'kept'); end;");
    const QString before = dumpOf(d.file());
    try {
        model::deleteStation(d.baza, d.sql1, "Gdynia");
        QFAIL("the delete from punkty should have failed");
    } catch (const db::DatabaseError& e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains("kept"), e.what());
    }
    QCOMPARE(dumpOf(d.file()), before);
    QVERIFY(!d.baza.inTransaction());
}

QTEST_GUILESS_MAIN(StationsStoreTest)
#include "test_stations.moc"
