#pragma once
// Joining duplicates: after several owners' files are merged, one station, shipper/receiver
// or load often comes in under names that differ only in their writing ("Zwönitz",
// "Zwoenitz", " zwönitz "). The proposal groups such names; joining renames the others to
// the kept one everywhere (as a rename does) and removes the reference rows that became
// identical. Waybills are never removed: identical waybills are several wagons.

#include <string>
#include <vector>

#include "db/forward.h"
#include "model/rename.h"

namespace model {

// A group of names that are probably one thing (equal by their header key: case, blanks
// at either end and repeated, diacritics, and ö = oe, ü = ue, ä = ae, ß = ss ignored), in
// the tables' order. Shippers/receivers
// are grouped within one station, loads within one wagon type.
struct DuplicateGroup {
    NamedKind kind = NamedKind::Station;
    std::vector<NamedThing> members;
    // Stations only: the members' colours, when they are not all the same.
    std::vector<std::string> colours;
};
std::vector<DuplicateGroup> proposeDuplicates(db::SqlConnection& connection);

// One group as the user decided it: `others` renamed to `kept`.
struct JoinChoice {
    NamedKind kind = NamedKind::Station;
    NamedThing kept;
    std::vector<NamedThing> others;
};

struct JoinReport {
    std::vector<std::pair<std::string, long>> changed;  // table title, rows renamed
    std::vector<std::string> removed;                   // the reference rows removed
    std::string summary;
};

// Every choice, in one transaction the caller holds.
JoinReport joinDuplicates(db::SqlConnection& connection, const std::vector<JoinChoice>& choices);

// "Połączono duplikaty." with the rows renamed and removed, for the user.
std::string joinSummary(const JoinReport& report);

}  // namespace model
