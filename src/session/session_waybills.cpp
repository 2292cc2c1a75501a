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
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie listu nr %1"),
                                  {std::to_string(id)});
        },
        [&] { id = model::addWaybill(*connection_, command(), waybill); });
    notify(Changes::of({ListKind::Waybills}));
    return id;
}

void Session::changeWaybill(const model::Waybill& edited, const model::Waybill& shown, int index) {
    model::Waybill whole = edited;
    // A stored text longer than the list shows goes back whole unless it was changed.
    model::Waybill stored;
    if (readStoredWaybill(*connection_, index, stored) && stored.id == edited.id) {
        whole = keepUnchangedTexts(edited, shown, stored);
    }
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana listu nr %1"),
                                  {std::to_string(whole.id)});
        },
        [&] { updateWaybill(command(), whole); });
    notify(Changes::of({ListKind::Waybills}));
}

void Session::deleteWaybill(int id) {
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie listu nr %1"),
                                  {std::to_string(id)});
        },
        [&] { model::deleteWaybill(command(), id); });
    notify(Changes::of({ListKind::Waybills}));
}

void Session::deleteAllWaybills() {
    recorded(
        [](const db::RowChanges& c) {
            return model::Message(
                "listy", QT_TRANSLATE_NOOP("listy", "skasowanie %1"),
                {model::countOf(model::deletedRows(c, "listy"), QT_TRANSLATE_NOOP("listy", "listu"),
                                QT_TRANSLATE_NOOP("listy", "listów"))});
        },
        [&] {
            model::runInTransaction(*connection_, [&] {
                files::BackupInBackground copy(*connection_, location_);
                model::exec(command(), "delete from listy;");
                lastBackup_ = copy.finish();
            });
        });
    notify(Changes::of({ListKind::Waybills}));
}

std::vector<int> Session::copyWaybill(int index, int id, int count) {
    if (count < 1 || count > 999)
        throw std::invalid_argument(
            message("listy", QT_TRANSLATE_NOOP("listy", "Liczba kopii musi być od 1 do 999")));
    std::vector<int> ids;
    recorded(
        [&](const db::RowChanges&) {
            return model::Message("listy",
                                  QT_TRANSLATE_NOOP("listy", "powielenie listu nr %1 (%2)"),
                                  {std::to_string(id), std::to_string(count)});
        },
        [&] {
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
    notify(Changes::of({ListKind::Waybills}));
    return ids;
}

}  // namespace session
