#include "ui/print_rows.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <unordered_set>

#include "print/polish_order.h"
#include "session/shown_list.h"

namespace ui {
namespace {

// Polish, shown in the chosen language (the print window's header row has the same).
const std::array<const char*, PrintRowsModel::ColumnCount> kCaptions{
    "V",
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Ładunek"),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Stacja odb."),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Odbiorca"),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Wagon"),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Nadawca"),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Stacja nad."),
    QT_TRANSLATE_NOOP("ui::PrintHeaderRow", "Ilosc")};

// The waybill text that each text column shows.
using F = model::WaybillField;
const std::array<std::optional<F>, PrintRowsModel::ColumnCount> kColumnFields{
    std::nullopt, F::Load,    F::ReceivingStation, F::Receiver,
    F::WagonType, F::Shipper, F::SendingStation,   std::nullopt};

}  // namespace

PrintRowsModel::PrintRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void PrintRowsModel::load(session::ShownList& list) {
    beginResetModel();
    list_ = &list;
    rows_ = list.recordCount();
    for (int c = 0; c < ColumnCount; ++c) {
        const auto& field = kColumnFields[static_cast<std::size_t>(c)];
        fields_[static_cast<std::size_t>(c)] =
            field ? list.fieldIndex(model::columnOf(*field)) : -1;
    }
    ticks_.assign(static_cast<std::size_t>(rows_), 0);
    counts_.assign(static_cast<std::size_t>(rows_), QStringLiteral("2"));
    endResetModel();
}

void PrintRowsModel::clear() {
    beginResetModel();
    list_ = nullptr;
    rows_ = 0;
    std::vector<std::uint8_t>().swap(ticks_);
    std::vector<QString>().swap(counts_);
    endResetModel();
}

model::Waybill PrintRowsModel::waybill(int row) const {
    list_->setCurrentIndex(row);
    return list_->waybill();
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

std::string PrintRowsModel::text(int row, Column column) const {
    return list_->textAt(row, fields_[static_cast<std::size_t>(column)]);
}

void PrintRowsModel::columnChanged(Column column, const QList<int>& roles) {
    if (rows_ > 0) emit dataChanged(index(0, column), index(rows_ - 1, column), roles);
}

void PrintRowsModel::setAllTicked(bool on) {
    std::fill(ticks_.begin(), ticks_.end(), on ? 1 : 0);
    columnChanged(Tick, {Qt::CheckStateRole});
}

void PrintRowsModel::invertTicks() {
    for (std::uint8_t& t : ticks_) t = t ? 0 : 1;
    columnChanged(Tick, {Qt::CheckStateRole});
}

int PrintRowsModel::tickWhere(Column column, const QString& text) {
    const std::string wanted = text.toStdString();
    int found = 0;
    for (int row = 0; row < rows_; ++row) {
        if (this->text(row, column) == wanted) {
            ticks_[static_cast<std::size_t>(row)] = 1;
            ++found;
        }
    }
    if (found > 0) columnChanged(Tick, {Qt::CheckStateRole});
    return found;
}

int PrintRowsModel::setTickedCounts(const QString& text) {
    int changed = 0;
    for (std::size_t row = 0; row < ticks_.size(); ++row) {
        if (!ticks_[row]) continue;
        counts_[row] = text;
        ++changed;
    }
    if (changed > 0) columnChanged(Count, {Qt::DisplayRole, Qt::EditRole});
    return changed;
}

int PrintRowsModel::tickedRows() const {
    return static_cast<int>(std::count(ticks_.begin(), ticks_.end(), 1));
}

QStringList PrintRowsModel::distinctTexts(Column column) const {
    std::unordered_set<std::string> seen;
    QStringList texts;
    for (int row = 0; row < rows_; ++row) {
        std::string t = text(row, column);
        if (seen.insert(t).second) texts << QString::fromStdString(t);
    }
    std::sort(texts.begin(), texts.end(), print::PolishOrder());
    return texts;
}

std::vector<print::PrintRowData> PrintRowsModel::printRows() const {
    std::vector<print::PrintRowData> rows;
    rows.reserve(static_cast<std::size_t>(rows_));
    for (std::size_t i = 0; i < static_cast<std::size_t>(rows_); ++i) {
        const model::Waybill w = waybill(static_cast<int>(i));
        rows.push_back(
            {ticks_[i] != 0,
             counts_[i].toStdString(),
             {w.receivingStation, w.receiver, w.load, w.wagonType, w.shipper, w.sendingStation}});
    }
    return rows;
}

int PrintRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int PrintRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

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
            if (role == Qt::DisplayRole) {
                return QString::fromStdString(text(row, static_cast<Column>(index.column())));
            }
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
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return QCoreApplication::translate("ui::PrintHeaderRow",
                                           kCaptions[static_cast<std::size_t>(section)]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace ui
