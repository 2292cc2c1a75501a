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

std::string fold(std::string_view text) {
    return db::lowerAscii(text);
}

std::string perDay(long perWeek) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(perWeek) / 7.0);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
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

namespace {

// What the file holds, read once, for the checks of many relations.
struct KnownNames {
    std::set<std::string> stations;
    std::set<std::pair<std::string, std::string>> parties;  // name, station
    std::set<std::pair<std::string, std::string>> loads;    // name, wagon type

    explicit KnownNames(db::SqlConnection& connection) {
        for (const auto& row : readStoredRows(connection, "select nazwa from stacje;"))
            stations.insert(textOf(row, 0));
        for (const auto& row : readStoredRows(connection, "select nazwa, stacja from punkty;"))
            parties.emplace(textOf(row, 0), textOf(row, 1));
        for (const auto& row : readStoredRows(connection, "select nazwa, rodz_wag from ladunki;"))
            loads.emplace(textOf(row, 0), textOf(row, 1));
    }

    unsigned missing(const Relation& r) const {
        const Waybill& t = r.texts;
        unsigned m = 0;
        if (!stations.count(t.sendingStation) || !stations.count(t.receivingStation))
            m |= MissingStation;
        if (!parties.count({t.shipper, t.sendingStation}) ||
            !parties.count({t.receiver, t.receivingStation}))
            m |= MissingParty;
        if (!loads.count({t.load, t.wagonType})) m |= MissingLoad;
        return m;
    }
};

}  // namespace

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

// --- the generator ----------------------------------------------------------------------

std::vector<long> shareOfDays(const std::vector<int>& perWeek, int days) {
    // In sevenths of a wagon, so that nothing is rounded before the end.
    std::vector<long> out;
    long long sevenths = 0;
    std::vector<std::pair<long, std::size_t>> rest;  // remainder, position
    for (std::size_t i = 0; i < perWeek.size(); ++i) {
        const long long s = static_cast<long long>(perWeek[i]) * days;
        sevenths += s;
        out.push_back(static_cast<long>(s / 7));
        rest.emplace_back(static_cast<long>(s % 7), i);
    }
    const long total = static_cast<long>((sevenths * 2 + 7) / 14);  // half up
    long given = 0;
    for (long n : out) given += n;
    std::stable_sort(rest.begin(), rest.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total && k < rest.size(); ++k, ++given) ++out[rest[k].second];
    return out;
}

std::vector<std::size_t> shuffledOrder(std::size_t n, std::uint64_t seed) {
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::mt19937_64 engine(seed);
    // A draw below `bound` without bias: values under 2^64 mod bound are drawn again.
    auto below = [&engine](std::uint64_t bound) {
        const std::uint64_t threshold = (0 - bound) % bound;
        for (;;) {
            const std::uint64_t x = engine();
            if (x >= threshold) return x % bound;
        }
    };
    for (std::size_t i = n; i > 1; --i) std::swap(order[i - 1], order[below(i)]);
    return order;
}

GenerationPlan planGeneration(db::SqlConnection& connection, const GenerateOptions& options) {
    if (options.days > 0 ? options.days > 520 * 7 : (options.weeks < 1 || options.weeks > 520))
        throw std::invalid_argument(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Okres musi mieć od 1 dnia do 520 tygodni.")));
    GenerationPlan plan;
    plan.options = options;
    const KnownNames known(connection);
    const std::set<std::string> chosen(options.stations.begin(), options.stations.end());
    std::vector<Relation> used;
    for (Relation& r : readRelations(connection)) {
        if (!chosen.empty() && !chosen.count(r.texts.sendingStation) &&
            !chosen.count(r.texts.receivingStation))
            continue;
        if (const unsigned m = known.missing(r)) {
            plan.skipped.emplace_back(std::move(r), m);
        } else {
            used.push_back(std::move(r));
        }
    }
    std::vector<long> counts;
    if (options.days > 0) {
        std::vector<int> perWeek;
        for (const Relation& r : used) perWeek.push_back(r.perWeek);
        counts = shareOfDays(perWeek, options.days);
    } else {
        for (const Relation& r : used)
            counts.push_back(static_cast<long>(r.perWeek) * options.weeks);
    }
    std::vector<std::size_t> ordered;  // the relation of each waybill, in relation order
    std::map<std::string, StationSummary> stations;
    std::map<std::pair<std::string, std::string>, long> atBusiness;  // station, name: per week
    std::map<std::string, std::pair<std::string, long>> byClass;     // folded: shown, per week
    for (std::size_t i = 0; i < used.size(); ++i) {
        const Waybill& t = used[i].texts;
        plan.made.emplace_back(used[i], counts[i]);
        ordered.insert(ordered.end(), static_cast<std::size_t>(counts[i]), i);
        StationSummary& from = stations[t.sendingStation];
        StationSummary& to = stations[t.receivingStation];
        from.sent += counts[i];
        to.received += counts[i];
        from.made += counts[i];
        if (t.receivingStation != t.sendingStation) to.made += counts[i];
        atBusiness[{t.sendingStation, t.shipper}] += used[i].perWeek;
        atBusiness[{t.receivingStation, t.receiver}] += used[i].perWeek;
        auto& cls = byClass[fold(t.wagonType)];
        if (cls.first.empty()) cls.first = t.wagonType;
        cls.second += used[i].perWeek;
    }
    for (auto& [name, s] : stations) {
        s.station = name;
        plan.stations.push_back(s);
    }
    plan.stack.reserve(ordered.size());
    for (std::size_t i : shuffledOrder(ordered.size(), options.seed))
        plan.stack.push_back(static_cast<std::uint32_t>(ordered[i]));

    // A siding takes its wagons for loading and for unloading alike.
    for (const Places& p : readPlaces(connection)) {
        const auto it = atBusiness.find({p.station, p.name});
        if (it == atBusiness.end() || p.places <= 0) continue;
        if (it->second > static_cast<long>(p.places) * 7) {
            plan.warnings.push_back(
                message("listy",
                        QT_TRANSLATE_NOOP(
                            "listy", "„%1” (%2): średnio %3 wagonu na dzień ruchu, a miejsc %4"),
                        {p.name, p.station, perDay(it->second), std::to_string(p.places)}));
        }
    }
    if (wagonTableExists(connection)) {
        std::map<std::string, long> wagons;
        for (const auto& row : readStoredRows(connection, "select klasa from wagony;"))
            ++wagons[fold(textOf(row, 0))];
        if (!wagons.empty()) {
            for (const auto& [key, cls] : byClass) {
                const long have = wagons.count(key) ? wagons[key] : 0;
                if (cls.second > have) {
                    plan.warnings.push_back(message(
                        "listy",
                        QT_TRANSLATE_NOOP(
                            "listy",
                            "Rodzaj wagonu „%1”: %2 listów na tydzień, a wagonów na liście %3"),
                        {cls.first, std::to_string(cls.second), std::to_string(have)}));
                }
            }
        }
    }
    return plan;
}

void writeGeneration(db::SqlConnection& connection, db::SqlQuery& query, GenerationPlan& plan) {
    if (plan.stack.empty()) return;
    const int current = readCounter(query, counterKey(Counter::Waybills));
    if (static_cast<long long>(current) + static_cast<long long>(plan.stack.size()) >
        std::numeric_limits<int>::max())
        throw RelationRefused(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Licznik %1 nie pomieści tylu nowych listów."),
            {counterKey(Counter::Waybills)}));
    // One prepared insert with bound values: the texts go in byte for byte, straight from
    // the relations, and the history records them from there.
    db::RecordedInsert insert(connection, "listy");
    insert.reserve(plan.stack.size());
    plan.firstId = current + 1;
    int id = current;
    for (const std::uint32_t r : plan.stack) {
        const Waybill& w = plan.made[r].first.texts;
        insert.bind(1, static_cast<std::int64_t>(++id));
        for (std::size_t i = 0; i < kWaybillFields.size(); ++i)
            insert.bind(static_cast<int>(i) + 2, w[kWaybillFields[i]]);
        insert.run();
    }
    exec(query, counterUpdateSql(Counter::Waybills, id));
}

Waybill GenerationPlan::waybill(std::size_t i) const {
    Waybill w = made[stack[i]].first.texts;
    w.id = firstId > 0 ? firstId + static_cast<int>(i) : 0;
    return w;
}

std::string GenerationPlan::summary() const {
    long total = 0;
    for (const auto& [r, n] : made) total += n;
    std::string text = message("listy", QT_TRANSLATE_NOOP("listy", "Listów: %1 z %2 relacji."),
                               {std::to_string(total), std::to_string(made.size())});
    for (const StationSummary& s : stations) {
        text += "\n  " + message("listy",
                                 QT_TRANSLATE_NOOP("listy", "%1: %2 (nadanych %3, odbieranych %4)"),
                                 {s.station, std::to_string(s.made), std::to_string(s.sent),
                                  std::to_string(s.received)});
    }
    if (!warnings.empty()) {
        text += "\n" + message("listy", QT_TRANSLATE_NOOP("listy", "Ostrzeżenia:"));
        for (const std::string& w : warnings) text += "\n  " + w;
    }
    if (!skipped.empty()) {
        text += "\n" +
                message("listy",
                        QT_TRANSLATE_NOOP("listy", "Pominięte relacje (nazwa już nie istnieje):"));
        for (const auto& [r, m] : skipped) {
            text += "\n  " + r.texts.shipper + " (" + r.texts.sendingStation + ") → " +
                    r.texts.receiver + " (" + r.texts.receivingStation + "), " + r.texts.load +
                    ": " + missingText(m);
        }
    }
    return text;
}

}  // namespace model
