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
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie stacji %1"),
                                  {name});
        },
        [&] { id = model::addStation(*connection_, command(), name, colour); });
    if (id) notify(Changes::of({ListKind::Stations}));
    return id;
}

int Session::recolourStation(const std::string& name, const std::string& colour) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana koloru stacji %1"),
                                  {name});
        },
        [&] { id = model::recolourStation(command(), name, colour); });
    notify(Changes::of({ListKind::Stations}));
    return id;
}

void Session::deleteStation(const std::string& name) {
    recorded(
        [&](const db::RowChanges& c) {
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
        [&] { model::deleteStation(*connection_, command(), name); });
    notify(Changes::of({ListKind::Stations, ListKind::Waybills, ListKind::Parties}));
}

// --- loads and shippers/receivers -------------------------------------------------------

void Session::addLoad(const std::string& name, const std::string& wagon) {
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie ładunku %1"),
                                  {name});
        },
        [&] { model::addLoad(command(), name, wagon); });
    notify(Changes::of({ListKind::Loads}));
}

void Session::deleteLoad(int index, const model::ListedPair& shown) {
    const model::ListedPair load = wholeLoad(*connection_, index, shown);
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie ładunku %1"),
                                  {load.first});
        },
        [&] { model::deleteLoad(command(), load.first, load.second); });
    notify(Changes::of({ListKind::Loads}));
}

int Session::addParty(const std::string& name, const std::string& station) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return model::Message(
                "listy", QT_TRANSLATE_NOOP("listy", "dopisanie nadawcy/odbiorcy %1"), {name});
        },
        [&] { id = model::addParty(*connection_, command(), name, station); });
    notify(Changes::of({ListKind::Parties}));
    return id;
}

void Session::deleteParty(int index, const model::ListedPair& shown) {
    const model::ListedPair party = wholeParty(*connection_, index, shown);
    recorded(
        [&](const db::RowChanges& c) {
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
        [&] { model::deleteParty(*connection_, command(), party.first, party.second); });
    notify(Changes::of({ListKind::Parties, ListKind::Waybills}));
}

}  // namespace session
