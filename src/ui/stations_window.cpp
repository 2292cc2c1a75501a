#include "ui/stations_window.h"

#include <QCoreApplication>
#include "model/schema.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "model/colours.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/history_keys.h"
#include "ui/name_fixes.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/typing_limit.h"
#include "ui/window_habits.h"
#include "widgets/color_string_grid.h"

namespace ui {
namespace {

constexpr int kTypedChars = 15;
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StationsWindow::StationsWindow(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), stations_(session, "stations", model::kStationListSql) {
    resize(insideOf({534, 376}));
    // The grid shows the stations as every command leaves them.
    listener_ = session_.listen([this](const session::Changes& changes) {
        if (isVisible() && (changes.newFile || changes.has(model::List::Stations)))
            runHandler(this, [this] { fillGrid(); });
    });

    using widgets::GridOption;
    grid_ = place(new widgets::ColorStringGrid(this), "grid", 16, 0, 505, 233);
    grid_->setColCount(2);
    grid_->setFixedCols(0);
    grid_->setFixedRows(1);
    // Without a fixed column the first column scrolls like the others: show it, and start
    // on the first station's name, as after any change of the fixed cells.
    grid_->setLeftCol(0);
    grid_->focusCell(0, 1);
    grid_->setColWidths(0, 427);
    grid_->setColWidths(1, 64);
    grid_->setOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::HorzLine);
    grid_->setScrollBars(widgets::ScrollBars::Vertical);
    // The last tab stop: by keyboard alone a station is picked with the arrow keys.
    grid_->setFocusPolicy(Qt::StrongFocus);
    grid_->lineDesign().setLineUpColor(kWhite);

    label1_ = place(new QLabel(this), "Label1", 8, 240, 60, 13);
    edit1_ = place(new QLineEdit(this), "Edit1", 80, 240, 433, 21);
    limitTyping(edit1_, kTypedChars);
    label2_ = place(new QLabel(this), "Label2", 8, 264, 65, 13);
    comboBox1_ = place(new QComboBox(this), "ComboBox1", 80, 264, 433, 21);
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    comboBox1_->setCompleter(nullptr);  // typed text selects an item only when it is one exactly
    comboBox1_->setMaxVisibleItems(8);
    for (std::size_t i = 0; i < model::kFremoColours.size(); ++i) comboBox1_->addItem(QString());
    comboBox1_->setCurrentIndex(-1);

    button1_ = place(new QPushButton(this), "Button1", 80, 312, 75, 25);
    button2_ = place(new QPushButton(this), "Button2", 168, 312, 75, 25);
    button3_ = place(new QPushButton(this), "Button3", 256, 312, 75, 25);
    button4_ = place(new QPushButton(this), "Button4", 440, 312, 75, 25);
    for (QPushButton* b : {button1_, button2_, button3_, button4_}) b->setAutoDefault(false);

    QWidget* order[] = {edit1_, comboBox1_, button1_, button2_, button3_, button4_, grid_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connectHandler(grid_, &widgets::StringGrid::mouseDown, this,
                   [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
                       gridMouseDown(button, modifiers, pos);
                   });
    connectHandler(comboBox1_, &QComboBox::activated, this, &StationsWindow::colourPicked);
    connectHandler(comboBox1_->lineEdit(), &QLineEdit::textEdited, this,
                   [this](const QString& text) { colourTyped(text); });
    connectHandler(button1_, &QPushButton::clicked, this, &StationsWindow::addStation);
    connectHandler(button2_, &QPushButton::clicked, this, &StationsWindow::recolourStation);
    connectHandler(button3_, &QPushButton::clicked, this, &StationsWindow::deleteStation);
    connectHandler(button4_, &QPushButton::clicked, this, &StationsWindow::closeWindow);

    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);

    centreOnScreen(*this, {534, 376});

    growth_ = growWithList(*this, insideOf({534, 376}), grid_);
    growth_->grown = [this](QSize extra) { grid_->setColWidths(0, 427 + extra.width()); };
    rememberPlace(*this, QStringLiteral("stacje"));
    addHistoryKeys(*this, session_);
    addRenameMenu(*grid_, session_, [this]() -> std::optional<model::NamedThing> {
        const int row = grid_->row();
        if (row < 1 || row >= grid_->rowCount()) return std::nullopt;
        return model::NamedThing{model::NamedKind::Station, grid_->cells(0, row).toStdString(), {}};
    });
    followLanguage(*this, [this] { retranslate(); });
}

void StationsWindow::retranslate() {
    setWindowTitle(tr("Stacje"));
    setTextOf(*this, "Label1", tr("Nazwa stacji"));
    setTextOf(*this, "Label2", tr("Kolor FREMO"));
    setTextOf(*this, "Button1", tr("Dopisz"));
    setTextOf(*this, "Button2", tr("Zmień"));
    setTextOf(*this, "Button3", tr("Usuń"));
    setTextOf(*this, "Button4", tr("Zamknij"));
    // The colour list in the chosen language; the selection and any typed text stay.
    const QString typed = comboBox1_->currentText();
    const int index = comboBox1_->currentIndex();
    for (const model::FremoColour& c : model::kFremoColours) {
        comboBox1_->setItemText(c.index, QCoreApplication::translate("model::FremoColour",
                                                                     std::string(c.label).c_str()));
    }
    if (index < 0) comboBox1_->setEditText(typed);
    if (grid_->rowCount() > 0) {
        grid_->setCells(0, 0, tr("Nazwa stacji"));
        grid_->setCells(1, 0, tr("Kolor"));
    }
    fitCaptions(*this);
    // English "Station name" needs more room than lies before its field.
    if (growth_) indentFieldsForLabels(*growth_, 80, {label1_, label2_}, {edit1_, comboBox1_});
}

StationsWindow::~StationsWindow() {
    session_.unlisten(listener_);
}

std::string StationsWindow::typedName() const {
    return edit1_->text().toStdString();
}

void StationsWindow::fillGrid() {
    stations_.reopen();
    const int count = stations_.recordCount();
    grid_->setRowCount(count + 1);
    grid_->setCells(0, 0, tr("Nazwa stacji"));
    grid_->setCells(1, 0, tr("Kolor"));
    for (int row = 1; row <= count; ++row) {
        grid_->setCells(0, row, QString::fromStdString(stations_.text("nazwa")));
        grid_->cellStyle(0, row).setBgColor(kWhite);

        const std::string name = stations_.text("kolor");
        widgets::CellStyle& swatch = grid_->cellStyle(1, row);
        if (const auto colour = model::colourByName(name)) {
            const QColor rgb(colour->red, colour->green, colour->blue);
            // White reads as black text on white; every other colour as a solid swatch.
            swatch.setFontColor(colour->index == 0 ? kBlack : rgb);
            swatch.setBgColor(rgb);
        } else {
            // A name that is none of the eight: no swatch, and none left over from the
            // station that stood in this row before.
            swatch.setFontColor(grid_->defaultCellStyle().fontColor());
            swatch.setBgColor(grid_->defaultCellStyle().bgColor());
        }
        grid_->setCells(1, row, QString::fromStdString(name));
        stations_.next();
    }
}

void StationsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        runHandler(this, [this] { fillOnShow(); });
        edit1_->setFocus();  // typing right after opening goes into the name box
    }
}

// The colour that "Dopisz" and "Zmień" write is the one the colour list shows: "clwhite"
// when no item is selected, else the colour of the selection kept from the last showing.
void StationsWindow::fillOnShow() {
    // The colour still chosen in the list from the last showing is the one "Dopisz" and
    // "Zmień" write: what the user sees in the box is what goes into the file.
    colourPicked();
    fillGrid();
}

void StationsWindow::done(int result) {
    runHandler(this, [this] { clearOnClose(); });
    QDialog::done(result);
}

void StationsWindow::clearOnClose() {
    stations_.close();
}

void StationsWindow::colourPicked() {
    currentColour_ = fromUtf8(model::colourNameForIndex(comboBox1_->currentIndex()));
}

// Typed text selects the item it spells exactly, and otherwise no item, keeping the text.
void StationsWindow::colourTyped(const QString& text) {
    const int index = comboBox1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index != comboBox1_->currentIndex()) {
        QLineEdit* line = comboBox1_->lineEdit();
        const int cursor = line->cursorPosition();
        comboBox1_->setCurrentIndex(index);  // -1 empties the text: put it back
        if (line->text() != text) comboBox1_->setEditText(text);
        line->setCursorPosition(cursor);
    }
    colourPicked();
}

bool StationsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Right or End would scroll the names out of sight (the colour column is a little wider
    // than the room beside the vertical scroll bar, and there is no horizontal one): once the
    // grid has handled the key, the names come back into view.
    // A key that moves the current row picks that station, as a click does.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int before = grid_->row();
        QTimer::singleShot(0, this, [this, before] {
            if (grid_->leftCol() != 0) grid_->setLeftCol(0);
            if (grid_->row() != before) runHandler(this, [this] { pickStation(grid_->row()); });
        });
    }
    if (watched == grid_->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                         event->type() == QEvent::MouseButtonDblClick)) {
        pressPos_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        const widgets::GridCoord at = grid_->mouseCoord(pressPos_);
        pressCol_ = at.col;
        pressRow_ = at.row;
    }
    return QDialog::eventFilter(watched, event);
}

void StationsWindow::gridMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos) {
    widgets::GridCoord at{pressCol_, pressRow_};
    if (pos != pressPos_) at = grid_->mouseCoord(pos);
    pressPos_ = QPoint(-1, -1);
    // The colour column is a little wider than the room beside a vertical scroll bar; a click
    // on it must not push the names out of sight.
    if (grid_->leftCol() != 0) grid_->setLeftCol(0);
    if (at.col < 0) return;
    pickStation(at.row);
}

void StationsWindow::pickStation(int row) {
    if (row <= 0 || row >= grid_->rowCount()) return;
    edit1_->setText(grid_->cells(0, row));
    // The station's colour becomes the one "Zmień" writes, so that it never writes a colour
    // the user did not pick; a name that is none of the eight leaves both as they were.
    if (const auto colour = model::colourByName(grid_->cells(1, row).toStdString())) {
        comboBox1_->setCurrentIndex(colour->index);
        currentColour_ = fromUtf8(colour->name);
    }
}

void StationsWindow::addStation() {
    if (edit1_->text().isEmpty()) return;
    if (!session_.addStation(typedName(), currentColour_.toStdString())) {
        Dialogs::instance().error(this, tr("Istnieje taka stacja"));
    }
}

void StationsWindow::recolourStation() {
    if (edit1_->text().isEmpty()) return;
    session_.recolourStation(typedName(), currentColour_.toStdString());
}

void StationsWindow::deleteStation() {
    if (!Dialogs::instance().ask(this, tr("UWAGA"),
                                 tr("Uwaga, zostaną skasowane również: listy przewozowe "
                                    "i nadawcy/odbiorcy z tą stacją. Jesteś pewien?"))) {
        return;
    }
    if (edit1_->text().isEmpty()) return;
    session_.deleteStation(typedName());
    edit1_->clear();
}

void StationsWindow::closeWindow() {
    stations_.close();
    close();
}

}  // namespace ui
