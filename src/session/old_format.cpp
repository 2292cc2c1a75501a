#include "session/old_format.h"

#include <filesystem>
#include <vector>

#include "files/database_location.h"
#include "files/file_sync.h"
#include "formats/legacy_conversion.h"
#include "formats/sqlite2_reader.h"
#include "model/messages.h"
#include "model/schema.h"

namespace session {
namespace {

using files::LegacyMigrationError;
using model::message;

files::MigrationResult migrateLegacyFile(const std::string& path) {
    files::MigrationResult result;
    if (!formats::isSqlite2File(path)) {
        files::removeConversionLeftovers(path);
        return result;
    }
    // Two programs started at once on an old file: the second waits for the first to end
    // its conversion (the lock is on the old file itself), then finds the file converted.
    // Without the wait each removed the other's half-built file.
    const files::FileLock converting(path, 60000);
    if (!formats::isSqlite2File(path)) return result;
    files::removeConversionLeftovers(path);
    if (formats::hasSqlite2Journal(path)) {
        throw LegacyMigrationError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy",
                              "Plik %1 jest w starym formacie (SQLite 2), a obok niego leży plik "
                              "%1-journal: ostatnia zmiana w tym pliku została przerwana. Plik "
                              "nie został przekształcony; oba pliki pozostały bez zmian"),
            {path}));
    }
    // Everything is read before anything on disk changes.
    std::vector<formats::Sqlite2Table> tables;
    try {
        tables = formats::Sqlite2Reader::fromFile(path).tables();
    } catch (const formats::LegacyFormatError& e) {
        throw LegacyMigrationError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy",
                              "Plik %1 jest w starym formacie (SQLite 2), ale jest uszkodzony, "
                              "więc nie został przekształcony; pozostał bez zmian. Szczegóły: %2"),
            {path, e.what()}));
    }
    result.backupPath = files::replaceByConversion(path, [&](const std::string& building) {
        try {
            const formats::ConversionCounts counts =
                formats::writeConvertedDatabase(tables, building);
            result.tables = counts.tables;
            result.rows = counts.rows;
            result.numericChanges = counts.numericChanges;
        } catch (const formats::ConversionError& e) {
            throw LegacyMigrationError(e.what());
        }
    });
    result.migrated = true;
    result.fileName = std::filesystem::path(path).filename().string();
    return result;
}

}  // namespace

files::MigrationResult migrateLegacyDatabase(const std::string& directory) {
    return migrateLegacyFile(directory + model::kDatabaseFile);
}

files::MigrationResult migrateLegacyDatabase(const files::DatabaseLocation& location) {
    return migrateLegacyFile(location.path());
}

std::string migrationMessage(const files::MigrationResult& result) {
    std::string text = message(
        "listy",
        QT_TRANSLATE_NOOP("listy",
                          "Plik %1 był zapisany w starym formacie (SQLite 2) i został "
                          "przekształcony do obecnego formatu: tabel %2, wierszy %3. Oryginalny "
                          "plik zachowano bez zmian jako %4."),
        {result.fileName, std::to_string(result.tables), std::to_string(result.rows),
         result.backupPath});
    if (result.numericChanges > 0) {
        text += message("listy",
                        QT_TRANSLATE_NOOP("listy",
                                          " W kolumnach liczbowych zapisano jako liczby %1 "
                                          "wartości podane tekstem (na przykład \"007\" jako 7)."),
                        {std::to_string(result.numericChanges)});
    }
    return text;
}

}  // namespace session
