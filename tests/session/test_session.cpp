// The command layer with two programs on one file: every id is handed out once, an import
// run twice at the same moment adds its rows once, and the lists a window shows follow
// every command.

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <string>

#include "files/backups.h"
#include "files/database_location.h"
#include "session/session.h"
#include "session/shown_list.h"
#include "support/database_fixture.h"
#include "support/db_helpers.h"
#include "support/sql_helpers.h"

using testing::rowsOf;

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void twoProgramsNeverShareAnId();
    void twoImportsAtOnceAddTheRowsOnce();
    void shownListsFollowTheCommands();
    void aCopyBesideACommandHoldsTheFileAsBefore();
};

namespace {

// Runs this program as `count` children at once with `arguments`; true when every child
// ended with status 0.
bool runTogether(int count, const QStringList& arguments) {
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < count; ++i) {
        auto& child = children.emplace_back(std::make_unique<QProcess>());
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->start(QCoreApplication::applicationFilePath(), arguments);
    }
    bool ok = true;
    for (auto& child : children) {
        ok = child->waitForFinished(120000) && child->exitStatus() == QProcess::NormalExit &&
             child->exitCode() == 0 && ok;
    }
    return ok;
}

}  // namespace

void SessionTest::twoProgramsNeverShareAnId() {
    testing::TestDatabase d;
    d.baza.close();
    QVERIFY(runTogether(2, {"--add-waybills", d.file(), "400"}));
    QCOMPARE(rowsOf(d.file(), "select count(*), count(distinct id), max(id) from listy"),
             QStringList({"800|800|801"}));
    QCOMPARE(rowsOf(d.file(), "select value from admin where key='nr_listu'"),
             QStringList({"801"}));
}

void SessionTest::twoImportsAtOnceAddTheRowsOnce() {
    testing::TestDatabase d;
    d.baza.close();
    QFile csv(d.dir.file("listy.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Stacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru\r\n");
    for (int i = 0; i < 3000; ++i)
        csv.write(QByteArray("A;N;Eaos;Węgiel ") + QByteArray::number(i) + ";O;B\r\n");
    csv.close();
    QVERIFY(runTogether(2, {"--import", d.file(), csv.fileName()}));
    // One import added the rows, the other found them present (the rule reads them under
    // the write lock); no id twice, and the one backup is whole, with no leftover beside it.
    QCOMPARE(
        rowsOf(d.file(), "select count(*), count(distinct id), count(distinct ladunek) from listy"),
        QStringList({"3000|3000|3000"}));
    const QStringList copies = QDir(d.dir.file("kopie")).entryList(QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(rowsOf(d.dir.file("kopie/" + copies[0]), "select count(*) from listy"),
             QStringList({"0"}));
}

// Each command tells the lists it changed; an open list that follows them reads its rows
// once more, a closed one stays closed, and the listener hears of it after the lists.
void SessionTest::shownListsFollowTheCommands() {
    testing::WorkDir dir;
    session::Session session;
    session::ShownList waybills(session, "sql1", model::kWaybillListSql, model::List::Waybills);
    session::ShownList loads(session, "loads", model::kLoadListSql, model::List::Loads);
    session.open(waybills);
    int heard = 0;
    int waybillsWhenHeard = -1;
    session.listen([&](const session::Changes& c) {
        ++heard;
        if (c.has(model::List::Waybills)) waybillsWhenHeard = waybills.recordCount();
    });
    const int id = session.addWaybill({0, "A", "N", "Eaos", "Węgiel", "O", "B"});
    QCOMPARE(id, 2);
    QCOMPARE(waybills.recordCount(), 1);
    QCOMPARE(waybillsWhenHeard, 1);
    QVERIFY(!loads.active());
    session.addStation("A", "clred");
    session.addParty("N", "A");
    session.deleteStation("A");  // the cascade takes the waybill too
    QCOMPARE(waybills.recordCount(), 0);
    QCOMPARE(heard, 4);
    QVERIFY(!loads.active());
}

// A copy written on its own thread while the command writes holds the file as it was
// before, though the command's cache of one page spills its writes as soon as it may:
// rows inserted, and rows deleted by "Kasowanie listów".
void SessionTest::aCopyBesideACommandHoldsTheFileAsBefore() {
    testing::TestDatabase d;
    testing::execDirect(d.baza, "pragma cache_size=1;");
    d.baza.startWriteTransaction();
    std::string path;
    {
        files::BackupInBackground copy(d.baza,
                                       files::DatabaseLocation::file(d.file().toStdString()));
        testing::execDirect(d.baza,
                            "with recursive n(i) as (select 1 union all select i+1 from n "
                            "where i<20000) insert into listy select i, hex(randomblob(60)), "
                            "'N', 'Eaos', 'W', 'O', 'B' from n;");
        path = copy.finish();
    }
    d.baza.commit();
    QCOMPARE(rowsOf(QString::fromStdString(path), "select count(*) from listy"),
             QStringList({"0"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"20000"}));
    d.baza.close();

    // "Kasowanie listów" deletes beside its copy: the copy keeps every waybill.
    session::Session session(files::DatabaseLocation::file(d.file().toStdString()));
    session.open();
    testing::execDirect(session.connection(), "pragma cache_size=1;");
    const std::string copy = session.deleteAllWaybills();
    QCOMPARE(rowsOf(QString::fromStdString(copy), "select count(*) from listy"),
             QStringList({"20000"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"0"}));
}

// Children: `--add-waybills FILE N` adds N waybills one by one; `--import FILE CSV` imports.
int runChild(const QStringList& args) {
    session::Session session(files::DatabaseLocation::file(args[2].toStdString()));
    try {
        session.open();
        if (args[1] == "--add-waybills") {
            for (int i = 0; i < args[3].toInt(); ++i)
                session.addWaybill({0, "A", "N" + std::to_string(i), "Eaos", "Węgiel", "O", "B"});
        } else {
            const formats::ExchangeReport report = session.importFiles({args[3].toStdString()});
            if (report.refused()) throw std::runtime_error(report.summary());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "child: %s\n", e.what());
        return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1].startsWith("--")) return runChild(args);
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
