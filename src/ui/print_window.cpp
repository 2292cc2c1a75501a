#include "store/schema.h"
#include "ui/print_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <utility>

#include "db/sql_connection.h"
#include "print/qt_print_service.h"
#include "store/transaction.h"
#include "ui/handlers.h"
#include "ui/placement.h"
#include "ui/modal.h"
#include "ui/print_row.h"

namespace ui {
namespace {

constexpr int kRowsLeft = 30;
constexpr int kRowsTop = 50;
constexpr int kRowStep = 28;

QString askPdfFile(QWidget* owner) {
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Wydruk do pliku PDF"), QStringLiteral("listy.pdf"),
                                        QStringLiteral("PDF (*.pdf)"));
}

PrintWindow::PdfFileChooser& pdfChooser() {
    static PrintWindow::PdfFileChooser chooser;
    return chooser;
}

QString choosePdfFile(QWidget* owner) { return pdfChooser() ? pdfChooser()(owner) : askPdfFile(owner); }

}  // namespace

PrintWindow::PdfFileChooser PrintWindow::setPdfFileChooser(PdfFileChooser chooser) {
    return std::exchange(pdfChooser(), std::move(chooser));
}

PrintWindow::PrintWindow(db::SqlConnection& baza, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Wydruk"));
    resize(554 - 16, 447 - 39);  // the outer size less the frame and the title bar
    centreOnScreen(*this, {554, 447});
    for (db::SqlQuery* q : {&sql1_, &sql2_}) {
        q->setConnection(&baza);
        q->setAutoCommit(false);
        q->setMaxResults(0);
        q->setStartResult(0);
    }

    // Everything in the client area scrolls together, vertically only.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setWidgetResizable(false);
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("content"));
    scroll_->setWidget(content_);
    scroll_->setGeometry(rect());

    label1_ = new QLabel(QStringLiteral("Wybór drukarki"), content_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(8, 16, 72, 13);
    label1_->resize(qMax(72, label1_->sizeHint().width()), 13);
    comboBox1_ = new QComboBox(content_);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(104, 16, 329, 21);
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    button1_ = new QPushButton(QStringLiteral("Drukuj"), content_);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(440, 16, 75, 25);
    button1_->setAutoDefault(false);
    button1_->setContextMenuPolicy(Qt::CustomContextMenu);
    setTabOrder(comboBox1_, button1_);

    connectHandler(button1_, &QPushButton::clicked, this, &PrintWindow::button1Click);
    connectHandler(button1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* pdf = menu.addAction(QStringLiteral("Drukuj do pliku PDF..."));
        QAction* preview = menu.addAction(QStringLiteral("Podgląd wydruku"));
        QAction* chosen = menu.exec(button1_->mapToGlobal(at));
        if (chosen == pdf) printToPdf();
        if (chosen == preview) printPreview();
    });
    // Typed text that is not exactly a printer's name leaves no printer selected.
    connectHandler(comboBox1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const int index = comboBox1_->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index != comboBox1_->currentIndex()) {
            const QSignalBlocker block(comboBox1_);
            comboBox1_->setCurrentIndex(index);
            comboBox1_->setEditText(text);
        }
    });

    formCreate();
    fitContent();
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::formCreate() {
    drukarki_ = std::make_unique<print::QtPrintService>();
    comboBox1_->clear();
    for (const std::string& name : drukarki_->printers()) comboBox1_->addItem(QString::fromStdString(name));
    comboBox1_->setCurrentIndex(-1);
    comboBox1_->setEditText(QString());
    wiersze_.clear();
}

void PrintWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { formShow(); });
}

void PrintWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    scroll_->setGeometry(rect());
    fitContent();
}

PrintRow* PrintWindow::addRow(int top) {
    auto row = std::make_unique<PrintRow>(content_);
    row->move(kRowsLeft, top);
    row->show();
    wiersze_.push_back(std::move(row));
    return wiersze_.back().get();
}

void PrintWindow::formShow() {
    store::openQuery(sql1_, store::kWaybillListSql);
    wiersze_.clear();
    sql1_.first();
    addRow(kRowsTop)->makeHeader();
    const int n = sql1_.recordCount();
    auto text = [this](int field) { return QString::fromStdString(sql1_.fields(field).asString()); };
    for (int i = 1; i <= n; ++i) {
        PrintRow* row = addRow(kRowsTop + kRowStep * i);
        row->st_odb->setText(text(6));
        row->odb->setText(text(5));
        row->wagon->setText(text(3));
        row->nad->setText(text(2));
        row->st_nad->setText(text(1));
        row->ilosc->setText(QStringLiteral("2"));
        row->ladunek->setText(text(4));
        sql1_.next();
    }
    fitContent();
    scroll_->verticalScrollBar()->setValue(0);
}

void PrintWindow::fitContent() {
    // The scrolled area reaches down to the lowest row; it is never wider than the view.
    int bottom = button1_->geometry().bottom() + 1;
    for (const auto& row : wiersze_) bottom = qMax(bottom, row->geometry().bottom() + 1);
    const int barWidth = bottom > height() ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    content_->resize(width() - barWidth, qMax(bottom, height()));
}

std::vector<print::PrintRowData> PrintWindow::rowData() const {
    std::vector<print::PrintRowData> rows;
    for (std::size_t i = 1; i < wiersze_.size(); ++i) rows.push_back(wiersze_[i]->data());
    return rows;
}

void PrintWindow::run(print::PrintService& service, int printerIndex) {
    print::printWaybills(service, sql2_, printerIndex, rowData(), skala_);
}

void PrintWindow::button1Click() {
    const int index = comboBox1_->currentIndex();
    if (testService_) {
        run(*testService_, index);
        return;
    }
    print::QtPrintService printers;
    if (printers.printers().empty()) {
        // No printer installed: the cards go into a PDF file instead.
        printToPdf();
        return;
    }
    run(printers, index);
}

void PrintWindow::printToPdf() {
    const QString file = choosePdfFile(this);
    if (file.isEmpty()) return;
    auto service = print::QtPrintService::toPdf(file);
    run(*service, -1);
}

void PrintWindow::printPreview() {
    QPrintPreviewDialog preview(this);
    preview.setObjectName(QStringLiteral("preview"));
    preview.setWindowTitle(QStringLiteral("Listy przewozowe"));
    const std::vector<print::PrintRowData> rows = rowData();
    connectHandler(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this, &rows](QPrinter* printer) {
        auto service = print::QtPrintService::toPrinter(*printer);
        print::printWaybills(*service, sql2_, -1, rows, skala_);
    });
    showModal(preview);
}

}  // namespace ui
