// Sharing a meeting's data without windows: the CSV reader and writer, export and import
// of the four lists, the duplicate rules, refusals by line number, merging another Listy
// file (old format included, never written), backups in kopie/ and their restore, and the
// database at a given location.

#include <iconv.h>
#include <xlsxwriter.h>
#include <zlib.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/database_location.h"
#include "files/maintenance.h"
#include "formats/csv.h"
#include "formats/encoding.h"
#include "formats/exchange.h"
#include "formats/import_files.h"
#include "formats/list_reader.h"
#include "formats/sqlite2_reader.h"
#include "formats/workbook.h"
#include "model/messages.h"
#include "model/schema.h"
#include "model/transaction.h"
#include "model/wagons.h"
#include "session/old_format.h"
#include "session/startup.h"
#include "support/legacy_listing.h"
#include "support/session_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::execFile;
using testing::rowsOf;

namespace {

std::vector<formats::csv::Record> records(const std::string& text) {
    std::vector<formats::csv::Record> out;
    formats::csv::parse(text, [&](formats::csv::Record&& r) { out.push_back(std::move(r)); });
    return out;
}

// The error line and text of reading `bytes` as one CSV file into an empty database.
QString refusalOf(const std::string& bytes) {
    formats::ExchangeData data;
    formats::ExchangeReport report;
    formats::readCsv("plik.csv", bytes, data, report);
    return report.refusals.empty() ? QString() : QString::fromStdString(report.refusals.front());
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
}

QString sample(const QString& name) {
    return testing::legacySampleDir() + "/" + name;
}

// Texts a spreadsheet or a careless writer would change.
const char* const kTricky[] = {"007",          "1-2",        "1,5",        "Łódź Kaliska",
                               "a;b",          "say \"hi\"", "two\nlines", "cr\r\nlf",
                               " lead",        "trail ",     "",           "ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż",
                               "'apos'",       "=1+2",       "1e5",        "2024-01-02",
                               "€ „cudzysłów”"};

QString tableRows(const QString& file, const QString& table, const QString& columns) {
    return rowsOf(file, "select " + columns + " from " + table + " order by rowid").join('\n');
}

constexpr const char* kWaybillColumns = "st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb";

// A zip archive of the given entries, each stored or deflated, as spreadsheets write them.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries,
                  bool deflated = false) {
    std::string out, directory;
    auto put = [](std::string& to, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) to += char((v >> (8 * i)) & 0xFF);
    };
    for (const auto& [name, data] : entries) {
        std::string packed = data;
        if (deflated) {
            z_stream z{};
            deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
            packed.assign(deflateBound(&z, uLong(data.size())), '\0');
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
            z.avail_in = uInt(data.size());
            z.next_out = reinterpret_cast<Bytef*>(packed.data());
            z.avail_out = uInt(packed.size());
            deflate(&z, Z_FINISH);
            packed.resize(z.total_out);
            deflateEnd(&z);
        }
        const auto crc =
            std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
        const auto offset = std::uint32_t(out.size());
        auto common = [&](std::string& to) {
            put(to, 20, 2);                // version needed
            put(to, 0, 2);                 // flags
            put(to, deflated ? 8 : 0, 2);  // method
            put(to, 0, 4);                 // time, date
            put(to, crc, 4);
            put(to, std::uint32_t(packed.size()), 4);
            put(to, std::uint32_t(data.size()), 4);
            put(to, std::uint32_t(name.size()), 2);
            put(to, 0, 2);  // extra
        };
        put(out, 0x04034b50, 4);
        common(out);
        out += name + packed;
        put(directory, 0x02014b50, 4);
        put(directory, 20, 2);  // made by
        common(directory);
        put(directory, 0, 2);  // comment
        put(directory, 0, 4);  // disk, internal attributes
        put(directory, 0, 4);  // external attributes
        put(directory, offset, 4);
        directory += name;
    }
    const auto at = std::uint32_t(out.size());
    out += directory;
    put(out, 0x06054b50, 4);
    put(out, 0, 4);
    put(out, std::uint32_t(entries.size()), 2);
    put(out, std::uint32_t(entries.size()), 2);
    put(out, std::uint32_t(directory.size()), 4);
    put(out, at, 4);
    put(out, 0, 2);
    return out;
}

// An OpenDocument spreadsheet with one sheet of the given rows of cells (each cell's XML).
std::string odsOf(const std::string& sheet, const std::vector<std::vector<std::string>>& rows) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "office:version=\"1.2\"><office:body><office:spreadsheet>"
        "<table:table table:name=\"" +
        sheet + "\">";
    for (const auto& row : rows) {
        if (row.size() == 1 && row[0].rfind("<table:table-row", 0) == 0) {
            xml += row[0];  // a row written whole
            continue;
        }
        xml += "<table:table-row>";
        for (const auto& cell : row) xml += cell;
        xml += "</table:table-row>";
    }
    xml += "</table:table></office:spreadsheet></office:body></office:document-content>";
    return zipOf(
        {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", xml}});
}

std::string textCell(const std::string& text) {
    return "<table:table-cell office:value-type=\"string\"><text:p>" + text +
           "</text:p></table:table-cell>";
}

// The import through the session's door: files inspected, read as UTF-8 or workbooks.
formats::ExchangeReport importPaths(session::Session& s, const std::vector<std::string>& paths) {
    return s.importFiles(paths);
}

// The same with an encoding for each file that needs one, as the window asks for it.
formats::ExchangeReport importWith(
    session::Session& s,
    const std::vector<std::pair<std::string, std::optional<model::Encoding>>>& files) {
    std::vector<std::string> paths;
    for (const auto& f : files) paths.push_back(f.first);
    std::vector<formats::ImportFile> inspected = s.inspectImport(paths);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (inspected[i].kind == formats::ImportFile::Kind::NeedsEncoding)
            inspected[i].encoding = files[i].second;
    }
    return s.importFiles(inspected);
}

// The bytes of a workbook the program exported from `d`.
std::string exportedWorkbook(testing::TestSession& d) {
    const QString path = d.dir.file("wymiana.xlsx");
    d.session.exportWorkbook(path.toStdString());
    return bytesOf(path).toStdString();
}

// The first refusal of reading `bytes` as a workbook.
QString workbookRefusal(const std::string& bytes, const formats::WorkbookLimits& limits = {}) {
    formats::ExchangeData data;
    formats::ExchangeReport report;
    formats::readWorkbook("arkusz.xlsx", bytes, data, report, limits);
    return report.refusals.empty() ? QString() : QString::fromStdString(report.refusals.front());
}

}  // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void readerHandlesRfc4180();
    void readerRefusesHostileInput_data();
    void readerRefusesHostileInput();
    void csvFromAnySpreadsheetKeepsEveryLetter_data();
    void csvFromAnySpreadsheetKeepsEveryLetter();
    void encodingsMatchTheSystemTablesAndAreRankedByNameLetters();
    void tooManyRowsAreRefusedWithTheLine();
    void colourWords();
    void exportWritesExactHeadersAndQuotedValues();
    void roundTripOfTenThousandWaybillsIsByteForByte();
    void workbookRoundTripOfTenThousandWaybillsIsByteForByte();
    void openDocumentSheetsAreReadByTheirHeaders();
    void craftedWorkbooksAreRefusedBeforeAnythingIsWritten_data();
    void craftedWorkbooksAreRefusedBeforeAnythingIsWritten();
    void waybillsNamingAbsentEntriesAreImportedWithANote();
    void duplicatesAreMatchedAsMultisets();
    void stationsAreMatchedByName();
    void anyRefusedRowWritesNothing();
    void headerWithoutRowsSaysSo();
    void listsAreKnownByTheirHeaderInEveryLanguage_data();
    void listsAreKnownByTheirHeaderInEveryLanguage();
    void unknownHeaderNamesTheHeadersOfTheMessagesLanguage();
    void exportInEveryLanguageReadsBack_data();
    void exportInEveryLanguageReadsBack();
    void filesAreTakenInAnyOrder();
    void mergeOfACurrentFile();
    void mergeOfAnOldFormatFileLeavesItUnchanged();
    void mergeOfAVersionOneFileGivesWhiteStations();
    void mergeRefusesAForeignFile();
    void backupsAreWrittenAndRotated();
    void restorePutsTheCopyBackAfterBackingUp();
    void restoreRefusesADamagedCopy();
    void givenLocationIsUsedForEveryFile();
};

void ExchangeTest::readerHandlesRfc4180() {
    const auto r = records("a;\"b;c\";\"d\"\"e\"\r\n\"multi\r\nline\";x\n\n;\r\nlast;\"\"");
    QCOMPARE(r.size(), std::size_t(3 + 1));
    QCOMPARE(r[0].fields, (std::vector<std::string>{"a", "b;c", "d\"e"}));
    QCOMPARE(r[0].line, 1L);
    QCOMPARE(r[1].fields, (std::vector<std::string>{"multi\r\nline", "x"}));
    QCOMPARE(r[1].line, 2L);
    QCOMPARE(r[2].fields, (std::vector<std::string>{"", ""}));
    QCOMPARE(r[2].line, 5L);  // the empty line 4 is no record
    QCOMPARE(r[3].fields, (std::vector<std::string>{"last", ""}));
    QCOMPARE(formats::csv::quote("a\"b"), std::string("\"a\"\"b\""));
    QCOMPARE(formats::csv::line({"x", "y;z"}), std::string("\"x\";\"y;z\"\r\n"));
}

void ExchangeTest::readerRefusesHostileInput_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QByteArray header = "Nazwa;Rodzaj wagonu\r\n";
    QTest::newRow("broken quote") << header + "a;b\r\n\"open;x\r\nmore\r\n"
                                  << "plik.csv, wiersz 3: cudzysłów";
    QTest::newRow("text after quote") << header + "\"a\"x;b\r\n"
                                      << "plik.csv, wiersz 2: po zamykającym";
    QTest::newRow("quote inside") << header + "a\"b;c\r\n"
                                  << "plik.csv, wiersz 2: cudzysłów wewnątrz";
    QTest::newRow("1 MB field") << header + "ok;1\r\n" + QByteArray(1 << 20, 'x') + ";E\r\n"
                                << "plik.csv, wiersz 3: wartość dłuższa niż 255";
    QTest::newRow("256 characters") << header + QByteArray(256, 'y') + ";E\r\n"
                                    << "plik.csv, wiersz 2: wartość dłuższa";
    QTest::newRow("NUL") << header + "a;b\r\n" + QByteArray("c\0d;e\r\n", 7)
                         << "plik.csv, wiersz 3: znak NUL";
    QTest::newRow("binary") << QByteArray(
                                   "\x7f"
                                   "ELF\x02\x01\x01\0\0\0",
                                   10)
                            << "plik.csv, wiersz 1: niedozwolony znak sterujący";
    QTest::newRow("unknown header")
        << QByteArray("Kolumna;Inna\r\na;b\r\n") << "plik.csv, wiersz 1: nieznany wiersz nagłówka";
    QTest::newRow("empty") << QByteArray() << "plik.csv: plik jest pusty";
    QTest::newRow("only BOM") << QByteArray("\xEF\xBB\xBF") << "plik.csv: plik jest pusty";
    QTest::newRow("column missing") << header + "a;b\r\nonly\r\n"
                                    << "plik.csv, wiersz 3: brak kolumny „Rodzaj wagonu”";
    QTest::newRow("too many columns") << header + "a;b;c\r\n"
                                      << "plik.csv, wiersz 2: za dużo kolumn";
    QTest::newRow("empty load name") << header + ";b\r\n"
                                     << "plik.csv, wiersz 2: pusta nazwa";
    QTest::newRow("empty station name") << QByteArray("Nazwa stacji;Kolor\r\n;clred\r\n")
                                        << "plik.csv, wiersz 2: pusta nazwa stacji";
    QTest::newRow("unknown colour") << QByteArray("Nazwa stacji;Kolor\r\nA;clred\r\nB;fiolet\r\n")
                                    << "plik.csv, wiersz 3: nieznany kolor „fiolet”";
    QTest::newRow("no 8-bit encoding either") << header + "a\x81;b\r\n"
                                              << "plik.csv: plik nie jest zapisany w UTF-8";
}

void ExchangeTest::readerRefusesHostileInput() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString got = refusalOf(bytes.toStdString());
    QVERIFY2(got.startsWith(expected), qPrintable(got));
    // And nothing is written.
    testing::TestSession d;
    const QString before = testing::dumpOf(d.file());
    const QString path = d.dir.file("plik.csv");
    writeBytes(path, bytes.toStdString());
    const formats::ExchangeReport report = importPaths(d.session, {path.toStdString()});
    QVERIFY(report.refused());
    QVERIFY(!report.written);
    QVERIFY(QString::fromStdString(report.summary()).contains("nic nie zapisano"));
    QCOMPARE(testing::dumpOf(d.file()), before);
}

void ExchangeTest::csvFromAnySpreadsheetKeepsEveryLetter_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");  // given to the reader; empty: none
    QTest::addColumn<QString>("expected");  // the stations table; empty: refused
    QTest::addColumn<QString>("report");    // in the report (the encoding used, a refusal)
    // "Århus Ø;Czerwony", "Næstved;zielony" as Danish Excel saves them.
    const QByteArray danish1252 =
        "Nazwa stacji;Kolor\r\n\xC5rhus \xD8;Czerwony\r\nN\xE6stved;zielony\r\n";
    QTest::newRow("windows-1252 Danish") << danish1252 << "windows-1252"
                                         << "2|Århus Ø|clred\n3|Næstved|clgreen"
                                         << "odczytano w kodowaniu windows-1252";
    QTest::newRow("no encoding: refused, candidates named, likeliest first")
        << danish1252 << ""
        << ""
        << "stacje.csv: plik nie jest zapisany w UTF-8; podaj jego kodowanie, najbardziej "
           "prawdopodobne: windows-1252, windows-1250, iso-8859-2";
    // "Łódź;Żółty" in the two Polish encodings.
    QTest::newRow("windows-1250 Polish") << QByteArray(
                                                "Nazwa stacji;Kolor\r\n\xA3\xF3"
                                                "d\x9F;\xAF\xF3\xB3ty\r\n")
                                         << "windows-1250"
                                         << "2|Łódź|clyellow"
                                         << "odczytano w kodowaniu windows-1250";
    QTest::newRow("iso-8859-2 Polish") << QByteArray(
                                              "Nazwa stacji;Kolor\r\n\xA3\xF3"
                                              "d\xBC \xA6l\xB1ska;\xAF\xF3\xB3ty\r\n")
                                       << "iso-8859-2"
                                       << "2|Łódź Śląska|clyellow"
                                       << "odczytano w kodowaniu iso-8859-2";
    QTest::newRow("byte undefined in the given encoding")
        << QByteArray("Nazwa stacji;Kolor\r\nA;clred\r\nB\x81;clred\r\n") << "windows-1250"
        << ""
        << "stacje.csv, wiersz 3: bajt 0x81 nie oznacza żadnego znaku w kodowaniu windows-1250";
    QTest::newRow("UTF-8 without BOM, comma, header in capitals without diacritics")
        << QByteArray("  NAZWA STACJI , kolor\r\n\"Łódź, Kaliska\",clred\r\nÅrhus,clblue\r\n")
        << "windows-1252"
        << "2|Łódź, Kaliska|clred\n3|Århus|clblue"
        << "odczytano w kodowaniu utf-8";
    QTest::newRow("UTF-8 with BOM, tab, columns in another order")
        << QByteArray("\xEF\xBB\xBFkolor\tnazwa  stacji\r\nclred\tNæstved;1\r\n") << ""
        << "2|Næstved;1|clred"
        << "odczytano w kodowaniu utf-8";
    QTest::newRow("waybill header: Ł as L, extra blanks")
        << QByteArray(
               "stacja nadania;NADAWCA;Rodzaj Wagonu; Ladunek ;odbiorca;STACJA ODBIORU\r\n"
               "A;n;E;w;o;B\r\n")
        << ""
        << ""
        << "dodano 1";
}

void ExchangeTest::csvFromAnySpreadsheetKeepsEveryLetter() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, expected);
    QFETCH(QString, report);
    testing::TestSession d;
    const QString path = d.dir.file("stacje.csv");
    writeBytes(path, bytes.toStdString());
    const formats::ExchangeReport result = importWith(
        d.session, {{path.toStdString(), model::encodingFromName(encoding.toStdString())}});
    const QString summary = QString::fromStdString(result.summary());
    QVERIFY2(summary.contains(report), qPrintable(summary));
    QCOMPARE(result.refused(), expected.isEmpty() && !report.startsWith("dodano"));
    if (!result.refused() && !expected.isEmpty())
        QCOMPARE(rowsOf(d.file(), "select id, nazwa, kolor from stacje").join('\n'), expected);
    if (result.refused())
        QCOMPARE(rowsOf(d.file(), "select count(*) from stacje"), QStringList({"0"}));
    // The import of CSV files alone takes no encoding: a file that is not UTF-8 is refused.
    if (!formats::isValidUtf8(bytes.toStdString())) {
        const formats::ExchangeReport plain = importPaths(d.session, {path.toStdString()});
        QVERIFY(plain.refused());
    }
}

void ExchangeTest::encodingsMatchTheSystemTablesAndAreRankedByNameLetters() {
    using model::Encoding;
    for (const auto& [encoding, system] :
         std::vector<std::pair<Encoding, const char*>>{{Encoding::Windows1250, "CP1250"},
                                                       {Encoding::Windows1252, "CP1252"},
                                                       {Encoding::Iso88592, "ISO-8859-2"},
                                                       {Encoding::Iso88591, "ISO-8859-1"}}) {
        iconv_t cd = iconv_open("UTF-8", system);
        if (cd == iconv_t(-1)) QSKIP("the C library has no converter for these encodings");
        for (int b = 0x80; b <= 0xFF; ++b) {
            char in[1] = {char(b)};
            char out[8] = {};
            char* ip = in;
            char* op = out;
            std::size_t il = 1, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool known = iconv(cd, &ip, &il, &op, &ol) != std::size_t(-1);
            // The ISO encodings' 0x80-0x9F are control characters: no name holds them.
            const bool control =
                b < 0xA0 && (encoding == Encoding::Iso88592 || encoding == Encoding::Iso88591);
            QVERIFY2(formats::definedIn(encoding, std::uint8_t(b)) == (known && !control),
                     qPrintable(QString("%1 byte %2").arg(system).arg(b, 0, 16)));
            if (known && !control) {
                QCOMPARE(formats::toUtf8(std::string(1, char(b)), encoding),
                         std::string(out, sizeof out - ol));
            }
        }
        iconv_close(cd);
    }
    QCOMPARE(formats::likelyEncodings("\xC5rhus \xD8, N\xE6stved").front(), Encoding::Windows1252);
    QCOMPARE(formats::likelyEncodings("\xA3\xF3"
                                      "d\x9F, \xAF\xF3\xB3ty")
                 .front(),
             Encoding::Windows1250);
    QCOMPARE(formats::likelyEncodings("\xA3\xF3"
                                      "d\xBC, \xA6l\xB1sk")
                 .front(),
             Encoding::Iso88592);
    QVERIFY(formats::likelyEncodings("a\x81").empty());
    QCOMPARE(model::encodingFromName(" UTF-8"), std::optional(Encoding::Utf8));
    QCOMPARE(model::encodingFromName("Windows-1252"), std::optional(Encoding::Windows1252));
    QVERIFY(!model::encodingFromName("koi8-r"));
}

void ExchangeTest::tooManyRowsAreRefusedWithTheLine() {
    std::string text = "Nazwa;Rodzaj wagonu\n";
    text.reserve(2'000'000 * 4 + 32);
    for (int i = 0; i < 2'000'000; ++i) text += "a;b\n";
    const QString got = refusalOf(text);
    QVERIFY2(got.startsWith("plik.csv, wiersz 1000002: plik ma więcej niż 1000000 wierszy"),
             qPrintable(got));
    // Exactly 1,000,000 rows are taken.
    text.resize(std::string("Nazwa;Rodzaj wagonu\n").size() + 1'000'000 * 4);
    QCOMPARE(refusalOf(text), QString());
    // A file over the size limit is refused by its size, before a byte of it is read (a
    // sparse file of 513 MiB takes no room and no time).
    testing::TestSession d;
    QFile huge(d.dir.file("huge.csv"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(513) << 20));
    huge.close();
    const formats::ExchangeReport report = importPaths(d.session, {huge.fileName().toStdString()});
    QVERIFY(report.refused());
    QVERIFY2(
        report.refusals[0] == "huge.csv: plik jest za duży (537919488 bajtów, najwięcej 536870912)",
        report.refusals[0].c_str());
}

void ExchangeTest::colourWords() {
    QCOMPARE(formats::colourFromText("clred").value(), std::string_view("clred"));
    QCOMPARE(formats::colourFromText("CLBLUE").value(), std::string_view("clblue"));
    QCOMPARE(formats::colourFromText("żółty").value(), std::string_view("clyellow"));
    QCOMPARE(formats::colourFromText("ŻÓŁTY").value(), std::string_view("clyellow"));
    QCOMPARE(formats::colourFromText("Pomarańczowy").value(), std::string_view("clorange"));
    QCOMPARE(formats::colourFromText("brązowy (produkty chemiczne)").value(),
             std::string_view("clbrown"));
    QCOMPARE(formats::colourFromText("Biały").value(), std::string_view("clwhite"));
    QVERIFY(!formats::colourFromText("fioletowy"));
    QVERIFY(!formats::colourFromText(""));
}

void ExchangeTest::exportWritesExactHeadersAndQuotedValues() {
    testing::TestSession d;
    execFile(d.file(),
             "insert into stacje values(2,'Łódź','clred');"
             "insert into punkty values(2,'Huta','Łódź','');"
             "insert into ladunki values('Węgiel','E');"
             "insert into listy values(2,'Łódź','Huta','E','Węgiel','a;\"b\"','007');");
    QCOMPARE(formats::exportCsv(d.baza, model::List::Stations),
             std::string("\xEF\xBB\xBFNazwa stacji;Kolor\r\n\"Łódź\";\"clred\"\r\n"));
    QCOMPARE(formats::exportCsv(d.baza, model::List::Parties),
             std::string("\xEF\xBB\xBFNazwa;Stacja\r\n\"Huta\";\"Łódź\"\r\n"));
    QCOMPARE(formats::exportCsv(d.baza, model::List::Loads),
             std::string("\xEF\xBB\xBFNazwa;Rodzaj wagonu\r\n\"Węgiel\";\"E\"\r\n"));
    QCOMPARE(
        formats::exportCsv(d.baza, model::List::Waybills),
        std::string(
            "\xEF\xBB\xBFStacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru\r\n"
            "\"Łódź\";\"Huta\";\"E\";\"Węgiel\";\"a;\"\"b\"\"\";\"007\"\r\n"));
    const QString out = d.dir.file("wymiana");
    const auto paths = d.session.exportCsv(out.toStdString());
    QCOMPARE(paths.size(), std::size_t(4));
    QStringList names = QDir(out).entryList(QDir::Files, QDir::Name);
    QCOMPARE(names, QStringList({"ladunki.csv", "listy.csv", "punkty.csv", "stacje.csv"}));
    // A file that cannot be written leaves every earlier file as it was: none takes its
    // name before all four are written.
    writeBytes(out + "/stacje.csv", "old");
    QVERIFY(QDir(out).mkdir("ladunki.csv.zapis"));
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, d.session.exportCsv(out.toStdString()));
    QCOMPARE(bytesOf(out + "/stacje.csv"), QByteArray("old"));
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
             QStringList({"ladunki.csv", "listy.csv", "punkty.csv", "stacje.csv"}));
}

void ExchangeTest::roundTripOfTenThousandWaybillsIsByteForByte() {
    testing::TestSession source;
    std::string sql = "begin;";
    const int n = sizeof kTricky / sizeof *kTricky;
    for (int i = 0; i < n; ++i) {
        auto q = [](std::string s) {
            std::string out;
            for (char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
            return "'" + out + "'";
        };
        sql += "insert into stacje values(" + std::to_string(i + 2) + "," +
               q(std::string("S") + kTricky[i]) + ",'clgreen');";
        // The windows refuse an empty name, and so does the import.
        const std::string name = *kTricky[i] ? kTricky[i] : "-";
        sql += "insert into punkty values(" + std::to_string(i + 2) + "," + q(name) + "," +
               q(kTricky[(i + 1) % n]) + ",'');";
        sql += "insert into ladunki values(" + q(name) + "," + q(kTricky[(i + 2) % n]) + ");";
    }
    for (int i = 0; i < 10000; ++i) {
        auto t = [&](int k) {
            std::string s = kTricky[(i + k) % n];
            for (char& c : s)
                if (c == '\'') c = '`';
            return "'" + s + (k == 0 ? std::to_string(i / 3) : std::string()) + "'";
        };
        sql += "insert into listy values(" + std::to_string(i + 2) + "," + t(0) + "," + t(1) + "," +
               t(2) + "," + t(3) + "," + t(4) + "," + t(5) + ");";
    }
    sql += "commit;";
    execFile(source.file(), QString::fromStdString(sql));
    const QString folder = source.dir.file("csv");
    const auto paths = source.session.exportCsv(folder.toStdString());

    testing::TestSession target;
    const formats::ExchangeReport report = importPaths(target.session, paths);
    QVERIFY2(!report.refused(), report.summary().c_str());
    QCOMPARE(report.added[3], 10000L);
    const QString to = target.file();
    // Same rows, texts byte for byte (hex compared), in the same order.
    for (const auto& [table, columns] : std::vector<std::pair<QString, QString>>{
             {"listy", QString("hex(st_nad), hex(nadawca), hex(rodz_wag), hex(ladunek), "
                               "hex(odbiorca), hex(st_odb)")},
             {"stacje", "hex(nazwa), kolor"},
             {"punkty", "hex(nazwa), hex(stacja)"},
             {"ladunki", "hex(nazwa), hex(rodz_wag)"}}) {
        QCOMPARE(tableRows(to, table, columns), tableRows(source.file(), table, columns));
    }
    // Ids from the counters.
    QCOMPARE(rowsOf(to, "select min(id), max(id) from listy"), QStringList({"2|10001"}));
    QCOMPARE(rowsOf(to, "select value from admin where key='nr_listu'"), QStringList({"10001"}));
    QCOMPARE(rowsOf(to, "select count(*) from listy where typeof(st_odb) <> 'text'"),
             QStringList({"0"}));
    // The same files again add nothing.
    const formats::ExchangeReport again = importPaths(target.session, paths);
    QCOMPARE(again.totalAdded(), 0L);
    QCOMPARE(again.skipped[3], 10000L);
}

void ExchangeTest::workbookRoundTripOfTenThousandWaybillsIsByteForByte() {
    testing::TestSession source;
    std::string sql = "begin;";
    const int n = sizeof kTricky / sizeof *kTricky;
    auto q = [](std::string s) {
        std::string out;
        for (char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
        return "'" + out + "'";
    };
    for (int i = 0; i < n; ++i) {
        sql += "insert into stacje values(" + std::to_string(i + 2) + "," +
               q(std::string("S") + kTricky[i]) + ",'clgreen');";
        const std::string name = *kTricky[i] ? kTricky[i] : "-";
        sql += "insert into punkty values(" + std::to_string(i + 2) + "," + q(name) + "," +
               q(kTricky[(i + 1) % n]) + ",'');";
        sql += "insert into ladunki values(" + q(name) + "," + q(kTricky[(i + 2) % n]) + ");";
    }
    for (int i = 0; i < 10000; ++i) {
        auto t = [&](int k) { return q(kTricky[(i + k) % n] + std::string(k ? "" : "_x0041_")); };
        sql += "insert into listy values(" + std::to_string(i + 2) + ",'0471" + std::to_string(i) +
               "'," + t(1) + "," + t(2) + "," + t(3) + "," + t(4) + "," + t(0) + ");";
    }
    execFile(source.file(), QString::fromStdString(sql + "commit;"));
    const QString path = source.dir.file("wymiana.xlsx");
    source.session.exportWorkbook(path.toStdString());

    testing::TestSession target;
    const formats::ExchangeReport report = importWith(target.session, {{path.toStdString(), {}}});
    QVERIFY2(!report.refused(), report.summary().c_str());
    QCOMPARE(report.added[3], 10000L);
    const QString to = target.file();
    for (const auto& [table, columns] : std::vector<std::pair<QString, QString>>{
             {"listy", QString("hex(st_nad), hex(nadawca), hex(rodz_wag), hex(ladunek), "
                               "hex(odbiorca), hex(st_odb)")},
             {"stacje", "hex(nazwa), kolor"},
             {"punkty", "hex(nazwa), hex(stacja)"},
             {"ladunki", "hex(nazwa), hex(rodz_wag)"}}) {
        QCOMPARE(tableRows(to, table, columns), tableRows(source.file(), table, columns));
    }
    // The same workbook again adds nothing.
    const formats::ExchangeReport again = importWith(target.session, {{path.toStdString(), {}}});
    QCOMPARE(again.totalAdded(), 0L);
    QCOMPARE(again.skipped[3], 10000L);
}

void ExchangeTest::openDocumentSheetsAreReadByTheirHeaders() {
    testing::TestSession d;
    // Columns in another order, a header without diacritics; spaces, paragraphs and a comment
    // as the format writes them; a number a spreadsheet made of "04711"; repeated cells and
    // rows; an empty cell at a row's end, an empty row.
    const std::string ods = odsOf(
        "Moje ładunki",
        {{textCell("rodzaj wagonu"), textCell("NAZWA"),
          "<table:table-cell table:number-columns-repeated=\"1000\"/>"},
         {textCell("Eaos"), textCell("<text:s text:c=\"2\"/>Węgiel &amp; koks<text:s/>")},
         {"<table:table-row "
          "table:number-rows-repeated=\"5\"><table:table-cell/></table:table-row>"},
         {"<table:table-cell office:value-type=\"float\" office:value=\"4711\">"
          "<text:p>4 711</text:p></table:table-cell>",
          "<table:table-cell office:value-type=\"string\"><office:annotation><text:p>uwaga"
          "</text:p></office:annotation><text:p>Drewno</text:p><text:p>z lasu</text:p>"
          "</table:table-cell>"},
         {"<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"string\">"
          "<text:p>Dwa<text:tab/>razy</text:p></table:table-cell>"},
         {textCell(""), textCell("Puste")}});
    const QString path = d.dir.file("ladunki.ods");
    writeBytes(path, ods);
    const formats::ExchangeReport report = importWith(d.session, {{path.toStdString(), {}}});
    QVERIFY2(!report.refused(), report.summary().c_str());
    QCOMPARE(rowsOf(d.file(), "select nazwa, rodz_wag from ladunki order by rowid"),
             QStringList({"  Węgiel & koks |Eaos", "Drewno\nz lasu|4711", "Dwa\trazy|Dwa\trazy",
                          "Puste|"}));
    QVERIFY2(QString::fromStdString(report.summary()).contains("arkusz „Moje ładunki”: 1 komórek"),
             report.summary().c_str());
}

void ExchangeTest::craftedWorkbooksAreRefusedBeforeAnythingIsWritten_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("maxRows");
    QTest::addColumn<QString>("expected");
    testing::TestSession d;
    execFile(d.file(),
             "insert into ladunki values('Węgiel','E');"
             "insert into ladunki values('Koks','E');"
             "insert into ladunki values('Drewno','R');");
    const std::string plain = exportedWorkbook(d);
    auto patched = [&](std::uint32_t size) {
        // The first entry's uncompressed size in the zip directory.
        std::string b = plain;
        const std::size_t dir = b.rfind(std::string("PK\x01\x02", 4));
        std::size_t at = dir;
        while (at != std::string::npos && at > 0) {
            const std::size_t before = b.rfind(std::string("PK\x01\x02", 4), at - 1);
            if (before == std::string::npos) break;
            at = before;
        }
        for (int i = 0; i < 4; ++i) b[at + 24 + std::size_t(i)] = char((size >> (8 * i)) & 0xFF);
        return QByteArray::fromStdString(b);
    };
    QTest::newRow("zip bomb: a directory promising 2 GB")
        << patched(0x7FFFFFF0) << 0 << "arkusz.xlsx: skoroszyt rozpakowuje się do ponad 256 MB";
    QTest::newRow("zip bomb: an entry unpacking to more than its directory says")
        << patched(3) << 0 << "rozpakowuje się do większego rozmiaru, niż podaje spis";
    QTest::newRow("too many rows") << QByteArray::fromStdString(plain) << 3
                                   << "arkusz „Ładunki”, wiersz 4: arkusz ma więcej niż 2";
    QTest::newRow("1 MB cell") << QByteArray::fromStdString(odsOf(
                                      "L", {{textCell("Nazwa"), textCell("Rodzaj wagonu")},
                                            {textCell("A"), textCell("E")},
                                            {textCell(std::string(1 << 20, 'x')), textCell("E")}}))
                               << 0 << "arkusz „L”, wiersz 3: wartość dłuższa niż 255";
    {
        const QString path = d.dir.file("formula.xlsx");
        lxw_workbook* book = workbook_new(path.toUtf8().constData());
        lxw_worksheet* sheet = workbook_add_worksheet(book, "Ładunki");
        worksheet_write_string(sheet, 0, 0, "Nazwa", nullptr);
        worksheet_write_string(sheet, 0, 1, "Rodzaj wagonu", nullptr);
        worksheet_write_string(sheet, 1, 0, "Węgiel", nullptr);
        worksheet_write_formula(sheet, 1, 1, "=WEBSERVICE(\"http://example.org/\")", nullptr);
        workbook_close(book);
        QTest::newRow("formula") << bytesOf(path) << 0
                                 << "arkusz „Ładunki”, wiersz 2: komórka z formułą";
    }
    QTest::newRow("ods formula") << QByteArray::fromStdString(odsOf(
                                        "L", {{textCell("Nazwa"), textCell("Rodzaj wagonu")},
                                              {textCell("A"),
                                               "<table:table-cell table:formula=\"of:=1+2\" "
                                               "office:value-type=\"float\" office:value=\"3\">"
                                               "<text:p>3</text:p></table:table-cell>"}}))
                                 << 0 << "arkusz „L”, wiersz 2: komórka z formułą";
    QTest::newRow("link to another workbook")
        << QByteArray::fromStdString(zipOf({{"xl/workbook.xml", "<workbook/>"},
                                            {"xl/externalLinks/externalLink1.xml", "<x/>"}}))
        << 0 << "arkusz.xlsx: skoroszyt zawiera łącza do innych skoroszytów";
    QTest::newRow("no workbook") << QByteArray::fromStdString(zipOf({{"a.txt", "a"}})) << 0
                                 << "arkusz.xlsx: plik nie jest poprawnym skoroszytem";
    // Found by the fuzz target: content.xml ends inside a tag (the XML parser read past it).
    QTest::newRow("content.xml cut inside a tag")
        << bytesOf(sample("../workbooks/cut-in-a-tag.ods")) << 0
        << "arkusz.xlsx: plik nie jest poprawnym skoroszytem";
    QTest::newRow("cut short") << QByteArray::fromStdString(plain.substr(0, plain.size() / 2)) << 0
                               << "arkusz.xlsx: plik nie jest poprawnym skoroszytem";
}

void ExchangeTest::craftedWorkbooksAreRefusedBeforeAnythingIsWritten() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, maxRows);
    QFETCH(QString, expected);
    formats::WorkbookLimits limits;
    if (maxRows) limits.maxRows = maxRows;
    const QString got = workbookRefusal(bytes.toStdString(), limits);
    QVERIFY2(got.contains(expected), qPrintable(got));
    if (maxRows) return;
    testing::TestSession d;
    const QString before = testing::dumpOf(d.file());
    const QString path = d.dir.file("arkusz.xlsx");
    writeBytes(path, bytes.toStdString());
    const formats::ExchangeReport report = importWith(d.session, {{path.toStdString(), {}}});
    QVERIFY(report.refused() && !report.written);
    QCOMPARE(testing::dumpOf(d.file()), before);
}

void ExchangeTest::waybillsNamingAbsentEntriesAreImportedWithANote() {
    testing::TestSession d;
    execFile(d.file(),
             "insert into stacje values(2,'Łódź','clred');"
             "insert into punkty values(2,'Huta','Łódź','');");
    const QString waybills = d.dir.file("listy.csv");
    writeBytes(waybills,
               "Stacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru\r\n"
               "Łódź;Huta;E;Węgiel;Port;Gdynia\r\n"
               "Łódź;Huta;E;Węgiel;Huta;Łódź\r\n"
               "Lodz;;E;;;Łódź\r\n");
    const QString loads = d.dir.file("ladunki.csv");
    writeBytes(loads, "Nazwa;Rodzaj wagonu\r\nWęgiel;E\r\n");
    const formats::ExchangeReport report =
        importWith(d.session, {{waybills.toStdString(), {}}, {loads.toStdString(), {}}});
    QVERIFY2(!report.refused(), report.summary().c_str());
    QCOMPARE(report.added[3], 3L);
    QStringList notes;
    for (const std::string& n : report.notes) {
        if (n.find("nie ma na listach") != std::string::npos) notes << QString::fromStdString(n);
    }
    // The load of the same import counts; an empty field names nothing.
    QCOMPARE(notes, QStringList({"listy.csv, wiersz 2: list przewozowy zapisano, ale nie ma na "
                                 "listach odbiorcy „Port”, stacji odbioru „Gdynia”",
                                 "listy.csv, wiersz 4: list przewozowy zapisano, ale nie ma na "
                                 "listach stacji nadania „Lodz”"}));
}

void ExchangeTest::duplicatesAreMatchedAsMultisets() {
    testing::TestSession d;
    execFile(d.file(),
             "insert into listy values(2,'A','n','E','w','o','B');"
             "update admin set value='2' where key='nr_listu';");
    const QString path = d.dir.file("listy.csv");
    writeBytes(path,
               "Stacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru\r\n"
               "A;n;E;w;o;B\r\nA;n;E;w;o;B\r\nA;n;E;w;o;B\r\nC;n;E;w;o;B\r\n");
    formats::ExchangeReport r = importPaths(d.session, {path.toStdString()});
    QCOMPARE(r.added[3], 3L);  // two more of the three identical rows, and C
    QCOMPARE(r.skipped[3], 1L);
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy where st_nad='A'"), QStringList({"3"}));
    QCOMPARE(rowsOf(d.file(), "select id from listy order by id"),
             QStringList({"2", "3", "4", "5"}));
    r = importPaths(d.session, {path.toStdString()});
    QCOMPARE(r.totalAdded(), 0L);
    QCOMPARE(r.skipped[3], 4L);
    QVERIFY(QString::fromStdString(r.summary()).contains("Nic nie dodano"));
}

void ExchangeTest::stationsAreMatchedByName() {
    testing::TestSession d;
    execFile(
        d.file(),
        "insert into stacje values(2,'A','clred');update admin set value=2 where key='nr_stacji';");
    const QString path = d.dir.file("s.csv");
    writeBytes(
        path,
        "\xEF\xBB\xBFNazwa stacji;Kolor\r\nA;clblue\r\nB;Zielony\r\nB;clgreen\r\nA;czerwony\r\n");
    const formats::ExchangeReport r = importPaths(d.session, {path.toStdString()});
    QCOMPARE(rowsOf(d.file(), "select id, nazwa, kolor from stacje"),
             QStringList({"2|A|clred", "3|B|clgreen"}));
    QCOMPARE(r.added[0], 1L);
    QCOMPARE(r.skipped[0], 3L);
    QCOMPARE(rowsOf(d.file(), "select value from admin where key='nr_stacji'"), QStringList({"3"}));
    const QString summary = QString::fromStdString(r.summary());
    QVERIFY2(
        summary.contains("s.csv, wiersz 2: stacja „A” już jest, z kolorem „clred”; kolor „clblue”"),
        qPrintable(summary));
    QVERIFY(!summary.contains("wiersz 5"));  // the same colour, nothing to say
}

void ExchangeTest::anyRefusedRowWritesNothing() {
    testing::TestSession d;
    const QString good = d.dir.file("ladunki.csv");
    const QString bad = d.dir.file("stacje.csv");
    writeBytes(good, "Nazwa;Rodzaj wagonu\r\nWęgiel;E\r\n");
    writeBytes(bad, "Nazwa stacji;Kolor\r\nA;clred\r\nB;purpura\r\n;clred\r\nC\r\n");
    const QString before = testing::dumpOf(d.file());
    const formats::ExchangeReport r =
        importPaths(d.session, {good.toStdString(), bad.toStdString()});
    QCOMPARE(r.refusals.size(), std::size_t(3));
    QCOMPARE(testing::dumpOf(d.file()), before);
    const QString summary = QString::fromStdString(r.summary());
    QVERIFY(summary.startsWith("Import CSV: nic nie zapisano, bo odrzucono 3 pozycji:"));
    QVERIFY(summary.contains("stacje.csv, wiersz 3: nieznany kolor „purpura”"));
    QVERIFY(summary.contains("stacje.csv, wiersz 4: pusta nazwa stacji"));
    QVERIFY(summary.contains("stacje.csv, wiersz 5: brak kolumny „Kolor”"));
}

void ExchangeTest::headerWithoutRowsSaysSo() {
    testing::TestSession d;
    const QString path = d.dir.file("punkty.csv");
    writeBytes(path, "\xEF\xBB\xBFNazwa;Stacja\r\n");
    const formats::ExchangeReport r = importPaths(d.session, {path.toStdString()});
    QVERIFY(!r.refused());
    QCOMPARE(r.totalAdded(), 0L);
    QVERIFY(QString::fromStdString(r.summary()).contains("tylko wiersz nagłówka"));
}

void ExchangeTest::listsAreKnownByTheirHeaderInEveryLanguage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("select");    // what the import wrote
    QTest::addColumn<QString>("expected");  // its rows; empty: refused
    QTest::addColumn<QString>("report");    // in the summary
    const QString waybills =
        "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb from listy";
    const QString row = "Köln|Ford|Tads|Kohle|Hütte|Essen";
    const QByteArray values = "\r\nKöln;Ford;Tads;Kohle;Hütte;Essen\r\n";
    QTest::newRow("German waybills")
        << "Versandbahnhof;Versender;Wagengattung;Ladegut;Empfänger;Empfangsbahnhof" + values
        << waybills << row << "dodano 1";
    QTest::newRow("English waybills")
        << "Sending station;Shipper;Wagon type;Load;Receiver;Receiving station" + values << waybills
        << row << "dodano 1";
    QTest::newRow("Polish waybills without Ł")
        << "Stacja nadania;Nadawca;Rodzaj wagonu;Ladunek;Odbiorca;Stacja odbioru" + values
        << waybills << row << "dodano 1";
    QTest::newRow("LADUNEK")
        << "STACJA NADANIA;NADAWCA;RODZAJ WAGONU;LADUNEK;ODBIORCA;STACJA ODBIORU" + values
        << waybills << row << "dodano 1";
    QTest::newRow("blanks around Ładunek")
        << " Stacja nadania ;Nadawca; Rodzaj  wagonu; Ładunek ;Odbiorca;Stacja odbioru" + values
        << waybills << row << "dodano 1";
    // As a spreadsheet without umlauts writes it: ae for ä, commas, columns in another order.
    QTest::newRow("German, umlauts written out, other order")
        << QByteArray(
               "EMPFAENGER,versandbahnhof,Versender,Ladegut,Wagengattung,Empfangsbahnhof\r\n"
               "Hütte,Köln,Ford,Kohle,Tads,Essen\r\n")
        << waybills << row << "dodano 1";
    QTest::newRow("German stations, German colour words, ß as ss")
        << QByteArray("Bahnhof;Farbe\r\nKöln;rot\r\nGießen;GRÜN\r\nHagen;weiss\r\nLahr;Schwarz\r\n")
        << "select nazwa, kolor from stacje order by id"
        << "Köln|clred\nGießen|clgreen\nHagen|clwhite\nLahr|clblack"
        << "dodano 4";
    QTest::newRow("English stations, American spelling, English colour words")
        << QByteArray("Station;Color\r\nYork;Brown\r\nDover;blue\r\n")
        << "select nazwa, kolor from stacje order by id"
        << "York|clbrown\nDover|clblue"
        << "dodano 2";
    QTest::newRow("German shippers/receivers, blanks around the slash")
        << QByteArray("Versender / Empfänger;Bahnhof\r\nZeche Zollverein;Essen\r\n")
        << "select nazwa, stacja from punkty"
        << "Zeche Zollverein|Essen"
        << "dodano 1";
    QTest::newRow("English loads")
        << QByteArray("Load;Wagon type\r\nCoal;Fals\r\n") << "select nazwa, rodz_wag from ladunki"
        << "Coal|Fals"
        << "dodano 1";
    QTest::newRow("German wagons, ue for ü")
        << QByteArray(
               "Wagennummer;Gattung;Eigentuemer;Heimatbahnhof;Länge;Geschwindigkeit;Bemerkung\r\n"
               "31 80 6651 123-4;Fals;DB;Essen;140;SS;Kohle\r\n")
        << "select numer, klasa, wlasciciel, stacja, dlugosc, predkosc, uwagi from wagony"
        << "31 80 6651 123-4|Fals|DB|Essen|140|ss|Kohle"
        << "dodano 1";
    QTest::newRow("one header in two languages is none")
        << QByteArray("Bahnhof;Kolor\r\nKöln;rot\r\n") << "select count(*) from stacje"
        << ""
        << "stacje.csv, wiersz 1: nieznany wiersz nagłówka „Bahnhof;Kolor”";
    QTest::newRow("a missing column is named as the file names it")
        << QByteArray("Ladegut;Wagengattung\r\nKohle;Fals\r\nSand\r\n")
        << "select count(*) from ladunki"
        << ""
        << "stacje.csv, wiersz 3: brak kolumny „Wagengattung”";
    QTest::newRow("an unknown colour word")
        << QByteArray("Station;Colour\r\nYork;purple\r\n") << "select count(*) from stacje"
        << ""
        << "stacje.csv, wiersz 2: nieznany kolor „purple”";
}

void ExchangeTest::listsAreKnownByTheirHeaderInEveryLanguage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, select);
    QFETCH(QString, expected);
    QFETCH(QString, report);
    testing::TestSession d;
    const QString path = d.dir.file("stacje.csv");
    writeBytes(path, bytes.toStdString());
    const formats::ExchangeReport r = importPaths(d.session, {path.toStdString()});
    const QString summary = QString::fromStdString(r.summary());
    QVERIFY2(summary.contains(report), qPrintable(summary));
    QCOMPARE(r.refused(), expected.isEmpty());
    QCOMPARE(rowsOf(d.file(), select).join('\n'), expected.isEmpty() ? QString("0") : expected);
}

// A file of no list's header is told the headers it could have in the language the
// messages speak: German ones when they are German, the Polish ones without a translator.
void ExchangeTest::unknownHeaderNamesTheHeadersOfTheMessagesLanguage() {
    model::setMessageTranslator([](const char*, const char* id) { return std::string(id); },
                                model::Language::German);
    const QString german = refusalOf("Kolumna;Inna\r\n");
    model::setMessageTranslator(nullptr, model::Language::German);
    const QString polish = refusalOf("Kolumna;Inna\r\n");
    QVERIFY2(german.contains("\n    Bahnhof;Farbe\n") && !german.contains("Nazwa stacji"),
             qPrintable(german));
    QVERIFY2(polish.contains("\n    Nazwa stacji;Kolor\n") && !polish.contains("Bahnhof"),
             qPrintable(polish));
}

void ExchangeTest::exportInEveryLanguageReadsBack_data() {
    QTest::addColumn<int>("languageIndex");
    QTest::addColumn<QString>("waybillHeader");
    QTest::addColumn<QString>("sheet");  // the waybills' sheet of the workbook
    QTest::newRow("German") << int(model::Language::German)
                            << "Versandbahnhof;Versender;Wagengattung;Ladegut;Empfänger;"
                               "Empfangsbahnhof"
                            << "Frachtzettel";
    QTest::newRow("English") << int(model::Language::English)
                             << "Sending station;Shipper;Wagon type;Load;Receiver;Receiving station"
                             << "Waybills";
}

void ExchangeTest::exportInEveryLanguageReadsBack() {
    QFETCH(int, languageIndex);
    const auto language = model::Language(languageIndex);
    QFETCH(QString, waybillHeader);
    QFETCH(QString, sheet);
    // No header row of one list is, in any language, read as another list's.
    for (model::List list : model::kExchangedLists) {
        for (const auto& variant : formats::headerVariants(list)) {
            QStringList keys;
            for (const std::string& name : variant)
                keys << QString::fromStdString(model::nameKey(name));
            keys.sort();
            for (model::List other : model::kExchangedLists) {
                if (other == list) continue;
                for (const auto& theirs : formats::headerVariants(other)) {
                    QStringList their;
                    for (const std::string& name : theirs)
                        their << QString::fromStdString(model::nameKey(name));
                    their.sort();
                    QVERIFY2(keys != their, qPrintable(keys.join(';')));
                }
            }
        }
        const auto match = formats::matchHeader(formats::csvHeader(list, language));
        QVERIFY(match && match->list == list);
    }

    testing::TestSession source;
    execFile(
        source.file(),
        "insert into stacje values(2,'Łódź Kaliska','clred');"
        "insert into stacje values(3,'Gießen','clorange');"
        "insert into punkty values(2,'Huta \"Bobrek\"','Łódź Kaliska','');"
        "insert into ladunki values('Węgiel;koks','Eas');"
        "insert into listy values(2,'Łódź Kaliska','Huta','Eas','Węgiel','a\nb','007');"
        "insert into listy values(3,'Gießen','','','','',' x ');" +
            QString(model::wagonTableSql()) +
            "insert into wagony values('31 80 665 1 234-5','Eas','PKP','Łódź','14,0','s','');");
    const QString tables[][2] = {{"listy", kWaybillColumns},
                                 {"stacje", "nazwa, kolor"},
                                 {"punkty", "nazwa, stacja"},
                                 {"ladunki", "nazwa, rodz_wag"},
                                 {"wagony", "*"}};
    for (bool workbook : {false, true}) {
        std::vector<std::string> files;
        if (workbook) {
            const QString path = source.dir.file("wymiana.xlsx");
            source.session.exportWorkbook(path.toStdString(), language);
            files.push_back(path.toStdString());
        } else {
            const QString folder = source.dir.file("csv");
            for (const std::string& path : source.session.exportCsv(folder.toStdString(), language))
                files.push_back(path);
            QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
                     QStringList(
                         {"ladunki.csv", "listy.csv", "punkty.csv", "stacje.csv", "wagony.csv"}));
            QVERIFY(bytesOf(folder + "/listy.csv")
                        .startsWith("\xEF\xBB\xBF" + waybillHeader.toUtf8() + "\r\n"));
        }
        testing::TestSession target;
        const formats::ExchangeReport r = importPaths(target.session, files);
        QVERIFY2(!r.refused(), r.summary().c_str());
        for (const auto& [table, columns] : tables) {
            QCOMPARE(tableRows(target.file(), table, columns),
                     tableRows(source.file(), table, columns));
        }
        if (workbook) {
            formats::ExchangeData data;
            formats::ExchangeReport report;
            formats::readWorkbook("wymiana.xlsx",
                                  bytesOf(source.dir.file("wymiana.xlsx")).toStdString(), data,
                                  report);
            QVERIFY(std::find(data.sources.begin(), data.sources.end(),
                              "wymiana.xlsx, arkusz „" + sheet.toStdString() + "”") !=
                    data.sources.end());
        }
    }
}

void ExchangeTest::filesAreTakenInAnyOrder() {
    testing::TestSession d;
    const QString a = d.dir.file("x1.csv"), b = d.dir.file("x2.csv");
    writeBytes(a, "Nazwa;Stacja\r\nHuta;A\r\n");
    writeBytes(b, "Nazwa stacji;Kolor\r\nA;clred\r\n");
    const formats::ExchangeReport r = importPaths(d.session, {a.toStdString(), b.toStdString()});
    QVERIFY(!r.refused());
    QCOMPARE(rowsOf(d.file(), "select id, nazwa, stacja, ladunki from punkty"),
             QStringList({"2|Huta|A|"}));
    QCOMPARE(rowsOf(d.file(), "select id, nazwa, kolor from stacje"), QStringList({"2|A|clred"}));
    QCOMPARE(rowsOf(d.file(), "select value from admin where key='nr_punktu'"), QStringList({"2"}));
}

void ExchangeTest::mergeOfACurrentFile() {
    testing::WorkDir other;
    {
        db::SqlConnection baza("baza");
        db::SqlQuery list("sql1");
        list.setConnection(&baza);
        session::openDatabase(baza, list);
    }
    execFile(other.file("listy.sdb"),
             "insert into stacje values(7,'A','clblue');"
             "insert into punkty values(3,'Huta','A','x');"
             "insert into ladunki values('Węgiel','E');"
             "insert into listy values(9,'A','Huta','E','Węgiel','Huta','A');"
             "insert into listy values(10,'A','Huta','E','Węgiel','Huta','A');");
    const QByteArray sourceBytes = bytesOf(other.file("listy.sdb"));
    testing::TestSession d;
    execFile(
        d.file(),
        "insert into stacje values(2,'A','clred');update admin set value=2 where key='nr_stacji';");
    formats::ExchangeReport r = d.session.merge(other.file("listy.sdb").toStdString());
    QVERIFY(r.written);
    QCOMPARE(rowsOf(d.file(), "select * from stacje"), QStringList({"2|A|clred"}));
    QCOMPARE(rowsOf(d.file(), "select * from punkty"), QStringList({"2|Huta|A|"}));
    QCOMPARE(rowsOf(d.file(), "select * from listy"),
             QStringList({"2|A|Huta|E|Węgiel|Huta|A", "3|A|Huta|E|Węgiel|Huta|A"}));
    QVERIFY(QString::fromStdString(r.summary())
                .startsWith("Dołączenie bazy: dodano 4, pominięto jako już obecne 1"));
    r = d.session.merge(other.file("listy.sdb").toStdString());
    QCOMPARE(r.totalAdded(), 0L);
    QCOMPARE(bytesOf(other.file("listy.sdb")), sourceBytes);
}

void ExchangeTest::mergeOfAnOldFormatFileLeavesItUnchanged() {
    testing::WorkDir other;
    const QString copy = other.file("stary.sdb");
    QVERIFY(QFile::copy(sample("big-v2.sdb"), copy));
    const QByteArray hash = QCryptographicHash::hash(bytesOf(copy), QCryptographicHash::Sha256);
    testing::TestSession d;
    const formats::ExchangeReport r = d.session.merge(copy.toStdString());
    QVERIFY(r.written);
    QCOMPARE(r.added[3], 2000L);
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"2000"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from stacje"), QStringList({"4"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from punkty"), QStringList({"6"}));
    QCOMPARE(rowsOf(d.file(), "select count(*) from ladunki"), QStringList({"3"}));
    // Decoded from Windows-1250 like the conversion does.
    testing::WorkDir converted;
    QVERIFY(QFile::copy(sample("big-v2.sdb"), converted.file("listy.sdb")));
    session::migrateLegacyDatabase(converted.path().toStdString() + "/");
    const QString cols = "st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb";
    QCOMPARE(tableRows(d.file(), "listy", cols),
             tableRows(converted.file("listy.sdb"), "listy", cols));
    QCOMPARE(QCryptographicHash::hash(bytesOf(copy), QCryptographicHash::Sha256), hash);
    QVERIFY(!QFile::exists(copy + ".sqlite2"));
    QVERIFY(formats::isSqlite2File(copy.toStdString()));
}

void ExchangeTest::mergeOfAVersionOneFileGivesWhiteStations() {
    testing::TestSession d;
    const QByteArray before = bytesOf(sample("v1-sample.sdb"));
    const formats::ExchangeReport r = d.session.merge(sample("v1-sample.sdb").toStdString());
    QVERIFY(r.written);
    QCOMPARE(r.added[0], 3L);
    QCOMPARE(rowsOf(d.file(), "select distinct kolor from stacje"), QStringList({"clwhite"}));
    QCOMPARE(bytesOf(sample("v1-sample.sdb")), before);
}

void ExchangeTest::mergeRefusesAForeignFile() {
    testing::TestSession d;
    const QString foreign = d.dir.file("inna.sdb");
    execFile(foreign, "create table cos(a);");
    const QString before = testing::dumpOf(d.file());
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, d.session.merge(foreign.toStdString()));
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             d.session.merge(d.dir.file("brak.sdb").toStdString()));
    writeBytes(d.dir.file("tekst.sdb"),
               "to nie jest baza danych, tylko tekst, dość długi żeby nie był pusty....");
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             d.session.merge(d.dir.file("tekst.sdb").toStdString()));
    QCOMPARE(testing::dumpOf(d.file()), before);
}

void ExchangeTest::backupsAreWrittenAndRotated() {
    testing::TestSession d;
    execFile(d.file(), "insert into listy values(2,'A','n','E','w','o','B');");
    const files::DatabaseLocation here;
    const std::string first = files::backupDatabase(d.baza, here);
    QVERIFY(QString::fromStdString(first).contains(
        QRegularExpression("/kopie/listy-\\d{8}-\\d{6}\\.sdb$")));
    QCOMPARE(rowsOf(QString::fromStdString(first), "select count(*) from listy"),
             QStringList({"1"}));
    for (int i = 0; i < 24; ++i) files::backupDatabase(d.baza, here);
    const auto copies = files::listBackups(here);
    QCOMPARE(copies.size(), std::size_t(20));
    QVERIFY(!QFile::exists(QString::fromStdString(first)));
    QCOMPARE(copies.front().waybills, 1L);
    QVERIFY(copies.front().size > 0);
    QCOMPARE(copies.front().when.size(), std::size_t(19));
    QStringList leftovers = QDir(d.dir.file("kopie")).entryList({"*.zapis*"}, QDir::Files);
    QVERIFY(leftovers.isEmpty());
}

void ExchangeTest::restorePutsTheCopyBackAfterBackingUp() {
    testing::TestSession d;
    execFile(d.file(), "insert into listy values(2,'A','n','E','w','o','B');");
    const files::DatabaseLocation here;
    const std::string copy = files::backupDatabase(d.baza, here);
    const QString withOne = testing::dumpOf(d.file());
    execFile(d.file(), "delete from listy; insert into stacje values(5,'Z','clred');");
    const QString changed = testing::dumpOf(d.file());
    files::restoreBackup(d.baza, here, copy);
    QCOMPARE(testing::dumpOf(d.file()), withOne);
    const auto copies = files::listBackups(here);
    QCOMPARE(copies.size(), std::size_t(2));
    QCOMPARE(testing::dumpOf(QString::fromStdString(copies.front().path)),
             changed);  // the state before
    // The connection works on the restored file.
    QCOMPARE(rowsOf(d.file(), "select count(*) from listy"), QStringList({"1"}));
}

void ExchangeTest::restoreRefusesADamagedCopy() {
    testing::TestSession d;
    const files::DatabaseLocation here;
    const std::string copy = files::backupDatabase(d.baza, here);
    QFile f(QString::fromStdString(copy));
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.seek(100);
    f.write(QByteArray(3000, '\x55'));
    f.close();
    const QString before = testing::dumpOf(d.file());
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError, files::restoreBackup(d.baza, here, copy));
    QCOMPARE(testing::dumpOf(d.file()), before);
}

void ExchangeTest::givenLocationIsUsedForEveryFile() {
    testing::WorkDir dir;
    QDir().mkdir("inny");
    const files::DatabaseLocation at = files::DatabaseLocation::file("inny/spotkanie.sdb");
    QCOMPARE(QString::fromStdString(at.path()), dir.file("inny/spotkanie.sdb"));
    QCOMPARE(at.fileName(), std::string("spotkanie.sdb"));
    db::SqlConnection baza("baza");
    db::SqlQuery list("sql1");
    list.setConnection(&baza);
    session::openDatabase(baza, list, at);
    QVERIFY(QFile::exists(dir.file("inny/spotkanie.sdb")));
    QVERIFY(!QFile::exists(dir.file("listy.sdb")));
    QCOMPARE(rowsOf(dir.file("inny/spotkanie.sdb"), "select value from admin where key='wersja'"),
             QStringList({"2"}));
    const std::string copy = files::backupDatabase(baza, at);
    QVERIFY(QString::fromStdString(copy).startsWith(dir.file("inny/kopie/spotkanie-")));
    list.close();
    files::recreateDatabase(baza, list, at);
    QVERIFY(!QFile::exists(dir.file("listy.sdb")));
    baza.close();
    // The old-format conversion keeps the old file beside the given one.
    QFile::remove(dir.file("inny/spotkanie.sdb"));
    QVERIFY(QFile::copy(sample("v2-sample.sdb"), dir.file("inny/spotkanie.sdb")));
    const files::MigrationResult m = session::migrateLegacyDatabase(at);
    QVERIFY(m.migrated);
    QCOMPARE(QString::fromStdString(m.backupPath), dir.file("inny/spotkanie.sdb.sqlite2"));
    QVERIFY(
        QString::fromStdString(session::migrationMessage(m)).startsWith("Plik spotkanie.sdb był"));
    QVERIFY(!QFile::exists(dir.file("listy.sdb")));
}

QTEST_GUILESS_MAIN(ExchangeTest)
#include "test_exchange.moc"
