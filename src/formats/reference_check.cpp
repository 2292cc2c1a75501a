#include "formats/reference_check.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "model/messages.h"
#include "model/stored_rows.h"

namespace formats {
namespace {

std::unordered_set<std::string> namesOf(db::SqlConnection& connection, const char* sql) {
    std::unordered_set<std::string> names;
    for (const auto& row : model::readStoredRows(connection, sql)) {
        if (!row.empty() && row[0]) names.insert(*row[0]);
    }
    return names;
}

}  // namespace

void noteMissingReferences(db::SqlConnection& connection, const ExchangeData& data,
                           ExchangeReport& report) {
    const auto& waybills = data.of(model::List::Waybills);
    if (waybills.empty()) return;
    const auto stations = namesOf(connection, "select nazwa from stacje;");
    const auto parties = namesOf(connection, "select nazwa from punkty;");
    const auto loads = namesOf(connection, "select nazwa from ladunki;");
    struct Reference {
        std::size_t column;  // in the order of the waybill header
        const std::unordered_set<std::string>* list;
        model::MessageTemplate what;
    };
    // A file of thousands of waybills may miss a name in each: every text is translated once.
    const Reference references[] = {
        {0, &stations, {"listy", QT_TRANSLATE_NOOP("listy", "stacji nadania „%1”")}},
        {1, &parties, {"listy", QT_TRANSLATE_NOOP("listy", "nadawcy „%1”")}},
        {3, &loads, {"listy", QT_TRANSLATE_NOOP("listy", "ładunku „%1”")}},
        {4, &parties, {"listy", QT_TRANSLATE_NOOP("listy", "odbiorcy „%1”")}},
        {5, &stations, {"listy", QT_TRANSLATE_NOOP("listy", "stacji odbioru „%1”")}}};
    const model::MessageTemplate atLine("listy", QT_TRANSLATE_NOOP("listy", "%1, wiersz %2"));
    const model::MessageTemplate note(
        "listy",
        QT_TRANSLATE_NOOP("listy", "%1: list przewozowy zapisano, ale nie ma na listach %2"));
    std::string missing;
    for (const ExchangeRow& row : waybills) {
        missing.clear();
        for (const Reference& r : references) {
            const std::string& name = row.values[r.column];
            if (name.empty() || r.list->count(name)) continue;
            if (!missing.empty()) missing += ", ";
            missing += r.what({name});
        }
        if (missing.empty()) continue;
        const std::string& source = data.sources[static_cast<std::size_t>(row.source)];
        report.notes.push_back(row.line > 0
                                   ? note({atLine({source, std::to_string(row.line)}), missing})
                                   : note({source, missing}));
    }
}

}  // namespace formats
