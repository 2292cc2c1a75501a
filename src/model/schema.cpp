#include "model/schema.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/messages.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {

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

}  // namespace model
