#include "model/reference_data.h"

#include <algorithm>
#include <vector>

#include "db/sql_query.h"
#include "model/counters.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {

namespace {

// True when `whole` is `shown` or `shown` is a cut of it.
bool showsAs(const std::string& whole, const std::string& shown) {
    return whole.compare(0, shown.size(), shown) == 0;
}

ListedPair wholePair(db::SqlConnection& connection, const std::string& listSql, int index,
                     std::size_t first, std::size_t second, const ListedPair& shown) {
    std::vector<std::string> row;
    if (!readStoredRow(connection, listSql, index, row) || row.size() <= std::max(first, second)) {
        return shown;
    }
    ListedPair whole{row[first], row[second]};
    if (!showsAs(whole.first, shown.first) || !showsAs(whole.second, shown.second)) return shown;
    return whole;
}

}  // namespace

ListedPair wholeLoad(db::SqlConnection& connection, int index, const ListedPair& shown) {
    return wholePair(connection, kLoadListSql, index, 0, 1, shown);
}

ListedPair wholeParty(db::SqlConnection& connection, int index, const ListedPair& shown) {
    return wholePair(connection, kPartyListSql, index, 1, 2, shown);
}

std::string partiesOfStationSql(std::string_view station) {
    return "select * from punkty where stacja='" + sqlEscape(station) + "';";
}

void addLoad(db::SqlQuery& query, std::string_view name, std::string_view wagon) {
    exec(query,
         "insert into ladunki values ('" + sqlEscape(name) + "','" + sqlEscape(wagon) + "');");
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

}  // namespace model
