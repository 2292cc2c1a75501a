#include "ui/parties_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "ui/data_grid.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/history_keys.h"
#include "ui/name_fixes.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/typing_limit.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

constexpr int kOuterWidth = 430;
constexpr int kOuterHeight = 440;
constexpr int kTypedChars = 15;

}  // namespace

PartiesWindow::PartiesWindow(session::Session& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      parties_(session, "parties", model::kPartyListSql, model::List::Parties),
      stations_(session, "stations", model::kStationListSql) {
    // The client area holds every control whole (the grid ends at 417, the buttons at 409).
    resize(insideOf({kOuterWidth, kOuterHeight}));
    centreOnScreen(*this, {kOuterWidth, kOuterHeight});

    dBGrid1_ = place(new DataGrid(this), "DBGrid1", 0, 0, 417, 321);
    dBGrid1_->setColumnsResizable(false);
    dBGrid1_->setList(
        parties_, {{QStringLiteral("nazwa"), QT_TRANSLATE_NOOP("ui::GridColumn", "Nazwa"), 244},
                   {QStringLiteral("stacja"), QT_TRANSLATE_NOOP("ui::GridColumn", "Stacja"), 130}});
    place(new QLabel(this), "Label1", 16, 328, 33, 13);
    edit1_ = place(new QLineEdit(this), "Edit1", 64, 328, 345, 21);
    place(new QLabel(this), "Label2", 16, 352, 30, 13);
    comboBox1_ = place(new QComboBox(this), "ComboBox1", 64, 352, 345, 21);
    comboBox1_->setEditable(true);
    comboBox1_->setCompleter(nullptr);  // a typed station is stored as typed, never completed
    button1_ = place(new QPushButton(this), "Button1", 64, 384, 75, 25);
    button3_ = place(new QPushButton(this), "Button3", 240, 384, 75, 25);
    button4_ = place(new QPushButton(this), "Button4", 336, 384, 75, 25);

    limitTyping(edit1_, kTypedChars);
    limitTyping(comboBox1_, kTypedChars);
    for (QPushButton* b : {button1_, button3_, button4_}) b->setAutoDefault(false);

    QWidget* order[] = {dBGrid1_, edit1_, comboBox1_, button1_, button3_, button4_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connectHandler(dBGrid1_, &DataGrid::cellClicked, this, &PartiesWindow::gridClicked);
    connectHandler(button1_, &QPushButton::clicked, this, &PartiesWindow::addParty);
    connectHandler(button3_, &QPushButton::clicked, this, &PartiesWindow::deleteParty);
    connectHandler(button4_, &QPushButton::clicked, this, &PartiesWindow::closeWindow);

    Growth* growth = growWithList(*this, insideOf({kOuterWidth, kOuterHeight}), dBGrid1_);
    dBGrid1_->setDesignedWidth(417);
    rememberPlace(*this, QStringLiteral("punkty"));
    addHistoryKeys(*this, session_);
    addRenameMenu(*dBGrid1_, session_, [this]() -> std::optional<model::NamedThing> {
        if (parties_.recordCount() == 0) return std::nullopt;
        return session_.namedAt(model::NamedKind::Party, parties_.currentIndex(),
                                {current("nazwa"), current("stacja")});
    });
    followLanguage(*this, [this, growth] {
        setWindowTitle(tr("Nadawcy/odbiorcy"));
        setTextOf(*this, "Label1", tr("Nazwa"));
        setTextOf(*this, "Label2", tr("Stacja"));
        setTextOf(*this, "Button1", tr("Dodaj"));
        setTextOf(*this, "Button3", tr("Usuń"));
        setTextOf(*this, "Button4", tr("Zamknij"));
        fitCaptions(*this);
        // German "Bahnhof" needs more room than lies before its field.
        indentFieldsForLabels(*growth, 64,
                              {findChild<QLabel*>(QStringLiteral("Label1")),
                               findChild<QLabel*>(QStringLiteral("Label2"))},
                              {edit1_, comboBox1_});
    });
}

void PartiesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

// The station list first, in the order the table returns it, read through a query of its
// own (moving the grid's dataset row by row would make the grid follow every move); then
// the rows.
void PartiesWindow::fillOnShow() {
    stations_.reopen();
    QStringList names;
    const int count = stations_.recordCount();
    names.reserve(count);
    for (int i = 0; i < count; ++i) {
        names << QString::fromStdString(stations_.text("nazwa"));
        stations_.next();
    }
    stations_.close();
    comboBox1_->clear();
    comboBox1_->addItems(names);
    setStationText(QString());
    parties_.reopen();
}

// A text that is exactly one of the stations selects it; any other text selects none.
void PartiesWindow::setStationText(const QString& text) {
    const int index =
        text.isEmpty() ? -1 : comboBox1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    comboBox1_->setCurrentIndex(index);
    comboBox1_->setEditText(text);
}

std::string PartiesWindow::current(const char* field) const {
    return parties_.text(field);
}

void PartiesWindow::gridClicked() {
    edit1_->setText(QString::fromStdString(current("nazwa")));
    setStationText(QString::fromStdString(current("stacja")));
}

void PartiesWindow::addParty() {
    if (edit1_->text().isEmpty() || comboBox1_->currentText().isEmpty()) return;
    session_.addParty(edit1_->text().toStdString(), comboBox1_->currentText().toStdString());
    edit1_->clear();
    setStationText(QString());
}

// Edit1 only gates the command: the row deleted is the grid's current row, taken before
// the question.
void PartiesWindow::deleteParty() {
    // The row as the list shows it, taken before the question; the command names it by its
    // whole stored texts.
    const int index = parties_.currentIndex();
    const model::ListedPair party{current("nazwa"), current("stacja")};
    if (!Dialogs::instance().ask(this, tr("UWAGA"),
                                 tr("Uwaga, zostaną skasowane również: listy przewozowe z tym "
                                    "nadawcą/odbiorcą. Jesteś pewien?"))) {
        return;
    }
    if (edit1_->text().isEmpty()) return;
    session_.deleteParty(index, party);
    edit1_->clear();
}

void PartiesWindow::closeWindow() {
    parties_.close();
    close();
}

}  // namespace ui
