// The main window's menu "Wymiana": CSV export and import, merging another Listy file,
// restoring a backup, and the search in the waybill list. The described menus stay as
// they are; this one follows "Baza".

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>

#include "config/language.h"
#include "session/session.h"
#include "ui/data_grid.h"
#include "ui/dialogs.h"
#include "ui/exchange_dialogs.h"
#include "ui/find_dialog.h"
#include "ui/handlers.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/modal.h"
#include "ui/retranslate.h"
#include "ui/sql_browser_window.h"

namespace ui {
namespace {

void showReport(QWidget* owner, const formats::ExchangeReport& report) {
    const QString text = QString::fromStdString(report.summary());
    if (report.refused()) {
        Dialogs::instance().error(owner, text);
    } else {
        Dialogs::instance().inform(owner, text);
    }
}

}  // namespace

void MainWindow::buildExchangeMenu() {
    QMenu* menu = menuBar()->addMenu(tr("Wy&miana"));
    menu->setObjectName(QStringLiteral("Wymiana1"));
    auto item = [menu](const QString& title, const char* name) {
        QAction* action = menu->addAction(title);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    connectHandler(item(tr("Eksport CSV…"), "EksportCsv1"), &QAction::triggered, this,
                   &MainWindow::exportCsv);
    connectHandler(item(tr("Import CSV…"), "ImportCsv1"), &QAction::triggered, this,
                   &MainWindow::importCsv);
    connectHandler(item(tr("Eksport arkusza…"), "EksportArkusza1"), &QAction::triggered, this,
                   &MainWindow::exportWorkbook);
    connectHandler(item(tr("Import arkusza…"), "ImportArkusza1"), &QAction::triggered, this,
                   &MainWindow::importWorkbook);
    connectHandler(item(tr("Dołącz bazę…"), "DolaczBaze1"), &QAction::triggered, this,
                   &MainWindow::mergeDatabase);
    connectHandler(item(tr("Przywróć kopię…"), "PrzywrocKopie1"), &QAction::triggered, this,
                   &MainWindow::restoreBackup);
    menu->addSeparator();
    QAction* search = item(tr("Szukaj…"), "Szukaj1");
    search->setShortcut(QKeySequence::Find);
    search->setShortcutContext(Qt::WindowShortcut);
    connectHandler(search, &QAction::triggered, this, &MainWindow::openSearch);
}

void MainWindow::retranslateExchangeMenu() {
    setTextOf(*this, "Wymiana1", tr("Wy&miana"));
    setTextOf(*this, "EksportCsv1", tr("Eksport CSV…"));
    setTextOf(*this, "ImportCsv1", tr("Import CSV…"));
    setTextOf(*this, "EksportArkusza1", tr("Eksport arkusza…"));
    setTextOf(*this, "ImportArkusza1", tr("Import arkusza…"));
    setTextOf(*this, "DolaczBaze1", tr("Dołącz bazę…"));
    setTextOf(*this, "PrzywrocKopie1", tr("Przywróć kopię…"));
    setTextOf(*this, "Szukaj1", tr("Szukaj…"));
}

void MainWindow::exportCsv() {
    const QString folder = chooseExportFolder(this);
    if (folder.isEmpty()) return;
    QStringList targets;
    for (model::List list : model::kDescribedLists)
        targets << QDir(folder).filePath(QString::fromLatin1(model::namesOf(list).csvFile));
    if (!mayReplace(targets)) return;
    const auto paths = session_.exportCsv(QDir::toNativeSeparators(folder).toStdString(),
                                          config::exchangeLanguage());
    QStringList names;
    for (const std::string& p : paths) names << QString::fromStdString(p);
    Dialogs::instance().inform(this, tr("Zapisano pliki:\n") + names.join('\n'));
}

void MainWindow::importCsv() {
    importFiles(chooseCsvFiles(this));
}

void MainWindow::mergeDatabase() {
    const QString file = chooseDatabaseFile(this);
    if (file.isEmpty()) return;
    const formats::ExchangeReport report =
        session_.merge(QDir::toNativeSeparators(file).toStdString());
    showReport(this, report);
    if (report.written) offerDuplicates();
}

void MainWindow::restoreBackup() {
    const std::vector<files::BackupInfo> copies = session_.backups();
    if (copies.empty()) {
        Dialogs::instance().inform(this, tr("Brak kopii zapasowych w katalogu ") +
                                             QString::fromStdString(session_.backupFolder()));
        return;
    }
    RestoreDialog dialog(copies, this);
    showModal(dialog);
    const std::optional<files::BackupInfo> chosen = dialog.chosen();
    if (!chosen) return;
    const QString when = QString::fromStdString(chosen->when);
    if (!Dialogs::instance().ask(
            this, QStringLiteral("UWAGA"),
            QStringLiteral("Przywrócić kopię z %1? Obecna zawartość bazy zostanie "
                           "najpierw zapisana jako kopia.")
                .arg(when))) {
        return;
    }
    session_.restore(chosen->path);
    Dialogs::instance().inform(this, tr("Przywrócono kopię z %1.").arg(when));
}

void MainWindow::openSearch() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(
            waybills_, [this] { gridClicked(); }, this);
    }
    findDialog_->show();
    // Over the lower right of the list, never over the fields and buttons above it; below
    // the window when the list is too low for it.
    const QRect list(dBGrid1_->mapToGlobal(QPoint(0, 0)), dBGrid1_->size());
    const QSize size = findDialog_->frameGeometry().size();
    QPoint at(list.right() - size.width(), list.bottom() - size.height());
    if (at.y() < list.top()) at.setY(frameGeometry().bottom() + 1);
    findDialog_->move(at);
    findDialog_->raise();
    findDialog_->activateWindow();
    findDialog_->textBox()->setFocus();
    findDialog_->textBox()->selectAll();
}

}  // namespace ui
