// The stations window driven as a user drives it: names typed, colours picked with the
// keyboard or typed, grid cells clicked, buttons pressed, questions answered through
// scripted dialogs; the file is checked directly and the grid by its cells and its pixels.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

#include "model/colours.h"
#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/modal.h"
#include "widgets/color_string_grid.h"

using testing::dumpOf;
using testing::execFile;
using testing::rowsOf;

namespace {

const char* kDeleteQuestion =
    "Uwaga, zostaną skasowane również: listy przewozowe i nadawcy/odbiorcy z tą stacją. "
    "Jesteś pewien?";

// Stations of several colours, one with a colour name that is none of the eight, with
// waybills and shippers/receivers between them.
const char* kStations =
    "insert into stacje values(2,'Kraków','clred');"
    "insert into stacje values(3,'Gdynia','clwhite');"
    "insert into stacje values(4,'Zabrze','clgreen');"
    "insert into stacje values(5,'Łódź','purple');"
    "insert into stacje values(6,'Żary','clbrown');"
    "update admin set value='6' where key='nr_stacji';"
    "insert into listy values(2,'Kraków','N1','W1','L1','O1','Gdynia');"
    "insert into listy values(3,'Gdynia','N2','W2','L2','O2','Kraków');"
    "insert into listy values(4,'Zabrze','N3','W3','L3','O3','Gdynia');"
    "update admin set value='4' where key='nr_listu';"
    "insert into punkty values(2,'Huta','Kraków','');"
    "insert into punkty values(3,'Port','Gdynia','');";

QColor rgb(unsigned value) {
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// One running program in a fresh working directory, its stations window shown.
struct Program : testing::Program {
    explicit Program(const QString& setupSql = {}, bool showStations = true)
        : testing::Program(setupSql) {
        if (showStations) show();
    }
    // Shows the window and lets the grid settle its scroll bars.
    void show() {
        window().show();
        QCoreApplication::processEvents();
    }

    ui::StationsWindow& window() { return *windows->stations; }
    QStringList stations() { return rowsOf(file(), "select * from stacje order by rowid"); }

    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(window(), name);
    }
    QLineEdit* edit() { return widget<QLineEdit>("Edit1"); }
    QComboBox* colours() { return widget<QComboBox>("ComboBox1"); }
    widgets::ColorStringGrid* grid() { return widget<widgets::ColorStringGrid>("grid"); }
    QPushButton* button(int n) {
        return widget<QPushButton>(qPrintable(QString("Button%1").arg(n)));
    }
    void click(int n) { QTest::mouseClick(button(n), Qt::LeftButton); }

    void type(QWidget* w, const QString& text) { testing::typeText(w, text); }
    void typeName(const QString& name) {
        edit()->clear();
        type(edit(), name);
    }
    // Picks a colour from the list with the arrow keys, as a user does.
    void pickColour(int index) {
        QComboBox* box = colours();
        while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
    }
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        const QRect rect = grid()->cellRect(col, row);
        QVERIFY(!rect.isEmpty());
        QTest::mouseClick(grid()->viewport(), button, {}, rect.center());
    }
    QString colour() { return window().currentColour(); }
};

}  // namespace

class StationsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndLayout();
    void gridShowsEachStationWithItsSwatch();
    void emptyTableShowsTheHeaderOnly();
    void unknownColourLeavesNoStaleSwatch();
    void addTakesIdsAndTheChosenColour();
    void addRefusesEmptyAndExistingNames();
    void typedColourTextSelectsOnlyAnExactLabel_data();
    void typedColourTextSelectsOnlyAnExactLabel();
    void gridClickPicksTheStation();
    void clickPicksTheRowUnderThePointerInALongList();
    void recolourKeepsTheNameAndChangesTheColour();
    void recolourOfAnUnknownNameShowsTheError();
    void deleteAnswers_data();
    void deleteAnswers();
    void nameTypingIsLimitedButClickedNamesStayWhole();
    void showingAndClosing();
    void menuOpensTheWindowAndTheMainWindowRefreshes();
};

void StationsWindowTest::controlsAndLayout() {
    Program p;
    ui::StationsWindow& w = p.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Stacje"));
    QCOMPARE(w.size(), QSize(534 - 8, 376 - 27));
    testing::checkPlaces(w,
                         {
                             {"grid", {16, 0, 505, 233}, {}},
                             {"Edit1", {80, 240, 433, 21}, {}},
                             {"ComboBox1", {80, 264, 433, 21}, {}},
                             {"Button1", {80, 312, 75, 25}, "Dopisz"},
                             {"Button2", {168, 312, 75, 25}, "Zmień"},
                             {"Button3", {256, 312, 75, 25}, "Usuń"},
                             {"Button4", {440, 312, 75, 25}, "Zamknij"},
                         },
                         /*mayOverhang=*/true);
    QCOMPARE(p.widget<QLabel>("Label1")->text(), QStringLiteral("Nazwa stacji"));
    QCOMPARE(p.widget<QLabel>("Label1")->pos(), QPoint(8, 240));
    QCOMPARE(p.widget<QLabel>("Label2")->text(), QStringLiteral("Kolor FREMO"));
    QCOMPARE(p.widget<QLabel>("Label2")->pos(), QPoint(8, 264));

    // Tab order: the name, the colour list, the four buttons, then the grid.
    QStringList order;
    QWidget* at = p.edit();
    do {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(&w) && at->window() == &w &&
            !at->focusProxy())
            order << at->objectName();
        at = at->nextInFocusChain();
    } while (at != p.edit());
    QCOMPARE(order, QStringList({"Edit1", "ComboBox1", "Button1", "Button2", "Button3", "Button4",
                                 "grid"}));

    QComboBox* box = p.colours();
    QVERIFY(box->isEditable());
    QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(box->count(), 8);
    for (const model::FremoColour& c : model::kFremoColours)
        QCOMPARE(box->itemText(c.index), QString::fromUtf8(c.label.data(), c.label.size()));
    QCOMPARE(box->itemText(7),
             QStringLiteral("Pomarańczowy - drobnica, papier, tekstylia, meble, spożywcze"));

    widgets::ColorStringGrid* g = p.grid();
    QCOMPARE(g->colCount(), 2);
    QCOMPARE(g->fixedCols(), 0);
    QCOMPARE(g->fixedRows(), 1);
    QCOMPARE(g->colWidths(0), 427);
    QCOMPARE(g->colWidths(1), 64);
    QCOMPARE(g->options(), widgets::GridOption::FixedVertLine | widgets::GridOption::FixedHorzLine |
                               widgets::GridOption::HorzLine);
    QCOMPARE(g->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(g->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void StationsWindowTest::gridShowsEachStationWithItsSwatch() {
    Program p(kStations);
    widgets::ColorStringGrid* g = p.grid();
    QCOMPARE(g->rowCount(), 6);
    QCOMPARE(g->cells(0, 0), QStringLiteral("Nazwa stacji"));
    QCOMPARE(g->cells(1, 0), QStringLiteral("Kolor"));
    QCOMPARE(g->cellStyle(1, 0).bgColor(), g->fixedColor());
    const struct {
        QString name, colour;
        QColor background, text;
    } rows[] = {
        {"Kraków", "clred", rgb(0xFF0000), rgb(0xFF0000)},
        {"Gdynia", "clwhite", rgb(0xFFFFFF), rgb(0x000000)},
        {"Zabrze", "clgreen", rgb(0x008000), rgb(0x008000)},
        {"Łódź", "purple", g->defaultCellStyle().bgColor(), g->defaultCellStyle().fontColor()},
        {"Żary", "clbrown", rgb(0xBB825B), rgb(0xBB825B)},
    };
    for (int r = 1; r <= 5; ++r) {
        const auto& row = rows[r - 1];
        QCOMPARE(g->cells(0, r), row.name);
        QCOMPARE(g->cells(1, r), row.colour);
        QCOMPARE(g->cellStyle(0, r).bgColor(), rgb(0xFFFFFF));
        QCOMPARE(g->cellStyle(0, r).fontColor(), g->defaultCellStyle().fontColor());
        QCOMPARE(g->cellStyle(1, r).bgColor(), row.background);
        QCOMPARE(g->cellStyle(1, r).fontColor(), row.text);
    }

    // On screen: the swatches are solid; the name cells white. The current cell is painted in
    // the selection colours, so it is moved to a name cell first.
    p.clickCell(0, 2);
    QCOMPARE(g->col(), 0);
    const QImage image = g->viewport()->grab().toImage();
    if (qEnvironmentVariableIsSet("LISTY_SHOT")) p.window().grab().save("/tmp/stations_window.png");
    for (int r : {1, 3, 5}) {
        const QRect cell = g->cellRect(1, r);
        for (const QPoint at :
             {cell.topLeft() + QPoint(1, 1), cell.center(), cell.bottomRight() - QPoint(1, 1)}) {
            QVERIFY2(image.pixelColor(at) == rows[r - 1].background,
                     qPrintable(QString("row %1 at %2,%3: %4")
                                    .arg(r)
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(image.pixelColor(at).name())));
        }
    }
    const QRect white = g->cellRect(1, 2);
    QCOMPARE(image.pixelColor(white.bottomRight() - QPoint(1, 1)), rgb(0xFFFFFF));
    const QRect name = g->cellRect(0, 3);
    QCOMPARE(image.pixelColor(name.bottomRight() - QPoint(1, 1)), rgb(0xFFFFFF));
    // The clicked row's name cell carries the selection colours instead.
    QCOMPARE(image.pixelColor(g->cellRect(0, 2).bottomRight() - QPoint(1, 1)),
             g->selectedColors().bgColor());
}

void StationsWindowTest::emptyTableShowsTheHeaderOnly() {
    Program p;
    QCOMPARE(p.grid()->rowCount(), 1);
    QCOMPARE(p.grid()->cells(0, 0), QStringLiteral("Nazwa stacji"));
    QCOMPARE(p.grid()->cells(1, 0), QStringLiteral("Kolor"));
    QVERIFY(p.window().stations().active());
    QCOMPARE(p.window().stations().sql(), std::string("select * from stacje;"));
    p.clickCell(1, 0);  // the header: nothing happens
    QCOMPARE(p.edit()->text(), QString());
    QCOMPARE(p.colours()->currentIndex(), -1);
    QVERIFY(p.dialogs.boxes.isEmpty());
}

// A row that showed a swatch and then holds a station whose colour is none of the eight
// shows that station's text on the default cell colours.
void StationsWindowTest::unknownColourLeavesNoStaleSwatch() {
    Program p(
        "insert into stacje values(2,'Kraków','clred');"
        "insert into stacje values(3,'Łódź','purple');");
    widgets::ColorStringGrid* g = p.grid();
    QCOMPARE(g->cellStyle(1, 1).bgColor(), rgb(0xFF0000));
    p.clickCell(0, 1);
    p.dialogs.answer({true});
    p.click(3);
    QCOMPARE(p.stations(), QStringList({"3|Łódź|purple"}));
    QCOMPARE(g->rowCount(), 2);
    QCOMPARE(g->cells(1, 1), QStringLiteral("purple"));
    QCOMPARE(g->cellStyle(1, 1).bgColor(), g->defaultCellStyle().bgColor());
    QCOMPARE(g->cellStyle(1, 1).fontColor(), g->defaultCellStyle().fontColor());
}

void StationsWindowTest::addTakesIdsAndTheChosenColour() {
    Program p;
    QCOMPARE(p.colour(), QStringLiteral("clwhite"));
    p.type(p.edit(), "Kraków");
    p.click(1);
    QCOMPARE(p.stations(), QStringList({"2|Kraków|clwhite"}));
    QCOMPARE(rowsOf(p.file(), "select value from admin where key='nr_stacji'"), QStringList({"2"}));
    QCOMPARE(p.edit()->text(), QStringLiteral("Kraków"));

    p.pickColour(1);
    QCOMPARE(p.colour(), QStringLiteral("clred"));
    p.typeName("Gdańsk");
    p.click(1);
    p.pickColour(7);
    p.typeName("O'Hare");
    p.click(1);
    QCOMPARE(p.stations(),
             QStringList({"2|Kraków|clwhite", "3|Gdańsk|clred", "4|O'Hare|clorange"}));
    QCOMPARE(p.colours()->currentIndex(), 7);
    QCOMPARE(p.edit()->text(), QStringLiteral("O'Hare"));
    QCOMPARE(p.grid()->rowCount(), 4);
    QCOMPARE(p.grid()->cells(0, 2), QStringLiteral("Gdańsk"));
    QCOMPARE(p.grid()->cellStyle(1, 3).bgColor(), rgb(0xE77817));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void StationsWindowTest::addRefusesEmptyAndExistingNames() {
    Program p(kStations);
    const QString before = dumpOf(p.file());
    p.click(1);  // empty name
    p.click(2);
    QVERIFY(p.dialogs.boxes.isEmpty());
    p.type(p.edit(), "Gdynia");
    p.pickColour(3);
    p.click(1);
    QCOMPARE(p.dialogs.transcript(), QStringLiteral("BŁĄD: Istnieje taka stacja"));
    QCOMPARE(p.dialogs.boxes.value(0).kind, ui::BoxKind::Message);
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit()->text(), QStringLiteral("Gdynia"));
    QCOMPARE(p.colours()->currentIndex(), 3);
    // The same name in other letters is another station.
    p.typeName("gdynia");
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from stacje where id=7"),
             QStringList({"7|gdynia|clgreen"}));
    QCOMPARE(p.dialogs.boxes.size(), 1);
}

void StationsWindowTest::typedColourTextSelectsOnlyAnExactLabel_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("colour");
    QTest::newRow("a whole label") << "Żółty (piasek, żwir, wapno, minerały)" << 2 << "clyellow";
    QTest::newRow("the last label")
        << "Pomarańczowy - drobnica, papier, tekstylia, meble, spożywcze" << 7 << "clorange";
    QTest::newRow("part of a label") << "Czerwony" << -1 << "clwhite";
    QTest::newRow("other case") << "czarny (węgiel, koks, cement, odkuwki, blachy, rury)" << -1
                                << "clwhite";
    QTest::newRow("a stored name") << "clred" << -1 << "clwhite";
}

void StationsWindowTest::typedColourTextSelectsOnlyAnExactLabel() {
    QFETCH(QString, typed);
    QFETCH(int, index);
    QFETCH(QString, colour);
    Program p;
    p.pickColour(4);  // a colour picked before the typing does not stick to the typed text
    QCOMPARE(p.colour(), QStringLiteral("clblue"));
    p.colours()->lineEdit()->selectAll();
    p.type(p.colours(), typed);
    QCOMPARE(p.colours()->currentText(), typed);
    QCOMPARE(p.colours()->currentIndex(), index);
    QCOMPARE(p.colour(), colour);
    p.type(p.edit(), "Kraków");
    p.click(1);
    QCOMPARE(p.stations(), QStringList({"2|Kraków|" + colour}));

    // One more character makes any label text no label.
    p.type(p.colours(), "x");
    QCOMPARE(p.colours()->currentText(), typed + "x");
    QCOMPARE(p.colours()->currentIndex(), -1);
    QCOMPARE(p.colour(), QStringLiteral("clwhite"));
}

void StationsWindowTest::gridClickPicksTheStation() {
    Program p(kStations);
    p.pickColour(6);
    p.clickCell(1, 0);  // the header
    QCOMPARE(p.edit()->text(), QString());
    QCOMPARE(p.colours()->currentIndex(), 6);

    // Either cell of a data row; any button.
    p.clickCell(0, 1);
    QCOMPARE(p.edit()->text(), QStringLiteral("Kraków"));
    QCOMPARE(p.colours()->currentIndex(), 1);
    QCOMPARE(p.colour(), QStringLiteral("clred"));
    p.clickCell(1, 2, Qt::RightButton);
    QCOMPARE(p.edit()->text(), QStringLiteral("Gdynia"));
    QCOMPARE(p.colours()->currentIndex(), 0);
    QCOMPARE(p.colours()->currentText(), QStringLiteral("Biały (bez znaczenia)"));
    QCOMPARE(p.colour(), QStringLiteral("clwhite"));

    // A colour that is none of the eight leaves the list and the colour as they were.
    p.pickColour(4);
    p.clickCell(1, 4);
    QCOMPARE(p.edit()->text(), QStringLiteral("Łódź"));
    QCOMPARE(p.colours()->currentIndex(), 4);
    QCOMPARE(p.colour(), QStringLiteral("clblue"));

    // Below the last row there is no cell: nothing happens.
    const QRect last = p.grid()->cellRect(0, 5);
    QTest::mouseClick(p.grid()->viewport(), Qt::LeftButton, {}, last.center() + QPoint(0, 60));
    QCOMPARE(p.edit()->text(), QStringLiteral("Łódź"));

    // "Zmień" right after a click keeps the clicked station's colour.
    p.pickColour(5);
    p.clickCell(0, 3);
    const QString before = dumpOf(p.file());
    p.click(2);
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(rowsOf(p.file(), "select kolor from stacje where nazwa='Zabrze'"),
             QStringList({"clgreen"}));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

// With more stations than the grid shows, the scroll bar narrows the grid: a click on a
// partly visible row or on the colour column scrolls, and still picks the station clicked.
void StationsWindowTest::clickPicksTheRowUnderThePointerInALongList() {
    QString rows;
    for (int i = 1; i <= 12; ++i)
        rows += QString("insert into stacje values(%1,'Stacja %1','%2');")
                    .arg(i)
                    .arg(QString::fromUtf8(model::kFremoColours[i % 8].name.data()));
    Program p(rows);
    widgets::ColorStringGrid* g = p.grid();
    QCOMPARE(g->rowCount(), 13);
    QVERIFY(g->verticalScrollBar()->isVisible());
    QCOMPARE(g->topRow(), 1);

    // The first row below those in full sight shows only its top.
    int partly = 1;
    while (g->cellRect(0, partly).bottom() < g->viewport()->height()) ++partly;
    const QRect cell = g->cellRect(0, partly);
    QVERIFY(cell.isValid());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(20, 2));
    QVERIFY(g->topRow() > 1);  // the grid scrolled under the pointer
    QCOMPARE(p.edit()->text(), QString("Stacja %1").arg(partly));
    QCOMPARE(p.colours()->currentIndex(), partly % 8);

    // The colour column: the names stay in sight.
    p.clickCell(1, partly - 2);
    QCOMPARE(g->leftCol(), 0);
    QVERIFY(g->cellRect(0, partly - 2).isValid());
    QCOMPARE(p.edit()->text(), QString("Stacja %1").arg(partly - 2));
    QCOMPARE(p.colours()->currentIndex(), (partly - 2) % 8);
    QVERIFY(p.dialogs.boxes.isEmpty());

    // By keyboard: Down picks the next station, as a click does.
    QTest::keyClick(g, Qt::Key_Down);
    QCoreApplication::processEvents();
    QCOMPARE(p.edit()->text(), QString("Stacja %1").arg(partly - 1));
    QCOMPARE(p.colours()->currentIndex(), (partly - 1) % 8);
    // Right and End would scroll the names away: they come back once the key is handled.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_End}) {
        QTest::keyClick(g, key);
        QCoreApplication::processEvents();
        QCOMPARE(g->leftCol(), 0);
    }
    // Shift with the right button selects the block from the current cell, as the left does.
    p.clickCell(0, 2);
    QTest::mouseClick(g->viewport(), Qt::RightButton, Qt::ShiftModifier,
                      g->cellRect(0, 4).center());
    QCOMPARE(g->selection(), (widgets::GridRect{0, 2, 0, 4}));
}

void StationsWindowTest::recolourKeepsTheNameAndChangesTheColour() {
    Program p(kStations);
    p.clickCell(0, 2);
    p.pickColour(5);
    p.click(2);
    QCOMPARE(p.stations(), QStringList({"2|Kraków|clred", "3|Gdynia|clblack", "4|Zabrze|clgreen",
                                        "5|Łódź|purple", "6|Żary|clbrown"}));
    QCOMPARE(p.grid()->cellStyle(1, 2).bgColor(), rgb(0x000000));
    QCOMPARE(p.grid()->cells(1, 2), QStringLiteral("clblack"));
    // A station of an unknown colour gets one of the eight.
    p.clickCell(0, 4);
    p.pickColour(2);
    p.click(2);
    QCOMPARE(rowsOf(p.file(), "select * from stacje where id=5"), QStringList({"5|Łódź|clyellow"}));
    QCOMPARE(p.grid()->cellStyle(1, 4).bgColor(), rgb(0xFFFF00));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"3"}));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void StationsWindowTest::recolourOfAnUnknownNameShowsTheError() {
    Program p(kStations);
    const QString before = dumpOf(p.file());
    p.type(p.edit(), "Gdańsk");
    p.pickColour(1);
    p.click(2);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QCOMPARE(p.dialogs.boxes[0].text, QStringLiteral("'' is not a valid integer value."));
    QCOMPARE(dumpOf(p.file()), before);
    QCOMPARE(p.edit()->text(), QStringLiteral("Gdańsk"));
    // The window goes on working.
    p.click(1);
    QCOMPARE(rowsOf(p.file(), "select * from stacje where id=7"), QStringList({"7|Gdańsk|clred"}));
}

void StationsWindowTest::deleteAnswers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("stations");
    QTest::addColumn<QStringList>("waybills");
    QTest::addColumn<QStringList>("parties");
    QTest::addColumn<QString>("editAfter");
    const QStringList all{"Kraków", "Gdynia", "Zabrze", "Łódź", "Żary"};
    QTest::newRow("yes") << "Gdynia" << true << QStringList{"Kraków", "Zabrze", "Łódź", "Żary"}
                         << QStringList{} << QStringList{"Huta"} << "";
    QTest::newRow("yes, only sending")
        << "Zabrze" << true << QStringList{"Kraków", "Gdynia", "Łódź", "Żary"}
        << QStringList{"2", "3"} << QStringList{"Huta", "Port"} << "";
    QTest::newRow("no") << "Gdynia" << false << all << QStringList{"2", "3", "4"}
                        << QStringList{"Huta", "Port"} << "Gdynia";
    QTest::newRow("yes, empty name")
        << "" << true << all << QStringList{"2", "3", "4"} << QStringList{"Huta", "Port"} << "";
}

void StationsWindowTest::deleteAnswers() {
    QFETCH(QString, name);
    QFETCH(bool, yes);
    QFETCH(QStringList, stations);
    QFETCH(QStringList, waybills);
    QFETCH(QStringList, parties);
    QFETCH(QString, editAfter);
    Program p(kStations);
    p.type(p.edit(), name);
    p.dialogs.answer({yes});
    p.click(3);
    QCOMPARE(p.dialogs.transcript(), QStringLiteral("UWAGA: ") + kDeleteQuestion);
    QCOMPARE(p.dialogs.boxes.value(0).kind, ui::BoxKind::Question);
    QCOMPARE(rowsOf(p.file(), "select nazwa from stacje order by id"), stations);
    QCOMPARE(rowsOf(p.file(), "select id from listy order by id"), waybills);
    QCOMPARE(rowsOf(p.file(), "select nazwa from punkty order by id"), parties);
    QCOMPARE(p.edit()->text(), editAfter);
    QCOMPARE(p.grid()->rowCount(), stations.size() + 1);
    for (int r = 1; r <= stations.size(); ++r) QCOMPARE(p.grid()->cells(0, r), stations[r - 1]);
}

void StationsWindowTest::nameTypingIsLimitedButClickedNamesStayWhole() {
    Program p("insert into stacje values(2,'Szczebrzeszyn Wąskotorowy','clblue');");
    p.type(p.edit(), "Świętochłowice Główne");
    QCOMPARE(p.edit()->text(), QStringLiteral("Świętochłowice "));
    p.clickCell(0, 1);
    QCOMPARE(p.edit()->text(), QStringLiteral("Szczebrzeszyn Wąskotorowy"));
    p.pickColour(3);
    p.click(2);
    QCOMPARE(p.stations(), QStringList({"2|Szczebrzeszyn Wąskotorowy|clgreen"}));
}

// Each showing reads the table afresh and takes the colour the list shows; the name and the
// list stay as they were; every way of closing closes the dataset.
void StationsWindowTest::showingAndClosing() {
    Program p;
    ui::StationsWindow& w = p.window();
    QVERIFY(w.stations().active());
    p.type(p.edit(), "Kraków");
    p.click(4);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.stations().active());
    QVERIFY(p.stations().isEmpty());

    execFile(p.file(),
             "insert into stacje values(2,'Gdynia','clblue');"
             "update admin set value='2' where key='nr_stacji';");
    p.show();
    QVERIFY(w.stations().active());
    QCOMPARE(p.grid()->rowCount(), 2);
    QCOMPARE(p.grid()->cells(0, 1), QStringLiteral("Gdynia"));
    QCOMPARE(p.edit()->text(), QStringLiteral("Kraków"));
    QCOMPARE(p.colour(), QStringLiteral("clwhite"));
    p.pickColour(1);
    w.close();  // the title bar's close box
    QVERIFY(!w.stations().active());

    p.show();
    QCOMPARE(p.colours()->currentIndex(), 1);
    QCOMPARE(p.colour(), QStringLiteral("clred"));
    p.click(1);
    QCOMPARE(p.stations(), QStringList({"2|Gdynia|clblue", "3|Kraków|clred"}));
    QTest::keyClick(p.edit(), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.stations().active());
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void StationsWindowTest::menuOpensTheWindowAndTheMainWindowRefreshes() {
    Program p({}, false);
    auto* stn = p.windows->main->findChild<QComboBox*>(QStringLiteral("stn"));
    QVERIFY(stn);
    QCOMPARE(stn->count(), 0);
    bool shown = false;
    ui::setModalHook([&](QDialog& window) {
        QCOMPARE(&window, static_cast<QDialog*>(&p.window()));
        p.show();
        shown = true;
        QCOMPARE(p.grid()->rowCount(), 1);
        p.type(p.edit(), "Kraków");
        p.click(1);
        p.click(4);
    });
    QAction* action = p.windows->main->findChild<QAction*>(QStringLiteral("Stacje1"));
    QVERIFY(action);
    action->trigger();
    QVERIFY(shown);
    QVERIFY(!p.window().isVisible());
    QCOMPARE(stn->count(), 1);
    QCOMPARE(stn->itemText(0), QStringLiteral("Kraków"));
}

QTEST_MAIN(StationsWindowTest)
#include "test_stations_window.moc"
