#include "ui/print_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/window_keys.h"

namespace ui {
namespace {

// The orders in the list's order.
constexpr print::CardOrder kOrders[] = {print::CardOrder::Listed, print::CardOrder::BySending,
                                        print::CardOrder::ByReceiving};

QSettings settings() {
    return QSettings(QStringLiteral("Listy"), QStringLiteral("Listy"));
}

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("opcjeWydruku"));
    setWindowTitle(QStringLiteral("Opcje wydruku"));
    closeOnEscape(*this);

    firstSlot_ = named(new QSpinBox(this), "firstSlot");
    firstSlot_->setRange(print::PrintOptions::kFirstSlotMin, print::PrintOptions::kFirstSlotMax);
    auto* slotHint =
        new QLabel(QStringLiteral("Pola arkusza liczone rzędami od lewego górnego (1–16).\n"
                                  "Pola przed nim zostają puste: arkusz zaczęty poprzednio."),
                   this);
    slotHint->setEnabled(false);
    order_ = named(new QComboBox(this), "order");
    order_->addItems({QStringLiteral("Jak na liście"), QStringLiteral("Według stacji nadania"),
                      QStringLiteral("Według stacji odbioru")});
    returnCards_ =
        named(new QCheckBox(QStringLiteral("Karta &zwrotna próżnego wagonu po każdej kopii"), this),
              "returnCards");
    letterCodes_ =
        named(new QCheckBox(
                  QStringLiteral("Kody &literowe kolorów na pasach stacji (BIA, CZE, ŻÓŁ…)"), this),
              "letterCodes");
    tonerSaver_ = named(
        new QCheckBox(QStringLiteral("&Oszczędzanie tonera: bez szarego tła, wyraźna linia cięcia"),
                      this),
        "tonerSaver");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Pierwsze pole arkusza:"), firstSlot_);
    form->addRow(QString(), slotHint);
    form->addRow(QStringLiteral("&Kolejność kart:"), order_);

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                                   QDialogButtonBox::RestoreDefaults,
                                               this),
                          "buttons");
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    buttons->button(QDialogButtonBox::RestoreDefaults)->setText(QStringLiteral("&Domyślne"));
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
    layout->addWidget(buttons);
    setTabOrder(firstSlot_, order_);
    setTabOrder(order_, returnCards_);
    setTabOrder(returnCards_, letterCodes_);
    setTabOrder(letterCodes_, tonerSaver_);
    setTabOrder(tonerSaver_, buttons);
    firstSlot_->setFocus();
    setOptions({});
}

void PrintOptionsDialog::setOptions(const print::PrintOptions& options) {
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
    return options;
}

print::PrintOptions loadPrintOptions() {
    const QSettings s = settings();
    print::PrintOptions options;
    bool ok = false;
    const int slot = s.value(QStringLiteral("wydruk/pierwszePole")).toInt(&ok);
    if (ok && slot >= print::PrintOptions::kFirstSlotMin &&
        slot <= print::PrintOptions::kFirstSlotMax) {
        options.firstSlot = slot;
    }
    print::orderFromName(s.value(QStringLiteral("wydruk/kolejnosc")).toString().toStdString(),
                         options.order);
    options.returnCards = s.value(QStringLiteral("wydruk/kartyZwrotne"), false).toBool();
    options.letterCodes = s.value(QStringLiteral("wydruk/kodyLiterowe"), false).toBool();
    options.tonerSaver = s.value(QStringLiteral("wydruk/oszczednoscTonera"), false).toBool();
    return options;
}

void savePrintOptions(const print::PrintOptions& options) {
    QSettings s = settings();
    s.setValue(QStringLiteral("wydruk/pierwszePole"), options.firstSlot);
    s.setValue(QStringLiteral("wydruk/kolejnosc"),
               QString::fromStdString(print::orderName(options.order)));
    s.setValue(QStringLiteral("wydruk/kartyZwrotne"), options.returnCards);
    s.setValue(QStringLiteral("wydruk/kodyLiterowe"), options.letterCodes);
    s.setValue(QStringLiteral("wydruk/oszczednoscTonera"), options.tonerSaver);
}

}  // namespace ui
