#include "ui/dataset_model.h"

#include <QCoreApplication>

#include "db/sql_dataset.h"

namespace ui {

DatasetModel::DatasetModel(QObject* parent) : QAbstractTableModel(parent) {}

DatasetModel::~DatasetModel() {
    if (dataset_) dataset_->unsubscribe(subscription_);
}

void DatasetModel::setDataset(db::SqlDataset* dataset) {
    beginResetModel();
    if (dataset_) dataset_->unsubscribe(subscription_);
    dataset_ = dataset;
    if (dataset_) {
        subscription_ =
            dataset_->subscribe([this](db::DatasetEvent e) { datasetEvent(static_cast<int>(e)); });
    }
    rebind();
    endResetModel();
}

void DatasetModel::setColumns(QVector<GridColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rebind();
    endResetModel();
}

void DatasetModel::setColumnField(int column, const QString& field) {
    if (column < 0 || column >= columns_.size()) return;
    beginResetModel();
    columns_[column].field = field;
    rebind();
    endResetModel();
}

void DatasetModel::rebind() {
    shown_ = columns_;
    fieldIndex_.clear();
    rows_ = 0;
    current_ = -1;
    const bool open = dataset_ && dataset_->active();
    if (shown_.isEmpty() && open) {
        // Every field of the result in its order, bound by position: a result may hold two
        // columns of one name ("select 1 as a, 2 as a", a join), and each shows its own.
        for (int i = 0; i < dataset_->fieldCount(); ++i) {
            shown_.push_back({QString::fromStdString(dataset_->fields(i).fieldName()),
                              QString::fromStdString(dataset_->fields(i).fieldName()), 64, true});
            fieldIndex_.push_back(i);
        }
    } else {
        for (const GridColumn& c : shown_) {
            const db::Field* f = open ? dataset_->findField(c.field.toStdString()) : nullptr;
            fieldIndex_.push_back(f ? f->index() : -1);
        }
    }
    if (open) {
        rows_ = dataset_->recordCount();
        current_ = dataset_->currentIndex();
    }
}

void DatasetModel::datasetEvent(int event) {
    switch (static_cast<db::DatasetEvent>(event)) {
        case db::DatasetEvent::Opened:
        case db::DatasetEvent::Closed:
            beginResetModel();
            rebind();
            endResetModel();
            emit currentRowChanged(current_);
            break;
        case db::DatasetEvent::CurrentChanged: {
            const int now = dataset_->currentIndex();
            if (now == current_) return;
            const int before = current_;
            current_ = now;
            if (before >= 0 && before < rows_) emit headerDataChanged(Qt::Vertical, before, before);
            if (now >= 0 && now < rows_) emit headerDataChanged(Qt::Vertical, now, now);
            emit currentRowChanged(now);
            break;
        }
    }
}

int DatasetModel::fieldIndex(int column) const {
    return column >= 0 && column < fieldIndex_.size() ? fieldIndex_[column] : -1;
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || !dataset_) return {};
    const int field = fieldIndex(index.column());
    if (field < 0) return QString();
    return QString::fromStdString(dataset_->text(index.row(), field));
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < shown_.size()) {
            // A given title is Polish and shown in the chosen language; a field's own
            // name is shown as it is.
            const QString& title = shown_[section].title;
            return columns_.isEmpty()
                       ? title
                       : QCoreApplication::translate("ui::GridColumn", title.toUtf8().constData());
        }
        return {};
    }
    if (role == Qt::DisplayRole) {
        return section == current_ ? QStringLiteral("\u25B6") : QString();
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace ui
