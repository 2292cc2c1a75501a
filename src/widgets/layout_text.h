#pragma once

// Lays out (and draws) the text of a cell: lines split at line feeds, optional word wrap,
// rotation, alignment and indents. Also measures the room the text needs, which is how a
// column or row grows to fit its text.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;
class QFontMetrics;

namespace widgets {

enum class HorizontalAlignment : quint8 { LeftJustify, RightJustify, Center };
enum class VerticalAlignment : quint8 { Top, Center, Bottom };

enum class LayoutFlag : unsigned {
    FitWidth = 1,     // move the rectangle's right edge out to the width the text needs
    FitHeight = 2,    // move the rectangle's bottom edge down to the height the text needs
    MeasureOnly = 4,  // compute, draw nothing
};
Q_DECLARE_FLAGS(LayoutFlags, LayoutFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LayoutFlags)

struct TextLayoutParams {
    QString text;
    QFont font;
    int angle = 0;        // degrees, counter-clockwise
    int lineSpacing = 0;  // extra pixels between lines
    LayoutFlags flags;
    int indentV = 0;
    int indentH = 0;
    bool wordWrap = false;
    VerticalAlignment verticalAlignment = VerticalAlignment::Center;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::LeftJustify;
    QColor color = Qt::black;
};

// One line of the laid-out text: its text and where its box goes, in unrotated block
// coordinates (for angle 0 these are painter coordinates).
struct LaidOutLine {
    QString text;
    QRect box;
};

struct TextLayoutResult {
    QRect rect;                      // the given rectangle, grown when a fit flag asked for it
    QSize needed;                    // width and height the text needs, indents included
    std::vector<LaidOutLine> lines;  // placement of each line (for angle 0: final positions)
};

// Splits text into lines at line feeds (carriage returns dropped, an empty line becomes one
// blank) and, with word wrap, breaks lines wider than room at the last blank that lets the
// first part fit; a line with no such blank stays whole.
QStringList splitTextLines(const QString& text, const QFontMetrics& metrics, bool wordWrap,
                           int room);

// Lays the text out in rect; draws it with painter unless MeasureOnly is set (painter may then
// be null). Measurement uses the painter's device, else `device`, else the screen.
TextLayoutResult layoutText(QPainter* painter, const TextLayoutParams& params, QRect rect,
                            const QPaintDevice* device = nullptr);

}  // namespace widgets
