#include "model/rename.h"

#include <stdexcept>

#include "db/sql_connection.h"
#include "db/text.h"
#include "model/counters.h"
#include "model/messages.h"
#include "model/reference_data.h"
#include "model/sql_text.h"
#include "model/stations.h"
#include "model/stored_rows.h"
#include "model/transaction.h"
#include "model/waybills.h"

namespace model {

const std::vector<NameReference>& referencesTo(NamedKind kind) {
    static const std::vector<NameReference> stations = {
        {"stacje", "nazwa", nullptr, QT_TRANSLATE_NOOP("listy", "stacje")},
        {"punkty", "stacja", nullptr, QT_TRANSLATE_NOOP("listy", "nadawcy/odbiorcy")},
        {"listy", "st_nad", nullptr, QT_TRANSLATE_NOOP("listy", "listy (stacja nadania)")},
        {"listy", "st_odb", nullptr, QT_TRANSLATE_NOOP("listy", "listy (stacja odbioru)")},
        {"wagony", "stacja", nullptr, QT_TRANSLATE_NOOP("listy", "wagony (stacja macierzysta)")},
        {"relacje", "st_nad", nullptr, QT_TRANSLATE_NOOP("listy", "relacje (stacja nadania)")},
        {"relacje", "st_odb", nullptr, QT_TRANSLATE_NOOP("listy", "relacje (stacja odbioru)")},
        {"miejsca", "stacja", nullptr, QT_TRANSLATE_NOOP("listy", "miejsca")},
    };
    static const std::vector<NameReference> parties = {
        {"punkty", "nazwa", "stacja", QT_TRANSLATE_NOOP("listy", "nadawcy/odbiorcy")},
        {"listy", "nadawca", "st_nad", QT_TRANSLATE_NOOP("listy", "listy (nadawca)")},
        {"listy", "odbiorca", "st_odb", QT_TRANSLATE_NOOP("listy", "listy (odbiorca)")},
        {"relacje", "nadawca", "st_nad", QT_TRANSLATE_NOOP("listy", "relacje (nadawca)")},
        {"relacje", "odbiorca", "st_odb", QT_TRANSLATE_NOOP("listy", "relacje (odbiorca)")},
        {"miejsca", "nazwa", "stacja", QT_TRANSLATE_NOOP("listy", "miejsca")},
    };
    static const std::vector<NameReference> loads = {
        {"ladunki", "nazwa", "rodz_wag", QT_TRANSLATE_NOOP("listy", "ładunki")},
        {"listy", "ladunek", "rodz_wag", QT_TRANSLATE_NOOP("listy", "listy (ładunek)")},
        {"relacje", "ladunek", "rodz_wag", QT_TRANSLATE_NOOP("listy", "relacje (ładunek)")},
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

std::string renameSummary(const std::string& from, const std::string& to, const RenameReport& r) {
    std::string text =
        message("listy", QT_TRANSLATE_NOOP("listy", "Nazwa „%1” poprawiona na „%2”."), {from, to});
    if (r.changed.empty()) {
        return text + "\n" +
               message("listy", QT_TRANSLATE_NOOP("listy", "Żaden wiersz nie nosił tej nazwy."));
    }
    text += "\n" + message("listy", QT_TRANSLATE_NOOP("listy", "Zmienione wiersze:"));
    for (const auto& [title, n] : r.changed) {
        text += "\n  " + message("listy", title.c_str()) + ": " + std::to_string(n);
    }
    return text;
}

}  // namespace model
