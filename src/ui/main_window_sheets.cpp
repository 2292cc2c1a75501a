// The main window's workbook commands in "Wymiana": "Eksport arkusza…" writes every list to
// one .xlsx workbook, "Import arkusza…" reads CSV files and .xlsx/.ods workbooks alike. Both
// imports ask for the encoding of a CSV file that is not UTF-8, and both exports ask before
// they replace files that are there.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "config/language.h"
#include "session/session.h"
#include "ui/dialogs.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/sheet_dialogs.h"

namespace ui {

bool MainWindow::mayReplace(const QStringList& paths) {
    QStringList present;
    for (const QString& p : paths) {
        if (QFile::exists(p)) present << QDir::toNativeSeparators(p);
    }
    if (present.isEmpty()) return true;
    return Dialogs::instance().ask(
        this, QStringLiteral("UWAGA"),
        (present.size() == 1 ? tr("Plik %1 już istnieje. Zastąpić go?")
                             : tr("Te pliki już istnieją:\n%1\nZastąpić je?"))
            .arg(present.join(QLatin1Char('\n'))));
}

void MainWindow::exportWorkbook() {
    const QString file = chooseWorkbookFile(this);
    if (file.isEmpty() || !mayReplace({file})) return;
    session_.exportWorkbook(QDir::toNativeSeparators(file).toStdString(),
                            config::exchangeLanguage());
    Dialogs::instance().inform(this, tr("Zapisano plik:\n") + QDir::toNativeSeparators(file));
}

void MainWindow::importWorkbook() {
    importFiles(chooseImportFiles(this));
}

void MainWindow::importFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& f : files) paths.push_back(QDir::toNativeSeparators(f).toStdString());
    std::vector<formats::ImportFile> chosen = session_.inspectImport(paths);
    for (formats::ImportFile& file : chosen) {
        // With no candidate the import refuses the file and says why.
        if (file.kind != formats::ImportFile::Kind::NeedsEncoding || file.candidates.empty())
            continue;
        file.encoding =
            chooseEncoding(this, QFileInfo(QString::fromStdString(file.path)).fileName(), file);
        if (!file.encoding) return;  // cancelled: nothing is imported
    }
    const formats::ExchangeReport report = session_.importFiles(chosen);
    const QString text = QString::fromStdString(report.summary());
    if (report.refused()) {
        Dialogs::instance().error(this, text);
    } else {
        Dialogs::instance().inform(this, text);
        if (report.written) offerDuplicates();
    }
}

}  // namespace ui
