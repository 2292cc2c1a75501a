#include "ui/relations_window.h"
#include "ui/retranslate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/data_grid.h"
#include "ui/dialogs.h"
#include "ui/generate_dialog.h"
#include "ui/handlers.h"
#include "ui/modal.h"
#include "ui/picker_dialog.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* stationBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

}  // namespace

RelationsWindow::RelationsWindow(session::Session& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      relations_(session, "relations", "", model::List::Relations) {
    setObjectName(QStringLiteral("Relacje"));
    followLanguage(*this, [this] {
        setWindowTitle(tr("Relacje"));
        retranslateMarked(*this);
        // The column titles follow by themselves; the filter's "(wszystkie)" and the marks,
        // which the list's statement composes, are made again.
        if (isVisible()) fillOnShow();
    });
    relations_.setSqlSource([this] { return session_.relationListSql(listing_); });

    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    stationFilter_ = new QComboBox(this);
    stationFilter_->setObjectName(QStringLiteral("stationFilter"));
    auto* filterLabel = new QLabel(this);
    markText(filterLabel, "ui::RelationsWindow", QT_TR_NOOP("&Stacja:"));
    filterLabel->setBuddy(stationFilter_);
    filters->addWidget(filterLabel);
    filters->addWidget(stationFilter_, 1);
    availableOnly_ = new QCheckBox(this);
    markText(availableOnly_, "ui::RelationsWindow", QT_TR_NOOP("tylko dostępne wagony"));
    availableOnly_->setObjectName(QStringLiteral("availableOnly"));
    filters->addWidget(availableOnly_);
    layout->addLayout(filters);

    grid_ = new DataGrid(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setList(
        relations_,
        {{QStringLiteral("st_nad"), QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja nadania"), 100},
         {QStringLiteral("nadawca"), QT_TRANSLATE_NOOP("ui::GridColumn", "Nadawca"), 110},
         {QStringLiteral("rodz_wag"), QT_TRANSLATE_NOOP("ui::GridColumn", "Rodzaj wagonu"), 100},
         {QStringLiteral("ladunek"), QT_TRANSLATE_NOOP("ui::GridColumn", "Ładunek"), 90},
         {QStringLiteral("odbiorca"), QT_TRANSLATE_NOOP("ui::GridColumn", "Odbiorca"), 110},
         {QStringLiteral("st_odb"), QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja odbioru"), 100},
         {QStringLiteral("na_tydzien"), QT_TRANSLATE_NOOP("ui::GridColumn", "Wagonów na tydzień"),
          130},
         {QStringLiteral("uwagi"), QT_TRANSLATE_NOOP("ui::GridColumn", "Uwagi"), 90},
         {QStringLiteral("braki"), QT_TRANSLATE_NOOP("ui::GridColumn", "Braki"), 120}});
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    layout->addWidget(grid_, 1);

    auto* form = new QFormLayout;
    auto row = [this, form](const char* label, std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        for (QWidget* w : widgets) line->addWidget(w, qobject_cast<QPushButton*>(w) ? 0 : 1);
        auto* caption = new QLabel(this);
        markText(caption, "ui::RelationsWindow", label);
        caption->setBuddy(*widgets.begin());
        form->addRow(caption, line);
    };
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    auto dots = [this](const char* name, void (RelationsWindow::*m)()) {
        auto* b = new QPushButton(QStringLiteral("…"), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFixedWidth(28);
        connectHandler(b, &QPushButton::clicked, this, m);
        return b;
    };
    sendingStation_ = stationBox(this, "sendingStation");
    shipper_ = edit("shipper");
    load_ = edit("load");
    wagonType_ = edit("wagonType");
    receiver_ = edit("receiver");
    receivingStation_ = stationBox(this, "receivingStation");
    perWeek_ = new QSpinBox(this);
    perWeek_->setObjectName(QStringLiteral("perWeek"));
    perWeek_->setRange(model::kMinPerWeek, model::kMaxPerWeek);
    note_ = edit("note");
    places_ = new QLabel(this);
    places_->setObjectName(QStringLiteral("places"));
    row(QT_TR_NOOP("Stacja &nadania:"), {sendingStation_});
    row(QT_TR_NOOP("N&adawca:"), {shipper_, dots("pickShipper", &RelationsWindow::pickShipper)});
    row(QT_TR_NOOP("Ł&adunek:"), {load_, wagonType_, dots("pickLoad", &RelationsWindow::pickLoad)});
    row(QT_TR_NOOP("&Odbiorca:"),
        {receiver_, dots("pickReceiver", &RelationsWindow::pickReceiver)});
    row(QT_TR_NOOP("Stacja o&dbioru:"), {receivingStation_});
    row(QT_TR_NOOP("&Wagonów na tydzień:"), {perWeek_});
    row(QT_TR_NOOP("&Uwagi:"), {note_});
    row(QT_TR_NOOP("Miejsca:"), {places_});
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* text, const char* name, auto handler) {
        auto* b = new QPushButton(this);
        markText(b, "ui::RelationsWindow", text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connectHandler(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button(QT_TR_NOOP("D&opisz"), "add", &RelationsWindow::addRelation);
    button(QT_TR_NOOP("&Zmień"), "change", &RelationsWindow::changeRelation);
    button(QT_TR_NOOP("U&suń"), "delete", &RelationsWindow::deleteRelation);
    button(QT_TR_NOOP("&Miejsca nadawcy…"), "shipperPlaces", [this](bool) { editPlaces(false); });
    button(QT_TR_NOOP("M&iejsca odbiorcy…"), "receiverPlaces", [this](bool) { editPlaces(true); });
    buttons->addStretch();
    button(QT_TR_NOOP("&Generuj listy…"), "generate", &RelationsWindow::openGenerator);
    auto* close = new QPushButton(this);
    markText(close, "ui::RelationsWindow", QT_TR_NOOP("Zamknij"));
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    connectHandler(grid_, &DataGrid::rowMovedByUser, this, [this](int) { showCurrent(); });
    connectHandler(grid_, &DataGrid::cellClicked, this, [this](int, int) { showCurrent(); });
    connectHandler(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
                   [this](int column) { sortBy(column); });
    connectHandler(stationFilter_, &QComboBox::currentIndexChanged, this,
                   [this](int) { applyListing(); });
    connectHandler(availableOnly_, &QCheckBox::toggled, this, [this](bool) { applyListing(); });
    listener_ = session_.listen([this](const session::Changes& c) {
        if (!isVisible()) return;
        if (c.has(model::List::Stations)) refillStations();
        // A deleted or renamed name changes the marks.
        if (!c.has(model::List::Relations) &&
            (c.has(model::List::Stations) || c.has(model::List::Parties) ||
             c.has(model::List::Loads) || c.has(model::List::Wagons)))
            relations_.reopen();
        if (c.has(model::List::Places)) showPlaces();
        if (c.has(model::List::Relations)) showCurrent();
    });

    resize(980, 560);
    rememberPlace(*this, QStringLiteral("relacje"));
}

RelationsWindow::~RelationsWindow() {
    session_.unlisten(listener_);
}

void RelationsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

void RelationsWindow::done(int result) {
    QDialog::done(result);
    relations_.close();
}

void RelationsWindow::fillOnShow() {
    refillStations();
    relations_.reopen();
    showCurrent();
}

// The filter and the two station boxes offer the stations of the file; what is chosen or
// typed stays.
void RelationsWindow::refillStations() {
    const std::vector<std::string> names = session_.lookups().stationNames;
    {
        const QString kept = stationFilter_->currentText();
        const QSignalBlocker quiet(stationFilter_);
        stationFilter_->clear();
        stationFilter_->addItem(tr("(wszystkie)"));
        for (const std::string& n : names) stationFilter_->addItem(q(n));
        const int at = stationFilter_->findText(kept, Qt::MatchExactly);
        stationFilter_->setCurrentIndex(at > 0 ? at : 0);
    }
    for (QComboBox* box : {sendingStation_, receivingStation_}) {
        const QString kept = box->currentText();
        const QSignalBlocker quiet(box);
        box->clear();
        for (const std::string& n : names) box->addItem(q(n));
        box->setEditText(kept);
    }
}

void RelationsWindow::applyListing() {
    listing_.station = stationFilter_->currentIndex() > 0
                           ? stationFilter_->currentText().toStdString()
                           : std::string();
    listing_.onlyAvailableWagons = availableOnly_->isChecked();
    if (!relations_.active()) return;
    relations_.reopen();
    showCurrent();
}

void RelationsWindow::sortBy(int column) {
    const auto field = static_cast<model::RelationField>(column);
    listing_.descending = listing_.sortBy == field ? !listing_.descending : false;
    listing_.sortBy = field;
    grid_->horizontalHeader()->setSortIndicator(
        column, listing_.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    applyListing();
}

void RelationsWindow::showCurrent() {
    if (!relations_.active() || relations_.recordCount() == 0) {
        showPlaces();
        return;
    }
    const std::optional<model::Relation> r = session_.relation(relations_.integer("id"));
    if (!r) return;
    sendingStation_->setEditText(q(r->texts.sendingStation));
    shipper_->setText(q(r->texts.shipper));
    wagonType_->setText(q(r->texts.wagonType));
    load_->setText(q(r->texts.load));
    receiver_->setText(q(r->texts.receiver));
    receivingStation_->setEditText(q(r->texts.receivingStation));
    perWeek_->setValue(r->perWeek);
    note_->setText(q(r->note));
    showPlaces();
}

void RelationsWindow::showPlaces() {
    auto text = [this](const QLineEdit* who, const QComboBox* at) {
        if (who->text().isEmpty()) return tr("—");
        const int n = session_.placesOf(who->text().toStdString(), at->currentText().toStdString());
        return n > 0 ? QString::number(n) : tr("bez ograniczeń");
    };
    places_->setText(tr("nadawca: %1, odbiorca: %2")
                         .arg(text(shipper_, sendingStation_), text(receiver_, receivingStation_)));
}

void RelationsWindow::pickShipper() {
    const QString station = sendingStation_->currentText();
    if (PickerDialog* picker =
            runPicker(picker_, tr("Nadawcy/odbiorcy"), QStringLiteral("punkty"), &station)) {
        if (picker->pickedName.isEmpty()) return;
        shipper_->setText(picker->pickedName);
        sendingStation_->setEditText(picker->pickedInfo);
        showPlaces();
    }
}

void RelationsWindow::pickLoad() {
    if (PickerDialog* picker =
            runPicker(picker_, tr("Ładunki"), QStringLiteral("ladunki"), nullptr)) {
        if (picker->pickedName.isEmpty()) return;
        load_->setText(picker->pickedName);
        wagonType_->setText(picker->pickedInfo);
    }
}

void RelationsWindow::pickReceiver() {
    const QString station = receivingStation_->currentText();
    if (PickerDialog* picker =
            runPicker(picker_, tr("Nadawcy/odbiorcy"), QStringLiteral("punkty"), &station)) {
        if (picker->pickedName.isEmpty()) return;
        receiver_->setText(picker->pickedName);
        receivingStation_->setEditText(picker->pickedInfo);
        showPlaces();
    }
}

model::Relation RelationsWindow::typed() const {
    model::Relation r;
    r.texts.sendingStation = sendingStation_->currentText().toStdString();
    r.texts.shipper = shipper_->text().toStdString();
    r.texts.wagonType = wagonType_->text().toStdString();
    r.texts.load = load_->text().toStdString();
    r.texts.receiver = receiver_->text().toStdString();
    r.texts.receivingStation = receivingStation_->currentText().toStdString();
    r.perWeek = perWeek_->value();
    r.note = note_->text().toStdString();
    return r;
}

void RelationsWindow::addRelation() {
    session_.addRelation(typed());
}

void RelationsWindow::changeRelation() {
    if (!relations_.active() || relations_.recordCount() == 0) return;
    model::Relation r = typed();
    r.id = relations_.integer("id");
    session_.changeRelation(r);
}

void RelationsWindow::deleteRelation() {
    if (!relations_.active() || relations_.recordCount() == 0) return;
    const int id = relations_.integer("id");
    const QString what = tr("%1 → %2 (%3)")
                             .arg(q(relations_.text("nadawca")), q(relations_.text("odbiorca")),
                                  q(relations_.text("ladunek")));
    if (!Dialogs::instance().ask(this, tr("Usuń relację"), tr("Usunąć relację %1?").arg(what)))
        return;
    session_.deleteRelation(id);
}

void RelationsWindow::editPlaces(bool receiver) {
    const QLineEdit* who = receiver ? receiver_ : shipper_;
    const QComboBox* at = receiver ? receivingStation_ : sendingStation_;
    if (who->text().isEmpty()) return;
    const std::string name = who->text().toStdString();
    const std::string station = at->currentText().toStdString();
    const std::optional<int> n = Dialogs::instance().askNumber(
        this, tr("Miejsca"),
        tr("Ile wagonów naraz mieści bocznica „%1” (%2)? 0: bez ograniczeń.")
            .arg(who->text(), at->currentText()),
        session_.placesOf(name, station), 0, model::kMaxPlaces);
    if (!n) return;
    session_.setPlaces({name, station, *n});
}

void RelationsWindow::openGenerator() {
    GenerateDialog dialog(session_, this);
    showModal(dialog);
}

}  // namespace ui
