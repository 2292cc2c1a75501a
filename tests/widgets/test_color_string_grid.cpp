// Behaviour of ColorStringGrid: per-cell styles, their matrix, the text setter, painting (grid
// lines, selection colours, borders), moves, fitting, mouse mapping and the in-place editor.

#include "widgets/color_string_grid.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

using namespace widgets;

namespace {

const QColor kGrey(0x80, 0x80, 0x80);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// Paints the grid's viewport into an image the way the screen would get it; without children,
// the in-place editor is left out.
QImage paint(ColorStringGrid& grid, bool children = true, QColor under = Qt::magenta) {
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    image.fill(under);
    grid.viewport()->render(&image, QPoint(), QRegion(),
                            children ? QWidget::DrawWindowBackground | QWidget::DrawChildren
                                     : QWidget::DrawWindowBackground);
    return image;
}

bool isTextColour(QRgb p, const QColor& c) {
    return std::abs(qRed(p) - c.red()) < 40 && std::abs(qGreen(p) - c.green()) < 40 &&
           std::abs(qBlue(p) - c.blue()) < 40;
}

int countPixels(const QImage& image, const QRect& rect, const QColor& colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += isTextColour(image.pixel(x, y), colour);
    return n;
}

// The stations window's grid: two columns, one fixed row, no fixed column, lines between all
// rows and columns, a vertical scroll bar only, no editing.
void setUpLikeStations(ColorStringGrid& grid, int rows) {
    grid.setColCount(2);
    grid.setFixedCols(0);
    grid.setFixedRows(1);
    grid.setRowCount(rows);
    grid.setColWidths(0, 60);
    grid.setColWidths(1, 40);
    grid.setDefaultRowHeight(18);
    grid.setOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::HorzLine);
    grid.setScrollBars(ScrollBars::Vertical);
    CellStyle normal;
    normal.assign(grid.defaultCellStyle());
    normal.setBgColor(grid.palette().color(QPalette::Base));
    normal.setFontColor(grid.palette().color(QPalette::Text));
    grid.setDefaultCellStyle(normal);
    grid.lineDesign().setLineUpColor(kWhite);
}

}  // namespace

class TestColorStringGrid : public QObject {
    Q_OBJECT

private slots:
    void styleIsCopiedOnFirstUseAndChangedAlone();
    void fixedCellsCopyTheFixedTemplate();
    void outOfRangeGivesTheTemplateItself_data();
    void outOfRangeGivesTheTemplateItself();
    void shrinkingDropsStylesAndRegrowingStartsFresh();
    void changingTheTemplateLeavesPaintedCells();
    void assignCopiesEveryFieldButTheGrid();
    void sameTextTwiceSignalsOnce();
    void gridLines_data();
    void gridLines();
    void currentCellInSelectionColours_data();
    void currentCellInSelectionColours();
    void borders_data();
    void borders();
    void removeAndMoveCarryStyles();
    void removeOutOfRangeOrLastChangesNothing();
    void autoSizeGrowsOnly();
    void mouseCoordAndMouseDown();
    void shiftClickSelectsBlockOutsideFixedCells();
    void fixedRowsOnlyGrid();
    void optionsKeepEditingOutOfTheBase();
    void beforeTextDrawCellDrawsUnderTheText();
    void editorWritesThroughTheCellSetter();
    void editorFollowsCellWithAlwaysShowEditor();
    void focusRectangle_data();
    void focusRectangle();
};

void TestColorStringGrid::styleIsCopiedOnFirstUseAndChangedAlone() {
    ColorStringGrid grid;
    grid.defaultCellStyle().setBgColor(QColor(10, 20, 30));
    grid.defaultCellStyle().setHorizontalAlignment(HorizontalAlignment::Center);
    grid.defaultCellStyle().setIndentH(7);
    QVERIFY(!grid.hasCellStyle(1, 3));

    CellStyle& style = grid.cellStyle(1, 3);
    QVERIFY(grid.hasCellStyle(1, 3));
    QVERIFY(&style != &grid.defaultCellStyle());
    QCOMPARE(style.grid(), &grid);
    QCOMPARE(style.bgColor(), QColor(10, 20, 30));
    QCOMPARE(style.horizontalAlignment(), HorizontalAlignment::Center);
    QCOMPARE(style.indentH(), quint8(7));

    style.setBgColor(Qt::red);
    QCOMPARE(grid.cellStyle(1, 3).bgColor(), QColor(Qt::red));
    QCOMPARE(&grid.cellStyle(1, 3), &style);  // the same style on the next call
    QCOMPARE(grid.defaultCellStyle().bgColor(), QColor(10, 20, 30));
    QCOMPARE(grid.cellStyle(2, 3).bgColor(), QColor(10, 20, 30));
    QCOMPARE(grid.cellStyle(1, 2).bgColor(), QColor(10, 20, 30));
}

void TestColorStringGrid::fixedCellsCopyTheFixedTemplate() {
    ColorStringGrid grid;
    grid.setFixedCols(0);
    grid.setFixedRows(1);
    grid.setFixedColor(QColor(1, 2, 3));
    QCOMPARE(grid.defaultFixedCellStyle().bgColor(), QColor(1, 2, 3));
    grid.defaultCellStyle().setBgColor(QColor(200, 200, 200));

    CellStyle& corner = grid.cellStyle(0, 0);
    QVERIFY(&corner != &grid.defaultFixedCellStyle());
    QCOMPARE(corner.bgColor(), QColor(1, 2, 3));
    QCOMPARE(grid.cellStyle(0, 1).bgColor(), QColor(200, 200, 200));

    // With a fixed column as well, its cells below the fixed row are fixed too.
    ColorStringGrid withFixedCol;
    withFixedCol.setFixedColor(QColor(4, 5, 6));
    QCOMPARE(withFixedCol.fixedCols(), 1);
    QCOMPARE(withFixedCol.cellStyle(0, 3).bgColor(), QColor(4, 5, 6));
    QVERIFY(withFixedCol.cellStyle(1, 3).bgColor() != QColor(4, 5, 6));

    // The templates follow the grid's font; a style already taken keeps its copy.
    const QFont before = withFixedCol.cellStyle(1, 3).font();
    QFont font(QStringLiteral("DejaVu Serif"), 15);
    withFixedCol.setFont(font);
    QCOMPARE(withFixedCol.defaultCellStyle().font(), font);
    QCOMPARE(withFixedCol.defaultFixedCellStyle().font(), font);
    QCOMPARE(withFixedCol.cellStyle(1, 3).font(), before);
    QCOMPARE(withFixedCol.cellStyle(2, 3).font(), font);
}

void TestColorStringGrid::outOfRangeGivesTheTemplateItself_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("column past the end") << 5 << 0;
    QTest::newRow("column == count") << 2 << 1;
    QTest::newRow("row == count") << 0 << 5;
    QTest::newRow("negative column") << -1 << 1;
    QTest::newRow("negative row") << 1 << -1;
}

void TestColorStringGrid::outOfRangeGivesTheTemplateItself() {
    QFETCH(int, col);
    QFETCH(int, row);
    ColorStringGrid grid;
    grid.setColCount(2);
    CellStyle& style = grid.cellStyle(col, row);
    QCOMPARE(&style, &grid.defaultCellStyle());
    // A change through it alters the template, so cells styled later take it.
    style.setBgColor(QColor(9, 8, 7));
    QCOMPARE(grid.cellStyle(1, 2).bgColor(), QColor(9, 8, 7));
}

void TestColorStringGrid::shrinkingDropsStylesAndRegrowingStartsFresh() {
    ColorStringGrid grid;
    grid.setRowCount(10);
    const QColor normal = grid.defaultCellStyle().bgColor();
    for (int r = 1; r < 10; ++r) grid.cellStyle(1, r).setBgColor(QColor(r, r, r));
    grid.setCells(1, 5, QStringLiteral("old"));

    grid.setRowCount(3);
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.cellStyle(1, 2).bgColor(), QColor(2, 2, 2));  // kept
    QCOMPARE(&grid.cellStyle(1, 5), &grid.defaultCellStyle());

    grid.setRowCount(10);
    for (int r = 3; r < 10; ++r) {
        QVERIFY2(!grid.hasCellStyle(1, r), qPrintable(QString::number(r)));
        QCOMPARE(grid.cellStyle(1, r).bgColor(), normal);
    }
    QCOMPARE(grid.cells(1, 5), QString());

    // Columns likewise.
    grid.cellStyle(4, 1).setBgColor(Qt::green);
    grid.setColCount(2);
    grid.setColCount(5);
    QVERIFY(!grid.hasCellStyle(4, 1));
    QCOMPARE(grid.cellStyle(4, 1).bgColor(), normal);
}

void TestColorStringGrid::changingTheTemplateLeavesPaintedCells() {
    ColorStringGrid grid;
    grid.resize(400, 200);
    grid.show();
    grid.defaultCellStyle().setBgColor(QColor(0, 128, 0));
    grid.setOptions(GridOptions());
    const QRect cell = grid.cellRect(2, 2);
    QImage before = paint(grid);
    QCOMPARE(QColor(before.pixel(cell.center())), QColor(0, 128, 0));

    grid.defaultCellStyle().setBgColor(QColor(128, 0, 0));
    QImage after = paint(grid);
    QCOMPARE(QColor(after.pixel(cell.center())), QColor(0, 128, 0));
    // A cell that only comes into view now takes the template as it is now.
    grid.setRowCount(40);
    grid.setTopRow(30);
    QVERIFY(!grid.hasCellStyle(2, 31));
    QImage scrolled = paint(grid);
    QCOMPARE(QColor(scrolled.pixel(grid.cellRect(2, 31).center())), QColor(128, 0, 0));
}

void TestColorStringGrid::assignCopiesEveryFieldButTheGrid() {
    ColorStringGrid grid;
    CellStyle source;
    QFont font(QStringLiteral("DejaVu Serif"), 17);
    source.setFont(font, QColor(1, 1, 1));
    source.setBgColor(QColor(2, 2, 2));
    source.setHorizontalAlignment(HorizontalAlignment::RightJustify);
    source.setVerticalAlignment(VerticalAlignment::Bottom);
    source.setWordWrap(true);
    source.setSizingHeight(true);
    source.setSizingWidth(true);
    source.setBorderCellStyle(BorderCellStyle::Raised);
    source.setIndentH(9);
    source.setIndentV(4);
    source.setRotate(90);

    CellStyle& target = grid.cellStyle(1, 1);
    source.assignTo(target);
    QCOMPARE(target.grid(), &grid);
    QCOMPARE(target.font(), font);
    QCOMPARE(target.fontColor(), QColor(1, 1, 1));
    QCOMPARE(target.bgColor(), QColor(2, 2, 2));
    QCOMPARE(target.horizontalAlignment(), HorizontalAlignment::RightJustify);
    QCOMPARE(target.verticalAlignment(), VerticalAlignment::Bottom);
    QVERIFY(target.wordWrap() && target.sizingHeight() && target.sizingWidth());
    QCOMPARE(target.borderCellStyle(), BorderCellStyle::Raised);
    QCOMPARE(target.indentH(), quint8(9));
    QCOMPARE(target.indentV(), quint8(4));
    QCOMPARE(target.rotate(), 90);

    // From a font: the font only, the colour stays.
    QFont other(QStringLiteral("DejaVu Sans"), 5);
    target.assign(other);
    QCOMPARE(target.font(), other);
    QCOMPARE(target.fontColor(), QColor(1, 1, 1));
    QFont out;
    target.assignTo(out);
    QCOMPARE(out, other);
}

void TestColorStringGrid::sameTextTwiceSignalsOnce() {
    ColorStringGrid grid;
    QSignalSpy spy(&grid, &StringGrid::editTextSet);
    grid.setCells(1, 2, QStringLiteral("Gdańsk"));
    grid.setCells(1, 2, QStringLiteral("Gdańsk"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);
    QCOMPARE(spy.at(0).at(2).toString(), QStringLiteral("Gdańsk"));
    grid.setCells(1, 2, QStringLiteral("gdańsk"));  // exact comparison: case counts
    QCOMPARE(spy.count(), 2);
    grid.setCells(1, 2, QString());
    QCOMPARE(spy.count(), 3);
    QCOMPARE(grid.cells(1, 2), QString());
    grid.setCells(7, 2, QStringLiteral("x"));  // out of range: nothing
    QCOMPARE(spy.count(), 3);
}

void TestColorStringGrid::gridLines_data() {
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    const auto o = [](GridOptions g) { return static_cast<int>(g.toInt()); };
    QTest::newRow("stations: fixed lines + horizontal")
        << o(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::HorzLine) << true
        << true;
    QTest::newRow("horizontal only") << o(GridOption::HorzLine) << false << true;
    QTest::newRow("fixed vertical only") << o(GridOption::FixedVertLine) << true << false;
    QTest::newRow("none") << 0 << false << false;
}

void TestColorStringGrid::gridLines() {
    QFETCH(int, options);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    ColorStringGrid grid;
    setUpLikeStations(grid, 6);
    grid.setOptions(GridOptions::fromInt(options));
    grid.resize(300, 200);
    grid.show();
    const QColor fill = grid.palette().color(QPalette::Base);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 2; ++c)
            grid.cellStyle(c, r).setBgColor(fill);  // fixed ones too, to tell lines apart

    const QImage image = paint(grid);
    // Data rows 2..4, away from the current cell (0, 1).
    for (int r = 2; r < 5; ++r) {
        const QRect a = grid.cellRect(0, r);
        const QRect b = grid.cellRect(1, r);
        QVERIFY(!a.isNull() && !b.isNull());
        const int lineX = a.x() + a.width();
        const int lineY = a.y() + a.height();
        QCOMPARE(b.x(), lineX + (vertical ? 1 : 0));
        QCOMPARE(grid.cellRect(0, r + 1).y(), lineY + (horizontal ? 1 : 0));
        QCOMPARE(QColor(image.pixel(a.center())), fill);
        QCOMPARE(QColor(image.pixel(lineX, a.center().y())), vertical ? kGrey : fill);
        QCOMPARE(QColor(image.pixel(a.center().x(), lineY)), horizontal ? kGrey : fill);
        QCOMPARE(QColor(image.pixel(b.center().x(), lineY)), horizontal ? kGrey : fill);
        if (vertical && horizontal)  // the crossing is filled too
            QCOMPARE(QColor(image.pixel(lineX, lineY)), kGrey);
    }
    // The header row gets the same lines.
    const QRect head = grid.cellRect(0, 0);
    QCOMPARE(QColor(image.pixel(head.x() + head.width(), head.center().y())),
             vertical ? kGrey : fill);
}

void TestColorStringGrid::currentCellInSelectionColours_data() {
    QTest::addColumn<bool>("colored");
    QTest::newRow("coloured select") << true;
    QTest::newRow("own colours") << false;
}

void TestColorStringGrid::currentCellInSelectionColours() {
    QFETCH(bool, colored);
    ColorStringGrid grid;
    setUpLikeStations(grid, 5);
    grid.resize(300, 200);
    grid.show();
    const QColor highlight(0x33, 0x66, 0xCC);
    const QColor selectedText(0xFF, 0xFF, 0xFF);
    grid.selectedColors().setBgColor(highlight);
    grid.selectedColors().setFontColor(selectedText);
    grid.selectedColors().setColoredSelect(colored);
    QFont big = grid.font();
    big.setPixelSize(16);
    big.setBold(true);
    for (int r = 1; r < 5; ++r) {
        grid.setCells(0, r, QStringLiteral("MMMM"));
        grid.cellStyle(0, r).setFont(big, QColor(Qt::black));
        grid.cellStyle(0, r).setBgColor(QColor(0xFF, 0xFF, 0xC0));
    }
    grid.focusCell(0, 3);
    QCOMPARE(grid.selection(), (GridRect{0, 3, 0, 3}));

    const QImage image = paint(grid);
    const QRect current = grid.cellRect(0, 3);
    const QRect other = grid.cellRect(0, 2);
    const QColor ownFill(0xFF, 0xFF, 0xC0);
    QCOMPARE(QColor(image.pixel(current.right() - 1, current.bottom() - 1)),
             colored ? highlight : ownFill);
    QCOMPARE(QColor(image.pixel(other.right() - 1, other.bottom() - 1)), ownFill);
    // The text of the current cell is in the selection's text colour, not in its own.
    const int white = countPixels(image, current, selectedText);
    const int black = countPixels(image, current, Qt::black);
    if (colored) {
        QVERIFY2(white > 20, qPrintable(QString::number(white)));
        QCOMPARE(black, 0);
    } else {
        QVERIFY2(black > 20, qPrintable(QString::number(black)));
    }
    QVERIFY(countPixels(image, other, Qt::black) > 20);
}

void TestColorStringGrid::borders_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::newRow("raised") << int(BorderCellStyle::Raised) << QColor(Qt::white)
                            << QColor(Qt::black);
    QTest::newRow("lowered") << int(BorderCellStyle::Lowered) << QColor(Qt::black)
                             << QColor(Qt::white);
}

void TestColorStringGrid::borders() {
    QFETCH(int, style);
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    ColorStringGrid grid;
    grid.resize(400, 200);
    grid.show();
    const QColor fill(0x40, 0x80, 0x40);
    grid.cellStyle(2, 2).setBgColor(fill);
    grid.cellStyle(2, 2).setBorderCellStyle(static_cast<BorderCellStyle>(style));
    const QImage image = paint(grid);
    const QRect r = grid.cellRect(2, 2);
    const int x1 = r.x() + r.width() - 1, y1 = r.y() + r.height() - 1;
    QCOMPARE(QColor(image.pixel(r.x(), r.center().y())), first);  // left edge
    QCOMPARE(QColor(image.pixel(r.center().x(), r.y())), first);  // top edge
    QCOMPARE(QColor(image.pixel(x1, r.center().y())), second);    // right edge
    QCOMPARE(QColor(image.pixel(r.center().x(), y1)), second);    // bottom edge
    QCOMPARE(QColor(image.pixel(r.x() + 1, r.y() + 1)), fill);    // inside untouched
    QCOMPARE(QColor(image.pixel(x1, r.y())), first);              // the top edge reaches the corner
    QCOMPARE(QColor(image.pixel(r.x(), y1)), first);              // so does the left one
}

void TestColorStringGrid::removeAndMoveCarryStyles() {
    ColorStringGrid grid;
    for (int r = 0; r < 5; ++r) {
        grid.setCells(1, r, QString::number(r));
        grid.cellStyle(1, r).setBgColor(QColor(r * 10, 0, 0));
    }
    grid.removeRow(1);
    QCOMPARE(grid.rowCount(), 4);
    const int expected[] = {0, 2, 3, 4};
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(grid.cells(1, r), QString::number(expected[r]));
        QCOMPARE(grid.cellStyle(1, r).bgColor(), QColor(expected[r] * 10, 0, 0));
    }

    for (int c = 0; c < 5; ++c) {
        grid.setCells(c, 2, QString::number(c));
        grid.cellStyle(c, 2).setIndentH(quint8(c));
    }
    grid.removeColumn(0);
    QCOMPARE(grid.colCount(), 4);
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid.cells(c, 2), QString::number(c + 1));
        QCOMPARE(grid.cellStyle(c, 2).indentH(), quint8(c + 1));
    }

    // Moving a row shifts the rows between, styles with texts; a column carries its styles.
    ColorStringGrid moves;
    for (int r = 0; r < 5; ++r) {
        moves.setCells(2, r, QString::number(r));
        moves.cellStyle(2, r).setBgColor(QColor(0, r * 10, 0));
    }
    moves.moveRow(1, 3);
    const int order[] = {0, 2, 3, 1, 4};
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(moves.cells(2, r), QString::number(order[r]));
        QCOMPARE(moves.cellStyle(2, r).bgColor(), QColor(0, order[r] * 10, 0));
    }
    moves.moveColumn(2, 0);
    QCOMPARE(moves.cellStyle(0, 3).bgColor(), QColor(0, 10, 0));
    QCOMPARE(moves.cells(0, 3), QStringLiteral("1"));
    QVERIFY(!moves.hasCellStyle(2, 3));  // old column 1, never styled
}

void TestColorStringGrid::removeOutOfRangeOrLastChangesNothing() {
    ColorStringGrid grid;
    grid.cellStyle(2, 2).setBgColor(Qt::blue);
    grid.removeRow(5);
    grid.removeRow(-1);
    grid.removeColumn(9);
    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(grid.colCount(), 5);
    QCOMPARE(grid.cellStyle(2, 2).bgColor(), QColor(Qt::blue));
    grid.setRowCount(1);
    grid.setCells(2, 0, QStringLiteral("only"));
    grid.removeRow(0);
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.cells(2, 0), QStringLiteral("only"));
}

void TestColorStringGrid::autoSizeGrowsOnly() {
    ColorStringGrid grid;
    grid.setColWidths(1, 20);
    grid.setRowHeights(1, 5);
    const QString longText = QStringLiteral("a rather long station name");
    grid.setCells(1, 1, longText);  // sizing off: nothing changes
    QCOMPARE(grid.colWidths(1), 20);
    QCOMPARE(grid.rowHeights(1), 5);

    grid.setSizingWidth(true);
    grid.setCells(1, 1, longText + QStringLiteral("!"));
    const QFontMetrics fm(grid.cellStyle(1, 1).font(), grid.viewport());
    const int needed =
        fm.horizontalAdvance(longText + QStringLiteral("!")) + grid.cellStyle(1, 1).indentH();
    QCOMPARE(grid.colWidths(1), needed);
    QCOMPARE(grid.rowHeights(1), 5);  // height not asked for
    grid.setCells(1, 1, QStringLiteral("x"));
    QCOMPARE(grid.colWidths(1), needed);  // never shrinks

    // Per cell: the grid's switch no longer counts, the cell's style does.
    grid.setUseCellSizingHeight(true);
    grid.setCells(1, 1, QStringLiteral("two\nlines"));
    QCOMPARE(grid.rowHeights(1), 5);
    grid.cellStyle(1, 1).setSizingHeight(true);
    grid.setCells(1, 1, QStringLiteral("two\nlines!"));
    QCOMPARE(grid.rowHeights(1), 2 * fm.height());
}

void TestColorStringGrid::mouseCoordAndMouseDown() {
    ColorStringGrid grid;
    setUpLikeStations(grid, 30);
    grid.resize(200, 120);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    // Widths 60 and 40 plus a one-pixel line each; rows 18 plus a line.
    QCOMPARE(grid.mouseCoord(0, 0), (GridCoord{0, 0}));
    QCOMPARE(grid.mouseCoord(59, 18), (GridCoord{0, 0}));  // the line belongs to the cell above
    QCOMPARE(grid.mouseCoord(60, 19), (GridCoord{0, 1}));  // and the one left of it
    QCOMPARE(grid.mouseCoord(61, 19), (GridCoord{1, 1}));
    QCOMPARE(grid.mouseCoord(101, 19).col, 1);   // the last column's line
    QCOMPARE(grid.mouseCoord(102, 19).col, -1);  // right of the last column
    QCOMPARE(grid.mouseCoord(-3, 19).col, -1);

    grid.setTopRow(10);
    QCOMPARE(grid.mouseCoord(5, 5).row, 0);  // the fixed row stays
    QCOMPARE(grid.mouseCoord(5, 20).row, 10);
    QVERIFY(grid.cellRect(0, 5).isNull());  // scrolled out

    QSignalSpy spy(&grid, &StringGrid::mouseDown);
    const QRect target = grid.cellRect(1, 12);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, target.center());
    QCOMPARE(spy.count(), 1);
    const QPoint pos = spy.at(0).at(2).toPoint();
    QCOMPARE(grid.mouseCoord(pos), (GridCoord{1, 12}));
    QCOMPARE(grid.row(), 12);
    QCOMPARE(grid.col(), 1);
    // A right button press is reported too, but does not move the current cell.
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, grid.cellRect(0, 11).center());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(grid.mouseCoord(spy.at(1).at(2).toPoint()), (GridCoord{0, 11}));
    QCOMPARE(grid.row(), 12);
}

void TestColorStringGrid::shiftClickSelectsBlockOutsideFixedCells() {
    ColorStringGrid grid;
    grid.setOptions(grid.options() & ~GridOptions(GridOption::RangeSelect));
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(2, 2).center());
    QCOMPARE(grid.selection(), (GridRect{2, 2, 2, 2}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid.cellRect(3, 4).center());
    QCOMPARE(grid.selection(), (GridRect{2, 2, 3, 4}));
    QCOMPARE(grid.col(), 2);
    QCOMPARE(grid.row(), 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid.cellRect(0, 0).center());
    QCOMPARE(grid.selection(), (GridRect{1, 1, 2, 2}));
}

void TestColorStringGrid::fixedRowsOnlyGrid() {
    // An empty station list: the header row alone. It stays a header.
    ColorStringGrid grid;
    setUpLikeStations(grid, 1);
    grid.resize(200, 120);
    grid.show();
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.fixedRows(), 1);
    grid.setCells(0, 0, QStringLiteral("Nazwa stacji"));
    const QImage image = paint(grid);
    QCOMPARE(QColor(image.pixel(grid.cellRect(1, 0).center())), grid.fixedColor());
    grid.setRowCount(3);
    QCOMPARE(grid.fixedRows(), 1);
    grid.focusCell(1, 2);
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.selection(), (GridRect{1, 2, 1, 2}));
}

void TestColorStringGrid::optionsKeepEditingOutOfTheBase() {
    ColorStringGrid grid;
    grid.setOptions(GridOption::Editing | GridOption::HorzLine);
    QVERIFY(grid.options().testFlag(GridOption::Editing));
    QVERIFY(grid.options().testFlag(GridOption::HorzLine));
    QVERIFY(!grid.StringGrid::options().testFlag(GridOption::Editing));
    grid.setOptions(GridOption::HorzLine);
    QVERIFY(!grid.options().testFlag(GridOption::Editing));
}

void TestColorStringGrid::beforeTextDrawCellDrawsUnderTheText() {
    ColorStringGrid grid;
    grid.resize(400, 200);
    grid.show();
    QFont big = grid.font();
    big.setPixelSize(16);
    big.setBold(true);
    grid.cellStyle(2, 2).setFont(big, QColor(Qt::black));
    grid.cellStyle(2, 2).setBgColor(Qt::white);
    grid.setCells(2, 2, QStringLiteral("MMM"));
    QColor penAtCall;
    connect(&grid, &ColorStringGrid::beforeTextDrawCell, this,
            [&](QPainter* p, int c, int r, const QRect& rect, DrawState) {
                if (c != 2 || r != 2) return;
                penAtCall = p->pen().color();
                p->fillRect(rect.adjusted(0, 0, 0, -rect.height() + 3), Qt::blue);
                p->setPen(Qt::green);
                p->setBrush(Qt::green);
            });
    const QImage image = paint(grid);
    const QRect cell = grid.cellRect(2, 2);
    QCOMPARE(penAtCall, QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(cell.center().x(), cell.top() + 1)), QColor(Qt::blue));
    QVERIFY(countPixels(image, cell, Qt::black) > 20);  // the text in its own colour
    QCOMPARE(countPixels(image, cell, Qt::green), 0);
}

void TestColorStringGrid::editorWritesThroughTheCellSetter() {
    ColorStringGrid grid;
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCells(1, 1, QStringLiteral("old"));
    QSignalSpy spy(&grid, &StringGrid::editTextSet);

    // Without editing, keys do not open the editor.
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(!grid.isEditorShowing());

    grid.setOptions(grid.options() | GridOption::Editing);
    grid.cellStyle(1, 1).setBgColor(QColor(0x12, 0x34, 0x56));
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(grid.isEditorShowing());
    QTextEdit* editor = grid.inplaceEditor();
    QCOMPARE(editor->toPlainText(), QStringLiteral("old"));
    QCOMPARE(editor->geometry(), grid.cellRect(1, 1));
    QCOMPARE(editor->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
    QCOMPARE(spy.count(), 0);  // loading the editor writes nothing
    QTest::keyClicks(editor, QStringLiteral("er"));
    QCOMPARE(grid.cells(1, 1), QStringLiteral("older"));
    QCOMPARE(spy.count(), 2);

    // Moving to another cell hides it; typing a character opens it holding that character.
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.row(), 2);
    QVERIFY(!grid.isEditorShowing());
    QTest::keyClick(&grid, Qt::Key_Q);
    QVERIFY(grid.isEditorShowing());
    QCOMPARE(grid.cells(1, 2), QStringLiteral("q"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!grid.isEditorShowing());
    QCOMPARE(grid.cells(1, 1), QStringLiteral("older"));

    // Enter opens it with the whole text selected.
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Return);
    QVERIFY(grid.isEditorShowing());
    QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("older"));

    // The editor's own options count once the cell's style no longer does, at once.
    InplaceEditorOptions& o = grid.inplaceEditorOptions();
    o.setBgColor(QColor(0xAA, 0xBB, 0xCC));
    QCOMPARE(editor->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
    o.setUseCellStyle(false);
    QCOMPARE(editor->palette().color(QPalette::Base), QColor(0xAA, 0xBB, 0xCC));
    o.setFontColor(Qt::red);
    QCOMPARE(editor->palette().color(QPalette::Text), QColor(Qt::red));
    o.setWordWrap(false);
    QCOMPARE(editor->lineWrapMode(), QTextEdit::NoWrap);
}

void TestColorStringGrid::editorFollowsCellWithAlwaysShowEditor() {
    ColorStringGrid grid;
    grid.resize(400, 200);
    grid.setOptions(grid.options() | GridOption::Editing | GridOption::AlwaysShowEditor);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    paint(grid);
    QVERIFY(grid.isEditorShowing());
    QCOMPARE(grid.inplaceEditor()->geometry(), grid.cellRect(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(3, 2).center());
    paint(grid);
    QVERIFY(grid.isEditorShowing());
    QCOMPARE(grid.inplaceEditor()->geometry(), grid.cellRect(3, 2));
    // With RowSelect the editor is never used.
    grid.setOptions(grid.options() | GridOption::RowSelect);
    paint(grid);
    QVERIFY(!grid.isEditorShowing());
}

void TestColorStringGrid::focusRectangle_data() {
    QTest::addColumn<bool>("useFocusRect");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("drawn");
    const int always = int((GridOption::Editing | GridOption::AlwaysShowEditor).toInt());
    QTest::newRow("on") << true << 0 << true;
    QTest::newRow("switched off") << false << 0 << false;
    QTest::newRow("editor always shown") << true << always << false;
}

void TestColorStringGrid::focusRectangle() {
    QFETCH(bool, useFocusRect);
    QFETCH(int, options);
    QFETCH(bool, drawn);
    ColorStringGrid grid;
    grid.setOptions(grid.options() | GridOptions::fromInt(options));
    grid.selectedColors().setUseFocusRect(useFocusRect);
    grid.selectedColors().setColoredSelect(false);
    grid.cellStyle(2, 2).setBgColor(Qt::black);
    grid.resize(400, 200);
    grid.show();
    grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    grid.focusCell(2, 2);
    paint(grid);  // lays the editor out where it is always shown; it takes the focus
    grid.setFocus();
    QVERIFY(grid.hasFocus());
    // The dotted rectangle inverts the cell's edge: white dots on the black fill (or on the
    // black underneath, where the editor keeps the cell from being painted).
    const QImage image = paint(grid, false, Qt::black);
    const QRect r = grid.cellRect(2, 2);
    QCOMPARE(countPixels(image, QRect(r.x(), r.y(), r.width(), 1), Qt::white) > 0, drawn);
}

QTEST_MAIN(TestColorStringGrid)
#include "test_color_string_grid.moc"
