#include "store/schema.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/database_location.h"
#include "store/failures.h"
#include "store/messages.h"
#include "store/sql_text.h"
#include "store/stored_rows.h"
#include "store/transaction.h"

namespace store {

const std::array<const char*, 9> kCreationStatements = {
    "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
    "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20]);",
    "create table admin(key varchar[10], value varchar[20]);",
    "create table stacje(id integer[2], nazwa varchar[20], kolor varchar[20]);",
    "create table ladunki(nazwa varchar[20], rodz_wag varchar[2]);",
    "create table punkty(id integer[2], nazwa varchar[30], stacja varchar[20], "
    "ladunki varchar[100]);",
    "insert into admin values('wersja','2');",
    "insert into admin values('nr_listu','1');",
    "insert into admin values('nr_stacji','1');",
    "insert into admin values('nr_punktu','1');",
};

namespace {

db::SqlConnection& connectionOf(db::SqlQuery& query) {
    db::SqlConnection* connection = query.connection();
    if (!connection) throw db::SqlConfigError("no database connection");
    return *connection;
}

}  // namespace

void createSchema(db::SqlQuery& query) {
    db::SqlConnection& connection = connectionOf(query);
    // A file holds the whole schema or none of it, whenever the program is stopped. Another
    // program started on the same new file at the same moment may have made it while this
    // one waited for the write lock: then it stands, and nothing is made twice.
    runInTransaction(connection, [&] {
        if (tableExists(connection, "admin")) return;
        for (const char* statement : kCreationStatements) exec(query, statement);
    });
}

void convertFromVersion1(db::SqlQuery& query) {
    db::SqlConnection& connection = connectionOf(query);
    runInTransaction(connection, [&] {
        // Under the write lock: a file another program has converted meanwhile is left as
        // it is (its colours kept).
        const auto version =
            readStoredRows(connection, "select value from admin where key='wersja';");
        if (version.empty() || version[0].empty() || !version[0][0] || *version[0][0] != "1")
            return;
        // Read whole from the file: a name is never cut on its way into the new table.
        const auto stations = readStoredRows(connection, kStationListSql);
        exec(query, "drop table stacje;");
        exec(query, "create table stacje(id integer[2], nazwa varchar[20], kolor varchar[20]);");
        for (const auto& row : stations) {
            const StoredValue id = row.empty() ? StoredValue() : row[0];
            const std::string name = row.size() > 1 && row[1] ? *row[1] : std::string();
            // The id goes in as a quoted value (the column keeps numbers as numbers), so
            // nothing the old file holds can become part of the statement.
            const std::string idValue = id ? "'" + sqlEscape(*id) + "'" : std::string("NULL");
            exec(query,
                 "insert into stacje values(" + idValue + ",'" + sqlEscape(name) + "','clwhite');");
        }
        exec(query, "update admin set value='2' where key='wersja';");
    });
}

std::string workingDirectory() {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec || dir.empty()) {
        throw db::DatabaseError(
            message("store",
                    QT_TRANSLATE_NOOP("store",
                                      "Nie można odczytać katalogu roboczego (%1). Uruchom "
                                      "program w istniejącym katalogu."),
                    {ec.message()}));
    }
    return dir.string() + "/";
}

StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list) {
    return openDatabase(connection, list, DatabaseLocation());
}

namespace {

constexpr const char* kOpenedReadOnly = QT_TRANSLATE_NOOP(
    "store", " Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana.");

std::string engineLine(const db::DatabaseError& e) {
    return "\n" + firstLine(e.what());
}

bool hasAdminTable(db::SqlConnection& connection) {
    const auto rows = readStoredRows(
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
                           const DatabaseLocation& location, bool openList) {
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
            throw db::DatabaseError(message("store",
                                            QT_TRANSLATE_NOOP("store",
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
            throw db::DatabaseError(message("store",
                                            QT_TRANSLATE_NOOP("store",
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
            openQuery(list, "select value from admin where key='wersja';");
        } catch (const db::DatabaseError& e) {
            switch (db::causeOf(e)) {
                case db::Cause::Busy:
                    throw db::DatabaseError(
                        message("store",
                                QT_TRANSLATE_NOOP("store",
                                                  "Plik bazy danych %1 jest zablokowany przez "
                                                  "inny program. Zamknij ten program i uruchom "
                                                  "Listy ponownie."),
                                {path}) +
                            engineLine(e),
                        e.code());
                case db::Cause::NotADatabase:
                    throw db::DatabaseError(
                        message("store",
                                QT_TRANSLATE_NOOP("store",
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
            report.message = message("store",
                                     QT_TRANSLATE_NOOP("store",
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
                            message("store",
                                    QT_TRANSLATE_NOOP("store",
                                                      "Plik bazy danych %1 pochodzi z nowszej "
                                                      "wersji programu (wersja pliku: %2, ten "
                                                      "program zna wersje 1 i 2)."),
                                    {path, version}) +
                                message("store", kOpenedReadOnly));
        } else if (fileReadOnly || folderReadOnly) {
            if (isNew || version == "1") {
                const char* where =
                    fileReadOnly ? QT_TRANSLATE_NOOP("store",
                                                     "Plik bazy danych %1 jest tylko do odczytu, "
                                                     "a trzeba w nim zapisać %2 Nic nie zmieniono.")
                                 : QT_TRANSLATE_NOOP("store",
                                                     "Plik bazy danych %1 leży w katalogu tylko do "
                                                     "odczytu, a trzeba w nim zapisać %2 Nic nie "
                                                     "zmieniono.");
                throw db::DatabaseError(
                    message("store", where,
                            {path, message("store",
                                           isNew ? QT_TRANSLATE_NOOP("store", "nowy schemat bazy.")
                                                 : QT_TRANSLATE_NOOP(
                                                       "store", "nowy układ tabeli stacji."))}),
                    8 /* SQLITE_READONLY */);
            }
            readOnlyBecause(
                connection, report,
                message(
                    "store",
                    fileReadOnly
                        ? QT_TRANSLATE_NOOP("store", "Plik bazy danych %1 jest tylko do odczytu.")
                        : QT_TRANSLATE_NOOP("store",
                                            "Plik bazy danych %1 leży w katalogu tylko do "
                                            "odczytu (nie można w nim zapisać dziennika "
                                            "zmian)."),
                    {path}) +
                    message("store", kOpenedReadOnly));
        } else if (isNew) {
            tellingCause(path, [&] { createSchema(list); });
        } else if (version == "1") {
            tellingCause(path, [&] { convertFromVersion1(list); });
        }
    }
    if (openList) openListTellingDamage(connection, list, path, report);
    return report;
}

void openListTellingDamage(db::SqlConnection& connection, db::SqlQuery& list,
                           const std::string& path, StartupReport& report) {
    try {
        openQuery(list, kWaybillListSql);
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
                message("store",
                        QT_TRANSLATE_NOOP("store",
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
        const auto rows = readStoredRows(connection, "PRAGMA quick_check;");
        if (rows.empty() || rows[0].empty() || !rows[0][0]) return "quick_check: no answer";
        return *rows[0][0] == "ok" ? std::string() : *rows[0][0];
    } catch (const db::DatabaseError& e) {
        return firstLine(e.what());
    }
}

void openReadOnly(db::SqlConnection& connection) {
    runStatement(connection, "PRAGMA query_only = ON;");
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

}  // namespace store
