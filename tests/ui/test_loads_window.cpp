// The loads window driven as a user drives it: shown from the main window's menu, texts
// typed with key presses, rows clicked in the grid, and the file checked directly.

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/modal.h"

using testing::dumpOf;
using testing::execFile;
using testing::rowsOf;

namespace {

struct Program : testing::Program {
    using testing::Program::Program;

    ui::LoadsWindow& window() { return *windows->loads; }
    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(window(), name);
    }
    QLineEdit* edit(int n) { return widget<QLineEdit>(qPrintable(QString("Edit%1").arg(n))); }
    void click(int n) { clickButton(window(), n); }
    ui::DataGrid* grid() { return widget<ui::DataGrid>("DBGrid1"); }
    void clickRow(int row) {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, 0));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void type(int n, const QString& text) { testing::typeText(edit(n), text); }
    // The grid's rows as "name|code".
    QStringList gridRows() {
        QStringList rows;
        const QAbstractItemModel* m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            rows << m->index(r, 0).data().toString() + "|" + m->index(r, 1).data().toString();
        }
        return rows;
    }
    // Opens the window from the menu; `act` runs while it is shown.
    void showFromMenu(const std::function<void()>& act) {
        ui::setModalHook([&](QDialog& w) {
            w.show();
            act();
            if (w.isVisible()) qFatal("the loads window is still open");
        });
        windows->main->findChild<QAction*>("adunki1")->trigger();
        ui::setModalHook(nullptr);
    }
};

}  // namespace

class LoadsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsDesigned();
    void addTypesUpperCaseCodesAndEmptiesTheBoxes();
    void deleteTakesTheGridsRowAndAllItsDuplicates();
    void emptyNameDoesNothing();
    void closingByAnyMeansReadsAfreshNextTime_data();
    void closingByAnyMeansReadsAfreshNextTime();
    void failedAddKeepsTheTexts();
};

void LoadsWindowTest::looksAsDesigned() {
    Program p;
    ui::LoadsWindow& w = p.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Ładunki"));
    testing::checkPlaces(w, {
                                {"DBGrid1", {0, 0, 521, 241}, {}},
                                {"Edit1", {48, 248, 249, 21}, {}},
                                {"Edit2", {48, 272, 249, 21}, {}},
                                {"Button1", {48, 296, 75, 25}, "Dopisz"},
                                {"Button2", {224, 296, 75, 25}, "Usuń"},
                                {"Button3", {448, 296, 75, 25}, "Zamknij"},
                            });
    QCOMPARE(p.widget<QLabel>("Label1")->text(), QStringLiteral("Ładunek"));
    QCOMPARE(p.widget<QLabel>("Label2")->text(), QStringLiteral("Wagony"));
    QCOMPARE(p.widget<QLabel>("Label2")->pos(), QPoint(0, 272));
    // Tab order: grid, name, code, the three buttons.
    QWidget* expected[] = {
        p.grid(),           p.edit(1), p.edit(2), p.widget("Button1"), p.widget("Button2"),
        p.widget("Button3")};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QCOMPARE(testing::nextTabStop(expected[i - 1]), expected[i]);
    }
    QCOMPARE(p.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nazwa"));
    QCOMPARE(p.grid()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Rodzaj wag."));
    QCOMPARE(p.grid()->columnWidth(0), 377);
    QCOMPARE(p.grid()->columnWidth(1), 100);
}

void LoadsWindowTest::addTypesUpperCaseCodesAndEmptiesTheBoxes() {
    Program p("insert into ladunki values('Drewno','rs');");
    p.window().show();
    QCOMPARE(p.gridRows(), QStringList({"Drewno|rs"}));
    p.type(1, "Węgiel kamienny");
    p.type(2, "eaos-ąę 1");
    QCOMPARE(p.edit(2)->text(), QStringLiteral("EAOS-ĄĘ 1"));
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from ladunki"),
             QStringList({"Drewno|rs", "Węgiel kamienny|EAOS-ĄĘ 1"}));
    QCOMPARE(p.gridRows(), QStringList({"Drewno|rs", "Węgiel kamienny|EAOS-ĄĘ 1"}));
    QCOMPARE(p.edit(1)->text(), QString());
    QCOMPARE(p.edit(2)->text(), QString());
    // A code the program puts into the box is shown as stored; typing upper-cases only what
    // is typed, and both boxes stop at 15 characters.
    p.clickRow(0);
    QCOMPARE(p.edit(1)->text(), QStringLiteral("Drewno"));
    QCOMPARE(p.edit(2)->text(), QStringLiteral("rs"));
    p.edit(2)->setCursorPosition(2);
    p.type(2, "xyzabcdefghijklmnop");
    QCOMPARE(p.edit(2)->text(), QStringLiteral("rsXYZABCDEFGHIJ"));
    // A paste-like insert of many letters at once is cut to fit and upper-cased too.
    p.edit(2)->clear();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "abcdefghijklmnopqrs");
    QApplication::sendEvent(p.edit(2), &paste);
    QCOMPARE(p.edit(2)->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    p.type(1, "ąąąąąąąąąąąą");
    QCOMPARE(p.edit(1)->text(), QStringLiteral("Drewnoąąąąąąąąą"));
    // An empty code and an apostrophe are stored as typed.
    p.edit(1)->clear();
    p.edit(2)->clear();
    p.type(1, "Pod'kłady");
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from ladunki where rowid=3"), QStringList({"Pod'kłady|"}));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void LoadsWindowTest::deleteTakesTheGridsRowAndAllItsDuplicates() {
    Program p(
        "insert into ladunki values('Zboże','TADS');"
        "insert into ladunki values('Węgiel','EAOS');"
        "insert into ladunki values('Węgiel','EAOS');"
        "insert into ladunki values('Węgiel','E');"
        "insert into listy values(2,'A','N','EAOS','Węgiel','O','B');");
    p.window().show();
    // Without a click the current row is the first one, whatever the name box says.
    p.type(1, "Węgiel");
    p.click(2);
    QCOMPARE(rowsOf(p.file(), "select * from ladunki"),
             QStringList({"Węgiel|EAOS", "Węgiel|EAOS", "Węgiel|E"}));
    QCOMPARE(p.edit(1)->text(), QStringLiteral("Węgiel"));
    // Either duplicate current: both go, the same name with another code stays.
    p.clickRow(1);
    p.edit(2)->setText("kept");
    p.click(2);
    QCOMPARE(rowsOf(p.file(), "select * from ladunki"), QStringList({"Węgiel|E"}));
    QCOMPARE(p.gridRows(), QStringList({"Węgiel|E"}));
    QCOMPARE(p.edit(1)->text(), QStringLiteral("Węgiel"));
    QCOMPARE(p.edit(2)->text(), QStringLiteral("kept"));
    // Waybills keep their copies.
    QCOMPARE(rowsOf(p.file(), "select ladunek, rodz_wag from listy"), QStringList({"Węgiel|EAOS"}));
    QVERIFY(p.dialogs.boxes.isEmpty());
    // A name that begins with a byte-order mark is found too.
    execFile(p.file(), "insert into ladunki values(char(65279) || 'Koks','E');");
    p.window().close();
    p.window().show();
    p.clickRow(1);
    p.click(2);
    QCOMPARE(rowsOf(p.file(), "select * from ladunki"), QStringList({"Węgiel|E"}));
}

void LoadsWindowTest::emptyNameDoesNothing() {
    Program p("insert into ladunki values('Zboże','TADS');");
    p.window().show();
    const QString before = dumpOf(p.file());
    p.type(2, "x");
    p.click(1);
    p.click(2);
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit(2)->text(), QStringLiteral("X"));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void LoadsWindowTest::closingByAnyMeansReadsAfreshNextTime_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Zamknij") << "Zamknij";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Escape") << "Escape";
}

void LoadsWindowTest::closingByAnyMeansReadsAfreshNextTime() {
    QFETCH(QString, how);
    Program p("insert into ladunki values('Zboże','TADS');");
    p.showFromMenu([&] {
        QVERIFY(p.window().loads().active());
        QCOMPARE(p.gridRows(), QStringList({"Zboże|TADS"}));
        p.type(1, "kept");
        if (how == "Zamknij")
            p.click(3);
        else if (how == "close box")
            p.window().close();
        else
            QTest::keyClick(p.edit(1), Qt::Key_Escape);
    });
    QVERIFY(!p.window().loads().active());
    // The main window now offers the load picker.
    QVERIFY(p.windows->main->haveLoads());
    execFile(p.file(), "insert into ladunki values('Węgiel','EAOS');");
    p.showFromMenu([&] {
        QCOMPARE(p.gridRows(), QStringList({"Zboże|TADS", "Węgiel|EAOS"}));
        QCOMPARE(p.edit(1)->text(), QStringLiteral("kept"));
        p.click(3);
    });
}

void LoadsWindowTest::failedAddKeepsTheTexts() {
    Program p;
    p.window().show();
    execFile(p.file(), "alter table ladunki rename to gone;");
    p.type(1, "Zboże");
    p.type(2, "t");
    p.click(1);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QVERIFY2(p.dialogs.boxes[0].text.startsWith(
                 "no such table: ladunki\ninsert into ladunki values ('Zboże','T');"),
             qPrintable(p.dialogs.boxes[0].text));
    QCOMPARE(p.edit(1)->text(), QStringLiteral("Zboże"));
    QCOMPARE(p.edit(2)->text(), QStringLiteral("T"));
}

QTEST_MAIN(LoadsWindowTest)
#include "test_loads_window.moc"
