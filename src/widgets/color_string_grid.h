#pragma once

// A string grid in which every cell has a style of its own (fill, font and font colour,
// alignment, indents, rotation, word wrap, 3D border, growing to fit its text), with grid lines
// and selection colours of its own choosing and a multi-line editor laid over the current cell.
//
// Typical use:
//
//     auto* grid = new widgets::ColorStringGrid(this);
//     grid->setColCount(2);
//     grid->setFixedCols(0);
//     grid->setColWidths(0, 427);
//     grid->setOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine |
//                      GridOption::HorzLine);
//     grid->setScrollBars(ScrollBars::Vertical);
//     grid->setRowCount(n + 1);
//     grid->setCells(0, r, name);
//     grid->cellStyle(1, r).setBgColor(swatch);   // the cell's own style, created on first use
//     grid->cellStyle(1, r).setFontColor(swatch);
//     connect(grid, &StringGrid::mouseDown, this, [grid](auto, auto, QPoint pos) {
//         const GridCoord cell = grid->mouseCoord(pos);   // -1 where there is no cell
//     });

#include "widgets/cell_style.h"
#include "widgets/string_grid.h"

#include <memory>
#include <vector>

class QTextEdit;

namespace widgets {

class ColorStringGrid : public StringGrid {
    Q_OBJECT

public:
    explicit ColorStringGrid(QWidget* parent = nullptr);
    ~ColorStringGrid() override;

    // The style of one cell, created on first use as a copy of defaultCellStyle() (or of
    // defaultFixedCellStyle() for a fixed cell) as that default is at that moment. For a cell
    // outside the grid: defaultCellStyle() itself, so a change through it alters the template
    // for cells styled later.
    CellStyle& cellStyle(int col, int row);
    // Whether the cell already has a style of its own.
    bool hasCellStyle(int col, int row) const;

    // Stores the text when it differs from the present one, fits the cell to it, emits
    // editTextSet and repaints.
    void setCells(int col, int row, const QString& text) override;
    // Resize the style matrix first: styles of dropped cells are destroyed, new cells start
    // without a style.
    void setColCount(int count) override;
    void setRowCount(int count) override;
    // Also the fill of defaultFixedCellStyle().
    void setFixedColor(const QColor& color) override;
    // Editing is this grid's own (the in-place editor); the rest goes to the base grid.
    GridOptions options() const override;
    void setOptions(GridOptions options) override;

    CellStyle& defaultCellStyle() { return *defaultCellStyle_; }
    const CellStyle& defaultCellStyle() const { return *defaultCellStyle_; }
    // Copies style into the default; the grid's background becomes its fill. Cells that
    // already have a style keep it.
    void setDefaultCellStyle(const CellStyle& style);
    CellStyle& defaultFixedCellStyle() { return *defaultFixedCellStyle_; }
    const CellStyle& defaultFixedCellStyle() const { return *defaultFixedCellStyle_; }
    // Copies style into the fixed default; fixedColor() becomes its fill.
    void setDefaultFixedCellStyle(const CellStyle& style);
    LineDesign& lineDesign() { return *lineDesign_; }
    SelectColor& selectedColors() { return *selectedColors_; }
    InplaceEditorOptions& inplaceEditorOptions() { return *inplaceEditorOptions_; }

    // Word wrap and fitting: the grid's own switches apply to every cell, unless the matching
    // useCell... switch is on, when each cell's style decides.
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    bool useCellWordWrap() const { return useCellWordWrap_; }
    void setUseCellWordWrap(bool on);
    bool sizingHeight() const { return sizingHeight_; }
    void setSizingHeight(bool on) { sizingHeight_ = on; }
    bool sizingWidth() const { return sizingWidth_; }
    void setSizingWidth(bool on) { sizingWidth_ = on; }
    bool useCellSizingHeight() const { return useCellSizingHeight_; }
    void setUseCellSizingHeight(bool on) { useCellSizingHeight_ = on; }
    bool useCellSizingWidth() const { return useCellSizingWidth_; }
    void setUseCellSizingWidth(bool on) { useCellSizingWidth_ = on; }

    // Moves the column (row) with its texts and styles to the end and drops it. Nothing
    // happens for an index out of range or for the grid's only column (row).
    void removeColumn(int index);
    void removeRow(int index);

    // Grows the cell's column and row to fit its text, as far as sizing is on for the cell.
    // Columns and rows only grow.
    virtual void autoSizeCell(int col, int row);

    // The in-place editor (works with GridOption::Editing on and RowSelect off).
    virtual void showCellEditor();
    virtual void showCellEditorText();
    virtual void hideCellEditor();
    QTextEdit* inplaceEditor() const { return editor_; }
    bool isEditorShowing() const;

signals:
    // Between filling a cell and drawing its text; the painter's pen and brush are restored
    // afterwards.
    void beforeTextDrawCell(QPainter* painter, int col, int row, const QRect& rect,
                            widgets::DrawState state);

protected:
    void drawCell(QPainter& painter, int col, int row, const QRect& rect, DrawState state) override;
    void drawCellBorder(QPainter& painter, int col, int row, const QRect& rect) override;
    QColor lineColor() const override;
    bool wantsFocusRect() const override;
    bool selectCell(int col, int row) override;
    void columnMoved(int from, int to) override;
    void rowMoved(int from, int to) override;
    void keyTyped(QChar key) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class CellStyle;
    friend class LineDesign;
    friend class SelectColor;
    friend class InplaceEditorOptions;

    bool editingActive() const;
    bool wordWrapFor(const CellStyle& style) const;
    // Clears the record of the cell the editor was laid out for.
    void invalidateEditorLayout() { editorCell_ = GridCoord{}; }
    void applyEditorOptions();
    void editorTextChanged();
    QRect editorRectFor(int col, int row) const;

    std::vector<std::vector<std::unique_ptr<CellStyle>>> styles_;  // [col][row]
    std::unique_ptr<CellStyle> defaultFixedCellStyle_;
    std::unique_ptr<CellStyle> defaultCellStyle_;
    std::unique_ptr<LineDesign> lineDesign_;
    std::unique_ptr<SelectColor> selectedColors_;
    std::unique_ptr<InplaceEditorOptions> inplaceEditorOptions_;
    bool wordWrap_ = false;
    bool useCellWordWrap_ = false;
    bool sizingHeight_ = false;
    bool sizingWidth_ = false;
    bool useCellSizingHeight_ = false;
    bool useCellSizingWidth_ = false;
    bool editing_ = false;
    QTextEdit* editor_ = nullptr;
    GridCoord editorCell_;  // the cell the editor was last laid out for
    QRect editorRect_;
    bool loadingEditor_ = false;
};

}  // namespace widgets
