// What the application object sets up: Polish texts on Qt's own buttons, the window face
// mapped to a face this system has, and the title used by the standard error box.

#include <QFontInfo>
#include <QtTest>

#include "ui/application.h"
#include "ui/dialogs.h"

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void polishButtonsAndFont() {
        ui::setUpLookAndText(*qApp);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Tak"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nie"));
        const QFont font = QApplication::font();
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSize(), 8);
        const QString shown = QFontInfo(font).family();
        QVERIFY2(shown == "Liberation Sans" || shown == "DejaVu Sans", qPrintable(shown));
    }
    void titleComesFromTheProgramFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/listy"
                               << "listy";
        QTest::newRow("capitals after the first letter") << "/opt/LISTY"
                                                         << "Listy";
        QTest::newRow("everything from the first dot") << "./Listy.v2.exe"
                                                       << "Listy";
        QTest::newRow("dot first") << "/x/.hidden"
                                   << "";
        QTest::newRow("Polish letters") << "ŁÓDŹ"
                                        << "Łódź";
    }
    void titleComesFromTheProgramFile() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ui::applicationTitle(path), title);
    }
};

QTEST_MAIN(ApplicationTest)
#include "test_application.moc"
