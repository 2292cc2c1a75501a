#include "ui/data_grid.h"

#include <QEvent>

#include <QScrollBar>

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "db/sql_dataset.h"
#include "session/shown_list.h"

namespace ui {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new DatasetModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    // Tab and Shift+Tab leave the grid for the next control; arrows move within it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumWidth(12);
    verticalHeader()->setFixedWidth(12);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    connect(model_, &DatasetModel::currentRowChanged, this, &DataGrid::followDataset);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyWidths();
        followDataset(model_->dataset() ? model_->dataset()->currentIndex() : -1);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DataGrid::viewRowChanged);
}

void DataGrid::setList(session::ShownList& list, QVector<GridColumn> columns) {
    setDataset(&list.dataset(), std::move(columns));
}

void DataGrid::setDataset(db::SqlDataset* dataset, QVector<GridColumn> columns) {
    model_->setColumns(std::move(columns));
    model_->setDataset(dataset);
}

void DataGrid::setColumnsResizable(bool on) {
    horizontalHeader()->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void DataGrid::applyWidths() {
    const auto& cols = model_->columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnWidth(i, scaled(cols[i].width));
        setColumnHidden(i, !cols[i].visible);
    }
    fitLastColumn();
}

int DataGrid::scaled(int width) const {
    return qRound(width * columnScale_);
}

void DataGrid::setColumnScale(double scale) {
    if (qFuzzyCompare(scale, columnScale_)) return;
    columnScale_ = scale;
    applyWidths();
}

void DataGrid::setLastColumnYields(bool on) {
    lastColumnYields_ = on;
    if (on) {
        connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &DataGrid::fitLastColumn,
                Qt::UniqueConnection);
    }
    fitLastColumn();
}

// The last column gives up what the others and a shown vertical scroll bar leave it short
// of, so no horizontal scroll bar appears; it never grows past its own width.
void DataGrid::fitLastColumn() {
    if (!lastColumnYields_) return;
    const auto& cols = model_->columns();
    int last = -1;
    int others = 0;
    for (int i = 0; i < cols.size(); ++i) {
        if (!cols[i].visible) continue;
        if (last >= 0) others += scaled(cols[last].width);
        last = i;
    }
    if (last < 0) return;
    const int scrollBar =
        verticalScrollBar()->maximum() > 0 ? verticalScrollBar()->sizeHint().width() : 0;
    const int room = width() - 2 * frameWidth() - verticalHeader()->width() - scrollBar - others;
    setColumnWidth(last, qBound(16, room, scaled(cols[last].width)));
}

void DataGrid::setDesignedWidth(int width) {
    designedWidth_ = width;
    followWidth();
}

// Past its designed width the grid's columns share the extra width in the proportions of
// their given widths; the indicator and the frame keep theirs.
void DataGrid::followWidth() {
    if (designedWidth_ <= 0) return;
    int columns = 0;
    for (const GridColumn& c : model_->columns()) {
        if (c.visible) columns += c.width;
    }
    if (columns <= 0) return;
    const int fixed = designedWidth_ - columns;
    setColumnScale(qMax(1.0, double(width() - fixed) / columns));
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && model_->columnCount() > 0) {
        emit model_->headerDataChanged(Qt::Horizontal, 0, model_->columnCount() - 1);
    }
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    followWidth();
    fitLastColumn();
}

void DataGrid::followDataset(int row) {
    following_ = true;
    if (row < 0) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const int column = qMax(0, currentIndex().column());
        const QModelIndex index = model_->index(row, column);
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    }
    following_ = false;
}

void DataGrid::viewRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (following_ || !current.isValid() || !model_->dataset()) return;
    model_->dataset()->setCurrentIndex(current.row());
    if (current.row() != previous.row()) emit rowMovedByUser(current.row());
}

// Enter on a row does what a click on it does, so every grid is usable by keyboard alone.
void DataGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && current.isValid()) {
        if (model_->dataset()) model_->dataset()->setCurrentIndex(current.row());
        emit cellClicked(current.row(), current.column());
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::mousePressEvent(QMouseEvent* event) {
    pressed_ = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
}

void DataGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex released = indexAt(event->position().toPoint());
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && released.isValid() && released == pressed_) {
        if (model_->dataset()) model_->dataset()->setCurrentIndex(released.row());
        emit cellClicked(released.row(), released.column());
    }
    pressed_ = QModelIndex();
}

}  // namespace ui
