#pragma once
// Backups of the database file: before "Kasowanie zawartości/Nowa baza", "Kasowanie
// listów", an import, a merge and a restore, a copy of the file is written to
// kopie/<name>-YYYYMMDD-HHMMSS.sdb beside it (listy-… for listy.sdb) through SQLite's online
// backup, so an open connection is copied consistently. The newest 20 copies are kept.
// A copy is written under a temporary name and renamed into place, so a copy that was
// stopped part-way never stands among the copies.

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "db/forward.h"

namespace files {

class DatabaseLocation;

inline constexpr int kBackupsKept = 20;

// The folder of the copies: "kopie/" beside the database file.
std::string backupFolder(const DatabaseLocation& location);

// Copies the database that `connection` has open (or, when it is not connected, the file
// at `location`) into the copies' folder and removes all but the newest `keep` copies.
// Returns the copy's path; empty when there is no file to copy. DatabaseError when the
// copy cannot be written (then no copy is made).
std::string backupDatabase(db::SqlConnection& connection, const DatabaseLocation& location,
                           int keep = kBackupsKept);

// The same copy, written on a thread of its own while a command goes on under its write
// lock. The copy reads the file through a connection of its own that takes the engine's
// read lock before the constructor returns and keeps it until the copy is whole, so the
// command's writes stay in its own cache (or wait) and the copy holds the file as it was
// before the command. finish() waits for the copy and returns its path, or throws what
// stopped it: a command calls it before it commits, so nothing is committed without a
// copy. Outside a transaction the copy is written at once, by the constructor.
class BackupInBackground {
public:
    BackupInBackground(db::SqlConnection& connection, const DatabaseLocation& location,
                       int keep = kBackupsKept);
    ~BackupInBackground();  // waits for the copy
    BackupInBackground(const BackupInBackground&) = delete;
    BackupInBackground& operator=(const BackupInBackground&) = delete;
    std::string finish();

private:
    struct Job;
    std::unique_ptr<Job> job_;
    std::thread thread_;
    std::string path_;
    std::exception_ptr error_;
};

struct BackupInfo {
    std::string path;
    std::string fileName;
    std::string when;         // "YYYY-MM-DD HH:MM:SS", from the file's name
    std::uintmax_t size = 0;  // bytes
    long waybills = -1;       // rows of listy; -1 when the copy cannot be read
};

// The copies of the database at `location`, newest first.
std::vector<BackupInfo> listBackups(const DatabaseLocation& location);

// Puts the copy at `backupPath` in place of the database that `connection` has open:
// checks the copy (a sound Listy file), backs up the current file, then copies the copy's
// pages into the open database in one write transaction of the engine, so a program
// stopped part-way leaves the database as it was. Returns the path of the copy of the
// current file. DatabaseError (nothing changed) for a copy that is not sound, or while a
// transaction is open on `connection`.
std::string restoreBackup(db::SqlConnection& connection, const DatabaseLocation& location,
                          const std::string& backupPath);

}  // namespace files
