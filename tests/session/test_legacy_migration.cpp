// Converting a listy.sdb of the old format: every sample arrives whole, the old file is kept
// byte for byte, and a file that cannot be converted is left exactly as it was.

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QtTest>
#include <atomic>
#include <thread>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "formats/sqlite2_reader.h"
#include "model/schema.h"
#include "session/old_format.h"
#include "session/startup.h"
#include "support/legacy_listing.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::ListedValue;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString sample(const QString& name) {
    return QDir(testing::legacySampleDir()).filePath(name);
}

// The Windows-1250 bytes of a text of ASCII and Polish letters; empty for anything else.
QByteArray toCp1250(const QString& text) {
    static const QString polish = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    static const char codes[] =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    QByteArray out;
    for (QChar c : text) {
        const qsizetype at = polish.indexOf(c);
        if (at >= 0) {
            out += codes[at];
        } else if (c.unicode() < 0x80) {
            out += char(c.unicode());
        } else {
            return {};
        }
    }
    return out;
}

std::string dirOf(const testing::WorkDir& dir) {
    return dir.path().toStdString() + "/";
}

// Every row of a table of the new file, rowid first, NULL kept apart from the empty text.
QList<QList<ListedValue>> rowsOfTable(const QString& file, const testing::ListedTable& table) {
    QList<QList<ListedValue>> rows;
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    QStringList columns{"rowid"};
    for (const QString& c : table.columns) columns << "\"" + c + "\"";
    const QString sql =
        "select " + columns.join(", ") + " from \"" + table.name + "\" order by rowid";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QList<ListedValue> row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row.push_back(text ? ListedValue(QString::fromUtf8(text)) : std::nullopt);
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

}  // namespace

class LegacyMigrationTest : public QObject {
    Q_OBJECT
private slots:
    // A checkout without its samples fails here, once and by name.
    void initTestCase() {
        const QString missing = testing::missingLegacySample();
        QVERIFY2(missing.isEmpty(), qPrintable("test sample missing: " + missing));
    }
    void convertsEverySample_data();
    void convertsEverySample();
    void versionOneSampleIsThenConvertedToVersionTwo();
    void takenBackupNameGetsANumber();
    void damagedFilesAreLeftAsTheyWere_data();
    void damagedFilesAreLeftAsTheyWere();
    void stoppedConversionIsRedoneCleanly();
    void twoProgramsAtOnceConvertOnce();
    void journalBesideTheFileStopsEverything();
    void otherFilesAreNotTouched();
    void numericTextsAreCountedAndNamed();
};

void LegacyMigrationTest::convertsEverySample_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"v1-sample", "v2-sample", "empty-v2", "big-v2"}) QTest::newRow(n) << n;
}

void LegacyMigrationTest::convertsEverySample() {
    QFETCH(QString, name);
    const QList<testing::ListedTable> listing = testing::readListing(sample(name + ".txt"));
    QVERIFY(listing.size() >= 6);
    testing::WorkDir dir;
    const QString file = dir.file("listy.sdb");
    QVERIFY(QFile::copy(sample(name + ".sdb"), file));

    const files::MigrationResult result = session::migrateLegacyDatabase(dirOf(dir));
    QVERIFY(result.migrated);
    QCOMPARE(QString::fromStdString(result.backupPath), dir.file("listy.sdb.sqlite2"));
    QCOMPARE(bytesOf(dir.file("listy.sdb.sqlite2")), bytesOf(sample(name + ".sdb")));
    QVERIFY(!formats::isSqlite2File(file.toStdString()));
    QCOMPARE(result.numericChanges, 0);

    long rows = 0;
    QStringList created;
    for (const testing::ListedTable& table : listing) {
        if (table.name == "sqlite_master") {
            for (const auto& row : table.rows) created << row.value(5).value_or("<null>");
            continue;
        }
        rows += table.rows.size();
        const auto got = rowsOfTable(file, table);
        QCOMPARE(got.size(), table.rows.size());
        for (qsizetype i = 0; i < got.size(); ++i) {
            QVERIFY2(got[i] == table.rows[i],
                     qPrintable(QString("%1 row %2 differs").arg(table.name).arg(i)));
        }
    }
    QCOMPARE(result.rows, rows);
    // Each table was made with its own create statement (the engine stores the keywords in
    // capitals).
    QStringList stored = testing::rowsOf(file, "select sql from sqlite_master order by rowid");
    for (QString& s : stored) s.replace(0, 12, "create table");
    QCOMPARE(stored, created);
    QCOMPARE(QString::fromStdString(session::migrationMessage(result))
                 .contains(dir.file("listy.sdb.sqlite2")),
             true);
}

void LegacyMigrationTest::versionOneSampleIsThenConvertedToVersionTwo() {
    testing::WorkDir dir;
    QVERIFY(QFile::copy(sample("v1-sample.sdb"), dir.file("listy.sdb")));
    QVERIFY(session::migrateLegacyDatabase(dirOf(dir)).migrated);
    db::SqlConnection baza("baza");
    db::SqlQuery list("sql1");
    list.setConnection(&baza);
    session::openDatabase(baza, list);
    QCOMPARE(list.recordCount(), 2);
    QCOMPARE(list.fields(1).asString(), std::string("Łódź Fabryczna"));
    QCOMPARE(testing::rowsOf(dir.file("listy.sdb"), "select * from stacje"),
             QStringList({"3|Kraków Główny|clwhite", "5|Łódź Fabryczna|clwhite",
                          "8|Gdańsk Główny|clwhite"}));
    QCOMPARE(testing::rowsOf(dir.file("listy.sdb"), "select value from admin where key='wersja'"),
             QStringList({"2"}));
}

void LegacyMigrationTest::takenBackupNameGetsANumber() {
    testing::WorkDir dir;
    writeBytes(dir.file("listy.sdb.sqlite2"), "someone else's file");
    QVERIFY(QFile::copy(sample("v2-sample.sdb"), dir.file("listy.sdb")));
    const files::MigrationResult result = session::migrateLegacyDatabase(dirOf(dir));
    QCOMPARE(QString::fromStdString(result.backupPath), dir.file("listy.sdb.sqlite2.1"));
    QCOMPARE(bytesOf(dir.file("listy.sdb.sqlite2")), QByteArray("someone else's file"));
    QCOMPARE(bytesOf(dir.file("listy.sdb.sqlite2.1")), bytesOf(sample("v2-sample.sdb")));
}

void LegacyMigrationTest::damagedFilesAreLeftAsTheyWere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("damage");
    for (const char* n : {"v1-sample", "v2-sample", "empty-v2", "big-v2"}) {
        QTest::newRow(qPrintable(QString(n) + " truncated")) << n << "truncate";
        QTest::newRow(qPrintable(QString(n) + " child page out of range")) << n << "pointer";
        QTest::newRow(qPrintable(QString(n) + " page that is its own child")) << n << "loop";
    }
    // Read without fault but refused by the new engine part-way: the fifth table's create
    // statement names a table that already exists.
    QTest::newRow("v2-sample clashing create statement") << "v2-sample"
                                                         << "clash";
    // A create statement with more behind it: nothing but the lone CREATE TABLE may run.
    QTest::newRow("v2-sample create statement with a tail") << "v2-sample"
                                                            << "tail";
    // A create statement that names a schema would put the table elsewhere.
    QTest::newRow("v2-sample create statement in temp") << "v2-sample"
                                                        << "temp.punkty";
    QTest::newRow("v2-sample create statement in main") << "v2-sample"
                                                        << "\"main\" . punkty";
}

void LegacyMigrationTest::damagedFilesAreLeftAsTheyWere() {
    QFETCH(QString, name);
    QFETCH(QString, damage);
    QByteArray bytes = bytesOf(sample(name + ".sdb"));
    const int page = 1024;
    if (damage == "truncate") {
        bytes.truncate(bytes.size() - page / 2);
    } else if (damage == "pointer" || damage == "loop") {
        // Page 2 (sqlite_master) gets a right-most child: far outside the file, or itself.
        const quint32 child = damage == "pointer" ? 0x7FFFFFF0u : 2u;
        memcpy(bytes.data() + page, &child, 4);
    } else if (damage == "tail") {
        const qsizetype at = bytes.indexOf("create table punkty(");
        const qsizetype length = bytes.indexOf(')', at) + 1 - at;
        QByteArray evil =
            "create table punkty(id,nazwa,stacja,ladunki);"
            "attach 'evil.db' as x;create table x.t(a);--";
        QVERIFY(at > 0 && evil.size() <= length);
        bytes.replace(at, length, evil.leftJustified(length, ' '));
    } else if (damage.contains("punkty")) {
        const qsizetype at = bytes.indexOf("create table punkty(");
        const qsizetype length = bytes.indexOf(')', at) + 1 - at;
        const QByteArray crafted = "create table " + damage.toUtf8() + "(id,nazwa,stacja)";
        QVERIFY(at > 0 && crafted.size() <= length);
        bytes.replace(at, length, crafted.leftJustified(length, ' '));
    } else {
        const qsizetype at = bytes.indexOf("create table punkty(");
        QVERIFY(at > 0);
        bytes.replace(at, 20, "create table listy (");
    }
    testing::WorkDir dir;
    const QString file = dir.file("listy.sdb");
    writeBytes(file, bytes);
    bool failed = false;
    try {
        session::migrateLegacyDatabase(dirOf(dir));
    } catch (const std::runtime_error& e) {
        failed = true;
        QVERIFY(QString(e.what()).size() > 10);
    }
    QVERIFY(failed);
    QCOMPARE(bytesOf(file), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"listy.sdb"}));
}

// What a conversion stopped part-way leaves (its half-built file, the copy of the old one)
// is cleaned up or reused by the next run: no second backup, no stray files.
void LegacyMigrationTest::stoppedConversionIsRedoneCleanly() {
    testing::WorkDir dir;
    QVERIFY(QFile::copy(sample("v2-sample.sdb"), dir.file("listy.sdb")));
    QVERIFY(QFile::copy(sample("v2-sample.sdb"), dir.file("listy.sdb.sqlite2")));
    writeBytes(dir.file("listy.sdb.konwersja"), "half-built");
    writeBytes(dir.file("listy.sdb.sqlite2.zapis"), "");  // a copy stopped part-way
    const files::MigrationResult result = session::migrateLegacyDatabase(dirOf(dir));
    QVERIFY(result.migrated);
    QCOMPARE(QString::fromStdString(result.backupPath), dir.file("listy.sdb.sqlite2"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList({"listy.sdb", "listy.sdb.sqlite2"}));
    QCOMPARE(testing::rowsOf(dir.file("listy.sdb"), "select count(*) from listy"),
             QStringList({"6"}));
}

// Two programs started at the same moment on an old file: one converts it, the other waits
// and finds it converted; neither fails, and nothing stray is left.
void LegacyMigrationTest::twoProgramsAtOnceConvertOnce() {
    for (int round = 0; round < 5; ++round) {
        testing::WorkDir dir;
        QVERIFY(QFile::copy(sample("big-v2.sdb"), dir.file("listy.sdb")));
        const std::string folder = dirOf(dir);
        std::atomic<int> migrated{0}, failed{0};
        auto convert = [&] {
            try {
                migrated += session::migrateLegacyDatabase(folder).migrated ? 1 : 0;
            } catch (const std::exception&) {
                ++failed;
            }
        };
        std::thread first(convert), second(convert);
        first.join();
        second.join();
        QCOMPARE(failed.load(), 0);
        QCOMPARE(migrated.load(), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"listy.sdb", "listy.sdb.sqlite2"}));
        QCOMPARE(testing::rowsOf(dir.file("listy.sdb"), "select count(*) > 1000 from listy"),
                 QStringList({"1"}));
    }
}

void LegacyMigrationTest::journalBesideTheFileStopsEverything() {
    testing::WorkDir dir;
    QVERIFY(QFile::copy(sample("v2-sample.sdb"), dir.file("listy.sdb")));
    writeBytes(dir.file("listy.sdb-journal"), "journal");
    try {
        session::migrateLegacyDatabase(dirOf(dir));
        QFAIL("an interrupted change must stop the conversion");
    } catch (const files::LegacyMigrationError& e) {
        QVERIFY(QString(e.what()).contains("listy.sdb-journal"));
    }
    QCOMPARE(bytesOf(dir.file("listy.sdb")), bytesOf(sample("v2-sample.sdb")));
    QCOMPARE(bytesOf(dir.file("listy.sdb-journal")), QByteArray("journal"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void LegacyMigrationTest::otherFilesAreNotTouched() {
    testing::WorkDir dir;
    QVERIFY(!session::migrateLegacyDatabase(dirOf(dir)).migrated);  // no file at all
    QVERIFY(!QFile::exists(dir.file("listy.sdb")));
    writeBytes(dir.file("listy.sdb"), QByteArray());
    QVERIFY(!session::migrateLegacyDatabase(dirOf(dir)).migrated);  // empty
    testing::execFile(dir.file("listy.sdb"), "create table t(x); insert into t values(1);");
    const QByteArray current = bytesOf(dir.file("listy.sdb"));
    QVERIFY(!session::migrateLegacyDatabase(dirOf(dir)).migrated);  // current format
    QCOMPARE(bytesOf(dir.file("listy.sdb")), current);
}

void LegacyMigrationTest::numericTextsAreCountedAndNamed() {
    // In the big sample, a waybill id of two digits "NM" becomes "0M": the numeric id column
    // keeps it as the number M, which another waybill has too.
    QByteArray bytes = bytesOf(sample("big-v2.sdb"));
    qsizetype place = -1;
    QString id;
    for (const auto& t : testing::readListing(sample("big-v2.txt"))) {
        if (t.name != "listy") continue;
        for (const auto& row : t.rows) {
            const QString candidate = row.value(1).value_or("");
            const QByteArray station = toCp1250(row.value(2).value_or(""));
            if (candidate.size() != 2 || station.isEmpty()) continue;
            const QByteArray p = candidate.toLatin1() + '\0' + station + '\0';
            // Where the id is the record's first field, the byte before it is no digit.
            QList<qsizetype> places;
            for (qsizetype at = bytes.indexOf(p); at >= 0; at = bytes.indexOf(p, at + 1)) {
                if (at > 0 && !isdigit(static_cast<unsigned char>(bytes[at - 1]))) places << at;
            }
            if (places.size() == 1) {
                place = places[0];
                id = candidate;
                break;
            }
        }
    }
    QVERIFY(place > 0);
    bytes[place] = '0';
    testing::WorkDir dir;
    writeBytes(dir.file("listy.sdb"), bytes);
    const files::MigrationResult result = session::migrateLegacyDatabase(dirOf(dir));
    QCOMPARE(result.numericChanges, 1);
    // Waybill ids start at 2, so "00" and "01" have no twin.
    const int number = id.mid(1).toInt();
    QCOMPARE(testing::rowsOf(dir.file("listy.sdb"),
                             QString("select count(*) from listy where id=%1").arg(number)),
             QStringList({number >= 2 ? "2" : "1"}));
    QCOMPARE(testing::rowsOf(dir.file("listy.sdb"), "select count(*) from listy where id=" + id),
             QStringList({"0"}));
    const QString message = QString::fromStdString(session::migrationMessage(result));
    QVERIFY2(message.contains(" 1 "), qPrintable(message));
}

QTEST_GUILESS_MAIN(LegacyMigrationTest)
#include "test_legacy_migration.moc"
