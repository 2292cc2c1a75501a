// The commands of the traffic relations, the businesses' places and the generator.

#include "db/sql_connection.h"
#include "files/backups.h"
#include "model/history.h"
#include "model/messages.h"
#include "model/transaction.h"
#include "session/session.h"

namespace session {
namespace {

std::string nameOf(const model::Relation& r) {
    return r.texts.shipper + " → " + r.texts.receiver + " (" + r.texts.load + ")";
}

}  // namespace

int Session::addRelation(const model::Relation& relation) {
    int id = 0;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "dopisanie relacji %1"),
                                   {nameOf(relation)});
         },
         Changes::of({model::List::Relations})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_,
                                    [&] { id = insertRelation(command(), relation); });
        });
    return id;
}

void Session::changeRelation(const model::Relation& relation) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "zmiana relacji %1"),
                                   {nameOf(relation)});
         },
         Changes::of({model::List::Relations})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_,
                                    [&] { updateRelation(*connection_, command(), relation); });
        });
}

void Session::deleteRelation(int id) {
    bool any = false;
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "usunięcie relacji nr %1"),
                                   {std::to_string(id)});
         },
         Changes::of({model::List::Relations})},
        [&](CommandRun& run) {
            if (!model::relationTableExists(*connection_)) return;
            any = true;
            model::runInTransaction(*connection_, [&] { model::deleteRelation(command(), id); });
            if (!any) run.changes = {};
        });
}

std::vector<model::Relation> Session::relations() {
    return guarded([&] { return model::readRelations(*connection_); });
}

std::optional<model::Relation> Session::relation(int id) {
    return guarded([&] { return model::findRelation(*connection_, id); });
}

std::string Session::relationListSql(const model::RelationListing& listing) {
    return guarded([&] { return model::relationListSql(*connection_, listing); });
}

unsigned Session::missingOf(const model::Relation& relation) {
    return guarded([&] { return model::missingOf(*connection_, relation); });
}

void Session::setPlaces(const model::Places& places) {
    run({[&](const db::RowChanges&) {
             return model::Message("listy", QT_TRANSLATE_NOOP("listy", "miejsca %1 (%2): %3"),
                                   {places.name, places.station, std::to_string(places.places)});
         },
         Changes::of({model::List::Places})},
        [&](CommandRun&) {
            model::runInTransaction(*connection_, [&] { writePlaces(command(), places); });
        });
}

std::vector<model::Places> Session::places() {
    return guarded([&] { return model::readPlaces(*connection_); });
}

int Session::placesOf(const std::string& name, const std::string& station) {
    return guarded([&] { return model::placesOf(*connection_, name, station); });
}

model::GenerationPlan Session::planGeneration(const model::GenerateOptions& options) {
    return guarded([&] { return model::planGeneration(*connection_, options); });
}

model::GenerationPlan Session::generate(const model::GenerateOptions& options) {
    model::GenerationPlan plan;
    const std::string backup =
        run({[&](const db::RowChanges& c) {
                 return model::Message("listy", QT_TRANSLATE_NOOP("listy", "wygenerowanie %1"),
                                       {model::countOf(model::insertedRows(c, "listy"),
                                                       QT_TRANSLATE_NOOP("listy", "listu"),
                                                       QT_TRANSLATE_NOOP("listy", "listów"))});
             },
             Changes::of({model::List::Waybills})},
            [&](CommandRun& run) {
                model::runInTransaction(*connection_, [&] {
                    // Planned again under the write lock: what is written is what the file holds.
                    plan = model::planGeneration(*connection_, options);
                    if (plan.stack.empty()) return;
                    // The copy is written beside the inserts, and whole before the commit.
                    run.startBackup();
                    writeGeneration(*connection_, command(), plan);
                    run.finishBackup();
                });
                if (plan.stack.empty()) run.changes = {};
            });
    plan.backup = backup;
    return plan;
}

}  // namespace session
