#include "session/session.h"

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/reference_data.h"
#include "model/stations.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

// --- stations ---------------------------------------------------------------------------

std::optional<int> Session::addStation(const std::string& name, const std::string& colour) {
    std::optional<int> id;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie stacji %1"),
                                   {name});
         },
         Changes::of({model::List::Stations})},
        [&](CommandRun& run) {
            id = model::addStation(*connection_, command(), name, colour);
            if (!id) run.changes = {};
        });
    return id;
}

int Session::recolourStation(const std::string& name, const std::string& colour) {
    int id = 0;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana koloru stacji %1"),
                                   {name});
         },
         Changes::of({model::List::Stations})},
        [&](CommandRun&) { id = model::recolourStation(command(), name, colour); });
    return id;
}

void Session::deleteStation(const std::string& name) {
    run({[&](const db::RowChanges& c) {
             const long waybills = model::deletedRows(c, "listy");
             const long parties = model::deletedRows(c, "punkty");
             const model::Message ofWaybills =
                 model::countOf(waybills, QT_TRANSLATE_NOOP("listy", "listu"),
                                QT_TRANSLATE_NOOP("listy", "listów"));
             const model::Message ofParties =
                 model::countOf(parties, QT_TRANSLATE_NOOP("listy", "nadawcy/odbiorcy"),
                                QT_TRANSLATE_NOOP("listy", "nadawców/odbiorców"));
             if (waybills > 0 && parties > 0) {
                 return model::Message("listy",
                                       QT_TRANSLATE_NOOP("listy", "usunięcie stacji %1, %2 i %3"),
                                       {name, ofWaybills, ofParties});
             }
             if (waybills > 0 || parties > 0) {
                 return model::Message("listy",
                                       QT_TRANSLATE_NOOP("listy", "usunięcie stacji %1 i %2"),
                                       {name, waybills > 0 ? ofWaybills : ofParties});
             }
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie stacji %1"),
                                   {name});
         },
         Changes::of({model::List::Stations, model::List::Waybills, model::List::Parties})},
        [&](CommandRun&) { model::deleteStation(*connection_, command(), name); });
}

// --- loads and shippers/receivers -------------------------------------------------------

void Session::addLoad(const std::string& name, const std::string& wagon) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie ładunku %1"),
                                   {name});
         },
         Changes::of({model::List::Loads})},
        [&](CommandRun&) { model::addLoad(command(), name, wagon); });
}

void Session::deleteLoad(int index, const model::ListedPair& shown) {
    const model::ListedPair load = wholeLoad(*connection_, index, shown);
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie ładunku %1"),
                                   {load.first});
         },
         Changes::of({model::List::Loads})},
        [&](CommandRun&) { model::deleteLoad(command(), load.first, load.second); });
}

int Session::addParty(const std::string& name, const std::string& station) {
    int id = 0;
    run({[&](const db::RowChanges&) {
             return model::Message(
                 "listy", QT_TRANSLATE_NOOP("listy", "dopisanie nadawcy/odbiorcy %1"), {name});
         },
         Changes::of({model::List::Parties})},
        [&](CommandRun&) { id = model::addParty(*connection_, command(), name, station); });
    return id;
}

void Session::deleteParty(int index, const model::ListedPair& shown) {
    const model::ListedPair party = wholeParty(*connection_, index, shown);
    run({[&](const db::RowChanges& c) {
             const long waybills = model::deletedRows(c, "listy");
             if (waybills > 0) {
                 return model::Message(
                     "listy", QT_TRANSLATE_NOOP("listy", "usunięcie nadawcy/odbiorcy %1 i %2"),
                     {party.first, model::countOf(waybills, QT_TRANSLATE_NOOP("listy", "listu"),
                                                  QT_TRANSLATE_NOOP("listy", "listów"))});
             }
             return model::Message("listy",
                                   QT_TRANSLATE_NOOP("listy", "usunięcie nadawcy/odbiorcy %1"),
                                   {party.first});
         },
         Changes::of({model::List::Parties, model::List::Waybills})},
        [&](CommandRun&) {
            model::deleteParty(*connection_, command(), party.first, party.second);
        });
}

}  // namespace session
