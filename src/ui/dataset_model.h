#pragma once
// DatasetModel: a table model over a query dataset, following it through its change hook.
// Columns are given as (field, title, width); with none given, every field of the result is
// a column titled with its name. The vertical header is the record indicator: it marks the
// dataset's current row.

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

#include "db/forward.h"

namespace ui {

struct GridColumn {
    QString field;
    QString title;  // Polish, marked QT_TRANSLATE_NOOP("ui::GridColumn", …); shown translated
    int width = 64;
    bool visible = true;
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(QObject* parent = nullptr);
    ~DatasetModel() override;

    void setDataset(db::SqlDataset* dataset);
    db::SqlDataset* dataset() const { return dataset_; }
    void setColumns(QVector<GridColumn> columns);  // empty: every field of the result
    const QVector<GridColumn>& columns() const { return columns_; }
    // Binds column `column` to another field (the picker rebinds its hidden column).
    void setColumnField(int column, const QString& field);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The field index of a column in the open result, -1 when the field is missing.
    int fieldIndex(int column) const;

signals:
    // The dataset's current row changed (by any means); -1 when there is none.
    void currentRowChanged(int row);

private:
    void datasetEvent(int event);
    void rebind();

    db::SqlDataset* dataset_ = nullptr;
    int subscription_ = 0;
    QVector<GridColumn> columns_;
    QVector<GridColumn> shown_;  // the columns in use: given ones, or one per field
    QVector<int> fieldIndex_;
    int rows_ = 0;
    int current_ = -1;
};

}  // namespace ui
