#include "model/traffic.h"

#include "model/messages.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "db/row_changes.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "db/sql_statement.h"
#include "db/text.h"
#include "model/counters.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"
#include "model/wagons.h"

namespace model {

namespace {

constexpr const char* kColumns[] = {"st_nad", "nadawca",    "rodz_wag", "ladunek", "odbiorca",
                                    "st_odb", "na_tydzien", "uwagi",    "braki"};

std::string quoted(std::string_view text) {
    return "'" + sqlEscape(text) + "'";
}

std::string textOf(const std::vector<StoredValue>& row, std::size_t i) {
    return i < row.size() && row[i] ? *row[i] : std::string();
}

int numberOf(const std::vector<StoredValue>& row, std::size_t i) {
    try {
        return db::toInteger(textOf(row, i));
    } catch (const std::exception&) {
        return 0;
    }
}

// Rows of "select id, st_nad, …, na_tydzien, uwagi".
Relation relationOf(const std::vector<StoredValue>& row) {
    Relation r;
    r.id = numberOf(row, 0);
    for (std::size_t i = 0; i < kWaybillFields.size(); ++i)
        r.texts[kWaybillFields[i]] = textOf(row, i + 1);
    r.perWeek = numberOf(row, 7);
    r.note = textOf(row, 8);
    return r;
}

constexpr const char* kSelectRelations =
    "select id, st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb, na_tydzien, uwagi "
    "from relacje";

void checkPerWeek(const Relation& relation) {
    if (relation.perWeek < kMinPerWeek || relation.perWeek > kMaxPerWeek) {
        throw RelationRefused(message(
            "listy",
            QT_TRANSLATE_NOOP("listy", "Liczba wagonów na tydzień musi być od 1 do 99 (jest %1)."),
            {std::to_string(relation.perWeek)}));
    }
}

// Creates the table and its counter the first time, in the caller's transaction.
void createRelationTable(db::SqlQuery& query) {
    exec(query, relationTableSql());
    exec(query, relationCounterSql());
}

// The marks as the list computes them, from the same rules as missingOf(). Each name list is
// an uncorrelated subquery, which the engine reads once into an index of its own.
std::string missingSql() {
    const std::string stations = "(select coalesce(nazwa,'') from stacje)";
    const std::string parties = "(select coalesce(nazwa,''), coalesce(stacja,'') from punkty)";
    const std::string loads = "(select coalesce(nazwa,''), coalesce(rodz_wag,'') from ladunki)";
    auto text = [](const char* column) { return std::string("coalesce(r.") + column + ",'')"; };
    const std::string station = "(" + text("st_nad") + " not in " + stations + " or " +
                                text("st_odb") + " not in " + stations + ")";
    const std::string party = "((" + text("nadawca") + ", " + text("st_nad") + ") not in " +
                              parties + " or (" + text("odbiorca") + ", " + text("st_odb") +
                              ") not in " + parties + ")";
    const std::string load = "(" + text("ladunek") + ", " + text("rodz_wag") + ") not in " + loads;
    // The marks in the language of the texts when the list is read.
    auto mark = [](const char* id) { return "', " + sqlEscape(message("listy", id)) + "'"; };
    return "ltrim((case when " + station + " then " +
           mark(QT_TRANSLATE_NOOP("listy", "brak stacji")) + " else '' end) || (case when " +
           party + " then " + mark(QT_TRANSLATE_NOOP("listy", "brak nadawcy/odbiorcy")) +
           " else '' end) || (case when " + load + " then " +
           mark(QT_TRANSLATE_NOOP("listy", "brak ładunku")) + " else '' end), ', ')";
}

}  // namespace

const char* relationColumn(RelationField field) {
    return kColumns[static_cast<int>(field)];
}

std::string missingText(unsigned missing) {
    std::string out;
    auto add = [&out](const char* text) { out += (out.empty() ? "" : ", ") + std::string(text); };
    if (missing & MissingStation) add(message("listy", "brak stacji").c_str());
    if (missing & MissingParty) add(message("listy", "brak nadawcy/odbiorcy").c_str());
    if (missing & MissingLoad) add(message("listy", "brak ładunku").c_str());
    return out;
}

const char* relationTableSql() {
    return "create table if not exists relacje (id integer, st_nad varchar(255), nadawca "
           "varchar(255), rodz_wag varchar(255), ladunek varchar(255), odbiorca varchar(255), "
           "st_odb varchar(255), na_tydzien integer, uwagi varchar(255));";
}

const char* relationCounterSql() {
    return "insert into admin select 'nr_relacji','1' where not exists (select 1 from admin "
           "where key='nr_relacji');";
}

const char* placesTableSql() {
    return "create table if not exists miejsca (nazwa varchar(255), stacja varchar(255), "
           "miejsca integer);";
}

bool relationTableExists(db::SqlConnection& connection) {
    return tableExists(connection, kRelationTable);
}

bool placesTableExists(db::SqlConnection& connection) {
    return tableExists(connection, kPlacesTable);
}

std::string relationListSql(db::SqlConnection& connection, const RelationListing& listing) {
    if (!relationTableExists(connection)) {
        std::string sql = "select '' as id";
        for (const char* c : kColumns) sql += std::string(", '' as ") + c;
        return sql + " where 0;";
    }
    std::string sql = "select r.id as id";
    for (int i = 0; i < 8; ++i) sql += std::string(", r.") + kColumns[i] + " as " + kColumns[i];
    sql += ", " + missingSql() + " as braki from relacje r";
    std::string where;
    if (!listing.station.empty()) {
        where = "(r.st_nad=" + quoted(listing.station) + " or r.st_odb=" + quoted(listing.station) +
                ")";
    }
    if (listing.onlyAvailableWagons) {
        if (!wagonTableExists(connection)) {
            where += std::string(where.empty() ? "" : " and ") + "0";
        } else {
            where += std::string(where.empty() ? "" : " and ") +
                     "upper(r.rodz_wag) in (select upper(klasa) from wagony)";
        }
    }
    if (!where.empty()) sql += " where " + where;
    sql += std::string(" order by ") + relationColumn(listing.sortBy) +
           (listing.descending ? " desc" : "") + ", id;";
    return sql;
}

std::vector<Relation> readRelations(db::SqlConnection& connection) {
    std::vector<Relation> out;
    if (!relationTableExists(connection)) return out;
    for (const auto& row :
         readStoredRows(connection, std::string(kSelectRelations) + " order by id;"))
        out.push_back(relationOf(row));
    return out;
}

std::optional<Relation> findRelation(db::SqlConnection& connection, int id) {
    if (!relationTableExists(connection)) return std::nullopt;
    const auto rows = readStoredRows(
        connection, std::string(kSelectRelations) + " where id=" + std::to_string(id) + ";");
    if (rows.empty()) return std::nullopt;
    return relationOf(rows.front());
}

KnownNames::KnownNames(db::SqlConnection& connection) {
    for (const auto& row : readStoredRows(connection, "select nazwa from stacje;"))
        stations_.insert(textOf(row, 0));
    for (const auto& row : readStoredRows(connection, "select nazwa, stacja from punkty;"))
        parties_.emplace(textOf(row, 0), textOf(row, 1));
    for (const auto& row : readStoredRows(connection, "select nazwa, rodz_wag from ladunki;"))
        loads_.emplace(textOf(row, 0), textOf(row, 1));
}

unsigned KnownNames::missing(const Relation& r) const {
    const Waybill& t = r.texts;
    unsigned m = 0;
    if (!stations_.count(t.sendingStation) || !stations_.count(t.receivingStation))
        m |= MissingStation;
    if (!parties_.count({t.shipper, t.sendingStation}) ||
        !parties_.count({t.receiver, t.receivingStation}))
        m |= MissingParty;
    if (!loads_.count({t.load, t.wagonType})) m |= MissingLoad;
    return m;
}

unsigned missingOf(db::SqlConnection& connection, const Relation& relation) {
    return KnownNames(connection).missing(relation);
}

int insertRelation(db::SqlQuery& query, const Relation& relation) {
    checkPerWeek(relation);
    createRelationTable(query);
    const int current = readCounter(query, kRelationCounter);
    if (current == std::numeric_limits<int>::max())
        throw RelationRefused(
            message("listy", QT_TRANSLATE_NOOP("listy", "Licznik %1 osiągnął największą wartość."),
                    {kRelationCounter}));
    const int id = current + 1;
    std::string values = std::to_string(id);
    for (WaybillField f : kWaybillFields) values += "," + quoted(relation.texts[f]);
    values += "," + std::to_string(relation.perWeek) + "," + quoted(relation.note);
    exec(query, "insert into relacje values(" + values + ");");
    exec(query, "update admin set value='" + std::to_string(id) + "' where key='" +
                    kRelationCounter + "';");
    return id;
}

void updateRelation(db::SqlConnection& connection, db::SqlQuery& query, const Relation& relation) {
    checkPerWeek(relation);
    if (!relationTableExists(connection) ||
        readStoredRows(connection,
                       "select 1 from relacje where id=" + std::to_string(relation.id) + ";")
            .empty()) {
        throw RelationRefused(
            message("listy", QT_TRANSLATE_NOOP("listy", "Relacji nr %1 nie ma już w bazie."),
                    {std::to_string(relation.id)}));
    }
    std::string sets;
    for (WaybillField f : kWaybillFields)
        sets += std::string(columnOf(f)) + "=" + quoted(relation.texts[f]) + ",";
    sets += "na_tydzien=" + std::to_string(relation.perWeek) + ",uwagi=" + quoted(relation.note);
    exec(query, "update relacje set " + sets + " where id=" + std::to_string(relation.id) + ";");
}

void deleteRelation(db::SqlQuery& query, int id) {
    exec(query, "delete from relacje where id=" + std::to_string(id) + ";");
}

// --- places -----------------------------------------------------------------------------

std::vector<Places> readPlaces(db::SqlConnection& connection) {
    std::vector<Places> out;
    if (!placesTableExists(connection)) return out;
    for (const auto& row : readStoredRows(
             connection, "select nazwa, stacja, miejsca from miejsca order by stacja, nazwa;"))
        out.push_back({textOf(row, 0), textOf(row, 1), numberOf(row, 2)});
    return out;
}

int placesOf(db::SqlConnection& connection, std::string_view name, std::string_view station) {
    if (!placesTableExists(connection)) return 0;
    const auto rows =
        readStoredRows(connection, "select miejsca from miejsca where nazwa=" + quoted(name) +
                                       " and stacja=" + quoted(station) + ";");
    return rows.empty() ? 0 : numberOf(rows.front(), 0);
}

void writePlaces(db::SqlQuery& query, const Places& places) {
    if (places.places < 0 || places.places > kMaxPlaces)
        throw RelationRefused(
            message("listy", QT_TRANSLATE_NOOP("listy", "Liczba miejsc musi być od 0 do 999.")));
    exec(query, placesTableSql());
    const std::string where =
        " where nazwa=" + quoted(places.name) + " and stacja=" + quoted(places.station) + ";";
    exec(query, "delete from miejsca" + where);
    if (places.places > 0) {
        exec(query, "insert into miejsca values(" + quoted(places.name) + "," +
                        quoted(places.station) + "," + std::to_string(places.places) + ");");
    }
}

}  // namespace model
