// The remembered settings (config/settings.h): read back with their types under the keys the
// program has always stored them under in "Listy/Listy", and the settings once written through
// a QSettings without a name found in that old place and moved to the own one.

#include <QtTest>

#include <QFileInfo>
#include <QPoint>
#include <QSettings>
#include <QSize>
#include <type_traits>

#include "config/settings.h"
#include "support/work_dir.h"

namespace {

// The program's own place, as the windows opened it before the settings were typed.
QSettings ownPlace() {
    return QSettings(QStringLiteral("Listy"), QStringLiteral("Listy"));
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    // The generator, the car-card window and the join offer wrote through `QSettings()`; the
    // program (like this test) sets no organisation or application name.
    void unnamedSettingsAreMovedOnce() {
        testing::WorkDir work;
        QVERIFY(QCoreApplication::organizationName().isEmpty());
        QVERIFY(QCoreApplication::organizationDomain().isEmpty());
        {
            QSettings old;
            old.setValue(QStringLiteral("generator/tygodnie"), 3);
            old.setValue(QStringLiteral("generator/dni"), 12);
            old.setValue(QStringLiteral("generator/wgDni"), true);
            old.setValue(QStringLiteral("kartyWagonow/format"), 2);
            old.setValue(QStringLiteral("kartyWagonow/arkusz"), 1);
            old.setValue(QStringLiteral("kartyWagonow/kieszen"), 3);
            old.setValue(QStringLiteral("kartyWagonow/szerokosc"), 110.5);
            old.setValue(QStringLiteral("kartyWagonow/wysokosc"), 150.0);
            old.setValue(QStringLiteral("edycja/duplikatyPoImporcie"), true);
            // Where such a QSettings writes: "Unknown Organization" and the executable's name.
            const QString executable = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
            QCOMPARE(QCoreApplication::applicationName(), executable);
            QCOMPARE(old.fileName(),
                     work.file(QStringLiteral("Unknown Organization/%1.conf").arg(executable)));
        }
        QVERIFY(QFileInfo::exists(work.file(QStringLiteral("Unknown Organization"))));
        QVERIFY(!ownPlace().contains(QStringLiteral("generator/tygodnie")));

        QCOMPARE(config::read(config::kGeneratorWeeks), 3);
        QCOMPARE(config::read(config::kGeneratorDays), 12);
        QCOMPARE(config::read(config::kGeneratorByDays), true);
        QCOMPARE(config::read(config::kCarCardFormat), 2);
        QCOMPARE(config::read(config::kCarCardPaper), 1);
        QCOMPARE(config::read(config::kCarCardPocket), 3);
        QCOMPARE(config::read(config::kCarCardWidth), 110.5);
        QCOMPARE(config::read(config::kCarCardHeight), 150.0);
        QCOMPARE(config::read(config::kOfferJoinAfterImport), true);

        // Now in the own place, under the same keys; the old place is left as it was.
        {
            QSettings own = ownPlace();
            QCOMPARE(own.fileName(), work.file(QStringLiteral("Listy/Listy.conf")));
            QCOMPARE(own.value(QStringLiteral("generator/tygodnie")).toInt(), 3);
            QCOMPARE(own.value(QStringLiteral("kartyWagonow/szerokosc")).toDouble(), 110.5);
            QCOMPARE(own.value(QStringLiteral("edycja/duplikatyPoImporcie")).toBool(), true);
        }
        QCOMPARE(QSettings().value(QStringLiteral("generator/tygodnie")).toInt(), 3);

        // Moved once: what the old place says later is no longer read.
        QSettings().setValue(QStringLiteral("generator/tygodnie"), 9);
        QCOMPARE(config::read(config::kGeneratorWeeks), 3);
        config::write(config::kGeneratorWeeks, 4);
        QCOMPARE(config::read(config::kGeneratorWeeks), 4);
        QCOMPARE(QSettings().value(QStringLiteral("generator/tygodnie")).toInt(), 9);
    }

    void ownPlaceComesFirst() {
        testing::WorkDir work;
        QSettings().setValue(QStringLiteral("generator/dni"), 12);
        QSettings().setValue(QStringLiteral("kartyWagonow/kieszen"), 3);
        ownPlace().setValue(QStringLiteral("generator/dni"), 5);
        QCOMPARE(config::read(config::kGeneratorDays), 5);
        // Written through the typed settings before it was ever read: never moved.
        config::write(config::kCarCardPocket, 1);
        QCOMPARE(config::read(config::kCarCardPocket), 1);
        // Kept in neither place: the default, and nothing is written.
        QCOMPARE(config::read(config::kGeneratorWeeks), 1);
        QCOMPARE(config::read(config::kCarCardHeight), 148.0);
        QVERIFY(!config::isStored(config::kGeneratorWeeks));
        QVERIFY(!ownPlace().contains(QStringLiteral("generator/tygodnie")));
        // Only the settings that were written unnamed are looked for there.
        QSettings().setValue(QStringLiteral("wydruk/pierwszePole"), 7);
        QCOMPARE(config::read(config::kPrintFirstSlot), 1);
    }

    void readBackWithTheirTypes() {
        testing::WorkDir work;
        config::write(config::kGeneratorWeeks, 7);
        config::write(config::kGeneratorByDays, true);
        config::write(config::kCarCardWidth, 112.5);
        config::write(config::kLanguage, QStringLiteral("de"));
        static_assert(std::is_same_v<decltype(config::read(config::kGeneratorWeeks)), int>);
        static_assert(std::is_same_v<decltype(config::read(config::kGeneratorByDays)), bool>);
        static_assert(std::is_same_v<decltype(config::read(config::kCarCardWidth)), double>);
        static_assert(std::is_same_v<decltype(config::read(config::kLanguage)), QString>);
        QCOMPARE(config::read(config::kGeneratorWeeks), 7);
        QCOMPARE(config::read(config::kGeneratorByDays), true);
        QCOMPARE(config::read(config::kCarCardWidth), 112.5);
        QCOMPARE(config::read(config::kLanguage), QStringLiteral("de"));

        // A printer's offset, its name a group in which nothing is a separator or a comment.
        const QString printer = QStringLiteral("HP LaserJet 4/2 \\ Büro [A]; #1 = ok");
        config::write(config::printerOffsetX(printer), -35);
        config::write(config::printerOffsetY(printer), 12);
        static_assert(std::is_same_v<decltype(config::read(config::printerOffsetX(printer))), int>);
        QCOMPARE(config::read(config::printerOffsetX(printer)), -35);
        QCOMPARE(config::read(config::printerOffsetY(printer)), 12);
        QCOMPARE(config::read(config::printerOffsetX(QStringLiteral("HP LaserJet 4"))), 0);

        // A window's place.
        config::write(config::windowPosition(QStringLiteral("wydruk")), QPoint(30, 40));
        config::write(config::windowSize(QStringLiteral("wydruk")), QSize(640, 480));
        QVERIFY(config::isStored(config::windowSize(QStringLiteral("wydruk"))));
        QVERIFY(!config::isStored(config::windowSize(QStringLiteral("stacje"))));
        QCOMPARE(config::read(config::windowPosition(QStringLiteral("wydruk"))), QPoint(30, 40));
        QCOMPARE(config::read(config::windowSize(QStringLiteral("wydruk"))), QSize(640, 480));

        // Under the keys the program has always used.
        QSettings own = ownPlace();
        QCOMPARE(own.value(QStringLiteral("generator/tygodnie")).toInt(), 7);
        QCOMPARE(own.value(QStringLiteral("jezyk")).toString(), QStringLiteral("de"));
        own.beginGroup(QStringLiteral("drukarki"));
        const QString group = QString::fromLatin1(printer.toUtf8().toPercentEncoding());
        QCOMPARE(own.childGroups(), QStringList{group});
        QCOMPARE(own.value(group + QStringLiteral("/przesuniecieX")).toInt(), -35);
        own.endGroup();
        QCOMPARE(own.value(QStringLiteral("okna/wydruk/rozmiar")).toSize(), QSize(640, 480));
        QCOMPARE(own.value(QStringLiteral("okna/wydruk/pozycja")).toPoint(), QPoint(30, 40));
    }

    // What users' files hold from earlier versions is found under the same keys.
    void earlierKeysAreKept() {
        testing::WorkDir work;
        {
            QSettings own = ownPlace();
            own.setValue(QStringLiteral("jezyk"), QStringLiteral("en"));
            own.setValue(QStringLiteral("wydruk/pierwszePole"), 5);
            own.setValue(QStringLiteral("wydruk/kolejnosc"), QStringLiteral("sending"));
            own.setValue(QStringLiteral("wydruk/wlasnyFormat/szerokosc"), 54.0);
            own.setValue(QStringLiteral("wydruk/skladany"), true);
            own.setValue(QStringLiteral("drukarki/PDF%20Drucker/przesuniecieY"), -7);
            own.setValue(QStringLiteral("okna/glowne/rozmiar"), QSize(800, 600));
        }
        QCOMPARE(config::read(config::kLanguage), QStringLiteral("en"));
        QCOMPARE(config::read(config::kPrintFirstSlot), 5);
        QCOMPARE(config::read(config::kPrintOrder), QStringLiteral("sending"));
        QCOMPARE(config::read(config::kPrintCustomWidth), 54.0);
        QCOMPARE(config::read(config::kPrintFold), true);
        QCOMPARE(config::read(config::printerOffsetY(QStringLiteral("PDF Drucker"))), -7);
        QCOMPARE(config::read(config::windowSize(QStringLiteral("glowne"))), QSize(800, 600));
    }

    void unreadableValuesReadAsDefaults() {
        testing::WorkDir work;
        ownPlace().setValue(QStringLiteral("generator/tygodnie"), QStringLiteral("abc"));
        ownPlace().setValue(QStringLiteral("kartyWagonow/szerokosc"), QStringLiteral("x"));
        ownPlace().setValue(QStringLiteral("okna/glowne/rozmiar"), QStringLiteral("duże"));
        QCOMPARE(config::read(config::kGeneratorWeeks), 1);
        QCOMPARE(config::read(config::kCarCardWidth), 105.0);
        QVERIFY(config::isStored(config::windowSize(QStringLiteral("glowne"))));
        QCOMPARE(config::read(config::windowSize(QStringLiteral("glowne"))), QSize());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
