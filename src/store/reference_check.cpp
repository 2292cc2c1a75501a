#include "store/reference_check.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "store/stored_rows.h"

namespace store {
namespace {

std::unordered_set<std::string> namesOf(db::SqlConnection& connection, const char* sql) {
    std::unordered_set<std::string> names;
    for (const auto& row : readStoredRows(connection, sql)) {
        if (!row.empty() && row[0]) names.insert(*row[0]);
    }
    return names;
}

}  // namespace

void noteMissingReferences(db::SqlConnection& connection, const ExchangeData& data,
                           ExchangeReport& report) {
    const auto& waybills = data.of(ExchangeList::Waybills);
    if (waybills.empty()) return;
    const auto stations = namesOf(connection, "select nazwa from stacje;");
    const auto parties = namesOf(connection, "select nazwa from punkty;");
    const auto loads = namesOf(connection, "select nazwa from ladunki;");
    struct Reference {
        std::size_t column;  // in the order of the waybill header
        const std::unordered_set<std::string>* list;
        const char* what;
    };
    const Reference references[] = {{0, &stations, "stacji nadania"},
                                    {1, &parties, "nadawcy"},
                                    {3, &loads, "ładunku"},
                                    {4, &parties, "odbiorcy"},
                                    {5, &stations, "stacji odbioru"}};
    for (const ExchangeRow& row : waybills) {
        std::string missing;
        for (const Reference& r : references) {
            const std::string& name = row.values[r.column];
            if (name.empty() || r.list->count(name)) continue;
            missing += std::string(missing.empty() ? "" : ", ") + r.what + " „" + name + "”";
        }
        if (missing.empty()) continue;
        const std::string& source = data.sources[static_cast<std::size_t>(row.source)];
        report.notes.push_back(
            (row.line > 0 ? source + ", wiersz " + std::to_string(row.line) : source) +
            ": list przewozowy zapisano, ale nie ma na listach " + missing);
    }
}

}  // namespace store
