// Traffic relations and the generator: the worked example of the guide (22 waybills for two
// weeks, 5 for three operating days), the seed's order, the places warning, the table made
// by the first write and gone again with its undo, the marks of relations naming something
// deleted, a rename reaching them, and hostile texts reaching the waybills byte for byte.

#include <QFileInfo>
#include <QtTest>
#include <map>

#include "model/generator.h"
#include "model/traffic.h"
#include "session/session.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::exactDumpOf;
using testing::rowsOf;

class TrafficTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void shareOfDays_data();
    void shareOfDays();
    void placesWarnOnlyWhereExceeded();
    void tableMadeOnFirstWriteMarksAndRename();
    void hostileTextsReachWaybillsWhole();
    void exchangeCarriesRelationsAndPlaces();
};

namespace {

const QString kFile = QStringLiteral("listy.sdb");

model::Relation relation(const char* from, const char* shipper, const char* wagon, const char* load,
                         const char* receiver, const char* to, int perWeek) {
    return {0, {0, from, shipper, wagon, load, receiver, to}, perWeek, ""};
}

// Three stations, five businesses, four loads and the four relations of the guide.
void fillExample(session::Session& s) {
    s.addStation("Gliwice", "clred");
    s.addStation("Opole", "clblue");
    s.addStation("Wrocław", "clyellow");
    s.addParty("Kopalnia", "Gliwice");
    s.addParty("Huta", "Gliwice");
    s.addParty("Młyn", "Opole");
    s.addParty("Piekarnia", "Wrocław");
    s.addParty("Elektrownia", "Wrocław");
    s.addLoad("Węgiel", "Eaos");
    s.addLoad("Koks", "Fals");
    s.addLoad("Mąka", "Gbs");
    s.addLoad("Stal", "Rs");
    s.addRelation(relation("Gliwice", "Kopalnia", "Eaos", "Węgiel", "Elektrownia", "Wrocław", 2));
    s.addRelation(relation("Gliwice", "Huta", "Fals", "Koks", "Młyn", "Opole", 1));
    s.addRelation(relation("Opole", "Młyn", "Gbs", "Mąka", "Piekarnia", "Wrocław", 3));
    s.addRelation(relation("Gliwice", "Huta", "Rs", "Stal", "Piekarnia", "Wrocław", 5));
}

QStringList stackOf(const model::GenerationPlan& plan) {
    QStringList out;
    for (std::size_t i = 0; i < plan.stack.size(); ++i) {
        const model::Waybill w = plan.waybill(i);
        out << QString::fromStdString(w.shipper + ">" + w.load + ">" + w.receiver);
    }
    return out;
}

}  // namespace

void TrafficTest::workedExample() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    fillExample(session);
    const int counterBefore =
        rowsOf(kFile, "select value from admin where key='nr_listu'")[0].toInt();

    model::GenerateOptions two{2, 0, 42, {}};
    const model::GenerationPlan preview = session.planGeneration(two);
    QCOMPARE(preview.stack.size(), std::size_t(22));
    QCOMPARE(rowsOf(kFile, "select count(*) from listy"), QStringList{"0"});  // nothing written
    QCOMPARE(stackOf(session.planGeneration(two)), stackOf(preview));
    model::GenerateOptions otherSeed = two;
    otherSeed.seed = 43;
    QVERIFY(stackOf(session.planGeneration(otherSeed)) != stackOf(preview));

    const model::GenerationPlan made = session.generate(two);
    QCOMPARE(stackOf(made), stackOf(preview));
    QVERIFY(!made.backup.empty());
    QCOMPARE(QString::fromStdString(session.undoText()), QStringLiteral("wygenerowanie 22 listów"));
    QCOMPARE(rowsOf(kFile,
                    "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb, count(*) "
                    "from listy group by 1,2,3,4,5,6 order by 7"),
             QStringList({"Gliwice|Huta|Fals|Koks|Młyn|Opole|2",
                          "Gliwice|Kopalnia|Eaos|Węgiel|Elektrownia|Wrocław|4",
                          "Opole|Młyn|Gbs|Mąka|Piekarnia|Wrocław|6",
                          "Gliwice|Huta|Rs|Stal|Piekarnia|Wrocław|10"}));
    // Ids from the counter in the stack's order, the counter left at the last.
    QStringList order;
    for (const QString& row :
         rowsOf(kFile, "select nadawca, ladunek, odbiorca from listy order by id"))
        order << QString(row).replace('|', '>');
    QCOMPARE(order, stackOf(made));
    QCOMPARE(rowsOf(kFile,
                    "select min(id), max(id), (select value from admin where key='nr_listu') "
                    "from listy"),
             QStringList{QString("%1|%2|%2").arg(counterBefore + 1).arg(counterBefore + 22)});
    const auto station = [&](const std::string& name) {
        for (const model::StationSummary& s : made.stations)
            if (s.station == name) return QList<long>{s.made, s.sent, s.received};
        return QList<long>{};
    };
    QCOMPARE(station("Gliwice"), (QList<long>{16, 16, 0}));
    QCOMPARE(station("Opole"), (QList<long>{8, 6, 2}));
    QCOMPARE(station("Wrocław"), (QList<long>{20, 0, 20}));

    // Three operating days: 11 × 3/7 = 4.71 → 5, the two larger fractions take the rest.
    const model::GenerationPlan days = session.planGeneration({1, 3, 42, {}});
    std::vector<long> counts;
    for (const auto& [r, n] : days.made) counts.push_back(n);
    QCOMPARE(counts, (std::vector<long>{1, 1, 1, 2}));
    QCOMPARE(days.stack.size(), std::size_t(5));
    // The chosen station's relations only.
    QCOMPARE(session.planGeneration({1, 0, 1, {"Opole"}}).stack.size(), std::size_t(4));

    const QString generated = exactDumpOf(kFile, true);
    session.undo();
    QCOMPARE(rowsOf(kFile, "select count(*) from listy"), QStringList{"0"});
    session.redo();  // the rows recorded from the relations are the rows the file held
    QCOMPARE(exactDumpOf(kFile, true), generated);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, session.planGeneration({0, 0, 1, {}}));
}

void TrafficTest::shareOfDays_data() {
    QTest::addColumn<QList<int>>("perWeek");
    QTest::addColumn<int>("days");
    QTest::addColumn<QList<long>>("share");
    QTest::newRow("whole weeks") << QList<int>{2, 1, 3, 5} << 14 << QList<long>{4, 2, 6, 10};
    QTest::newRow("one day") << QList<int>{2, 1, 3, 5} << 1 << QList<long>{0, 0, 1, 1};
    QTest::newRow("ties to the earlier") << QList<int>{1, 1, 1} << 4 << QList<long>{1, 1, 0};
    QTest::newRow("fraction beats whole") << QList<int>{10, 4} << 1 << QList<long>{1, 1};
    QTest::newRow("under half") << QList<int>{1, 1, 1} << 1 << QList<long>{0, 0, 0};
    QTest::newRow("none") << QList<int>{} << 5 << QList<long>{};
}

void TrafficTest::shareOfDays() {
    QFETCH(QList<int>, perWeek);
    QFETCH(int, days);
    QFETCH(QList<long>, share);
    const std::vector<long> got = model::shareOfDays({perWeek.begin(), perWeek.end()}, days);
    QCOMPARE(QList<long>(got.begin(), got.end()), share);
}

void TrafficTest::placesWarnOnlyWhereExceeded() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    fillExample(session);
    // 14 wagons a week, two an operating day, brought to each of the two bakeries' rivals.
    session.addParty("Cukrownia", "Opole");
    session.addRelation(
        relation("Gliwice", "Kopalnia", "Eaos", "Węgiel", "Cukrownia", "Opole", 14));
    session.addRelation(relation("Gliwice", "Kopalnia", "Eaos", "Węgiel", "Młyn", "Opole", 10));
    session.setPlaces({"Cukrownia", "Opole", 1});
    session.setPlaces({"Elektrownia", "Wrocław", 2});
    session.setPlaces({"Młyn", "Opole", 2});  // 1 + 3 + 10 = 14 a week at its siding
    session.setPlaces({"Kopalnia", "Gliwice", 9});
    const model::GenerationPlan plan = session.planGeneration({1, 0, 7, {}});
    QCOMPARE(plan.warnings.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(plan.warnings[0]).contains("Cukrownia"));
    QVERIFY(QString::fromStdString(plan.warnings[0]).contains("2,0"));
    QCOMPARE(session.placesOf("Młyn", "Opole"), 2);

    // With a wagon list, a class that a week's waybills outnumber is named.
    session.addWagon({"1", "eaos", "", "", "", model::SpeedMark::None, ""});
    const model::GenerationPlan withWagons = session.planGeneration({1, 0, 7, {}});
    QCOMPARE(withWagons.warnings.size(), std::size_t(5));  // every class: Eaos has 1 of 26
    QVERIFY(QString::fromStdString(withWagons.summary()).contains("„Eaos”: 26 listów"));
    session.setPlaces({"Młyn", "Opole", 0});
    QCOMPARE(session.places().size(), std::size_t(3));
}

void TrafficTest::tableMadeOnFirstWriteMarksAndRename() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    fillExample(session);
    // The example wrote relations; start again from a file that has none.
    session.newDatabase();
    session.addStation("A", "clred");
    session.addParty("X", "A");
    session.addLoad("Mąka", "Gbs");
    QVERIFY_THROWS_EXCEPTION(model::RelationRefused,
                             session.addRelation(relation("A", "X", "Gbs", "Mąka", "X", "A", 0)));
    QVERIFY_THROWS_EXCEPTION(model::RelationRefused,
                             session.addRelation(relation("A", "X", "Gbs", "Mąka", "X", "A", 100)));
    const QString withoutRelations = exactDumpOf(kFile);
    QVERIFY(!rowsOf(kFile, "select name from sqlite_master").contains("relacje"));
    const int id = session.addRelation(relation("A", "X", "Gbs", "Mąka", "X", "A", 3));
    QCOMPARE(id, 2);
    QCOMPARE(rowsOf(kFile, "select value from admin where key='nr_relacji'"), QStringList{"2"});
    session.undo();
    QCOMPARE(exactDumpOf(kFile), withoutRelations);  // table and counter gone with the step
    session.redo();
    const QString withRelation = exactDumpOf(kFile);
    {
        session::Session other;  // another program's start-up leaves the extra table alone
        other.open();
    }
    QCOMPARE(exactDumpOf(kFile), withRelation);

    model::RelationListing listing;
    auto marks = [&] {
        return rowsOf(kFile, QString::fromStdString(session.relationListSql(listing))
                                 .replace(";", "")
                                 .prepend("select nadawca, braki from (")
                                 .append(")"));
    };
    QCOMPARE(marks(), QStringList{"X|"});
    session.renameParty("X", "A", "Y");  // the rename reaches the relation
    QCOMPARE(rowsOf(kFile, "select nadawca, odbiorca from relacje"), QStringList{"Y|Y"});
    session.renameLoad("Mąka", "Gbs", "Mąka żytnia", "Gbs");
    session.deleteLoad(0, {"Mąka żytnia", "Gbs"});
    QCOMPARE(marks(), QStringList{"Y|brak ładunku"});
    session.deleteStation("A");  // its parties go; the relation stays, marked
    QCOMPARE(marks(), QStringList{"Y|brak stacji, brak nadawcy/odbiorcy, brak ładunku"});
    const model::GenerationPlan plan = session.planGeneration({1, 0, 1, {}});
    QVERIFY(plan.stack.empty());
    QCOMPARE(plan.skipped.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(plan.summary()).contains("brak stacji"));
    listing.onlyAvailableWagons = true;  // no wagon list: no wagon type is available
    QCOMPARE(marks(), QStringList{});
    session.deleteRelation(id);
    QCOMPARE(rowsOf(kFile, "select count(*) from relacje"), QStringList{"0"});
}

void TrafficTest::hostileTextsReachWaybillsWhole() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    const std::string station = "O'Hara; \"Süd\"\r\nline 🚂";
    const std::string longName = std::string(254, 'x') + "ż";  // 255 characters
    const std::string load = "Drewno '; drop table listy; --";
    session.addStation(station, "clred");
    session.addParty(longName, station);
    session.addLoad(load, "Ea'os");
    session.addRelation(
        {0, {0, station, longName, "Ea'os", load, longName, station}, 2, "a;\"b\""});
    session.generate({1, 0, 5, {}});
    QCOMPARE(rowsOf(kFile, "select count(*) from listy where st_nad=st_odb and nadawca=odbiorca"),
             QStringList{"2"});
    for (const auto& r : session.relations()) QCOMPARE(r.note, std::string("a;\"b\""));
    const QStringList rows = rowsOf(kFile,
                                    "select distinct hex(st_nad), hex(nadawca), "
                                    "hex(rodz_wag), hex(ladunek) from listy");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0], QString(QByteArray::fromStdString(station).toHex().toUpper() + "|" +
                              QByteArray::fromStdString(longName).toHex().toUpper() + "|" +
                              QByteArray("Ea'os").toHex().toUpper() + "|" +
                              QByteArray::fromStdString(load).toHex().toUpper()));
}

// relacje.csv and miejsca.csv exported once the file holds them, imported by their headers
// with the exchange's rules (a multiset of relations, places by business, a bad row refusing
// the whole import), and both lists merged from another Listy file.
void TrafficTest::exchangeCarriesRelationsAndPlaces() {
    testing::WorkDir source;
    session::Session a;
    a.open();
    QCOMPARE(a.exportCsv("plain").size(), std::size_t(4));
    fillExample(a);
    a.setPlaces({"Młyn", "Opole", 2});
    const std::vector<std::string> paths = a.exportCsv("out");
    QCOMPARE(paths.size(), std::size_t(6));
    QFile relations(QString::fromStdString(paths[4]));
    QVERIFY(relations.open(QIODevice::ReadOnly));
    QVERIFY(relations.readAll().startsWith(
        "\xEF\xBB\xBFNadawca;Stacja nadania;Ładunek;Rodzaj wagonu;Odbiorca;Stacja odbioru;"
        "Wagonów na tydzień\r\n\"Kopalnia\";\"Gliwice\";\"Węgiel\";\"Eaos\""));
    const std::vector<std::string> traffic = {
        QFileInfo(QString::fromStdString(paths[4])).absoluteFilePath().toStdString(),
        QFileInfo(QString::fromStdString(paths[5])).absoluteFilePath().toStdString()};
    const std::string other = source.file(kFile).toStdString();

    testing::WorkDir dir;
    session::Session b;
    b.open();
    QFile bad(dir.file("zle.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("Nazwa;Stacja;Miejsca\r\nMłyn;Opole;1\r\nHuta;Gliwice;0\r\n");
    bad.close();
    const formats::ExchangeReport refused =
        b.importFiles({traffic[0], bad.fileName().toStdString()});
    QVERIFY(!refused.written);
    QVERIFY(refused.summary().find("wiersz 3") != std::string::npos);
    QCOMPARE(rowsOf(kFile, "select name from sqlite_master where name in ('relacje','miejsca')"),
             QStringList{});
    formats::ExchangeReport r = b.importFiles(traffic);
    QCOMPARE(r.added[5], 4L);
    QCOMPARE(r.added[6], 1L);
    QCOMPARE(rowsOf(kFile, "select min(id), max(id), sum(na_tydzien) from relacje"),
             QStringList{"2|5|11"});
    r = b.importFiles(traffic);  // the same files again add nothing
    QCOMPARE(r.added[5], 0L);
    QCOMPARE(r.skipped[5], 4L);
    QCOMPARE(r.skipped[6], 1L);
    r = b.merge(other);
    QCOMPARE(r.added[5], 0L);
    QCOMPARE(r.added[0], 3L);  // the stations, which the CSV files did not carry
    QCOMPARE(b.planGeneration({2, 0, 1, {}}).stack.size(), std::size_t(22));
}

QTEST_GUILESS_MAIN(TrafficTest)
#include "test_traffic.moc"
