#include "session/session.h"

#include <stdexcept>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/backups.h"
#include "model/counters.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/transaction.h"
#include "session/failures.h"
#include "session/shown_list.h"

namespace session {

using model::message;

Lookups Session::lookups() {
    return guarded([&] {
        Lookups out;
        db::SqlQuery& q = command();
        model::openQuery(q, model::kLoadListSql);
        out.haveLoads = q.recordCount() > 0;
        model::openQuery(q, model::kPartyListSql);
        out.haveParties = q.recordCount() > 0;
        model::openQuery(q, model::kStationListSql);
        const int count = q.recordCount();
        out.stationNames.reserve(static_cast<std::size_t>(count));
        q.first();
        for (int i = 0; i < count; ++i) {
            out.stationNames.push_back(q.fieldByName("nazwa").asString());
            q.next();
        }
        return out;
    });
}

// --- waybills ---------------------------------------------------------------------------

int Session::addWaybill(const model::Waybill& waybill) {
    int id = 0;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie listu nr %1"),
                                   {std::to_string(id)});
         },
         Changes::of({model::List::Waybills})},
        [&](CommandRun&) { id = model::addWaybill(*connection_, command(), waybill); });
    return id;
}

void Session::changeWaybill(const model::Waybill& edited, const model::Waybill& shown, int index) {
    model::Waybill whole = edited;
    // A stored text longer than the list shows goes back whole unless it was changed.
    model::Waybill stored;
    if (readStoredWaybill(*connection_, index, stored) && stored.id == edited.id) {
        whole = keepUnchangedTexts(edited, shown, stored);
    }
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana listu nr %1"),
                                   {std::to_string(whole.id)});
         },
         Changes::of({model::List::Waybills})},
        [&](CommandRun&) { updateWaybill(command(), whole); });
}

void Session::deleteWaybill(int id) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie listu nr %1"),
                                   {std::to_string(id)});
         },
         Changes::of({model::List::Waybills})},
        [&](CommandRun&) { model::deleteWaybill(command(), id); });
}

std::string Session::deleteAllWaybills() {
    Command command{
        [](const db::RowChanges& c) {
            return model::Message(
                "listy", QT_TRANSLATE_NOOP("listy", "skasowanie %1"),
                {model::countOf(model::deletedRows(c, "listy"), QT_TRANSLATE_NOOP("listy", "listu"),
                                QT_TRANSLATE_NOOP("listy", "listów"))});
        },
        Changes::of({model::List::Waybills})};
    command.backupBeside = true;
    return run(command, [&](CommandRun&) { model::exec(this->command(), "delete from listy;"); });
}

std::vector<int> Session::copyWaybill(int index, int id, int count) {
    if (count < 1 || count > 999)
        throw std::invalid_argument(
            message("listy", QT_TRANSLATE_NOOP("listy", "Liczba kopii musi być od 1 do 999")));
    std::vector<int> ids;
    run({[&](const db::RowChanges&) {
             return model::Message("listy",
                                   QT_TRANSLATE_NOOP("listy", "powielenie listu nr %1 (%2)"),
                                   {std::to_string(id), std::to_string(count)});
         },
         Changes::of({model::List::Waybills})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] {
                // The texts whole, as stored; the list position must still hold this waybill.
                model::Waybill w;
                if (!model::readStoredWaybill(*connection_, index, w) || w.id != id) {
                    throw std::runtime_error(message(
                        "listy", QT_TRANSLATE_NOOP("listy", "List nr %1 nie jest już w bazie"),
                        {std::to_string(id)}));
                }
                for (int i = 0; i < count; ++i) {
                    ids.push_back(model::addWithCounterInTransaction(
                        command(), model::Counter::Waybills,
                        [&](int n) { return model::insertWaybillSql(n, w); }));
                }
            });
        });
    return ids;
}

}  // namespace session
