#include "widgets/layout_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace widgets {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& s) {
    int b = 0, e = static_cast<int>(s.size());
    while (b < e && isBlank(s.at(b))) ++b;
    while (e > b && isBlank(s.at(e - 1))) --e;
    return s.mid(b, e - b);
}

// Where a line of width w starts inside [left, left + width) by the horizontal rule: left and
// right keep the indent from their edge, centred text ignores it.
int alignX(HorizontalAlignment a, int left, int width, int w, int indent) {
    switch (a) {
        case HorizontalAlignment::RightJustify:
            return left + width - indent - w;
        case HorizontalAlignment::Center:
            return left + (width - w) / 2;
        case HorizontalAlignment::LeftJustify:
            break;
    }
    return left + indent;
}

// Where a block of height h starts inside [top, top + height); centred blocks taller than the
// room stand out equally above and below (the difference keeps its sign).
int alignY(VerticalAlignment a, int top, int height, int h, int indent) {
    switch (a) {
        case VerticalAlignment::Top:
            return top + indent;
        case VerticalAlignment::Bottom:
            return top + height - indent - h;
        case VerticalAlignment::Center:
            break;
    }
    return top + (height - h) / 2;
}

}  // namespace

QStringList splitTextLines(const QString& text, const QFontMetrics& metrics, bool wordWrap,
                           int room) {
    QStringList out;
    QString plain = text;
    plain.remove(u'\r');
    const QStringList raw = plain.split(u'\n');
    for (QString line : raw) {
        if (line.isEmpty()) line = QStringLiteral(" ");
        if (!wordWrap) {
            out << line;
            continue;
        }
        for (;;) {
            if (metrics.horizontalAdvance(line) <= room) {
                out << line;
                break;
            }
            // The last blank before which the line fits; the part before it must hold some
            // text, or breaking would only add an empty line.
            int cut = -1;
            for (int i = static_cast<int>(line.size()) - 1; i > 0; --i) {
                if (isBlank(line.at(i)) && !trimBlanks(line.left(i)).isEmpty() &&
                    metrics.horizontalAdvance(line.left(i)) <= room) {
                    cut = i;
                    break;
                }
            }
            if (cut < 0) {
                out << line;
                break;
            }
            out << line.left(cut);
            const QString rest = trimBlanks(line.mid(cut + 1));
            if (rest.isEmpty()) break;
            line = rest;
        }
    }
    return out;
}

TextLayoutResult layoutText(QPainter* painter, const TextLayoutParams& p, QRect rect,
                            const QPaintDevice* device) {
    TextLayoutResult result;
    int angle = p.angle % 360;
    if (angle < 0) angle += 360;

    if (painter && painter->device()) device = painter->device();
    const QFontMetrics fm = device ? QFontMetrics(p.font, device) : QFontMetrics(p.font);

    const int room =
        rect.width() - (p.horizontalAlignment == HorizontalAlignment::Center ? 2 : 1) * p.indentH;
    const QStringList lines = splitTextLines(p.text, fm, p.wordWrap, room);

    const int lineHeight = fm.height();
    std::vector<int> widths;
    int blockW = 0;
    for (const QString& line : lines) {
        widths.push_back(fm.horizontalAdvance(line));
        blockW = std::max(blockW, widths.back());
    }
    const int n = static_cast<int>(lines.size());
    const int blockH = n * lineHeight + std::max(0, n - 1) * p.lineSpacing;

    const double rad = angle * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(rad));
    const double s = std::abs(std::sin(rad));
    const double boxW = blockW * c + blockH * s;
    const double boxH = blockH * c + blockW * s;
    result.needed = QSize(static_cast<int>(std::lround(boxW + p.indentH)),
                          static_cast<int>(std::lround(boxH + p.indentV)));
    if ((p.flags & LayoutFlag::FitWidth) && rect.width() < result.needed.width())
        rect.setWidth(result.needed.width());
    if ((p.flags & LayoutFlag::FitHeight) && rect.height() < result.needed.height())
        rect.setHeight(result.needed.height());
    result.rect = rect;

    if (angle == 0) {
        int y = alignY(p.verticalAlignment, rect.top(), rect.height(), blockH, p.indentV);
        for (int i = 0; i < n; ++i) {
            const int x =
                alignX(p.horizontalAlignment, rect.left(), rect.width(), widths[i], p.indentH);
            result.lines.push_back({lines[i], QRect(x, y, widths[i], lineHeight)});
            y += lineHeight + p.lineSpacing;
        }
    } else {
        // Lines in block coordinates around the block's centre; the rotated block's bounding
        // box is placed in the rectangle by the same rules as an unrotated block.
        int y = -blockH / 2;
        for (int i = 0; i < n; ++i) {
            const int x = alignX(p.horizontalAlignment, -blockW / 2, blockW, widths[i], 0);
            result.lines.push_back({lines[i], QRect(x, y, widths[i], lineHeight)});
            y += lineHeight + p.lineSpacing;
        }
    }

    if ((p.flags & LayoutFlag::MeasureOnly) || !painter) return result;

    painter->save();
    painter->setFont(p.font);
    painter->setPen(p.color);
    painter->setBackgroundMode(Qt::TransparentMode);
    if (angle == 0) {
        for (const LaidOutLine& line : result.lines)
            painter->drawText(QPoint(line.box.left(), line.box.top() + fm.ascent()), line.text);
    } else {
        const int bw = static_cast<int>(std::lround(boxW));
        const int bh = static_cast<int>(std::lround(boxH));
        const int bx = alignX(p.horizontalAlignment, rect.left(), rect.width(), bw, p.indentH);
        const int by = alignY(p.verticalAlignment, rect.top(), rect.height(), bh, p.indentV);
        painter->translate(bx + boxW / 2.0, by + boxH / 2.0);
        painter->rotate(-angle);  // counter-clockwise on screen
        for (const LaidOutLine& line : result.lines)
            painter->drawText(QPoint(line.box.left(), line.box.top() + fm.ascent()), line.text);
    }
    painter->restore();
    return result;
}

}  // namespace widgets
