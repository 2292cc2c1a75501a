#pragma once
// QtPrintService: PrintService on a QPrinter at 600 dpi, drawn with QPainter. Its target is
// one of: the installed printers (selectPrinter picks one by index), a PDF file, or a
// QPrinter handed in (the print preview's). For the last two the index is not used.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "print/print_service.h"

class QPrinter;

namespace print {

inline constexpr int kCardResolution = 600;

class QtPrintService : public PrintService {
public:
    // The installed printers.
    QtPrintService();
    // The cards go to the PDF file `fileName` (A4, upright).
    static std::unique_ptr<QtPrintService> toPdf(const QString& fileName);
    // The cards go to `printer`, which must outlive the service.
    static std::unique_ptr<QtPrintService> toPrinter(QPrinter& printer);
    ~QtPrintService() override;

    std::vector<std::string> printers() const override;
    void selectPrinter(int index) override;
    int pageHeight() const override;
    void setTitle(const std::string& title) override;
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    void setFontSize(int points) override;
    void setFontStyle(FontStyle style) override;
    void setFillColour(Rgb colour) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& text) override;

    QPrinter* printer() const { return printer_; }

private:
    enum class Target { Installed, Pdf, Given };
    explicit QtPrintService(Target target);
    QPrinter& current() const;
    QPainter& canvas();

    Target target_;
    QString pdfFile_;
    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_ = nullptr;
    QPainter painter_;
    QFont font_;
    QColor fill_{Qt::white};
};

}  // namespace print
