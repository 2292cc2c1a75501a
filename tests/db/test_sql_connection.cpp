// SqlConnection and its companions: forming the file path, connect/disconnect order,
// engine load failures, transactions, pragma statements, the statement log and inline SQL.

#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_connection.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& text) {
    return text.toStdString();
}

// Collects the debug lines and, through handlers, the connection's notifications in one
// list, so that their relative order can be checked.
struct Trace {
    std::vector<std::string> lines;
    db::DebugSink previous;
    Trace() {
        previous = db::setDebugSink([this](std::string_view l) { lines.emplace_back(l); });
    }
    ~Trace() { db::setDebugSink(std::move(previous)); }
    void hook(db::SqlConnection& c) {
        c.setBeforeConnect([this](db::SqlConnection& x) {
            lines.push_back(x.handle() ? "BeforeConnect(handle)" : "BeforeConnect");
        });
        c.setAfterConnect([this](db::SqlConnection& x) {
            lines.push_back(x.handle() ? "AfterConnect(handle)" : "AfterConnect");
        });
        c.setBeforeDisconnect([this](db::SqlConnection& x) {
            lines.push_back(x.handle() ? "BeforeDisconnect(handle)" : "BeforeDisconnect");
        });
        c.setAfterDisconnect([this](db::SqlConnection& x) {
            lines.push_back(std::string("AfterDisconnect") + (x.handle() ? "(handle)" : "") +
                            (x.libraryLoaded() ? "(lib)" : ""));
        });
        lines.clear();  // the connection's banner is not what a test looks at
    }
    QStringList list() const {
        QStringList out;
        for (const auto& l : lines) out << q(l);
        return out;
    }
};

// Runs one statement on the connection's handle directly and returns the first column of
// the first row ("" when none).
std::string scalar(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) return "<prepare failed>";
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0)) {
        out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    }
    sqlite3_finalize(st);
    return out;
}

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

class TestSqlConnection : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString oldCwd_;
    QString cwd() const { return QDir::currentPath(); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        oldCwd_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
        QVERIFY(QDir().mkdir("sub"));
    }
    void cleanup() {
        db::SqlConnection::setLibraryLoadFailsForTesting(false);
        QDir::setCurrent(oldCwd_);
        dir_.reset();
    }

    void newConnectionDefaults() {
        db::SqlConnection c("baza");
        QCOMPARE(q(c.name()), QString("baza"));
        QVERIFY(!c.connected());
        QVERIFY(!c.libraryLoaded());
        QVERIFY(c.handle() == nullptr);
        QVERIFY(c.pragma() == nullptr && c.log() == nullptr && c.inlineSql() == nullptr);
        // Reading an empty extension or library name gives (and keeps) the default.
        QCOMPARE(q(c.defaultExt()), QString(".sdb"));
        QCOMPARE(q(c.driverDll()), QString("SQLite.dll"));
        c.setDefaultExt(".xyz");
        QCOMPARE(q(c.defaultExt()), QString(".xyz"));
        c.setDefaultExt("");
        QCOMPARE(q(c.defaultExt()), QString(".sdb"));
        c.setDatabase(" \t listy.sdb \r\n");
        QCOMPARE(q(c.database()), QString("listy.sdb"));
        c.setDatabase("  ");
        QVERIFY(c.database().empty());
    }

    void pathForming_data() {
        QTest::addColumn<QString>("defaultDir");  // "@" stands for the temporary directory
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("expectedPath");  // as formPath() returns it
        QTest::addColumn<QString>("expectedDir");   // defaultDir() after connecting
        QTest::addColumn<QString>("fileCreated");   // relative to the temporary directory

        QTest::newRow("dir without separator gets one") << "@/sub"
                                                        << "a.sdb"
                                                        << "@/sub/a.sdb"
                                                        << "@/sub/"
                                                        << "sub/a.sdb";
        QTest::newRow("dir with separator kept") << "@/sub/"
                                                 << "a.sdb"
                                                 << "@/sub/a.sdb"
                                                 << "@/sub/"
                                                 << "sub/a.sdb";
        QTest::newRow("dir wins over a name with separator") << "@/sub"
                                                             << "x/../b.sdb"
                                                             << "@/sub/x/../b.sdb"
                                                             << "@/sub/"
                                                             << "";
        QTest::newRow("bare name in working directory") << ""
                                                        << "c.sdb"
                                                        << "@/c.sdb"
                                                        << ""
                                                        << "c.sdb";
        QTest::newRow("name with separator unchanged") << ""
                                                       << "sub/d.sdb"
                                                       << "sub/d.sdb"
                                                       << ""
                                                       << "sub/d.sdb";
        QTest::newRow("extension never appended") << ""
                                                  << "noext"
                                                  << "@/noext"
                                                  << ""
                                                  << "noext";
        QTest::newRow("name trimmed") << ""
                                      << "  e.sdb\t"
                                      << "@/e.sdb"
                                      << ""
                                      << "e.sdb";
        QTest::newRow("memory ignores dir") << "@/sub"
                                            << ":MEMORY:"
                                            << ":MEMORY:"
                                            << "@/sub"
                                            << "";
        QTest::newRow("memory lower case") << ""
                                           << ":memory:"
                                           << ":memory:"
                                           << ""
                                           << "";
    }
    void pathForming() {
        QFETCH(QString, defaultDir);
        QFETCH(QString, database);
        QFETCH(QString, expectedPath);
        QFETCH(QString, expectedDir);
        QFETCH(QString, fileCreated);
        const QString tmp = cwd();
        if (database.startsWith("x/")) QVERIFY(QDir().mkpath("sub/x"));

        db::SqlConnection c;
        c.setDefaultDir(s(QString(defaultDir).replace("@", tmp)));
        c.setDatabase(s(database));
        c.setConnected(true);
        QVERIFY(c.connected());
        QVERIFY(c.handle() != nullptr);
        QCOMPARE(q(c.formPath()), QString(expectedPath).replace("@", tmp));
        QCOMPARE(q(c.defaultDir()), QString(expectedDir).replace("@", tmp));
        QCOMPARE(q(c.version()), QString(sqlite3_libversion()));
        if (!fileCreated.isEmpty()) {
            QVERIFY2(QFile::exists(fileCreated), qPrintable(fileCreated));
            QVERIFY(!QFile::exists(fileCreated + ".sdb"));
        } else if (database.contains("memory", Qt::CaseInsensitive)) {
            QCOMPARE(QDir(tmp).entryList(QDir::Files).size(), 0);
            QCOMPARE(QDir(tmp + "/sub").entryList(QDir::Files).size(), 0);
        }
        c.close();
        QVERIFY(!c.connected());
        QVERIFY(c.handle() == nullptr);
    }

    void mustExist() {
        const QString tmp = cwd();
        Trace trace;
        db::SqlConnection c;
        c.setMustExist(true);
        trace.hook(c);

        c.setDatabase("missing.sdb");
        try {
            c.setConnected(true);
            QFAIL("connect to a missing file succeeded");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), "Database " + tmp + "/missing.sdb does not exist");
        }
        QVERIFY(!c.connected());
        QVERIFY(!QFile::exists("missing.sdb"));
        QVERIFY(trace.lines.empty());  // neither the engine nor a handler was reached

        c.setDefaultDir(s(tmp + "/sub"));
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, c.setConnected(true));
        try {
            c.setConnected(true);
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), "Database " + tmp + "/sub/missing.sdb does not exist");
        }

        // The in-memory database is never looked for on disk.
        c.setDatabase(":Memory:");
        c.setConnected(true);
        QVERIFY(c.connected());
        c.close();

        // An existing file is opened.
        QFile f(tmp + "/sub/there.sdb");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        c.setDatabase("there.sdb");
        c.setConnected(true);
        QVERIFY(c.connected());
    }

    void missingDatabaseName() {
        Trace trace;
        db::SqlConnection c;
        trace.hook(c);
        QVERIFY_THROWS_EXCEPTION(db::SqlConfigError, c.setConnected(true));
        try {
            c.open();
        } catch (const db::SqlConfigError& e) {
            QCOMPARE(QString(e.what()), QString("Missing database property"));
        }
        QVERIFY(!c.connected());
        QVERIFY(!c.libraryLoaded());
        QVERIFY(trace.lines.empty());
    }

    void engineCannotOpenFile_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<bool>("readOnlyDir");
        QTest::newRow("missing directory") << "nodir/x.sdb" << false;
        QTest::newRow("directory is a file") << "plain/x.sdb" << false;
        QTest::newRow("read-only directory") << "ro/x.sdb" << true;
    }
    void engineCannotOpenFile() {
        QFETCH(QString, database);
        QFETCH(bool, readOnlyDir);
        if (readOnlyDir) {
            if (geteuid() == 0) QSKIP("root may write into a read-only directory");
            QVERIFY(QDir().mkdir("ro"));
            QVERIFY(QFile::setPermissions("ro", QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        {
            QFile f("plain");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Trace trace;
        db::SqlConnection c;
        trace.hook(c);
        c.setDatabase(s(database));
        try {
            c.setConnected(true);
            QFAIL("opening an unreachable file succeeded");
        } catch (const db::DatabaseError& e) {
            const QString msg = e.what();
            QVERIFY2(msg.contains("unable to open database file"), qPrintable(msg));
            QVERIFY2(msg.contains(database), qPrintable(msg));
        }
        QVERIFY(!c.connected());
        QVERIFY(c.handle() == nullptr);
        // AfterConnect runs also when the open failed; no set-up statement is sent.
        QCOMPARE(trace.list(),
                 QStringList({"loading sqlite lib", "", "BeforeConnect", "AfterConnect"}));
        if (readOnlyDir)
            QFile::setPermissions(
                "ro", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void handlerOrder() {
        Trace trace;
        db::SqlConnection c;
        trace.hook(c);
        c.setDatabase("order.sdb");

        c.setConnected(false);  // not connected: nothing runs
        QVERIFY(trace.lines.empty());

        c.setConnected(true);
        QCOMPARE(trace.list(), QStringList({"loading sqlite lib", "", "BeforeConnect",
                                            "AfterConnect(handle)", "PRAGMA show_datatypes = ON;",
                                            "PRAGMA empty_result_callbacks = ON;"}));
        trace.lines.clear();

        c.setConnected(false);
        QCOMPARE(trace.list(), QStringList({"freeing sqlite dll", "BeforeDisconnect(handle)",
                                            "AfterDisconnect"}));
        trace.lines.clear();
        c.setConnected(false);
        QVERIFY(trace.lines.empty());

        // Once read, the library name is the default and is what the load reports.
        QCOMPARE(q(c.driverDll()), QString("SQLite.dll"));
        c.open();
        QCOMPARE(trace.list().mid(0, 2), QStringList({"loading sqlite lib", "SQLite.dll"}));
    }

    void connectAgainReplacesHandle() {
        Trace trace;
        db::SqlConnection c;
        trace.hook(c);
        c.setDatabase(":memory:");
        c.open();
        QCOMPARE(scalar(c.handle(), "create table t(a)"), std::string());
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("1"));
        trace.lines.clear();
        c.setConnected(true);  // connected already: opens anew, library stays loaded
        QCOMPARE(trace.list(), QStringList({"BeforeConnect", "AfterConnect(handle)",
                                            "PRAGMA show_datatypes = ON;",
                                            "PRAGMA empty_result_callbacks = ON;"}));
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("0"));
    }

    void closeThenOpenReloads() {
        Trace trace;
        db::SqlConnection c;
        c.setDatabase("reload.sdb");
        c.open();
        QCOMPARE(scalar(c.handle(), "create table t(a)"), std::string());
        QCOMPARE(scalar(c.handle(), "insert into t values('kept')"), std::string());
        c.close();
        QVERIFY(!c.libraryLoaded());
        QVERIFY(QFile::remove("reload.sdb"));  // the file is free once closed
        c.open();
        QVERIFY(c.libraryLoaded());
        QCOMPARE(trace.list().count("loading sqlite lib"), 2);
        QCOMPARE(trace.list().count("freeing sqlite dll"), 1);
        // A new, empty file was created in place of the removed one.
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("0"));
    }

    void libraryLoadFailure() {
        Trace trace;
        db::SqlConnection c;
        trace.hook(c);
        c.setDatabase("lib.sdb");
        db::SqlConnection::setLibraryLoadFailsForTesting(true);
        try {
            c.setConnected(true);
            QFAIL("connect without an engine succeeded");
        } catch (const db::SqlConfigError& e) {
            QCOMPARE(QString(e.what()), QString("Could not load SQLite library"));
        }
        QVERIFY(!c.connected());
        QVERIFY(!c.libraryLoaded());
        QVERIFY(!trace.lines.empty());
        QCOMPARE(trace.list().filter("Connect").size(), 0);  // no handler ran
        QVERIFY(!QFile::exists("lib.sdb"));

        // The next connect tries the load anew.
        db::SqlConnection::setLibraryLoadFailsForTesting(false);
        c.setConnected(true);
        QVERIFY(c.connected());
        QVERIFY(QFile::exists("lib.sdb"));
    }

    void transactions() {
        Trace trace;
        db::SqlConnection c;
        c.setDatabase("tx.sdb");
        c.startTransaction();  // connects first
        QVERIFY(c.connected());
        QVERIFY(c.inTransaction());
        QCOMPARE(q(trace.lines.back()), QString("begin transaction"));
        QCOMPARE(scalar(c.handle(), "create table t(a)"), std::string());
        c.rollBack();
        QCOMPARE(q(trace.lines.back()), QString("rollback transaction"));
        QVERIFY(!c.inTransaction());
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("0"));

        c.startTransaction();
        QCOMPARE(scalar(c.handle(), "create table t(a)"), std::string());
        c.commit();
        QCOMPARE(q(trace.lines.back()), QString("commit transaction"));
        QVERIFY(c.lastError().empty());
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("1"));

        // Without an open transaction the engine refuses; its text is the message.
        try {
            c.commit();
            QFAIL("commit without a transaction succeeded");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), QString("cannot commit - no transaction is active"));
            QCOMPARE(q(c.lastError()), QString(e.what()));
        }
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, c.rollBack());
        c.startTransaction();
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, c.startTransaction());
        QVERIFY(c.inTransaction());
        c.rollBack();
        QVERIFY(c.lastError().empty());
    }

    void pragmaStatements() {
        db::SqlConnection c;
        db::SqlPragma p;
        p.tempCacheSize = 123;
        p.defaultCacheSize = 456;
        p.defaultSynchronous = "FULL";
        p.defaultTempStore = "DEFAULT";
        p.tempStore = "MEMORY";
        p.synchronous = "OFF";
        c.setPragma(&p);
        c.setDatabase("pragma.sdb");
        Trace trace;
        c.open();
        QCOMPARE(
            trace.list().mid(4),
            QStringList({"pragma cache_size=123", "pragma default_cache_size=456",
                         "pragma default_synchronous=FULL", "pragma default_temp_store=DEFAULT",
                         "pragma temp_store=MEMORY", "pragma synchronous=OFF"}));
        QCOMPARE(scalar(c.handle(), "pragma synchronous"), std::string("0"));
        QCOMPARE(scalar(c.handle(), "pragma temp_store"), std::string("2"));

        // Zero and empty settings are not issued.
        p.tempCacheSize = p.defaultCacheSize = 0;
        p.defaultSynchronous = p.defaultTempStore = p.tempStore = "";
        p.synchronous = "NORMAL";
        trace.lines.clear();
        c.execPragma();
        QCOMPARE(trace.list(), QStringList({"pragma synchronous=NORMAL"}));
        QCOMPARE(scalar(c.handle(), "pragma synchronous"), std::string("1"));

        // Without a pragma component nothing is issued, not even on a disconnected
        // connection beyond the connect itself.
        c.setPragma(nullptr);
        c.close();
        trace.lines.clear();
        c.execPragma();
        QVERIFY(c.connected());
        QCOMPARE(trace.list().filter("pragma ").size(), 0);
    }

    void pragmaErrorsShareOneSlot() {
        db::SqlConnection c;
        db::SqlPragma p;
        c.setDatabase(":memory:");
        c.open();
        c.setPragma(&p);

        // A failing statement followed by a good one: the later outcome wins.
        p.defaultSynchronous = "(";
        p.synchronous = "OFF";
        c.execPragma();
        QVERIFY(c.lastError().empty());

        // The failing one is the last issued: raised, and kept as the last error.
        p.synchronous.clear();
        try {
            c.execPragma();
            QFAIL("a bad pragma was accepted");
        } catch (const db::DatabaseError& e) {
            QVERIFY2(QString(e.what()).contains("syntax error"), e.what());
            QCOMPARE(q(c.lastError()), QString(e.what()));
        }
        // The connect sequence issues the pragmas too, and raises the same way.
        c.close();
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, c.open());
    }

    void logFile_data() {
        QTest::addColumn<bool>("append");
        QTest::addColumn<bool>("existing");
        QTest::newRow("append false") << false << false;
        QTest::newRow("append false over an old file") << false << true;
        QTest::newRow("append true") << true << false;
        QTest::newRow("append true to an old file") << true << true;
    }
    void logFile() {
        QFETCH(bool, append);
        QFETCH(bool, existing);
        const QString path = cwd() + "/sql.log";
        if (existing) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old line\n");
        }
        db::SqlLog log;
        log.logFile = s(path);
        log.append = append;
        db::SqlConnection c;
        c.setLog(&log);
        c.setDatabase(":memory:");
        c.open();
        std::string err;
        c.xExec("create table t(a)", nullptr, nullptr, &err);
        c.xExec("insert into t values(1)", nullptr, nullptr, &err);
        c.xExec("select a from t", nullptr, nullptr, &err);
        QVERIFY(err.empty());

        const QStringList lines = fileLines(path);
        const QRegularExpression stamp(R"(^\d{4} \S{3} \d{2} \(\d{2}:\d{2}:\d{2}\) )");
        if (!append) {
            QCOMPARE(lines.size(), 1);
        } else {
            // old line (when there was one), the two set-up statements, then ours
            QCOMPARE(lines.size(), (existing ? 1 : 0) + 2 + 3);
            if (existing) QCOMPARE(lines.first(), QString("old line"));
            QVERIFY(lines.at(lines.size() - 3).endsWith(") create table t(a)"));
        }
        QVERIFY2(stamp.match(lines.last()).hasMatch(), qPrintable(lines.last()));
        QVERIFY(lines.last().endsWith(") select a from t"));
    }

    void inlineSql() {
        db::SqlConnection c;
        db::SqlInlineSql inl;
        inl.sql = {"create table t(a);", "insert into t values('ą');"};
        c.setInlineSql(&inl);
        c.setDatabase("inline.sdb");

        Trace trace;
        c.open();  // not asked to run it
        QCOMPARE(scalar(c.handle(), "select count(*) from sqlite_master"), std::string("0"));
        c.close();

        c.setExecuteInlineSql(true);
        trace.lines.clear();
        c.open();
        QCOMPARE(trace.list().mid(4),
                 QStringList({"begin transaction", "create table t(a);\ninsert into t values('ą');",
                              "commit transaction"}));
        QVERIFY(!c.inTransaction());
        QCOMPARE(scalar(c.handle(), "select a from t"), std::string("ą"));

        // A failing inline text raises the engine's text and leaves its transaction open.
        inl.sql = {"insert into t values('b');", "insert into nowhere values(1);"};
        try {
            c.open();
            QFAIL("failing inline SQL was accepted");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), QString("no such table: nowhere"));
        }
        QVERIFY(c.inTransaction());
        QCOMPARE(scalar(c.handle(), "select count(*) from t"), std::string("2"));
        c.rollBack();
        QCOMPARE(scalar(c.handle(), "select count(*) from t"), std::string("1"));
    }

    void companionsForgotten() {
        db::SqlConnection a, b;
        auto pragma = std::make_unique<db::SqlPragma>();
        auto log = std::make_unique<db::SqlLog>();
        auto inl = std::make_unique<db::SqlInlineSql>();
        a.setPragma(pragma.get());
        b.setPragma(pragma.get());
        a.setLog(log.get());
        a.setInlineSql(inl.get());
        b.setInlineSql(inl.get());

        pragma.reset();
        QVERIFY(a.pragma() == nullptr);
        QVERIFY(b.pragma() == nullptr);
        QVERIFY(a.log() == log.get());
        log.reset();
        QVERIFY(a.log() == nullptr);

        // Replacing a reference detaches from the old companion: destroying it later does
        // not touch the connection's new reference.
        db::SqlInlineSql other;
        a.setInlineSql(&other);
        inl.reset();
        QVERIFY(a.inlineSql() == &other);
        QVERIFY(b.inlineSql() == nullptr);

        // A connection destroyed before its companion leaves the companion usable.
        auto shortLived = std::make_unique<db::SqlConnection>();
        db::SqlLog survivor;
        shortLived->setLog(&survivor);
        shortLived.reset();
        a.setLog(&survivor);
        QVERIFY(a.log() == &survivor);
    }

    void xExecReportsColumnsAndEmptyResults() {
        db::SqlConnection c;
        c.setDatabase(":memory:");
        c.open();
        std::string err;
        c.xExec("create table t(a varchar(20), b integer); insert into t values('x', NULL);",
                nullptr, nullptr, &err);
        QVERIFY(err.empty());

        struct Seen {
            QStringList calls;
        } seen;
        auto cb = [](void* arg, const db::ExecRow& row) -> int {
            auto* sn = static_cast<Seen*>(arg);
            QString call = QString::number(row.columnCount) + ":";
            for (int i = 0; i < row.columnCount; ++i) {
                call += QString(row.names[i]) + "/" + row.names[row.columnCount + i] + "=";
                call += row.values == nullptr      ? QString("<none>")
                        : row.values[i] == nullptr ? QString("NULL")
                                                   : QString(row.values[i]);
                call += ";";
            }
            sn->calls << call;
            return 0;
        };
        c.xExec("select a, b from t; select b from t where 0; update t set b = 1; select 7", cb,
                &seen, &err);
        QVERIFY(err.empty());
        QCOMPARE(seen.calls, QStringList({"2:a/varchar(20)=x;b/INTEGER=NULL;",
                                          "1:b/INTEGER=<none>;", "1:7/=7;"}));

        // The run stops at the first failing statement; earlier ones stay in force.
        seen.calls.clear();
        c.xExec("insert into t values('y', 2); select * from nowhere; insert into t values('z', 3)",
                cb, &seen, &err);
        QCOMPARE(q(err), QString("no such table: nowhere"));
        c.xExec("select count(*) from t", cb, &seen, &err);
        QCOMPARE(seen.calls, QStringList({"1:count(*)/=2;"}));
    }
};

QTEST_GUILESS_MAIN(TestSqlConnection)
#include "test_sql_connection.moc"
