#include "session/session.h"

#include <memory>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/export_folder.h"
#include "files/maintenance.h"
#include "formats/reference_check.h"
#include "formats/workbook.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

// --- the file as a whole ----------------------------------------------------------------

void Session::newDatabase() {
    recordedWhole(model::Message("listy", QT_TRANSLATE_NOOP("listy", "nowa baza")), [&] {
        model::runInTransaction(*connection_, [&] { backup(); });
        // Every dataset is closed so the file can go; the lists that were open come back on
        // the new file.
        for (ShownList* list : lists_) {
            list->reopenAfterNewFile_ = list->active() && list->follows_.has_value();
            list->query_->close();
        }
        command().close();
        recreateDatabase(*connection_, command(), location_);
    });
    Changes changes = Changes::all();
    changes.newFile = true;
    notify(changes);
}

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Changes changesOf(const formats::ExchangeReport& report) {
    Changes c;
    if (!report.written) return c;
    const std::pair<formats::ExchangeList, ListKind> kinds[] = {
        {formats::ExchangeList::Stations, ListKind::Stations},
        {formats::ExchangeList::Parties, ListKind::Parties},
        {formats::ExchangeList::Loads, ListKind::Loads},
        {formats::ExchangeList::Waybills, ListKind::Waybills},
        {formats::ExchangeList::Wagons, ListKind::Wagons},
        {formats::ExchangeList::Relations, ListKind::Relations},
        {formats::ExchangeList::Places, ListKind::Places}};
    for (const auto& [list, kind] : kinds) {
        if (report.added[static_cast<std::size_t>(list)] > 0)
            c.lists |= static_cast<unsigned>(kind);
    }
    return c;
}

}  // namespace

formats::ExchangeReport Session::importFiles(const std::vector<formats::ImportFile>& files) {
    lastBackup_.clear();
    formats::ExchangeReport report;
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", report.command == "Import arkusza"
                                               ? QT_TRANSLATE_NOOP("listy", "import arkusza")
                                               : QT_TRANSLATE_NOOP("listy", "import CSV"));
        },
        [&] {
            // The copy is written beside the inserts, and whole before the commit.
            std::unique_ptr<files::BackupInBackground> copy;
            report = formats::importFiles(
                *connection_, files,
                [&] {
                    copy = std::make_unique<files::BackupInBackground>(*connection_, location_);
                },
                [&] { lastBackup_ = copy->finish(); });
        });
    notify(changesOf(report));
    return report;
}

std::vector<formats::ImportFile> Session::inspectImport(const std::vector<std::string>& paths) {
    std::vector<formats::ImportFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths) files.push_back(formats::inspectImportFile(path));
    return files;
}

formats::ExchangeReport Session::importFiles(const std::vector<std::string>& paths) {
    return importFiles(inspectImport(paths));
}

void Session::exportWorkbook(const std::string& path, model::Language language) {
    guarded([&] { formats::exportWorkbook(*connection_, path, language); });
}

formats::ExchangeReport Session::merge(const std::string& path) {
    lastBackup_.clear();
    formats::ExchangeReport report;
    formats::ExchangeData data;
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dołączenie bazy %1"),
                                  {fileNameOf(path)});
        },
        [&] {
            data = formats::readListyFile(path);
            std::unique_ptr<files::BackupInBackground> copy;
            report = mergeDatabase(
                *connection_, data,
                [&] {
                    copy = std::make_unique<files::BackupInBackground>(*connection_, location_);
                },
                [&] { lastBackup_ = copy->finish(); });
        });
    // The lists read name the waybills that refer to names none of the lists holds.
    if (report.written) guarded([&] { noteMissingReferences(*connection_, data, report); });
    notify(changesOf(report));
    return report;
}

void Session::restore(const std::string& backupPath) {
    recordedWhole(model::Message("listy", QT_TRANSLATE_NOOP("listy", "przywrócenie kopii %1"),
                                 {fileNameOf(backupPath)}),
                  [&] { restoreBackup(*connection_, location_, backupPath); });
    notify(Changes::all());
}

std::vector<std::string> Session::exportCsv(const std::string& directory,
                                            model::Language language) {
    return guarded([&] {
        std::vector<files::FileToWrite> files;
        for (formats::ExportedFile& file : formats::exportCsvLists(*connection_, language))
            files.push_back({std::move(file.name), std::move(file.bytes)});
        return files::writeFilesInto(directory, files);
    });
}

}  // namespace session
