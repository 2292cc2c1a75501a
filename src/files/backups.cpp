#include "files/backups.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <exception>
#include <filesystem>
#include <thread>
#include <tuple>
#include <utility>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "db/errors.h"
#include "db/sql_connection.h"
#include "files/database_location.h"
#include "model/messages.h"

namespace files {

using model::message;
namespace {

namespace fs = std::filesystem;

constexpr const char* kBackupExtension = ".sdb";
constexpr const char* kPartSuffix = ".zapis";

// This program's process id, which makes its unfinished copy's name its own.
long processId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(getpid());
#endif
}

// The database file's name without its extension: "listy" for listy.sdb.
std::string stemOf(const DatabaseLocation& location) {
    return fs::path(location.fileName()).stem().string();
}

// The local time as "YYYYMMDD-HHMMSS".
std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);  // one thread
    char text[32] = {};
    if (!local || std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", local) == 0)
        return "00000000-000000";
    return text;
}

struct BackupName {
    std::string stamp;  // YYYYMMDD-HHMMSS
    int sequence = 1;   // 1 for the plain name, n for "-n"
};

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "<stem>-YYYYMMDD-HHMMSS.sdb" or "<stem>-YYYYMMDD-HHMMSS-<n>.sdb".
bool parseBackupName(const std::string& name, const std::string& stem, BackupName& out) {
    const std::string prefix = stem + "-";
    const std::string ext = kBackupExtension;
    if (name.size() < prefix.size() + 15 + ext.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
        return false;
    }
    const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - ext.size());
    if (middle.size() < 15 || !allDigits(middle.substr(0, 8)) || middle[8] != '-' ||
        !allDigits(middle.substr(9, 6))) {
        return false;
    }
    out.stamp = middle.substr(0, 15);
    out.sequence = 1;
    if (middle.size() == 15) return true;
    if (middle[15] != '-' || !allDigits(middle.substr(16)) || middle.size() > 22) return false;
    out.sequence = std::stoi(middle.substr(16));
    return true;
}

struct Handle {
    sqlite3* db = nullptr;
    ~Handle() { sqlite3_close_v2(db); }
};

void copyPages(sqlite3* to, sqlite3* from, const std::string& what) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw db::DatabaseError(what + ": " + sqlite3_errmsg(to), sqlite3_extended_errcode(to));
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE || finish != SQLITE_OK) {
        throw db::DatabaseError(what + ": " + sqlite3_errmsg(to),
                                step != SQLITE_DONE ? step : sqlite3_extended_errcode(to));
    }
}

// Every copy of `stem` in `folder`, oldest first.
std::vector<std::pair<BackupName, fs::path>> copiesIn(const std::string& folder,
                                                      const std::string& stem) {
    std::vector<std::pair<BackupName, fs::path>> copies;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        BackupName parsed;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && parseBackupName(name, stem, parsed))
            copies.emplace_back(parsed, it->path());
    }
    std::sort(copies.begin(), copies.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.stamp, a.first.sequence) <
               std::tie(b.first.stamp, b.first.sequence);
    });
    return copies;
}

long countWaybills(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    long count = -1;
    if (sqlite3_prepare_v2(db, "select count(*) from listy;", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        count = static_cast<long>(sqlite3_column_int64(stmt, 0));
    }
    sqlite3_finalize(stmt);
    return count;
}

std::string firstResult(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (t) out = t;
    } else {
        out = std::string("error: ") + sqlite3_errmsg(db);
    }
    sqlite3_finalize(stmt);
    return out;
}

}  // namespace

std::string backupFolder(const DatabaseLocation& location) {
    return location.directory() + "kopie/";
}

namespace {

// A copy begun: the source it reads, and the names it will take. While the source is a
// connection of its own, it holds the engine's read lock from here to the end of the
// copy, so the command's write lock cannot reach the file before the copy is whole.
struct BackupJob {
    Handle ownSource;
    sqlite3* source = nullptr;
    std::string folder, stem, stamp, part;
    int keep = kBackupsKept;
};

// Opens the source, makes the folder, clears leftovers and names the copy; false when
// there is no file to copy.
bool beginBackup(BackupJob& job, db::SqlConnection& connection, const DatabaseLocation& location,
                 int keep) {
    job.folder = backupFolder(location);
    job.stem = stemOf(location);
    job.keep = keep;
    job.source = connection.connected() ? connection.handle() : nullptr;
    // Under a command's write lock the engine cannot copy from the connection that holds
    // it: a connection of its own reads the file, which the lock keeps as it is until the
    // command has written.
    if (!job.source || connection.inTransaction()) {
        std::error_code ec;
        if (!fs::exists(location.path(), ec)) return false;
        // The read lock is taken here, before the command writes anything.
        const bool reading =
            sqlite3_open_v2(location.path().c_str(), &job.ownSource.db, SQLITE_OPEN_READONLY,
                            nullptr) == SQLITE_OK &&
            sqlite3_busy_timeout(job.ownSource.db, 5000) == SQLITE_OK &&
            sqlite3_exec(job.ownSource.db, "begin; select count(*) from main.sqlite_master;",
                         nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!reading) {
            throw db::DatabaseError(
                message("listy", QT_TRANSLATE_NOOP("listy", "Nie można otworzyć pliku %1 do kopii"),
                        {location.path()}),
                sqlite3_extended_errcode(job.ownSource.db));
        }
        job.source = job.ownSource.db;
    }
    std::error_code ec;
    fs::create_directories(job.folder, ec);
    if (ec)
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można założyć katalogu kopii %1: %2"),
                    {job.folder, ec.message()}));
    // Leftovers of this program's own copy stopped part-way, and of copies abandoned long
    // ago; another program's copy in progress is never touched.
    const std::string own = "." + std::to_string(processId()) + kPartSuffix;
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (fs::directory_iterator it(job.folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool part =
            name.ends_with(kPartSuffix) || name.ends_with(std::string(kPartSuffix) + "-journal");
        if (name.rfind(job.stem + "-", 0) != 0 || !part) continue;
        std::error_code ignored;
        const bool mine = name.find(own) != std::string::npos;
        if (mine || fs::last_write_time(it->path(), ignored) < longAgo)
            fs::remove(it->path(), ignored);
    }
    job.stamp = timeStamp();
    job.part = job.folder + job.stem + "-" + job.stamp + own;
    return true;
}

// Writes the copy begun, publishes it under the first free name and removes all but the
// newest copies; returns its path. Uses nothing but the job, so it may run on a thread of
// its own.
std::string writeBackup(BackupJob& job) {
    const std::string& folder = job.folder;
    const std::string& part = job.part;
    try {
        Handle target;
        if (sqlite3_open_v2(part.c_str(), &target.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            throw db::DatabaseError(
                message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać kopii w %1: %2"),
                        {folder, sqlite3_errmsg(target.db)}),
                sqlite3_extended_errcode(target.db));
        }
        // The copy stands under its temporary name until it is whole: a copy stopped
        // part-way is never taken for one, so it needs no journal of its own. It is still
        // flushed to the disk before it is published.
        sqlite3_exec(target.db, "pragma journal_mode=off;", nullptr, nullptr, nullptr);
        copyPages(
            target.db, job.source,
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać kopii w %1"), {folder}));
    } catch (...) {
        std::error_code ignored;
        fs::remove(part, ignored);
        throw;
    }
    // The file may change once the copy is whole.
    if (job.ownSource.db) sqlite3_exec(job.ownSource.db, "commit;", nullptr, nullptr, nullptr);
    std::error_code ec;
    // The copy takes the first free name: a link never replaces a name another program
    // has just taken in the same second.
    std::string path;
    for (int n = 1; path.empty() && n < 1000; ++n) {
        const std::string name = job.stem + "-" + job.stamp +
                                 (n == 1 ? std::string() : "-" + std::to_string(n)) +
                                 kBackupExtension;
        std::error_code linkError;
        fs::create_hard_link(part, folder + name, linkError);
        if (!linkError) {
            path = folder + name;
        } else if (!fs::exists(folder + name, ec)) {
            // A file system without links: the rename publishes it.
            fs::rename(part, folder + name, linkError);
            if (linkError) {
                std::error_code ignored;
                fs::remove(part, ignored);
                throw db::DatabaseError(
                    message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać kopii %1: %2"),
                            {folder + name, linkError.message()}));
            }
            path = folder + name;
        }
    }
    std::error_code ignored;
    fs::remove(part, ignored);
    if (path.empty()) {
        throw db::DatabaseError(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Nie można nadać nazwy kopii w %1"), {folder}));
    }
    auto copies = copiesIn(folder, job.stem);
    for (std::size_t i = 0; job.keep >= 0 && i + static_cast<std::size_t>(job.keep) < copies.size();
         ++i) {
        fs::remove(copies[i].second, ignored);
    }
    return path;
}

}  // namespace

std::string backupDatabase(db::SqlConnection& connection, const DatabaseLocation& location,
                           int keep) {
    BackupJob job;
    if (!beginBackup(job, connection, location, keep)) return {};
    return writeBackup(job);
}

struct BackupInBackground::Job : BackupJob {};

BackupInBackground::BackupInBackground(db::SqlConnection& connection,
                                       const DatabaseLocation& location, int keep)
    : job_(std::make_unique<Job>()) {
    if (!beginBackup(*job_, connection, location, keep)) return;
    if (!job_->ownSource.db) {
        // Copied from the command's own connection: it cannot be shared with a thread.
        path_ = writeBackup(*job_);
        return;
    }
    thread_ = std::thread([this] {
        try {
            path_ = writeBackup(*job_);
        } catch (...) {
            error_ = std::current_exception();
        }
    });
}

BackupInBackground::~BackupInBackground() {
    if (thread_.joinable()) thread_.join();
}

std::string BackupInBackground::finish() {
    if (thread_.joinable()) thread_.join();
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    return path_;
}

std::vector<BackupInfo> listBackups(const DatabaseLocation& location) {
    std::vector<BackupInfo> out;
    auto copies = copiesIn(backupFolder(location), stemOf(location));
    std::reverse(copies.begin(), copies.end());
    for (const auto& [parsed, path] : copies) {
        BackupInfo info;
        info.path = path.string();
        info.fileName = path.filename().string();
        const std::string& s = parsed.stamp;
        info.when = s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " +
                    s.substr(9, 2) + ":" + s.substr(11, 2) + ":" + s.substr(13, 2);
        std::error_code ec;
        info.size = fs::file_size(path, ec);
        Handle h;
        if (sqlite3_open_v2(info.path.c_str(), &h.db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            info.waybills = countWaybills(h.db);
        }
        out.push_back(std::move(info));
    }
    return out;
}

std::string restoreBackup(db::SqlConnection& connection, const DatabaseLocation& location,
                          const std::string& backupPath) {
    if (!connection.connected() || !connection.handle()) {
        throw db::DatabaseError(message(
            "listy", QT_TRANSLATE_NOOP(
                         "listy", "Baza danych nie jest otwarta: nie można przywrócić kopii")));
    }
    if (connection.inTransaction()) {
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy",
                                               "Otwarta jest transakcja (przeglądarka SQL): "
                                               "zakończ ją przed przywróceniem kopii")));
    }
    Handle copy;
    if (sqlite3_open_v2(backupPath.c_str(), &copy.db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        throw db::DatabaseError(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Nie można otworzyć kopii %1"), {backupPath}));
    }
    const std::string check = firstResult(copy.db, "PRAGMA quick_check;");
    if (check != "ok") {
        throw db::DatabaseError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy", "Kopia %1 jest uszkodzona (%2); baza pozostała bez zmian"),
            {backupPath, check}));
    }
    if (countWaybills(copy.db) < 0 ||
        firstResult(copy.db, "select count(*) from admin;").rfind("error", 0) == 0) {
        throw db::DatabaseError(
            message("listy",
                    QT_TRANSLATE_NOOP(
                        "listy", "Plik %1 nie jest bazą programu Listy; baza pozostała bez zmian"),
                    {backupPath}));
    }
    const std::string before = backupDatabase(connection, location);
    // The engine writes the copy's pages into the open file as one journalled transaction.
    copyPages(connection.handle(), copy.db,
              message("listy", QT_TRANSLATE_NOOP("listy", "Nie można przywrócić kopii %1"),
                      {backupPath}));
    return before;
}

}  // namespace files
