#pragma once
// DataGrid: the read-only grid that shows a dataset: whole-row selection, column titles, a
// record indicator column, grid lines. The grid's current row is the dataset's current row,
// both ways: a click or a keyboard move makes that row current in the dataset, and a
// dataset move shows in the grid.

#include <QTableView>

#include "ui/dataset_model.h"

namespace session {
class ShownList;
}

namespace ui {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setDataset(db::SqlDataset* dataset, QVector<GridColumn> columns = {});
    // The grid of a window's list.
    void setList(session::ShownList& list, QVector<GridColumn> columns = {});
    DatasetModel* datasetModel() const { return model_; }
    // Whether the user may resize the columns.
    void setColumnsResizable(bool on);
    // Whether the last column gives up the width a shown vertical scroll bar needs.
    void setLastColumnYields(bool on);
    // Every column's width is its given width times `scale` (a grid that grew shares the
    // extra width among its columns in their proportions).
    void setColumnScale(double scale);
    // The width at which the columns have their given widths; wider, they grow with the
    // grid (0: they keep their widths).
    void setDesignedWidth(int width);

signals:
    // A data cell was clicked, or Enter pressed on it; its row is already the dataset's
    // current row.
    void cellClicked(int row, int column);
    // The user made another row current: by keyboard, a click or a drag in the grid, or a
    // click on the record indicator. It is already the dataset's current row.
    void rowMovedByUser(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;  // a new language re-titles the columns
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyWidths();
    void fitLastColumn();
    int scaled(int width) const;
    void followWidth();
    void followDataset(int row);
    void viewRowChanged(const QModelIndex& current, const QModelIndex& previous);

    DatasetModel* model_;
    bool following_ = false;
    bool lastColumnYields_ = false;
    double columnScale_ = 1.0;
    int designedWidth_ = 0;
    QModelIndex pressed_;
};

}  // namespace ui
