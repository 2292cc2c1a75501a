#include "ui/wagons_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <set>

#include "ui/car_cards_dialog.h"
#include "ui/data_grid.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/modal.h"
#include "ui/retranslate.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kMaxCopies = 500;

}  // namespace

WagonsWindow::WagonsWindow(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), wagons_(session, "wagons", "", model::List::Wagons) {
    setObjectName(QStringLiteral("Wagony"));
    wagons_.setSqlSource([this] { return session_.wagonListSql(listing()); });

    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    auto labelled = [this, filters](const char* text, QWidget* field) {
        auto* label = new QLabel(this);
        markText(label, staticMetaObject.className(), text);
        label->setBuddy(field);
        filters->addWidget(label);
        filters->addWidget(field, 1);
    };
    classFilter_ = new QComboBox(this);
    classFilter_->setObjectName(QStringLiteral("classFilter"));
    classFilter_->setEditable(true);
    ownerFilter_ = new QComboBox(this);
    ownerFilter_->setObjectName(QStringLiteral("ownerFilter"));
    ownerFilter_->setEditable(true);
    sortBy_ = new QComboBox(this);
    sortBy_->setObjectName(QStringLiteral("sortBy"));
    for (int i = 0; i < 7; ++i) sortBy_->addItem(QString());
    descending_ = new QCheckBox(this);
    markText(descending_, staticMetaObject.className(), QT_TR_NOOP("male&jąco"));
    descending_->setObjectName(QStringLiteral("descending"));
    labelled(QT_TR_NOOP("&Klasa:"), classFilter_);
    labelled(QT_TR_NOOP("Wł&aściciel:"), ownerFilter_);
    labelled(QT_TR_NOOP("&Sortuj wg:"), sortBy_);
    filters->addWidget(descending_);
    layout->addLayout(filters);

    grid_ = new DataGrid(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setList(
        wagons_,
        {{QStringLiteral("numer"), QT_TRANSLATE_NOOP("ui::GridColumn", "Numer"), 150},
         {QStringLiteral("klasa"), QT_TRANSLATE_NOOP("ui::GridColumn", "Klasa"), 70},
         {QStringLiteral("wlasciciel"), QT_TRANSLATE_NOOP("ui::GridColumn", "Właściciel"), 90},
         {QStringLiteral("stacja"), QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja macierzysta"), 130},
         {QStringLiteral("dlugosc"), QT_TRANSLATE_NOOP("ui::GridColumn", "Długość"), 60},
         {QStringLiteral("predkosc"), QT_TRANSLATE_NOOP("ui::GridColumn", "Prędkość"), 60},
         {QStringLiteral("uwagi"), QT_TRANSLATE_NOOP("ui::GridColumn", "Uwagi"), 150}});
    layout->addWidget(grid_, 1);

    auto* form = new QFormLayout;
    auto rowLabel = [this](const char* text) {
        auto* label = new QLabel(this);
        markText(label, staticMetaObject.className(), text);
        return label;
    };
    // Each label names its field, so that its "&" marks the key to it instead of showing.
    auto addRow = [form, rowLabel](const char* label, QWidget* control) {
        QLabel* caption = rowLabel(label);
        caption->setBuddy(control);
        form->addRow(caption, control);
    };
    auto field = [this, addRow](const char* label, const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        addRow(label, edit);
        return edit;
    };
    number_ = field(QT_TR_NOOP("&Numer:"), "number");
    class_ = field(QT_TR_NOOP("K&lasa:"), "class");
    owner_ = field(QT_TR_NOOP("&Właściciel:"), "owner");
    home_ = field(QT_TR_NOOP("Stacja &macierzysta:"), "home");
    length_ = field(QT_TR_NOOP("&Długość (mm lub osie):"), "length");
    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("speed"));
    speed_->addItems({QString(), QString(), QString()});
    addRow(QT_TR_NOOP("&Prędkość:"), speed_);
    note_ = field(QT_TR_NOOP("&Uwagi:"), "note");
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* text, const char* name, void (WagonsWindow::*m)()) {
        auto* b = new QPushButton(this);
        markText(b, staticMetaObject.className(), text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connectHandler(b, &QPushButton::clicked, this, m);
        return b;
    };
    button(QT_TR_NOOP("D&opisz"), "add", &WagonsWindow::addWagon);
    button(QT_TR_NOOP("&Zmień"), "change", &WagonsWindow::changeWagon);
    button(QT_TR_NOOP("U&suń"), "delete", &WagonsWindow::deleteWagon);
    button(QT_TR_NOOP("Kop&iuj…"), "copy", &WagonsWindow::copyWagon);
    buttons->addStretch();
    button(QT_TR_NOOP("Ko&lory kart…"), "colours", &WagonsWindow::editColours);
    button(QT_TR_NOOP("&Karty wagonów…"), "cards", &WagonsWindow::printCards);
    auto* close = new QPushButton(this);
    markText(close, staticMetaObject.className(), QT_TR_NOOP("Zamknij"));
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    connectHandler(grid_, &DataGrid::rowMovedByUser, this, [this](int) { showCurrent(); });
    connectHandler(grid_, &DataGrid::cellClicked, this, [this](int, int) { showCurrent(); });
    connectHandler(classFilter_, &QComboBox::currentTextChanged, this,
                   [this](const QString&) { applyListing(); });
    connectHandler(ownerFilter_, &QComboBox::currentTextChanged, this,
                   [this](const QString&) { applyListing(); });
    connectHandler(sortBy_, &QComboBox::currentIndexChanged, this, [this](int) { applyListing(); });
    connectHandler(descending_, &QCheckBox::toggled, this, [this](bool) { applyListing(); });
    listener_ = session_.listen([this](const session::Changes& c) {
        if (c.has(model::List::Wagons) && isVisible()) {
            refillFilters();
            showCurrent();  // the fields show the row the next command acts on
        }
    });

    resize(760, 520);
    rememberPlace(*this, QStringLiteral("wagony"));
    followLanguage(*this, [this] {
        setWindowTitle(tr("Wagony"));
        retranslateMarked(*this);
        const char* const sortKeys[] = {QT_TR_NOOP("numer"),      QT_TR_NOOP("klasa"),
                                        QT_TR_NOOP("właściciel"), QT_TR_NOOP("stacja macierzysta"),
                                        QT_TR_NOOP("długość"),    QT_TR_NOOP("prędkość"),
                                        QT_TR_NOOP("uwagi")};
        for (int i = 0; i < 7; ++i) sortBy_->setItemText(i, tr(sortKeys[i]));
        speed_->setItemText(0, tr("bez znaku"));
        speed_->setItemText(1, tr("s (100 km/h)"));
        speed_->setItemText(2, tr("ss (120 km/h)"));
    });
}

WagonsWindow::~WagonsWindow() {
    session_.unlisten(listener_);
}

void WagonsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

void WagonsWindow::done(int result) {
    QDialog::done(result);
    wagons_.close();
}

model::WagonListing WagonsWindow::listing() const {
    model::WagonListing l;
    l.wagonClass = classFilter_->currentText().trimmed().toStdString();
    l.owner = ownerFilter_->currentText().toStdString();
    l.sortBy = static_cast<model::WagonField>(std::max(0, sortBy_->currentIndex()));
    l.descending = descending_->isChecked();
    return l;
}

void WagonsWindow::fillOnShow() {
    refillFilters();
    wagons_.reopen();
    showCurrent();
}

// The filters offer the classes and owners of the list; what is typed or chosen stays.
void WagonsWindow::refillFilters() {
    std::set<QString> classes, owners;
    for (const model::Wagon& w : session_.wagons()) {
        if (!w.wagonClass.empty()) classes.insert(q(w.wagonClass));
        if (!w.owner.empty()) owners.insert(q(w.owner));
    }
    for (auto [box, items] :
         {std::pair{classFilter_, &classes}, std::pair{ownerFilter_, &owners}}) {
        const QString kept = box->currentText();
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItem(QString());
        for (const QString& item : *items) box->addItem(item);
        box->setCurrentText(kept);
    }
}

void WagonsWindow::applyListing() {
    if (!wagons_.active()) return;
    wagons_.reopen();
    showCurrent();
}

void WagonsWindow::showCurrent() {
    if (!wagons_.active() || wagons_.recordCount() == 0) return;
    const std::optional<model::Wagon> w = session_.wagon(wagons_.text("numer"));
    if (!w) return;
    number_->setText(q(w->number));
    class_->setText(q(w->wagonClass));
    owner_->setText(q(w->owner));
    home_->setText(q(w->homeStation));
    length_->setText(q(w->length));
    speed_->setCurrentIndex(static_cast<int>(w->speed));
    note_->setText(q(w->note));
}

model::Wagon WagonsWindow::typed() const {
    return {number_->text().toStdString(),
            class_->text().toStdString(),
            owner_->text().toStdString(),
            home_->text().toStdString(),
            length_->text().toStdString(),
            static_cast<model::SpeedMark>(std::max(0, speed_->currentIndex())),
            note_->text().toStdString()};
}

void WagonsWindow::addWagon() {
    session_.addWagon(typed());
}

void WagonsWindow::changeWagon() {
    if (wagons_.recordCount() == 0) return;
    session_.changeWagon(wagons_.text("numer"), typed());
}

void WagonsWindow::deleteWagon() {
    if (wagons_.recordCount() == 0) return;
    const std::string number = wagons_.text("numer");
    if (!Dialogs::instance().ask(this, tr("Usuń wagon"), tr("Usunąć wagon %1?").arg(q(number)))) {
        return;
    }
    session_.deleteWagon(number);
}

void WagonsWindow::copyWagon() {
    if (wagons_.recordCount() == 0) return;
    const std::string number = wagons_.text("numer");
    const std::optional<int> count = Dialogs::instance().askNumber(
        this, tr("Kopiuj wagon"), tr("Ile kopii wagonu %1 (numery liczone dalej)?").arg(q(number)),
        3, 1, kMaxCopies);
    if (!count) return;
    session_.copyWagon(number, *count);
}

void WagonsWindow::editColours() {
    CardColoursDialog dialog(session_, this);
    showModal(dialog);
}

void WagonsWindow::printCards() {
    CarCardsDialog dialog(session_, this);
    showModal(dialog);
}

}  // namespace ui
