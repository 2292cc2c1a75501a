#include "widgets/color_string_grid.h"
#include "widgets/move_item.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>

namespace widgets {

namespace {

Qt::Alignment toQt(HorizontalAlignment a) {
    switch (a) {
        case HorizontalAlignment::RightJustify:
            return Qt::AlignRight;
        case HorizontalAlignment::Center:
            return Qt::AlignHCenter;
        case HorizontalAlignment::LeftJustify:
            break;
    }
    return Qt::AlignLeft;
}

void setEditorLook(QTextEdit* editor, const QColor& text, const QColor& background,
                   HorizontalAlignment alignment, bool wordWrap) {
    QPalette pal = editor->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, background);
    editor->setPalette(pal);
    QTextOption option = editor->document()->defaultTextOption();
    option.setAlignment(toQt(alignment));
    editor->document()->setDefaultTextOption(option);
    editor->setLineWrapMode(wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

}  // namespace

ColorStringGrid::ColorStringGrid(QWidget* parent) : StringGrid(parent) {
    defaultFixedCellStyle_ = std::make_unique<CellStyle>(this);
    defaultCellStyle_ = std::make_unique<CellStyle>(this);
    defaultCellStyle_->bgColor_ = color();
    defaultFixedCellStyle_->bgColor_ = fixedColor();
    styles_.resize(colCount());
    for (auto& column : styles_) column.resize(rowCount());
    selectedColors_ = std::make_unique<SelectColor>(this);
    lineDesign_ = std::make_unique<LineDesign>(this);

    editor_ = new QTextEdit(viewport());
    editor_->setObjectName(QStringLiteral("GridInplaceEditor"));
    editor_->setAcceptRichText(false);
    editor_->setFrameShape(QFrame::NoFrame);
    editor_->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->hide();
    editor_->move(0, 1000);
    editor_->installEventFilter(this);
    connect(editor_, &QTextEdit::textChanged, this, &ColorStringGrid::editorTextChanged);

    inplaceEditorOptions_ = std::make_unique<InplaceEditorOptions>(this);
}

ColorStringGrid::~ColorStringGrid() {
    // The editor (deleted later, as a child widget) must not call back into a grid whose
    // styles are already gone.
    editor_->removeEventFilter(this);
    disconnect(editor_, nullptr, this, nullptr);
}

// ---- styles ---------------------------------------------------------------------------------

CellStyle& ColorStringGrid::cellStyle(int col, int row) {
    if (col < 0 || col >= colCount() || row < 0 || row >= rowCount()) return *defaultCellStyle_;
    auto& slot = styles_[col][row];
    if (!slot) {
        slot = std::make_unique<CellStyle>(this);
        const bool fixed = col < fixedCols() || row < fixedRows();
        slot->assign(fixed ? *defaultFixedCellStyle_ : *defaultCellStyle_);
    }
    return *slot;
}

bool ColorStringGrid::hasCellStyle(int col, int row) const {
    return col >= 0 && col < colCount() && row >= 0 && row < rowCount() && styles_[col][row];
}

void ColorStringGrid::setDefaultCellStyle(const CellStyle& style) {
    defaultCellStyle_->assign(style);
    setColor(defaultCellStyle_->bgColor());
    repaintGrid();
}

void ColorStringGrid::setDefaultFixedCellStyle(const CellStyle& style) {
    defaultFixedCellStyle_->assign(style);
    setFixedColor(defaultFixedCellStyle_->bgColor());
}

void ColorStringGrid::setFixedColor(const QColor& color) {
    StringGrid::setFixedColor(color);
    defaultFixedCellStyle_->bgColor_ = color;
    repaintGrid();
}

void ColorStringGrid::changeEvent(QEvent* event) {
    // The templates follow the grid's font; styles already taken from them keep theirs.
    if (event->type() == QEvent::FontChange) {
        defaultCellStyle_->font_ = font();
        defaultFixedCellStyle_->font_ = font();
        invalidateEditorLayout();
    }
    StringGrid::changeEvent(event);
}

// ---- size -----------------------------------------------------------------------------------

void ColorStringGrid::setColCount(int count) {
    count = std::max(1, count);
    styles_.resize(count);
    for (auto& column : styles_) column.resize(rowCount());
    StringGrid::setColCount(count);
}

void ColorStringGrid::setRowCount(int count) {
    count = std::max(1, count);
    for (auto& column : styles_) column.resize(count);
    StringGrid::setRowCount(count);
}

void ColorStringGrid::columnMoved(int from, int to) {
    moveItem(styles_, from, to);
    invalidateEditorLayout();
}

void ColorStringGrid::rowMoved(int from, int to) {
    for (auto& column : styles_) moveItem(column, from, to);
    invalidateEditorLayout();
}

void ColorStringGrid::removeColumn(int index) {
    if (index < 0 || index >= colCount() || colCount() == 1) return;
    moveColumn(index, colCount() - 1);
    setColCount(colCount() - 1);
}

void ColorStringGrid::removeRow(int index) {
    if (index < 0 || index >= rowCount() || rowCount() == 1) return;
    moveRow(index, rowCount() - 1);
    setRowCount(rowCount() - 1);
}

// ---- options --------------------------------------------------------------------------------

GridOptions ColorStringGrid::options() const {
    GridOptions o = StringGrid::options();
    if (editing_) o |= GridOption::Editing;
    return o;
}

void ColorStringGrid::setOptions(GridOptions options) {
    editing_ = options.testFlag(GridOption::Editing);
    options.setFlag(GridOption::Editing, false);
    StringGrid::setOptions(options);
    if (!editingActive()) hideCellEditor();
}

void ColorStringGrid::setWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    repaintGrid();
}

void ColorStringGrid::setUseCellWordWrap(bool on) {
    if (on == useCellWordWrap_) return;
    useCellWordWrap_ = on;
    repaintGrid();
}

bool ColorStringGrid::wordWrapFor(const CellStyle& style) const {
    return useCellWordWrap_ ? style.wordWrap() : wordWrap_;
}

// ---- text -----------------------------------------------------------------------------------

void ColorStringGrid::setCells(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount() || row < 0 || row >= rowCount()) return;
    if (cells(col, row) == text) return;
    StringGrid::setCells(col, row, text);
    autoSizeCell(col, row);
    emit editTextSet(col, row, text);
    if (editorCell_ == GridCoord{col, row}) invalidateEditorLayout();
    repaintGrid();
}

void ColorStringGrid::autoSizeCell(int col, int row) {
    if (col < 0 || col >= colCount() || row < 0 || row >= rowCount()) return;
    const bool fitWidth = useCellSizingWidth_ ? cellStyle(col, row).sizingWidth() : sizingWidth_;
    const bool fitHeight =
        useCellSizingHeight_ ? cellStyle(col, row).sizingHeight() : sizingHeight_;
    if (!fitWidth && !fitHeight) return;
    const CellStyle& style = cellStyle(col, row);
    TextLayoutParams p;
    p.text = cells(col, row);
    p.font = style.font();
    p.angle = style.rotate();
    p.flags = LayoutFlag::MeasureOnly;
    if (fitWidth) p.flags |= LayoutFlag::FitWidth;
    if (fitHeight) p.flags |= LayoutFlag::FitHeight;
    p.indentV = style.indentV();
    p.indentH = style.indentH();
    p.wordWrap = wordWrapFor(style);
    p.verticalAlignment = style.verticalAlignment();
    p.horizontalAlignment = style.horizontalAlignment();
    const QRect measured =
        layoutText(nullptr, p, QRect(0, 0, colWidths(col), rowHeights(row)), viewport()).rect;
    if (measured.width() > colWidths(col)) setColWidths(col, measured.width());
    if (measured.height() > rowHeights(row)) setRowHeights(row, measured.height());
}

// ---- painting -------------------------------------------------------------------------------

QColor ColorStringGrid::lineColor() const {
    return lineDesign_->lineColor();
}

bool ColorStringGrid::wantsFocusRect() const {
    if (!hasFocus() || !selectedColors_->useFocusRect()) return false;
    const GridOptions o = options();
    if (!(o & GridOption::RowSelect) && (o & GridOption::Editing) &&
        (o & GridOption::AlwaysShowEditor))
        return false;
    return true;
}

void ColorStringGrid::paintEvent(QPaintEvent* event) {
    const GridOptions o = options();
    const bool wanted =
        isEditorShowing() || ((o & GridOption::Editing) && (o & GridOption::AlwaysShowEditor) &&
                              !(o & GridOption::RowSelect));
    // Lay the editor out only when its cell or that cell's place changed since last time.
    if (wanted &&
        (editorCell_ != GridCoord{col(), row()} || editorRect_ != editorRectFor(col(), row())))
        showCellEditor();
    StringGrid::paintEvent(event);
}

void ColorStringGrid::drawCell(QPainter& painter, int col, int row, const QRect& rect,
                               DrawState state) {
    if (isEditorShowing() && col == this->col() && row == this->row()) return;
    const CellStyle& style = cellStyle(col, row);
    QColor text = style.fontColor();
    QColor fill = style.bgColor();
    if (selectedColors_->coloredSelect() && !(options() & GridOption::AlwaysShowEditor) &&
        selection().contains(col, row)) {
        fill = selectedColors_->bgColor();
        text = selectedColors_->fontColor();
    }
    painter.fillRect(rect, fill);

    // Handlers draw between the fill and the text, starting with a black pen; whatever they
    // do to the painter is undone before the text.
    painter.save();
    painter.setPen(QPen(Qt::black));
    emit beforeTextDrawCell(&painter, col, row, rect, state);
    painter.restore();

    TextLayoutParams p;
    p.text = cells(col, row);
    p.font = style.font();
    p.angle = style.rotate();
    p.indentV = style.indentV();
    p.indentH = style.indentH();
    p.wordWrap = wordWrapFor(style);
    p.verticalAlignment = style.verticalAlignment();
    p.horizontalAlignment = style.horizontalAlignment();
    p.color = text;
    layoutText(&painter, p, rect);

    QPen pen = painter.pen();
    pen.setWidth(1);
    painter.setPen(pen);
    emit cellDrawn(&painter, col, row, rect, state);
}

void ColorStringGrid::drawCellBorder(QPainter& painter, int col, int row, const QRect& rect) {
    const BorderCellStyle border = cellStyle(col, row).borderCellStyle();
    if (border == BorderCellStyle::None || rect.width() <= 0 || rect.height() <= 0) return;
    const QColor first = border == BorderCellStyle::Lowered ? lineDesign_->lineDownColor()
                                                            : lineDesign_->lineUpColor();
    const QColor second = border == BorderCellStyle::Lowered ? lineDesign_->lineUpColor()
                                                             : lineDesign_->lineDownColor();
    const int x0 = rect.x(), y0 = rect.y(), w = rect.width(), h = rect.height();
    // Left and top edges in the first colour, right and bottom edges in the second.
    painter.fillRect(QRect(x0, y0, 1, h), first);
    painter.fillRect(QRect(x0, y0, w, 1), first);
    painter.fillRect(QRect(x0 + w - 1, y0 + 1, 1, h - 1), second);
    painter.fillRect(QRect(x0 + 1, y0 + h - 1, w - 1, 1), second);
}

// ---- selection, keyboard, mouse ----------------------------------------------------------------

bool ColorStringGrid::selectCell(int col, int row) {
    if (!StringGrid::selectCell(col, row)) return false;
    if (isEditorShowing()) {
        hideCellEditor();
        setFocus();
    }
    return true;
}

void ColorStringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && editingActive() && !isEditorShowing()) {
        showCellEditorText();
        editor_->moveCursor(QTextCursor::End);
        return;
    }
    StringGrid::keyPressEvent(event);
}

void ColorStringGrid::keyTyped(QChar key) {
    if (!editingActive() || isEditorShowing()) return;
    if (key == u'\r') {
        showCellEditorText();
        editor_->selectAll();
    } else if (key > u' ') {
        showCellEditor();
        if (isEditorShowing()) {
            editor_->setPlainText(QString(key));
            editor_->moveCursor(QTextCursor::End);
        }
    }
}

void ColorStringGrid::mousePressEvent(QMouseEvent* event) {
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        StringGrid::mousePressEvent(event);
        return;
    }
    // Shift+click with any button: the block from the current cell to the cell under the mouse,
    // kept out of the fixed cells.
    const QPoint pos = event->position().toPoint();
    GridCoord at = mouseCoord(pos);
    if (at.col >= 0 && at.row >= 0 && colCount() > fixedCols() && rowCount() > fixedRows()) {
        at.col = std::max(at.col, fixedCols());
        at.row = std::max(at.row, fixedRows());
        setAnchor(at);
        applySelection(blockBetween({col(), row()}, at));
        repaintGrid();
    }
    emit mouseDown(event->button(), event->modifiers(), pos);
}

// ---- in-place editor ------------------------------------------------------------------------

bool ColorStringGrid::editingActive() const {
    return editing_ && !(StringGrid::options() & GridOption::RowSelect);
}

bool ColorStringGrid::isEditorShowing() const {
    return editor_ && !editor_->isHidden();
}

QRect ColorStringGrid::editorRectFor(int col, int row) const {
    return cellRect(col, row) & viewport()->rect();
}

void ColorStringGrid::showCellEditor() {
    if (!editingActive()) return;
    const QRect rect = editorRectFor(col(), row());
    if (rect.isEmpty()) {
        // The current cell is scrolled out of view.
        hideCellEditor();
        return;
    }
    const CellStyle& style = cellStyle(col(), row());
    const InplaceEditorOptions& o = *inplaceEditorOptions_;
    editor_->setFrameShape(o.borderStyle() == EditorBorderStyle::Single ? QFrame::Box
                                                                        : QFrame::NoFrame);
    editor_->setFont(style.font());
    if (o.useCellStyle())
        setEditorLook(editor_, style.fontColor(), style.bgColor(), style.horizontalAlignment(),
                      editor_->lineWrapMode() != QTextEdit::NoWrap);
    else
        setEditorLook(editor_, o.fontColor(), o.bgColor(), o.alignment(), o.wordWrap());
    editor_->setGeometry(rect);
    editorCell_ = {col(), row()};
    editorRect_ = rect;
    editor_->show();
    editor_->setFocus();
    repaintGrid();
}

void ColorStringGrid::showCellEditorText() {
    showCellEditor();
    if (!isEditorShowing()) return;
    loadingEditor_ = true;
    editor_->setPlainText(cells(col(), row()));
    loadingEditor_ = false;
}

void ColorStringGrid::hideCellEditor() {
    if (!editor_ || editor_->isHidden()) return;
    editor_->hide();
    invalidateEditorLayout();
    repaintGrid();
}

void ColorStringGrid::applyEditorOptions() {
    const InplaceEditorOptions& o = *inplaceEditorOptions_;
    editor_->setFrameShape(o.borderStyle() == EditorBorderStyle::Single ? QFrame::Box
                                                                        : QFrame::NoFrame);
    setEditorLook(editor_, o.fontColor(), o.bgColor(), o.alignment(), o.wordWrap());
}

void ColorStringGrid::editorTextChanged() {
    if (loadingEditor_ || !isEditorShowing()) return;
    setCells(col(), row(), editor_->toPlainText());
}

bool ColorStringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hideCellEditor();
        setFocus();
        return true;
    }
    return StringGrid::eventFilter(watched, event);
}

}  // namespace widgets
