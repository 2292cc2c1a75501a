#pragma once
// Traffic relations and the waybill generator. A relation says that a shipper at its station
// sends a load (with its wagon type) to a receiver at its station, so many wagons a week.
// The relations (table relacje, ids from the counter nr_relacji) and the wagon places of the
// businesses (table miejsca) do not exist in a file until the first command that writes them
// creates them, in that command's transaction, together with the counter: a file in which
// nobody kept relations holds only the waybill tables and admin rows. Rows name the
// stations, businesses and loads by their texts, as listy does; a relation that names
// something deleted since stays, marked, and the generator passes it over.
//
// The generator turns the relations into a stack of waybills for a period: wagons per week
// times the weeks, or for operating days a seventh of a week per day, the fractions rounded
// so that the period's total is exact (largest remainder). The stack is shuffled by a
// generator of fixed definition (mt19937_64 with a shuffle of our own), so one seed gives
// one order on every build.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/forward.h"
#include "model/waybills.h"

namespace model {

inline constexpr const char* kRelationTable = "relacje";
inline constexpr const char* kPlacesTable = "miejsca";
inline constexpr const char* kRelationCounter = "nr_relacji";
inline constexpr int kMinPerWeek = 1;
inline constexpr int kMaxPerWeek = 99;
inline constexpr int kMaxPlaces = 999;

struct Relation {
    int id = 0;
    Waybill texts;  // the six texts a waybill of it gets (its id unused)
    int perWeek = 1;
    std::string note;
    bool operator==(const Relation&) const = default;
};

// The columns of relacje in their order, named once; Missing is the list's computed column
// of marks.
enum class RelationField {
    SendingStation,
    Shipper,
    WagonType,
    Load,
    Receiver,
    ReceivingStation,
    PerWeek,
    Note,
    Missing
};
const char* relationColumn(RelationField field);

// Why a relation command wrote nothing.
class RelationRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a relation names that the file no longer holds.
enum MissingPart : unsigned { MissingStation = 1, MissingParty = 2, MissingLoad = 4 };
// "brak stacji", "brak nadawcy/odbiorcy", "brak ładunku", joined by ", ".
std::string missingText(unsigned missing);

bool relationTableExists(db::SqlConnection& connection);
// "create table if not exists relacje (…)", and the insert of the counter nr_relacji at 1
// where admin has none: the two statements that make the table, in the caller's transaction.
const char* relationTableSql();
const char* relationCounterSql();
const char* placesTableSql();
bool placesTableExists(db::SqlConnection& connection);

// How the relations window lists the relations.
struct RelationListing {
    std::string station;  // only relations sent from or to this station; empty: all
    RelationField sortBy = RelationField::SendingStation;
    bool descending = false;
    bool onlyAvailableWagons = false;  // only wagon types the wagon list holds (any case)
};
// The list's statement (columns id, the six texts, na_tydzien, uwagi, braki); an empty
// result with the same columns while the table does not exist.
std::string relationListSql(db::SqlConnection& connection, const RelationListing& listing);

// Every relation, each text whole, in id order (empty without the table).
std::vector<Relation> readRelations(db::SqlConnection& connection);
// The relation numbered `id`, each text whole.
std::optional<Relation> findRelation(db::SqlConnection& connection, int id);
// What of `relation` the file lacks (MissingPart bits).
unsigned missingOf(db::SqlConnection& connection, const Relation& relation);

// The commands, each in the caller's transaction on `query`. Wagons per week outside 1–99
// refuse with RelationRefused. Returns the new id.
int insertRelation(db::SqlQuery& query, const Relation& relation);
void updateRelation(db::SqlConnection& connection, db::SqlQuery& query, const Relation& relation);
void deleteRelation(db::SqlQuery& query, int id);

// --- places ---------------------------------------------------------------------------

struct Places {
    std::string name;
    std::string station;
    int places = 0;
    bool operator==(const Places&) const = default;
};
std::vector<Places> readPlaces(db::SqlConnection& connection);
// 0 when the business keeps no number.
int placesOf(db::SqlConnection& connection, std::string_view name, std::string_view station);
// The business's places (0 forgets them; over 999 refuses), in the caller's transaction.
void writePlaces(db::SqlQuery& query, const Places& places);

// --- the generator --------------------------------------------------------------------

struct GenerateOptions {
    int weeks = 1;
    int days = 0;  // over 0: this many operating days instead of the weeks
    std::uint64_t seed = 0;
    std::vector<std::string> stations;  // relations sent from or to these; empty: every one
};

struct StationSummary {
    std::string station;
    long made = 0;  // waybills that start or end there
    long sent = 0;
    long received = 0;
};

struct GenerationPlan {
    GenerateOptions options;
    // The stack in its shuffled order: for each waybill, the relation it comes from (an
    // index into `made`); the waybill itself is waybill(i).
    std::vector<std::uint32_t> stack;
    std::vector<std::pair<Relation, long>> made;  // per relation used, in id order
    int firstId = 0;  // once written: the id of the stack's first waybill, the others follow
    std::vector<std::pair<Relation, unsigned>> skipped;  // with what each lacks
    std::vector<StationSummary> stations;                // by name
    std::vector<std::string> warnings;                   // places and wagons exceeded

    // The waybill at place `i` of the stack, with its id once written.
    Waybill waybill(std::size_t i) const;
    // The summary per station, the warnings and the relations passed over, for the user.
    std::string summary() const;
};

// The share of each of `perWeek` for `days` operating days (a seventh of a week each): the
// total is the exact sum rounded half up, the whole parts first and the rest one by one to
// the largest fractions (ties to the earlier relation).
std::vector<long> shareOfDays(const std::vector<int>& perWeek, int days);
// The positions 0…n-1 in the order the seed gives (Fisher–Yates on mt19937_64, each draw by
// rejection, so the order is the same on every platform).
std::vector<std::size_t> shuffledOrder(std::size_t n, std::uint64_t seed);

// The waybills the relations make for `options`; nothing is written. Refused
// (std::invalid_argument) for a period under one day or over 520 weeks.
GenerationPlan planGeneration(db::SqlConnection& connection, const GenerateOptions& options);
// Writes the plan's stack as waybills with ids from nr_listu, in the caller's transaction;
// fills the stack's ids.
void writeGeneration(db::SqlConnection& connection, db::SqlQuery& query, GenerationPlan& plan);

}  // namespace model
