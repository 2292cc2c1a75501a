#include "store/reference_data.h"

#include "db/sql_query.h"
#include "store/counters.h"
#include "store/sql_text.h"
#include "store/transaction.h"

namespace store {

std::string partiesOfStationSql(std::string_view station) {
    return "select * from punkty where stacja='" + sqlEscape(station) + "';";
}

void addLoad(db::SqlQuery& query, std::string_view name, std::string_view wagon) {
    exec(query, "insert into ladunki values ('" + sqlEscape(name) + "','" + sqlEscape(wagon) +
                    "');");
    openQuery(query, kLoadListSql);
}

void deleteLoad(db::SqlQuery& query, std::string_view name, std::string_view wagon) {
    exec(query, "delete from ladunki where nazwa='" + sqlEscape(name) + "' and rodz_wag='" +
                    sqlEscape(wagon) + "';");
    openQuery(query, kLoadListSql);
}

int addParty(db::SqlConnection& connection, db::SqlQuery& query, std::string_view name,
             std::string_view station) {
    const std::string quotedName = sqlEscape(name);
    const std::string quotedStation = sqlEscape(station);
    const int id = addWithCounter(connection, query, Counter::Parties, [&](int n) {
        return "insert into punkty values(" + std::to_string(n) + ",'" + quotedName + "','" +
               quotedStation + "','');";
    });
    openQuery(query, kPartyListSql);
    return id;
}

void deleteParty(db::SqlConnection& connection, db::SqlQuery& query, std::string_view name,
                 std::string_view station) {
    const std::string n = sqlEscape(name);
    const std::string s = sqlEscape(station);
    runInTransaction(connection, [&] {
        exec(query, "delete from punkty where nazwa='" + n + "'and stacja='" + s + "';");
        exec(query, "delete from listy where (nadawca='" + n + "' and st_nad='" + s +
                        "') or (odbiorca='" + n + "' and st_odb='" + s + "');");
    });
    openQuery(query, kPartyListSql);
}

}  // namespace store
