// The shippers/receivers window driven as a user drives it: shown from the main window's
// menu, texts typed with key presses, rows clicked in the grid, the question answered
// through scripted dialogs, and the file checked directly.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "db/sql_dataset.h"
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

const QString kQuestion = QStringLiteral(
    "UWAGA: Uwaga, zostaną skasowane również: listy przewozowe z tym nadawcą/odbiorcą. Jesteś "
    "pewien?");

// Stations A and B; X at A twice over, X at B, Y at A; waybills naming them.
const char* kBusinesses =
    "insert into stacje values(2,'A','clred');"
    "insert into stacje values(3,'B','clblue');"
    "insert into punkty values(2,'X','A','');"
    "insert into punkty values(3,'Y','A','');"
    "insert into punkty values(4,'X','B','');"
    "insert into punkty values(5,'X','A','');"
    "update admin set value='5' where key='nr_punktu';"
    "insert into listy values(2,'A','X','W','L','Y','B');"   // from X at A
    "insert into listy values(3,'B','Y','W','L','X','A');"   // to X at A
    "insert into listy values(4,'B','X','W','L','Y','A');";  // from X at B

struct Program : testing::Program {
    using testing::Program::Program;

    ui::PartiesWindow& window() { return *windows->parties; }
    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(window(), name);
    }
    QLineEdit* edit1() { return widget<QLineEdit>("Edit1"); }
    QComboBox* combo() { return widget<QComboBox>("ComboBox1"); }
    void click(int n) {
        QTest::mouseClick(widget<QPushButton>(qPrintable(QString("Button%1").arg(n))),
                          Qt::LeftButton);
    }
    ui::DataGrid* grid() { return widget<ui::DataGrid>("DBGrid1"); }
    void clickRow(int row) {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void type(QWidget* w, const QString& text) { testing::typeText(w, text); }
    QStringList gridRows() {
        QStringList rows;
        const QAbstractItemModel* m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            rows << m->index(r, 0).data().toString() + "|" + m->index(r, 1).data().toString();
        }
        return rows;
    }
    QStringList stations() {
        QStringList items;
        for (int i = 0; i < combo()->count(); ++i) items << combo()->itemText(i);
        return items;
    }
    void showFromMenu(const std::function<void()>& act) {
        ui::setModalHook([&](QDialog& w) {
            w.show();
            act();
            if (w.isVisible()) qFatal("the window is still open");
        });
        windows->main->findChild<QAction*>("Nadawcyodbiorcy1")->trigger();
        ui::setModalHook(nullptr);
    }
};

}  // namespace

class PartiesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsDesigned();
    void showingReadsStationsAndRowsAfresh();
    void addTakesIdsFromTheCounter();
    void addNeedsNameAndStation_data();
    void addNeedsNameAndStation();
    void addWithBadCounterWritesNothing();
    void deleteAsksThenCascades();
    void deleteWithoutClickTakesTheFirstRow();
};

void PartiesWindowTest::looksAsDesigned() {
    Program p;
    ui::PartiesWindow& w = p.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Nadawcy/odbiorcy"));
    testing::checkPlaces(w, {
                                {"DBGrid1", {0, 0, 417, 321}, {}},
                                {"Edit1", {64, 328, 345, 21}, {}},
                                {"ComboBox1", {64, 352, 345, 21}, {}},
                                {"Button1", {64, 384, 75, 25}, "Dodaj"},
                                {"Button3", {240, 384, 75, 25}, "Usuń"},
                                {"Button4", {336, 384, 75, 25}, "Zamknij"},
                            });
    QCOMPARE(p.widget<QLabel>("Label1")->text(), QStringLiteral("Nazwa"));
    QCOMPARE(p.widget<QLabel>("Label2")->text(), QStringLiteral("Stacja"));
    QWidget* expected[] = {
        p.grid(),           p.edit1(), p.combo(), p.widget("Button1"), p.widget("Button3"),
        p.widget("Button4")};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QCOMPARE(testing::nextTabStop(expected[i - 1]), expected[i]);
    }
    QCOMPARE(p.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nazwa"));
    QCOMPARE(p.grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Stacja"));
    QCOMPARE(p.grid()->columnWidth(0), 244);
    QCOMPARE(p.grid()->columnWidth(1), 130);
    QVERIFY(p.combo()->isEditable());
    QCOMPARE(p.combo()->insertPolicy(), QComboBox::NoInsert);
}

void PartiesWindowTest::showingReadsStationsAndRowsAfresh() {
    Program p(kBusinesses);
    p.showFromMenu([&] {
        QCOMPARE(p.stations(), QStringList({"A", "B"}));
        QCOMPARE(p.combo()->currentText(), QString());
        QCOMPARE(p.gridRows(), QStringList({"X|A", "Y|A", "X|B", "X|A"}));
        p.clickRow(2);
        QCOMPARE(p.edit1()->text(), QStringLiteral("X"));
        QCOMPARE(p.combo()->currentText(), QStringLiteral("B"));
        QCOMPARE(p.combo()->currentIndex(), 1);
        p.window().close();  // the close box
    });
    // A station and a row added elsewhere are there at the next showing; the name stays.
    execFile(p.file(),
             "insert into stacje values(4,'Łódź','clyellow');"
             "insert into punkty values(6,'Żuraw','Łódź','');");
    // The station list is read without moving the grid's dataset (the grid follows every move).
    QStringList gridSaw;
    const int watch = p.window().parties().dataset().subscribe([&](db::DatasetEvent e) {
        gridSaw << QString::fromStdString(p.window().parties().sql()) +
                       (e == db::DatasetEvent::CurrentChanged ? " move" : "");
    });
    p.showFromMenu([&] {
        p.window().parties().dataset().unsubscribe(watch);
        QVERIFY2(gridSaw.filter("stacje").isEmpty(), qPrintable(gridSaw.join('\n')));
        QCOMPARE(p.stations(), QStringList({"A", "B", "Łódź"}));
        QCOMPARE(p.gridRows().last(), QStringLiteral("Żuraw|Łódź"));
        QCOMPARE(p.edit1()->text(), QStringLiteral("X"));
        p.click(4);
    });
    QVERIFY(!p.window().parties().active());
}

void PartiesWindowTest::addTakesIdsFromTheCounter() {
    Program p("insert into stacje values(2,'Gdynia','clred');");
    p.window().show();
    p.type(p.edit1(), "Port");
    p.combo()->setCurrentIndex(0);
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from punkty"), QStringList({"2|Port|Gdynia|"}));
    QCOMPARE(p.edit1()->text(), QString());
    QCOMPARE(p.combo()->currentText(), QString());
    QCOMPARE(p.gridRows(), QStringList({"Port|Gdynia"}));
    // A station that is not in the list is stored as typed; so is an apostrophe.
    p.type(p.edit1(), "Skład O'Neill");
    p.type(p.combo(), "Nowa Wieś");
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from punkty where id=3"),
             QStringList({"3|Skład O'Neill|Nowa Wieś|"}));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_punktu'"), QStringList({"3"}));
    QCOMPARE(p.stations(), QStringList({"Gdynia"}));  // typed text never becomes an item
    QVERIFY(p.dialogs.boxes.isEmpty());
    // The main window now offers the shipper and receiver pickers.
    p.window().close();
    p.showFromMenu([&] { p.click(4); });
    QVERIFY(p.windows->main->haveParties());
}

void PartiesWindowTest::addNeedsNameAndStation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("station");
    QTest::newRow("no name") << ""
                             << "A";
    QTest::newRow("no station") << "X"
                                << "";
    QTest::newRow("neither") << ""
                             << "";
}

void PartiesWindowTest::addNeedsNameAndStation() {
    QFETCH(QString, name);
    QFETCH(QString, station);
    Program p(kBusinesses);
    p.window().show();
    const QString before = dumpOf(p.file());
    p.type(p.edit1(), name);
    p.type(p.combo(), station);
    p.click(1);
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit1()->text(), name);
    QCOMPARE(p.combo()->currentText(), station);
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void PartiesWindowTest::addWithBadCounterWritesNothing() {
    Program p("update admin set value='dwa' where key='nr_punktu';");
    p.window().show();
    const QString before = dumpOf(p.file());
    p.type(p.edit1(), "Port");
    p.type(p.combo(), "Gdynia");
    p.click(1);
    QCOMPARE(p.dialogs.transcript(),
             ui::applicationTitle() + ": 'dwa' is not a valid integer value.");
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit1()->text(), QStringLiteral("Port"));
}

void PartiesWindowTest::deleteAsksThenCascades() {
    Program p(kBusinesses);
    p.window().show();
    p.clickRow(3);  // X at A, the second of the pair
    // No: nothing changes.
    const QString before = dumpOf(p.file());
    p.dialogs.answer({false});
    p.click(3);
    QCOMPARE(p.dialogs.transcript(), kQuestion);
    QCOMPARE(dumpOf(p.file()), before);
    // Yes with an empty name box: asked, then nothing.
    p.dialogs.clear();
    p.edit1()->clear();
    p.dialogs.answer({true});
    p.click(3);
    QCOMPARE(p.dialogs.transcript(), kQuestion);
    QCOMPARE(dumpOf(p.file()), before);
    // Yes: both rows of the pair go, with the waybills from and to X at A; X at B stays.
    p.dialogs.clear();
    p.type(p.edit1(), "anything");
    p.dialogs.answer({true});
    p.click(3);
    QCOMPARE(p.dialogs.transcript(), kQuestion);
    QCOMPARE(rowsOf(p.file(), "select id from punkty order by id"), QStringList({"3", "4"}));
    QCOMPARE(rowsOf(p.file(), "select id from listy order by id"), QStringList({"4"}));
    QCOMPARE(p.gridRows(), QStringList({"Y|A", "X|B"}));
    QCOMPARE(p.edit1()->text(), QString());
    QCOMPARE(p.combo()->currentText(), QStringLiteral("A"));
}

void PartiesWindowTest::deleteWithoutClickTakesTheFirstRow() {
    Program p(kBusinesses);
    p.window().show();
    p.type(p.edit1(), "Y");
    p.dialogs.answer({true});
    p.click(3);
    QCOMPARE(rowsOf(p.file(), "select id from punkty order by id"), QStringList({"3", "4"}));
    QCOMPARE(rowsOf(p.file(), "select id from listy order by id"), QStringList({"4"}));
    // A failure in the cascade leaves both tables as they were.
    execFile(p.file(),
             "create trigger t before delete on listy begin select raise(abort,'kept'); end;"
             "insert into listy values(5,'B','X','W','L','Y','B');");
    const QString before = dumpOf(p.file());
    p.clickRow(1);  // X at B
    p.dialogs.clear();
    p.dialogs.answer({true});
    p.click(3);
    QCOMPARE(p.dialogs.boxes.size(), 2);
    QCOMPARE(p.dialogs.boxes[1].kind, ui::BoxKind::StandardError);
    QVERIFY2(p.dialogs.boxes[1].text.startsWith("kept\ndelete from listy"),
             qPrintable(p.dialogs.boxes[1].text));
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit1()->text(), QStringLiteral("X"));
}

QTEST_MAIN(PartiesWindowTest)
#include "test_parties_window.moc"
