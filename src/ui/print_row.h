#pragma once
// One line of the print window: a white bordered panel 470 x 30, the lines 28 apart so that
// neighbouring borders meet, with a tick box, the six waybill texts and the copy count, each
// at its fixed place (top 5, height 15). PrintRowDelegate paints the waybill lines of the
// list and makes the count's edit box only for the line being edited; PrintHeaderRow is the
// header line above them, its captions sized to their texts.

#include <QFrame>
#include <QStyledItemDelegate>
#include <array>

class QLabel;

namespace ui::print_row {

inline constexpr int kWidth = 470;
inline constexpr int kHeight = 30;
inline constexpr int kPitch = 28;
inline constexpr int kControlTop = 5;
inline constexpr int kControlHeight = 15;

struct Place {
    int left;
    int width;
};
// The control of each column (tick, load, receiving station, receiver, wagon, shipper,
// sending station, count), relative to the line.
inline constexpr std::array<Place, 8> kControls{
    {{10, 15}, {30, 70}, {105, 70}, {180, 70}, {255, 25}, {285, 70}, {360, 70}, {435, 30}}};
// A column's cell runs from its control's left to the next one's (the first from 0, the
// last to the line's right edge).
int cellLeft(int column);
int cellWidth(int column);

}  // namespace ui::print_row

namespace ui {

class PrintRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The control's place in the cell `cell` of `column`.
    static QRect controlRect(const QRect& cell, int column);
    static QRect tickBoxRect(const QRect& cell, const QWidget* widget);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

class PrintHeaderRow : public QFrame {
    Q_OBJECT
public:
    explicit PrintHeaderRow(QWidget* parent = nullptr);

    // The captions, left to right: "Ładunek" ... "Ilosc".
    const std::array<QLabel*, 7>& captions() const { return captions_; }

private:
    std::array<QLabel*, 7> captions_{};
};

}  // namespace ui
