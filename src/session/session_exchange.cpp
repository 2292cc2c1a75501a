#include "session/session.h"

#include <memory>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "files/export_folder.h"
#include "files/maintenance.h"
#include "formats/listy_file.h"
#include "formats/reference_check.h"
#include "formats/workbook.h"
#include "formats/xlsx_writer.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

// --- the file as a whole ----------------------------------------------------------------

std::string Session::newDatabase() {
    Changes changes = Changes::all();
    changes.newFile = true;
    return run({[](const db::RowChanges&) {
                    return model::Message("listy", QT_TRANSLATE_NOOP("listy", "nowa baza"));
                },
                changes, false, true},
               [&](CommandRun& run) {
                   model::runInTransaction(*connection_, [&] { run.backupNow(); });
                   // Every dataset is closed so the file can go; the lists that were open
                   // come back on the new file.
                   for (ShownList* list : lists_) {
                       list->reopenAfterNewFile_ = list->active() && list->follows_.has_value();
                       list->query_->close();
                   }
                   command().close();
                   recreateDatabase(*connection_, command(), location_);
               });
}

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Changes changesOf(const formats::ExchangeReport& report) {
    Changes c;
    if (!report.written) return c;
    for (model::List list : model::kExchangedLists) {
        if (report.added[model::indexOf(list)] > 0) c.lists |= model::noticeBit(list);
    }
    return c;
}

}  // namespace

formats::ExchangeReport Session::importFiles(const std::vector<formats::ImportFile>& files) {
    formats::ExchangeReport report;
    const std::string backup =
        run({[&](const db::RowChanges&) {
                 return model::Message("listy",
                                       report.command == formats::ExchangeCommand::WorkbookImport
                                           ? QT_TRANSLATE_NOOP("listy", "import arkusza")
                                           : QT_TRANSLATE_NOOP("listy", "import CSV"));
             },
             {}},
            [&](CommandRun& run) {
                // The copy is written beside the inserts, and whole before the commit.
                report = formats::importFiles(
                    *connection_, files, [&] { run.startBackup(); }, [&] { run.finishBackup(); });
                run.changes = changesOf(report);
            });
    report.backup = backup;
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
    formats::ExchangeReport report;
    formats::ExchangeData data;
    const std::string backup =
        run({[&](const db::RowChanges&) {
                 return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dołączenie bazy %1"),
                                       {fileNameOf(path)});
             },
             {}},
            [&](CommandRun& run) {
                data = formats::readListyFile(path);
                report = mergeDatabase(
                    *connection_, data, [&] { run.startBackup(); }, [&] { run.finishBackup(); });
                run.changes = changesOf(report);
            });
    report.backup = backup;
    // The lists read name the waybills that refer to names none of the lists holds.
    if (report.written) guarded([&] { noteMissingReferences(*connection_, data, report); });
    return report;
}

std::vector<files::BackupInfo> Session::backups() const {
    return files::listBackups(location_);
}

std::string Session::backupFolder() const {
    return files::backupFolder(location_);
}

std::string Session::restore(const std::string& backupPath) {
    std::string before;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "przywrócenie kopii %1"),
                                   {fileNameOf(backupPath)});
         },
         Changes::all(), false, true},
        [&](CommandRun&) { before = files::restoreBackup(*connection_, location_, backupPath); });
    return before;
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
