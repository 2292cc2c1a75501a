#pragma once
// The wagon list (table wagony) and the paper colours of the car cards (table kolory_kart).
// Neither table exists in a file until the first command that writes it creates it, inside
// that command's transaction: a file in which nobody kept wagons holds only the waybill
// tables. A wagon is named by its number (free text as written on the model, unique,
// compared exactly); its class is the wagon type a load names, matched without regard to
// case.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/forward.h"

namespace model {

inline constexpr const char* kWagonTable = "wagony";
inline constexpr const char* kCardColourTable = "kolory_kart";

// The speed mark painted on the wagon: none, "s" (100 km/h) or "ss" (120 km/h).
enum class SpeedMark { None = 0, S = 1, SS = 2 };
// "", "s", "ss".
std::string_view speedText(SpeedMark mark);
// The mark for "", "s" or "ss" (any case, blanks around ignored); none for anything else.
std::optional<SpeedMark> speedFromText(std::string_view text);

struct Wagon {
    std::string number;
    std::string wagonClass;
    std::string owner;
    std::string homeStation;
    std::string length;  // over buffers, in mm or as axles: as typed
    SpeedMark speed = SpeedMark::None;
    std::string note;
    bool operator==(const Wagon&) const = default;
};

// The columns of wagony in their order, named once.
enum class WagonField { Number, Class, Owner, HomeStation, Length, Speed, Note };
inline constexpr int kWagonFieldCount = 7;
const char* wagonColumn(WagonField field);
// The field's text of `wagon` (the speed as "", "s", "ss").
std::string wagonText(const Wagon& wagon, WagonField field);

// Why a wagon command wrote nothing.
class WagonRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool wagonTableExists(db::SqlConnection& connection);
// "create table if not exists wagony (...)", on `query`, inside the caller's transaction.
const char* wagonTableSql();
void createWagonTable(db::SqlQuery& query);

// How the wagon window lists the wagons.
struct WagonListing {
    std::string wagonClass;  // only this class (any case); empty: every class
    std::string owner;       // only this owner (exactly); empty: every owner
    WagonField sortBy = WagonField::Number;
    bool descending = false;
};
// The list's statement; when the table does not exist yet, an empty result with the same
// columns, so the list opens on a file without wagons.
std::string wagonListSql(const WagonListing& listing, bool tableExists);

// Every wagon, each text whole, in number order (empty without the table).
std::vector<Wagon> readWagons(db::SqlConnection& connection);
std::optional<Wagon> findWagon(db::SqlConnection& connection, std::string_view number);

// The commands, each in the caller's transaction on `query`. A number that is empty or
// taken, or a speed mark that is none of the three, refuses with WagonRefused.
void insertWagon(db::SqlConnection& connection, db::SqlQuery& query, const Wagon& wagon);
// The wagon numbered `number` becomes `wagon` (its number may change).
void updateWagon(db::SqlConnection& connection, db::SqlQuery& query, std::string_view number,
                 const Wagon& wagon);
void deleteWagon(db::SqlQuery& query, std::string_view number);

// The number `steps` further on. A 12-digit UIC number whose last digit checks counts up
// its serial (the three digits before the check digit) and gets its new check digit; any
// other number counts up its last run of digits, keeping its width (growing when it
// overflows). Empty when the number has no digit or a UIC serial runs past 999.
std::optional<std::string> countedUp(std::string_view number, int steps);
// The UIC check digit of 11 digits (Luhn: weights 2, 1, 2, … from the left).
int uicCheckDigit(std::string_view elevenDigits);

// --- card colours -------------------------------------------------------------------

// A group of wagon classes and its paper colour: "E+F" holds every class whose first
// letter is E or F. The colour is "#rrggbb".
struct CardColourGroup {
    std::string group;
    std::string colour;
    bool operator==(const CardColourGroup&) const = default;
};
// The starting groups (E+F, G+H, K+L, R+S, T, Z), each white.
std::vector<CardColourGroup> defaultCardColours();
// The groups kept in the file, or the starting ones while it keeps none.
std::vector<CardColourGroup> readCardColours(db::SqlConnection& connection);
// Replaces the kept groups (creating the table the first time), in the caller's
// transaction. A group with no letter or a colour that is no "#rrggbb" refuses.
void writeCardColours(db::SqlQuery& query, const std::vector<CardColourGroup>& groups);
// The colour of a class's card: the first group holding its first letter (any case);
// white for a class in no group.
std::string cardColourOf(const std::vector<CardColourGroup>& groups, std::string_view wagonClass);

}  // namespace model
