// The commands of the traffic relations, the businesses' places and the generator.

#include "db/sql_connection.h"
#include "store/backups.h"
#include "store/history.h"
#include "store/messages.h"
#include "store/session.h"
#include "store/transaction.h"

namespace store {
namespace {

std::string nameOf(const Relation& r) {
    return r.texts.shipper + " → " + r.texts.receiver + " (" + r.texts.load + ")";
}

}  // namespace

int Session::addRelation(const Relation& relation) {
    int id = 0;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "dopisanie relacji %1"),
                           {nameOf(relation)});
        },
        [&] { runInTransaction(*connection_, [&] { id = insertRelation(command(), relation); }); });
    notify(Changes::of({ListKind::Relations}));
    return id;
}

void Session::changeRelation(const Relation& relation) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "zmiana relacji %1"),
                           {nameOf(relation)});
        },
        [&] {
            runInTransaction(*connection_,
                             [&] { updateRelation(*connection_, command(), relation); });
        });
    notify(Changes::of({ListKind::Relations}));
}

void Session::deleteRelation(int id) {
    bool any = false;
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "usunięcie relacji nr %1"),
                           {std::to_string(id)});
        },
        [&] {
            if (!relationTableExists(*connection_)) return;
            any = true;
            runInTransaction(*connection_, [&] { store::deleteRelation(command(), id); });
        });
    if (any) notify(Changes::of({ListKind::Relations}));
}

std::vector<Relation> Session::relations() {
    return guarded([&] { return readRelations(*connection_); });
}

std::optional<Relation> Session::relation(int id) {
    return guarded([&] { return findRelation(*connection_, id); });
}

std::string Session::relationListSql(const RelationListing& listing) {
    return guarded([&] { return store::relationListSql(*connection_, listing); });
}

unsigned Session::missingOf(const Relation& relation) {
    return guarded([&] { return store::missingOf(*connection_, relation); });
}

void Session::setPlaces(const Places& places) {
    recorded(
        [&](const db::RowChanges&) {
            return Message("store", QT_TRANSLATE_NOOP("store", "miejsca %1 (%2): %3"),
                           {places.name, places.station, std::to_string(places.places)});
        },
        [&] { runInTransaction(*connection_, [&] { writePlaces(command(), places); }); });
    notify(Changes::of({ListKind::Places}));
}

std::vector<Places> Session::places() {
    return guarded([&] { return readPlaces(*connection_); });
}

int Session::placesOf(const std::string& name, const std::string& station) {
    return guarded([&] { return store::placesOf(*connection_, name, station); });
}

GenerationPlan Session::planGeneration(const GenerateOptions& options) {
    return guarded([&] { return store::planGeneration(*connection_, options); });
}

GenerationPlan Session::generate(const GenerateOptions& options) {
    lastBackup_.clear();
    GenerationPlan plan;
    recorded(
        [&](const db::RowChanges& c) {
            return Message("store", QT_TRANSLATE_NOOP("store", "wygenerowanie %1"),
                           {countOf(insertedRows(c, "listy"), QT_TRANSLATE_NOOP("store", "listu"),
                                    QT_TRANSLATE_NOOP("store", "listów"))});
        },
        [&] {
            runInTransaction(*connection_, [&] {
                // Planned again under the write lock: what is written is what the file holds.
                plan = store::planGeneration(*connection_, options);
                if (plan.stack.empty()) return;
                // The copy is written beside the inserts, and whole before the commit.
                BackupInBackground copy(*connection_, location_);
                writeGeneration(*connection_, command(), plan);
                lastBackup_ = copy.finish();
            });
        });
    if (!plan.stack.empty()) notify(Changes::of({ListKind::Waybills}));
    return plan;
}

}  // namespace store
