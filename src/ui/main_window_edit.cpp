// The main window's menu "Edycja" (after "Wymiana"): undo and redo of the session's
// commands, renaming a station, a shipper/receiver or a load everywhere, and copies of the
// current waybill. The described menus stay as they are.

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "session/session.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/history_keys.h"
#include "ui/main_window.h"
#include "ui/name_fixes.h"
#include "ui/retranslate.h"

namespace ui {

void MainWindow::buildEditMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Edycja"));
    menu->setObjectName(QStringLiteral("MenuEdycja1"));
    auto item = [menu](const char* name) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    undoAction_ = item("Cofnij1");
    undoAction_->setShortcuts(undoKeys());
    connectHandler(undoAction_, &QAction::triggered, this, &MainWindow::undo);
    redoAction_ = item("Ponow1");
    redoAction_->setShortcuts(redoKeys());
    connectHandler(redoAction_, &QAction::triggered, this, &MainWindow::redo);
    menu->addSeparator();
    QAction* rename = item("PoprawNazwe1");
    rename->setText(tr("Popraw nazwę…"));
    connectHandler(rename, &QAction::triggered, this, &MainWindow::renameName);
    QAction* join = item("PolaczDuplikaty1");
    join->setText(tr("Połącz duplikaty…"));
    connectHandler(join, &QAction::triggered, this, &MainWindow::joinDuplicateNames);
    QAction* offer = item("DuplikatyPoImporcie1");
    offer->setText(tr("Proponuj połączenie duplikatów po imporcie"));
    offer->setCheckable(true);
    offer->setChecked(offerDuplicatesAfterImport());
    connect(offer, &QAction::toggled, this, [](bool on) { setOfferDuplicatesAfterImport(on); });
    menu->addSeparator();
    QAction* copy = item("PowielList1");
    copy->setText(tr("Powiel list…"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connectHandler(copy, &QAction::triggered, this, &MainWindow::copyWaybill);
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateEditMenu);
    updateEditMenu();
}

void MainWindow::retranslateEditMenu() {
    setTextOf(*this, "MenuEdycja1", tr("&Edycja"));
    setTextOf(*this, "PoprawNazwe1", tr("Popraw nazwę…"));
    setTextOf(*this, "PolaczDuplikaty1", tr("Połącz duplikaty…"));
    setTextOf(*this, "DuplikatyPoImporcie1", tr("Proponuj połączenie duplikatów po imporcie"));
    setTextOf(*this, "PowielList1", tr("Powiel list…"));
    updateEditMenu();
}

// The items name the step they would take back or do again.
void MainWindow::updateEditMenu() {
    if (!undoAction_) return;
    const bool canUndo = session_.canUndo();
    const bool canRedo = session_.canRedo();
    undoAction_->setText(canUndo ? tr("Cofnij: ") + QString::fromStdString(session_.undoText())
                                 : tr("Nie ma czego cofnąć"));
    undoAction_->setEnabled(canUndo);
    redoAction_->setText(canRedo ? tr("Ponów: ") + QString::fromStdString(session_.redoText())
                                 : tr("Nie ma czego ponowić"));
    redoAction_->setEnabled(canRedo);
}

void MainWindow::undo() {
    updateEditMenu();  // a statement in the browser may have ended the history
    if (editing_ || !session_.canUndo()) return;
    session_.undo();
    updateEditMenu();
}

void MainWindow::redo() {
    updateEditMenu();
    if (editing_ || !session_.canRedo()) return;
    session_.redo();
    updateEditMenu();
}

// Picks a station, a shipper/receiver or a load from one list, asks for the new name (and
// a load's wagon type), and renames it everywhere; one summary tells what changed.
void MainWindow::renameName() {
    if (editing_) return;
    Dialogs& dialogs = Dialogs::instance();
    const std::vector<model::NamedThing> things = session_.namedThings();
    if (things.empty()) {
        dialogs.inform(this, tr("Baza nie zawiera stacji, nadawców/odbiorców ani ładunków."));
        return;
    }
    QStringList items;
    for (const model::NamedThing& t : things) {
        const QString name = QString::fromStdString(t.name);
        const QString scope = QString::fromStdString(t.scope);
        switch (t.kind) {
            case model::NamedKind::Station:
                items << tr("Stacja: ") + name;
                break;
            case model::NamedKind::Party:
                items << tr("Nadawca/odbiorca: %1 (stacja %2)").arg(name, scope);
                break;
            case model::NamedKind::Load:
                items << tr("Ładunek: %1 (wagony %2)").arg(name, scope);
                break;
        }
    }
    const int picked = dialogs.choose(this, tr("Popraw nazwę"), tr("Co poprawić:"), items);
    if (picked < 0) return;
    renameThing(this, session_, things[static_cast<std::size_t>(picked)]);
    updateEditMenu();
}

void MainWindow::joinDuplicateNames() {
    if (editing_) return;
    ui::joinDuplicates(this, session_);
    updateEditMenu();
}

// After an import or a merge, when the user asked for it in "Edycja".
void MainWindow::offerDuplicates() {
    if (!offerDuplicatesAfterImport()) return;
    ui::joinDuplicates(this, session_, true);
    updateEditMenu();
}

// N copies of the current waybill, each with an id of its own.
void MainWindow::copyWaybill() {
    if (editing_ || waybills_.recordCount() == 0) return;
    const int id = waybills_.integer("id");
    const std::optional<int> count = Dialogs::instance().askNumber(
        this, tr("Powiel list"), tr("Liczba kopii listu nr %1:").arg(id), 1, 1, 999);
    if (!count) return;
    session_.copyWaybill(waybills_.currentIndex(), id, *count);
    updateEditMenu();
}

}  // namespace ui
