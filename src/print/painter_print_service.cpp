#include "print/painter_print_service.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <stdexcept>

namespace print {
namespace {

QFont cardFont() {
    QFont font;
    // The face the cards were designed with, then faces with its metrics.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

}  // namespace

PainterPrintService::~PainterPrintService() {
    if (painter_.isActive()) painter_.end();
}

bool PainterPrintService::beginPainting(QPaintDevice& device) {
    font_ = cardFont();
    fill_ = Qt::white;
    clipped_ = false;
    turned_ = false;
    return resumePainting(device);
}

bool PainterPrintService::resumePainting(QPaintDevice& device) {
    if (painter_.isActive()) painter_.end();
    if (!painter_.begin(&device)) return false;
    applyCanvas();
    return true;
}

void PainterPrintService::applyTransform() {
    painter_.resetTransform();
    painter_.translate(-origin_);
    if (turned_) {
        // x -> x1 + x2 - x: the area's pixels onto its own, the last one onto the first.
        painter_.translate(turnedArea_.left() + turnedArea_.right() + 1,
                           turnedArea_.top() + turnedArea_.bottom() + 1);
        painter_.scale(-1, -1);
    }
}

void PainterPrintService::applyCanvas() {
    applyTransform();
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    if (clipped_) painter_.setClipRect(clip_);
}

bool PainterPrintService::endPainting() {
    return !painter_.isActive() || painter_.end();
}

QPainter& PainterPrintService::canvas() {
    if (!painter_.isActive()) throw std::logic_error("no document begun");
    return painter_;
}

void PainterPrintService::setFontSize(int points) {
    font_.setPointSize(points);
    canvas().setFont(font_);
}

void PainterPrintService::setFontStyle(FontStyle style) {
    font_.setBold(style == FontStyle::Bold);
    canvas().setFont(font_);
}

void PainterPrintService::setFillColour(Rgb colour) {
    fill_ = QColor(colour.red, colour.green, colour.blue);
}

void PainterPrintService::fillPolygon(const std::vector<std::pair<int, int>>& points) {
    QPainter& p = canvas();
    QPolygon polygon;
    for (const auto& [x, y] : points) polygon << QPoint(x, y);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill_);
    p.drawPolygon(polygon);
    p.restore();
}

void PainterPrintService::rectangle(int x1, int y1, int x2, int y2) {
    QPainter& p = canvas();
    p.setBrush(fill_);
    // A stroked QRect covers its size plus the pen: the outline's last pixels are x2 - 1, y2 - 1.
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterPrintService::text(int x, int y, const std::string& text) {
    QPainter& p = canvas();
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics = p.fontMetrics();
    p.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), fill_);
    p.drawText(QPoint(x, y + metrics.ascent()), s);
}

void PainterPrintService::clip(const Rect& area) {
    clip_ = QRect(QPoint(area.x1, area.y1), QPoint(area.x2 - 1, area.y2 - 1));
    clipped_ = true;
    canvas().setClipRect(clip_);
}

void PainterPrintService::unclip() {
    clipped_ = false;
    canvas().setClipping(false);
}

TextExtent PainterPrintService::measure(const std::string& text) const {
    if (!painter_.isActive()) throw std::logic_error("no document begun");
    const QFontMetrics metrics = painter_.fontMetrics();
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void PainterPrintService::turn(const Rect& area) {
    canvas();
    turned_ = true;
    turnedArea_ = QRect(QPoint(area.x1, area.y1), QPoint(area.x2 - 1, area.y2 - 1));
    applyTransform();
}

void PainterPrintService::unturn() {
    canvas();
    turned_ = false;
    applyTransform();
}

// A grey frame hatched diagonally, a line every eighth of the frame's height.
void PainterPrintService::usedSlot(const Rect& area) {
    if (!showsUsedSlots_) return;
    QPainter& p = canvas();
    const QRect r(QPoint(area.x1, area.y1), QPoint(area.x2 - 1, area.y2 - 1));
    const int width = std::max(1, r.height() / 120);
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(140, 140, 140), width));
    p.setBrush(Qt::NoBrush);
    const int step = std::max(4, r.height() / 8);
    for (int x = r.left() - r.height(); x < r.right(); x += step)
        p.drawLine(x, r.bottom(), x + r.height(), r.top());
    p.setPen(QPen(QColor(140, 140, 140), 3 * width, Qt::DashLine));
    p.drawRect(r);
    p.restore();
}

ImagePrintService::ImagePrintService(int pageHeight, QRect area, int dpi)
    : pageHeight_(pageHeight), area_(area), dpi_(dpi) {}

QImage ImagePrintService::blankPage() const {
    QImage page(area_.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi_ / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

void ImagePrintService::beginDoc() {
    pages_.clear();
    pages_.append(blankPage());
    setOrigin(area_.topLeft());
    if (!beginPainting(pages_.last())) throw std::runtime_error("cannot paint on an image");
}

void ImagePrintService::newPage() {
    canvas();
    endPainting();
    pages_.append(blankPage());
    if (!resumePainting(pages_.last())) throw std::runtime_error("cannot paint on an image");
}

void ImagePrintService::endDoc() {
    canvas();
    endPainting();
}

void ImagePrintService::abort() {
    endPainting();
}

}  // namespace print
