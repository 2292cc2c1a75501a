#include "print/qt_print_service.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <stdexcept>

namespace print {
namespace {

QPageLayout wholeSheet(Paper paper, bool landscape) {
    return QPageLayout(QPageSize(paper == Paper::A4   ? QPageSize::A4
                                 : paper == Paper::A6 ? QPageSize::A6
                                                      : QPageSize::Letter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// `polish`, a text of context "print::QtPrintService", in the chosen language.
std::string said(const char* polish) {
    return QCoreApplication::translate("print::QtPrintService", polish).toStdString();
}
std::string said(const char* polish, const QString& arg) {
    return QCoreApplication::translate("print::QtPrintService", polish).arg(arg).toStdString();
}

}  // namespace

QtPrintService::QtPrintService() : QtPrintService(Target::Installed) {}

QtPrintService::QtPrintService(Target target) : target_(target) {}

QtPrintService::~QtPrintService() {
    if (painting()) abort();
}

std::unique_ptr<QtPrintService> QtPrintService::toPdf(const QString& fileName) {
    std::unique_ptr<QtPrintService> service(new QtPrintService(Target::Pdf));
    service->pdfFile_ = fileName;
    return service;
}

std::unique_ptr<QtPrintService> QtPrintService::toPrinter(QPrinter& printer) {
    std::unique_ptr<QtPrintService> service(new QtPrintService(Target::Given));
    service->printer_ = &printer;
    return service;
}

std::vector<std::string> QtPrintService::printers() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

void QtPrintService::selectPrinter(int index) {
    if (painting()) throw std::logic_error("selectPrinter: a document is open");
    switch (target_) {
        case Target::Installed: {
            const QStringList names = QPrinterInfo::availablePrinterNames();
            QPrinterInfo info;
            if (index == -1) {
                info = QPrinterInfo::defaultPrinter();
                if (info.isNull() && !names.isEmpty())
                    info = QPrinterInfo::printerInfo(names.first());
                if (info.isNull())
                    throw std::runtime_error(said(QT_TRANSLATE_NOOP(
                        "print::QtPrintService", "Nie ma zainstalowanej drukarki")));
            } else if (index >= 0 && index < names.size()) {
                info = QPrinterInfo::printerInfo(names.at(index));
            }
            if (info.isNull())
                throw std::runtime_error(
                    said(QT_TRANSLATE_NOOP("print::QtPrintService", "Nie ma drukarki o numerze %1"),
                         QString::number(index)));
            owned_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            printer_ = owned_.get();
            break;
        }
        case Target::Pdf:
            pdf_.reset();
            pdfOut_ = std::make_unique<QSaveFile>(pdfFile_);
            pdf_ = std::make_unique<QPdfWriter>(pdfOut_.get());
            pdf_->setResolution(kCardResolution);
            pdf_->setPageLayout(wholeSheet(Paper::A4, false));
            return;
        case Target::Given:
            break;
    }
    printer_->setResolution(kCardResolution);
    // The whole sheet is the page: a printer's own margins would shrink and move the cards.
    printer_->setFullPage(true);
}

void QtPrintService::setPaper(Paper paper, bool landscape) {
    if (painting()) throw std::logic_error("setPaper: a document is open");
    device();
    const QPageLayout layout = wholeSheet(paper, landscape);
    if (target_ == Target::Pdf) {
        pdf_->setPageLayout(layout);
        return;
    }
    printer_->setFullPage(true);
    printer_->setPageSize(layout.pageSize());
    printer_->setPageOrientation(layout.orientation());
}

QPaintDevice& QtPrintService::device() const {
    if (target_ == Target::Pdf) {
        if (!pdf_) throw std::logic_error("no printer selected");
        return *pdf_;
    }
    if (!printer_) throw std::logic_error("no printer selected");
    return *printer_;
}

int QtPrintService::pageHeight() const {
    return device().height();
}

void QtPrintService::setTitle(const std::string& title) {
    device();
    if (target_ == Target::Pdf) {
        pdf_->setTitle(QString::fromStdString(title));
    } else {
        printer_->setDocName(QString::fromStdString(title));
    }
}

void QtPrintService::beginDoc() {
    QPaintDevice& target = device();
    const bool opened = target_ != Target::Pdf || pdfOut_->open(QIODevice::WriteOnly);
    if (!opened || !beginPainting(target)) {
        if (target_ == Target::Pdf) discardPdf();
        const QString where = target_ == Target::Pdf                 ? pdfFile_
                              : printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                                     : printer_->outputFileName();
        throw std::runtime_error(said(
            QT_TRANSLATE_NOOP("print::QtPrintService", "Nie można rozpocząć wydruku: %1"), where));
    }
}

void QtPrintService::newPage() {
    canvas();
    const bool ok = target_ == Target::Pdf ? pdf_->newPage() : printer_->newPage();
    if (!ok)
        throw std::runtime_error(said(QT_TRANSLATE_NOOP(
            "print::QtPrintService", "Nie można rozpocząć nowej strony wydruku")));
}

void QtPrintService::endDoc() {
    canvas();
    if (!endPainting()) {
        if (target_ == Target::Pdf) discardPdf();
        throw std::runtime_error(
            said(QT_TRANSLATE_NOOP("print::QtPrintService", "Nie można zakończyć wydruku")));
    }
    if (target_ == Target::Pdf) {
        // The finished file takes the place of the one chosen, in one step.
        if (!pdfOut_->commit())
            throw std::runtime_error(
                said(QT_TRANSLATE_NOOP("print::QtPrintService", "Nie można zapisać pliku %1"),
                     pdfFile_));
    }
}

void QtPrintService::abort() {
    if (!painting()) return;
    if (target_ != Target::Pdf) printer_->abort();
    endPainting();
    // A cancelled document leaves the chosen file as it was.
    if (target_ == Target::Pdf) discardPdf();
}

// The temporary file goes; the chosen one is not touched.
void QtPrintService::discardPdf() {
    if (!pdfOut_ || !pdfOut_->isOpen()) return;
    pdfOut_->cancelWriting();
    pdfOut_->commit();
}

}  // namespace print
