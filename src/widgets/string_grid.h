#pragma once

// A grid of text cells that paints everything itself: fixed (header) rows and columns are cells
// like any other, grid lines are filled strips of the line width, and scrolling moves whole
// columns and rows. ColorStringGrid builds its per-cell styles on top of it.
//
// Coordinates: cells are addressed (column, row), both from 0. Pixel positions handed in and out
// (cellRect, mouseCoord, mouseDown) are in viewport coordinates.

#include <QAbstractScrollArea>
#include <QColor>
#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

#include <QPainter>

namespace widgets {

enum class GridOption : unsigned {
    FixedVertLine = 1u << 0,  // vertical lines (fixed cells, and see lineWidths())
    FixedHorzLine = 1u << 1,  // horizontal lines (fixed cells, and see lineWidths())
    VertLine = 1u << 2,       // vertical lines between scrolled cells
    HorzLine = 1u << 3,       // horizontal lines between scrolled cells
    RangeSelect = 1u << 4,    // a block of cells can be selected (drag, Shift+arrows)
    DrawFocusSelected = 1u << 5,
    RowSizing = 1u << 6,  // row heights can be dragged in the fixed column
    ColSizing = 1u << 7,  // column widths can be dragged in the fixed row
    RowMoving = 1u << 8,  // rows can be dragged to another place by their fixed cell
    ColMoving = 1u << 9,  // columns can be dragged to another place by their fixed cell
    Editing = 1u << 10,
    Tabs = 1u << 11,       // Tab and Shift+Tab move the current cell
    RowSelect = 1u << 12,  // the selection always spans whole rows
    AlwaysShowEditor = 1u << 13,
    ThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(GridOptions, GridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(GridOptions)

// How a cell is being drawn: fixed (header) cells carry Fixed, scrolled cells nothing. Whether
// a cell is selected is not part of it: drawCell decides that from selection().
enum class DrawStateFlag : unsigned { Fixed = 1 };
Q_DECLARE_FLAGS(DrawState, DrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(DrawState)

enum class ScrollBars { None, Horizontal, Vertical, Both };

struct GridCoord {
    int col = -1;
    int row = -1;
    friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

// An inclusive block of cells.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool contains(int col, int row) const {
        return col >= left && col <= right && row >= top && row <= bottom;
    }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);
    ~StringGrid() override;

    // --- cells -------------------------------------------------------------------------------
    QString cells(int col, int row) const;  // empty for a cell out of range
    virtual void setCells(int col, int row, const QString& text);

    // --- size --------------------------------------------------------------------------------
    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    // At least 1. Fixed counts above the new count are lowered to it.
    virtual void setColCount(int count);
    virtual void setRowCount(int count);
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    // Between 0 and the column (row) count; a grid may consist of fixed rows only.
    void setFixedCols(int count);
    void setFixedRows(int count);

    int defaultColWidth() const { return defaultColWidth_; }
    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultColWidth(int width);    // sets every column
    void setDefaultRowHeight(int height);  // sets every row
    int colWidths(int col) const;
    int rowHeights(int row) const;
    void setColWidths(int col, int width);
    void setRowHeights(int row, int height);
    int gridLineWidth() const { return gridLineWidth_; }
    void setGridLineWidth(int width);

    // --- looks -------------------------------------------------------------------------------
    virtual GridOptions options() const { return options_; }
    virtual void setOptions(GridOptions options);
    QColor fixedColor() const { return fixedColor_; }
    virtual void setFixedColor(const QColor& color);
    // The control's background: the area right of and below the last cells.
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    void setScrollBars(ScrollBars bars);

    // --- current cell, selection, scrolling ---------------------------------------------------
    int col() const { return col_; }
    int row() const { return row_; }
    void setCol(int col);
    void setRow(int row);
    // Makes (col, row) current and the selection that one cell (or its row with RowSelect).
    void focusCell(int col, int row);
    GridRect selection() const { return selection_; }
    // Clipped to the non-fixed cells; the current cell becomes the block's top left corner.
    void setSelection(const GridRect& block);
    int leftCol() const { return leftCol_; }
    int topRow() const { return topRow_; }
    void setLeftCol(int col);
    void setTopRow(int row);

    // --- geometry ----------------------------------------------------------------------------
    // The cell's rectangle without its grid lines; empty when the cell is not visible.
    QRect cellRect(int col, int row) const;
    // The cell under a viewport position; -1 for a column or row where there is none.
    GridCoord mouseCoord(int x, int y) const;
    GridCoord mouseCoord(QPoint pos) const { return mouseCoord(pos.x(), pos.y()); }
    // The width of the vertical lines and the height of the horizontal ones: the grid-line
    // width when either option of that axis is on, else 0.
    int vertLineWidth() const;
    int horzLineWidth() const;

    // --- column and row moves ----------------------------------------------------------------
    // Moves a column (row) with its texts and width (height) to another index; the ones between
    // shift by one.
    void moveColumn(int from, int to);
    void moveRow(int from, int to);

signals:
    // After a cell was drawn; the painter may still be used to draw over it.
    void cellDrawn(QPainter* painter, int col, int row, const QRect& rect,
                   widgets::DrawState state);
    // A cell's text was set through the grid (ColorStringGrid's setCells emits it).
    void editTextSet(int col, int row, const QString& text);
    // Before the current cell moves to (col, row); a handler may set *canSelect to false.
    void cellSelecting(int col, int row, bool* canSelect);
    // A key that produces a character; a handler may change *key, or clear it to swallow it.
    void keyPressed(QChar* key);
    // A mouse button was pressed over the grid, after the grid handled the press. pos is in
    // viewport coordinates: mouseCoord(pos) gives the cell.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    // Draws one cell into rect. The base fills fixed cells with fixedColor(), others with
    // color() (selected ones with the palette's highlight) and draws the text left aligned.
    virtual void drawCell(QPainter& painter, int col, int row, const QRect& rect, DrawState state);
    // Asks whether (col, row) may become the current cell; the base emits cellSelecting.
    virtual bool selectCell(int col, int row);
    // Called after columns (rows) moved, with the texts already moved.
    virtual void columnMoved(int from, int to);
    virtual void rowMoved(int from, int to);
    // Called after the current cell changed.
    virtual void currentCellChanged() {}
    // Called after a cell and its grid lines were painted; the base draws nothing.
    virtual void drawCellBorder(QPainter& painter, int col, int row, const QRect& rect);
    virtual QColor lineColor() const;
    // Whether paintGrid draws the focus rectangle; the base: when the grid has the focus.
    virtual bool wantsFocusRect() const;
    // A key that produced a character, after keyPressed; the base does nothing with it.
    virtual void keyTyped(QChar key);
    // Paints the whole grid in four blocks (fixed corner, fixed rows, fixed columns, scrolled
    // cells), each cell followed by its grid lines and border, then the focus rectangle and the
    // background right of and below the cells.
    void paintGrid(QPainter& painter);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Moves the current cell to (col, row) after asking selectCell; with extend, the selection
    // grows from the anchor instead of collapsing. Returns false when refused.
    bool moveCurrent(int col, int row, bool extend);
    // The selection block between two cells, spanning all non-fixed columns under RowSelect.
    GridRect blockBetween(GridCoord a, GridCoord b) const;
    void applySelection(const GridRect& block);
    void scrollIntoView(int col, int row);
    void updateScrollBars();
    void repaintGrid();
    GridCoord anchor() const { return anchor_; }
    void setAnchor(GridCoord a) { anchor_ = a; }

private:
    enum class Drag { None, Select, SizeCol, SizeRow, MoveCol, MoveRow };

    int maxLeftCol() const;
    int maxTopRow() const;
    int colX(int col) const;  // left edge of a visible column, or -1
    int rowY(int row) const;
    void clampCurrent();
    int sizingEdgeCol(int x) const;
    int sizingEdgeRow(int y) const;

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<std::vector<QString>> cells_;  // [col][row]
    GridOptions options_;
    QColor fixedColor_;
    QColor color_;
    int col_ = 1;
    int row_ = 1;
    GridCoord anchor_{1, 1};
    GridRect selection_{1, 1, 1, 1};
    int leftCol_ = 1;
    int topRow_ = 1;
    bool syncingScrollBars_ = false;
    Drag drag_ = Drag::None;
    int dragIndex_ = -1;
    int dragStart_ = 0;
    int dragOrigSize_ = 0;
};

}  // namespace widgets
