#include "ui/print_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/settings.h"
#include "ui/dialogs.h"
#include "ui/window_keys.h"

namespace ui {
namespace {

// The orders in the list's order.
constexpr print::CardOrder kOrders[] = {print::CardOrder::Listed, print::CardOrder::BySending,
                                        print::CardOrder::ByReceiving};

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

constexpr print::Paper kPapers[] = {print::Paper::A4, print::Paper::Letter};

QDoubleSpinBox* millimetres(QWidget* parent, const char* name) {
    auto* box = named(new QDoubleSpinBox(parent), name);
    box->setDecimals(1);
    box->setRange(10, 300);
    box->setSingleStep(1);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

QSpinBox* tenths(QWidget* parent, const char* name) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(-100, 100);
    return box;
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("opcjeWydruku"));
    setWindowTitle(tr("Opcje wydruku"));
    closeOnEscape(*this);

    firstSlot_ = named(new QSpinBox(this), "firstSlot");
    firstSlot_->setRange(print::PrintOptions::kFirstSlotMin, print::PrintOptions::kFirstSlotMax);
    slotHint_ = new QLabel(this);
    slotHint_->setEnabled(false);
    order_ = named(new QComboBox(this), "order");
    order_->addItems(
        {tr("Jak na liście"), tr("Według stacji nadania"), tr("Według stacji odbioru")});
    returnCards_ = named(new QCheckBox(tr("Karta &zwrotna próżnego wagonu po każdej kopii"), this),
                         "returnCards");
    letterCodes_ =
        named(new QCheckBox(tr("Kody &literowe kolorów na pasach stacji (BIA, CZE, ŻÓŁ…)"), this),
              "letterCodes");
    tonerSaver_ = named(
        new QCheckBox(tr("&Oszczędzanie tonera: bez szarego tła, wyraźna linia cięcia"), this),
        "tonerSaver");

    format_ = named(new QComboBox(this), "cardFormat");
    for (print::CardPreset preset : print::kPresets)
        format_->addItem(
            QCoreApplication::translate("print::CardFormat", print::presetLabel(preset)));
    paper_ = named(new QComboBox(this), "paper");
    for (print::Paper paper : kPapers) paper_->addItem(QString::fromUtf8(print::paperLabel(paper)));
    customWidth_ = millimetres(this, "customWidth");
    customHeight_ = millimetres(this, "customHeight");
    customWidth_->setValue(45);
    customHeight_->setValue(65);
    customLandscape_ = named(new QCheckBox(tr("Arkusz pozio&my"), this), "customLandscape");
    fold_ = named(
        new QCheckBox(tr("List &składany: karta zwrotna na odwrocie, złożyć wzdłuż linii"), this),
        "fold");
    offsetLabel_ = new QLabel(this);
    offsetX_ = tenths(this, "offsetX");
    offsetY_ = tenths(this, "offsetY");

    auto* form = new QFormLayout;
    form->addRow(tr("&Pierwsze pole arkusza:"), firstSlot_);
    form->addRow(QString(), slotHint_);
    form->addRow(tr("&Kolejność kart:"), order_);

    auto* formatForm = new QFormLayout;
    formatForm->addRow(tr("&Format kart:"), format_);
    formatForm->addRow(tr("P&apier:"), paper_);
    auto* custom = new QHBoxLayout;
    auto* widthLabel = new QLabel(tr("Sz&erokość"), this);
    widthLabel->setBuddy(customWidth_);
    auto* heightLabel = new QLabel(tr("&Wysokość"), this);
    heightLabel->setBuddy(customHeight_);
    custom->addWidget(widthLabel);
    custom->addWidget(customWidth_);
    custom->addWidget(heightLabel);
    custom->addWidget(customHeight_);
    custom->addWidget(customLandscape_);
    formatForm->addRow(tr("Własny format:"), custom);
    auto* offset = new QHBoxLayout;
    auto* rightLabel = new QLabel(tr("w p&rawo"), this);
    rightLabel->setBuddy(offsetX_);
    auto* downLabel = new QLabel(tr("w dó&ł"), this);
    downLabel->setBuddy(offsetY_);
    offset->addWidget(rightLabel);
    offset->addWidget(offsetX_);
    offset->addWidget(downLabel);
    offset->addWidget(offsetY_);
    offset->addStretch();

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                                   QDialogButtonBox::RestoreDefaults,
                                               this),
                          "buttons");
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
    buttons->button(QDialogButtonBox::RestoreDefaults)->setText(tr("&Domyślne"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { setOptions({}); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(returnCards_);
    layout->addWidget(letterCodes_);
    layout->addWidget(tonerSaver_);
    layout->addSpacing(8);
    layout->addLayout(formatForm);
    layout->addWidget(fold_);
    layout->addSpacing(8);
    layout->addWidget(offsetLabel_);
    layout->addLayout(offset);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    QWidget* order[] = {firstSlot_, order_,   returnCards_, letterCodes_,  tonerSaver_,
                        format_,    paper_,   customWidth_, customHeight_, customLandscape_,
                        fold_,      offsetX_, offsetY_,     buttons};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(format_, &QComboBox::currentIndexChanged, this, &PrintOptionsDialog::followFormat);
    connect(paper_, &QComboBox::currentIndexChanged, this, &PrintOptionsDialog::followFormat);
    connect(customWidth_, &QDoubleSpinBox::valueChanged, this, &PrintOptionsDialog::followFormat);
    connect(customHeight_, &QDoubleSpinBox::valueChanged, this, &PrintOptionsDialog::followFormat);
    connect(customLandscape_, &QCheckBox::toggled, this, &PrintOptionsDialog::followFormat);
    connect(fold_, &QCheckBox::toggled, this, &PrintOptionsDialog::followFormat);
    setPrinterName(QString());
    firstSlot_->setFocus();
    setOptions({});
}

std::optional<print::CardFormat> PrintOptionsDialog::chosenFormat(std::string* why) const {
    const auto preset = print::kPresets[qBound(0, format_->currentIndex(),
                                               static_cast<int>(std::size(print::kPresets)) - 1)];
    const print::Paper paper = kPapers[qBound(0, paper_->currentIndex(), 1)];
    if (preset != print::CardPreset::Custom) return print::cardFormat(preset, paper);
    return print::customCardFormat(customWidth_->value(), customHeight_->value(), paper,
                                   customLandscape_->isChecked(), why);
}

void PrintOptionsDialog::followFormat() {
    const bool custom = format_->currentIndex() == format_->count() - 1;
    for (QWidget* w :
         std::initializer_list<QWidget*>{customWidth_, customHeight_, customLandscape_})
        w->setEnabled(custom);
    returnCards_->setEnabled(!fold_->isChecked());
    const std::optional<print::CardFormat> format = chosenFormat();
    if (!format) return;  // the slots stay as they were until the sizes fit
    const int count = print::sheetGrid(*format, fold_->isChecked()).count();
    firstSlot_->setRange(print::PrintOptions::kFirstSlotMin, qMax(1, count));
    slotHint_->setText(tr("Pola arkusza liczone rzędami od lewego górnego (1–%1).\n"
                          "Pola przed nim zostają puste: arkusz zaczęty poprzednio.")
                           .arg(count));
}

void PrintOptionsDialog::setPrinterName(const QString& name) {
    offsetLabel_->setText(name.isEmpty()
                              ? tr("Przesunięcie wydruku na drukarce domyślnej (w 0,1 mm):")
                              : tr("Przesunięcie wydruku na drukarce „%1” (w 0,1 mm):").arg(name));
}

void PrintOptionsDialog::accept() {
    std::string why;
    if (!chosenFormat(&why)) {
        Dialogs::instance().inform(this, QString::fromStdString(why));
        customWidth_->setFocus();
        return;
    }
    QDialog::accept();
}

void PrintOptionsDialog::setOptions(const print::PrintOptions& options) {
    const print::CardFormat& f = options.format;
    for (std::size_t i = 0; i < std::size(print::kPresets); ++i) {
        if (print::kPresets[i] == f.preset) format_->setCurrentIndex(static_cast<int>(i));
    }
    paper_->setCurrentIndex(f.paper == print::Paper::A4 ? 0 : 1);
    if (f.preset == print::CardPreset::Custom) {
        customWidth_->setValue(f.width);
        customHeight_->setValue(f.height);
        customLandscape_->setChecked(f.landscape);
    }
    fold_->setChecked(options.fold);
    offsetX_->setValue(options.offset.x);
    offsetY_->setValue(options.offset.y);
    followFormat();
    firstSlot_->setValue(options.firstSlot);
    for (int i = 0; i < 3; ++i) {
        if (kOrders[i] == options.order) order_->setCurrentIndex(i);
    }
    returnCards_->setChecked(options.returnCards);
    letterCodes_->setChecked(options.letterCodes);
    tonerSaver_->setChecked(options.tonerSaver);
}

print::PrintOptions PrintOptionsDialog::options() const {
    print::PrintOptions options;
    options.firstSlot = firstSlot_->value();
    options.order = kOrders[qBound(0, order_->currentIndex(), 2)];
    options.returnCards = returnCards_->isChecked();
    options.letterCodes = letterCodes_->isChecked();
    options.tonerSaver = tonerSaver_->isChecked();
    options.format = chosenFormat().value_or(
        print::cardFormat(print::CardPreset::Listy, kPapers[qBound(0, paper_->currentIndex(), 1)]));
    options.fold = fold_->isChecked();
    options.offset = {offsetX_->value(), offsetY_->value()};
    return options;
}

print::PrintOptions loadPrintOptions() {
    using config::read;
    print::PrintOptions options;
    print::CardPreset preset = print::CardPreset::Listy;
    print::Paper paper = print::Paper::A4;
    print::presetFromName(read(config::kPrintCardFormat).toStdString(), preset);
    print::paperFromName(read(config::kPrintPaper).toStdString(), paper);
    options.format = print::cardFormat(preset, paper);
    if (preset == print::CardPreset::Custom) {
        const auto custom = print::customCardFormat(read(config::kPrintCustomWidth),
                                                    read(config::kPrintCustomHeight), paper,
                                                    read(config::kPrintCustomLandscape));
        if (custom) options.format = *custom;
    }
    options.fold = read(config::kPrintFold);
    const int slot = read(config::kPrintFirstSlot);
    if (slot >= print::PrintOptions::kFirstSlotMin && slot <= options.slotsPerSheet()) {
        options.firstSlot = slot;
    }
    print::orderFromName(read(config::kPrintOrder).toStdString(), options.order);
    options.returnCards = read(config::kPrintReturnCards);
    options.letterCodes = read(config::kPrintLetterCodes);
    options.tonerSaver = read(config::kPrintTonerSaver);
    return options;
}

void savePrintOptions(const print::PrintOptions& options) {
    using config::write;
    write(config::kPrintFirstSlot, options.firstSlot);
    write(config::kPrintOrder, QString::fromStdString(print::orderName(options.order)));
    write(config::kPrintReturnCards, options.returnCards);
    write(config::kPrintLetterCodes, options.letterCodes);
    write(config::kPrintTonerSaver, options.tonerSaver);
    const print::CardFormat& f = options.format;
    write(config::kPrintCardFormat, QString::fromUtf8(print::presetName(f.preset)));
    write(config::kPrintPaper, QString::fromUtf8(print::paperName(f.paper)));
    if (f.preset == print::CardPreset::Custom) {
        write(config::kPrintCustomWidth, f.width);
        write(config::kPrintCustomHeight, f.height);
        write(config::kPrintCustomLandscape, f.landscape);
    }
    write(config::kPrintFold, options.fold);
}

print::PrinterOffset loadPrinterOffset(const QString& printer) {
    auto tenths = [](const config::Setting<int>& setting) {
        return qBound(-100, config::read(setting), 100);
    };
    return {tenths(config::printerOffsetX(printer)), tenths(config::printerOffsetY(printer))};
}

void savePrinterOffset(const QString& printer, const print::PrinterOffset& offset) {
    config::write(config::printerOffsetX(printer), offset.x);
    config::write(config::printerOffsetY(printer), offset.y);
}

}  // namespace ui
