#include "store/schema.h"

#include <filesystem>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/database_location.h"
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

bool mentions(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

void createSchema(db::SqlQuery& query) {
    // A file holds the whole schema or none of it, whenever the program is stopped.
    runInTransaction(connectionOf(query), [&] {
        for (const char* statement : kCreationStatements) exec(query, statement);
    });
}

void convertFromVersion1(db::SqlQuery& query) {
    db::SqlConnection& connection = connectionOf(query);
    // Read whole from the file: a name is never cut on its way into the new table.
    const auto stations = readStoredRows(connection, kStationListSql);
    runInTransaction(connection, [&] {
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
        throw db::DatabaseError("Nie można odczytać katalogu roboczego (" + ec.message() +
                                "). Uruchom program w istniejącym katalogu.");
    }
    return dir.string() + "/";
}

StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list) {
    return openDatabase(connection, list, DatabaseLocation());
}

StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list,
                           const DatabaseLocation& location) {
    StartupReport report;
    list.close();
    connection.close();
    connection.setDefaultDir(location.directory());
    connection.setDatabase(location.fileName());
    connection.open();
    const std::string path = connection.defaultDir() + connection.database();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        bool isNew = false;
        try {
            openQuery(list, "select value from admin where key='wersja';");
        } catch (const db::DatabaseError& e) {
            const std::string text = e.what();
            if (mentions(text, "no such table: admin")) {
                isNew = true;
            } else if (mentions(text, "locked") || mentions(text, "busy")) {
                throw db::DatabaseError("Plik bazy danych " + path +
                                        " jest zablokowany przez inny program (" + firstLine(text) +
                                        "). Zamknij ten program i uruchom Listy ponownie.");
            } else if (mentions(text, "not a database") || mentions(text, "encrypted")) {
                throw db::DatabaseError("Plik " + path + " nie jest bazą danych (" +
                                        firstLine(text) + "). Nic w nim nie zmieniono.");
            } else if (mentions(text, "malformed") || mentions(text, "corrupt")) {
                report.damage = firstLine(text);
            } else {
                throw;
            }
        }
        if (report.damage.empty() && !isNew) report.damage = damageFound(connection);
        if (!report.damage.empty()) {
            openReadOnly(connection);
            report.message = "Plik bazy danych " + path + " jest uszkodzony (" + report.damage +
                             "). Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim "
                             "zapisana. Przywróć kopię zapasową albo skopiuj dane w "
                             "przeglądarce SQL do nowej bazy.";
            openQuery(list, kWaybillListSql);
            return report;
        }
        if (isNew) {
            createSchema(list);
        } else if (list.fields(0).asString() == "1") {
            convertFromVersion1(list);
        }
    }
    openQuery(list, kWaybillListSql);
    return report;
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
