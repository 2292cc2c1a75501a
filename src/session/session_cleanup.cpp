#include "session/session.h"

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "model/counters.h"
#include "model/duplicates.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/reference_data.h"
#include "model/rename.h"
#include "model/stations.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

using model::message;

model::RenameReport Session::renameStation(const std::string& name, const std::string& newName) {
    model::RenameReport report;
    run({[&](const db::RowChanges&) {
             return model::Message("listy",
                                   QT_TRANSLATE_NOOP("listy", "poprawa nazwy stacji %1 na %2"),
                                   {name, newName});
         },
         Changes::all()},
        [&](CommandRun& run) {
            model::runInTransaction(*connection_, [&] {
                // As "Dopisz": a name another station has is refused.
                if (newName != name && model::stationExists(command(), newName)) {
                    report.refused = true;
                    report.summary =
                        message("listy", QT_TRANSLATE_NOOP("listy", "Istnieje taka stacja"));
                    run.changes = {};
                    return;
                }
                report = renameEverywhere(*connection_, model::NamedKind::Station, name, "",
                                          newName, "");
            });
        });
    if (!report.refused) report.summary = model::renameSummary(name, newName, report);
    return report;
}

model::RenameReport Session::renameParty(const std::string& name, const std::string& station,
                                         const std::string& newName) {
    model::RenameReport report;
    run({[&](const db::RowChanges&) {
             return model::Message(
                 "listy", QT_TRANSLATE_NOOP("listy", "poprawa nazwy nadawcy/odbiorcy %1 na %2"),
                 {name, newName});
         },
         Changes::of({model::List::Parties, model::List::Waybills, model::List::Relations,
                      model::List::Places})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] {
                report = renameEverywhere(*connection_, model::NamedKind::Party, name, station,
                                          newName, station);
            });
        });
    report.summary = model::renameSummary(name, newName, report);
    return report;
}

model::RenameReport Session::renameLoad(const std::string& name, const std::string& wagon,
                                        const std::string& newName, const std::string& newWagon) {
    model::RenameReport report;
    run({[&](const db::RowChanges&) {
             return model::Message("listy",
                                   QT_TRANSLATE_NOOP("listy", "poprawa nazwy ładunku %1 na %2"),
                                   {name, newName});
         },
         Changes::of({model::List::Loads, model::List::Waybills, model::List::Relations})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] {
                report = renameEverywhere(*connection_, model::NamedKind::Load, name, wagon,
                                          newName, newWagon);
            });
        });
    report.summary =
        model::renameSummary(name + " (" + wagon + ")", newName + " (" + newWagon + ")", report);
    return report;
}

std::vector<model::NamedThing> Session::namedThings() {
    return guarded([&] { return model::namedThings(*connection_); });
}

model::NamedThing Session::namedAt(model::NamedKind kind, int index,
                                   const model::ListedPair& shown) {
    return guarded([&] {
        const model::ListedPair whole = kind == model::NamedKind::Load
                                            ? wholeLoad(*connection_, index, shown)
                                            : wholeParty(*connection_, index, shown);
        return model::NamedThing{kind, whole.first, whole.second};
    });
}

std::vector<model::DuplicateGroup> Session::duplicates() {
    return guarded([&] { return model::proposeDuplicates(*connection_); });
}

model::JoinReport Session::joinDuplicates(const std::vector<model::JoinChoice>& choices) {
    model::JoinReport report;
    if (choices.empty()) return report;
    run({[&](const db::RowChanges&) {
             return model::Message("listy",
                                   QT_TRANSLATE_NOOP("listy", "połączenie duplikatów (%1)"),
                                   {std::to_string(choices.size())});
         },
         Changes::all()},
        [&](CommandRun&) {
            model::runInTransaction(*connection_,
                                    [&] { report = model::joinDuplicates(*connection_, choices); });
        });
    report.summary = joinSummary(report);
    return report;
}

}  // namespace session
