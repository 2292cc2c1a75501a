#include "ui/print_window.h"
#include "model/schema.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QWheelEvent>
#include <utility>

#include "model/transaction.h"
#include "print/qt_print_service.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/modal.h"
#include "ui/placement.h"
#include "ui/print_list.h"
#include "ui/print_options_dialog.h"
#include "ui/print_row.h"
#include "ui/print_rows.h"
#include "ui/retranslate.h"
#include "ui/window_habits.h"
#include "ui/window_keys.h"

namespace ui {
namespace {

constexpr int kRowsLeft = 30;
constexpr int kRowsTop = 50;
constexpr int kRowStep = 28;

QString askPdfFile(QWidget* owner) {
    return QFileDialog::getSaveFileName(
        owner, QCoreApplication::translate("ui::PrintWindow", "Wydruk do pliku PDF"),
        QStringLiteral("listy.pdf"), QCoreApplication::translate("ui::PrintWindow", "PDF (*.pdf)"));
}

PrintWindow::PdfFileChooser& pdfChooser() {
    static PrintWindow::PdfFileChooser chooser;
    return chooser;
}

QString choosePdfFile(QWidget* owner) {
    return pdfChooser() ? pdfChooser()(owner) : askPdfFile(owner);
}

// "1 arkusz", "2 arkusze", "5 arkuszy", "22 arkusze", "0 arkuszy"; in the other languages
// their own plural ("1 Bogen", "2 Bogen"; "1 sheet", "2 sheets").
QString sheetsText(int n) {
    const int ones = n % 10, tens = n % 100;
    const char* word = n == 1 ? QT_TRANSLATE_NOOP("ui::PrintWindow", "%1 arkusz")
                       : ones >= 2 && ones <= 4 && !(tens >= 12 && tens <= 14)
                           ? QT_TRANSLATE_NOOP("ui::PrintWindow", "%1 arkusze")
                           : QT_TRANSLATE_NOOP("ui::PrintWindow", "%1 arkuszy");
    return QCoreApplication::translate("ui::PrintWindow", word).arg(n);
}

}  // namespace

PrintWindow::PdfFileChooser PrintWindow::setPdfFileChooser(PdfFileChooser chooser) {
    return std::exchange(pdfChooser(), std::move(chooser));
}

PrintWindow::PrintWindow(session::Session& session, QWidget* parent)
    : QDialog(parent),
      waybills_(session, "sql1", model::kWaybillListSql),
      colours_(session, "sql2", std::string()) {
    resize(insideOf({554, 447}));
    // Enlarged, the window shows more of its list; never smaller than designed.
    setMinimumSize(insideOf({554, 447}));
    rememberPlace(*this, QStringLiteral("wydruk"));
    centreOnScreen(*this, {554, 447});
    for (session::ShownList* q : {&waybills_, &colours_}) q->setAutoCommit(false);

    // Everything in the client area scrolls together, vertically only, by the window's own
    // scroll bar: the printer controls, the header row and the list of waybills.
    rows_ = new PrintRowsModel(this);
    header_ = new PrintHeaderRow(this);
    list_ = new PrintList(this);
    list_->setModel(rows_);
    list_->viewport()->installEventFilter(this);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setSingleStep(20);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(8, 16, 72, 13);
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(104, 16, 329, 21);
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    comboBox1_->setCompleter(nullptr);
    button1_ = new QPushButton(this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(440, 16, 75, 25);
    button1_->setAutoDefault(false);
    button1_->setContextMenuPolicy(Qt::CustomContextMenu);
    setTabOrder(comboBox1_, button1_);
    setTabOrder(button1_, list_);
    connect(scroll_, &QScrollBar::valueChanged, this, &PrintWindow::placeContent);
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, &PrintWindow::followList);

    connectHandler(button1_, &QPushButton::clicked, this, &PrintWindow::printTicked);
    connectHandler(button1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* pdf = menu.addAction(tr("Drukuj do pliku PDF..."));
        QAction* preview = menu.addAction(tr("Podgląd wydruku"));
        menu.addSeparator();
        QAction* options = menu.addAction(tr("Opcje wydruku…"));
        QAction* chosen = menu.exec(button1_->mapToGlobal(at));
        if (chosen == pdf) printToPdf();
        if (chosen == preview) printPreview();
        if (chosen == options) editPrintOptions();
    });
    makeListMenu();
    addPrintKeys();
    followLanguage(*this, [this] { retranslate(); });
    // Typed text that is not exactly a printer's name leaves no printer selected.
    connectHandler(comboBox1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const int index = comboBox1_->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index != comboBox1_->currentIndex()) {
            const QSignalBlocker block(comboBox1_);
            comboBox1_->setCurrentIndex(index);
            comboBox1_->setEditText(text);
        }
    });

    listPrinters();
    fitContent();
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::listPrinters() {
    printers_ = std::make_unique<print::QtPrintService>();
    comboBox1_->clear();
    for (const std::string& name : printers_->printers())
        comboBox1_->addItem(QString::fromStdString(name));
    comboBox1_->setCurrentIndex(-1);
    comboBox1_->setEditText(QString());
    rows_->clear();
}

void PrintWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

// The rows live only while the window is shown.
void PrintWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        rows_->clear();
        waybills_.close();
        fitContent();
    }
}

void PrintWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitContent();
}

void PrintWindow::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(scroll_, event);
}

// The wheel over the list scrolls the whole window.
bool PrintWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Wheel) {
        QApplication::sendEvent(scroll_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintWindow::fillOnShow() {
    rows_->clear();  // before the result it reads goes
    waybills_.setSql(model::kWaybillListSql);
    waybills_.open();
    rows_->load(waybills_);
    if (rows_->rowCount() > 0) list_->setCurrentIndex(rows_->index(0, PrintRowsModel::Tick));
    fitContent();
    scroll_->setValue(0);
    placeContent();
}

// The scrolled area reaches down to the lowest row; the scroll bar shows when it reaches
// below the window.
void PrintWindow::fitContent() {
    const int linesHeight = list_->linesHeight();
    constexpr int kButtonsBottom = 16 + 25;
    const int bottom = qMax(kButtonsBottom, linesHeight > 0 ? kRowsTop + kRowStep + linesHeight
                                                            : kRowsTop + print_row::kHeight);
    const int maximum = qMax(0, bottom - height());
    scroll_->setRange(0, maximum);
    scroll_->setPageStep(height());
    const int barWidth = scroll_->sizeHint().width();
    scroll_->setGeometry(width() - barWidth, 0, barWidth, height());
    scroll_->setVisible(maximum > 0);
    placeContent();
}

// Every control at its place less the scrolled distance; the list shows its lines from the
// one at the window's top edge.
void PrintWindow::placeContent() {
    if (placing_) return;
    placing_ = true;
    const int v = scroll_->value();
    label1_->move(8, 16 - v);
    comboBox1_->move(104, 16 - v);
    button1_->move(440, 16 - v);
    header_->move(kRowsLeft, kRowsTop - v);
    const int linesTop = kRowsTop + kRowStep - v;
    const int top = qMax(0, linesTop);
    list_->setGeometry(kRowsLeft, top, print_row::kWidth, qMax(0, height() - top));
    list_->verticalScrollBar()->setValue(qMax(0, -linesTop));
    list_->raise();
    scroll_->raise();
    placing_ = false;
}

// The list scrolled itself (to show its current line): the window scrolls by as much.
void PrintWindow::followList(int listValue) {
    if (placing_) return;
    const int expected = qMax(0, scroll_->value() - kRowsTop - kRowStep);
    if (listValue != expected) scroll_->setValue(scroll_->value() + listValue - expected);
    placeContent();
}

// Every way of printing takes the options as they were last chosen; a printer also its own
// offset.
void PrintWindow::run(print::PrintService& service, int printerIndex, bool toPrinter) {
    print::PrintOptions options = loadPrintOptions();
    if (toPrinter) options.offset = loadPrinterOffset(printerName());
    print::printWaybills(service, colours_.query(), printerIndex, rows_->printRows(), scale_,
                         options);
}

QString PrintWindow::printerName() const {
    return comboBox1_->currentIndex() >= 0 ? comboBox1_->currentText()
                                           : QPrinterInfo::defaultPrinterName();
}

void PrintWindow::editPrintOptions() {
    PrintOptionsDialog dialog(this);
    const QString printer = printerName();
    print::PrintOptions options = loadPrintOptions();
    options.offset = loadPrinterOffset(printer);
    dialog.setPrinterName(printer);
    dialog.setOptions(options);
    showModal(dialog);
    if (dialog.result() == QDialog::Accepted) {
        savePrintOptions(dialog.options());
        savePrinterOffset(printer, dialog.options().offset);
    }
}

// The list's commands, in its context menu and on their shortcuts wherever the focus is in
// the window (a text box keeps its own Ctrl+A).
void PrintWindow::makeListMenu() {
    struct Command {
        const char* name;
        const char* text;  // Polish, shown translated
        QKeySequence keys;
        void (PrintWindow::*handler)();
    };
    const Command commands[] = {
        {"zaznaczWszystkie", QT_TR_NOOP("Zaznacz wszystkie"), QKeySequence(Qt::CTRL | Qt::Key_A),
         &PrintWindow::tickAll},
        {"odznaczWszystkie", QT_TR_NOOP("Odznacz wszystkie"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &PrintWindow::untickAll},
        {"odwrocZaznaczenie", QT_TR_NOOP("Odwróć zaznaczenie"), QKeySequence(Qt::CTRL | Qt::Key_I),
         &PrintWindow::invertTicks},
        {"zaznaczNadania", QT_TR_NOOP("Zaznacz ze stacji nadania…"),
         QKeySequence(Qt::CTRL | Qt::Key_N), &PrintWindow::tickBySendingStation},
        {"zaznaczOdbioru", QT_TR_NOOP("Zaznacz do stacji odbioru…"),
         QKeySequence(Qt::CTRL | Qt::Key_O), &PrintWindow::tickByReceivingStation},
        {"liczbaKopii", QT_TR_NOOP("Liczba kopii zaznaczonych…"),
         QKeySequence(Qt::CTRL | Qt::Key_L), &PrintWindow::setTickedCounts},
    };
    QList<QAction*> actions;
    for (const Command& c : commands) {
        auto* action = new QAction(tr(c.text), this);
        action->setProperty("sourceText", QByteArray(c.text));
        action->setObjectName(QLatin1String(c.name));
        action->setShortcut(c.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connectHandler(action, &QAction::triggered, this, c.handler);
        addAction(action);
        actions << action;
    }
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connectHandler(list_, &QWidget::customContextMenuRequested, this,
                   [this, actions](const QPoint& at) {
                       QMenu menu(this);
                       menu.addActions(actions.mid(0, 3));
                       menu.addSeparator();
                       menu.addActions(actions.mid(3, 2));
                       menu.addSeparator();
                       menu.addAction(actions.at(5));
                       menu.exec(list_->viewport()->mapToGlobal(at));
                   });
}

void PrintWindow::tickAll() {
    rows_->setAllTicked(true);
}

void PrintWindow::untickAll() {
    rows_->setAllTicked(false);
}

void PrintWindow::invertTicks() {
    rows_->invertTicks();
}

void PrintWindow::tickBySendingStation() {
    tickByStation(PrintRowsModel::SendingStation, tr("Zaznacz ze stacji nadania"),
                  tr("Stacja nadania:"));
}

void PrintWindow::tickByReceivingStation() {
    tickByStation(PrintRowsModel::ReceivingStation, tr("Zaznacz do stacji odbioru"),
                  tr("Stacja odbioru:"));
}

// The stations of the listed waybills to pick from; the rows of the picked one are ticked
// besides those ticked already.
void PrintWindow::tickByStation(int column, const QString& caption, const QString& label) {
    const auto station = static_cast<PrintRowsModel::Column>(column);
    const QStringList stations = rows_->distinctTexts(station);
    if (stations.isEmpty()) return;
    const int picked = Dialogs::instance().choose(this, caption, label, stations);
    if (picked >= 0) rows_->tickWhere(station, stations.at(picked));
    list_->setFocus();  // the keyboard goes on in the list
}

// The commands of "Drukuj"'s context menu get keys of their own, named in its tooltip.
void PrintWindow::addPrintKeys() {
    struct Command {
        const char* name;
        const char* text;  // Polish, shown translated
        QKeySequence keys;
        void (PrintWindow::*handler)();
    };
    const Command commands[] = {
        {"drukujPdf", QT_TR_NOOP("Drukuj do pliku PDF"), QKeySequence(Qt::CTRL | Qt::Key_E),
         &PrintWindow::printToPdf},
        {"podgladWydruku", QT_TR_NOOP("Podgląd wydruku"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &PrintWindow::printPreview},
        {"opcjeWydruku", QT_TR_NOOP("Opcje wydruku"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
         &PrintWindow::editPrintOptions},
    };
    QStringList named;
    for (const Command& c : commands) {
        auto* action = new QAction(tr(c.text), this);
        action->setProperty("sourceText", QByteArray(c.text));
        action->setObjectName(QLatin1String(c.name));
        action->setShortcut(c.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connectHandler(action, &QAction::triggered, this, c.handler);
        addAction(action);
    }
}

// The window's texts in the chosen language, the actions' from the Polish each one keeps.
void PrintWindow::retranslate() {
    setWindowTitle(tr("Wydruk"));
    label1_->setText(tr("Wybór drukarki"));
    label1_->resize(qMax(72, label1_->sizeHint().width()), 13);
    button1_->setText(tr("Drukuj"));
    for (QAction* action : actions()) {
        const QByteArray source = action->property("sourceText").toByteArray();
        if (!source.isEmpty()) action->setText(tr(source.constData()));
    }
    QStringList named;
    for (const char* name : {"drukujPdf", "podgladWydruku", "opcjeWydruku"}) {
        const QAction* action = findChild<QAction*>(QLatin1String(name));
        named << QStringLiteral("%1 (%2)").arg(action->text(), keyText(action->shortcut()));
    }
    button1_->setToolTip(tr("Drukuje zaznaczone listy. Prawy przycisk myszy: %1.")
                             .arg(named.join(QStringLiteral(", "))));
}

// One number for every ticked row, starting from the current row's count when that is one.
void PrintWindow::setTickedCounts() {
    if (rows_->tickedRows() == 0) {
        Dialogs::instance().inform(this, tr("Nie zaznaczono żadnego listu."));
        return;
    }
    constexpr int kMaxCopies = 999;
    int start = 2;
    const QModelIndex current = list_->currentIndex();
    if (current.isValid()) {
        bool ok = false;
        const int count = rows_->count(current.row()).trimmed().toInt(&ok);
        if (ok && count >= 0 && count <= kMaxCopies) start = count;
    }
    const std::optional<int> copies = Dialogs::instance().askNumber(
        this, tr("Liczba kopii"), tr("Liczba kopii każdego zaznaczonego listu:"), start, 0,
        kMaxCopies);
    if (copies) rows_->setTickedCounts(QString::number(*copies));
}

void PrintWindow::printTicked() {
    const int index = comboBox1_->currentIndex();
    if (testService_) {
        run(*testService_, index, true);
        return;
    }
    print::QtPrintService printers;
    if (printers.printers().empty()) {
        // No printer installed: the cards go into a PDF file instead.
        printToPdf();
        return;
    }
    run(printers, index, true);
}

void PrintWindow::printToPdf() {
    const QString file = choosePdfFile(this);
    if (file.isEmpty()) return;
    auto service = print::QtPrintService::toPdf(file);
    run(*service, -1, false);
}

// The sheets as the PDF file would show them, on their paper, with the slots used already
// hatched; the title tells the format and how many sheets the run takes.
void PrintWindow::printPreview() {
    QPrintPreviewDialog preview(this);
    preview.setObjectName(QStringLiteral("preview"));
    const std::vector<print::PrintRowData> rows = rows_->printRows();
    const print::PrintOptions options = loadPrintOptions();
    const print::CardFormat& f = options.format;
    const QString format =
        f.preset == print::CardPreset::Custom
            ? tr("%1×%2 mm").arg(f.width).arg(f.height)
            : QString::fromUtf8(print::presetLabel(f.preset)).section(QLatin1Char(' '), 0, 1);
    preview.setWindowTitle(tr("Listy przewozowe: %1 %2, %3%4")
                               .arg(sheetsText(print::sheetsNeeded(rows, options)),
                                    QString::fromUtf8(print::paperLabel(f.paper)), format,
                                    options.fold ? tr(", składane") : QString()));
    connectHandler(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this, &rows, &options](QPrinter* printer) {
                       auto service = print::QtPrintService::toPrinter(*printer);
                       service->setShowsUsedSlots(true);
                       print::printWaybills(*service, colours_.query(), -1, rows, scale_, options);
                   });
    showModal(preview);
}

}  // namespace ui
