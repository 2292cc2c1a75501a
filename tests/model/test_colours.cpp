// The colour table: names and colours as the cards and the stations window use them.

#include <QtTest>

#include "model/colours.h"

class ColoursTest : public QObject {
    Q_OBJECT
private slots:
    void indexToName_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("no selection") << -1 << "clwhite";
        QTest::newRow("white") << 0 << "clwhite";
        QTest::newRow("red") << 1 << "clred";
        QTest::newRow("orange") << 7 << "clorange";
        QTest::newRow("past the end") << 8 << "clwhite";
    }
    void indexToName() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(QString::fromUtf8(model::colourNameForIndex(index).data(),
                                   qsizetype(model::colourNameForIndex(index).size())),
                 name);
    }
    void nameToColour() {
        const auto green = model::colourByName("clgreen");
        QVERIFY(green);
        QCOMPARE(green->index, 3);
        QCOMPARE(int(green->green), 128);  // half-intensity green, not 255
        const auto brown = model::colourByName("clbrown");
        QVERIFY(brown);
        QCOMPARE(QStringLiteral("#%1%2%3")
                     .arg(int(brown->red), 2, 16, QLatin1Char('0'))
                     .arg(int(brown->green), 2, 16, QLatin1Char('0'))
                     .arg(int(brown->blue), 2, 16, QLatin1Char('0')),
                 QStringLiteral("#bb825b"));
        QVERIFY(!model::colourByName("clRed"));  // exact, case-sensitive
        QVERIFY(!model::colourByName("clred "));
        QVERIFY(!model::colourByName(""));
        QCOMPARE(QString::fromUtf8(model::kFremoColours[7].label.data()).left(15),
                 QStringLiteral("Pomarańczowy - "));
    }
};

QTEST_GUILESS_MAIN(ColoursTest)
#include "test_colours.moc"
