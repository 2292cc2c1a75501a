// The main window driven as a user drives it: buttons clicked by name, texts typed into the
// fields, questions answered through scripted dialogs, and the file checked directly.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

#include "db/sql_connection.h"
#include "support/db_helpers.h"
#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/modal.h"

using testing::execFile;
using testing::rowsOf;

namespace {

const char* kFields[] = {"stn", "nad", "lad", "rwa", "odb", "sto"};

// One running program in a fresh working directory.
struct Program : testing::Program {
    using testing::Program::Program;

    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(main(), name);
    }
    QPushButton* button(int n) {
        return widget<QPushButton>(qPrintable(QString("Button%1").arg(n)));
    }
    void click(int n) { QTest::mouseClick(button(n), Qt::LeftButton); }
    QString fieldText(const char* name) {
        if (auto* box = qobject_cast<QComboBox*>(widget(name))) return box->currentText();
        return widget<QLineEdit>(name)->text();
    }
    // The six fields as "stn|nad|lad|rwa|odb|sto".
    QString shown() {
        QStringList texts;
        for (const char* f : kFields) texts << fieldText(f);
        return texts.join('|');
    }
    void type(const char* name, const QString& text) {
        QWidget* w = widget(name);
        testing::typeText(w, text);
    }
    ui::DataGrid* grid() { return widget<ui::DataGrid>("DBGrid1"); }
    void clickRow(int row) {
        ui::DataGrid* g = grid();
        const QRect rect = g->visualRect(g->model()->index(row, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QAction* action(const char* name) {
        auto* a = main().findChild<QAction*>(QLatin1String(name));
        if (!a) qFatal("no action %s", name);
        return a;
    }
    bool editing() { return button(11)->isEnabled(); }
};

// Waybills with ids 2, 3 and 4 and counter nr_listu = 4.
const char* kThreeWaybills =
    "insert into listy values(2,'A1','N1','W1','L1','O1','B1');"
    "insert into listy values(3,'A2','N2','W2','L2','O2','B2');"
    "insert into listy values(4,'A3','N3','W3','L3','O3','B3');"
    "update admin set value='4' where key='nr_listu';";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsInBrowseStateOnANewFile();
    void newWaybillsTakeIdsFromTheCounter();
    void editAfterGridClickUpdatesTheClickedWaybill();
    void keyboardMoveFollowsOnlyWhileChanging();
    void deleteAnswers_data();
    void deleteAnswers();
    void newThenCancelStoresNothing();
    void pickerButtonsFollowReferenceData();
    void textsRoundTripExactly();
    void typingIsLimitedButStoredTextsShowWhole();
    void failedInsertKeepsEditingAndCounter();
    void refusedWritesKeepTheListUsable();
    void keyboardAndLegibility();
    void startupErrorIsShownAndWindowOpens();
    void navigationStopsAtTheEnds();
    void referenceWindowsRefreshOthersDoNot();
    void theGridFollowsACascadeAtOnce();
    void maintenanceCommands();
    void sqlBrowserOpensAndExecutes();
    void standardErrorText_data();
    void standardErrorText();
};

void MainWindowTest::startsInBrowseStateOnANewFile() {
    testing::DebugLines debug;
    Program p;
    // The connection carries its start-up settings: the library line names its library.
    const auto loading = std::find(debug.lines.begin(), debug.lines.end(), "loading sqlite lib");
    QVERIFY(loading != debug.lines.end() && loading + 1 != debug.lines.end());
    QCOMPARE(*(loading + 1), std::string("SQLite.dll"));
    QCOMPARE(p.main().session().connection().defaultExt(), std::string(".sdb"));
    QCOMPARE(p.main().windowTitle(), QStringLiteral("Listy przewozowe"));
    QVERIFY(p.dialogs.boxes.isEmpty());
    QCOMPARE(p.shown(), QStringLiteral("|||||"));
    for (const char* f : kFields) QVERIFY2(!p.widget(f)->isEnabled(), f);
    for (int i : {1, 2, 3, 11, 12}) QVERIFY(!p.button(i)->isEnabled());
    for (int i = 4; i <= 10; ++i) QVERIFY(p.button(i)->isEnabled());
    QCOMPARE(p.main().editMode(), ui::MainWindow::EditMode::NewWaybill);
    QCOMPARE(p.grid()->model()->columnCount(), 5);
    QCOMPARE(p.grid()->model()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Stacja nad"));
    QCOMPARE(p.grid()->columnWidth(0), 105);
    QCOMPARE(p.widget<QGroupBox>("GroupBox1")->title(), QStringLiteral("Listy"));
}

void MainWindowTest::newWaybillsTakeIdsFromTheCounter() {
    Program p;
    p.click(8);
    QVERIFY(p.editing());
    QCOMPARE(p.main().editMode(), ui::MainWindow::EditMode::NewWaybill);
    p.type("stn", "Kraków");
    p.type("nad", "Huta");
    p.type("lad", "Stal");
    p.type("rwa", "Eaos");
    p.type("odb", "Port");
    p.type("sto", "Gdynia");
    p.click(11);
    QVERIFY(!p.editing());
    QCOMPARE(rowsOf(p.file(), "select * from listy"),
             QStringList({"2|Kraków|Huta|Eaos|Stal|Port|Gdynia"}));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_listu'"), QStringList({"2"}));

    p.click(8);
    QCOMPARE(p.shown(), QStringLiteral("|||||"));
    p.type("stn", "Zabrze");
    p.click(11);  // all other fields empty
    QCOMPARE(rowsOf(p.file(), "select * from listy where id=3"), QStringList({"3|Zabrze|||||"}));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_listu'"), QStringList({"3"}));
    // After the confirm the first waybill of the list is shown, not the one stored.
    QCOMPARE(p.shown(), QStringLiteral("Kraków|Huta|Stal|Eaos|Port|Gdynia"));
    QCOMPARE(p.main().waybills().recordCount(), 2);
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void MainWindowTest::editAfterGridClickUpdatesTheClickedWaybill() {
    Program p(kThreeWaybills);
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
    p.click(9);
    QCOMPARE(p.main().editMode(), ui::MainWindow::EditMode::ChangeWaybill);
    p.clickRow(2);
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    QVERIFY(p.editing());
    p.type("nad", "x");
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select * from listy order by id"),
             QStringList({"2|A1|N1|W1|L1|O1|B1", "3|A2|N2|W2|L2|O2|B2", "4|A3|N3x|W3|L3|O3|B3"}));
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
}

// Whatever moves the current row (keys, a drag, the record indicator), the fields show the
// row that "Edycja", "Usuń" and "Zatwierdź" act on; before, the fields kept the old row and
// "Zatwierdź" wrote it over the new one.
void MainWindowTest::keyboardMoveFollowsOnlyWhileChanging() {
    Program p(kThreeWaybills);
    p.grid()->setFocus();
    QTest::keyClick(p.grid(), Qt::Key_Down);
    QCOMPARE(p.main().waybills().currentIndex(), 1);
    QCOMPARE(p.shown(), QStringLiteral("A2|N2|L2|W2|O2|B2"));
    // A drag from the first row to the third.
    const QRect first = p.grid()->visualRect(p.grid()->model()->index(0, 0));
    const QRect third = p.grid()->visualRect(p.grid()->model()->index(2, 0));
    QTest::mousePress(p.grid()->viewport(), Qt::LeftButton, {}, first.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(third.center()),
                     p.grid()->viewport()->mapToGlobal(QPointF(third.center())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(p.grid()->viewport(), &move);
    QTest::mouseRelease(p.grid()->viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(p.main().waybills().currentIndex(), 2);
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    // The record indicator.
    QHeaderView* indicator = p.grid()->verticalHeader();
    QTest::mouseClick(indicator->viewport(), Qt::LeftButton, {},
                      QPoint(indicator->width() / 2, indicator->sectionViewportPosition(0) + 5));
    QCOMPARE(p.main().waybills().currentIndex(), 0);
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
    // "Edycja", "Zatwierdź" untouched after a key move writes nothing new.
    QTest::keyClick(p.grid(), Qt::Key_Down);
    p.click(9);
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select * from listy order by id"),
             QStringList({"2|A1|N1|W1|L1|O1|B1", "3|A2|N2|W2|L2|O2|B2", "4|A3|N3|W3|L3|O3|B3"}));
    p.click(4);
    QTest::keyClick(p.grid(), Qt::Key_Down);
    // Changing a waybill: a key move shows the waybill moved to, and confirm writes to it.
    p.click(9);
    QTest::keyClick(p.grid(), Qt::Key_Down);
    QCOMPARE(p.main().waybills().currentIndex(), 2);
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select * from listy where id=3"),
             QStringList({"3|A2|N2|W2|L2|O2|B2"}));
    QCOMPARE(rowsOf(p.file(), "select * from listy where id=4"),
             QStringList({"4|A3|N3|W3|L3|O3|B3"}));
}

void MainWindowTest::deleteAnswers_data() {
    QTest::addColumn<bool>("waybills");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<int>("left");
    QTest::newRow("yes")
        << true << true
        << "Pytanie: Skasować list przewozowy?\nInformacja: List przewozowy ZOSTAŁ skasowany." << 2;
    QTest::newRow("no")
        << true << false
        << "Pytanie: Skasować list przewozowy?\nInformacja: List przewozowy NIE skasowany." << 3;
    QTest::newRow("yes on an empty list")
        << false << true
        << "Pytanie: Skasować list przewozowy?\nListy: '' is not a valid integer value." << 0;
    QTest::newRow("no on an empty list")
        << false << false
        << "Pytanie: Skasować list przewozowy?\nInformacja: List przewozowy NIE skasowany." << 0;
}

void MainWindowTest::deleteAnswers() {
    QFETCH(bool, waybills);
    QFETCH(bool, answer);
    QFETCH(QString, transcript);
    QFETCH(int, left);
    Program p(waybills ? kThreeWaybills : "");
    if (waybills) p.clickRow(1);  // the second waybill
    p.dialogs.answer({answer});
    p.click(10);
    QCOMPARE(p.dialogs.transcript(), transcript.replace("Listy:", ui::applicationTitle() + ":"));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({QString::number(left)}));
    if (waybills && answer) {
        QCOMPARE(rowsOf(p.file(), "select id from listy where id=3"), QStringList());
    }
    QVERIFY(!p.editing());
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_listu'").value(0),
             QString(waybills ? "4" : "1"));
}

void MainWindowTest::newThenCancelStoresNothing() {
    Program p(kThreeWaybills);
    p.clickRow(1);
    p.click(8);
    p.type("stn", "Nowa");
    p.click(12);
    QVERIFY(!p.editing());
    QCOMPARE(p.shown(), QStringLiteral("A2|N2|L2|W2|O2|B2"));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"3"}));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_listu'"), QStringList({"4"}));
    QVERIFY(p.button(4)->hasFocus() || !QApplication::focusWidget());
}

void MainWindowTest::pickerButtonsFollowReferenceData() {
    Program p;
    p.click(8);
    QVERIFY(!p.button(1)->isEnabled());
    QVERIFY(!p.button(2)->isEnabled());
    QVERIFY(!p.button(3)->isEnabled());
    p.click(12);
    // A load appears while the loads window is open; back in the main window the load
    // picker is offered on the next edit, the shipper/receiver pickers still not.
    ui::setModalHook(
        [&](QDialog&) { execFile(p.file(), "insert into ladunki values('Węgiel','E');"); });
    p.action("adunki1")->trigger();
    QVERIFY(p.main().haveLoads());
    QVERIFY(!p.main().haveParties());
    p.click(9);
    QVERIFY(p.button(2)->isEnabled());
    QVERIFY(!p.button(1)->isEnabled());
    p.click(12);
    ui::setModalHook(
        [&](QDialog&) { execFile(p.file(), "insert into punkty values(2,'Huta','A','');"); });
    p.action("Nadawcyodbiorcy1")->trigger();
    p.click(8);
    QVERIFY(p.button(1)->isEnabled());
    QVERIFY(p.button(3)->isEnabled());
}

void MainWindowTest::textsRoundTripExactly() {
    Program p;
    p.click(8);
    p.type("stn", "O'Brien");
    p.type("nad", "Skład \"Ślązak");
    p.type("lad", "a:b ''c");
    p.type("rwa", " x ");
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select st_nad, nadawca, ladunek, rodz_wag from listy"),
             QStringList({"O'Brien|Skład \"Ślązak|a:b ''c| x "}));
    QCOMPARE(p.shown(), QStringLiteral("O'Brien|Skład \"Ślązak|a:b ''c| x ||"));
    // And a change keeps them too.
    p.click(9);
    p.type("odb", "d'Artagnan");
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select st_nad, odbiorca from listy"),
             QStringList({"O'Brien|d'Artagnan"}));
    // A stored text that begins with a byte-order mark keeps it through an edit of another
    // field (the box shows it without the mark).
    execFile(p.file(), "update listy set nadawca = char(65279) || 'Huta';");
    p.click(9);
    p.click(11);
    p.click(9);
    p.type("rwa", "Fals");
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select hex(nadawca) from listy"),
             QStringList({QString::fromLatin1(QByteArray("\xEF\xBB\xBFHuta").toHex().toUpper())}));
}

void MainWindowTest::typingIsLimitedButStoredTextsShowWhole() {
    const QString longName = QStringLiteral("Przedsiębiorstwo Żeglugi Łódź");  // 29 characters
    Program p(QStringLiteral("insert into listy values(2,'%1','%1','','','','');").arg(longName));
    QCOMPARE(p.fieldText("stn"), longName);
    QCOMPARE(p.fieldText("nad"), longName);
    p.click(8);
    p.type("nad", "ŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻ");  // 20 typed
    QCOMPARE(p.fieldText("nad"), QString(15, QChar(u'Ż')));
    p.type("stn", "abcdefghijklmnopqrs");
    QCOMPARE(p.fieldText("stn"), QStringLiteral("abcdefghijklmno"));
    p.click(12);
    // Changing the stored long text keeps it whole; typing more into it adds nothing.
    p.click(9);
    p.type("nad", "x");
    QCOMPARE(p.fieldText("nad"), longName);
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select nadawca from listy"), QStringList({longName}));
    QCOMPARE(p.widget<QComboBox>("stn")->insertPolicy(), QComboBox::NoInsert);
    // Pasting over the whole long text replaces it with at most 15 characters.
    p.click(9);
    auto* nad = p.widget<QLineEdit>("nad");
    nad->setFocus();
    nad->selectAll();
    QGuiApplication::clipboard()->setText(QString(25, QChar(u'ą')));
    QTest::keyClick(nad, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.fieldText("nad"), QString(15, QChar(u'ą')));
    // A typed station is kept as typed, not completed to a station of the list.
    execFile(p.file(), "insert into stacje values(2,'Kraków','clred');");
    p.click(12);
    p.main().refreshLookups();
    p.click(8);
    p.type("stn", "Kra");
    QCOMPARE(p.fieldText("stn"), QStringLiteral("Kra"));
}

// A write the file refuses leaves the list and the window as they were: "Anuluj", the
// navigation and another "Zatwierdź" all work.
void MainWindowTest::refusedWritesKeepTheListUsable() {
    Program p(kThreeWaybills);
    execFile(
        p.file(),
        "create trigger refuse before update on listy begin select raise(abort, 'refused'); end;"
        "create trigger refuse2 before delete on listy begin select raise(abort, 'refused'); end;");
    p.click(9);
    p.type("nad", "x");
    p.click(11);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.grid()->model()->rowCount(), 3);
    p.click(12);
    p.click(7);
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    p.dialogs.answer({true});
    p.click(10);
    QCOMPARE(p.grid()->model()->rowCount(), 3);
    execFile(p.file(), "drop trigger refuse; drop trigger refuse2;");
    p.click(4);
    p.click(9);
    p.type("nad", "y");
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select nadawca from listy where id=2"), QStringList({"N1y"}));
    QCOMPARE(p.dialogs.boxes.size(), 3);  // the two refusals and the question, nothing more
}

// Tab leaves the grid for the next control, Shift+Tab for the previous one; the fields of
// the browse state are drawn legibly; the last column leaves room for the scroll bar.
void MainWindowTest::keyboardAndLegibility() {
    QString rows;
    for (int i = 2; i < 40; ++i)
        rows += QStringLiteral("insert into listy values(%1,'A','N','W','L','O','B');").arg(i);
    Program p(rows);
    p.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.main()));
    p.grid()->setFocus();
    QVERIFY(p.grid()->hasFocus());
    QTest::keyClick(p.grid(), Qt::Key_Tab);
    QVERIFY2(!p.grid()->hasFocus(), "Tab stays in the grid");
    p.grid()->setFocus();
    QTest::keyClick(p.grid(), Qt::Key_Backtab);
    QCOMPARE(p.main().focusWidget(), p.button(10));  // 11 and 12 are off while browsing
    auto* nad = p.widget<QLineEdit>("nad");
    QVERIFY(!nad->isEnabled());
    QCOMPARE(nad->palette().color(QPalette::Disabled, QPalette::Text),
             nad->palette().color(QPalette::Active, QPalette::Text));
    QCoreApplication::processEvents();
    QCOMPARE(p.grid()->horizontalScrollBar()->maximum(), 0);
    for (int c = 0; c < 4; ++c) QCOMPARE(p.grid()->columnWidth(c), 105);
    QVERIFY(p.grid()->columnWidth(4) < 105);
}

void MainWindowTest::failedInsertKeepsEditingAndCounter() {
    Program p;
    p.click(8);
    p.type("stn", "A");
    execFile(p.file(), "alter table listy rename to gone;");
    p.click(11);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QVERIFY2(
        p.dialogs.boxes[0].text.startsWith("no such table: listy\ninsert into listy values(2,'A'"),
        qPrintable(p.dialogs.boxes[0].text));
    QVERIFY(p.editing());
    QCOMPARE(p.fieldText("stn"), QStringLiteral("A"));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_listu'"), QStringList({"1"}));
    p.click(12);
    QVERIFY(!p.editing());
}

void MainWindowTest::startupErrorIsShownAndWindowOpens() {
    testing::WorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir("listy.sdb"));
    testing::ScriptedDialogs dialogs;
    ui::AppWindows windows;
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QVERIFY(dialogs.boxes[0].text.contains("unable to open database file"));
    QCOMPARE(windows.main->windowTitle(), QStringLiteral("Listy przewozowe"));
    QVERIFY(!windows.main->session().connection().connected());
}

void MainWindowTest::navigationStopsAtTheEnds() {
    Program p(kThreeWaybills);
    p.click(5);  // "<" on the first
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
    p.click(6);
    QCOMPARE(p.shown(), QStringLiteral("A2|N2|L2|W2|O2|B2"));
    p.click(7);
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    p.click(6);  // ">" on the last
    QCOMPARE(p.shown(), QStringLiteral("A3|N3|L3|W3|O3|B3"));
    QCOMPARE(p.grid()->currentIndex().row(), 2);
    p.click(4);
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
    QCOMPARE(p.grid()->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("\u25B6"));
    QVERIFY(p.grid()->model()->headerData(1, Qt::Vertical).toString().isEmpty());
}

void MainWindowTest::referenceWindowsRefreshOthersDoNot() {
    Program p(QString(kThreeWaybills) + "insert into stacje values(2,'A1','clred');");
    auto* stn = p.widget<QComboBox>("stn");
    QCOMPARE(stn->count(), 1);
    p.click(9);
    p.type("nad", "typed");
    ui::setModalHook([&](QDialog& window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("Stacje"));
        execFile(p.file(), "insert into stacje values(3,'Zabrze','clblue');");
    });
    p.action("Stacje1")->trigger();
    QCOMPARE(stn->count(), 2);
    QCOMPARE(stn->itemText(1), QStringLiteral("Zabrze"));
    QCOMPARE(p.widget<QComboBox>("sto")->itemText(1), QStringLiteral("Zabrze"));
    QCOMPARE(p.fieldText("nad"), QStringLiteral("N1"));  // typed text lost, still editing
    QVERIFY(p.editing());
    p.click(12);
    // Deleting every station keeps the lists as they were.
    ui::setModalHook([&](QDialog&) { execFile(p.file(), "delete from stacje;"); });
    p.action("Stacje1")->trigger();
    QCOMPARE(stn->count(), 2);
    // The print window and the browser refresh nothing.
    ui::setModalHook(
        [&](QDialog&) { execFile(p.file(), "insert into stacje values(4,'X','clred');"); });
    p.action("Wydruklistw1")->trigger();
    p.action("Przegldarka1")->trigger();
    QCOMPARE(stn->count(), 2);
}

// A station deleted in the stations window takes its waybills out of the main grid while
// that window is still open: the grid follows the command's notice.
void MainWindowTest::theGridFollowsACascadeAtOnce() {
    Program p(QString(kThreeWaybills) + "insert into stacje values(2,'A2','clred');");
    p.clickRow(2);
    int rowsWhileOpen = -1;
    ui::setModalHook([&](QDialog& window) {
        testing::typeText(Program::find(window, "Edit1"), "A2");
        p.dialogs.answer({true});
        Program::clickButton(window, 3);
        rowsWhileOpen = p.grid()->model()->rowCount();
    });
    p.action("Stacje1")->trigger();
    QCOMPARE(rowsWhileOpen, 2);
    QCOMPARE(p.shown(), QStringLiteral("A1|N1|L1|W1|O1|B1"));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"2"}));
}

void MainWindowTest::maintenanceCommands() {
    Program p(kThreeWaybills);
    p.dialogs.answer({false});
    p.action("Nowabaza1")->trigger();
    QCOMPARE(p.dialogs.transcript(),
             QStringLiteral("UWAGA: Zostaną skasowane wszystkie dane!!\nInformacja: Nowa baza NIE "
                            "ZOSTAŁA założona"));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"3"}));

    p.action("Kasowanielistw1")->trigger();
    QCOMPARE(p.main().waybills().recordCount(), 0);
    QCOMPARE(p.shown(), QStringLiteral("|||||"));
    p.click(8);
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select id from listy"), QStringList({"5"}));

    p.dialogs.clear();
    p.dialogs.answer({true});
    p.action("Nowabaza1")->trigger();
    QCOMPARE(
        p.dialogs.transcript(),
        QStringLiteral(
            "UWAGA: Zostaną skasowane wszystkie dane!!\nInformacja: Nowa baza ZOSTAŁA założona"));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"0"}));
    p.click(8);
    p.click(11);
    QCOMPARE(rowsOf(p.file(), "select id from listy"), QStringList({"2"}));
}

void MainWindowTest::sqlBrowserOpensAndExecutes() {
    Program p;
    ui::SqlBrowserWindow& browser = *p.windows->browser;
    auto* edit = browser.findChild<QLineEdit*>("Edit1");
    auto* open = browser.findChild<QPushButton*>("Button1");
    auto* exec = browser.findChild<QPushButton*>("Button2");
    auto* grid = browser.findChild<ui::DataGrid*>("DBGrid1");
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(p.dialogs.transcript(), ui::applicationTitle() + ": no query specified");
    edit->setText("select * from admin;");
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("key"));
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("value"));
    edit->setText(
        "update admin set value='9' where key='nr_listu'; delete from admin where "
        "key='nr_punktu';");
    QTest::mouseClick(exec, Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(grid->model()->columnCount(), 0);
    QCOMPARE(rowsOf(p.file(), "select * from admin"),
             QStringList({"wersja|2", "nr_listu|9", "nr_stacji|1"}));
    p.dialogs.clear();
    edit->setText("selec nothing");
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QVERIFY(p.dialogs.boxes[0].text.endsWith("\nselec nothing."));
    QCOMPARE(edit->text(), QStringLiteral("selec nothing"));
}

void MainWindowTest::standardErrorText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "no such table: x"
                            << "no such table: x.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("blank") << "ends with a blank "
                           << "ends with a blank ";
    QTest::newRow("bang") << "stop!"
                          << "stop!";
    QTest::newRow("paren") << "(a)"
                           << "(a)";
    QTest::newRow("comma") << "a,"
                           << "a,";
    QTest::newRow("slash") << "a/"
                           << "a/.";
    QTest::newRow("Polish letter") << "źdźbło"
                                   << "źdźbło.";
    QTest::newRow("empty") << ""
                           << "";
}

void MainWindowTest::standardErrorText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ui::standardErrorText(message), shown);
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
