#pragma once
// PrintList: the waybill lines of the print window as one table view, 470 wide, lines 28
// apart (the last one 30 high, so its bottom border shows). Each line's tick box and count
// are cells that item views expose through accessibility. Keyboard: Space ticks the current
// line, typing digits puts them into its count, Tab leaves the list. The view has no scroll
// bars of its own: the window scrolls it together with its other controls.

#include <QTableView>

namespace ui {

class PrintList : public QTableView {
    Q_OBJECT
public:
    explicit PrintList(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The height of every line together.
    int linesHeight() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void fitLines();
};

}  // namespace ui
