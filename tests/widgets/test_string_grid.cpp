// The plain string grid: keyboard navigation, block selection, vetoed moves, scrolling the
// current cell into view, counts and fixed counts, and the mouse (drag selection, sizing and
// moving columns by their header).

#include "widgets/string_grid.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace widgets;

namespace {

void press(QWidget* w, QPoint p) {
    QTest::mousePress(w, Qt::LeftButton, {}, p);
}

void dragTo(QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

}  // namespace

class TestStringGrid : public QObject {
    Q_OBJECT

private slots:
    void keyboardNavigation_data();
    void keyboardNavigation();
    void shiftArrowsExtendOnlyWithRangeSelect();
    void vetoedCellStaysUnselected();
    void rowSelectSpansTheNonFixedColumns();
    void currentCellIsScrolledIntoView();
    void countsKeepFixedCountsAndCurrentCellValid();
    void dragSelectsABlock();
    void headerDragsSizeAndMoveColumns();
};

void TestStringGrid::keyboardNavigation_data() {
    QTest::addColumn<int>("options");  // extra options
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("expected");  // (col, row) after the keys, starting at (1, 1)
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("down right") << 0 << QList<int>{Qt::Key_Down, Qt::Key_Right} << QPoint(2, 2);
    QTest::newRow("up/left stop at the fixed cells")
        << 0 << QList<int>{Qt::Key_Up, Qt::Key_Left} << QPoint(1, 1);
    QTest::newRow("down stops at the last row") << 0 << QList<int>(6, Qt::Key_Down) << QPoint(1, 4);
    QTest::newRow("end") << 0 << QList<int>{Qt::Key_End} << QPoint(4, 1);
    QTest::newRow("ctrl+end") << 0 << QList<int>{ctrl | Qt::Key_End} << QPoint(4, 4);
    QTest::newRow("ctrl+home") << 0 << QList<int>{ctrl | Qt::Key_End, ctrl | Qt::Key_Home}
                               << QPoint(1, 1);
    QTest::newRow("tab ignored without the option") << 0 << QList<int>{Qt::Key_Tab} << QPoint(1, 1);
    QTest::newRow("tab") << int(GridOption::Tabs) << QList<int>{Qt::Key_Tab} << QPoint(2, 1);
    QTest::newRow("tab wraps to the next row")
        << int(GridOption::Tabs) << QList<int>{Qt::Key_End, Qt::Key_Tab} << QPoint(1, 2);
    QTest::newRow("backtab wraps back")
        << int(GridOption::Tabs) << QList<int>{Qt::Key_Down, Qt::Key_Backtab} << QPoint(4, 1);
    QTest::newRow("page down") << 0 << QList<int>{Qt::Key_PageDown} << QPoint(1, 4);
}

void TestStringGrid::keyboardNavigation() {
    QFETCH(int, options);
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, expected);
    // A second focusable widget beside the grid, so that Tab has somewhere else to go.
    QWidget window;
    auto& grid = *new StringGrid(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 310);
    grid.setOptions(grid.options() | GridOptions::fromInt(options));
    grid.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    grid.setFocus();
    for (int key : keys)
        QTest::keyClick(&grid, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(QPoint(grid.col(), grid.row()), expected);
    QCOMPARE(grid.selection(), (GridRect{expected.x(), expected.y(), expected.x(), expected.y()}));
}

void TestStringGrid::shiftArrowsExtendOnlyWithRangeSelect() {
    StringGrid grid;
    QVERIFY(grid.options() & GridOption::RangeSelect);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid.selection(), (GridRect{1, 1, 2, 2}));
    QCOMPARE(QPoint(grid.col(), grid.row()), QPoint(1, 1));
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);  // stops at the fixed row
    QCOMPARE(grid.selection(), (GridRect{1, 1, 2, 1}));
    QTest::keyClick(&grid, Qt::Key_Down);  // a plain move collapses the block
    QCOMPARE(grid.selection(), (GridRect{1, 2, 1, 2}));

    grid.setOptions(grid.options() & ~GridOptions(GridOption::RangeSelect));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(grid.selection(), (GridRect{1, 3, 1, 3}));
    QCOMPARE(grid.row(), 3);
}

void TestStringGrid::vetoedCellStaysUnselected() {
    StringGrid grid;
    QList<QPoint> asked;
    connect(&grid, &StringGrid::cellSelecting, this, [&](int c, int r, bool* can) {
        asked << QPoint(c, r);
        *can = r != 3;
    });
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.row(), 2);
    QCOMPARE((asked), (QList<QPoint>{{1, 2}, {1, 3}}));
    grid.focusCell(2, 3);
    QCOMPARE(QPoint(grid.col(), grid.row()), QPoint(1, 2));
    QCOMPARE(grid.selection(), (GridRect{1, 2, 1, 2}));
}

void TestStringGrid::rowSelectSpansTheNonFixedColumns() {
    StringGrid grid;
    grid.setOptions(grid.options() | GridOption::RowSelect);
    grid.focusCell(2, 3);
    QCOMPARE(grid.selection(), (GridRect{1, 3, 4, 3}));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(grid.selection(), (GridRect{1, 4, 4, 4}));
}

void TestStringGrid::currentCellIsScrolledIntoView() {
    StringGrid grid;
    grid.setRowCount(50);
    grid.setColCount(30);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.focusCell(20, 40);
    QVERIFY(grid.topRow() > 1);
    QVERIFY(grid.leftCol() > 1);
    const QRect r = grid.cellRect(20, 40);
    QVERIFY(!r.isNull());
    QVERIFY(grid.viewport()->rect().contains(r));
    QCOMPARE(grid.verticalScrollBar()->value(), grid.topRow() - grid.fixedRows());
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid.topRow(), 1);
    QCOMPARE(grid.leftCol(), 1);
    // The last row can be scrolled to, but not past.
    grid.setTopRow(1000);
    QVERIFY(!grid.cellRect(1, 49).isNull());
    QVERIFY(grid.viewport()->rect().contains(grid.cellRect(1, 49)));
    QVERIFY(grid.cellRect(1, grid.topRow() - 1).isNull());
}

void TestStringGrid::countsKeepFixedCountsAndCurrentCellValid() {
    StringGrid grid;
    grid.setCells(4, 4, QStringLiteral("x"));
    grid.focusCell(4, 4);
    grid.setRowCount(3);
    grid.setColCount(3);
    QCOMPARE(QPoint(grid.col(), grid.row()), QPoint(2, 2));
    QCOMPARE(grid.selection(), (GridRect{2, 2, 2, 2}));
    grid.setRowCount(5);
    QCOMPARE(grid.cells(2, 4), QString());  // dropped texts do not come back
    grid.setRowCount(0);
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(grid.selection().right < grid.selection().left, true);  // nothing selectable
    grid.setFixedRows(7);
    QCOMPARE(grid.fixedRows(), 1);
    grid.setRowCount(4);
    grid.focusCell(1, 3);
    QCOMPARE(grid.row(), 3);
    grid.setFixedRows(2);
    QCOMPARE(grid.row(), 2);  // a new fixed count starts at its first scrolled row
    grid.setFixedRows(4);
    grid.setFixedRows(0);
    QCOMPARE(grid.fixedRows(), 0);
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.topRow(), 0);
    // No fixed column: the first column is in view and current.
    grid.setFixedCols(0);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.leftCol(), 0);
}

void TestStringGrid::dragSelectsABlock() {
    StringGrid grid;
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QWidget* vp = grid.viewport();
    press(vp, grid.cellRect(1, 1).center());
    dragTo(vp, grid.cellRect(3, 2).center());
    QCOMPARE(grid.selection(), (GridRect{1, 1, 3, 2}));
    dragTo(vp, grid.cellRect(0, 0).center());  // never into the fixed cells
    QCOMPARE(grid.selection(), (GridRect{1, 1, 1, 1}));
    dragTo(vp, grid.cellRect(2, 3).center());
    QTest::mouseRelease(vp, Qt::LeftButton, {}, grid.cellRect(2, 3).center());
    QCOMPARE(grid.selection(), (GridRect{1, 1, 2, 3}));
    QCOMPARE(QPoint(grid.col(), grid.row()), QPoint(1, 1));
}

void TestStringGrid::headerDragsSizeAndMoveColumns() {
    StringGrid grid;
    grid.resize(500, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QWidget* vp = grid.viewport();
    const QRect head = grid.cellRect(1, 0);
    const QPoint edge(head.x() + head.width(), head.center().y());

    // Without the option the edge is just part of the header.
    press(vp, edge);
    dragTo(vp, edge + QPoint(20, 0));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, edge + QPoint(20, 0));
    QCOMPARE(grid.colWidths(1), 64);

    grid.setOptions(grid.options() | GridOption::ColSizing | GridOption::ColMoving);
    press(vp, edge);
    dragTo(vp, edge + QPoint(20, 0));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, edge + QPoint(20, 0));
    QCOMPARE(grid.colWidths(1), 84);

    for (int c = 0; c < 5; ++c) grid.setCells(c, 2, QString::number(c));
    press(vp, grid.cellRect(1, 0).center());
    QTest::mouseRelease(vp, Qt::LeftButton, {}, grid.cellRect(3, 0).center());
    QCOMPARE(grid.cells(1, 2), QStringLiteral("2"));
    QCOMPARE(grid.cells(2, 2), QStringLiteral("3"));
    QCOMPARE(grid.cells(3, 2), QStringLiteral("1"));
    QCOMPARE(grid.colWidths(3), 84);  // the width went with the column
}

QTEST_MAIN(TestStringGrid)
#include "test_string_grid.moc"
