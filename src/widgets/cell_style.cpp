#include "widgets/cell_style.h"

#include "widgets/color_string_grid.h"

#include <QTextEdit>

namespace widgets {

// ---- CellStyle ------------------------------------------------------------------------------

CellStyle::CellStyle(ColorStringGrid* grid)
    : grid_(grid),
      font_(grid ? grid->font() : QFont()),
      fontColor_(grid ? grid->palette().color(QPalette::Text) : QColor(Qt::black)) {}

CellStyle::~CellStyle() = default;

void CellStyle::assign(const CellStyle& source) {
    if (&source == this) return;
    bgColor_ = source.bgColor_;
    rotate_ = source.rotate_;
    font_ = source.font_;
    fontColor_ = source.fontColor_;
    horizontalAlignment_ = source.horizontalAlignment_;
    verticalAlignment_ = source.verticalAlignment_;
    wordWrap_ = source.wordWrap_;
    sizingHeight_ = source.sizingHeight_;
    sizingWidth_ = source.sizingWidth_;
    borderCellStyle_ = source.borderCellStyle_;
    indentH_ = source.indentH_;
    indentV_ = source.indentV_;
}

void CellStyle::assign(const QFont& font) {
    font_ = font;
}

void CellStyle::assignTo(CellStyle& target) const {
    target.assign(*this);
}

void CellStyle::assignTo(QFont& target) const {
    target = font_;
}

void CellStyle::changed(bool relayoutEditor) {
    if (!grid_) return;
    if (relayoutEditor) grid_->invalidateEditorLayout();
    grid_->repaintGrid();
}

void CellStyle::setFont(const QFont& font) {
    font_ = font;
    if (!grid_) return;
    grid_->invalidateEditorLayout();
    grid_->autoSizeCell(grid_->col(), grid_->row());
    grid_->repaintGrid();
}

void CellStyle::setFont(const QFont& font, const QColor& color) {
    fontColor_ = color;
    setFont(font);
}

void CellStyle::setBgColor(const QColor& color) {
    bgColor_ = color;
    changed(false);
}

void CellStyle::setBorderCellStyle(BorderCellStyle style) {
    if (style == borderCellStyle_) return;
    borderCellStyle_ = style;
    changed(false);
}

void CellStyle::setHorizontalAlignment(HorizontalAlignment a) {
    if (a == horizontalAlignment_) return;
    horizontalAlignment_ = a;
    changed(true);
}

void CellStyle::setVerticalAlignment(VerticalAlignment a) {
    if (a == verticalAlignment_) return;
    verticalAlignment_ = a;
    changed(true);
}

void CellStyle::setIndentH(quint8 pixels) {
    if (pixels == indentH_) return;
    indentH_ = pixels;
    changed(true);
}

void CellStyle::setIndentV(quint8 pixels) {
    if (pixels == indentV_) return;
    indentV_ = pixels;
    changed(true);
}

void CellStyle::setRotate(int degrees) {
    if (degrees == rotate_) return;
    rotate_ = degrees;
    changed(true);
}

// ---- LineDesign -----------------------------------------------------------------------------

void LineDesign::set(QColor& field, const QColor& value) {
    if (field == value) return;
    field = value;
    if (grid_) grid_->repaintGrid();
}

void LineDesign::setLineColor(const QColor& color) {
    set(lineColor_, color);
}
void LineDesign::setLineUpColor(const QColor& color) {
    set(lineUpColor_, color);
}
void LineDesign::setLineDownColor(const QColor& color) {
    set(lineDownColor_, color);
}

// ---- SelectColor ----------------------------------------------------------------------------

SelectColor::SelectColor(ColorStringGrid* grid)
    : grid_(grid),
      bgColor_(grid ? grid->palette().color(QPalette::Highlight) : QColor(0, 0x78, 0xD7)) {}

void SelectColor::setBgColor(const QColor& color) {
    if (color == bgColor_) return;
    bgColor_ = color;
    if (grid_) grid_->repaintGrid();
}

void SelectColor::setColoredSelect(bool on) {
    if (on == coloredSelect_) return;
    coloredSelect_ = on;
    if (grid_) grid_->repaintGrid();
}

void SelectColor::setUseFocusRect(bool on) {
    if (on == useFocusRect_) return;
    useFocusRect_ = on;
    if (grid_) grid_->repaintGrid();
}

// ---- InplaceEditorOptions -------------------------------------------------------------------

void InplaceEditorOptions::apply() {
    if (grid_ && !useCellStyle_) grid_->applyEditorOptions();
}

void InplaceEditorOptions::setFontColor(const QColor& color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    apply();
}

void InplaceEditorOptions::setBgColor(const QColor& color) {
    if (color == bgColor_) return;
    bgColor_ = color;
    apply();
}

void InplaceEditorOptions::setBorderStyle(EditorBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    apply();
}

void InplaceEditorOptions::setAlignment(HorizontalAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    apply();
}

void InplaceEditorOptions::setWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    apply();
}

void InplaceEditorOptions::setUseCellStyle(bool on) {
    if (on == useCellStyle_) return;
    useCellStyle_ = on;
    apply();
}

}  // namespace widgets
