// The print run against a recording print service: the exact drawing calls of a card, the
// slots and pages of a run, the copy counts, the band colours read from stacje, and what
// happens to the document when a run stops.

#include <QtTest>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "print/card_layout.h"
#include "print/print_run.h"
#include "print/recording_print_service.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using print::PrintRowData;
using testing::RecordingPrintService;

namespace {

// A database in a fresh working directory with the given stations.
struct Stations {
    testing::WorkDir dir;
    db::SqlConnection baza{"baza"};
    db::SqlQuery sql1{"sql1"};
    db::SqlQuery sql2{"sql2"};

    explicit Stations(const QString& sql = {}) {
        sql1.setConnection(&baza);
        sql2.setConnection(&baza);
        testing::openNewDatabase(baza, sql1);
        if (!sql.isEmpty()) testing::execFile(dir.file("listy.sdb"), sql);
    }
};

PrintRowData row(bool ticked, const std::string& count, const std::string& stOdb = "Odb",
                 const std::string& stNad = "Nad") {
    return {ticked, count, {stOdb, "Odbiorca S.A.", "Węgiel", "Eaos", "Huta", stNad}};
}

// Runs the rows and returns the recorded calls.
QStringList run(Stations& db, const std::vector<PrintRowData>& rows, int height = 6600,
                int printer = -1) {
    RecordingPrintService service;
    service.height = height;
    double skala = 0;
    print::printWaybills(service, db.sql2, printer, rows, skala);
    return service.calls;
}

// The card rectangles of a run (each card begins with the grey fill and its rectangle).
QStringList cardRects(const QStringList& calls) {
    QStringList cards;
    for (int i = 1; i < calls.size(); ++i) {
        if (calls[i - 1] == "fill 192,192,192") cards << calls[i];
    }
    return cards;
}

// The fill colour in force when `rect` was drawn, for each time it was drawn.
QStringList fillsOf(const QStringList& calls, const QString& rect) {
    QStringList fills;
    QString fill = "fill 255,255,255";
    for (const QString& c : calls) {
        if (c.startsWith("fill ")) fill = c;
        if (c == rect) fills << fill.mid(5);
    }
    return fills;
}

const QString kTopBand = "rect 456,456,1367,644";
const QString kBottomBand = "rect 456,1625,1367,1813";

}  // namespace

class CardLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void workedExampleCard();
    void slotsAndPages_data();
    void slotsAndPages();
    void copyCounts_data();
    void copyCounts();
    void badCountStopsTheRun_data();
    void badCountStopsTheRun();
    void bandColours_data();
    void bandColours();
    void databaseErrorAbortsTheDocument();
    void printerIndexAndScale();
};

void CardLayoutTest::roundsHalvesToEven_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("pixels");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("55.5555") << 55.5555 << 56;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("1444.44") << 1444.44 << 1444;
}

void CardLayoutTest::roundsHalvesToEven() {
    QFETCH(double, x);
    QFETCH(int, pixels);
    QCOMPARE(print::toPixels(x), pixels);
}

void CardLayoutTest::workedExampleCard() {
    Stations db(
        "insert into stacje values(1,'Gliwice','clred');"
        "insert into stacje values(2,'Opole','clblue');");
    const QStringList calls = run(db, {row(true, "1", "Gliwice", "Opole")});
    const QStringList expected{"select -1",
                               "title Listy przewozowe",
                               "begin",
                               "clip 400,400,1400,1844",
                               "font 8",
                               "fill 192,192,192",
                               "rect 400,400,1400,1844",
                               "fill 255,255,255",
                               "rect 456,690,1367,878",
                               "rect 456,924,1367,1111",
                               "rect 456,1157,1367,1345",
                               "rect 456,1391,1367,1579",
                               "fill 255,0,0",
                               "rect 456,456,1367,644",
                               "fill 0,0,255",
                               "rect 456,1625,1367,1813",
                               "fill 255,255,255",
                               "text 463,466 Stacja odbioru",
                               "text 463,700 Odbiorca",
                               "text 463,934 Ładunek",
                               "text 463,1167 Rodzaj wagonu",
                               "text 463,1401 Nadawca",
                               "text 463,1635 Stacja nadania",
                               "style bold",
                               "font 11",
                               "text 512,541 Gliwice",
                               "style regular",
                               "font 8",
                               "text 512,775 Odbiorca S.A.",
                               "text 512,1009 Węgiel",
                               "text 512,1242 Eaos",
                               "text 512,1476 Huta",
                               "text 512,1710 Opole",
                               "unclip",
                               "end"};
    QCOMPARE(calls, expected);

    // The second card of a line and the last card of a page.
    const QStringList cards = cardRects(run(db, {row(true, "16")}));
    QCOMPARE(cards.size(), 16);
    QCOMPARE(cards[1], QStringLiteral("rect 1400,400,2400,1844"));
    QCOMPARE(cards[15].section(',', 0, 1), QStringLiteral("rect 3400,4733"));
}

void CardLayoutTest::slotsAndPages_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("lastCard");
    QTest::newRow("three") << 3 << 1 << "rect 2400,400,3400,1844";
    QTest::newRow("fifth wraps to line 1") << 5 << 1 << "rect 400,1844,1400,3288";
    QTest::newRow("sixteen fill one page") << 16 << 1 << "rect 3400,4733,4400,6177";
    QTest::newRow("seventeen") << 17 << 2 << "rect 400,400,1400,1844";
    QTest::newRow("thirty-two") << 32 << 2 << "rect 3400,4733,4400,6177";
    QTest::newRow("sixteen hundred") << 1600 << 100 << "rect 3400,4733,4400,6177";
}

void CardLayoutTest::slotsAndPages() {
    QFETCH(int, copies);
    QFETCH(int, pages);
    QFETCH(QString, lastCard);
    Stations db;
    const QStringList calls = run(db, {row(true, std::to_string(copies))});
    const QStringList cards = cardRects(calls);
    QCOMPARE(cards.size(), copies);
    QCOMPARE(cards.last(), lastCard);
    QCOMPARE(calls.count("newpage") + 1, pages);
    QCOMPARE(calls.count("begin"), 1);
    // A new page comes only right before a card, after a full page of them.
    int cardsBefore = 0;
    for (int i = 0; i < calls.size(); ++i) {
        if (calls[i].startsWith("clip ")) ++cardsBefore;
        if (calls[i] != "newpage") continue;
        QCOMPARE(cardsBefore % 16, 0);
        QVERIFY(calls[i - 1] == "unclip" && calls[i + 1].startsWith("clip "));
    }
    // The run ends right after the last card.
    QCOMPARE(calls.mid(calls.size() - 3, 1).first().left(5), QStringLiteral("text "));
    QCOMPARE(calls.mid(calls.size() - 2), QStringList({"unclip", "end"}));
}

void CardLayoutTest::copyCounts_data() {
    QTest::addColumn<QStringList>("ticks");  // "1" ticked, "0" not
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<int>("cards");
    QTest::newRow("nothing ticked") << QStringList{"0", "0"} << QStringList{"2", "5"} << 0;
    QTest::newRow("zero and negative") << QStringList{"1", "1"} << QStringList{"0", "-3"} << 0;
    QTest::newRow("blank before digits") << QStringList{"1"} << QStringList{" 2"} << 2;
    QTest::newRow("plus sign") << QStringList{"1"} << QStringList{"+3"} << 3;
    QTest::newRow("ticked and unticked")
        << QStringList{"1", "0", "1"} << QStringList{"2", "7", "1"} << 3;
    QTest::newRow("unticked numbers are only read")
        << QStringList{"0", "1"} << QStringList{"-9", "1"} << 1;
}

void CardLayoutTest::copyCounts() {
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, counts);
    QFETCH(int, cards);
    Stations db;
    std::vector<PrintRowData> rows;
    for (int i = 0; i < ticks.size(); ++i) {
        rows.push_back(row(ticks[i] == "1", counts[i].toStdString(), "S" + std::to_string(i)));
    }
    const QStringList calls = run(db, rows);
    QCOMPARE(cardRects(calls).size(), cards);
    QCOMPARE(calls.mid(0, 3), QStringList({"select -1", "title Listy przewozowe", "begin"}));
    QCOMPARE(calls.last(), QStringLiteral("end"));
    if (cards == 0) QCOMPARE(calls.size(), 4);
    // Cards come in row order: the bold receiving station (the text after "font 11") names
    // the row.
    QStringList order;
    for (int i = 1; i < calls.size(); ++i) {
        if (calls[i - 1] == "font 11") order << calls[i].section(' ', 2);
    }
    QStringList expected;
    for (int i = 0; i < ticks.size(); ++i) {
        if (ticks[i] == "1") {
            for (int n = 0; n < counts[i].trimmed().toInt(); ++n)
                expected << QStringLiteral("S%1").arg(i);
        }
    }
    QCOMPARE(order, expected);
}

void CardLayoutTest::badCountStopsTheRun_data() {
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("count");
    QTest::newRow("letters, unticked") << false << "abc";
    QTest::newRow("letters, ticked") << true << "dwa";
    QTest::newRow("empty") << true << "";
    QTest::newRow("blank after digits") << false << "2 ";
    QTest::newRow("decimal") << true << "1.5";
    QTest::newRow("too big") << true << "99999999999";
}

void CardLayoutTest::badCountStopsTheRun() {
    QFETCH(bool, ticked);
    QFETCH(QString, count);
    Stations db;
    RecordingPrintService service;
    double skala = 0;
    const std::vector<PrintRowData> rows{row(true, "2"), row(ticked, count.toStdString()),
                                         row(true, "3")};
    try {
        print::printWaybills(service, db.sql2, -1, rows, skala);
        QFAIL("the run went on past a bad count");
    } catch (const db::ConvertError& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("'%1' is not a valid integer value").arg(count));
    }
    // The first row's two cards were drawn, nothing after; the document was cancelled.
    QCOMPARE(cardRects(service.calls).size(), 2);
    QCOMPARE(service.calls.last(), QStringLiteral("abort"));
    QCOMPARE(service.calls.count("abort"), 1);
    QVERIFY(!service.calls.contains("end"));
}

void CardLayoutTest::bandColours_data() {
    QTest::addColumn<QString>("stations");
    QTest::addColumn<QString>("stOdb");
    QTest::addColumn<QString>("stNad");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    const QString two =
        "insert into stacje values(1,'Gliwice','clgreen');"
        "insert into stacje values(2,'Opole','clbrown');";
    QTest::newRow("both found") << two << "Gliwice"
                                << "Opole"
                                << "0,128,0"
                                << "187,130,91";
    QTest::newRow("same station") << two << "Opole"
                                  << "Opole"
                                  << "187,130,91"
                                  << "187,130,91";
    QTest::newRow("receiving missing") << two << "Brak"
                                       << "Opole"
                                       << "255,255,255"
                                       << "187,130,91";
    QTest::newRow("sending missing is white") << two << "Gliwice"
                                              << "Brak"
                                              << "0,128,0"
                                              << "255,255,255";
    QTest::newRow("both missing") << two << "Brak"
                                  << "Nic"
                                  << "255,255,255"
                                  << "255,255,255";
    QTest::newRow("names compared exactly") << two << "gliwice"
                                            << "Opole "
                                            << "255,255,255"
                                            << "255,255,255";
    QTest::newRow("colour names are case-sensitive")
        << "insert into stacje values(1,'A','ClRed');insert into stacje values(2,'B','clblack');"
        << "B"
        << "A"
        << "0,0,0"
        << "255,255,255";
    QTest::newRow("unknown colour is white")
        << "insert into stacje values(1,'A','clpurple');insert into stacje "
           "values(2,'B','clorange');"
        << "B"
        << "A"
        << "231,120,23"
        << "255,255,255";
    QTest::newRow("apostrophe in a name")
        << "insert into stacje values(1,'Port O''Neil','clyellow');"
           "insert into stacje values(2,'x'' or ''1''=''1','clred');"
        << "Port O'Neil"
        << "x' or '1'='1"
        << "255,255,0"
        << "255,0,0";
    QTest::newRow("first row only")
        << "insert into stacje values(1,'A','clblue');insert into stacje values(2,'A','clred');"
        << "A"
        << "A"
        << "0,0,255"
        << "0,0,255";
}

void CardLayoutTest::bandColours() {
    QFETCH(QString, stations);
    QFETCH(QString, stOdb);
    QFETCH(QString, stNad);
    QFETCH(QString, top);
    QFETCH(QString, bottom);
    Stations db(stations);
    // Two cards: the second begins with the fill the first one left.
    const QStringList calls = run(db, {row(true, "1", stOdb.toStdString(), stNad.toStdString()),
                                       row(true, "1", "Nowhere", "Nowhere")});
    QCOMPARE(fillsOf(calls, kTopBand), QStringList{top});
    QCOMPARE(fillsOf(calls, kBottomBand), QStringList{bottom});
    // Each card sets the white of its four middle bands afresh, so the second card's bands
    // are white whatever the first one's colours were.
    QCOMPARE(fillsOf(calls, "rect 1456,456,2367,644"), QStringList{"255,255,255"});
    QCOMPARE(fillsOf(calls, "rect 1456,690,2367,878"), QStringList{"255,255,255"});
    // The values are printed as they are, apostrophes included.
    QVERIFY(calls.contains("text 512,541 " + stOdb));
    QVERIFY(calls.contains("text 512,1710 " + stNad));
    QCOMPARE(QString::fromStdString(db.sql2.sql()),
             QStringLiteral("select kolor from stacje where nazwa='Nowhere';"));
    QVERIFY(db.sql2.active());
}

void CardLayoutTest::databaseErrorAbortsTheDocument() {
    Stations db("drop table stacje;");
    RecordingPrintService service;
    double skala = 0;
    QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                             print::printWaybills(service, db.sql2, -1, {row(true, "1")}, skala));
    QCOMPARE(service.calls.last(), QStringLiteral("abort"));
    QVERIFY(!service.calls.contains("end"));
    // A later run on a repaired database prints normally.
    testing::execFile(db.dir.file("listy.sdb"),
                      "create table stacje(id integer, nazwa varchar, kolor varchar);");
    RecordingPrintService again;
    print::printWaybills(again, db.sql2, -1, {row(true, "1")}, skala);
    QCOMPARE(cardRects(again.calls).size(), 1);
    QCOMPARE(again.calls.last(), QStringLiteral("end"));
}

void CardLayoutTest::printerIndexAndScale() {
    Stations db;
    RecordingPrintService service;
    service.height = 297;  // one pixel per unit: d = R(2.5) = 2, the card 45 x 65
    double skala = 0;
    print::printWaybills(service, db.sql2, 2, {row(true, "2")}, skala);
    QCOMPARE(skala, 1.0);
    QCOMPARE(service.calls.first(), QStringLiteral("select 2"));
    QCOMPARE(cardRects(service.calls), QStringList({"rect 18,18,63,83", "rect 63,18,108,83"}));
    // Band 0: top Y + d, bottom Y + d + 8 + 10; band 1 starts 8 + d below band 0.
    QVERIFY(service.calls.contains("rect 20,20,61,38"));
    QVERIFY(service.calls.contains("rect 20,30,61,48"));
    // s = 3: d = R(7.5) = 8.
    const print::CardGeometry g = print::cardGeometry(3.0, 0, 0);
    QCOMPARE(g.d, 8);
    QCOMPARE(g.bands[5],
             (print::Rect{54 + 8, 54 + 6 * 8 + 120, 54 + 8 + 123, 54 + 6 * 8 + 144 + 10}));
}

QTEST_GUILESS_MAIN(CardLayoutTest)
#include "test_card_layout.moc"
