#pragma once
// QtPrintService: PrintService at 600 dpi on one of: the installed printers (selectPrinter
// picks one by index), a PDF file, or a QPrinter handed in (the print preview's). For the
// last two the index is not used. On every one the page is the whole sheet (no margins of
// the printer's own), so the cards come out at the same place and size whichever way they
// go; setPaper() chooses the sheet. A PDF file is written beside its place under a temporary
// name and put in place only when the document ends well, so a run that fails leaves an
// existing file as it was.

#include <QString>
#include <memory>

#include "print/painter_print_service.h"

class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace print {

class QtPrintService : public PainterPrintService {
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
    void setPaper(Paper paper, bool landscape) override;
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;

    QPrinter* printer() const { return printer_; }

private:
    enum class Target { Installed, Pdf, Given };
    explicit QtPrintService(Target target);
    QPaintDevice& device() const;
    void discardPdf();

    Target target_;
    QString pdfFile_;
    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QSaveFile> pdfOut_;
    std::unique_ptr<QPdfWriter> pdf_;
};

}  // namespace print
