#include "print/qt_print_service.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

namespace print {
namespace {

QFont canvasFont() {
    QFont font;
    // The face the cards were designed with, then faces with its metrics.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

void prepare(QPrinter& printer) {
    printer.setResolution(kCardResolution);
    printer.setFullPage(false);
}

}  // namespace

QtPrintService::QtPrintService() : QtPrintService(Target::Installed) {}

QtPrintService::QtPrintService(Target target) : target_(target), font_(canvasFont()) {}

QtPrintService::~QtPrintService() {
    if (painter_.isActive()) abort();
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
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

void QtPrintService::selectPrinter(int index) {
    if (painter_.isActive()) throw std::logic_error("selectPrinter: a document is open");
    switch (target_) {
        case Target::Installed: {
            const QStringList names = QPrinterInfo::availablePrinterNames();
            QPrinterInfo info;
            if (index == -1) {
                info = QPrinterInfo::defaultPrinter();
                if (info.isNull() && !names.isEmpty()) info = QPrinterInfo::printerInfo(names.first());
                if (info.isNull()) throw std::runtime_error("Nie ma zainstalowanej drukarki");
            } else if (index >= 0 && index < names.size()) {
                info = QPrinterInfo::printerInfo(names.at(index));
            }
            if (info.isNull()) throw std::runtime_error("Nie ma drukarki o numerze " + std::to_string(index));
            owned_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            printer_ = owned_.get();
            break;
        }
        case Target::Pdf:
            owned_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            owned_->setOutputFormat(QPrinter::PdfFormat);
            owned_->setOutputFileName(pdfFile_);
            owned_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            printer_ = owned_.get();
            break;
        case Target::Given:
            break;
    }
    prepare(*printer_);
}

QPrinter& QtPrintService::current() const {
    if (!printer_) throw std::logic_error("no printer selected");
    return *printer_;
}

QPainter& QtPrintService::canvas() {
    if (!painter_.isActive()) throw std::logic_error("no document begun");
    return painter_;
}

int QtPrintService::pageHeight() const { return current().height(); }

void QtPrintService::setTitle(const std::string& title) { current().setDocName(QString::fromStdString(title)); }

void QtPrintService::beginDoc() {
    QPrinter& printer = current();
    if (!painter_.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw std::runtime_error("Nie można rozpocząć wydruku: " + where.toStdString());
    }
    font_ = canvasFont();
    fill_ = Qt::white;
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtPrintService::newPage() {
    canvas();
    if (!current().newPage()) throw std::runtime_error("Nie można rozpocząć nowej strony wydruku");
}

void QtPrintService::endDoc() {
    canvas();
    if (!painter_.end()) throw std::runtime_error("Nie można zakończyć wydruku");
}

void QtPrintService::abort() {
    if (!painter_.isActive()) return;
    printer_->abort();
    painter_.end();
    // A cancelled document leaves no file behind.
    if (target_ == Target::Pdf) QFile::remove(pdfFile_);
}

void QtPrintService::setFontSize(int points) {
    font_.setPointSize(points);
    canvas().setFont(font_);
}

void QtPrintService::setFontStyle(FontStyle style) {
    font_.setBold(style == FontStyle::Bold);
    canvas().setFont(font_);
}

void QtPrintService::setFillColour(Rgb colour) { fill_ = QColor(colour.red, colour.green, colour.blue); }

void QtPrintService::rectangle(int x1, int y1, int x2, int y2) {
    QPainter& p = canvas();
    p.setBrush(fill_);
    // A stroked QRect covers its size plus the pen: the outline's last pixels are x2 - 1, y2 - 1.
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void QtPrintService::text(int x, int y, const std::string& text) {
    QPainter& p = canvas();
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics = p.fontMetrics();
    p.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), fill_);
    p.drawText(QPoint(x, y + metrics.ascent()), s);
}

}  // namespace print
