// Renaming a load writes its new name and wagon type wherever that pair is named, and
// nowhere else.

#include <QtTest>

#include "model/rename.h"
#include "model/traffic.h"
#include "model/transaction.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"

using testing::execFile;
using testing::rowsOf;

class RenameTest : public QObject {
    Q_OBJECT
private slots:
    void loadRenameMovesItsWagonTypeEverywhere_data();
    void loadRenameMovesItsWagonTypeEverywhere();
};

void RenameTest::loadRenameMovesItsWagonTypeEverywhere_data() {
    QTest::addColumn<QString>("newWagon");
    QTest::newRow("new wagon type") << "Fals";
    QTest::newRow("same wagon type") << "E";
}

void RenameTest::loadRenameMovesItsWagonTypeEverywhere() {
    QFETCH(QString, newWagon);
    testing::TestDatabase d;
    execFile(d.file(),
             QString::fromUtf8(model::relationTableSql()) +
                 "insert into ladunki values('Węgiel','E');"
                 "insert into ladunki values('Węgiel','F');"
                 "insert into listy values(1,'A','Huta','E','Węgiel','Port','B');"
                 "insert into listy values(2,'A','Huta','F','Węgiel','Port','B');"
                 "insert into relacje values(1,'A','Huta','E','Węgiel','Port','B',3,'');"
                 "insert into relacje values(2,'A','Huta','F','Węgiel','Port','B',1,'');");
    model::RenameReport report;
    model::runInTransaction(d.baza, [&] {
        report = model::renameEverywhere(d.baza, model::NamedKind::Load, "Węgiel", "E", "Koks",
                                         newWagon.toStdString());
    });
    QCOMPARE(report.total(), 3L);
    const QString moved = "Koks|" + newWagon;
    QCOMPARE(rowsOf(d.file(), "select nazwa, rodz_wag from ladunki order by rowid"),
             QStringList({moved, "Węgiel|F"}));
    QCOMPARE(rowsOf(d.file(), "select ladunek, rodz_wag from listy order by id"),
             QStringList({moved, "Węgiel|F"}));
    QCOMPARE(rowsOf(d.file(), "select ladunek, rodz_wag from relacje order by id"),
             QStringList({moved, "Węgiel|F"}));
}

QTEST_GUILESS_MAIN(RenameTest)
#include "test_rename.moc"
