#include "store/rename.h"

#include <stdexcept>

#include "db/sql_connection.h"
#include "db/text.h"
#include "store/counters.h"
#include "store/messages.h"
#include "store/reference_data.h"
#include "store/session.h"
#include "store/sql_text.h"
#include "store/stations.h"
#include "store/stored_rows.h"
#include "store/transaction.h"
#include "store/waybills.h"

namespace store {

const std::vector<NameReference>& referencesTo(NamedKind kind) {
    static const std::vector<NameReference> stations = {
        {"stacje", "nazwa", nullptr, QT_TRANSLATE_NOOP("store", "stacje")},
        {"punkty", "stacja", nullptr, QT_TRANSLATE_NOOP("store", "nadawcy/odbiorcy")},
        {"listy", "st_nad", nullptr, QT_TRANSLATE_NOOP("store", "listy (stacja nadania)")},
        {"listy", "st_odb", nullptr, QT_TRANSLATE_NOOP("store", "listy (stacja odbioru)")},
        {"wagony", "stacja", nullptr, QT_TRANSLATE_NOOP("store", "wagony (stacja macierzysta)")},
        {"relacje", "st_nad", nullptr, QT_TRANSLATE_NOOP("store", "relacje (stacja nadania)")},
        {"relacje", "st_odb", nullptr, QT_TRANSLATE_NOOP("store", "relacje (stacja odbioru)")},
        {"miejsca", "stacja", nullptr, QT_TRANSLATE_NOOP("store", "miejsca")},
    };
    static const std::vector<NameReference> parties = {
        {"punkty", "nazwa", "stacja", QT_TRANSLATE_NOOP("store", "nadawcy/odbiorcy")},
        {"listy", "nadawca", "st_nad", QT_TRANSLATE_NOOP("store", "listy (nadawca)")},
        {"listy", "odbiorca", "st_odb", QT_TRANSLATE_NOOP("store", "listy (odbiorca)")},
        {"relacje", "nadawca", "st_nad", QT_TRANSLATE_NOOP("store", "relacje (nadawca)")},
        {"relacje", "odbiorca", "st_odb", QT_TRANSLATE_NOOP("store", "relacje (odbiorca)")},
        {"miejsca", "nazwa", "stacja", QT_TRANSLATE_NOOP("store", "miejsca")},
    };
    static const std::vector<NameReference> loads = {
        {"ladunki", "nazwa", "rodz_wag", QT_TRANSLATE_NOOP("store", "ładunki")},
        {"listy", "ladunek", "rodz_wag", QT_TRANSLATE_NOOP("store", "listy (ładunek)")},
        {"relacje", "ladunek", "rodz_wag", QT_TRANSLATE_NOOP("store", "relacje (ładunek)")},
    };
    switch (kind) {
        case NamedKind::Station:
            return stations;
        case NamedKind::Party:
            return parties;
        case NamedKind::Load:
            break;
    }
    return loads;
}

long RenameReport::total() const {
    long n = 0;
    for (const auto& [title, count] : changed) n += count;
    return n;
}

RenameReport renameEverywhere(db::SqlConnection& connection, NamedKind kind,
                              const std::string& name, const std::string& scope,
                              const std::string& newName, const std::string& newScope) {
    RenameReport report;
    for (const NameReference& ref : referencesTo(kind)) {
        if (!tableExists(connection, ref.table)) continue;
        std::string where = std::string(" where ") + ref.column + "='" + sqlEscape(name) + "'";
        std::string set = std::string(ref.column) + "='" + sqlEscape(newName) + "'";
        if (ref.scope) {
            where += std::string(" and ") + ref.scope + "='" + sqlEscape(scope) + "'";
            // Only the load's own wagon type moves with it; a shipper keeps its station.
            if (kind == NamedKind::Load && newScope != scope)
                set += std::string(", ") + ref.scope + "='" + sqlEscape(newScope) + "'";
        }
        runStatement(connection, std::string("update ") + ref.table + " set " + set + where + ";");
        const auto n = static_cast<long>(connection.changes());
        if (n > 0) report.changed.emplace_back(ref.title, n);
    }
    return report;
}

std::vector<NamedThing> namedThings(db::SqlConnection& connection) {
    std::vector<NamedThing> out;
    const std::pair<NamedKind, const char*> lists[] = {
        {NamedKind::Station, "select nazwa, '' from stacje group by nazwa order by min(rowid);"},
        {NamedKind::Party,
         "select nazwa, stacja from punkty group by nazwa, stacja order by min(rowid);"},
        {NamedKind::Load,
         "select nazwa, rodz_wag from ladunki group by nazwa, rodz_wag order by min(rowid);"}};
    for (const auto& [kind, sql] : lists) {
        for (const auto& row : readStoredRows(connection, sql)) {
            out.push_back({kind, row[0].value_or(""), row[1].value_or("")});
        }
    }
    return out;
}

namespace {

std::string summaryOf(const std::string& from, const std::string& to, const RenameReport& r) {
    std::string text =
        message("store", QT_TRANSLATE_NOOP("store", "Nazwa „%1” poprawiona na „%2”."), {from, to});
    if (r.changed.empty()) {
        return text + "\n" +
               message("store", QT_TRANSLATE_NOOP("store", "Żaden wiersz nie nosił tej nazwy."));
    }
    text += "\n" + message("store", QT_TRANSLATE_NOOP("store", "Zmienione wiersze:"));
    for (const auto& [title, n] : r.changed) {
        text += "\n  " + message("store", title.c_str()) + ": " + std::to_string(n);
    }
    return text;
}

}  // namespace

RenameReport Session::renameStation(const std::string& name, const std::string& newName) {
    RenameReport report;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "poprawa nazwy stacji %1 na %2"),
                           {name, newName});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                // As "Dopisz": a name another station has is refused.
                if (newName != name && stationExists(command(), newName)) {
                    report.refused = true;
                    report.summary =
                        message("store", QT_TRANSLATE_NOOP("store", "Istnieje taka stacja"));
                    return;
                }
                report = renameEverywhere(*connection_, NamedKind::Station, name, "", newName, "");
            });
        });
    if (report.refused) return report;
    report.summary = summaryOf(name, newName, report);
    notify(Changes::all());
    return report;
}

RenameReport Session::renameParty(const std::string& name, const std::string& station,
                                  const std::string& newName) {
    RenameReport report;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store",
                           QT_TRANSLATE_NOOP("store", "poprawa nazwy nadawcy/odbiorcy %1 na %2"),
                           {name, newName});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                report = renameEverywhere(*connection_, NamedKind::Party, name, station, newName,
                                          station);
            });
        });
    report.summary = summaryOf(name, newName, report);
    notify(Changes::of(
        {ListKind::Parties, ListKind::Waybills, ListKind::Relations, ListKind::Places}));
    return report;
}

RenameReport Session::renameLoad(const std::string& name, const std::string& wagon,
                                 const std::string& newName, const std::string& newWagon) {
    RenameReport report;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "poprawa nazwy ładunku %1 na %2"),
                           {name, newName});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                report =
                    renameEverywhere(*connection_, NamedKind::Load, name, wagon, newName, newWagon);
            });
        });
    report.summary = summaryOf(name + " (" + wagon + ")", newName + " (" + newWagon + ")", report);
    notify(Changes::of({ListKind::Loads, ListKind::Waybills, ListKind::Relations}));
    return report;
}

std::vector<NamedThing> Session::namedThings() {
    return guarded([&] { return store::namedThings(*connection_); });
}

NamedThing Session::namedAt(NamedKind kind, int index, const ListedPair& shown) {
    return guarded([&] {
        const ListedPair whole = kind == NamedKind::Load ? wholeLoad(*connection_, index, shown)
                                                         : wholeParty(*connection_, index, shown);
        return NamedThing{kind, whole.first, whole.second};
    });
}

std::vector<int> Session::copyWaybill(int index, int id, int count) {
    if (count < 1 || count > 999)
        throw std::invalid_argument(
            message("store", QT_TRANSLATE_NOOP("store", "Liczba kopii musi być od 1 do 999")));
    std::vector<int> ids;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "powielenie listu nr %1 (%2)"),
                           {std::to_string(id), std::to_string(count)});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                // The texts whole, as stored; the list position must still hold this waybill.
                Waybill w;
                if (!readStoredWaybill(*connection_, index, w) || w.id != id) {
                    throw std::runtime_error(message(
                        "store", QT_TRANSLATE_NOOP("store", "List nr %1 nie jest już w bazie"),
                        {std::to_string(id)}));
                }
                for (int i = 0; i < count; ++i) {
                    ids.push_back(
                        addWithCounterInTransaction(command(), Counter::Waybills,
                                                    [&](int n) { return insertWaybillSql(n, w); }));
                }
            });
        });
    notify(Changes::of({ListKind::Waybills}));
    return ids;
}

}  // namespace store
