#pragma once
// Traffic relations and the businesses' wagon places. A relation says that a shipper at its station
// sends a load (with its wagon type) to a receiver at its station, so many wagons a week.
// The relations (table relacje, ids from the counter nr_relacji) and the wagon places of the
// businesses (table miejsca) do not exist in a file until the first command that writes them
// creates them, in that command's transaction, together with the counter: a file in which
// nobody kept relations holds only the waybill tables and admin rows. Rows name the
// stations, businesses and loads by their texts, as listy does; a relation that names
// something deleted since stays, marked, and the generator passes it over.

#include <cstdint>
#include <optional>
#include <set>
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
// What the file holds by name, read once, for the checks of many relations.
class KnownNames {
public:
    explicit KnownNames(db::SqlConnection& connection);
    // What of `relation` the file lacks (MissingPart bits).
    unsigned missing(const Relation& relation) const;

private:
    std::set<std::string> stations_;
    std::set<std::pair<std::string, std::string>> parties_;  // name, station
    std::set<std::pair<std::string, std::string>> loads_;    // name, wagon type
};

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

}  // namespace model
