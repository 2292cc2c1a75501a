// What the file holds after the rarer write paths: texts byte for byte, whole texts kept
// through an edit, writes inside a transaction the user opened, a second program holding
// a lock, and a start-up that names what is wrong with a file.

#include <sqlite3.h>

#include <QProcess>
#include <QtTest>
#include <clocale>
#include <cstdio>
#include <thread>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "db/errors.h"
#include "model/reference_data.h"
#include "model/stations.h"
#include "model/transaction.h"
#include "model/waybills.h"
#include "session/startup.h"
#include "support/database_fixture.h"
#include "support/db_helpers.h"
#include "support/sql_helpers.h"

using testing::execFile;
using testing::rowsOf;

class DataSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void textsReachTheFileByteForByte();
    void unchangedLongTextsSurviveEditsAndDeletes();
    void writesInsideAnOpenTransactionUseSavepoints();
    void aShortLockDelaysASave();
    void startUpNamesWhatIsWrong_data();
    void startUpNamesWhatIsWrong();
    void deletedWorkingDirectoryIsAnError();
    void numbersReadTheSameInEveryLocale();
};

// A carriage return inside a value is part of it; before, every write turned it into a
// line feed, and such a station could not be deleted.
void DataSafetyTest::textsReachTheFileByteForByte() {
    testing::TestDatabase d;
    const std::string name = "A\r\nB\rC\tD";
    QVERIFY(model::addStation(d.baza, d.command, name, "clred"));
    QCOMPARE(rowsOf(d.file(), "select hex(nazwa) from stacje"),
             QStringList({QString(QByteArray::fromStdString(name).toHex().toUpper())}));
    model::deleteStation(d.baza, d.command, name);
    QCOMPARE(rowsOf(d.file(), "select count(*) from stacje"), QStringList({"0"}));
}

void DataSafetyTest::unchangedLongTextsSurviveEditsAndDeletes() {
    testing::TestDatabase d;
    const QString longText(300, QChar(u'ż'));
    execFile(d.file(), "insert into listy values(2,'S','" + longText +
                           "','W','L','O','T');"
                           "insert into ladunki values('" +
                           longText +
                           "','x');"
                           "insert into ladunki values('krótki','y');"
                           "insert into punkty values(2,'" +
                           longText + "','S','');");
    model::openQuery(d.list, model::kWaybillListSql);
    const model::Waybill shown = model::waybillAt(d.list);
    QCOMPARE(shown.shipper.size(), std::size_t(255 * 2));  // the list shows 255 characters
    model::Waybill stored;
    QVERIFY(model::readStoredWaybill(d.baza, 0, stored));
    model::Waybill edited = shown;
    edited.sendingStation = "Nowa";
    model::updateWaybill(d.command, model::keepUnchangedTexts(edited, shown, stored));
    QCOMPARE(rowsOf(d.file(), "select st_nad, length(nadawca) from listy"),
             QStringList({"Nowa|300"}));

    // A delete names the row by its whole texts, so it removes the row that was picked.
    model::openQuery(d.list, model::kLoadListSql);
    const auto load = model::wholeLoad(d.baza, 0, {d.list.fieldByName("nazwa").asString(), "x"});
    model::deleteLoad(d.command, load.first, load.second);
    QCOMPARE(rowsOf(d.file(), "select nazwa from ladunki"), QStringList({"krótki"}));
    model::openQuery(d.list, model::kPartyListSql);
    const auto party = model::wholeParty(d.baza, 0, {d.list.fieldByName("nazwa").asString(), "S"});
    model::deleteParty(d.baza, d.command, party.first, party.second);
    QCOMPARE(rowsOf(d.file(), "select count(*) from punkty"), QStringList({"0"}));
}

// The SQL browser's "begin transaction" left open: our writes still work, a failing one
// undoes only itself, and the open transaction stays the user's to end.
void DataSafetyTest::writesInsideAnOpenTransactionUseSavepoints() {
    testing::TestDatabase d;
    testing::execDirect(d.baza, "begin transaction; insert into ladunki values('mine','m');");
    QCOMPARE(model::addStation(d.baza, d.command, "S", "clred").value_or(0), 2);
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, model::runInTransaction(d.baza, [&] {
                                 model::exec(d.command,
                                             "insert into stacje values(9,'T','clred');");
                                 model::exec(d.command, "insert into nosuch values(1);");
                             }));
    QVERIFY(d.baza.inTransaction());
    testing::execDirect(d.baza, "commit transaction;");
    QCOMPARE(rowsOf(d.file(), "select nazwa from stacje"), QStringList({"S"}));
    QCOMPARE(rowsOf(d.file(), "select nazwa from ladunki"), QStringList({"mine"}));
}

// Another program holds the write lock for a moment: the save waits for it.
void DataSafetyTest::aShortLockDelaysASave() {
    testing::TestDatabase d;
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(d.file().toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "begin immediate; insert into ladunki values('x','y');", nullptr,
                          nullptr, nullptr),
             SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "commit;", nullptr, nullptr, nullptr);
    });
    std::optional<int> id;
    try {
        id = model::addStation(d.baza, d.command, "S", "clred");
    } catch (const std::exception& e) {
        release.join();
        sqlite3_close(other);
        QFAIL(e.what());
    }
    release.join();
    sqlite3_close(other);
    QCOMPARE(id.value_or(0), 2);
}

void DataSafetyTest::startUpNamesWhatIsWrong_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("not a database") << "foreign"
                                    << "nie jest bazą danych";
    QTest::newRow("damaged page") << "damaged"
                                  << "tylko do odczytu";
    QTest::newRow("locked by another program") << "locked"
                                               << "zablokowany";
    QTest::newRow("truncated") << "truncated"
                               << "jest uszkodzony";
    QTest::newRow("damaged waybill page") << "waybill page"
                                          << "jest uszkodzony";
    QTest::newRow("newer version") << "newer"
                                   << "nowszej wersji programu (wersja pliku: 3";
    QTest::newRow("read-only file") << "read-only file"
                                    << "jest tylko do odczytu. Otwarto";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "leży w katalogu tylko do odczytu";
    QTest::newRow("full disk") << "full"
                               << "zabrakło miejsca";
}

namespace {

// A sound file with many pages of waybills (and, with `filler`, of another table after them).
void makeManyPages(const QString& file, bool filler) {
    testing::TestDatabase made;
    execFile(made.file(),
             QStringLiteral("with recursive n(i) as (select 2 union all select i+1 from n "
                            "where i < 3000) insert into listy select i, 'Stacja '||i, 'N', "
                            "'Eaos', 'Węgiel', 'O', 'Cel' from n;") +
                 (filler ? QStringLiteral("create table filler(x);"
                                          "with recursive n(i) as (select 1 union all select "
                                          "i+1 from n where i < 3000) insert into filler select "
                                          "hex(randomblob(60)) from n;")
                         : QString()));
    QFile::copy(made.file(), file);
}

// What start-up says about the file in `dir`, run as this program's child (as the user
// `nobody` when this runs as root, whom file modes bind); empty with `skip` set when the
// child cannot be run here.
QString startUpAsOtherUser(const QString& dir, QString& skip) {
    QStringList arguments{QCoreApplication::applicationFilePath(), "--tell-start-up", dir};
    QString program = arguments.takeFirst();
#ifndef _WIN32
    if (geteuid() == 0) {
        arguments.prepend(program);
        arguments = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + arguments;
        program = QStringLiteral("setpriv");
    }
#endif
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        skip = QStringLiteral("the start-up could not be run as another user here: ") +
               QString::fromUtf8(child.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(child.readAllStandardOutput());
}

}  // namespace

void DataSafetyTest::startUpNamesWhatIsWrong() {
    QFETCH(QString, kind);
    QFETCH(QString, says);
    testing::WorkDir dir;
    const QString file = dir.file("listy.sdb");
    sqlite3* other = nullptr;
    if (kind == "locked") {
        {
            testing::TestDatabase made;
            QFile::copy(made.file(), file);
        }
        QCOMPARE(sqlite3_open(file.toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "begin exclusive; insert into ladunki values('x','y');",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
    } else if (kind == "foreign") {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    } else if (kind == "truncated") {
        makeManyPages(file, false);
        QFile f(file);
        QVERIFY(f.resize(f.size() * 3 / 5));
    } else if (kind == "waybill page") {
        makeManyPages(file, false);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(f.size() / 2 / 4096 * 4096));
        f.write(QByteArray(4096, '\x5a'));
    } else if (kind == "newer") {
        testing::TestDatabase made;
        execFile(made.file(), "update admin set value='3' where key='wersja';");
        QFile::copy(made.file(), file);
    } else if (kind.startsWith("read-only")) {
        testing::TestDatabase made;
        QFile::copy(made.file(), file);
    } else if (kind == "full") {
#ifdef _WIN32
        QSKIP("no small file system to fill here");
#else
        // A small file system of its own, filled, with an empty file where the database is
        // to be made.
        if (geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs",
                                                          dir.path()}) != 0) {
            QSKIP("a small tmpfs cannot be mounted here (needs root and mount rights)");
        }
        QFile(file).open(QIODevice::WriteOnly);
        QFile fill(dir.file("fill"));
        fill.open(QIODevice::WriteOnly);
        while (fill.write(QByteArray(4096, 'f')) > 0 && fill.flush()) {
        }
        fill.close();
#endif
    } else {
        {
            testing::TestDatabase made;  // a sound file with a second table of many pages
            execFile(made.file(),
                     "create table filler(x);"
                     "with recursive n(i) as (select 1 union all select i+1 from n "
                     "where i < 3000) insert into filler select hex(randomblob(60)) from n;");
            QFile::copy(made.file(), file);
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(f.size() / 2 / 4096 * 4096));
        f.write(QByteArray(4096, '\x5a'));
    }
    const QByteArray before = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    db::SqlConnection baza("baza");
    db::SqlQuery list("sql1");
    list.setConnection(&baza);
    QString message;
    if (kind.startsWith("read-only")) {
        // File modes bind only another user: the folder is theirs, the mode read-only.
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        const QString sub = kind == "read-only file" ? file : dir.path();
#ifndef _WIN32
        if (geteuid() == 0) {
            QProcess::execute("chown", {"-R", "nobody:nogroup", dir.path()});
        }
#endif
        QFile::setPermissions(sub, kind == "read-only file" ? QFileDevice::Permissions(0x4444)
                                                            : QFileDevice::Permissions(0x5555));
        QString skip;
        message = startUpAsOtherUser(dir.path(), skip);
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
        if (message.isEmpty() && !skip.isEmpty()) QSKIP(qPrintable(skip));
    } else {
        try {
            message = QString::fromStdString(session::openDatabase(baza, list).message);
        } catch (const db::DatabaseError& e) {
            message = QString::fromUtf8(e.what());
        }
    }
    if (other) {
        sqlite3_exec(other, "rollback;", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    QVERIFY2(message.contains(says) && message.contains(file), qPrintable(message));
    if (kind == "damaged") {
        QVERIFY(list.active());  // the waybills can still be read
        db::SqlQuery command("sqlt");
        command.setConnection(&baza);
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, model::addStation(baza, command, "S", "clred"));
    }
    baza.close();
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const bool unchanged = f.readAll() == before;
    f.close();
#ifndef _WIN32
    if (kind == "full") QProcess::execute("umount", {dir.path()});
#endif
    QVERIFY(unchanged);  // nothing went into the file
}

void DataSafetyTest::deletedWorkingDirectoryIsAnError() {
    const QString previous = QDir::currentPath();
    {
        QTemporaryDir gone;
        QVERIFY(QDir::setCurrent(gone.path()));
    }  // removed while it is the working directory
    db::SqlConnection baza("baza");
    db::SqlQuery list("sql1");
    list.setConnection(&baza);
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, session::openDatabase(baza, list));
    QDir::setCurrent(previous);
    QVERIFY(!QFile::exists("/listy.sdb"));
}

void DataSafetyTest::numbersReadTheSameInEveryLocale() {
    QVERIFY2(
        std::setlocale(LC_ALL, "pl_PL.UTF-8"),
        "the pl_PL.UTF-8 locale is missing (scripts/install-deps --tests installs locales-all)");
    testing::TestDatabase d;
    execFile(d.file(), "create table m(r real, n numeric(10,2)); insert into m values(1.5, 2.25);");
    QString got;
    try {
        model::openQuery(d.list, "select * from m;");
        got =
            QString::fromStdString(d.list.fields(0).asString() + "|" + d.list.fields(1).asString());
    } catch (const std::exception& e) {
        got = e.what();
    }
    std::setlocale(LC_ALL, "C");
    QCOMPARE(got, QStringLiteral("1.5|2.25"));
}

// The child of the read-only cases: what start-up says about the file in `dir`.
int tellStartUp(const char* dir) {
    QDir::setCurrent(QString::fromLocal8Bit(dir));
    db::SqlConnection baza("baza");
    db::SqlQuery list("sql1");
    list.setConnection(&baza);
    std::string message;
    try {
        message = session::openDatabase(baza, list).message;
    } catch (const std::exception& e) {
        message = e.what();
    }
    std::fputs(message.c_str(), stdout);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--tell-start-up") return tellStartUp(argv[2]);
    QCoreApplication app(argc, argv);
    DataSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_data_safety.moc"
