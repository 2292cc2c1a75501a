// Undo and redo: every command of the session taken back and done again, compared byte for
// byte with the file before and after it; an undo refused when another program changed the
// rows; the clean-up commands (rename, copies) on a larger file.

#include <QFile>
#include <QtTest>
#include <functional>
#include <map>

#include "db/row_changes.h"
#include "db/sql_connection.h"
#include "files/backups.h"
#include "model/history.h"
#include "model/messages.h"
#include "session/session.h"
#include "session/shown_list.h"
#include "support/db_helpers.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::exactDumpOf;
using testing::rowsOf;

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void everyCommandUndoesAndRedoes_data();
    void everyCommandUndoesAndRedoes();
    void undoRefusesRowsAnotherProgramChanged();
    void renameReachesEveryRowAndUndoesAtOnce();
    void browserStatementsEndTheHistory();
    void stepNamesFollowTheLanguage();
    void bulkInsertsAreRecordedAsStored();
    void joiningDuplicatesLeavesOneOfEach();
};

namespace {

using Command = std::function<void(session::Session&)>;

const QString kFile = QStringLiteral("listy.sdb");

// Two stations with shippers/receivers, loads and waybills; texts with a quote, a
// byte-order mark and a name over the boxes' 15 characters.
void fill(session::Session& s) {
    s.addStation("Gliwice", "clred");
    s.addStation("Zwönitz", "clblue");
    s.addStation("O'Hara", "clwhite");
    s.addParty("Huta", "Gliwice");
    s.addParty("Kopalnia", "Zwönitz");
    s.addLoad("Węgiel", "EAOS");
    s.addLoad("Koks", "FALS");
    s.addWaybill({0, "Gliwice", "Huta", "EAOS", "Węgiel", "Kopalnia", "Zwönitz"});
    s.addWaybill({0, "Zwönitz", "Kopalnia", "FALS", "Koks", "Huta", "Gliwice"});
    s.addWaybill({0, "\xEF\xBB\xBFO'Hara", "Bardzo długa nazwa nadawcy", "EAOS", "Węgiel", "Huta",
                  "Gliwice"});
    s.addWaybill({0, "Gliwice", "Huta", "EAOS", "Węgiel", "Kopalnia", "Zwönitz"});
}

// The counters as numbers, in key order.
QList<int> counters() {
    QList<int> out;
    for (const QString& v :
         rowsOf(kFile, "select value from admin where key like 'nr_%' order by key"))
        out << v.toInt();
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

void HistoryTest::everyCommandUndoesAndRedoes_data() {
    QTest::addColumn<Command>("command");
    const model::Waybill first{2, "Gliwice", "Huta", "EAOS", "Węgiel", "Kopalnia", "Zwönitz"};
    QTest::newRow("dopisanie listu") << Command([](session::Session& s) {
        s.addWaybill({0, "Gliwice", "x", "y", "z", "w", "O'Hara"});
    });
    QTest::newRow("zmiana listu") << Command([first](session::Session& s) {
        model::Waybill edited = first;
        edited.load = "Ruda";
        s.changeWaybill(edited, first, 0);
    });
    QTest::newRow("usunięcie listu") << Command([](session::Session& s) { s.deleteWaybill(3); });
    QTest::newRow("kasowanie listów")
        << Command([](session::Session& s) { s.deleteAllWaybills(); });
    QTest::newRow("dopisanie stacji")
        << Command([](session::Session& s) { s.addStation("Nowa", "clgreen"); });
    QTest::newRow("zmiana koloru")
        << Command([](session::Session& s) { s.recolourStation("Gliwice", "clblack"); });
    QTest::newRow("usunięcie stacji")
        << Command([](session::Session& s) { s.deleteStation("Gliwice"); });
    QTest::newRow("dopisanie ładunku")
        << Command([](session::Session& s) { s.addLoad("Piasek", "E"); });
    QTest::newRow("usunięcie ładunku") << Command([](session::Session& s) {
        s.deleteLoad(0, {"Węgiel", "EAOS"});
    });
    QTest::newRow("dopisanie nadawcy")
        << Command([](session::Session& s) { s.addParty("Cukrownia", "O'Hara"); });
    QTest::newRow("usunięcie nadawcy") << Command([](session::Session& s) {
        s.deleteParty(0, {"Huta", "Gliwice"});
    });
    QTest::newRow("nowa baza") << Command([](session::Session& s) { s.newDatabase(); });
    QTest::newRow("import CSV") << Command([](session::Session& s) {
        writeFile("in.csv", "Nazwa stacji;Kolor\r\nImport;clyellow\r\n");
        writeFile("in2.csv",
                  "Stacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru\r\n"
                  "Import;a;b;c;d;Gliwice\r\nImport;a;b;c;d;Gliwice\r\n");
        QVERIFY(s.importFiles(std::vector<std::string>{"in.csv", "in2.csv"}).written);
    });
    QTest::newRow("dołączenie bazy") << Command([](session::Session& s) {
        {
            session::Session other(files::DatabaseLocation::file("other.sdb"));
            other.open();
            other.addStation("Obca", "clbrown");
            other.addWaybill({0, "Obca", "p", "q", "r", "s", "Gliwice"});
        }
        QVERIFY(s.merge("other.sdb").written);
    });
    QTest::newRow("przywrócenie kopii") << Command([](session::Session& s) {
        {
            session::Session other(files::DatabaseLocation::file("copy.sdb"));
            other.open();
            other.addStation("Z kopii", "clbrown");
            other.addWaybill({0, "Z kopii", "p", "q", "r", "s", "Gliwice"});
        }
        s.restore("copy.sdb");
    });
    QTest::newRow("poprawa nazwy stacji") << Command(
        [](session::Session& s) { QVERIFY(!s.renameStation("Zwönitz", "Zwoenitz").refused); });
    QTest::newRow("poprawa nazwy nadawcy")
        << Command([](session::Session& s) { s.renameParty("Huta", "Gliwice", "Huta Łabędy"); });
    QTest::newRow("poprawa nazwy ładunku") << Command(
        [](session::Session& s) { s.renameLoad("Węgiel", "EAOS", "Węgiel kamienny", "FALS"); });
    QTest::newRow("dopisanie wagonu") << Command([](session::Session& s) {
        s.addWagon({"31 51 665 0 123-4", "Eaos", "PKP", "Gliwice", "14", model::SpeedMark::S, ""});
    });
    QTest::newRow("powielenie listu") << Command(
        [](session::Session& s) { QCOMPARE(s.copyWaybill(1, 3, 3).size(), std::size_t(3)); });
}

// Each command once, then undone and redone: the file (counters left out) is byte for byte
// what it was before and after the command, rowids and storage classes included, every
// list shown follows, and no counter ever goes back.
void HistoryTest::everyCommandUndoesAndRedoes() {
    QFETCH(Command, command);
    testing::WorkDir dir;
    session::Session session;
    session::ShownList waybills(session, "sql1", model::kWaybillListSql, model::List::Waybills);
    session.open(waybills);
    fill(session);
    const QString before = exactDumpOf(kFile, true);
    command(session);
    const QString after = exactDumpOf(kFile, true);
    QVERIFY(after != before);
    QVERIFY(session.canUndo());
    const QList<int> countersAfter = counters();

    session.undo();
    QCOMPARE(exactDumpOf(kFile, true), before);
    QVERIFY(session.canRedo());
    QCOMPARE(waybills.recordCount(), rowsOf(kFile, "select count(*) from listy")[0].toInt());
    const QList<int> countersUndone = counters();
    QCOMPARE(countersUndone.size(), countersAfter.size());
    for (int i = 0; i < countersAfter.size(); ++i) QVERIFY(countersUndone[i] >= countersAfter[i]);

    session.redo();
    QCOMPARE(exactDumpOf(kFile, true), after);
    QCOMPARE(waybills.recordCount(), rowsOf(kFile, "select count(*) from listy")[0].toInt());
    const QList<int> countersRedone = counters();
    for (int i = 0; i < countersAfter.size(); ++i) QVERIFY(countersRedone[i] >= countersUndone[i]);
    // A new waybill takes an id nobody had.
    const int id = session.addWaybill({});
    QCOMPARE(rowsOf(kFile, QString("select count(*) from listy where id=%1").arg(id)),
             QStringList({"1"}));
    QVERIFY(id > countersAfter[0]);
}

// Another program changes a row the command wrote, or renumbers the rows; the undo is
// refused with a message naming the step, and the file stays exactly as it is.
void HistoryTest::undoRefusesRowsAnotherProgramChanged() {
    const QStringList others = {"update listy set nadawca='inny' where id=3",
                                "delete from stacje where nazwa='Zwönitz'", "vacuum"};
    for (const QString& other : others) {
        testing::WorkDir dir;
        session::Session session;
        session.open();
        fill(session);
        session.deleteWaybill(2);  // a gap, so a VACUUM renumbers the rows after it
        session.renameStation("Zwönitz", "Zwoenitz");
        testing::execFile(
            kFile, other == "vacuum" ? other : QString(other).replace("Zwönitz", "Zwoenitz"));
        const QString changed = exactDumpOf(kFile);
        try {
            session.undo();
            QFAIL(qPrintable("undo after \"" + other + "\" was not refused"));
        } catch (const model::HistoryRefused& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("poprawa nazwy stacji Zwönitz"));
        }
        QCOMPARE(exactDumpOf(kFile), changed);
    }
}

// A station named in 1,000 waybills and 30 shippers/receivers: one rename changes them
// all, leaves the other station's rows alone, refuses a name in use, and one undo takes
// it all back.
void HistoryTest::renameReachesEveryRowAndUndoesAtOnce() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    session.addStation("Zwönitz", "clred");
    session.addStation("Gliwice", "clred");
    for (int i = 0; i < 30; ++i) session.addParty("P" + std::to_string(i), "Zwönitz");
    session.addParty("P0", "Gliwice");
    testing::execFile(kFile,
                      "with recursive n(i) as (select 1 union all select i+1 from n where i<1000) "
                      "insert into listy select 100+i, case when i%2 then 'Zwönitz' else 'Gliwice' "
                      "end, 'P0', 'E', 'W', 'P0', case when i%2 then 'Gliwice' else 'Zwönitz' end "
                      "from n");
    const QString before = exactDumpOf(kFile);
    QVERIFY(session.renameStation("Zwönitz", "Gliwice").refused);
    QCOMPARE(exactDumpOf(kFile), before);

    const model::RenameReport report = session.renameStation("Zwönitz", "Zwoenitz");
    QCOMPARE(report.total(), 1L + 30 + 1000);
    QCOMPARE(rowsOf(kFile,
                    "select count(*) from listy where st_nad='Zwoenitz' or "
                    "st_odb='Zwoenitz'"),
             QStringList({"1000"}));
    QCOMPARE(rowsOf(kFile, "select count(*) from punkty where stacja='Zwoenitz'"),
             QStringList({"30"}));
    QCOMPARE(rowsOf(kFile,
                    "select count(*) from listy where st_nad='Zwönitz' or "
                    "st_odb='Zwönitz'"),
             QStringList({"0"}));
    // The shipper P0 at Gliwice kept its name when P0 at Zwönitz is renamed.
    session.renameParty("P0", "Zwoenitz", "Q0");
    QCOMPARE(rowsOf(kFile, "select nazwa from punkty where stacja='Gliwice'"), QStringList({"P0"}));
    QCOMPARE(rowsOf(kFile, "select count(*) from listy where nadawca='Q0'"), QStringList({"500"}));
    session.undo();
    session.undo();
    QCOMPARE(exactDumpOf(kFile), before);
}

// Anything typed in the browser that does not only read ends the history.
void HistoryTest::browserStatementsEndTheHistory() {
    testing::WorkDir dir;
    session::Session session;
    session::ShownList browser(session, "que1", "select * from stacje;");
    session.open();
    for (const char* plain : {"select * from listy;", "  SELECT 1 ;  ", "select ';' as x",
                              "select 1; select count(*) from stacje", "-- a note\nselect 2"})
        QVERIFY2(session.onlyReads(plain), plain);
    for (const char* other :
         {"begin", "select 1; delete from listy", "savepoint a", "selectx", "update listy set id=1",
          "/* select */ commit", "select 1 -- it's\n; delete from listy;",
          "attach 'inny.sdb' as inny", "select 1; select * from nowa",
          "create table nowa(a); select * from nowa"})
        QVERIFY2(!session.onlyReads(other), other);
    session.addStation("A", "clred");
    session.endHistory();
    QVERIFY(!session.canUndo());
    QCOMPARE(session.undoText(), std::string());
    // Inside a transaction the user opened, a command is not recorded.
    browser.setSql("begin");
    browser.execSql();
    session.addStation("B", "clred");
    QVERIFY(!session.canUndo());
    session.commit();
    session.addStation("C", "clred");
    QCOMPARE(session.undoText(), std::string("dopisanie stacji C"));
}

// A step's name is composed when it is shown, its counted noun too: a step taken in Polish
// is named in the language chosen afterwards, and in Polish again once that comes back.
void HistoryTest::stepNamesFollowTheLanguage() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    fill(session);
    session.deleteStation("Gliwice");
    const QString polish =
        QStringLiteral("usunięcie stacji Gliwice, 4 listów i 1 nadawcy/odbiorcy");
    QCOMPARE(QString::fromStdString(session.undoText()), polish);
    const std::map<std::string, std::string> german = {
        {"usunięcie stacji %1, %2 i %3", "Bahnhof %1, %2 und %3 entfernen"},
        {"listów", "Frachtzettel"},
        {"nadawcy/odbiorcy", "Versender/Empfänger"}};
    model::setMessageTranslator([&](const char* context, const char* id) {
        const auto found = german.find(id);
        return std::string(context) == "listy" && found != german.end() ? found->second
                                                                        : std::string(id);
    });
    const QString translated = QString::fromStdString(session.undoText());
    session.undo();
    const QString redo = QString::fromStdString(session.redoText());
    model::setMessageTranslator(nullptr);
    QCOMPARE(translated,
             QStringLiteral("Bahnhof Gliwice, 4 Frachtzettel und 1 Versender/Empfänger entfernen"));
    QCOMPARE(redo, translated);
    QCOMPARE(QString::fromStdString(session.redoText()), polish);
}

// "Zwönitz", "Zwoenitz" and " zwönitz " are one station: joined, one station is left, with
// the kept one's colour, every waybill names it, the shippers/receivers that became one are
// one, and the summary lists the rows removed. Loads of one wagon type are grouped, loads
// of another type are not; one undo takes the join back.
void HistoryTest::joiningDuplicatesLeavesOneOfEach() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    session.addStation("Zwönitz", "clred");
    session.addStation("Zwoenitz", "clblue");
    session.addStation(" zwönitz ", "clred");
    session.addStation("Zwickau", "clred");
    session.addParty("Huta", "Zwönitz");
    session.addParty("Huta", "Zwoenitz");
    session.addParty("Hütte", "Zwoenitz");
    for (const char* st : {"Zwönitz", "Zwoenitz", " zwönitz "})
        session.addWaybill({0, st, "Huta", "EAOS", "Kohle", "Huta", "Zwickau"});
    session.addWaybill({0, "Zwickau", "x", "EAOS", "Kohle", "Huta", "Zwoenitz"});
    session.addLoad("Kohle", "EAOS");
    session.addLoad("kohle", "EAOS");
    session.addLoad("Kohle", "FALS");
    session.setPlaces({"Huta", "Zwoenitz", 3});
    session.setPlaces({"Huta", "Zwönitz", 2});
    const QString before = exactDumpOf(kFile);

    const std::vector<model::DuplicateGroup> groups = session.duplicates();
    QCOMPARE(groups.size(), std::size_t(2));
    QCOMPARE(groups[0].members.size(), std::size_t(3));
    QCOMPARE(groups[0].colours, std::vector<std::string>({"clred", "clblue", "clred"}));
    QCOMPARE(groups[1].kind, model::NamedKind::Load);
    QCOMPARE(groups[1].members.size(), std::size_t(2));
    QCOMPARE(groups[1].members[1].name, std::string("kohle"));

    const model::JoinReport report = session.joinDuplicates(
        {{model::NamedKind::Station, groups[0].members[0], groups[0].members}});
    QCOMPARE(rowsOf(kFile, "select nazwa || ':' || kolor from stacje"),
             QStringList({"Zwönitz:clred", "Zwickau:clred"}));
    QCOMPARE(
        rowsOf(kFile, "select st_nad || '>' || st_odb from listy"),
        QStringList({"Zwönitz>Zwickau", "Zwönitz>Zwickau", "Zwönitz>Zwickau", "Zwickau>Zwönitz"}));
    QCOMPARE(rowsOf(kFile, "select nazwa || '@' || stacja from punkty"),
             QStringList({"Huta@Zwönitz", "Hütte@Zwönitz"}));
    // One row of places a business: the kept name's, though it came second.
    QCOMPARE(rowsOf(kFile, "select nazwa || '@' || stacja || ':' || miejsca from miejsca"),
             QStringList({"Huta@Zwönitz:2"}));
    QCOMPARE(report.removed.size(), std::size_t(4));
    QVERIFY(QString::fromStdString(report.summary).contains("miejsca Huta (Zwoenitz): 3"));
    QVERIFY(QString::fromStdString(report.summary).contains("stacja Zwoenitz (clblue)"));
    QVERIFY(
        QString::fromStdString(report.summary).contains("nadawca/odbiorca Huta (stacja Zwoenitz)"));
    session.undo();
    QCOMPARE(exactDumpOf(kFile), before);
}

// Rows put in by one prepared insert are recorded from their bound values, or read back
// where the column stores a value otherwise than bound (a text "007" in an integer column
// is 7, a number in a text column a text, in a real one a real): undone and redone, the
// table is byte for byte, storage classes included, what the inserts left.
void HistoryTest::bulkInsertsAreRecordedAsStored() {
    testing::WorkDir dir;
    db::SqlConnection connection;
    connection.setDatabase("bulk.sdb");
    connection.open();
    testing::execDirect(connection,
                        "create table t (a integer, b varchar(9), c real, d); "
                        "insert into t values (1, 'old', 0.5, x'00');");
    const QString before = exactDumpOf("bulk.sdb");
    db::RowChanges changes;
    {
        db::RowRecorder recorder(connection);
        db::RecordedInsert insert(connection, "t");
        insert.bind(1, std::int64_t{2});
        insert.bind(2, std::string_view("Zwönitz;\"\n"));
        insert.bind(4, std::string_view("7"));
        insert.run();  // every value as bound, c left NULL
        // Each of these is stored otherwise than bound, so its row is read back.
        insert.bind(1, std::string_view("007"));
        insert.run();
        insert.bind(2, std::int64_t{5});
        insert.run();
        insert.bind(3, std::int64_t{3});
        insert.bind(4, std::int64_t{-1});
        insert.run();
        changes = recorder.take();
    }
    const QString after = exactDumpOf("bulk.sdb");
    QCOMPARE(rowsOf("bulk.sdb", "select typeof(a)||typeof(b)||typeof(c) from t where rowid>2"),
             (QStringList{"integernullnull", "nulltextnull", "nullnullreal"}));
    QCOMPARE(changes.size(), std::size_t(4));
    db::applyRowChanges(connection, changes, true);
    QCOMPARE(exactDumpOf("bulk.sdb"), before);
    db::applyRowChanges(connection, changes, false);
    QCOMPARE(exactDumpOf("bulk.sdb"), after);

    // Within one command: an insert takes the rowid of a row deleted before it, and rows
    // it put in are changed and deleted again. Each row counts once, as it ended.
    {
        db::RowRecorder recorder(connection);
        testing::execDirect(connection, "delete from t where rowid=5;");
        db::RecordedInsert insert(connection, "t");
        for (std::int64_t a = 10; a < 14; ++a) {
            insert.bind(1, a);
            insert.run();
        }
        testing::execDirect(connection, "update t set b='x' where a=12; delete from t where a=13;");
        changes = recorder.take();
    }
    const QString last = exactDumpOf("bulk.sdb");
    QCOMPARE(rowsOf("bulk.sdb", "select rowid||':'||a||coalesce(b,'') from t where rowid>4"),
             (QStringList{"5:10", "6:11", "7:12x"}));
    QCOMPARE(changes.size(), std::size_t(3));
    db::applyRowChanges(connection, changes, true);
    QCOMPARE(exactDumpOf("bulk.sdb"), after);
    db::applyRowChanges(connection, changes, false);
    QCOMPARE(exactDumpOf("bulk.sdb"), last);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    HistoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"
