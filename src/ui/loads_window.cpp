#include "ui/loads_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "ui/data_grid.h"
#include "ui/handlers.h"
#include "ui/history_keys.h"
#include "ui/name_fixes.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/typing_limit.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

constexpr int kOuterWidth = 533;
constexpr int kOuterHeight = 351;
constexpr int kTypedChars = 15;

// Every letter the user types or pastes into the box becomes upper case; text the program
// sets, and what is left of it around an edit, stays as it is. Each character maps to one
// character, so the length never changes.
class UpperCaseTyping : public QObject {
public:
    // Install before any other filter of the box's typing, then call follow() after them:
    // the text before an edit is kept until every filter has seen the edit.
    explicit UpperCaseTyping(QLineEdit* edit) : QObject(edit), edit_(edit) {
        last_ = edit->text().toUcs4();
        connect(edit, &QLineEdit::textEdited, this, [this] { editing_ = true; });
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!editing_) last_ = edit_->text().toUcs4();
        });
    }
    void follow() { connect(edit_, &QLineEdit::textEdited, this, &UpperCaseTyping::edited); }

private:
    // Reads the box's own text: a typing limit may already have mended the edit.
    void edited() {
        editing_ = false;
        QList<uint> now = edit_->text().toUcs4();
        // The typed part lies between the common prefix and the common suffix.
        qsizetype prefix = 0;
        while (prefix < now.size() && prefix < last_.size() && now[prefix] == last_[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < now.size() - prefix && suffix < last_.size() - prefix &&
               now[now.size() - 1 - suffix] == last_[last_.size() - 1 - suffix]) {
            ++suffix;
        }
        bool changed = false;
        for (qsizetype i = prefix; i < now.size() - suffix; ++i) {
            const uint upper = QChar::toUpper(now[i]);
            changed = changed || upper != now[i];
            now[i] = upper;
        }
        if (!changed) {
            last_ = now;
            return;
        }
        const int cursor = edit_->cursorPosition();
        edit_->setText(
            QString::fromUcs4(reinterpret_cast<const char32_t*>(now.data()), now.size()));
        edit_->setCursorPosition(cursor);
    }

    QLineEdit* edit_;
    QList<uint> last_;
    bool editing_ = false;
};

}  // namespace

LoadsWindow::LoadsWindow(session::Session& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      loads_(session, "loads", model::kLoadListSql, model::List::Loads) {
    // The client area holds every control whole (Button3 ends at 523, 321).
    resize(insideOf({kOuterWidth, kOuterHeight}));
    centreOnScreen(*this, {kOuterWidth, kOuterHeight});

    dBGrid1_ = place(new DataGrid(this), "DBGrid1", 0, 0, 521, 241);
    dBGrid1_->setColumnsResizable(false);
    dBGrid1_->setList(
        loads_,
        {{QStringLiteral("nazwa"), QT_TRANSLATE_NOOP("ui::GridColumn", "Nazwa"), 377},
         {QStringLiteral("rodz_wag"), QT_TRANSLATE_NOOP("ui::GridColumn", "Rodzaj wag."), 100}});
    place(new QLabel(this), "Label1", 0, 248, 43, 13);
    edit1_ = place(new QLineEdit(this), "Edit1", 48, 248, 249, 21);
    place(new QLabel(this), "Label2", 0, 272, 40, 13);
    edit2_ = place(new QLineEdit(this), "Edit2", 48, 272, 249, 21);
    button1_ = place(new QPushButton(this), "Button1", 48, 296, 75, 25);
    button2_ = place(new QPushButton(this), "Button2", 224, 296, 75, 25);
    button3_ = place(new QPushButton(this), "Button3", 448, 296, 75, 25);

    limitTyping(edit1_, kTypedChars);
    auto* upperCase = new UpperCaseTyping(edit2_);
    limitTyping(edit2_, kTypedChars);
    upperCase->follow();
    for (QPushButton* b : {button1_, button2_, button3_}) b->setAutoDefault(false);

    QWidget* order[] = {dBGrid1_, edit1_, edit2_, button1_, button2_, button3_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connectHandler(dBGrid1_, &DataGrid::cellClicked, this, &LoadsWindow::gridClicked);
    connectHandler(button1_, &QPushButton::clicked, this, &LoadsWindow::addLoad);
    connectHandler(button2_, &QPushButton::clicked, this, &LoadsWindow::deleteLoad);
    connectHandler(button3_, &QPushButton::clicked, this, &LoadsWindow::closeWindow);

    growWithList(*this, insideOf({kOuterWidth, kOuterHeight}), dBGrid1_);
    dBGrid1_->setDesignedWidth(521);
    rememberPlace(*this, QStringLiteral("ladunki"));
    addHistoryKeys(*this, session_);
    addRenameMenu(*dBGrid1_, session_, [this]() -> std::optional<model::NamedThing> {
        if (loads_.recordCount() == 0) return std::nullopt;
        return session_.namedAt(model::NamedKind::Load, loads_.currentIndex(),
                                {current("nazwa"), current("rodz_wag")});
    });
    followLanguage(*this, [this] {
        setWindowTitle(tr("Ładunki"));
        setTextOf(*this, "Label1", tr("Ładunek"));
        setTextOf(*this, "Label2", tr("Wagony"));
        setTextOf(*this, "Button1", tr("Dopisz"));
        setTextOf(*this, "Button2", tr("Usuń"));
        setTextOf(*this, "Button3", tr("Zamknij"));
        fitCaptions(*this);
    });
}

void LoadsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

void LoadsWindow::done(int result) {
    QDialog::done(result);
    loads_.close();
}

void LoadsWindow::fillOnShow() {
    loads_.reopen();
}

std::string LoadsWindow::current(const char* field) const {
    return loads_.text(field);
}

void LoadsWindow::gridClicked() {
    edit1_->setText(QString::fromStdString(current("nazwa")));
    edit2_->setText(QString::fromStdString(current("rodz_wag")));
}

void LoadsWindow::addLoad() {
    if (edit1_->text().isEmpty()) return;
    session_.addLoad(edit1_->text().toStdString(), edit2_->text().toStdString());
    edit1_->clear();
    edit2_->clear();
}

// Edit1 only gates the command: the load deleted is the grid's current row.
void LoadsWindow::deleteLoad() {
    if (edit1_->text().isEmpty()) return;
    // The list cuts long texts; the command names the row by its whole stored texts.
    session_.deleteLoad(loads_.currentIndex(), {current("nazwa"), current("rodz_wag")});
}

void LoadsWindow::closeWindow() {
    loads_.close();
    close();
}

}  // namespace ui
