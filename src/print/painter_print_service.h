#pragma once
// PainterPrintService: the drawing half of PrintService on a QPainter, for any QPaintDevice
// (a printer, a PDF writer, an image). Subclasses choose the device and turn the pages.
// ImagePrintService: the pages as images, for checking cards pixel by pixel.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>

#include "print/print_service.h"

namespace print {

// The resolution the cards are laid out for.
inline constexpr int kCardResolution = 600;

class PainterPrintService : public PrintService {
public:
    ~PainterPrintService() override;

    void setFontSize(int points) override;
    void setFontStyle(FontStyle style) override;
    void setFillColour(Rgb colour) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& text) override;
    void clip(const Rect& area) override;
    void unclip() override;
    TextExtent measure(const std::string& text) const override;
    void turn(const Rect& area) override;
    void unturn() override;
    void fillPolygon(const std::vector<std::pair<int, int>>& points) override;
    // Draws the used slots as hatched frames (a preview); otherwise they are left out.
    void usedSlot(const Rect& area) override;
    void setShowsUsedSlots(bool shows) { showsUsedSlots_ = shows; }

protected:
    // Begins painting on `device` with a fresh canvas: the card face at 8 points, regular,
    // a black one-pixel pen, a white fill, nothing clipped. False when the device refuses.
    bool beginPainting(QPaintDevice& device);
    // Goes on painting on `device` (the next page of a document made of separate devices)
    // with the canvas as it was.
    bool resumePainting(QPaintDevice& device);
    bool endPainting();
    bool painting() const { return painter_.isActive(); }
    QPainter& canvas();
    // The device pixel of the page that is the device's top-left corner.
    void setOrigin(QPoint origin) { origin_ = origin; }

private:
    void applyCanvas();
    void applyTransform();

    QPainter painter_;
    QFont font_;
    QColor fill_{Qt::white};
    QRect clip_;
    bool clipped_ = false;
    QPoint origin_;
    bool turned_ = false;
    QRect turnedArea_;
    bool showsUsedSlots_ = false;
};

class ImagePrintService : public PainterPrintService {
public:
    // Pages of `pageHeight` device pixels at `dpi`; each page image holds only `area` of its
    // page (in device pixels), so a test can look at a few cards at full resolution.
    ImagePrintService(int pageHeight, QRect area, int dpi = kCardResolution);

    const QList<QImage>& pages() const { return pages_; }
    int selectedPrinter() const { return selected_; }

    std::vector<std::string> printers() const override { return {}; }
    void selectPrinter(int index) override { selected_ = index; }
    int pageHeight() const override { return pageHeight_; }
    void setTitle(const std::string&) override {}
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;

private:
    QImage blankPage() const;

    int pageHeight_;
    QRect area_;
    int dpi_;
    int selected_ = -1;
    QList<QImage> pages_;
};

}  // namespace print
