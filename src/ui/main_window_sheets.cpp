// The main window's workbook commands in "Wymiana": "Eksport arkusza…" writes every list to
// one .xlsx workbook, "Import arkusza…" reads CSV files and .xlsx/.ods workbooks alike. Both
// imports ask for the encoding of a CSV file that is not UTF-8, and both exports ask before
// they replace files that are there.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/encoding.h"
#include "store/exchange.h"
#include "store/import_files.h"
#include "store/session.h"
#include "store/workbook.h"
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
    session_.exportWorkbook(QDir::toNativeSeparators(file).toStdString(), exchangeLanguage());
    Dialogs::instance().inform(this, tr("Zapisano plik:\n") + QDir::toNativeSeparators(file));
}

void MainWindow::importWorkbook() {
    importFiles(chooseImportFiles(this));
}

void MainWindow::importFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    std::vector<store::ImportFile> chosen;
    for (const QString& f : files) {
        store::ImportFile file{QDir::toNativeSeparators(f).toStdString(), std::nullopt};
        // A file that cannot be read is refused by the import itself, with the others.
        std::string bytes;
        try {
            bytes = store::readImportBytes(file.path);
        } catch (const std::exception&) {
        }
        if (!store::looksLikeWorkbook(bytes) && !store::isValidUtf8(bytes)) {
            const std::vector<store::Encoding> candidates = store::likelyEncodings(bytes);
            // With no candidate the import refuses the file and says why.
            if (!candidates.empty()) {
                file.encoding = chooseEncoding(this, QFileInfo(f).fileName(), bytes, candidates);
                if (!file.encoding) return;  // cancelled: nothing is imported
            }
        }
        chosen.push_back(std::move(file));
    }
    const store::ExchangeReport report = session_.importFiles(chosen);
    const QString text = QString::fromStdString(report.summary());
    if (report.refused()) {
        Dialogs::instance().error(this, text);
    } else {
        Dialogs::instance().inform(this, text);
        if (report.written) offerDuplicates();
    }
}

}  // namespace ui
