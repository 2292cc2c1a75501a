#include "widgets/string_grid.h"
#include "widgets/move_item.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace widgets {

namespace {

// Below this distance from a column's (row's) right (bottom) edge a press in a fixed cell starts
// resizing instead of selecting.
constexpr int kSizingMargin = 3;

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    options_ = GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::VertLine |
               GridOption::HorzLine | GridOption::RangeSelect;
    fixedColor_ = palette().color(QPalette::Button);
    color_ = palette().color(QPalette::Base);
    colWidths_.assign(colCount_, defaultColWidth_);
    rowHeights_.assign(rowCount_, defaultRowHeight_);
    cells_.assign(colCount_, std::vector<QString>(rowCount_));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setTracking(false);
    horizontalScrollBar()->setTracking(false);
    updateScrollBars();
}

StringGrid::~StringGrid() = default;

// ---- cells ----------------------------------------------------------------------------------

QString StringGrid::cells(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return {};
    return cells_[col][row];
}

void StringGrid::setCells(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return;
    cells_[col][row] = text;
    repaintGrid();
}

// ---- size -----------------------------------------------------------------------------------

void StringGrid::setColCount(int count) {
    count = std::max(1, count);
    if (count == colCount_) return;
    colCount_ = count;
    colWidths_.resize(count, defaultColWidth_);
    cells_.resize(count, std::vector<QString>(rowCount_));
    fixedCols_ = std::min(fixedCols_, count);
    clampCurrent();
}

void StringGrid::setRowCount(int count) {
    count = std::max(1, count);
    if (count == rowCount_) return;
    rowCount_ = count;
    rowHeights_.resize(count, defaultRowHeight_);
    for (auto& column : cells_) column.resize(count);
    fixedRows_ = std::min(fixedRows_, count);
    clampCurrent();
}

void StringGrid::setFixedCols(int count) {
    count = std::clamp(count, 0, colCount_);
    if (count == fixedCols_) return;
    // A new count of fixed columns starts the scrolled part, and the current cell, at the
    // first column that is not fixed.
    fixedCols_ = count;
    leftCol_ = count;
    col_ = count;
    anchor_.col = count;
    clampCurrent();
    currentCellChanged();
}

void StringGrid::setFixedRows(int count) {
    count = std::clamp(count, 0, rowCount_);
    if (count == fixedRows_) return;
    fixedRows_ = count;
    topRow_ = count;
    row_ = count;
    anchor_.row = count;
    clampCurrent();
    currentCellChanged();
}

void StringGrid::setDefaultColWidth(int width) {
    defaultColWidth_ = std::max(0, width);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    updateScrollBars();
    repaintGrid();
}

void StringGrid::setDefaultRowHeight(int height) {
    defaultRowHeight_ = std::max(0, height);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    updateScrollBars();
    repaintGrid();
}

int StringGrid::colWidths(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : defaultColWidth_;
}

int StringGrid::rowHeights(int row) const {
    return row >= 0 && row < rowCount_ ? rowHeights_[row] : defaultRowHeight_;
}

void StringGrid::setColWidths(int col, int width) {
    if (col < 0 || col >= colCount_ || colWidths_[col] == std::max(0, width)) return;
    colWidths_[col] = std::max(0, width);
    updateScrollBars();
    repaintGrid();
}

void StringGrid::setRowHeights(int row, int height) {
    if (row < 0 || row >= rowCount_ || rowHeights_[row] == std::max(0, height)) return;
    rowHeights_[row] = std::max(0, height);
    updateScrollBars();
    repaintGrid();
}

void StringGrid::setGridLineWidth(int width) {
    gridLineWidth_ = std::max(0, width);
    updateScrollBars();
    repaintGrid();
}

int StringGrid::vertLineWidth() const {
    return options_ & (GridOption::FixedVertLine | GridOption::VertLine) ? gridLineWidth_ : 0;
}

int StringGrid::horzLineWidth() const {
    return options_ & (GridOption::FixedHorzLine | GridOption::HorzLine) ? gridLineWidth_ : 0;
}

// ---- looks ----------------------------------------------------------------------------------

void StringGrid::setOptions(GridOptions options) {
    options_ = options;
    verticalScrollBar()->setTracking(options_ & GridOption::ThumbTracking);
    horizontalScrollBar()->setTracking(options_ & GridOption::ThumbTracking);
    if (options_ & GridOption::RowSelect) applySelection(blockBetween({col_, row_}, {col_, row_}));
    updateScrollBars();
    repaintGrid();
}

void StringGrid::setFixedColor(const QColor& color) {
    fixedColor_ = color;
    repaintGrid();
}

void StringGrid::setColor(const QColor& color) {
    color_ = color;
    repaintGrid();
}

void StringGrid::setScrollBars(ScrollBars bars) {
    const bool h = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
    const bool v = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

// ---- current cell and selection -------------------------------------------------------------

void StringGrid::setCol(int col) {
    moveCurrent(col, row_, false);
}
void StringGrid::setRow(int row) {
    moveCurrent(col_, row, false);
}
void StringGrid::focusCell(int col, int row) {
    moveCurrent(col, row, false);
}

GridRect StringGrid::blockBetween(GridCoord a, GridCoord b) const {
    GridRect r{std::min(a.col, b.col), std::min(a.row, b.row), std::max(a.col, b.col),
               std::max(a.row, b.row)};
    if (options_ & GridOption::RowSelect) {
        r.left = fixedCols_;
        r.right = colCount_ - 1;
    }
    return r;
}

void StringGrid::applySelection(const GridRect& block) {
    if (selection_ == block) return;
    selection_ = block;
    repaintGrid();
}

void StringGrid::setSelection(const GridRect& block) {
    GridRect b{std::max(block.left, fixedCols_), std::max(block.top, fixedRows_),
               std::min(block.right, colCount_ - 1), std::min(block.bottom, rowCount_ - 1)};
    if (b.left > b.right || b.top > b.bottom) return;
    col_ = b.left;
    row_ = b.top;
    anchor_ = {b.right, b.bottom};
    applySelection(blockBetween({col_, row_}, anchor_));
    currentCellChanged();
}

bool StringGrid::selectCell(int col, int row) {
    bool can = true;
    emit cellSelecting(col, row, &can);
    return can;
}

bool StringGrid::moveCurrent(int col, int row, bool extend) {
    if (col < fixedCols_ || col >= colCount_ || row < fixedRows_ || row >= rowCount_) return false;
    if (extend && (options_ & GridOption::RangeSelect)) {
        // The current cell stays; the other corner of the block moves.
        anchor_ = {col, row};
        applySelection(blockBetween({col_, row_}, anchor_));
        scrollIntoView(col, row);
        return true;
    }
    if ((col != col_ || row != row_) && !selectCell(col, row)) return false;
    const bool changed = col != col_ || row != row_;
    col_ = col;
    row_ = row;
    anchor_ = {col, row};
    applySelection(blockBetween(anchor_, anchor_));
    scrollIntoView(col, row);
    if (changed) currentCellChanged();
    repaintGrid();
    return true;
}

void StringGrid::clampCurrent() {
    const int maxCol = std::max(fixedCols_, colCount_ - 1);
    const int maxRow = std::max(fixedRows_, rowCount_ - 1);
    const bool valid =
        col_ >= fixedCols_ && col_ < colCount_ && row_ >= fixedRows_ && row_ < rowCount_;
    col_ = std::clamp(col_, fixedCols_, maxCol);
    row_ = std::clamp(row_, fixedRows_, maxRow);
    if (!valid) anchor_ = {col_, row_};
    anchor_.col = std::clamp(anchor_.col, fixedCols_, maxCol);
    anchor_.row = std::clamp(anchor_.row, fixedRows_, maxRow);
    selection_ = blockBetween({col_, row_}, anchor_);
    // A grid of fixed cells only has no current cell: its selection is empty.
    if (colCount_ == fixedCols_ || rowCount_ == fixedRows_) selection_ = GridRect{};
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, maxLeftCol()));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, maxTopRow()));
    updateScrollBars();
    if (!valid) currentCellChanged();
    repaintGrid();
}

// ---- scrolling ------------------------------------------------------------------------------

int StringGrid::maxLeftCol() const {
    int avail = viewport()->width();
    for (int c = 0; c < fixedCols_; ++c) avail -= colWidths_[c] + vertLineWidth();
    int c = colCount_ - 1;
    if (c < fixedCols_) return fixedCols_;
    int used = colWidths_[c] + vertLineWidth();
    while (c - 1 >= fixedCols_ && used + colWidths_[c - 1] + vertLineWidth() <= avail) {
        --c;
        used += colWidths_[c] + vertLineWidth();
    }
    return c;
}

int StringGrid::maxTopRow() const {
    int avail = viewport()->height();
    for (int r = 0; r < fixedRows_; ++r) avail -= rowHeights_[r] + horzLineWidth();
    int r = rowCount_ - 1;
    if (r < fixedRows_) return fixedRows_;
    int used = rowHeights_[r] + horzLineWidth();
    while (r - 1 >= fixedRows_ && used + rowHeights_[r - 1] + horzLineWidth() <= avail) {
        --r;
        used += rowHeights_[r] + horzLineWidth();
    }
    return r;
}

void StringGrid::setLeftCol(int col) {
    col = std::clamp(col, fixedCols_, std::max(fixedCols_, maxLeftCol()));
    if (col == leftCol_) return;
    leftCol_ = col;
    updateScrollBars();
    repaintGrid();
}

void StringGrid::setTopRow(int row) {
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, maxTopRow()));
    if (row == topRow_) return;
    topRow_ = row;
    updateScrollBars();
    repaintGrid();
}

void StringGrid::scrollIntoView(int col, int row) {
    if (col >= fixedCols_ && col < colCount_) {
        if (col < leftCol_) {
            setLeftCol(col);
        } else {
            // Scroll right until the column's right edge is inside the viewport.
            while (leftCol_ < col) {
                const int x = colX(col);
                if (x >= 0 && x + colWidths_[col] <= viewport()->width()) break;
                const int before = leftCol_;
                setLeftCol(leftCol_ + 1);
                if (leftCol_ == before) break;
            }
        }
    }
    if (row >= fixedRows_ && row < rowCount_) {
        if (row < topRow_) {
            setTopRow(row);
        } else {
            while (topRow_ < row) {
                const int y = rowY(row);
                if (y >= 0 && y + rowHeights_[row] <= viewport()->height()) break;
                const int before = topRow_;
                setTopRow(topRow_ + 1);
                if (topRow_ == before) break;
            }
        }
    }
}

void StringGrid::updateScrollBars() {
    syncingScrollBars_ = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, maxTopRow() - fixedRows_));
    v->setPageStep(std::max(1, rowCount_ - fixedRows_ - (maxTopRow() - fixedRows_)));
    v->setValue(topRow_ - fixedRows_);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, maxLeftCol() - fixedCols_));
    h->setPageStep(std::max(1, colCount_ - fixedCols_ - (maxLeftCol() - fixedCols_)));
    h->setValue(leftCol_ - fixedCols_);
    syncingScrollBars_ = false;
}

void StringGrid::scrollContentsBy(int, int) {
    if (syncingScrollBars_) return;
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    repaintGrid();
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, maxLeftCol()));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, maxTopRow()));
    updateScrollBars();
}

void StringGrid::repaintGrid() {
    viewport()->update();
}

// ---- geometry -------------------------------------------------------------------------------

int StringGrid::colX(int col) const {
    if (col < 0 || col >= colCount_ || (col >= fixedCols_ && col < leftCol_)) return -1;
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) x += colWidths_[c] + vertLineWidth();
    } else {
        for (int c = 0; c < fixedCols_; ++c) x += colWidths_[c] + vertLineWidth();
        for (int c = leftCol_; c < col; ++c) x += colWidths_[c] + vertLineWidth();
    }
    return x < viewport()->width() ? x : -1;
}

int StringGrid::rowY(int row) const {
    if (row < 0 || row >= rowCount_ || (row >= fixedRows_ && row < topRow_)) return -1;
    int y = 0;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r) y += rowHeights_[r] + horzLineWidth();
    } else {
        for (int r = 0; r < fixedRows_; ++r) y += rowHeights_[r] + horzLineWidth();
        for (int r = topRow_; r < row; ++r) y += rowHeights_[r] + horzLineWidth();
    }
    return y < viewport()->height() ? y : -1;
}

QRect StringGrid::cellRect(int col, int row) const {
    const int x = colX(col);
    const int y = rowY(row);
    if (x < 0 || y < 0) return {};
    return QRect(x, y, colWidths_[col], rowHeights_[row]);
}

GridCoord StringGrid::mouseCoord(int x, int y) const {
    // A cell owns the grid lines right of and below it.
    auto find = [](int pos, int fixed, int first, int count, const std::vector<int>& sizes,
                   int line, int limit) {
        if (pos < 0 || pos >= limit) return -1;
        int edge = 0;
        for (int i = 0; i < fixed; ++i) {
            edge += sizes[i] + line;
            if (pos < edge) return i;
        }
        for (int i = first; i < count && edge < limit; ++i) {
            edge += sizes[i] + line;
            if (pos < edge) return i;
        }
        return -1;
    };
    return {
        find(x, fixedCols_, leftCol_, colCount_, colWidths_, vertLineWidth(), viewport()->width()),
        find(y, fixedRows_, topRow_, rowCount_, rowHeights_, horzLineWidth(),
             viewport()->height())};
}

// ---- moves ----------------------------------------------------------------------------------

void StringGrid::moveColumn(int from, int to) {
    if (from < 0 || from >= colCount_ || to < 0 || to >= colCount_ || from == to) return;
    moveItem(cells_, from, to);
    moveItem(colWidths_, from, to);
    columnMoved(from, to);
    updateScrollBars();
    repaintGrid();
}

void StringGrid::moveRow(int from, int to) {
    if (from < 0 || from >= rowCount_ || to < 0 || to >= rowCount_ || from == to) return;
    for (auto& column : cells_) moveItem(column, from, to);
    moveItem(rowHeights_, from, to);
    rowMoved(from, to);
    updateScrollBars();
    repaintGrid();
}

void StringGrid::columnMoved(int, int) {}
void StringGrid::rowMoved(int, int) {}

// ---- painting -------------------------------------------------------------------------------

void StringGrid::drawCell(QPainter& painter, int col, int row, const QRect& rect, DrawState state) {
    const bool selected = !(state & DrawStateFlag::Fixed) && selection_.contains(col, row);
    QColor fill = state & DrawStateFlag::Fixed ? fixedColor_ : color_;
    QColor text = palette().color(QPalette::Text);
    if (selected) {
        fill = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    painter.fillRect(rect, fill);
    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, cells_[col][row]);
    emit cellDrawn(&painter, col, row, rect, state);
}

void StringGrid::drawCellBorder(QPainter&, int, int, const QRect&) {}

QColor StringGrid::lineColor() const {
    return QColor(0x80, 0x80, 0x80);
}

bool StringGrid::wantsFocusRect() const {
    return hasFocus();
}

void StringGrid::paintGrid(QPainter& painter) {
    const int vw = vertLineWidth();
    const int hw = horzLineWidth();
    const int width = viewport()->width();
    const int height = viewport()->height();
    const QColor lines = lineColor();

    // The visible columns and rows: the fixed ones, then the scrolled ones from leftCol/topRow.
    std::vector<int> fixedCols, scrolledCols, fixedRows, scrolledRows;
    int right = 0;
    for (int c = 0; c < fixedCols_ && right < width; ++c) {
        fixedCols.push_back(c);
        right += colWidths_[c] + vw;
    }
    for (int c = leftCol_; c < colCount_ && right < width; ++c) {
        scrolledCols.push_back(c);
        right += colWidths_[c] + vw;
    }
    int bottom = 0;
    for (int r = 0; r < fixedRows_ && bottom < height; ++r) {
        fixedRows.push_back(r);
        bottom += rowHeights_[r] + hw;
    }
    for (int r = topRow_; r < rowCount_ && bottom < height; ++r) {
        scrolledRows.push_back(r);
        bottom += rowHeights_[r] + hw;
    }

    auto block = [&](const std::vector<int>& cols, const std::vector<int>& rows, DrawState state) {
        for (int r : rows) {
            for (int c : cols) {
                const QRect rect = cellRect(c, r);
                if (rect.isNull()) continue;
                painter.save();
                drawCell(painter, c, r, rect, state);
                painter.restore();
                if (gridLineWidth_ > 0) {
                    const int x0 = rect.x(), y0 = rect.y();
                    const int x1 = x0 + rect.width(), y1 = y0 + rect.height();
                    if (hw > 0) painter.fillRect(QRect(x0, y1, x1 - x0 + vw, hw), lines);
                    if (vw > 0) painter.fillRect(QRect(x1, y0, vw, y1 - y0 + hw), lines);
                }
                drawCellBorder(painter, c, r, rect);
            }
        }
    };
    block(fixedCols, fixedRows, DrawStateFlag::Fixed);
    block(scrolledCols, fixedRows, DrawStateFlag::Fixed);
    block(fixedCols, scrolledRows, DrawStateFlag::Fixed);
    block(scrolledCols, scrolledRows, DrawState());

    if (wantsFocusRect()) {
        QRect focus;
        if (options_ & GridOption::RowSelect) {
            for (int r = selection_.top; r <= selection_.bottom; ++r)
                for (int c = selection_.left; c <= selection_.right; ++c) focus |= cellRect(c, r);
        } else {
            focus = cellRect(col_, row_);
        }
        if (!focus.isNull()) {
            painter.save();
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            QPen pen(Qt::white, 1, Qt::DotLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(focus.adjusted(0, 0, -1, -1));
            painter.restore();
        }
    }

    if (right < width) painter.fillRect(QRect(right, 0, width - right, height), color_);
    if (bottom < height)
        painter.fillRect(QRect(0, bottom, std::min(right, width), height - bottom), color_);
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    paintGrid(painter);
}

// ---- keyboard -------------------------------------------------------------------------------

void StringGrid::keyTyped(QChar) {}

bool StringGrid::event(QEvent* event) {
    // With Tabs, Tab moves the current cell instead of the focus.
    if (event->type() == QEvent::KeyPress && (options_ & GridOption::Tabs)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    // Shift+arrows move the far corner of the block (when blocks are allowed), else the cell.
    const bool extend =
        shift && (options_ & GridOption::RangeSelect) && !(options_ & GridOption::RowSelect);
    const GridCoord from = extend ? anchor_ : GridCoord{col_, row_};
    int c = from.col, r = from.row;
    auto visibleRows = [&] {
        return std::max(1, rowCount_ - fixedRows_ - (maxTopRow() - fixedRows_));
    };
    switch (event->key()) {
        case Qt::Key_Up:
            --r;
            break;
        case Qt::Key_Down:
            ++r;
            break;
        case Qt::Key_Left:
            --c;
            break;
        case Qt::Key_Right:
            ++c;
            break;
        case Qt::Key_PageUp:
            r -= visibleRows();
            break;
        case Qt::Key_PageDown:
            r += visibleRows();
            break;
        case Qt::Key_Home:
            c = fixedCols_;
            if (ctrl) r = fixedRows_;
            break;
        case Qt::Key_End:
            c = colCount_ - 1;
            if (ctrl) r = rowCount_ - 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!(options_ & GridOption::Tabs)) {
                event->ignore();
                return;
            }
            if (event->key() == Qt::Key_Backtab || shift) {
                if (--c < fixedCols_) {
                    c = colCount_ - 1;
                    --r;
                }
            } else if (++c >= colCount_) {
                c = fixedCols_;
                ++r;
            }
            if (r < fixedRows_ || r >= rowCount_) return;
            moveCurrent(c, r, false);
            return;
        default: {
            const QString text = event->text();
            if (!text.isEmpty() && !ctrl) {
                QChar key = text.at(0);
                emit keyPressed(&key);
                if (!key.isNull()) keyTyped(key);
                return;
            }
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
    }
    c = std::clamp(c, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    r = std::clamp(r, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    moveCurrent(c, r, extend && !(event->key() == Qt::Key_Tab));
}

// ---- mouse ----------------------------------------------------------------------------------

int StringGrid::sizingEdgeCol(int x) const {
    for (int c = 0; c < colCount_; ++c) {
        const int cx = colX(c);
        if (cx < 0) continue;
        const int edge = cx + colWidths_[c];
        if (std::abs(x - edge) <= kSizingMargin) return c;
    }
    return -1;
}

int StringGrid::sizingEdgeRow(int y) const {
    for (int r = 0; r < rowCount_; ++r) {
        const int ry = rowY(r);
        if (ry < 0) continue;
        const int edge = ry + rowHeights_[r];
        if (std::abs(y - edge) <= kSizingMargin) return r;
    }
    return -1;
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const GridCoord at = mouseCoord(pos);
    if (event->button() == Qt::LeftButton && at.col >= 0 && at.row >= 0) {
        const bool inFixedRow = at.row < fixedRows_;
        const bool inFixedCol = at.col < fixedCols_;
        int edge = -1;
        if (inFixedRow && (options_ & GridOption::ColSizing) &&
            (edge = sizingEdgeCol(pos.x())) >= 0) {
            drag_ = Drag::SizeCol;
            dragIndex_ = edge;
            dragStart_ = pos.x();
            dragOrigSize_ = colWidths_[edge];
        } else if (inFixedCol && (options_ & GridOption::RowSizing) &&
                   (edge = sizingEdgeRow(pos.y())) >= 0) {
            drag_ = Drag::SizeRow;
            dragIndex_ = edge;
            dragStart_ = pos.y();
            dragOrigSize_ = rowHeights_[edge];
        } else if (inFixedRow && !inFixedCol && (options_ & GridOption::ColMoving)) {
            drag_ = Drag::MoveCol;
            dragIndex_ = at.col;
        } else if (inFixedCol && !inFixedRow && (options_ & GridOption::RowMoving)) {
            drag_ = Drag::MoveRow;
            dragIndex_ = at.row;
        } else if (!inFixedRow && !inFixedCol) {
            const bool extend =
                (event->modifiers() & Qt::ShiftModifier) && (options_ & GridOption::RangeSelect);
            if (moveCurrent(at.col, at.row, extend) && (options_ & GridOption::RangeSelect))
                drag_ = Drag::Select;
        }
    }
    emit mouseDown(event->button(), event->modifiers(), pos);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    switch (drag_) {
        case Drag::SizeCol:
            setColWidths(dragIndex_, std::max(1, dragOrigSize_ + pos.x() - dragStart_));
            break;
        case Drag::SizeRow:
            setRowHeights(dragIndex_, std::max(1, dragOrigSize_ + pos.y() - dragStart_));
            break;
        case Drag::Select: {
            GridCoord at = mouseCoord(pos);
            if (at.col < 0) at.col = pos.x() < 0 ? leftCol_ : anchor_.col;
            if (at.row < 0) at.row = pos.y() < 0 ? topRow_ : anchor_.row;
            at.col = std::clamp(at.col, fixedCols_, colCount_ - 1);
            at.row = std::clamp(at.row, fixedRows_, rowCount_ - 1);
            anchor_ = at;
            applySelection(blockBetween({col_, row_}, anchor_));
            break;
        }
        default: {
            // Show a resize cursor over a column (row) edge that can be dragged.
            const GridCoord at = mouseCoord(pos);
            Qt::CursorShape shape = Qt::ArrowCursor;
            if (at.row >= 0 && at.row < fixedRows_ && (options_ & GridOption::ColSizing) &&
                sizingEdgeCol(pos.x()) >= 0)
                shape = Qt::SplitHCursor;
            else if (at.col >= 0 && at.col < fixedCols_ && (options_ & GridOption::RowSizing) &&
                     sizingEdgeRow(pos.y()) >= 0)
                shape = Qt::SplitVCursor;
            viewport()->setCursor(shape);
            break;
        }
    }
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
    const GridCoord at = mouseCoord(event->position().toPoint());
    if (drag_ == Drag::MoveCol && at.col >= fixedCols_ && at.col != dragIndex_)
        moveColumn(dragIndex_, at.col);
    else if (drag_ == Drag::MoveRow && at.row >= fixedRows_ && at.row != dragIndex_)
        moveRow(dragIndex_, at.row);
    drag_ = Drag::None;
    dragIndex_ = -1;
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    repaintGrid();
}

void StringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    repaintGrid();
}

}  // namespace widgets
