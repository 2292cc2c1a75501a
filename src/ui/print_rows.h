#pragma once
// PrintRowsModel: the waybills of the print window as a table of eight columns (the tick,
// the six texts, the copy count), read once per showing. The waybills, the ticks and the
// counts are plain arrays; clear() gives their memory back.

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

#include "db/forward.h"
#include "print/print_run.h"
#include "store/waybills.h"

namespace ui {

class PrintRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Tick, Load, ReceivingStation, Receiver, WagonType, Shipper, SendingStation, Count, ColumnCount };

    explicit PrintRowsModel(QObject* parent = nullptr);

    // Every row of `list` (a result of "select * from listy;") in its order, unticked, with
    // the count "2". The dataset's cursor ends past its last row.
    void load(db::SqlDataset& list);
    // No rows; their memory is given back.
    void clear();

    const store::Waybill& waybill(int row) const { return waybills_[static_cast<std::size_t>(row)]; }
    bool ticked(int row) const { return ticks_[static_cast<std::size_t>(row)] != 0; }
    void setTicked(int row, bool on);
    const QString& count(int row) const { return counts_[static_cast<std::size_t>(row)]; }
    void setCount(int row, const QString& text);
    // The rows as the print run reads them.
    std::vector<print::PrintRowData> printRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<store::Waybill> waybills_;
    std::vector<std::uint8_t> ticks_;
    std::vector<QString> counts_;
};

}  // namespace ui
