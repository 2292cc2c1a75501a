#include "store/schema.h"

#include <filesystem>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/sql_text.h"
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

void createSchema(db::SqlQuery& query) {
    for (const char* statement : kCreationStatements) exec(query, statement);
}

void convertFromVersion1(db::SqlQuery& query) {
    std::vector<std::string> names;  // line i of one belongs to line i of the other
    std::vector<std::string> ids;
    openQuery(query, kStationListSql);
    const int count = query.recordCount();
    for (int i = 0; i < count; ++i) {
        names.push_back(query.fields(1).asString());
        ids.push_back(query.fields(0).asString());
        query.next();
    }
    exec(query, "drop table stacje;");
    exec(query, "create table stacje(id integer[2], nazwa varchar[20], kolor varchar[20]);");
    for (std::size_t i = 0; i < names.size(); ++i) {
        exec(query, "insert into stacje values(" + ids[i] + ",'" + sqlEscape(names[i]) +
                        "','clwhite');");
    }
    exec(query, "update admin set value='2' where key='wersja';");
}

std::string workingDirectory() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string() + "/";
}

void openDatabase(db::SqlConnection& connection, db::SqlQuery& list) {
    list.close();
    connection.close();
    connection.setDefaultDir(workingDirectory());
    connection.setDatabase(kDatabaseFile);
    connection.open();
    std::error_code ec;
    if (std::filesystem::exists(connection.defaultDir() + connection.database(), ec)) {
        bool isNew = false;
        try {
            openQuery(list, "select value from admin where key='wersja';");
        } catch (const db::DatabaseError&) {
            isNew = true;
        }
        if (isNew) {
            createSchema(list);
        } else if (list.fields(0).asString() == "1") {
            convertFromVersion1(list);
        }
    }
    openQuery(list, kWaybillListSql);
}

}  // namespace store
