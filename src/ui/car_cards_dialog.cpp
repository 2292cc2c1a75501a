#include "ui/car_cards_dialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/settings.h"
#include "print/qt_print_service.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/modal.h"
#include "ui/print_options_dialog.h"

namespace ui {
namespace {

constexpr int kMaxCopies = 100;

CarCardsDialog::PdfFileChooser& pdfChooser() {
    static CarCardsDialog::PdfFileChooser chooser;
    return chooser;
}

CardColoursDialog::ColourChooser& colourChooser() {
    static CardColoursDialog::ColourChooser chooser;
    return chooser;
}

QComboBox* combo(QWidget* owner, const char* name) {
    auto* box = new QComboBox(owner);
    box->setObjectName(QLatin1String(name));
    return box;
}

}  // namespace

CarCardsDialog::CarCardsDialog(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), wagons_(session.wagons()) {
    setWindowTitle(tr("Karty wagonów"));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(static_cast<int>(wagons_.size()), 3, this);
    table_->setObjectName(QStringLiteral("wagons"));
    table_->setHorizontalHeaderLabels({tr("Wagon"), tr("Klasa"), tr("Kopie")});
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < static_cast<int>(wagons_.size()); ++i) {
        const model::Wagon& w = wagons_[static_cast<std::size_t>(i)];
        auto* number = new QTableWidgetItem(QString::fromStdString(w.number));
        number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        number->setCheckState(Qt::Checked);
        table_->setItem(i, 0, number);
        auto* cls = new QTableWidgetItem(QString::fromStdString(w.wagonClass));
        cls->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table_->setItem(i, 1, cls);
        table_->setItem(i, 2, new QTableWidgetItem(QStringLiteral("1")));
    }
    layout->addWidget(table_, 1);

    auto* form = new QFormLayout;
    format_ = combo(this, "format");
    for (print::CarCardPreset p : print::kCarPresets)
        format_->addItem(QCoreApplication::translate("print::CarCards", print::carPresetLabel(p)),
                         static_cast<int>(p));
    paper_ = combo(this, "paper");
    for (print::Paper p : {print::Paper::A4, print::Paper::Letter, print::Paper::A6})
        paper_->addItem(QString::fromUtf8(print::paperLabel(p)), static_cast<int>(p));
    pocket_ = combo(this, "pocket");
    pocket_->addItem(tr("własna formatu"), -1);
    for (print::CardPreset p : print::kPresets) {
        if (p != print::CardPreset::Custom)
            pocket_->addItem(
                QCoreApplication::translate("print::CardFormat", print::presetLabel(p)),
                static_cast<int>(p));
    }
    // The user's own card size, used with "Własny…".
    auto size = [this](const char* name, double value) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(20, 400);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" mm"));
        box->setValue(value);
        return box;
    };
    width_ = size("width", config::read(config::kCarCardWidth));
    height_ = size("height", config::read(config::kCarCardHeight));
    auto customSize = [this] {
        const bool custom = static_cast<print::CarCardPreset>(format_->currentData().toInt()) ==
                            print::CarCardPreset::Custom;
        width_->setEnabled(custom);
        height_->setEnabled(custom);
    };
    connect(format_, &QComboBox::currentIndexChanged, this, customSize);
    format_->setCurrentIndex(std::max(0, config::read(config::kCarCardFormat)));
    paper_->setCurrentIndex(std::max(0, config::read(config::kCarCardPaper)));
    pocket_->setCurrentIndex(std::max(0, config::read(config::kCarCardPocket)));
    form->addRow(tr("&Format karty:"), format_);
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(width_);
    sizes->addWidget(new QLabel(QStringLiteral("×"), this));
    sizes->addWidget(height_);
    // A row of a text and a layout would leave its label without a buddy, showing the "&".
    auto* sizesLabel = new QLabel(tr("&Własny rozmiar:"), this);
    sizesLabel->setBuddy(width_);
    form->addRow(sizesLabel, sizes);
    customSize();
    form->addRow(tr("&Arkusz:"), paper_);
    form->addRow(tr("&Kieszeń na list:"), pocket_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const QString& text, const char* name,
                                  void (CarCardsDialog::*m)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connectHandler(b, &QPushButton::clicked, this, m);
    };
    button(tr("&Podgląd"), "preview", &CarCardsDialog::preview);
    button(tr("P&DF…"), "pdf", &CarCardsDialog::printToPdf);
    button(tr("&Drukuj"), "print", &CarCardsDialog::printCards);
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(480, 460);
}

void CarCardsDialog::setPdfFileChooser(PdfFileChooser chooser) {
    pdfChooser() = std::move(chooser);
}

std::vector<print::CarCardRow> CarCardsDialog::rows() const {
    std::vector<print::CarCardRow> out;
    for (int i = 0; i < table_->rowCount(); ++i) {
        if (table_->item(i, 0)->checkState() != Qt::Checked) continue;
        bool ok = false;
        const int copies = table_->item(i, 2)->text().trimmed().toInt(&ok);
        if (!ok || copies < 0 || copies > kMaxCopies) {
            throw std::runtime_error(
                tr("Liczba kopii wagonu %1 musi być liczbą od 0 do %2, a jest „%3”.")
                    .arg(table_->item(i, 0)->text())
                    .arg(kMaxCopies)
                    .arg(table_->item(i, 2)->text())
                    .toStdString());
        }
        out.push_back({wagons_[static_cast<std::size_t>(i)], copies});
    }
    return out;
}

print::CarCardOptions CarCardsDialog::options() const {
    print::CarCardOptions o;
    const auto preset = static_cast<print::CarCardPreset>(format_->currentData().toInt());
    const auto paper = static_cast<print::Paper>(paper_->currentData().toInt());
    if (preset == print::CarCardPreset::Custom) {
        std::string why;
        const std::optional<print::CarCardFormat> custom =
            print::customCarCardFormat(width_->value(), height_->value(), paper, &why);
        if (!custom) throw std::runtime_error(why);
        o.format = *custom;
    } else {
        o.format = print::carCardFormat(preset, paper);
    }
    if (o.format.cardsPerSheet() == 0) {
        throw std::runtime_error(tr("Karta %1 nie mieści się na arkuszu %2.")
                                     .arg(format_->currentText(), paper_->currentText())
                                     .toStdString());
    }
    const int pocket = pocket_->currentData().toInt();
    if (pocket >= 0) {
        const print::CardFormat slip = print::cardFormat(static_cast<print::CardPreset>(pocket));
        if (!print::fitPocket(o.format, slip)) {
            throw std::runtime_error(tr("Karta listu %1 nie mieści się na karcie %2.")
                                         .arg(pocket_->currentText(), format_->currentText())
                                         .toStdString());
        }
    }
    o.colours = session_.cardColours();
    return o;
}

void CarCardsDialog::remember() const {
    config::write(config::kCarCardFormat, format_->currentIndex());
    config::write(config::kCarCardPaper, paper_->currentIndex());
    config::write(config::kCarCardPocket, pocket_->currentIndex());
    config::write(config::kCarCardWidth, width_->value());
    config::write(config::kCarCardHeight, height_->value());
}

void CarCardsDialog::preview() {
    const auto rows = this->rows();
    const auto options = this->options();
    remember();
    QPrintPreviewDialog preview(this);
    preview.setObjectName(QStringLiteral("preview"));
    preview.setWindowTitle(tr("Karty wagonów: %1, arkusze: %2")
                               .arg(format_->currentText())
                               .arg(print::carCardSheets(rows, options)));
    connectHandler(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&rows, &options](QPrinter* printer) {
                       auto service = print::QtPrintService::toPrinter(*printer);
                       print::printCarCards(*service, -1, rows, options);
                   });
    showModal(preview);
}

void CarCardsDialog::printToPdf() {
    const auto rows = this->rows();
    const auto options = this->options();
    remember();
    const QString file = pdfChooser() ? pdfChooser()(this)
                                      : QFileDialog::getSaveFileName(
                                            this, tr("Karty wagonów do pliku PDF"),
                                            QStringLiteral("wagony.pdf"), tr("PDF (*.pdf)"));
    if (file.isEmpty()) return;
    auto service = print::QtPrintService::toPdf(file);
    print::printCarCards(*service, -1, rows, options);
}

void CarCardsDialog::printCards() {
    const auto rows = this->rows();
    auto options = this->options();
    remember();
    if (testService_) {
        print::printCarCards(*testService_, -1, rows, options);
        return;
    }
    print::QtPrintService printers;
    if (printers.printers().empty()) {
        printToPdf();  // no printer installed: the cards go into a PDF file
        return;
    }
    const print::PrinterOffset offset = loadPrinterOffset(QPrinterInfo::defaultPrinterName());
    options.offsetX = offset.x;
    options.offsetY = offset.y;
    print::printCarCards(printers, -1, rows, options);
}

// --- Kolory kart ------------------------------------------------------------------------

CardColoursDialog::CardColoursDialog(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Kolory kart"));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("groups"));
    table_->setHorizontalHeaderLabels({tr("Grupa klas (pierwsze litery)"), tr("Kolor papieru")});
    table_->horizontalHeader()->setStretchLastSection(true);
    for (const model::CardColourGroup& g : session_.cardColours()) addRow(g);
    layout->addWidget(table_, 1);
    auto* rowButtons = new QHBoxLayout;
    auto* add = new QPushButton(tr("&Dodaj grupę"), this);
    auto* remove = new QPushButton(tr("&Usuń grupę"), this);
    auto* colour = new QPushButton(tr("&Kolor…"), this);
    for (QPushButton* b : {add, remove, colour}) {
        b->setAutoDefault(false);
        rowButtons->addWidget(b);
    }
    rowButtons->addStretch();
    layout->addLayout(rowButtons);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connectHandler(add, &QPushButton::clicked, this, [this](bool) { addRow({"", "#ffffff"}); });
    connectHandler(remove, &QPushButton::clicked, this, [this](bool) {
        if (table_->currentRow() >= 0) table_->removeRow(table_->currentRow());
    });
    connectHandler(colour, &QPushButton::clicked, this,
                   [this](bool) { chooseColour(table_->currentRow()); });
    connectHandler(table_, &QTableWidget::cellActivated, this, [this](int row, int column) {
        if (column == 1) chooseColour(row);
    });
    resize(420, 320);
}

void CardColoursDialog::setColourChooser(ColourChooser chooser) {
    colourChooser() = std::move(chooser);
}

void CardColoursDialog::addRow(const model::CardColourGroup& g) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(g.group)));
    auto* colour = new QTableWidgetItem(QString::fromStdString(g.colour));
    colour->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    colour->setBackground(QColor(QString::fromStdString(g.colour)));
    table_->setItem(row, 1, colour);
}

void CardColoursDialog::chooseColour(int row) {
    if (row < 0 || row >= table_->rowCount()) return;
    QTableWidgetItem* item = table_->item(row, 1);
    const QColor start(item->text());
    const QColor chosen = colourChooser()
                              ? colourChooser()(this, start)
                              : QColorDialog::getColor(start, this, tr("Kolor papieru"));
    if (!chosen.isValid()) return;
    item->setText(chosen.name());
    item->setBackground(chosen);
}

std::vector<model::CardColourGroup> CardColoursDialog::groups() const {
    std::vector<model::CardColourGroup> out;
    for (int i = 0; i < table_->rowCount(); ++i) {
        out.push_back({table_->item(i, 0)->text().trimmed().toStdString(),
                       table_->item(i, 1)->text().toStdString()});
    }
    return out;
}

void CardColoursDialog::accept() {
    runHandler(this, [this] {
        session_.setCardColours(groups());
        QDialog::accept();
    });
}

}  // namespace ui
