#pragma once
// PrintRowsModel: the waybills of the print window as a table of eight columns (the tick,
// the six texts, the copy count). The texts are read in place from the result the window
// holds open while it is shown (its columns found by name); the ticks and the counts are
// plain arrays. clear() forgets the result and gives the arrays' memory back.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include <optional>

#include "model/waybills.h"
#include "print/print_run.h"

namespace session {
class ShownList;
}

namespace ui {

class PrintRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Tick,
        Load,
        ReceivingStation,
        Receiver,
        WagonType,
        Shipper,
        SendingStation,
        Count,
        ColumnCount
    };

    explicit PrintRowsModel(QObject* parent = nullptr);

    // Every row of `list` (a result of "select * from listy;", which must stay open until
    // clear()) in its order, unticked, with the count "2".
    void load(session::ShownList& list);
    // No rows; the arrays' memory is given back.
    void clear();

    // The waybill of a row (moves the result's cursor to it).
    model::Waybill waybill(int row) const;
    bool ticked(int row) const { return ticks_[static_cast<std::size_t>(row)] != 0; }
    void setTicked(int row, bool on);
    const QString& count(int row) const { return counts_[static_cast<std::size_t>(row)]; }
    void setCount(int row, const QString& text);
    // The text of a row's text column, read in place.
    std::string text(int row, Column column) const;

    // Changes of many rows at once, each told to the views as one change of the whole
    // column, whatever the number of rows.
    void setAllTicked(bool on);
    void invertTicks();
    // Ticks the rows whose `column` reads exactly `text` (the others keep their ticks);
    // returns how many rows that are.
    int tickWhere(Column column, const QString& text);
    // Sets the count of every ticked row; returns how many rows that are.
    int setTickedCounts(const QString& text);
    int tickedRows() const;
    // The different texts of `column`, each once, in Polish collation.
    QStringList distinctTexts(Column column) const;

    // The rows as the print run reads them.
    std::vector<print::PrintRowData> printRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void columnChanged(Column column, const QList<int>& roles);

    session::ShownList* list_ = nullptr;
    int rows_ = 0;
    std::array<int, ColumnCount> fields_{};  // the result's field of each text column
    std::vector<std::uint8_t> ticks_;
    std::vector<QString> counts_;
};

}  // namespace ui
