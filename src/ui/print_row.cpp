#include "ui/print_row.h"
#include "ui/retranslate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace ui::print_row {

int cellLeft(int column) {
    return column == 0 ? 0 : kControls[static_cast<std::size_t>(column)].left;
}

int cellWidth(int column) {
    const int right =
        column + 1 < static_cast<int>(kControls.size()) ? cellLeft(column + 1) : kWidth;
    return right - cellLeft(column);
}

}  // namespace ui::print_row

namespace ui {
namespace {

using namespace print_row;

constexpr int kTickColumn = 0;
constexpr int kCountColumn = 7;
// The edit box keeps its text this far from its frame.
constexpr int kEditTextMargin = 2;

QPalette whitePanel(QPalette palette) {
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

}  // namespace

QRect PrintRowDelegate::controlRect(const QRect& cell, int column) {
    const Place& place = kControls[static_cast<std::size_t>(column)];
    return {cell.x() + place.left - cellLeft(column), cell.y() + kControlTop, place.width,
            kControlHeight};
}

QRect PrintRowDelegate::tickBoxRect(const QRect& cell, const QWidget* widget) {
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect control = controlRect(cell, kTickColumn);
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    return {control.x(), control.y() + (control.height() - h) / 2, w, h};
}

void PrintRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect cell = option.rect;
    const int column = index.column();
    const bool last = index.row() == index.model()->rowCount() - 1;
    painter->save();

    // This cell's share of the panel: white, a border line on top, on the outer sides, and
    // under the last line (the others are covered by the next line's top).
    painter->fillRect(cell, Qt::white);
    painter->setPen(option.palette.color(QPalette::WindowText));
    painter->drawLine(cell.left(), cell.top(), cell.right(), cell.top());
    if (column == kTickColumn)
        painter->drawLine(cell.left(), cell.top(), cell.left(), cell.bottom());
    if (column == kCountColumn)
        painter->drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    if (last) painter->drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());

    const QRect control = controlRect(cell, column);
    const bool focused = (option.state & QStyle::State_HasFocus) && widget && widget->hasFocus();
    if (column == kTickColumn) {
        QStyleOptionButton box;
        box.initFrom(widget);
        box.rect = tickBoxRect(cell, widget);
        box.state = QStyle::State_Enabled |
                    (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                           : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
    } else if (column == kCountColumn) {
        QStyleOptionFrame frame;
        frame.initFrom(widget);
        frame.rect = control;
        frame.palette = whitePanel(option.palette);
        frame.state = QStyle::State_Enabled | QStyle::State_Sunken;
        frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, widget);
        frame.midLineWidth = 0;
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, painter, widget);
        const QRect text = style->subElementRect(QStyle::SE_LineEditContents, &frame, widget)
                               .adjusted(kEditTextMargin, 0, -kEditTextMargin, 0);
        painter->setClipRect(text);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->setClipping(false);
    } else {
        // A label: the text cut at its own edges.
        painter->setClipRect(control);
        painter->drawText(control, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->setClipping(false);
    }
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(widget);
        focus.rect =
            (column == kTickColumn ? tickBoxRect(cell, widget) : control).adjusted(-1, -1, 1, 1);
        focus.backgroundColor = Qt::white;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QWidget* PrintRowDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    if (index.column() != kCountColumn) return nullptr;
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("ilosc"));
    edit->setTextMargins(0, 0, 0, 0);
    edit->setPalette(whitePanel(edit->palette()));
    return edit;
}

void PrintRowDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
    editor->setGeometry(controlRect(option.rect, index.column()));
}

// A click on the tick box ticks or unticks the line.
bool PrintRowDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (index.column() != kTickColumn) return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QRect box = controlRect(option.rect, kTickColumn);
    if (mouse->button() != Qt::LeftButton || !box.contains(mouse->position().toPoint()))
        return false;
    if (type == QEvent::MouseButtonRelease) {
        const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    return true;
}

PrintHeaderRow::PrintHeaderRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("naglowek"));
    resize(kWidth, kHeight);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setPalette(whitePanel(palette()));
    // The wagon caption stands further left than the wagon column, as it always has.
    struct Caption {
        const char* name;
        const char* text;
        int left;
    };
    static const Caption kCaptions[] = {{"ladunek", QT_TR_NOOP("Ładunek"), 30},
                                        {"st_odb", QT_TR_NOOP("Stacja odb."), 105},
                                        {"odb", QT_TR_NOOP("Odbiorca"), 180},
                                        {"wagon", QT_TR_NOOP("Wagon"), 245},
                                        {"nad", QT_TR_NOOP("Nadawca"), 285},
                                        {"st_nad", QT_TR_NOOP("Stacja nad."), 360},
                                        {"ilosc", QT_TR_NOOP("Ilosc"), 435 + kEditTextMargin}};
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(kCaptions[i].name));
        label->setTextFormat(Qt::PlainText);
        label->move(kCaptions[i].left, kControlTop);
        captions_[i] = label;
    }
    followLanguage(*this, [this] {
        for (std::size_t i = 0; i < captions_.size(); ++i) {
            captions_[i]->setText(tr(kCaptions[i].text));
            captions_[i]->resize(captions_[i]->sizeHint().width(), kControlHeight);
        }
    });
}

}  // namespace ui
