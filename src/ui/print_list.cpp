#include "ui/print_list.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/print_row.h"
#include "ui/print_rows.h"

namespace ui {

PrintList::PrintList(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("lista"));
    setItemDelegate(new PrintRowDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(print_row::kPitch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Below the lines the window's face shows.
    QPalette face = palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    setPalette(face);
}

void PrintList::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < PrintRowsModel::ColumnCount; ++c)
        setColumnWidth(c, print_row::cellWidth(c));
    connect(model, &QAbstractItemModel::modelReset, this, &PrintList::fitLines);
    fitLines();
}

void PrintList::fitLines() {
    const int n = model() ? model()->rowCount() : 0;
    if (n > 0) verticalHeader()->resizeSection(n - 1, print_row::kHeight);
}

int PrintList::linesHeight() const {
    const int n = model() ? model()->rowCount() : 0;
    return n == 0 ? 0 : print_row::kPitch * (n - 1) + print_row::kHeight;
}

void PrintList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            // A move to another row keeps (and closes) the count being typed and opens no
            // editor on the new row, so Space there ticks it.
            const EditTriggers triggers = editTriggers();
            setEditTriggers(triggers & ~QAbstractItemView::CurrentChanged);
            QTableView::keyPressEvent(event);
            setEditTriggers(triggers);
            setFocus();
            return;
        }
        default:
            break;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid() || state() == QAbstractItemView::EditingState) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int row = current.row();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        auto* rows = static_cast<PrintRowsModel*>(model());
        rows->setTicked(row, !rows->ticked(row));
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isDigit()) {
        // The count's edit box opens on the current line with the digit typed over its text.
        const QModelIndex count = model()->index(row, PrintRowsModel::Count);
        if (current != count) {
            setCurrentIndex(count);
        } else {
            edit(count);
        }
        if (QWidget* editor = indexWidget(count)) QApplication::sendEvent(editor, event);
        return;
    }
    QTableView::keyPressEvent(event);
}

void PrintList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    // A click into the current line's count edits it as well.
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at == before && at.column() == PrintRowsModel::Count &&
        state() != QAbstractItemView::EditingState) {
        edit(at);
    }
}

// Tab and Backtab in the count's edit box end the edit and leave the list, as they do from
// the list itself.
void PrintList::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool backward = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, forward || backward ? QAbstractItemDelegate::NoHint : hint);
    if (forward || backward) focusNextPrevChild(forward);
}

}  // namespace ui
