#include "model/duplicates.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "db/text.h"
#include "model/messages.h"
#include "model/name_key.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {

namespace {

// Union-find over the things: two share a group when their names have one header key
// (case, blanks, diacritics, and the German writing without umlauts folded alike).
std::vector<std::vector<std::size_t>> groupsOf(const std::vector<NamedThing>& things) {
    std::vector<std::size_t> parent(things.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    std::map<std::pair<std::string, std::string>, std::size_t> firstWithKey;
    for (std::size_t i = 0; i < things.size(); ++i) {
        const auto [it, fresh] =
            firstWithKey.emplace(std::pair{things[i].scope, nameKey(things[i].name)}, i);
        if (!fresh) parent[root(i)] = root(it->second);
    }
    std::map<std::size_t, std::vector<std::size_t>> byRoot;
    for (std::size_t i = 0; i < things.size(); ++i) byRoot[root(i)].push_back(i);
    std::vector<std::vector<std::size_t>> out;
    for (auto& [r, members] : byRoot) {
        if (members.size() > 1) out.push_back(std::move(members));
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string colourOf(db::SqlConnection& connection, const std::string& station) {
    const auto rows = readStoredRows(
        connection, "select kolor from stacje where nazwa='" + sqlEscape(station) + "' limit 1;");
    return rows.empty() || rows[0].empty() ? std::string() : rows[0][0].value_or("");
}

const char* tableOf(NamedKind kind) {
    switch (kind) {
        case NamedKind::Station:
            return "stacje";
        case NamedKind::Party:
            return "punkty";
        case NamedKind::Load:
            break;
    }
    return "ladunki";
}

const char* scopeOf(NamedKind kind) {
    switch (kind) {
        case NamedKind::Station:
            return nullptr;
        case NamedKind::Party:
            return "stacja";
        case NamedKind::Load:
            break;
    }
    return "rodz_wag";
}

std::string whereNamed(NamedKind kind, const std::string& name, const std::string& scope) {
    std::string where = " where nazwa='" + sqlEscape(name) + "'";
    if (const char* s = scopeOf(kind))
        where += std::string(" and ") + s + "='" + sqlEscape(scope) + "'";
    return where;
}

std::vector<long long> rowidsOf(db::SqlConnection& connection, const std::string& sql) {
    std::vector<long long> out;
    for (const auto& row : readStoredRows(connection, sql)) {
        if (!row.empty() && row[0]) out.push_back(std::stoll(*row[0]));
    }
    return out;
}

std::string shown(NamedKind kind, const std::vector<StoredValue>& row) {
    const std::string name = row.size() > 1 ? row[1].value_or("") : "";
    const std::string second = row.size() > 2 ? row[2].value_or("") : "";
    switch (kind) {
        case NamedKind::Station:
            return message("listy", QT_TRANSLATE_NOOP("listy", "stacja %1 (%2)"), {name, second});
        case NamedKind::Party:
            return message("listy", QT_TRANSLATE_NOOP("listy", "nadawca/odbiorca %1 (stacja %2)"),
                           {name, second});
        case NamedKind::Load:
            break;
    }
    return message("listy", QT_TRANSLATE_NOOP("listy", "ładunek %1 (wagony %2)"), {name, second});
}

std::vector<StoredValue> rowAt(db::SqlConnection& connection, NamedKind kind, long long rowid) {
    const char* scope = scopeOf(kind);
    const auto rows = readStoredRows(
        connection, std::string("select rowid, nazwa, ") + (scope ? scope : "kolor") + " from " +
                        tableOf(kind) + " where rowid=" + std::to_string(rowid) + ";");
    return rows.empty() ? std::vector<StoredValue>() : rows[0];
}

// The rows of a reference table a join is about to rename, as the summary names them.
using Touched = std::map<long long, std::string>;
void touch(db::SqlConnection& connection, NamedKind kind, const std::vector<long long>& rowids,
           Touched& touched) {
    for (const long long rowid : rowids) {
        const auto row = rowAt(connection, kind, rowid);
        if (!row.empty()) touched.emplace(rowid, shown(kind, row));
    }
}

// Of the rows `touched` of a reference table, those now identical with another row (one
// not touched, or one touched earlier) are removed; each is listed as it was.
void removeBecameIdentical(db::SqlConnection& connection, NamedKind kind, const Touched& touched,
                           JoinReport& report) {
    const std::string table = tableOf(kind);
    std::set<long long> removed;
    for (const auto& [rowid, was] : touched) {
        const auto row = rowAt(connection, kind, rowid);
        if (row.empty()) continue;
        bool twin = false;
        for (const long long other :
             rowidsOf(connection, "select rowid from " + table +
                                      whereNamed(kind, row[1].value_or(""), row[2].value_or("")) +
                                      ";")) {
            if (other == rowid || removed.count(other)) continue;
            if (!touched.count(other) || other < rowid) twin = true;
        }
        if (!twin) continue;
        runStatement(connection,
                     "delete from " + table + " where rowid=" + std::to_string(rowid) + ";");
        removed.insert(rowid);
        report.removed.push_back(was);
    }
}

void removePlacesMadeTwice(db::SqlConnection& connection,
                           const std::map<long long, std::pair<std::string, std::string>>& before,
                           JoinReport& report) {
    struct Place {
        std::string rowid, places;
        std::pair<std::string, std::string> business, was;  // name and station, now and before
    };
    std::vector<Place> rows;
    for (const auto& r : readStoredRows(
             connection,
             "select rowid, nazwa, stacja, miejsca from miejsca where (nazwa, stacja) in (select "
             "nazwa, stacja from miejsca group by nazwa, stacja having count(*) > 1) order by "
             "nazwa, stacja, rowid;")) {
        Place p{r[0].value_or("0"), r[3].value_or(""), {r[1].value_or(""), r[2].value_or("")}, {}};
        const auto was = before.find(std::stoll(p.rowid));
        p.was = was != before.end() ? was->second : p.business;
        rows.push_back(std::move(p));
    }
    for (std::size_t i = 0, end = 0; i < rows.size(); i = end) {
        while (end < rows.size() && rows[end].business == rows[i].business) ++end;
        const auto first = rows.begin() + static_cast<std::ptrdiff_t>(i);
        const auto last = rows.begin() + static_cast<std::ptrdiff_t>(end);
        auto keep = std::find_if(first, last, [](const Place& p) { return p.was == p.business; });
        if (keep == last) keep = first;
        for (auto p = first; p != last; ++p) {
            if (p == keep) continue;
            runStatement(connection, "delete from miejsca where rowid=" + p->rowid + ";");
            report.removed.push_back(message("listy",
                                             QT_TRANSLATE_NOOP("listy", "miejsca %1 (%2): %3"),
                                             {p->was.first, p->was.second, p->places}));
        }
    }
}

}  // namespace

std::vector<DuplicateGroup> proposeDuplicates(db::SqlConnection& connection) {
    const std::vector<NamedThing> all = namedThings(connection);
    std::vector<DuplicateGroup> out;
    for (const NamedKind kind : {NamedKind::Station, NamedKind::Party, NamedKind::Load}) {
        std::vector<NamedThing> things;
        for (const NamedThing& t : all) {
            if (t.kind == kind) things.push_back(t);
        }
        for (const auto& members : groupsOf(things)) {
            DuplicateGroup group;
            group.kind = kind;
            for (const std::size_t i : members) group.members.push_back(things[i]);
            if (kind == NamedKind::Station) {
                std::vector<std::string> colours;
                for (const NamedThing& t : group.members)
                    colours.push_back(colourOf(connection, t.name));
                if (std::adjacent_find(colours.begin(), colours.end(), std::not_equal_to<>()) !=
                    colours.end())
                    group.colours = colours;
            }
            out.push_back(std::move(group));
        }
    }
    return out;
}

JoinReport joinDuplicates(db::SqlConnection& connection, const std::vector<JoinChoice>& choices) {
    JoinReport report;
    std::map<std::string, long> changed;
    std::vector<std::string> titles;
    auto add = [&](const RenameReport& r) {
        for (const auto& [title, n] : r.changed) {
            if (!changed.count(title)) titles.push_back(title);
            changed[title] += n;
        }
    };
    // A business keeps one row of places: where a join makes two alike, the row that had
    // the kept name stays.
    std::map<long long, std::pair<std::string, std::string>> placesBefore;
    const bool places = tableExists(connection, "miejsca");
    if (places) {
        for (const auto& row :
             readStoredRows(connection, "select rowid, nazwa, stacja from miejsca;"))
            placesBefore[std::stoll(row[0].value_or("0"))] = {row[1].value_or(""),
                                                              row[2].value_or("")};
    }
    // Shippers/receivers and loads first: their groups name the stations as they are now.
    std::vector<JoinChoice> ordered = choices;
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const JoinChoice& c) { return c.kind != NamedKind::Station; });
    for (const JoinChoice& choice : ordered) {
        const char* table = tableOf(choice.kind);
        Touched touched;
        Touched parties;  // shippers/receivers moved to the kept station
        for (const NamedThing& other : choice.others) {
            if (other.name == choice.kept.name && other.scope == choice.kept.scope) continue;
            const auto own =
                rowidsOf(connection, "select rowid from " + std::string(table) +
                                         whereNamed(choice.kind, other.name, other.scope) + ";");
            touch(connection, choice.kind, own, touched);
            if (choice.kind == NamedKind::Station) {
                const auto moved = rowidsOf(connection, "select rowid from punkty where stacja='" +
                                                            sqlEscape(other.name) + "';");
                touch(connection, NamedKind::Party, moved, parties);
            }
            add(renameEverywhere(connection, choice.kind, other.name, other.scope, choice.kept.name,
                                 choice.kept.scope));
        }
        removeBecameIdentical(connection, choice.kind, touched, report);
        if (!parties.empty()) removeBecameIdentical(connection, NamedKind::Party, parties, report);
    }
    if (places) removePlacesMadeTwice(connection, placesBefore, report);
    for (const std::string& title : titles) report.changed.emplace_back(title, changed[title]);
    return report;
}

std::string joinSummary(const JoinReport& r) {
    std::string text = message("listy", QT_TRANSLATE_NOOP("listy", "Połączono duplikaty."));
    if (!r.changed.empty()) {
        text += "\n" + message("listy", QT_TRANSLATE_NOOP("listy", "Zmienione wiersze:"));
        for (const auto& [title, n] : r.changed)
            text += "\n  " + message("listy", title.c_str()) + ": " + std::to_string(n);
    }
    if (!r.removed.empty()) {
        text += "\n" + message("listy", QT_TRANSLATE_NOOP("listy", "Usunięte wiersze:"));
        for (const std::string& row : r.removed) text += "\n  " + row;
    }
    return text;
}

}  // namespace model
