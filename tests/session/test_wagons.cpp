// The wagon list's commands: the table appears only with the first wagon, numbers are
// unique, a copy counts the number up (a UIC number keeps a valid check digit), and the
// wagon list follows every command.

#include <QFile>
#include <QtTest>

#include "session/session.h"
#include "session/shown_list.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using testing::rowsOf;

class WagonsTest : public QObject {
    Q_OBJECT
private slots:
    void commandsAndTheTableMadeOnFirstWrite();
    void countingUp_data();
    void countingUp();
    void copiesCountUpAndRefuseWhole();
    void cardColoursStartWhiteAndAreKept();
    void csvRoundTripAndMergeRules();
};

namespace {

const model::Wagon kEaos{"31 80 5379 000-7",   "Eaos",          "DB", "Hagen", "14040",
                         model::SpeedMark::SS, "O'Brien; \"x\""};

QStringList tables(const QString& file) {
    return rowsOf(file, "select name from sqlite_master where type='table' order by name");
}

}  // namespace

void WagonsTest::commandsAndTheTableMadeOnFirstWrite() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    const QString file = dir.file("listy.sdb");
    const QStringList described = tables(file);
    session::ShownList list(session, "wagons", "", model::List::Wagons);
    model::WagonListing listing{"EAOS", "", model::WagonField::Number, false};
    list.setSqlSource([&] { return session.wagonListSql(listing); });
    list.reopen();
    QCOMPARE(list.recordCount(), 0);
    QVERIFY(session.wagons().empty());
    session.deleteWagon("1");
    QCOMPARE(tables(file), described);  // reading and a delete of nothing create nothing

    session.addWagon(kEaos);
    QCOMPARE(tables(file), described + QStringList{"wagony"});
    session.addWagon({"2", "Gbs", "PKP", "", "", model::SpeedMark::None, ""});
    QCOMPARE(list.recordCount(), 1);  // the class filter ignores case
    QCOMPARE(list.text("numer"), kEaos.number);
    QVERIFY_THROWS_EXCEPTION(model::WagonRefused, session.addWagon({"2", "Eaos"}));
    QVERIFY_THROWS_EXCEPTION(model::WagonRefused, session.addWagon({" ", "Eaos"}));
    QVERIFY_THROWS_EXCEPTION(model::WagonRefused, session.changeWagon("2", {kEaos.number, "Gbs"}));
    QCOMPARE(*session.wagon(kEaos.number), kEaos);  // every text whole

    session.changeWagon("2", {"3", "eaos", "PKP", "", "", model::SpeedMark::S, ""});
    QCOMPARE(list.recordCount(), 2);
    QCOMPARE(rowsOf(file, "select numer, predkosc from wagony order by numer"),
             QStringList({"3|s", kEaos.number.c_str() + QString("|ss")}));
    session.deleteWagon(kEaos.number);
    QCOMPARE(list.recordCount(), 1);
}

void WagonsTest::countingUp_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("counted");
    QTest::newRow("plain") << "1234" << 1 << "1235";
    QTest::newRow("carry keeps width") << "Gbs 099" << 1 << "Gbs 100";
    QTest::newRow("overflow grows") << "99" << 2 << "101";
    QTest::newRow("last run only") << "12 Kls 9" << 3 << "12 Kls 12";
    QTest::newRow("uic check digit") << "21 81 2471 217-3" << 1 << "21 81 2471 218-1";
    QTest::newRow("uic unchecked") << "218124712174" << 1 << "218124712175";
    std::string last = "21812471999";  // a valid UIC number at serial 999
    last += char('0' + model::uicCheckDigit(last));
    QTest::newRow("uic serial ends") << QString::fromStdString(last) << 1 << "";
    QTest::newRow("no digit") << "Eaos" << 1 << "";
}

void WagonsTest::countingUp() {
    QFETCH(QString, number);
    QFETCH(int, steps);
    QFETCH(QString, counted);
    const auto out = model::countedUp(number.toStdString(), steps);
    QCOMPARE(out ? QString::fromStdString(*out) : QString(), counted);
}

void WagonsTest::copiesCountUpAndRefuseWhole() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    const QString file = dir.file("listy.sdb");
    session.addWagon({"Gbs 100", "Gbs", "PKP", "Łódź", "12", model::SpeedMark::S, "n"});
    session.addWagon({"Gbs 101", "Gbs"});
    int notices = 0;
    session.listen([&](const session::Changes&) { ++notices; });
    const auto added = session.copyWagon("Gbs 100", 3);
    QCOMPARE(added, (std::vector<std::string>{"Gbs 102", "Gbs 103", "Gbs 104"}));
    QCOMPARE(notices, 1);
    QCOMPARE(rowsOf(file,
                    "select numer, wlasciciel, stacja, predkosc from wagony "
                    "where numer='Gbs 104'"),
             QStringList({"Gbs 104|PKP|Łódź|s"}));
    session.addWagon({"Eaos", "Eaos"});
    const QString before = testing::dumpOf(file);
    QVERIFY_THROWS_EXCEPTION(model::WagonRefused, session.copyWagon("Eaos", 2));
    QCOMPARE(testing::dumpOf(file), before);
}

void WagonsTest::cardColoursStartWhiteAndAreKept() {
    testing::WorkDir dir;
    session::Session session;
    session.open();
    auto groups = session.cardColours();
    QCOMPARE(groups.size(), std::size_t(6));
    QCOMPARE(model::cardColourOf(groups, "gbs"), "#ffffff");
    QVERIFY(!tables(dir.file("listy.sdb")).contains("kolory_kart"));
    groups[1].colour = "#a05020";  // G+H
    session.setCardColours(groups);
    QCOMPARE(session.cardColours(), groups);
    QCOMPARE(model::cardColourOf(session.cardColours(), "hbbills"), "#a05020");
    QCOMPARE(model::cardColourOf(groups, "Xyz"), "#ffffff");
    groups[0].colour = "red";
    QVERIFY_THROWS_EXCEPTION(model::WagonRefused, session.setCardColours(groups));
}

// Hostile texts go out and come back byte for byte; the rules are the exchange's: a number
// present is skipped (other data reported), a refused row writes nothing, and neither a
// refused import nor a file of only the header makes the table.
void WagonsTest::csvRoundTripAndMergeRules() {
    const std::vector<model::Wagon> hostile = {
        kEaos,
        {"\xEF\xBB\xBF=1+1", "Gbs", "a;b", "line\r\nbreak", " 12 ", model::SpeedMark::S, "\t\"\""},
        {"Z\"", "zacns", "Łódź", "", "", model::SpeedMark::None, std::string(255, 'x')},
    };
    QByteArray exported;
    {
        testing::WorkDir dir;
        session::Session session;
        session.open();
        for (const auto& w : hostile) session.addWagon(w);
        const auto paths = session.exportCsv("out");
        QCOMPARE(paths.size(), std::size_t(5));
        QFile f(QString::fromStdString(paths.back()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        exported = f.readAll();
        QVERIFY(
            exported.contains("Numer;Klasa;Właściciel;Stacja macierzysta;Długość;Prędkość;Uwagi"));
    }
    testing::WorkDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) -> std::string {
        QFile f(dir.file(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
        return f.fileName().toStdString();
    };
    session::Session session;
    session.open();
    const QByteArray header =
        "Numer;Klasa;Właściciel;Stacja macierzysta;Długość;Prędkość;Uwagi\r\n";
    QVERIFY(!session.importFiles({write("bad.csv", header + "1;Gbs;;;;sss;\r\n")}).written);
    QVERIFY(session.importFiles({write("empty.csv", header)}).written);
    QVERIFY(session.exportCsv("none").size() == 4);  // still no wagon table

    const std::string file = write("wagony.csv", exported);
    formats::ExchangeReport r = session.importFiles({file});
    QCOMPARE(r.added[4], 3L);
    QCOMPARE(session.wagons().size(), hostile.size());
    for (const auto& w : hostile) QCOMPARE(*session.wagon(w.number), w);
    QFile again(QString::fromStdString(session.exportCsv("back").back()));
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), exported);

    r = session.importFiles({write("other.csv", header + "\"31 80 5379 000-7\";Eaos;SBB;;;;\r\n")});
    QCOMPARE(r.added[4], 0L);
    QCOMPARE(r.skipped[4], 1L);
    QVERIFY(r.summary().find("z innymi danymi") != std::string::npos);
    QCOMPARE(session.wagon(kEaos.number)->owner, std::string("DB"));
}

QTEST_GUILESS_MAIN(WagonsTest)
#include "test_wagons.moc"
