#include "formats/cp1250.h"
#include "formats/create_table_text.h"
#include "formats/sqlite2_reader.h"

#include <QtTest>

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using formats::LegacyFormatError;
using formats::Sqlite2Reader;
using formats::Sqlite2Table;

namespace {

using Value = std::optional<std::string>;

QString samplePath(const QString& name) {
    const QByteArray env = qgetenv("LISTY_LEGACY_DIR");
    const QString dir =
        !env.isEmpty() ? QString::fromLocal8Bit(env)
                       : QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../data/legacy";
    return dir + "/" + name;
}

std::string readBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(bytes.data(), std::streamsize(bytes.size()));
}

// ---- the .txt listings beside the samples ------------------------------------------------

struct ListedTable {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::pair<std::string, std::vector<Value>>> rows;  // rowid text, values
    std::size_t count = 0;
};

struct Listing {
    std::vector<ListedTable> tables;
    std::vector<std::string> comments;
};

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == '\t')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

Value unescape(const std::string& field) {
    if (field == "\\N") return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char e = field[++i];
        out += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
    }
    return out;
}

Listing readListing(const QString& path) {
    Listing listing;
    std::ifstream in(path.toStdString());
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            listing.comments.push_back(line);
            continue;
        }
        const auto f = splitTabs(line);
        if (f[0] == "TABLE") {
            listing.tables.push_back({f.at(1), {}, {}, 0});
        } else if (f[0] == "COLUMNS") {
            listing.tables.back().columns.assign(f.begin() + 2, f.end());
        } else if (f[0] == "ROW") {
            std::vector<Value> values;
            for (std::size_t i = 2; i < f.size(); ++i) values.push_back(unescape(f[i]));
            listing.tables.back().rows.emplace_back(f.at(1), std::move(values));
        } else if (f[0] == "END") {
            listing.tables.back().count = std::stoul(f.at(2));
        }
    }
    return listing;
}

QString str(const std::string& s) {
    return QString::fromStdString(s);
}

QString show(const Value& v) {
    return v ? "'" + str(*v) + "'" : QStringLiteral("NULL");
}

// First difference between what the reader gave and the listing, or an empty string.
QString difference(const Sqlite2Table& got, const ListedTable& want) {
    if (got.name != want.name) return "table name " + str(got.name) + " vs " + str(want.name);
    if (got.columns != want.columns) return str(got.name) + ": columns differ";
    if (got.rows.size() != want.count || got.rows.size() != want.rows.size())
        return str(got.name) +
               QString(": %1 rows, listing has %2").arg(got.rows.size()).arg(want.count);
    for (std::size_t r = 0; r < got.rows.size(); ++r) {
        const auto& row = got.rows[r];
        const auto& [rowid, values] = want.rows[r];
        const QString at = str(got.name) + " row " + QString::number(r) + ": ";
        if (std::to_string(row.rowid) != rowid)
            return at + QString("rowid %1 vs %2").arg(row.rowid).arg(str(rowid));
        if (row.values.size() != values.size())
            return at + QString("%1 values vs %2").arg(row.values.size()).arg(values.size());
        for (std::size_t c = 0; c < values.size(); ++c) {
            const Value decoded =
                row.values[c] ? Value(formats::cp1250ToUtf8(*row.values[c])) : std::nullopt;
            if (decoded != values[c])
                return at + "column " + str(got.columns[c]) + ": " + show(decoded) + " vs " +
                       show(values[c]);
        }
    }
    return {};
}

// ---- a writer of small SQLite 2 files, for what the samples do not contain ---------------

class FileBuilder {
public:
    explicit FileBuilder(bool bigEndian)
        : bigEndian_(bigEndian), pages_(2, std::string(1024, '\0')) {
        const std::string text = "** This file contains an SQLite 2.1 database **";
        pages_[0].replace(0, text.size(), text);
        put32(pages_[0], 48, 0xDAE37528u);
        put32(pages_[0], 64, 4);
    }

    std::uint32_t newPage() {
        pages_.emplace_back(1024, '\0');
        return std::uint32_t(pages_.size());
    }

    // Writes a leaf page. Cells are placed in reverse order but linked in rowid order, so
    // the reader has to follow the links.
    void leaf(std::uint32_t page, const std::vector<std::pair<std::int32_t, std::string>>& rows) {
        std::size_t at = 8;
        std::vector<std::size_t> offsets(rows.size());
        for (std::size_t i = rows.size(); i-- > 0;) {
            offsets[i] = at;
            at += writeCell(page, at, rows[i].first, rows[i].second);
        }
        std::string& p = pages_[page - 1];  // only now: overflow pages grow pages_
        put16(p, 4, rows.empty() ? 0 : std::uint16_t(offsets[0]));
        for (std::size_t i = 0; i < rows.size(); ++i)
            put16(p, offsets[i] + 6, i + 1 < rows.size() ? std::uint16_t(offsets[i + 1]) : 0);
        if (at < 1024) {
            put16(p, 6, std::uint16_t(at));
            put16(p, at, std::uint16_t(1024 - at));
        }
    }

    std::string bytes() const {
        std::string out;
        for (const auto& p : pages_) out += p;
        return out;
    }

    static std::string record(const std::vector<Value>& fields) {
        std::size_t body = 0;
        for (const auto& f : fields) body += f ? f->size() + 1 : 0;
        std::size_t w = 1;
        while ((fields.size() + 1) * w + body >= (w == 1 ? 256u : w == 2 ? 65536u : ~0u)) ++w;
        std::string out;
        std::size_t off = (fields.size() + 1) * w;
        auto putOffset = [&](std::size_t v) {
            for (std::size_t b = 0; b < w; ++b) out += char(v >> (8 * b) & 0xFF);
        };
        putOffset(off);
        for (const auto& f : fields) putOffset(off += f ? f->size() + 1 : 0);
        for (const auto& f : fields)
            if (f) out += *f + '\0';
        return out;
    }

private:
    std::size_t writeCell(std::uint32_t page, std::size_t at, std::int32_t rowid,
                          const std::string& data) {
        const std::uint32_t key = std::uint32_t(rowid) ^ 0x80000000u;
        std::string payload{char(key >> 24), char(key >> 16), char(key >> 8), char(key)};
        payload += data;
        std::string& p = pages_[page - 1];
        put16(p, at + 4, 4);
        p[at + 8] = 0;
        p[at + 9] = char(data.size() >> 16);
        put16(p, at + 10, std::uint16_t(data.size()));
        if (payload.size() <= 236) {
            p.replace(at + 12, payload.size(), payload);
            return 12 + (payload.size() + 3) / 4 * 4;
        }
        p.replace(at + 12, 236, payload, 0, 236);
        std::size_t link = at + 248;  // where the next page number goes
        std::uint32_t linkPage = page;
        for (std::size_t done = 236; done < payload.size(); done += 1020) {
            const std::uint32_t o = newPage();
            put32(pages_[linkPage - 1], link, o);
            pages_[o - 1].replace(4, std::min<std::size_t>(1020, payload.size() - done), payload,
                                  done, 1020);
            link = 0;
            linkPage = o;
        }
        return 252;
    }

    void put16(std::string& p, std::size_t at, std::uint16_t v) const {
        p[at + (bigEndian_ ? 1 : 0)] = char(v & 0xFF);
        p[at + (bigEndian_ ? 0 : 1)] = char(v >> 8);
    }
    void put32(std::string& p, std::size_t at, std::uint32_t v) const {
        for (int b = 0; b < 4; ++b)
            p[at + std::size_t(bigEndian_ ? 3 - b : b)] = char(v >> (8 * b) & 0xFF);
    }

    bool bigEndian_;
    std::vector<std::string> pages_;
};

// ---- helpers to damage a little-endian sample in place -------------------------------------

std::size_t pageStart(std::uint32_t page) {
    return std::size_t(page - 1) * 1024;
}

std::uint16_t get16(const std::string& b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

std::uint32_t get32(const std::string& b, std::size_t at) {
    return std::uint32_t(get16(b, at)) | std::uint32_t(get16(b, at + 2)) << 16;
}

void set16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

void set32(std::string& b, std::size_t at, std::uint32_t v) {
    set16(b, at, std::uint16_t(v));
    set16(b, at + 2, std::uint16_t(v >> 16));
}

// File offset of the first cell (in list order) of a page.
std::size_t firstCell(const std::string& b, std::uint32_t page) {
    return pageStart(page) + get16(b, pageStart(page) + 4);
}

std::uint32_t rootOf(const Listing& listing, const std::string& table) {
    for (const auto& [rowid, v] : listing.tables.at(0).rows)
        if (v.at(1) == table) return std::uint32_t(std::stoul(*v.at(3)));
    return 0;
}

}  // namespace

class TestSqlite2Reader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsSamples_data();
    void readsSamples();
    void readsLongRowAndInteriorCells();
    void recognisesHeader_data();
    void recognisesHeader();
    void parsesColumnNames_data();
    void parsesColumnNames();
    void readsBuiltFile_data();
    void readsBuiltFile();
    void rejectsDamagedSamples_data();
    void rejectsDamagedSamples();
    void checksFreeList();
    void survivesEverySingleByteChange_data();
    void survivesEverySingleByteChange();
};

// A checkout without its samples fails here, once and by name, instead of reading nothing.
void TestSqlite2Reader::initTestCase() {
    for (const char* name : {"v1-sample", "v2-sample", "empty-v2", "big-v2"}) {
        for (const char* ext : {".sdb", ".txt"}) {
            const QString path = samplePath(QString::fromLatin1(name) + ext);
            QVERIFY2(QFileInfo(path).isFile(), qPrintable("test sample missing: " + path));
        }
    }
}

void TestSqlite2Reader::readsSamples_data() {
    QTest::addColumn<QString>("sample");
    for (const char* s : {"v2-sample", "v1-sample", "empty-v2", "big-v2"})
        QTest::newRow(s) << QString(s);
}

void TestSqlite2Reader::readsSamples() {
    QFETCH(QString, sample);
    const Listing listing = readListing(samplePath(sample + ".txt"));
    QVERIFY2(listing.tables.size() > 1, "sample listing not found or empty");

    const auto reader = Sqlite2Reader::fromFile(samplePath(sample + ".sdb").toStdString());
    QVERIFY(!reader.bigEndian());
    const Sqlite2Table master = reader.masterTable();
    QString diff = difference(master, listing.tables[0]);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    const auto tables = reader.tables();
    QCOMPARE(tables.size() + 1, listing.tables.size());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        diff = difference(tables[i], listing.tables[i + 1]);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QCOMPARE(tables[i].createSql, *master.rows[i].values[4]);
        QCOMPARE(tables[i].rootPage, rootOf(listing, tables[i].name));
    }
}

// big-v2: a 4-level tree with rows on interior pages, a gap in the rowids, a record on
// three overflow pages; its listing also carries a hash of the raw Windows-1250 rows.
void TestSqlite2Reader::readsLongRowAndInteriorCells() {
    const Listing listing = readListing(samplePath("big-v2.txt"));
    const auto tables = Sqlite2Reader::fromFile(samplePath("big-v2.sdb").toStdString()).tables();
    QCOMPARE(tables.size(), std::size_t(5));
    const Sqlite2Table& listy = tables[0];
    QCOMPARE(listy.name, std::string("listy"));

    QByteArray raw;
    for (const auto& row : listy.rows) {
        raw += QByteArray::number(row.rowid);
        for (const auto& v : row.values) {
            QVERIFY(v.has_value());
            raw += '\t' + QByteArray::fromStdString(*v);
        }
        raw += '\n';
    }
    QString expected;
    for (const auto& c : listing.comments)
        if (c.rfind("# SUMMARY listy sha256 (cp1250): ", 0) == 0)
            expected = str(c.substr(c.rfind(' ') + 1));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QString(QCryptographicHash::hash(raw, QCryptographicHash::Sha256).toHex()), expected);

    const auto gap =
        std::adjacent_find(listy.rows.begin(), listy.rows.end(),
                           [](const auto& a, const auto& b) { return b.rowid != a.rowid + 1; });
    QVERIFY(gap != listy.rows.end());
    QCOMPARE(gap->rowid, 999);
    QCOMPARE((gap + 1)->rowid, 1300);

    const Sqlite2Table& punkty = tables[4];
    QCOMPARE(punkty.name, std::string("punkty"));
    const auto longRow = std::find_if(punkty.rows.begin(), punkty.rows.end(),
                                      [](const auto& r) { return r.values[0] == "7"; });
    QVERIFY(longRow != punkty.rows.end());
    QCOMPARE(longRow->values[3]->size(), std::size_t(2400));
}

void TestSqlite2Reader::recognisesHeader_data() {
    QTest::addColumn<QByteArray>("content");  // written to a file; "-" means no file at all
    QTest::addColumn<bool>("expected");

    const std::string sample = readBytes(samplePath("v2-sample.sdb"));
    QTest::newRow("v2 sample") << QByteArray::fromStdString(sample) << true;
    QTest::newRow("big sample") << QByteArray::fromStdString(readBytes(samplePath("big-v2.sdb")))
                                << true;
    QTest::newRow("header only") << QByteArray::fromStdString(sample.substr(0, 52)) << true;
    QTest::newRow("header cut before magic")
        << QByteArray::fromStdString(sample.substr(0, 51)) << false;
    std::string swapped = sample.substr(0, 1024);
    std::reverse(swapped.begin() + 48, swapped.begin() + 52);
    QTest::newRow("big-endian magic") << QByteArray::fromStdString(swapped) << true;
    std::string badMagic = sample;
    badMagic[50] = 0;
    QTest::newRow("wrong magic") << QByteArray::fromStdString(badMagic) << false;
    QTest::newRow("header without NUL")
        << QByteArray::fromStdString(std::string(sample).replace(47, 1, " ")) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("text file") << QByteArray("** This file contains an SQLite 2.0 database **\n")
                               << false;
    QTest::newRow("no file") << QByteArray("-") << false;
    QTest::newRow("sqlite 3 file") << QByteArray("sqlite3") << false;
}

void TestSqlite2Reader::recognisesHeader() {
    QFETCH(QByteArray, content);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("listy.sdb");
    if (content == "sqlite3") {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "create table admin(key varchar[10], value varchar[20])", nullptr,
                              nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
    } else if (content != "-") {
        writeBytes(path, content.toStdString());
    }
    QCOMPARE(formats::isSqlite2File(path.toStdString()), expected);
    QVERIFY(!formats::hasSqlite2Journal(path.toStdString()));
    writeBytes(path + "-journal", "");
    QVERIFY(formats::hasSqlite2Journal(path.toStdString()));
    if (!expected && content != "-") {
        QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader::fromFile(path.toStdString()));
    }
}

void TestSqlite2Reader::parsesColumnNames_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("columns");  // joined by '|'; empty: must be rejected
    QTest::addColumn<int>("rowidColumn");

    QTest::newRow("application table")
        << "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], rodz_wag "
           "varchar[20], "
           "ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20])"
        << "id|st_nad|nadawca|rodz_wag|ladunek|odbiorca|st_odb" << -1;
    QTest::newRow("quoted names") << R"(CREATE TABLE "a b"("x""y" text, [z z] int, 'q' , `w`))"
                                  << R"(x"y|z z|q|w)" << -1;
    QTest::newRow("no types, odd spacing") << "create table t ( a ,b,\n\tc )"
                                           << "a|b|c" << -1;
    QTest::newRow("nested parentheses")
        << "create table t(a decimal(10, 2) default (1+2), b varchar(3) check (b in ('x', 'y,z')))"
        << "a|b" << -1;
    QTest::newRow("table constraints")
        << "create table t(a, b, constraint pk primary key (a, b), unique (b), check (a > 0))"
        << "a|b" << -1;
    QTest::newRow("comments") << "create table t(a /* x, y */ int, -- z,\n b)"
                              << "a|b" << -1;
    QTest::newRow("temp table, db prefix") << "CREATE TEMP TABLE main.t(a)"
                                           << "a" << -1;
    QTest::newRow("integer primary key")
        << "create table t(name text, id INTEGER not null PRIMARY KEY)"
        << "name|id" << 1;
    QTest::newRow("pk as table constraint") << "create table t(id integer, n, primary key(id))"
                                            << "id|n" << 0;
    QTest::newRow("pk on two columns") << "create table t(id integer, n, primary key(id, n))"
                                       << "id|n" << -1;
    QTest::newRow("pk not plain integer") << "create table t(id integer[5] primary key, n)"
                                          << "id|n" << -1;
    QTest::newRow("pk int") << "create table t(id int primary key)"
                            << "id" << -1;
    QTest::newRow("not create") << "select 1"
                                << "" << -1;
    QTest::newRow("view") << "create view v as select 1"
                          << "" << -1;
    QTest::newRow("as select") << "create table t as select 1"
                               << "" << -1;
    QTest::newRow("unclosed list") << "create table t(a, b"
                                   << "" << -1;
    QTest::newRow("unclosed quote") << "create table t(\"a, b)"
                                    << "" << -1;
    QTest::newRow("empty column") << "create table t(a,, b)"
                                  << "" << -1;
    QTest::newRow("no columns") << "create table t()"
                                << "" << -1;
}

void TestSqlite2Reader::parsesColumnNames() {
    QFETCH(QString, sql);
    QFETCH(QString, columns);
    QFETCH(int, rowidColumn);
    if (columns.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(LegacyFormatError,
                                 formats::parseCreateTableColumns(sql.toStdString()));
        return;
    }
    int pk = -2;
    const auto got = formats::parseCreateTableColumns(sql.toStdString(), pk);
    QStringList names;
    for (const auto& c : got) names << str(c);
    QCOMPARE(names.join('|'), columns);
    QCOMPARE(pk, rowidColumn);
}

void TestSqlite2Reader::readsBuiltFile_data() {
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

// What the samples lack: the other byte order, INTEGER PRIMARY KEY, negative rowids, records
// shorter than the table, 2- and 3-byte record offsets, indexes, views and an all-zero root.
void TestSqlite2Reader::readsBuiltFile() {
    QFETCH(bool, bigEndian);
    FileBuilder b(bigEndian);
    const std::uint32_t t = b.newPage(), index = b.newPage(), longRoot = b.newPage(),
                        zero = b.newPage();
    const std::string huge(70000, 'z');
    const std::string medium(300, '\xB3');
    b.leaf(t, {{-3, FileBuilder::record({std::nullopt, "minus", std::nullopt})},
               {1, FileBuilder::record({std::nullopt, "", "x"})},
               {7, FileBuilder::record({std::nullopt, "short"})}});
    b.leaf(longRoot,
           {{1, FileBuilder::record({"A", huge})}, {2, FileBuilder::record({"b", medium})}});
    b.leaf(
        2,
        {{1, FileBuilder::record(
                 {"table", "t", "t", std::to_string(t),
                  "CREATE TABLE t(id INTEGER PRIMARY KEY, name varchar(20), note text)"})},
         {2, FileBuilder::record(
                 {"index", "(t autoindex 1)", "t", std::to_string(index), std::nullopt})},
         {3, FileBuilder::record({"view", "v", "v", "0", "create view v as select * from t"})},
         {4, FileBuilder::record(
                 {"table", "long", "long", std::to_string(longRoot), "create table long(a, b)"})},
         {5, FileBuilder::record({"trigger", "tr", "t", "0",
                                  "create trigger tr after insert on t begin select 1; end"})},
         {6, FileBuilder::record({"table", "z", "z", std::to_string(zero), "create table z(a)"})}});

    const Sqlite2Reader reader(b.bytes());
    QCOMPARE(reader.bigEndian(), bigEndian);
    QCOMPARE(reader.masterTable().rows.size(), std::size_t(6));
    const auto tables = reader.tables();
    QCOMPARE(tables.size(), std::size_t(3));

    const auto& tt = tables[0];
    QCOMPARE(tt.name, std::string("t"));
    QCOMPARE(tt.rows.size(), std::size_t(3));
    QCOMPARE(tt.rows[0].rowid, -3);
    QVERIFY(tt.rows[0].values == (std::vector<Value>{"-3", "minus", std::nullopt}));
    QVERIFY(tt.rows[1].values == (std::vector<Value>{"1", "", "x"}));
    QVERIFY(tt.rows[2].values == (std::vector<Value>{"7", "short", std::nullopt}));

    const auto& lt = tables[1];
    QCOMPARE(lt.name, std::string("long"));
    QCOMPARE(lt.rows.size(), std::size_t(2));
    QVERIFY(lt.rows[0].values == (std::vector<Value>{"A", huge}));
    QVERIFY(lt.rows[1].values == (std::vector<Value>{"b", medium}));

    QCOMPARE(tables[2].name, std::string("z"));
    QVERIFY(tables[2].rows.empty());
    QVERIFY(reader.freePages().empty());
}

void TestSqlite2Reader::rejectsDamagedSamples_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");  // part of the error text

    const QList<QPair<QString, QString>> everywhere{
        {"bad magic", "bad magic number"},
        {"bad header text", "not an SQLite 2.x database"},
        {"truncated mid-page", "not a whole number of 1024-byte pages"},
        {"truncated at a page", "outside the file"},
        {"root page zero", "outside the file"},
        {"root page not a number", "not a page number"},
        {"format number", "newer than 4"},
        {"child loop", "reached a second time"},
        {"cell list loop", "cell list loops"},
        {"cell offset past page", "not a valid position"},
        {"cell offset unaligned", "not a valid position"},
        {"huge data length", "more than the whole file holds"},
        {"key length", "not 4"},
        {"rowids out of order", "out of order"},
        {"record offset", "first field offset"},
        {"record longer than table", "declares 5 columns"},
        {"unterminated field", "not terminated"},
        {"free block in cell", "free block"},
        {"table sql missing", "no create statement"},
        {"table sql garbled", "table 'listy': create statement does not start with CREATE"},
    };
    for (const char* s : {"v2-sample", "v1-sample", "empty-v2", "big-v2"})
        for (const auto& [damage, message] : everywhere)
            QTest::addRow("%s: %s", s, qPrintable(damage)) << QString(s) << damage << message;
    QTest::newRow("big-v2: child out of range") << "big-v2"
                                                << "child out of range"
                                                << "outside the file";
    QTest::newRow("big-v2: leaf cell with child") << "big-v2"
                                                  << "leaf with child"
                                                  << "leaf page has a child";
    QTest::newRow("big-v2: overflow loop") << "big-v2"
                                           << "overflow loop"
                                           << "reached a second time";
    QTest::newRow("big-v2: overflow ends early") << "big-v2"
                                                 << "overflow ends early"
                                                 << "before the end of the payload";
    QTest::newRow("big-v2: overflow runs on") << "big-v2"
                                              << "overflow runs on"
                                              << "past the end of the payload";
    QTest::newRow("big-v2: page shared by two tables") << "big-v2"
                                                       << "shared page"
                                                       << "reached a second time";
}

void TestSqlite2Reader::rejectsDamagedSamples() {
    QFETCH(QString, sample);
    QFETCH(QString, damage);
    QFETCH(QString, message);
    const Listing listing = readListing(samplePath(sample + ".txt"));
    std::string b = readBytes(samplePath(sample + ".sdb"));
    QVERIFY(b.size() > 2048);
    const std::uint32_t pages = std::uint32_t(b.size() / 1024);
    const std::uint32_t listy = rootOf(listing, "listy"), admin = rootOf(listing, "admin");
    const std::size_t masterCell = firstCell(b, 2);

    if (damage == "bad magic") {
        set32(b, 48, 0x12345678);
    } else if (damage == "bad header text") {
        b[3] = 't';
    } else if (damage == "truncated mid-page") {
        b.resize(b.size() - 100);
    } else if (damage == "truncated at a page") {
        b.resize(std::size_t(pages > 7 ? pages / 2 : pages - 1) * 1024);
    } else if (damage == "root page zero" || damage == "root page not a number") {
        const std::string entry = std::string("listy\0listy\0", 12) + std::to_string(listy) + '\0';
        const auto at = b.find(entry, pageStart(2));
        QVERIFY(at != std::string::npos && at < pageStart(3));
        b[at + 12] = damage == "root page zero" ? '0' : 'x';
    } else if (damage == "format number") {
        set32(b, 64, 5);
    } else if (damage == "child loop") {
        // The table's root page names itself as its children.
        set32(b, pageStart(listy), listy);
        for (std::size_t c = get16(b, pageStart(listy) + 4); c != 0;
             c = get16(b, pageStart(listy) + c + 6))
            set32(b, pageStart(listy) + c, listy);
    } else if (damage == "cell list loop") {
        set16(b, masterCell + 6, std::uint16_t(masterCell - pageStart(2)));
    } else if (damage == "cell offset past page") {
        set16(b, pageStart(2) + 4, 1020);
    } else if (damage == "cell offset unaligned") {
        set16(b, pageStart(2) + 4, std::uint16_t(masterCell - pageStart(2) + 2));
    } else if (damage == "huge data length") {
        b[masterCell + 9] = char(0xFF);
    } else if (damage == "key length") {
        set16(b, masterCell + 4, 5);
    } else if (damage == "rowids out of order") {
        const std::size_t first = firstCell(b, admin);
        const std::size_t second = pageStart(admin) + get16(b, first + 6);
        for (int i = 0; i < 4; ++i)
            std::swap(b[first + 12 + std::size_t(i)], b[second + 12 + std::size_t(i)]);
    } else if (damage == "record offset") {
        b[masterCell + 16] = char(0xF0);
    } else if (damage == "record longer than table") {
        b[masterCell + 16] = 7;  // first offset 7 with 1-byte offsets: 6 fields
    } else if (damage == "unterminated field") {
        // The type text 'table' of the first schema row loses its zero byte.
        const std::size_t rec = masterCell + 16;
        b[rec + std::uint8_t(b[rec + 1]) - 1] = 'X';
    } else if (damage == "free block in cell") {
        set16(b, pageStart(2) + 6, std::uint16_t(masterCell - pageStart(2)));
    } else if (damage == "table sql missing") {
        // Make the last field of the first schema row NULL by ending the record at 'rootpage'.
        const std::size_t rec = masterCell + 16;
        b[rec + 5] = b[rec + 4];
        set16(b, masterCell + 10, std::uint8_t(b[rec + 4]));
    } else if (damage == "table sql garbled") {
        const auto at = b.find("create table listy(", pageStart(2));
        QVERIFY(at < pageStart(3));
        b[at + 2] = '_';
    } else if (damage == "child out of range") {
        set32(b, firstCell(b, listy), 0x00FFFFFF);
    } else if (damage == "leaf with child") {
        // A leaf under the root's first cell points down to page 2.
        std::uint32_t page = listy;
        while (get32(b, pageStart(page)) != 0) page = get32(b, firstCell(b, page));
        set32(b, firstCell(b, page), 2);
    } else if (damage.startsWith("overflow")) {
        const std::uint32_t punkty = rootOf(listing, "punkty");
        std::size_t cell = firstCell(b, punkty);
        while (cell != pageStart(punkty) && std::uint8_t(b[cell + 9]) == 0 &&
               get16(b, cell + 10) <= 232)
            cell = pageStart(punkty) + get16(b, cell + 6);
        QVERIFY(cell != pageStart(punkty));
        const std::uint32_t first = get32(b, cell + 248);
        const std::uint32_t second = get32(b, pageStart(first));
        QVERIFY(second != 0 && get32(b, pageStart(second)) != 0);
        if (damage == "overflow loop")
            set32(b, pageStart(second), first);
        else if (damage == "overflow ends early")
            set32(b, pageStart(second), 0);
        else
            set32(b, pageStart(get32(b, pageStart(second))), 2);
    } else if (damage == "shared page") {
        // A child of listy's root is admin's root: it reads (wrongly) as part of listy, and
        // then admin finds its root taken.
        set32(b, firstCell(b, listy), admin);
    } else {
        QFAIL("unknown damage");
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("listy.sdb");
    writeBytes(path, b);
    try {
        (void)Sqlite2Reader::fromFile(path.toStdString()).tables();
        QFAIL("damaged file was read without an error");
    } catch (const LegacyFormatError& e) {
        const QString what = QString::fromUtf8(e.what());
        QVERIFY2(what.contains(message), qPrintable(what));
    }
}

void TestSqlite2Reader::checksFreeList() {
    std::string b = readBytes(samplePath("big-v2.sdb"));
    const auto freePages = Sqlite2Reader(b).freePages();
    QCOMPARE(freePages.size(), std::size_t(35));
    QCOMPARE(freePages.front(), 138u);
    QCOMPARE(std::set<std::uint32_t>(freePages.begin(), freePages.end()).size(), freePages.size());

    const std::size_t trunk = pageStart(138);
    std::string loop = b;
    set32(loop, trunk + 12, 138);
    QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader(loop).freePages());
    QCOMPARE(Sqlite2Reader(loop).tables().size(), std::size_t(5));  // tables do not need the list
    std::string chain = b;
    set32(chain, trunk, 138);
    QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader(chain).freePages());
    std::string count = b;
    set32(count, 56, 36);
    QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader(count).freePages());
    std::string leaves = b;
    set32(leaves, trunk + 4, 255);
    QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader(leaves).freePages());
    std::string range = b;
    set32(range, trunk + 8, 300);
    QVERIFY_THROWS_EXCEPTION(LegacyFormatError, Sqlite2Reader(range).freePages());
}

void TestSqlite2Reader::survivesEverySingleByteChange_data() {
    QTest::addColumn<QString>("sample");
    QTest::newRow("v2-sample") << "v2-sample";
    QTest::newRow("empty-v2") << "empty-v2";
}

// Every byte of a sample set to 0x00, 0xFF and flipped in its low bit: each copy reads or
// fails with LegacyFormatError; any other exception fails here, a crash or hang fails the run.
void TestSqlite2Reader::survivesEverySingleByteChange() {
    QFETCH(QString, sample);
    const std::string original = readBytes(samplePath(sample + ".sdb"));
    QVERIFY(!original.empty());
    int rejected = 0, read = 0;
    for (std::size_t at = 0; at < original.size(); ++at) {
        for (int change = 0; change < 3; ++change) {
            std::string b = original;
            b[at] = change == 0 ? '\0' : change == 1 ? char(0xFF) : char(b[at] ^ 1);
            if (b[at] == original[at]) continue;
            try {
                const Sqlite2Reader reader(std::move(b));
                for (const auto& t : reader.tables())
                    for (const auto& row : t.rows) QVERIFY(row.values.size() == t.columns.size());
                (void)reader.freePages();
                ++read;
            } catch (const LegacyFormatError&) {
                ++rejected;
            }
        }
    }
    // Changes to values, stale bytes and padding still read; changes to structure do not.
    QVERIFY(read > 0);
    QVERIFY(rejected > 0);
}

QTEST_GUILESS_MAIN(TestSqlite2Reader)
#include "test_sqlite2_reader.moc"
