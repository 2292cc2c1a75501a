#include "session/session.h"

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/transaction.h"
#include "model/wagons.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

using model::message;

// --- wagons and their cards ------------------------------------------------------------

void Session::addWagon(const model::Wagon& wagon) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie wagonu %1"),
                                   {wagon.number});
         },
         Changes::of({model::List::Wagons})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_,
                                    [&] { insertWagon(*connection_, command(), wagon); });
        });
}

void Session::changeWagon(const std::string& number, const model::Wagon& wagon) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana wagonu %1"),
                                   {number});
         },
         Changes::of({model::List::Wagons})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_,
                                    [&] { updateWagon(*connection_, command(), number, wagon); });
        });
}

void Session::deleteWagon(const std::string& number) {
    if (!guarded([&] { return model::wagonTableExists(*connection_); })) return;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie wagonu %1"),
                                   {number});
         },
         Changes::of({model::List::Wagons})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] { model::deleteWagon(command(), number); });
        });
}

std::vector<std::string> Session::copyWagon(const std::string& number, int count) {
    std::vector<std::string> added;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "powielenie wagonu %1 (%2)"),
                                   {number, std::to_string(added.size())});
         },
         Changes::of({model::List::Wagons})},
        [&](CommandRun& run) {
            model::runInTransaction(*connection_, [&] {
                added.clear();
                const std::optional<model::Wagon> original = model::findWagon(*connection_, number);
                if (!original)
                    throw model::WagonRefused(message(
                        "listy",
                        QT_TRANSLATE_NOOP("listy", "Wagonu o numerze „%1” nie ma na liście."),
                        {number}));
                model::Wagon copy = *original;
                for (int step = 1; static_cast<int>(added.size()) < count; ++step) {
                    const std::optional<std::string> next = model::countedUp(number, step);
                    if (!next) {
                        throw model::WagonRefused(message(
                            "listy",
                            QT_TRANSLATE_NOOP("listy", "Numeru „%1” nie da się policzyć dalej."),
                            {number}));
                    }
                    if (model::findWagon(*connection_, *next)) continue;
                    copy.number = *next;
                    insertWagon(*connection_, command(), copy);
                    added.push_back(*next);
                }
            });
            if (added.empty()) run.changes = {};
        });
    return added;
}

std::vector<model::Wagon> Session::wagons() {
    return guarded([&] { return model::readWagons(*connection_); });
}

std::optional<model::Wagon> Session::wagon(const std::string& number) {
    return guarded([&] { return model::findWagon(*connection_, number); });
}

std::string Session::wagonListSql(const model::WagonListing& listing) {
    return guarded(
        [&] { return model::wagonListSql(listing, model::wagonTableExists(*connection_)); });
}

std::vector<model::CardColourGroup> Session::cardColours() {
    return guarded([&] { return model::readCardColours(*connection_); });
}

void Session::setCardColours(const std::vector<model::CardColourGroup>& groups) {
    run({[](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana kolorów kart"));
         },
         Changes::of({model::List::CardColours})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] { writeCardColours(command(), groups); });
        });
}

}  // namespace session
