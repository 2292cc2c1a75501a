#pragma once
// Renaming a station, a shipper/receiver or a load everywhere it is named. Rows refer to
// each other by name, so a name lives in several columns of several tables; the one list of
// them is here (a table a later feature adds that names these things goes into it too, and
// a table not yet created in a file is passed over).

#include <string>
#include <vector>

#include "db/forward.h"

namespace model {

enum class NamedKind { Station, Party, Load };

// A column that holds a name of the kind. With a scope column, a row names the thing only
// where that column holds the thing's second text (the station of a shipper/receiver, the
// wagon type of a load).
struct NameReference {
    const char* table;
    const char* column;
    const char* scope;  // nullptr: the name alone
    const char* title;  // the table's name in the summary
};
const std::vector<NameReference>& referencesTo(NamedKind kind);

// A thing that can be renamed, as the clean-up lists offer it.
struct NamedThing {
    NamedKind kind;
    std::string name;
    std::string scope;  // the station of a shipper/receiver, the wagon type of a load
};
// Every station, shipper/receiver and load of the file, each (name, scope) once, in the
// tables' order.
std::vector<NamedThing> namedThings(db::SqlConnection& connection);

struct RenameReport {
    bool refused = false;
    std::vector<std::pair<std::string, long>> changed;  // table title, rows changed
    std::string summary;                                // one text for the user
    long total() const;
};

// Writes (newName, newScope) over every reference to (name, scope) in one transaction the
// caller holds; a station's scope is empty. Returns the rows changed per table.
RenameReport renameEverywhere(db::SqlConnection& connection, NamedKind kind,
                              const std::string& name, const std::string& scope,
                              const std::string& newName, const std::string& newScope);

// "Nazwa „<from>” poprawiona na „<to>”." with the rows changed per table, for the user.
std::string renameSummary(const std::string& from, const std::string& to,
                          const RenameReport& report);

}  // namespace model
