// The write commands of the loads and shippers/receivers windows, driven without windows:
// the exact statements they send, the counter rule for new shippers/receivers, the cascade
// into the waybills, and that a failure leaves the file as it was.

#include <QtTest>

#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/reference_data.h"
#include "model/schema.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::dumpOf;
using testing::execFile;
using testing::rowsOf;

namespace {

// A fresh database in a fresh working directory, with the window's dataset on it.
struct Database {
    testing::WorkDir dir;
    db::SqlConnection baza{"baza"};
    db::SqlQuery list{"list"};
    db::SqlQuery sql1{"sql1"};
    std::vector<std::string> statements;
    db::DebugSink previous;

    Database() {
        list.setConnection(&baza);
        sql1.setConnection(&baza);
        testing::openNewDatabase(baza, list);
        list.close();
        previous =
            db::setDebugSink([this](std::string_view line) { statements.emplace_back(line); });
    }
    ~Database() { db::setDebugSink(previous); }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
    void setUp(const QString& sql) { execFile(file(), sql); }
    // The statements sent since the last call, one per line.
    QString sent() {
        QStringList lines;
        for (const std::string& s : statements) lines << QString::fromStdString(s);
        statements.clear();
        return lines.join('\n');
    }
};

}  // namespace

class ReferenceDataTest : public QObject {
    Q_OBJECT
private slots:
    void loadsAreAddedAndDeletedByPair();
    void partiesTakeIdsFromTheCounter();
    void partyAddIsAllOrNothing_data();
    void partyAddIsAllOrNothing();
    void partyDeleteCascadesIntoWaybills();
    void partyDeleteIsAllOrNothing();
    void quotedTextsRoundTrip_data();
    void quotedTextsRoundTrip();
};

void ReferenceDataTest::loadsAreAddedAndDeletedByPair() {
    Database d;
    d.setUp("insert into listy values(2,'A','N','EAOS','Węgiel','O','B');");
    model::addLoad(d.sql1, "Węgiel", "EAOS");
    QCOMPARE(d.sent(), QStringLiteral("insert into ladunki values ('Węgiel','EAOS');\n"
                                      "select * from ladunki;"));
    QVERIFY(d.sql1.active());
    QCOMPARE(d.sql1.recordCount(), 1);
    model::addLoad(d.sql1, "Węgiel", "EAOS");
    model::addLoad(d.sql1, "Węgiel", "E");
    model::addLoad(d.sql1, "Piasek", "");
    QCOMPARE(rowsOf(d.file(), "select * from ladunki"),
             QStringList({"Węgiel|EAOS", "Węgiel|EAOS", "Węgiel|E", "Piasek|"}));
    d.sent();

    // Both duplicates go; the same name with another code and the waybill carrying it stay.
    model::deleteLoad(d.sql1, "Węgiel", "EAOS");
    QCOMPARE(d.sent(),
             QStringLiteral("delete from ladunki where nazwa='Węgiel' and rodz_wag='EAOS';\n"
                            "select * from ladunki;"));
    QCOMPARE(rowsOf(d.file(), "select * from ladunki"), QStringList({"Węgiel|E", "Piasek|"}));
    QCOMPARE(d.sql1.recordCount(), 2);
    QCOMPARE(rowsOf(d.file(), "select ladunek, rodz_wag from listy"), QStringList({"Węgiel|EAOS"}));

    // An empty pair removes only a row with an empty name and code.
    model::deleteLoad(d.sql1, "", "");
    QCOMPARE(rowsOf(d.file(), "select count(*) from ladunki"), QStringList({"2"}));
    d.setUp("insert into ladunki values('','');");
    model::deleteLoad(d.sql1, "", "");
    QCOMPARE(rowsOf(d.file(), "select * from ladunki"), QStringList({"Węgiel|E", "Piasek|"}));
}

void ReferenceDataTest::partiesTakeIdsFromTheCounter() {
    Database d;
    QCOMPARE(model::addParty(d.baza, d.sql1, "Huta", "Katowice"), 2);
    const QString sent = d.sent();
    QVERIFY2(sent.startsWith("begin immediate transaction\nselect value from admin where "
                             "key='nr_punktu';\n"),
             qPrintable(sent));
    QVERIFY2(sent.contains("\ninsert into punkty values(2,'Huta','Katowice','');\n"
                           "update admin set value=2 where key='nr_punktu';\n"),
             qPrintable(sent));
    QVERIFY2(sent.endsWith("\nselect * from punkty;"), qPrintable(sent));
    QCOMPARE(model::addParty(d.baza, d.sql1, "Port", "Nieznana"), 3);
    QCOMPARE(rowsOf(d.file(), "select * from punkty"),
             QStringList({"2|Huta|Katowice|", "3|Port|Nieznana|"}));
    QCOMPARE(rowsOf(d.file(), "select value from admin where key='nr_punktu'"), QStringList({"3"}));
    QVERIFY(d.sql1.active());
    QCOMPARE(d.sql1.recordCount(), 2);
    // Ids continue from whatever the counter holds, not from the rows.
    d.setUp("update admin set value='41' where key='nr_punktu';");
    QCOMPARE(model::addParty(d.baza, d.sql1, "Huta", "Katowice"), 42);
    QCOMPARE(rowsOf(d.file(), "select count(*) from punkty where nazwa='Huta'"),
             QStringList({"2"}));
}

void ReferenceDataTest::partyAddIsAllOrNothing_data() {
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<QString>("error");
    QTest::newRow("counter not a number") << "update admin set value='x1' where key='nr_punktu';"
                                          << "'x1' is not a valid integer value";
    QTest::newRow("no counter") << "delete from admin where key='nr_punktu';"
                                << "";
    QTest::newRow("insert refused") << "create trigger t before insert on punkty begin select "
                                       "raise(abort,'insert refused'); end;"
                                    << "insert refused";
    QTest::newRow("counter update refused") << "create trigger t before update on admin begin "
                                               "select raise(abort,'update refused'); end;"
                                            << "update refused";
}

void ReferenceDataTest::partyAddIsAllOrNothing() {
    QFETCH(QString, sabotage);
    QFETCH(QString, error);
    Database d;
    d.setUp(
        "insert into punkty values(2,'Huta','A','');"
        "update admin set value='2' where key='nr_punktu';");
    d.setUp(sabotage);
    const QString before = dumpOf(d.file());
    bool raised = false;
    try {
        model::addParty(d.baza, d.sql1, "Port", "B");
    } catch (const std::exception& e) {
        raised = true;
        QVERIFY2(QString::fromUtf8(e.what()).contains(error), e.what());
    }
    QVERIFY(raised);
    QCOMPARE(dumpOf(d.file()), before);
    QVERIFY(!d.baza.inTransaction());
    // Once the fault is gone the next add works normally.
    d.setUp(
        "drop trigger if exists t; delete from admin where key='nr_punktu';"
        "insert into admin values('nr_punktu','2');");
    QCOMPARE(model::addParty(d.baza, d.sql1, "Port", "B"), 3);
}

void ReferenceDataTest::partyDeleteCascadesIntoWaybills() {
    Database d;
    d.setUp(
        "insert into stacje values(2,'A','clred');"
        "insert into stacje values(3,'B','clblue');"
        "insert into punkty values(2,'X','A','');"
        "insert into punkty values(3,'X','A','');"  // the same pair twice
        "insert into punkty values(4,'X','B','');"
        "insert into punkty values(5,'Y','A','');"
        "insert into listy values(2,'A','X','W','L','Y','B');"    // from X at A: goes
        "insert into listy values(3,'B','Y','W','L','X','A');"    // to X at A: goes
        "insert into listy values(4,'B','X','W','L','Y','A');"    // X shipper at B: stays
        "insert into listy values(5,'A','Y','W','L','X','B');"    // X receiver at B: stays
        "insert into listy values(6,'B','X','W','L','X','A');");  // to X at A: goes
    model::deleteParty(d.baza, d.sql1, "X", "A");
    const QString sent = d.sent();
    QVERIFY2(sent.contains("delete from punkty where nazwa='X'and stacja='A';\n"
                           "delete from listy where (nadawca='X' and st_nad='A') or "
                           "(odbiorca='X' and st_odb='A');\n"),
             qPrintable(sent));
    QVERIFY2(sent.endsWith("\nselect * from punkty;"), qPrintable(sent));
    QCOMPARE(rowsOf(d.file(), "select id from punkty order by id"), QStringList({"4", "5"}));
    QCOMPARE(rowsOf(d.file(), "select id from listy order by id"), QStringList({"4", "5"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from stacje"), QStringList({"2"}));
    QCOMPARE(d.sql1.recordCount(), 2);
    // The same name at another station is another business, with waybills of its own.
    model::deleteParty(d.baza, d.sql1, "X", "B");
    QCOMPARE(rowsOf(d.file(), "select id from punkty"), QStringList({"5"}));
    QCOMPARE(rowsOf(d.file(), "select id from listy order by id"), QStringList());
}

void ReferenceDataTest::partyDeleteIsAllOrNothing() {
    Database d;
    d.setUp(
        "insert into punkty values(2,'X','A','');"
        "insert into listy values(2,'A','X','W','L','Y','B');"
        "create trigger t before delete on listy begin select raise(abort,'kept'); end;");
    const QString before = dumpOf(d.file());
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, model::deleteParty(d.baza, d.sql1, "X", "A"));
    QCOMPARE(dumpOf(d.file()), before);
    QVERIFY(!d.baza.inTransaction());
    d.setUp("drop trigger t;");
    model::deleteParty(d.baza, d.sql1, "X", "A");
    QCOMPARE(rowsOf(d.file(), "select count(*) from punkty union all select count(*) from listy"),
             QStringList({"0", "0"}));
}

void ReferenceDataTest::quotedTextsRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("other");
    QTest::newRow("apostrophe") << "O'Brien"
                                << "Kędzierzyn-Koźle";
    QTest::newRow("only quotes") << "''"
                                 << "'";
    QTest::newRow("colon and double quote") << "a:b \"c"
                                            << "x' or '1'='1";
    QTest::newRow("blanks kept") << " Huta "
                                 << "  ";
    QTest::newRow("long code") << "Ruda"
                               << "EAOS-ZZZ-1234567";
}

void ReferenceDataTest::quotedTextsRoundTrip() {
    QFETCH(QString, name);
    QFETCH(QString, other);
    const std::string n = name.toStdString();
    const std::string o = other.toStdString();
    Database d;
    d.setUp(
        "insert into ladunki values('keep','me');"
        "insert into punkty values(2,'keep','me','');"
        "update admin set value='2' where key='nr_punktu';");
    model::addLoad(d.sql1, n, o);
    QCOMPARE(rowsOf(d.file(), "select * from ladunki where rowid=2"),
             QStringList({name + "|" + other}));
    QCOMPARE(QString::fromStdString(d.sql1.fieldByName("nazwa").asString()),
             QStringLiteral("keep"));
    model::deleteLoad(d.sql1, n, o);
    QCOMPARE(rowsOf(d.file(), "select * from ladunki"), QStringList({"keep|me"}));

    model::addParty(d.baza, d.sql1, n, o);
    QCOMPARE(rowsOf(d.file(), "select * from punkty where id=3"),
             QStringList({"3|" + name + "|" + other + "|"}));
    d.setUp(QStringLiteral("insert into listy values(2,'%2','%1','','','','');")
                .arg(QString(name).replace("'", "''"), QString(other).replace("'", "''")));
    d.sql1.close();
    d.sql1.setSql(model::partiesOfStationSql(o));
    d.sql1.open();
    QCOMPARE(d.sql1.recordCount(), 1);
    QCOMPARE(QString::fromStdString(d.sql1.fieldByName("nazwa").asString()), name);
    model::deleteParty(d.baza, d.sql1, n, o);
    QCOMPARE(rowsOf(d.file(), "select * from punkty"), QStringList({"2|keep|me|"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"0"}));
}

QTEST_GUILESS_MAIN(ReferenceDataTest)
#include "test_reference_data.moc"
