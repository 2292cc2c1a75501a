// What the windows do beyond their designed layout: they grow with their lists, come back
// where they were left on a screen that is present, and the main window's buttons answer
// to the usual keys, exactly as a click would and never while disabled.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/program.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "ui/data_grid.h"
#include "ui/modal.h"
#include "ui/placement.h"
#include "ui/window_habits.h"

using testing::rowsOf;

namespace {

const char* kThreeWaybills =
    "insert into listy values(2,'A1','N1','W1','L1','O1','B1');"
    "insert into listy values(3,'A2','N2','W2','L2','O2','B2');"
    "insert into listy values(4,'A3','N3','W3','L3','O3','B3');"
    "update admin set value='4' where key='nr_listu';";

QString nadawca(testing::Program& p) {
    return p.find<QLineEdit>(p.main(), "nad")->text();
}

}  // namespace

class WindowHabitsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsGrowWithTheirLists();
    void placesAreKeptOnPresentScreens_data();
    void placesAreKeptOnPresentScreens();
    void aWindowComesBackWhereItWasLeft();
    void shortcutsDoWhatTheButtonsDo();
};

void WindowHabitsTest::windowsGrowWithTheirLists() {
    testing::Program p(kThreeWaybills);
    ui::MainWindow& w = p.main();
    auto* grid = p.find<ui::DataGrid>(w, "DBGrid1");
    const QSize designed = ui::insideOf({563, 557});
    QCOMPARE(w.minimumSize(), designed);
    QCOMPARE(grid->geometry(), QRect(0, 264, 545, 233));
    w.resize(1100, 800);
    QCOMPARE(grid->geometry(),
             QRect(0, 264, 545 + 1100 - designed.width(), 233 + 800 - designed.height()));
    // The five columns of 105 share the extra width; the indicator and frame (20) keep theirs.
    QCOMPARE(grid->columnWidth(0), qRound(105 * (grid->width() - 20) / 525.0));
    QCOMPARE(p.find<QPushButton>(w, "Button8")->geometry(),
             QRect(104, 232, 75, 25));  // fields stay
    w.resize(designed);
    QCOMPARE(grid->geometry(), QRect(0, 264, 545, 233));
    QCOMPARE(grid->columnWidth(0), 105);

    // A dialog: its list takes the room, the controls below it move down with the edge.
    QDialog& loads = *p.windows->loads;
    loads.show();
    loads.resize(loads.size() + QSize(100, 60));
    QCOMPARE(p.find<ui::DataGrid>(loads, "DBGrid1")->geometry(), QRect(0, 0, 621, 301));
    QCOMPARE(p.find<QPushButton>(loads, "Button1")->y(), 296 + 60);
    // The SQL browser: the text box widens, its buttons keep to the right edge.
    QDialog& browser = *p.windows->browser;
    browser.show();
    browser.resize(browser.size() + QSize(100, 0));
    QCOMPARE(p.find<QLineEdit>(browser, "Edit1")->width(), 933);
    QCOMPARE(p.find<QPushButton>(browser, "Button2")->x(), 1076);
    loads.hide();
    browser.hide();
}

void WindowHabitsTest::placesAreKeptOnPresentScreens_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("placed");
    const QRect min(0, 0, 300, 200);
    QTest::newRow("on the screen") << QRect(100, 100, 600, 400) << QRect(100, 100, 600, 400);
    QTest::newRow("past the right edge")
        << QRect(1500, 100, 600, 400) << QRect(1320, 100, 600, 400);
    QTest::newRow("on the second screen") << QRect(2000, 50, 600, 400) << QRect(2000, 50, 600, 400);
    QTest::newRow("larger than its screen")
        << QRect(-50, -50, 2500, 1500) << QRect(0, 0, 1920, 1080);
    QTest::newRow("on a monitor unplugged") << QRect(5000, 100, 600, 400) << QRect();
}

void WindowHabitsTest::placesAreKeptOnPresentScreens() {
    QFETCH(QRect, saved);
    QFETCH(QRect, placed);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(ui::placeOnScreens(saved, screens, QSize(300, 200)), placed);
}

void WindowHabitsTest::aWindowComesBackWhereItWasLeft() {
    testing::Program p;
    QDialog& stations = *p.windows->stations;
    stations.show();
    stations.move(40, 30);
    stations.resize(stations.minimumSize() + QSize(50, 40));
    stations.hide();
    stations.move(200, 150);
    stations.resize(stations.minimumSize());
    stations.show();
    QCOMPARE(stations.pos(), QPoint(40, 30));
    QCOMPARE(stations.size(), stations.minimumSize() + QSize(50, 40));
    stations.hide();
}

void WindowHabitsTest::shortcutsDoWhatTheButtonsDo() {
    testing::Program p(kThreeWaybills);
    ui::MainWindow& w = p.main();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto key = [&](QKeyCombination k) {
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, k.key(), k.keyboardModifiers());
    };
    auto* newButton = p.find<QPushButton>(w, "Button8");
    QVERIFY(newButton->toolTip().contains(
        QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText)));

    key(Qt::CTRL | Qt::Key_End);
    QCOMPARE(nadawca(p), QStringLiteral("N3"));
    key(Qt::CTRL | Qt::Key_PageUp);
    QCOMPARE(nadawca(p), QStringLiteral("N2"));
    key(Qt::CTRL | Qt::Key_Home);
    QCOMPARE(nadawca(p), QStringLiteral("N1"));
    key(Qt::CTRL | Qt::Key_PageDown);
    QCOMPARE(nadawca(p), QStringLiteral("N2"));

    // F2 changes the waybill; while changing, the browse keys and Ctrl+N do nothing, and
    // Delete deletes a character, not the waybill.
    key(Qt::Key_F2);
    QCOMPARE(w.editMode(), ui::MainWindow::EditMode::ChangeWaybill);
    auto* nad = p.find<QLineEdit>(w, "nad");
    nad->setFocus();
    nad->setCursorPosition(0);
    key(Qt::Key_Delete);
    QCOMPARE(nad->text(), QStringLiteral("2"));
    key(Qt::CTRL | Qt::Key_N);
    key(Qt::CTRL | Qt::Key_End);
    QCOMPARE(w.editMode(), ui::MainWindow::EditMode::ChangeWaybill);
    QCOMPARE(nad->text(), QStringLiteral("2"));
    key(Qt::Key_Escape);  // "Anuluj"
    QVERIFY(!p.find<QPushButton>(w, "Button11")->isEnabled());
    QCOMPARE(nadawca(p), QStringLiteral("N2"));

    // Ctrl+N, typing, Ctrl+Enter: a new waybill.
    key(Qt::CTRL | Qt::Key_N);
    testing::typeText(p.find<QWidget>(w, "stn"), QStringLiteral("X"));
    key(Qt::CTRL | Qt::Key_Return);
    QCOMPARE(rowsOf(p.file(), "select st_nad from listy where id=5"), QStringList({"X"}));
    QVERIFY(p.dialogs.boxes.isEmpty());

    // Delete asks, as the button does.
    p.find<QWidget>(w, "DBGrid1")->setFocus();
    p.dialogs.answer({false});
    key(Qt::Key_Delete);
    QCOMPARE(p.dialogs.transcript(),
             QStringLiteral(
                 "Pytanie: Skasować list przewozowy?\nInformacja: List przewozowy NIE skasowany."));

    // Ctrl+P opens the print window.
    bool printShown = false;
    ui::setModalHook([&](QDialog& d) { printShown = &d == p.windows->print.get(); });
    key(Qt::CTRL | Qt::Key_P);
    QVERIFY(printShown);
}

QTEST_MAIN(WindowHabitsTest)
#include "test_window_habits.moc"
