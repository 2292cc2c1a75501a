#pragma once

// The style objects of ColorStringGrid: the style of one cell, the grid-line colours, the
// selection colours and the options of the in-place editor. Each knows the grid it belongs to
// (or none) and repaints it where a change shows.

#include "widgets/layout_text.h"

#include <QColor>
#include <QFont>

namespace widgets {

class ColorStringGrid;

enum class BorderCellStyle : quint8 { Lowered, Raised, None };

// The look of one cell. A QFont has no colour, so the style keeps the font and its colour
// side by side; the two are always copied together.
class CellStyle {
public:
    // Starts with a copy of the grid's font, in the grid's text colour (black without a grid).
    explicit CellStyle(ColorStringGrid* grid = nullptr);
    CellStyle(const CellStyle&) = delete;
    CellStyle& operator=(const CellStyle&) = delete;
    virtual ~CellStyle();

    // Copies every field but the grid from source, font and font colour included. Does not
    // repaint.
    virtual void assign(const CellStyle& source);
    // Copies the font only (the font colour stays).
    virtual void assign(const QFont& font);
    virtual void assignTo(CellStyle& target) const;
    virtual void assignTo(QFont& target) const;

    ColorStringGrid* grid() const { return grid_; }

    const QFont& font() const { return font_; }
    // Copies the font, lays the editor out afresh, fits the grid's current cell to its text and
    // repaints. The second form sets the font colour as well.
    void setFont(const QFont& font);
    void setFont(const QFont& font, const QColor& color);
    QColor fontColor() const { return fontColor_; }
    // Stored only: like changing the font object in place, it does not repaint.
    void setFontColor(const QColor& color) { fontColor_ = color; }

    QColor bgColor() const { return bgColor_; }
    void setBgColor(const QColor& color);  // repaints, even for the same colour

    HorizontalAlignment horizontalAlignment() const { return horizontalAlignment_; }
    void setHorizontalAlignment(HorizontalAlignment a);
    VerticalAlignment verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(VerticalAlignment a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on) { wordWrap_ = on; }
    bool sizingHeight() const { return sizingHeight_; }
    void setSizingHeight(bool on) { sizingHeight_ = on; }
    bool sizingWidth() const { return sizingWidth_; }
    void setSizingWidth(bool on) { sizingWidth_ = on; }
    BorderCellStyle borderCellStyle() const { return borderCellStyle_; }
    void setBorderCellStyle(BorderCellStyle style);
    quint8 indentH() const { return indentH_; }
    void setIndentH(quint8 pixels);
    quint8 indentV() const { return indentV_; }
    void setIndentV(quint8 pixels);
    int rotate() const { return rotate_; }
    void setRotate(int degrees);  // counter-clockwise

private:
    friend class ColorStringGrid;  // sets the templates' fill and font without side effects

    // Repaints the grid and, when asked, makes the editor lay itself out afresh.
    void changed(bool relayoutEditor);

    ColorStringGrid* grid_;
    QFont font_;
    QColor fontColor_;
    QColor bgColor_{0, 0, 0};
    HorizontalAlignment horizontalAlignment_ = HorizontalAlignment::LeftJustify;
    VerticalAlignment verticalAlignment_ = VerticalAlignment::Center;
    bool wordWrap_ = false;
    bool sizingHeight_ = false;
    bool sizingWidth_ = false;
    BorderCellStyle borderCellStyle_ = BorderCellStyle::None;
    quint8 indentH_ = 2;
    quint8 indentV_ = 0;
    int rotate_ = 0;
};

// Colours of the grid lines and of the two sides of raised and lowered cell borders.
class LineDesign {
public:
    explicit LineDesign(ColorStringGrid* grid = nullptr) : grid_(grid) {}
    QColor lineColor() const { return lineColor_; }
    void setLineColor(const QColor& color);
    QColor lineUpColor() const { return lineUpColor_; }  // light side
    void setLineUpColor(const QColor& color);
    QColor lineDownColor() const { return lineDownColor_; }  // dark side
    void setLineDownColor(const QColor& color);

private:
    void set(QColor& field, const QColor& value);
    ColorStringGrid* grid_;
    QColor lineColor_{0x80, 0x80, 0x80};
    QColor lineUpColor_{0xFF, 0xFF, 0xFF};
    QColor lineDownColor_{0, 0, 0};
};

// How selected cells look.
class SelectColor {
public:
    // The fill starts as the grid palette's highlight colour.
    explicit SelectColor(ColorStringGrid* grid = nullptr);
    QColor bgColor() const { return bgColor_; }
    void setBgColor(const QColor& color);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color) { fontColor_ = color; }  // stored only
    bool coloredSelect() const { return coloredSelect_; }
    void setColoredSelect(bool on);
    bool useFocusRect() const { return useFocusRect_; }
    void setUseFocusRect(bool on);

private:
    ColorStringGrid* grid_;
    QColor bgColor_;
    QColor fontColor_{0xFF, 0xFF, 0xFF};
    bool coloredSelect_ = true;
    bool useFocusRect_ = true;
};

enum class EditorBorderStyle : quint8 { None, Single };

// The look of the in-place editor when it does not take it from the cell's style.
class InplaceEditorOptions {
public:
    explicit InplaceEditorOptions(ColorStringGrid* grid = nullptr) : grid_(grid) {}
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    QColor bgColor() const { return bgColor_; }
    void setBgColor(const QColor& color);
    EditorBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(EditorBorderStyle style);
    HorizontalAlignment alignment() const { return alignment_; }
    void setAlignment(HorizontalAlignment a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    // On: the editor takes colour, font and alignment from the cell's style. Turning it off
    // applies all the options above to the editor at once.
    bool useCellStyle() const { return useCellStyle_; }
    void setUseCellStyle(bool on);

private:
    void apply();
    ColorStringGrid* grid_;
    QColor fontColor_{0, 0, 0};
    QColor bgColor_{0xFF, 0xFF, 0xFF};
    EditorBorderStyle borderStyle_ = EditorBorderStyle::None;
    HorizontalAlignment alignment_ = HorizontalAlignment::LeftJustify;
    bool wordWrap_ = true;
    bool useCellStyle_ = true;
};

}  // namespace widgets
