// What the menus and keys do beyond the designed windows: "Plik → Wyjscie" ends the program
// as closing the main window does, Escape closes every dialog window wherever the focus is,
// the stations window opens with the keyboard in its name box, tooltips name the keys as a
// Polish keyboard labels them, the print window's own keys and its list's arrow keys, the
// search bar's place, and the menu "Pomoc".

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "support/db_helpers.h"
#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "ui/data_grid.h"
#include "ui/find_dialog.h"
#include "ui/help_menu.h"
#include "ui/print_list.h"
#include "ui/print_rows.h"
#include "ui/print_window.h"
#include "ui/window_keys.h"

using testing::execFile;

namespace {

const char* kWaybills =
    "insert into stacje values(2,'Łódź','clred');"
    "insert into listy values(2,'Łódź','Huta','E','Węgiel','Port','Gdynia');"
    "insert into listy values(3,'Kraków','Żuraw','G','Żwir','Skład','Łowicz');"
    "insert into listy values(4,'Poznań','Młyn','F','Zboże','Piekarnia','Łódź');"
    "update admin set value='4' where key='nr_listu';"
    "update admin set value=2 where key='nr_stacji';";

QAction* action(QWidget& w, const char* name) {
    auto* a = w.findChild<QAction*>(QLatin1String(name));
    if (!a) qFatal("no action %s", name);
    return a;
}

// Shows `dialog` as the menu does (without a blocking loop) and gives it the keyboard.
void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

}  // namespace

class EverydayKeysTest : public QObject {
    Q_OBJECT
private slots:
    void exitEndsTheProgramAskingAboutAnOpenTransaction();
    void escapeClosesEveryDialogWindowWhereverTheFocusIs();
    void stationsWindowOpensWithTheKeyboardInItsNameBox();
    void keysAreNamedAsAPolishKeyboardLabelsThem();
    void printWindowKeysAndArrowsInItsList();
    void searchBarCoversNoFieldAndNoButton();
    void helpMenuIsLastAndOpensTheGuide();
};

void EverydayKeysTest::exitEndsTheProgramAskingAboutAnOpenTransaction() {
    testing::Program p(kWaybills);
    QAction* exit = action(p.main(), "Wydrukstacji1");
    QCOMPARE(exit->text(), QStringLiteral("Wyjscie"));
    // A transaction left open (as the SQL browser leaves one): the question is asked, Nie
    // rolls it back, and the program ends.
    testing::execDirect(p.main().session().connection(), "begin transaction; delete from listy");
    QVERIFY(p.main().session().inTransaction());
    p.dialogs.answer({false});
    exit->trigger();
    QCOMPARE(p.dialogs.transcript(),
             QStringLiteral("Pytanie: Transakcja jest otwarta. Zatwierdzić zmiany?"));
    QVERIFY(!p.main().isVisible());
    QVERIFY(!p.main().session().inTransaction());
    QCOMPARE(testing::rowsOf(p.file(), "select count(*) from listy"), QStringList({"3"}));
}

void EverydayKeysTest::escapeClosesEveryDialogWindowWhereverTheFocusIs() {
    testing::Program p(kWaybills);
    ui::AppWindows& w = *p.windows;
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{w.stations.get(), w.loads.get(), w.parties.get(),
                                         w.picker.get(), w.print.get(), w.browser.get()}) {
        showActive(*dialog);
        // From every control that takes the keyboard, Escape closes the window.
        QList<QWidget*> stops;
        for (QWidget* c : dialog->findChildren<QWidget*>()) {
            if (c->isVisible() && (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy()) stops << c;
        }
        QVERIFY2(!stops.isEmpty(), qPrintable(dialog->windowTitle()));
        for (QWidget* stop : stops) {
            if (!dialog->isVisible()) showActive(*dialog);
            stop->setFocus();
            QTest::keyClick(stop, Qt::Key_Escape);
            QVERIFY2(!dialog->isVisible(),
                     qPrintable(dialog->windowTitle() + " / " + stop->metaObject()->className() +
                                " " + stop->objectName()));
        }
    }
}

void EverydayKeysTest::stationsWindowOpensWithTheKeyboardInItsNameBox() {
    testing::Program p(kWaybills);
    ui::StationsWindow& w = *p.windows->stations;
    for (int showing = 0; showing < 2; ++showing) {
        showActive(w);
        QCOMPARE(QApplication::focusWidget(), w.findChild<QLineEdit*>("Edit1"));
        QTest::keyClicks(QApplication::focusWidget(), "Gdynia");
        QCOMPARE(w.findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("Gdynia"));
        w.findChild<QLineEdit*>("Edit1")->clear();
        w.findChild<QPushButton*>("Button3")->setFocus();  // the focus moved elsewhere
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
}

void EverydayKeysTest::keysAreNamedAsAPolishKeyboardLabelsThem() {
    QCOMPARE(ui::keyText(QKeySequence(Qt::CTRL | Qt::Key_Home)), QStringLiteral("Ctrl+Home"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::CTRL | Qt::Key_PageDown)), QStringLiteral("Ctrl+PgDn"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
             QStringLiteral("Ctrl+Shift+P"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::CTRL | Qt::Key_Comma)), QStringLiteral("Ctrl+,"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::CTRL | Qt::Key_Plus)), QStringLiteral("Ctrl++"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::Key_Return)), QStringLiteral("Enter"));
    QCOMPARE(ui::keyText(QKeySequence(Qt::Key_Space)), QStringLiteral("Spacja"));
    testing::Program p(kWaybills);
    const QString tip = p.main().findChild<QPushButton*>("Button4")->toolTip();
    QCOMPARE(tip, QStringLiteral("|< (Ctrl+Home)"));
    for (const char* name : {"Button4", "Button5", "Button6", "Button7", "Button8", "Button12"}) {
        const QString t = p.main().findChild<QPushButton*>(name)->toolTip();
        QVERIFY2(!t.contains("Katalog") && !t.contains("Strona"), qPrintable(t));
    }
}

void EverydayKeysTest::printWindowKeysAndArrowsInItsList() {
    testing::Program p(kWaybills);
    ui::PrintWindow& w = *p.windows->print;
    showActive(w);
    // The context menu's commands have keys of their own, and "Drukuj" names them.
    QCOMPARE(action(w, "drukujPdf")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(action(w, "podgladWydruku")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QCOMPARE(action(w, "opcjeWydruku")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    const QString tip = w.findChild<QPushButton*>("Button1")->toolTip();
    QVERIFY2(tip.contains("Prawy przycisk myszy") && tip.contains("(Ctrl+E)") &&
                 tip.contains("(Ctrl+Shift+P)") && tip.contains("(Ctrl+,)"),
             qPrintable(tip));
    QString asked;
    const auto previous = ui::PrintWindow::setPdfFileChooser([&](QWidget*) {
        asked = QStringLiteral("pdf");
        return QString();  // cancelled: nothing printed
    });
    QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
    ui::PrintWindow::setPdfFileChooser(previous);
    QCOMPARE(asked, QStringLiteral("pdf"));

    // A count typed on the first row, Down, Space: the second row is ticked, its count
    // stays "2", and the first row keeps the typed count.
    ui::PrintList& list = w.list();
    ui::PrintRowsModel& rows = w.rows();
    list.setFocus();
    list.setCurrentIndex(rows.index(0, 0));
    QTest::keyClicks(&list, "5");
    QVERIFY(list.indexWidget(rows.index(0, ui::PrintRowsModel::Count)));  // the count's box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(list.currentIndex().row(), 1);
    QVERIFY(!list.indexWidget(rows.index(1, ui::PrintRowsModel::Count)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(rows.ticked(1));
    QCOMPARE(rows.count(1), QStringLiteral("2"));
    QCOMPARE(rows.count(0), QStringLiteral("5"));
    // After the station question of "Zaznacz ze stacji…", the keyboard is in the list.
    p.dialogs.pick({QStringLiteral("Kraków")});
    QTest::keyClick(&list, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&list));
    w.close();
}

void EverydayKeysTest::searchBarCoversNoFieldAndNoButton() {
    testing::Program p(kWaybills);
    p.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.main()));
    action(p.main(), "Szukaj1")->trigger();
    ui::FindDialog* find = p.main().findDialog();
    QVERIFY(find && find->isVisible());
    const QRect bar = find->frameGeometry();
    QWidget* box = p.main().findChild<QWidget*>("GroupBox1");
    const QRect fields(box->mapToGlobal(QPoint(0, 0)), box->size());
    QVERIFY2(
        !bar.intersects(fields),
        qPrintable(
            QString("%1,%2 %3x%4").arg(bar.x()).arg(bar.y()).arg(bar.width()).arg(bar.height())));
}

void EverydayKeysTest::helpMenuIsLastAndOpensTheGuide() {
    testing::Program p(kWaybills);
    const QList<QAction*> menus = p.main().menuBar()->actions();
    QCOMPARE(menus.last()->text(), QStringLiteral("Pomo&c"));
    QStringList items;
    for (QAction* a : menus.last()->menu()->actions()) items << a->text();
    QCOMPARE(items, QStringList({"Podręcznik użytkownika", "Skróty klawiszowe", "O programie"}));
    QUrl opened;
    const auto previous = ui::setUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    action(p.main(), "Podrecznik1")->trigger();
    ui::setUrlOpener(previous);
    QVERIFY2(opened.isLocalFile() && opened.toLocalFile().endsWith("podrecznik.md") &&
                 QFile::exists(opened.toLocalFile()),
             qPrintable(opened.toString() + p.dialogs.transcript()));
    action(p.main(), "Skroty1")->trigger();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    const QString keys = p.dialogs.boxes[0].text;
    for (const char* line : {"Ctrl+P – Wydruk listów", "Ctrl+Home – |<", "Ctrl+F – Szukaj…",
                             "Ctrl+E – Drukuj do pliku PDF", "Ctrl+, – Opcje wydruku"})
        QVERIFY2(keys.contains(QString::fromUtf8(line)), qPrintable(keys));
    action(p.main(), "Oprogramie1")->trigger();
    const QString about = p.dialogs.boxes[1].text;
    QVERIFY2(about.contains("SQLite 3.") && about.contains(QString("Qt ") + qVersion()) &&
                 about.contains(QDir::toNativeSeparators(p.file())),
             qPrintable(about));
}

QTEST_MAIN(EverydayKeysTest)
#include "test_everyday_keys.moc"
