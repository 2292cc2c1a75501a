#include "ui/main_window.h"
#include "config/language.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>

#include "model/schema.h"
#include "model/waybills.h"
#include "session/old_format.h"
#include "session/startup.h"
#include "ui/data_grid.h"
#include "ui/dialogs.h"
#include "ui/generate_dialog.h"
#include "ui/handlers.h"
#include "ui/help_menu.h"
#include "ui/language.h"
#include "ui/modal.h"
#include "ui/open_transaction.h"
#include "ui/picker_dialog.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/sql_browser_window.h"
#include "ui/typing_limit.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

constexpr int kTypedChars = 15;
constexpr int kGridWidth = 545;

}  // namespace

MainWindow::MainWindow(session::Session& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      waybills_(session, "sql1", model::kWaybillListSql, model::List::Waybills) {
    listener_ =
        session_.listen([this](const session::Changes& changes) { followChanges(changes); });
    buildControls();
    buildMenu();
    addDesktopHabits();
    followLanguage(*this, [this] { retranslate(); });
    centreOnScreen(*this, frameGeometry().size());
    openDatabaseAtStart();
}

MainWindow::~MainWindow() {
    session_.unlisten(listener_);
}

// Every text of the window and its menus, in the chosen language.
void MainWindow::retranslate() {
    QString title = tr("Listy przewozowe");
    if (location().isGiven())
        title += QStringLiteral(" - ") + QString::fromStdString(location().fileName());
    setWindowTitle(title);
    setTextOf(*this, "GroupBox1", tr("Listy"));
    setTextOf(*this, "Label1", tr("Stacja nadania"));
    setTextOf(*this, "Label2", tr("Nadawca"));
    setTextOf(*this, "Label3", tr("Ładunek"));
    setTextOf(*this, "Label4", tr("Typ wagonu"));
    setTextOf(*this, "Label6", tr("Stacja odbioru"));
    setTextOf(*this, "Label5", tr("Odbiorca"));
    setTextOf(*this, "Button8", tr("Nowy list"));
    setTextOf(*this, "Button9", tr("Edycja"));
    setTextOf(*this, "Button10", tr("Usuń"));
    setTextOf(*this, "Button11", tr("Zatwierdź"));
    setTextOf(*this, "Button12", tr("Anuluj"));
    setTextOf(*this, "Plik1", tr("&Plik"));
    setTextOf(*this, "Wydrukstacji1", tr("Wyjscie"));
    setTextOf(*this, "Wydruki1", tr("&Wydruk"));
    setTextOf(*this, "Wydruklistw1", tr("Wydruk listów"));
    setTextOf(*this, "Parametry1", tr("P&arametry"));
    setTextOf(*this, "Stacje1", tr("Stacje"));
    setTextOf(*this, "Nadawcyodbiorcy1", tr("Nadawcy/odbiorcy"));
    setTextOf(*this, "adunki1", tr("Ładunki"));
    setTextOf(*this, "Baza1", tr("&Baza"));
    setTextOf(*this, "Nowabaza1", tr("Kasowanie zawartości/Nowa baza"));
    setTextOf(*this, "Kasowanielistw1", tr("Kasowanie listów"));
    setTextOf(*this, "Przegldarka1", tr("Przeglądarka"));
    setTextOf(*this, "Ruch1", tr("&Ruch"));
    setTextOf(*this, "Wagony1", tr("Wagony…"));
    setTextOf(*this, "Relacje1", tr("Relacje…"));
    setTextOf(*this, "Generuj1", tr("Generuj listy…"));
    retranslateExchangeMenu();
    retranslateEditMenu();
    fitToLanguage();
}

void MainWindow::fitToLanguage() {
    const bool isPolish = config::currentLanguage() == QStringLiteral("pl");
    if (designedPlaces_.empty()) {
        groupBox1_->setProperty("listyDesignedWidth", groupBox1_->width());
        for (QWidget* w : groupBox1_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            designedPlaces_.emplace_back(w, w->geometry());
    }
    for (const auto& [w, place] : designedPlaces_) w->setGeometry(place);
    groupBox1_->resize(groupBox1_->property("listyDesignedWidth").toInt(), groupBox1_->height());
    fitCaptions(*this);
    // What the labels still lack once they have the free room up to the fields.
    constexpr int kFieldsLeft = 104;
    int shift = 0;
    for (QLabel* label : groupBox1_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (isPolish) break;  // the designed window, whatever the font
        const int needed = label->x() + label->fontMetrics().horizontalAdvance(label->text()) + 2;
        shift = std::max(shift, needed - kFieldsLeft);
    }
    if (shift > 0) {
        for (const auto& [w, place] : designedPlaces_) {
            if (place.x() >= kFieldsLeft) {
                w->move(place.x() + shift, place.y());
            } else if (qobject_cast<QLabel*>(w)) {
                w->resize(w->width() + shift, w->height());
            }
        }
    }
    // The menu bar's items side by side, measured as the menu bar lays them out.
    QMenuBar* bar = menuBar();
    QStyle* style = bar->style();
    int menus = 2 * (style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar) +
                     style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar));
    for (QAction* action : bar->actions()) {
        if (!action->isVisible()) continue;
        QStyleOptionMenuItem option;
        option.initFrom(bar);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = action->text();
        const QSize text = bar->fontMetrics().size(Qt::TextShowMnemonic, action->text());
        menus += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar).width() +
                 style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
    }
    const int lacking = menus - insideOf({563, 557}).width();
    // Polish keeps the designed window whatever the measure says; the group box widens
    // with the window.
    const int widen = isPolish ? 0 : std::max({0, shift, lacking});
    groupBox1_->resize(groupBox1_->property("listyDesignedWidth").toInt() + widen,
                       groupBox1_->height());
    if (growth_) growth_->widenForLanguage(widen);
}

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    central->setMinimumSize(547, 498);

    groupBox1_ = place(new QGroupBox(central), "GroupBox1", 0, 0, 545, 265);
    QWidget* g = groupBox1_;
    place(new QLabel(g), "Label1", 16, 16, 71, 13);
    stn_ = place(new QComboBox(g), "stn", 104, 16, 433, 21);
    place(new QLabel(g), "Label2", 16, 48, 46, 13);
    nad_ = place(new QLineEdit(g), "nad", 104, 48, 417, 21);
    buttons_[1] = place(new QPushButton(QStringLiteral("..."), g), "Button1", 520, 48, 17, 25);
    place(new QLabel(g), "Label3", 16, 80, 43, 13);
    lad_ = place(new QLineEdit(g), "lad", 104, 80, 417, 21);
    buttons_[2] = place(new QPushButton(QStringLiteral("..."), g), "Button2", 520, 80, 17, 25);
    place(new QLabel(g), "Label4", 16, 112, 59, 13);
    rwa_ = place(new QLineEdit(g), "rwa", 104, 112, 225, 21);
    place(new QLabel(g), "Label6", 16, 144, 68, 13);
    sto_ = place(new QComboBox(g), "sto", 104, 144, 433, 21);
    place(new QLabel(g), "Label5", 16, 176, 43, 13);
    odb_ = place(new QLineEdit(g), "odb", 104, 176, 417, 21);
    buttons_[3] = place(new QPushButton(QStringLiteral("..."), g), "Button3", 520, 176, 17, 25);
    buttons_[4] = place(new QPushButton(QStringLiteral("|<"), g), "Button4", 104, 200, 75, 25);
    buttons_[5] = place(new QPushButton(QStringLiteral("<"), g), "Button5", 192, 200, 75, 25);
    buttons_[6] = place(new QPushButton(QStringLiteral(">"), g), "Button6", 288, 200, 75, 25);
    buttons_[7] = place(new QPushButton(QStringLiteral(">|"), g), "Button7", 376, 200, 75, 25);
    buttons_[8] = place(new QPushButton(g), "Button8", 104, 232, 75, 25);
    buttons_[9] = place(new QPushButton(g), "Button9", 192, 232, 75, 25);
    buttons_[10] = place(new QPushButton(g), "Button10", 288, 232, 75, 25);
    buttons_[11] = place(new QPushButton(g), "Button11", 376, 232, 75, 25);
    buttons_[12] = place(new QPushButton(g), "Button12", 464, 232, 75, 25);

    for (QComboBox* box : {stn_, sto_}) {
        box->setEditable(true);
        box->setMaxVisibleItems(8);
        limitTyping(box, kTypedChars);
    }
    for (QLineEdit* edit : {nad_, lad_, rwa_, odb_}) limitTyping(edit, kTypedChars);
    // In the browse state the fields are disabled, but the waybill they show stays legible:
    // its text is drawn in the normal text colour.
    for (QWidget* w : std::initializer_list<QWidget*>{stn_, nad_, lad_, rwa_, odb_, sto_}) {
        QPalette palette = w->palette();
        for (QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
        }
        w->setPalette(palette);
    }
    for (int i = 1; i <= 12; ++i) buttons_[i]->setAutoDefault(false);
    // The three picker buttons are narrow: no padding around their dots.
    for (int i = 1; i <= 3; ++i) buttons_[i]->setStyleSheet(QStringLiteral("padding: 0px;"));

    QWidget* order[] = {stn_,         nad_,         buttons_[1], lad_,        buttons_[2],
                        rwa_,         sto_,         odb_,        buttons_[3], buttons_[4],
                        buttons_[5],  buttons_[6],  buttons_[7], buttons_[8], buttons_[9],
                        buttons_[10], buttons_[11], buttons_[12]};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    dBGrid1_ = place(new DataGrid(central), "DBGrid1", 0, 264, 545, 233);
    dBGrid1_->setColumnsResizable(false);
    dBGrid1_->setList(waybills_,
                      {{"ladunek", QT_TRANSLATE_NOOP("ui::GridColumn", "Ładunek"), 105},
                       {"nadawca", QT_TRANSLATE_NOOP("ui::GridColumn", "Nadawca"), 105},
                       {"st_nad", QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja nad"), 105},
                       {"odbiorca", QT_TRANSLATE_NOOP("ui::GridColumn", "Odbiorca"), 105},
                       {"st_odb", QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja odb."), 105}});
    dBGrid1_->setLastColumnYields(true);
    setTabOrder(buttons_[12], dBGrid1_);

    connectHandler(buttons_[1], &QPushButton::clicked, this, &MainWindow::pickShipper);
    connectHandler(buttons_[2], &QPushButton::clicked, this, &MainWindow::pickLoad);
    connectHandler(buttons_[3], &QPushButton::clicked, this, &MainWindow::pickReceiver);
    connectHandler(buttons_[4], &QPushButton::clicked, this, &MainWindow::showFirst);
    connectHandler(buttons_[5], &QPushButton::clicked, this, &MainWindow::showPrevious);
    connectHandler(buttons_[6], &QPushButton::clicked, this, &MainWindow::showNext);
    connectHandler(buttons_[7], &QPushButton::clicked, this, &MainWindow::showLast);
    connectHandler(buttons_[8], &QPushButton::clicked, this, &MainWindow::startNewWaybill);
    connectHandler(buttons_[9], &QPushButton::clicked, this, &MainWindow::startChanging);
    connectHandler(buttons_[10], &QPushButton::clicked, this, &MainWindow::askToDelete);
    connectHandler(buttons_[11], &QPushButton::clicked, this, &MainWindow::confirmEdit);
    connectHandler(buttons_[12], &QPushButton::clicked, this, &MainWindow::cancelEdit);
    connectHandler(dBGrid1_, &DataGrid::cellClicked, this, &MainWindow::gridClicked);
    connectHandler(dBGrid1_, &DataGrid::rowMovedByUser, this, &MainWindow::gridRowMoved);

    // The browse state.
    setFieldsEnabled(false);
    for (int i : {1, 2, 3, 11, 12}) buttons_[i]->setEnabled(false);
    resize(insideOf({563, 557}));  // the menu bar is inside too
}

// Beyond the designed window: it grows (the grid takes the room, its columns sharing the
// width in their proportions), it comes back where it was left, and the buttons answer to
// the usual keys.
void MainWindow::addDesktopHabits() {
    growth_ = new Growth(*this, insideOf({563, 557}));
    growth_->stretch(dBGrid1_, true, true);
    dBGrid1_->setDesignedWidth(kGridWidth);
    rememberPlace(*this, QStringLiteral("glowne"));
    setWindowIcon(applicationIcon());
    addShortcuts(*this, buttons_[8], {QKeySequence(Qt::CTRL | Qt::Key_N)});
    addShortcuts(*this, buttons_[9], {QKeySequence(Qt::Key_F2)});
    addShortcuts(*this, buttons_[10], {QKeySequence(Qt::Key_Delete)});
    addShortcuts(*this, buttons_[11],
                 {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addShortcuts(*this, buttons_[12], {QKeySequence(Qt::Key_Escape)});
    addShortcuts(*this, buttons_[4], {QKeySequence(Qt::CTRL | Qt::Key_Home)});
    addShortcuts(*this, buttons_[5], {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    addShortcuts(*this, buttons_[6], {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    addShortcuts(*this, buttons_[7], {QKeySequence(Qt::CTRL | Qt::Key_End)});
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    auto addMenu = [bar](const QString& title, const char* name) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [](QMenu* menu, const QString& title, const char* name) {
        QAction* action = menu->addAction(title);
        if (name) action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* plik = addMenu(QString(), "Plik1");
    addItem(plik, QString(), nullptr);
    // "Wyjscie" ends the program as closing the window does (closeEvent asks about a
    // transaction left open).
    connectHandler(addItem(plik, QString(), "Wydrukstacji1"), &QAction::triggered, this,
                   [this](bool) { close(); });
    QMenu* wydruk = addMenu(QString(), "Wydruki1");
    QAction* printWaybills = addItem(wydruk, QString(), "Wydruklistw1");
    printWaybills->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connectHandler(printWaybills, &QAction::triggered, this, &MainWindow::openPrintWindow);
    QMenu* parametry = addMenu(QString(), "Parametry1");
    connectHandler(addItem(parametry, QString(), "Stacje1"), &QAction::triggered, this,
                   &MainWindow::openStationsWindow);
    connectHandler(addItem(parametry, QString(), "Nadawcyodbiorcy1"), &QAction::triggered, this,
                   &MainWindow::openPartiesWindow);
    connectHandler(addItem(parametry, QString(), "adunki1"), &QAction::triggered, this,
                   &MainWindow::openLoadsWindow);
    QMenu* baza = addMenu(QString(), "Baza1");
    connectHandler(addItem(baza, QString(), "Nowabaza1"), &QAction::triggered, this,
                   &MainWindow::newDatabase);
    connectHandler(addItem(baza, QString(), "Kasowanielistw1"), &QAction::triggered, this,
                   &MainWindow::deleteAllWaybills);
    connectHandler(addItem(baza, QString(), "Przegldarka1"), &QAction::triggered, this,
                   &MainWindow::openSqlBrowser);
    buildExchangeMenu();
    buildEditMenu();
    buildTrafficMenu();
    addLanguageMenu(*this);
    addHelpMenu(*this, [this] { return QString::fromStdString(location().path()); });
}

// "Ruch" follows "Wymiana": the traffic of a session, beginning with the wagon list.
void MainWindow::buildTrafficMenu() {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(QStringLiteral("Ruch1"));
    QAction* wagons = menu->addAction(QString());
    wagons->setObjectName(QStringLiteral("Wagony1"));
    connectHandler(wagons, &QAction::triggered, this, &MainWindow::openWagonsWindow);
    QAction* relations = menu->addAction(tr("Relacje…"));
    relations->setObjectName(QStringLiteral("Relacje1"));
    connectHandler(relations, &QAction::triggered, this, &MainWindow::openRelationsWindow);
    QAction* generate = menu->addAction(tr("Generuj listy…"));
    generate->setObjectName(QStringLiteral("Generuj1"));
    connectHandler(generate, &QAction::triggered, this, &MainWindow::openGenerator);
}

// Opens the database in the working directory; an error ends the sequence, is shown, and
// the window opens in the state reached. A file of the old format is converted first; when
// that fails, the old file stays as it was and the window opens empty with the one message.
void MainWindow::openDatabaseAtStart() {
    editMode_ = EditMode::NewWaybill;
    bool converted = true;
    runHandler(this, [this, &converted] {
        converted = false;
        const files::MigrationResult migration = session_.convertOldFormat();
        converted = true;
        if (migration.migrated) {
            Dialogs::instance().inform(
                this, QString::fromStdString(session::migrationMessage(migration)));
        }
    });
    if (!converted) return;
    runHandler(this, [this] {
        const session::StartupReport report = session_.open(waybills_);
        if (!report.message.empty()) {
            Dialogs::instance().standardError(this, QString::fromStdString(report.message));
        }
        refreshLookups();
        showWaybill();
    });
}

void MainWindow::showWaybill() {
    const model::Waybill w = waybills_.waybill();
    shown_ = w;
    stn_->setEditText(QString::fromStdString(w.sendingStation));
    nad_->setText(QString::fromStdString(w.shipper));
    lad_->setText(QString::fromStdString(w.load));
    rwa_->setText(QString::fromStdString(w.wagonType));
    odb_->setText(QString::fromStdString(w.receiver));
    sto_->setEditText(QString::fromStdString(w.receivingStation));
}

void MainWindow::refreshLookups() {
    if (!waybills_.active()) waybills_.open();
    const session::Lookups lookups = session_.lookups();
    haveLoads_ = lookups.haveLoads;
    haveParties_ = lookups.haveParties;
    if (!lookups.stationNames.empty()) {
        // Rebuilding the lists keeps the typed texts of both boxes.
        const QString typedStn = stn_->currentText();
        const QString typedSto = sto_->currentText();
        QStringList names;
        names.reserve(static_cast<qsizetype>(lookups.stationNames.size()));
        for (const std::string& name : lookups.stationNames) names << QString::fromStdString(name);
        for (QComboBox* box : {stn_, sto_}) {
            box->clear();
            box->addItems(names);
        }
        stn_->setEditText(typedStn);
        sto_->setEditText(typedSto);
    }
}

void MainWindow::showFirst() {
    waybills_.first();
    showWaybill();
}

void MainWindow::showPrevious() {
    waybills_.prior();
    showWaybill();
}

void MainWindow::showNext() {
    waybills_.next();
    showWaybill();
}

void MainWindow::showLast() {
    waybills_.last();
    showWaybill();
}

void MainWindow::gridClicked() {
    showWaybill();
}

// Whatever moves the current row, the fields show the row that "Edycja", "Usuń" and
// "Zatwierdź" act on. Only a new waybill being typed keeps its text (a click replaces it).
void MainWindow::gridRowMoved() {
    if (!editing_ || editMode_ == EditMode::ChangeWaybill) showWaybill();
}

void MainWindow::setFieldsEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{stn_, nad_, lad_, rwa_, odb_, sto_}) {
        w->setEnabled(on);
    }
}

void MainWindow::enterEditing() {
    setFieldsEnabled(true);
    stn_->setFocus();
    if (haveParties_) {
        buttons_[1]->setEnabled(true);
        buttons_[3]->setEnabled(true);
    }
    if (haveLoads_) buttons_[2]->setEnabled(true);
    for (int i = 4; i <= 10; ++i) buttons_[i]->setEnabled(false);
    buttons_[11]->setEnabled(true);
    buttons_[12]->setEnabled(true);
    editing_ = true;
}

void MainWindow::enterBrowsing() {
    setFieldsEnabled(false);
    for (int i : {1, 3, 2}) buttons_[i]->setEnabled(false);
    for (int i = 4; i <= 10; ++i) buttons_[i]->setEnabled(true);
    buttons_[11]->setEnabled(false);
    buttons_[12]->setEnabled(false);
    editing_ = false;
}

// The pickers: whichever way the picker closes, its two texts are copied back (empty after
// "Anuluj"; the previous pick, or the station given, after the close box).
PickerDialog* MainWindow::runPicker(const QString& title, const QString& source,
                                    const QString* station) {
    return ui::runPicker(windows_.picker, title, source, station);
}

void MainWindow::pickShipper() {
    const QString station = stn_->currentText();
    if (PickerDialog* picker =
            runPicker(tr("Nadawcy/odbiorcy"), QStringLiteral("punkty"), &station)) {
        nad_->setText(picker->pickedName);
        lad_->setFocus();
    }
}

// The load picker lists every load, whatever station text the picker still holds.
void MainWindow::pickLoad() {
    if (PickerDialog* picker = runPicker(tr("Ładunki"), QStringLiteral("ladunki"), nullptr)) {
        lad_->setText(picker->pickedName);
        rwa_->setText(picker->pickedInfo);
        rwa_->setFocus();
    }
}

// The receiver's station comes back with the receiver.
void MainWindow::pickReceiver() {
    const QString station = sto_->currentText();
    if (PickerDialog* picker =
            runPicker(tr("Nadawcy/odbiorcy"), QStringLiteral("punkty"), &station)) {
        odb_->setText(picker->pickedName);
        sto_->setEditText(picker->pickedInfo);
    }
}

void MainWindow::startNewWaybill() {
    stn_->setEditText(QString());
    nad_->clear();
    lad_->clear();
    rwa_->clear();
    odb_->clear();
    sto_->setEditText(QString());
    enterEditing();
    editMode_ = EditMode::NewWaybill;
}

void MainWindow::startChanging() {
    enterEditing();
    editMode_ = EditMode::ChangeWaybill;
}

void MainWindow::cancelEdit() {
    enterBrowsing();
    showWaybill();
    buttons_[4]->setFocus();
}

void MainWindow::askToDelete() {
    const bool yes = Dialogs::instance().ask(this, tr("Pytanie"), tr("Skasować list przewozowy?"));
    editMode_ = yes ? EditMode::DeleteWaybill : EditMode::KeepWaybill;
    confirmEdit();
}

// Each mode is one command; its notice reads the list again and shows its first waybill.
void MainWindow::confirmEdit() {
    bool written = false;
    if (editMode_ == EditMode::NewWaybill) {
        session_.addWaybill(typedWaybill());
        written = true;
    }
    if (editMode_ == EditMode::ChangeWaybill) {
        model::Waybill edited = typedWaybill();
        edited.id = waybills_.integer("id");
        session_.changeWaybill(edited, waybills_.waybill(), waybills_.currentIndex());
        written = true;
    }
    if (editMode_ == EditMode::DeleteWaybill) {
        const int id = waybills_.integer("id");
        if (id >= 1) {
            session_.deleteWaybill(id);
            written = true;
            Dialogs::instance().inform(this, tr("List przewozowy ZOSTAŁ skasowany."));
        } else {
            editMode_ = EditMode::KeepWaybill;
        }
    }
    if (editMode_ == EditMode::KeepWaybill) {
        Dialogs::instance().inform(this, tr("List przewozowy NIE skasowany."));
    }
    enterBrowsing();
    buttons_[4]->setFocus();
    // With nothing written the list is read again all the same, as after every confirm.
    if (!written) waybills_.reopen();
    showWaybill();
}

model::Waybill MainWindow::typedWaybill() const {
    // A text put into a box and left as it was goes back exactly as it came: the box's own
    // text may differ from the stored bytes (a leading byte-order mark, say).
    auto typed = [](const QString& text, const std::string& shown) {
        return text == QString::fromStdString(shown) ? shown : text.toStdString();
    };
    model::Waybill w;
    w.sendingStation = typed(stn_->currentText(), shown_.sendingStation);
    w.shipper = typed(nad_->text(), shown_.shipper);
    w.wagonType = typed(rwa_->text(), shown_.wagonType);
    w.load = typed(lad_->text(), shown_.load);
    w.receiver = typed(odb_->text(), shown_.receiver);
    w.receivingStation = typed(sto_->currentText(), shown_.receivingStation);
    return w;
}

void MainWindow::followChanges(const session::Changes& changes) {
    const bool lookupsChanged = changes.newFile || changes.has(model::List::Stations) ||
                                changes.has(model::List::Loads) ||
                                changes.has(model::List::Parties);
    if (lookupsChanged) refreshLookups();
    if (lookupsChanged || changes.has(model::List::Waybills)) showWaybill();
    updateEditMenu();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleOpenTransaction(this, session_)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showReferenceWindow(QDialog* window) {
    if (window) showModal(*window);
    refreshLookups();
    showWaybill();
}

void MainWindow::openPrintWindow() {
    if (windows_.print) showModal(*windows_.print);
}

void MainWindow::openStationsWindow() {
    showReferenceWindow(windows_.stations);
}
void MainWindow::openPartiesWindow() {
    showReferenceWindow(windows_.parties);
}
void MainWindow::openLoadsWindow() {
    showReferenceWindow(windows_.loads);
}

void MainWindow::openWagonsWindow() {
    if (windows_.wagons) showModal(*windows_.wagons);
}

void MainWindow::openRelationsWindow() {
    if (windows_.relations) showModal(*windows_.relations);
}

void MainWindow::openGenerator() {
    GenerateDialog dialog(session_, this);
    showModal(dialog);
}

void MainWindow::openSqlBrowser() {
    if (windows_.browser) showModal(*windows_.browser);
}

}  // namespace ui

namespace ui {

void MainWindow::newDatabase() {
    Dialogs& dialogs = Dialogs::instance();
    if (dialogs.ask(this, tr("UWAGA"), tr("Zostaną skasowane wszystkie dane!!"))) {
        // The command closes every list (the browser's too) and its notice opens the
        // shown ones on the new file.
        session_.newDatabase();
        dialogs.inform(this, tr("Nowa baza ZOSTAŁA założona"));
        if (!waybills_.active()) waybills_.open();
    } else {
        dialogs.inform(this, tr("Nowa baza NIE ZOSTAŁA założona"));
        waybills_.reopen();
    }
    refreshLookups();
    showWaybill();
}

void MainWindow::deleteAllWaybills() {
    session_.deleteAllWaybills();
}

}  // namespace ui
