#pragma once
// The start-up sequence that opens the database file: a new file gets its schema, a
// version-1 file is converted, a damaged, read-only or newer file is opened read-only with
// the user's message, and a locked or foreign file is refused naming the cause.

#include <string>

#include "db/forward.h"

namespace files {
class DatabaseLocation;
}

namespace session {

struct StartupReport {
    std::string damage;   // what the engine's check found wrong; empty for a sound file
    std::string message;  // the user's message about a file opened read-only, and why
};

// The start-up sequence: (re)connects `connection` to listy.sdb in the working directory,
// creates the schema in a new file or converts a version-1 file, and leaves `list` open on
// the waybill list. Only a missing admin table makes a file new: a locked file or one that
// is no database raises DatabaseError with a message naming the file and the cause; a
// damaged one is opened read-only and reported. Any other error ends the sequence and is
// raised.
StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list);
// The same for the file at `location` (its folder as the connection's DefaultDir). Without
// `openList` the waybill list is not read (the command line needs none). A read-only file
// or folder, and a file of a newer version (wersja neither 1 nor 2), are opened read-only
// and reported like a damaged one; a damaged page found by the first read of the list too.
StartupReport openDatabase(db::SqlConnection& connection, db::SqlQuery& list,
                           const files::DatabaseLocation& location, bool openList = true);
// Opens the waybill list on `list`; a damaged page makes the file read-only and is
// reported in `report`.
void openListTellingDamage(db::SqlConnection& connection, db::SqlQuery& list,
                           const std::string& path, StartupReport& report);

// The engine's quick check of the open file: empty when sound, else its first finding.
std::string damageFound(db::SqlConnection& connection);
// No statement on `connection` may change the file from now on.
void openReadOnly(db::SqlConnection& connection);
std::string firstLine(const std::string& text);

}  // namespace session
