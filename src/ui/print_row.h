#pragma once
// PrintRow: one line of the print window, a white bordered panel 470 x 30 with a tick box,
// the six waybill texts and the copy count. Its constructor builds the header captions;
// the window sets a waybill's texts afterwards. The row owns its eight children.

#include <QFrame>

#include "print/print_run.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ui {

class PrintRow : public QFrame {
    Q_OBJECT
public:
    explicit PrintRow(QWidget* parent = nullptr);

    // The row as the print run reads it: tick, count text and the six texts.
    print::PrintRowData data() const;

    // Turns the row into the header: no tick box, the wagon caption moved left, nothing
    // editable, and the count box without a border.
    void makeHeader();

    QCheckBox* check;
    QLabel* ladunek;
    QLabel* st_odb;
    QLabel* odb;
    QLabel* wagon;
    QLabel* nad;
    QLabel* st_nad;
    QLineEdit* ilosc;
};

}  // namespace ui
