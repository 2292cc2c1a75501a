#include "ui/print_rows.h"

#include <array>

#include "db/sql_dataset.h"

namespace ui {
namespace {

const std::array<QString, PrintRowsModel::ColumnCount> kCaptions{
    QStringLiteral("V"),        QStringLiteral("Ładunek"), QStringLiteral("Stacja odb."), QStringLiteral("Odbiorca"),
    QStringLiteral("Wagon"),    QStringLiteral("Nadawca"), QStringLiteral("Stacja nad."), QStringLiteral("Ilosc")};

const std::string& textOf(const store::Waybill& w, int column) {
    switch (column) {
        case PrintRowsModel::Load: return w.load;
        case PrintRowsModel::ReceivingStation: return w.receivingStation;
        case PrintRowsModel::Receiver: return w.receiver;
        case PrintRowsModel::WagonType: return w.wagonType;
        case PrintRowsModel::Shipper: return w.shipper;
        default: return w.sendingStation;
    }
}

}  // namespace

PrintRowsModel::PrintRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void PrintRowsModel::load(db::SqlDataset& list) {
    beginResetModel();
    const std::size_t n = static_cast<std::size_t>(list.recordCount());
    std::vector<store::Waybill> waybills;
    waybills.reserve(n);
    list.first();
    for (std::size_t i = 0; i < n; ++i) {
        waybills.push_back(store::waybillAt(list));
        list.next();
    }
    waybills_ = std::move(waybills);
    ticks_.assign(n, 0);
    counts_.assign(n, QStringLiteral("2"));
    endResetModel();
}

void PrintRowsModel::clear() {
    beginResetModel();
    std::vector<store::Waybill>().swap(waybills_);
    std::vector<std::uint8_t>().swap(ticks_);
    std::vector<QString>().swap(counts_);
    endResetModel();
}

void PrintRowsModel::setTicked(int row, bool on) {
    ticks_[static_cast<std::size_t>(row)] = on ? 1 : 0;
    const QModelIndex cell = index(row, Tick);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void PrintRowsModel::setCount(int row, const QString& text) {
    counts_[static_cast<std::size_t>(row)] = text;
    const QModelIndex cell = index(row, Count);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

std::vector<print::PrintRowData> PrintRowsModel::printRows() const {
    std::vector<print::PrintRowData> rows;
    rows.reserve(waybills_.size());
    for (std::size_t i = 0; i < waybills_.size(); ++i) {
        const store::Waybill& w = waybills_[i];
        rows.push_back({ticks_[i] != 0, counts_[i].toStdString(),
                        {w.receivingStation, w.receiver, w.load, w.wagonType, w.shipper, w.sendingStation}});
    }
    return rows;
}

int PrintRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(waybills_.size());
}

int PrintRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PrintRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    switch (index.column()) {
        case Tick:
            if (role == Qt::CheckStateRole) return ticked(row) ? Qt::Checked : Qt::Unchecked;
            if (role == Qt::AccessibleTextRole) return kCaptions[Tick];
            return {};
        case Count:
            if (role == Qt::DisplayRole || role == Qt::EditRole) return count(row);
            return {};
        default:
            if (role == Qt::DisplayRole) return QString::fromStdString(textOf(waybill(row), index.column()));
            return {};
    }
}

bool PrintRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    if (index.column() == Tick && role == Qt::CheckStateRole) {
        setTicked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (index.column() == Count && role == Qt::EditRole) {
        setCount(index.row(), value.toString());
        return true;
    }
    return false;
}

Qt::ItemFlags PrintRowsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() == Tick) return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    if (index.column() == Count) return Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

QVariant PrintRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount) {
        return kCaptions[static_cast<std::size_t>(section)];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace ui
