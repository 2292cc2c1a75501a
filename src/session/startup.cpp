#include "session/startup.h"

#include <filesystem>
#include <string>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/database_location.h"
#include "model/messages.h"
#include "model/schema.h"
#include "model/stored_rows.h"
#include "model/transaction.h"
#include "session/failures.h"

namespace session {

using model::message;

StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list) {
    return openDatabase(connection, list, files::DatabaseLocation());
}

namespace {

constexpr const char* kOpenedReadOnly = QT_TRANSLATE_NOOP(
    "listy", " Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana.");

std::string engineLine(const db::DatabaseError& e) {
    return "\n" + firstLine(e.what());
}

bool hasAdminTable(db::SqlConnection& connection) {
    const auto rows = model::readStoredRows(
        connection, "select count(*) from sqlite_master where type='table' and name='admin';");
    return !rows.empty() && !rows[0].empty() && rows[0][0] && *rows[0][0] != "0";
}

// True when a file can be made in `folder` (a journal needs one beside the database).
bool folderWritable(const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path probe = fs::path(folder) / ".listy-zapis-proba";
    std::error_code ec;
    FILE* f = std::fopen(probe.string().c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    fs::remove(probe, ec);
    return true;
}

// The file is opened read-only and `report` says why.
StartupReport& readOnlyBecause(db::SqlConnection& connection, StartupReport& report,
                               std::string message) {
    openReadOnly(connection);
    report.message = std::move(message);
    return report;
}

}  // namespace

StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list,
                           const files::DatabaseLocation& location, bool openList) {
    StartupReport report;
    list.close();
    connection.close();
    connection.setDefaultDir(location.directory());
    connection.setDatabase(location.fileName());
    const std::string path = location.directory() + location.fileName();
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    try {
        connection.open();
    } catch (const db::DatabaseError& e) {
        if (std::filesystem::is_directory(path, ec)) {
            throw db::DatabaseError(message("listy",
                                            QT_TRANSLATE_NOOP("listy",
                                                              "Nie można otworzyć bazy danych %1: "
                                                              "pod tą nazwą jest katalog, nie "
                                                              "plik. Zmień nazwę katalogu albo "
                                                              "uruchom program w innym katalogu."),
                                            {path}) +
                                        engineLine(e),
                                    e.code());
        }
        if (db::causeOf(e) == db::Cause::CannotOpen && !existed &&
            !folderWritable(location.directory())) {
            throw db::DatabaseError(message("listy",
                                            QT_TRANSLATE_NOOP("listy",
                                                              "Nie można założyć pliku bazy "
                                                              "danych %1: katalog %2 jest tylko do "
                                                              "odczytu. Uruchom program w "
                                                              "katalogu, w którym wolno "
                                                              "zapisywać."),
                                            {path, location.directory()}) +
                                        engineLine(e),
                                    e.code());
        }
        if (auto message = causeMessage(e, path)) throw db::DatabaseError(*message, e.code());
        throw;
    }
    if (std::filesystem::exists(path, ec)) {
        bool isNew = false;
        try {
            model::openQuery(list, "select value from admin where key='wersja';");
        } catch (const db::DatabaseError& e) {
            switch (db::causeOf(e)) {
                case db::Cause::Busy:
                    throw db::DatabaseError(
                        message("listy",
                                QT_TRANSLATE_NOOP("listy",
                                                  "Plik bazy danych %1 jest zablokowany przez "
                                                  "inny program. Zamknij ten program i uruchom "
                                                  "Listy ponownie."),
                                {path}) +
                            engineLine(e),
                        e.code());
                case db::Cause::NotADatabase:
                    throw db::DatabaseError(
                        message("listy",
                                QT_TRANSLATE_NOOP("listy",
                                                  "Plik %1 nie jest bazą danych. Nic w "
                                                  "nim nie zmieniono."),
                                {path}) +
                            engineLine(e),
                        e.code());
                case db::Cause::Damaged:
                    report.damage = firstLine(e.what());
                    break;
                case db::Cause::Other:
                    // The one refusal that makes a file new: it has no table admin.
                    if (hasAdminTable(connection)) throw;
                    isNew = true;
                    break;
                default:
                    if (auto message = causeMessage(e, path))
                        throw db::DatabaseError(*message, e.code());
                    throw;
            }
        }
        if (report.damage.empty() && !isNew) report.damage = damageFound(connection);
        if (!report.damage.empty()) {
            report.message = message("listy",
                                     QT_TRANSLATE_NOOP("listy",
                                                       "Plik bazy danych %1 jest uszkodzony. "
                                                       "Otwarto go tylko do odczytu: żadna zmiana "
                                                       "nie zostanie w nim zapisana. Przywróć "
                                                       "kopię zapasową albo skopiuj dane w "
                                                       "przeglądarce SQL do nowej bazy."),
                                     {path}) +
                             "\n" + report.damage;
            openReadOnly(connection);
            if (openList) openListTellingDamage(connection, list, path, report);
            return report;
        }
        const bool fileReadOnly = connection.fileReadOnly();
        const bool folderReadOnly = !fileReadOnly && !folderWritable(location.directory());
        const std::string version = isNew ? std::string() : list.fields(0).asString();
        if (!isNew && !version.empty() && version != "1" && version != "2") {
            readOnlyBecause(connection, report,
                            message("listy",
                                    QT_TRANSLATE_NOOP("listy",
                                                      "Plik bazy danych %1 pochodzi z nowszej "
                                                      "wersji programu (wersja pliku: %2, ten "
                                                      "program zna wersje 1 i 2)."),
                                    {path, version}) +
                                message("listy", kOpenedReadOnly));
        } else if (fileReadOnly || folderReadOnly) {
            if (isNew || version == "1") {
                const char* where =
                    fileReadOnly ? QT_TRANSLATE_NOOP("listy",
                                                     "Plik bazy danych %1 jest tylko do odczytu, "
                                                     "a trzeba w nim zapisać %2 Nic nie zmieniono.")
                                 : QT_TRANSLATE_NOOP("listy",
                                                     "Plik bazy danych %1 leży w katalogu tylko do "
                                                     "odczytu, a trzeba w nim zapisać %2 Nic nie "
                                                     "zmieniono.");
                throw db::DatabaseError(
                    message("listy", where,
                            {path, message("listy",
                                           isNew ? QT_TRANSLATE_NOOP("listy", "nowy schemat bazy.")
                                                 : QT_TRANSLATE_NOOP(
                                                       "listy", "nowy układ tabeli stacji."))}),
                    8 /* SQLITE_READONLY */);
            }
            readOnlyBecause(
                connection, report,
                message(
                    "listy",
                    fileReadOnly
                        ? QT_TRANSLATE_NOOP("listy", "Plik bazy danych %1 jest tylko do odczytu.")
                        : QT_TRANSLATE_NOOP("listy",
                                            "Plik bazy danych %1 leży w katalogu tylko do "
                                            "odczytu (nie można w nim zapisać dziennika "
                                            "zmian)."),
                    {path}) +
                    message("listy", kOpenedReadOnly));
        } else if (isNew) {
            tellingCause(path, [&] { model::createSchema(list); });
        } else if (version == "1") {
            tellingCause(path, [&] { model::convertFromVersion1(list); });
        }
    }
    if (openList) openListTellingDamage(connection, list, path, report);
    return report;
}

void openListTellingDamage(db::SqlConnection& connection, db::SqlQuery& list,
                           const std::string& path, StartupReport& report) {
    try {
        model::openQuery(list, model::kWaybillListSql);
    } catch (const db::DatabaseError& e) {
        if (db::causeOf(e) != db::Cause::Damaged) {
            if (auto message = causeMessage(e, path)) throw db::DatabaseError(*message, e.code());
            throw;
        }
        // A damaged page of the list that the quick check passed over.
        list.close();
        if (report.damage.empty()) {
            report.damage = firstLine(e.what());
            report.message =
                message("listy",
                        QT_TRANSLATE_NOOP("listy",
                                          "Plik bazy danych %1 jest uszkodzony: nie można "
                                          "odczytać listy listów przewozowych. Otwarto go tylko do "
                                          "odczytu: żadna zmiana nie zostanie w nim zapisana. "
                                          "Przywróć kopię zapasową albo skopiuj dane w "
                                          "przeglądarce SQL do nowej bazy."),
                        {path}) +
                "\n" + report.damage;
            openReadOnly(connection);
        }
    }
}

std::string damageFound(db::SqlConnection& connection) {
    try {
        const auto rows = model::readStoredRows(connection, "PRAGMA quick_check;");
        if (rows.empty() || rows[0].empty() || !rows[0][0]) return "quick_check: no answer";
        return *rows[0][0] == "ok" ? std::string() : *rows[0][0];
    } catch (const db::DatabaseError& e) {
        return firstLine(e.what());
    }
}

void openReadOnly(db::SqlConnection& connection) {
    model::runStatement(connection, "PRAGMA query_only = ON;");
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

}  // namespace session
