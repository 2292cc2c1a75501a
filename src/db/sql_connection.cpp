#include "db/sql_connection.h"

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_dataset.h"
#include "db/text.h"

namespace db {
namespace {

bool g_libraryLoadFails = false;
constexpr int kBusyTimeoutMs = 5000;

struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

// Runs the statements of `sql` one after another on `db`. Each statement that returns
// columns reports its rows to the callback, and reports once without values when it has
// none, so a caller always learns a result's columns.
int runStatements(sqlite3* db, std::string_view sql, RowCallback callback, void* arg,
                  std::string& error) {
    const char* p = sql.data();
    const char* const end = p + sql.size();
    std::vector<std::string> nameStore;
    std::vector<const char*> names;
    std::vector<const char*> values;
    std::vector<int> lengths;
    while (p < end) {
        StatementGuard guard;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, p, static_cast<int>(end - p), &guard.stmt, &tail);
        if (rc != SQLITE_OK) {
            error = sqlite3_errmsg(db);
            return sqlite3_extended_errcode(db);
        }
        if (tail == nullptr || tail <= p) break;  // nothing left the engine can read
        p = tail;
        if (guard.stmt == nullptr) continue;  // blanks or a comment
        // The columns are read once the statement has run: the engine may prepare it anew
        // inside its first step (after a schema change), which gives up the texts it handed
        // out before. They are copied, so they stay for the whole result.
        ExecRow row;
        auto describe = [&] {
            const int n = sqlite3_column_count(guard.stmt);
            row.columnCount = n;
            nameStore.clear();
            for (int i = 0; i < n; ++i) {
                const char* name = sqlite3_column_name(guard.stmt, i);
                nameStore.emplace_back(name ? name : "");
            }
            for (int i = 0; i < n; ++i) {
                const char* type = sqlite3_column_decltype(guard.stmt, i);
                nameStore.emplace_back(type ? type : "");
            }
            names.resize(nameStore.size());
            for (std::size_t i = 0; i < nameStore.size(); ++i) names[i] = nameStore[i].c_str();
            values.resize(static_cast<std::size_t>(n));
            lengths.resize(static_cast<std::size_t>(n));
            row.names = names.data();
        };
        bool anyRow = false;
        while ((rc = sqlite3_step(guard.stmt)) == SQLITE_ROW) {
            if (callback == nullptr) continue;
            if (!anyRow) describe();
            anyRow = true;
            const int n = row.columnCount;
            if (n == 0) continue;
            for (int i = 0; i < n; ++i) {
                values[i] = reinterpret_cast<const char*>(sqlite3_column_text(guard.stmt, i));
                lengths[i] = sqlite3_column_bytes(guard.stmt, i);
            }
            row.values = values.data();
            row.lengths = lengths.data();
            if (callback(arg, row) != 0) {
                error = "callback requested query abort";
                return SQLITE_ABORT;
            }
        }
        if (rc != SQLITE_DONE) {
            error = sqlite3_errmsg(db);
            return sqlite3_extended_errcode(db);
        }
        if (!anyRow && callback != nullptr) {
            describe();
            if (row.columnCount == 0) continue;
            row.values = nullptr;
            row.lengths = nullptr;
            if (callback(arg, row) != 0) {
                error = "callback requested query abort";
                return SQLITE_ABORT;
            }
        }
    }
    return SQLITE_OK;
}

}  // namespace

Cause causeOf(int code) {
    switch (code & 0xff) {
        case SQLITE_OK:
            return Cause::None;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Cause::Busy;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return Cause::ReadOnly;
        case SQLITE_FULL:
            return Cause::Full;
        case SQLITE_CORRUPT:
            return Cause::Damaged;
        case SQLITE_NOTADB:
            return Cause::NotADatabase;
        case SQLITE_CANTOPEN:
            return Cause::CannotOpen;
        default:
            return Cause::Other;
    }
}

// --- companions ---------------------------------------------------------------------------

ConnectionCompanion::~ConnectionCompanion() {
    const auto users = users_;
    for (SqlConnection* c : users) c->companionDestroyed(this);
}

void SqlLog::display(std::string_view text) const {
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool exists = fs::exists(logFile, ec);
    if (exists && !append) fs::remove(logFile, ec);
    std::ofstream out(logFile, exists && append ? std::ios::app : std::ios::trunc);
    if (!out) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[64];
    std::strftime(stamp, sizeof stamp, "%Y %b %d (%H:%M:%S) ", &local);
    out << stamp << text << '\n';
}

// --- connection ---------------------------------------------------------------------------

SqlConnection::SqlConnection(std::string name) : name_(std::move(name)) {
    debugOut("SqlConnection created");
}

SqlConnection::~SqlConnection() {
    const auto datasets = datasets_;
    for (SqlDataset* ds : datasets) ds->connectionDestroyed(this);
    if (connected_) dbDisconnect();
    setPragma(nullptr);
    setLog(nullptr);
    setInlineSql(nullptr);
}

void SqlConnection::setDatabase(std::string_view name) {
    database_ = trimBlanks(name);
}

std::string SqlConnection::defaultExt() {
    if (defaultExt_.empty()) defaultExt_ = ".sdb";
    return defaultExt_;
}

std::string SqlConnection::driverDll() {
    if (driverDll_.empty()) driverDll_ = "SQLite.dll";
    return driverDll_;
}

void SqlConnection::attach(ConnectionCompanion* companion) {
    if (companion) companion->users_.push_back(this);
}

void SqlConnection::detach(ConnectionCompanion* companion) {
    if (!companion) return;
    auto& users = companion->users_;
    if (auto it = std::find(users.begin(), users.end(), this); it != users.end()) users.erase(it);
}

void SqlConnection::setPragma(SqlPragma* pragma) {
    detach(pragma_);
    pragma_ = pragma;
    attach(pragma_);
}

void SqlConnection::setLog(SqlLog* log) {
    detach(log_);
    log_ = log;
    attach(log_);
}

void SqlConnection::setInlineSql(SqlInlineSql* inlineSql) {
    detach(inlineSql_);
    inlineSql_ = inlineSql;
    attach(inlineSql_);
}

void SqlConnection::companionDestroyed(ConnectionCompanion* companion) {
    detach(companion);
    if (pragma_ == companion) pragma_ = nullptr;
    if (log_ == companion) log_ = nullptr;
    if (inlineSql_ == companion) inlineSql_ = nullptr;
}

void SqlConnection::registerDataset(SqlDataset* ds) {
    if (std::find(datasets_.begin(), datasets_.end(), ds) == datasets_.end()) {
        datasets_.push_back(ds);
    }
}

void SqlConnection::unregisterDataset(SqlDataset* ds) {
    datasets_.erase(std::remove(datasets_.begin(), datasets_.end(), ds), datasets_.end());
}

void SqlConnection::setLibraryLoadFailsForTesting(bool fails) {
    g_libraryLoadFails = fails;
}

std::string SqlConnection::formPath() {
    if (equalsNoCase(database_, ":memory:")) return database_;
    if (!defaultDir_.empty()) {
        if (defaultDir_.back() != '/') defaultDir_ += '/';
        return defaultDir_ + database_;
    }
    if (database_.find('/') != std::string::npos) return database_;
    std::error_code ec;
    return std::filesystem::current_path(ec).string() + "/" + database_;
}

bool SqlConnection::loadLibs() {
    debugOut("loading sqlite lib");
    debugOut(driverDll_);
    libraryLoaded_ = !g_libraryLoadFails && sqlite3_initialize() == SQLITE_OK;
    return libraryLoaded_;
}

void SqlConnection::releaseLibrary() {
    libraryLoaded_ = false;
}

void SqlConnection::setConnected(bool on) {
    if (on) {
        dbConnect();
    } else {
        dbDisconnect();
    }
}

void SqlConnection::dbConnect() {
    if (database_.empty()) throw SqlConfigError("Missing database property");
    const std::string path = formPath();
    const bool memory = equalsNoCase(database_, ":memory:");
    if (mustExist_ && !memory) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            throw DatabaseError("Database " + path + " does not exist");
        }
    }
    if (!libraryLoaded_ && !loadLibs()) {
        connected_ = false;
        throw SqlConfigError("Could not load SQLite library");
    }
    connected_ = true;
    version_ = sqlite3_libversion();
    characterEncoding_ = "UTF-8";
    if (handle_) {  // connecting again replaces the handle; the old one is closed, not leaked
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
    if (beforeConnect_) beforeConnect_(*this);
    sqlite3* db = nullptr;
    // The engine knows the in-memory name in lower case only; any other spelling would
    // create a file of that name.
    const int rc = sqlite3_open_v2(memory ? ":memory:" : path.c_str(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::string openError;
    int openCode = rc;
    if (rc == SQLITE_OK) {
        handle_ = db;
        sqlite3_extended_result_codes(handle_, 1);
        // A second program, or a backup tool, holding a short lock delays a statement
        // instead of refusing it.
        sqlite3_busy_timeout(handle_, kBusyTimeoutMs);
    } else {
        openError = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        if (db) openCode = sqlite3_extended_errcode(db);
        sqlite3_close_v2(db);
    }
    if (afterConnect_) afterConnect_(*this);
    if (!handle_) {
        connected_ = false;
        throw DatabaseError(openError + ": " + path, openCode);
    }
    // The engine reports declared types and empty results by itself; these two statements
    // are kept for the debug output and are ignored by the engine.
    std::string error;
    xExec("PRAGMA show_datatypes = ON;", nullptr, nullptr, &error);
    lastError_ = error;
    xExec("PRAGMA empty_result_callbacks = ON;", nullptr, nullptr, &error);
    lastError_ = error;
    if (pragma_) execPragma();
}

void SqlConnection::dbDisconnect() {
    if (!connected_) return;
    if (libraryLoaded_) {
        debugOut("freeing sqlite dll");
        if (beforeDisconnect_) beforeDisconnect_(*this);
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
        releaseLibrary();
        if (afterDisconnect_) afterDisconnect_(*this);
    }
    connected_ = false;
}

void SqlConnection::open() {
    setConnected(true);
    if (executeInlineSql_ && inlineSql_) {
        startTransaction();
        std::string text;
        for (const auto& line : inlineSql_->sql) {
            if (!text.empty()) text += '\n';
            text += line;
        }
        std::string error;
        const int rc = xExec(text, nullptr, nullptr, &error);
        if (!error.empty()) throw DatabaseError(error, rc, text);
        commit();
    }
}

void SqlConnection::close() {
    setConnected(false);
}

void SqlConnection::runTransactionStatement(const char* sql) {
    if (!connected_) setConnected(true);
    if (!connected_) return;
    std::string error;
    const int rc = xExec(sql, nullptr, nullptr, &error);
    lastError_ = error;
    if (!error.empty()) throw DatabaseError(error, rc, sql);
}

void SqlConnection::startTransaction() {
    runTransactionStatement("begin transaction");
}
void SqlConnection::startWriteTransaction() {
    runTransactionStatement("begin immediate transaction");
}
void SqlConnection::commit() {
    runTransactionStatement("commit transaction");
}
void SqlConnection::rollBack() {
    runTransactionStatement("rollback transaction");
}

bool SqlConnection::fileReadOnly() const {
    return handle_ != nullptr && sqlite3_db_readonly(handle_, "main") == 1;
}

bool SqlConnection::inTransaction() const {
    return handle_ != nullptr && sqlite3_get_autocommit(handle_) == 0;
}

namespace {

// Told by the engine while it prepares a statement: whether it begins or ends a
// transaction, makes or lets go a savepoint, or attaches or detaches a file (which the
// engine counts as read-only, though each changes what later statements write).
int noteControlStatements(void* seen, int action, const char*, const char*, const char*,
                          const char*) {
    if (action == SQLITE_TRANSACTION || action == SQLITE_SAVEPOINT || action == SQLITE_ATTACH ||
        action == SQLITE_DETACH)
        *static_cast<bool*>(seen) = true;
    return SQLITE_OK;
}

}  // namespace

bool SqlConnection::onlyReads(std::string_view sql) const {
    if (handle_ == nullptr) return false;
    bool control = false;
    sqlite3_set_authorizer(handle_, noteControlStatements, &control);
    bool reads = true;
    const char* p = sql.data();
    const char* const end = p + sql.size();
    while (reads && p < end) {
        StatementGuard guard;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(handle_, p, static_cast<int>(end - p), &guard.stmt, &tail) !=
            SQLITE_OK) {
            reads = false;
            break;
        }
        if (tail == nullptr || tail <= p) break;
        p = tail;
        if (guard.stmt != nullptr && (control || !sqlite3_stmt_readonly(guard.stmt))) reads = false;
    }
    sqlite3_set_authorizer(handle_, nullptr, nullptr);
    return reads;
}

void SqlConnection::execPragma() {
    if (!connected_) setConnected(true);
    if (!connected_ || !pragma_) return;
    std::string error;
    int code = 0;
    bool issued = false;
    auto issue = [&](const std::string& sql) {
        code = xExec(sql, nullptr, nullptr, &error);
        issued = true;
    };
    const SqlPragma& p = *pragma_;
    if (p.tempCacheSize != 0) issue("pragma cache_size=" + std::to_string(p.tempCacheSize));
    if (p.defaultCacheSize != 0) {
        issue("pragma default_cache_size=" + std::to_string(p.defaultCacheSize));
    }
    if (!p.defaultSynchronous.empty()) issue("pragma default_synchronous=" + p.defaultSynchronous);
    if (!p.defaultTempStore.empty()) issue("pragma default_temp_store=" + p.defaultTempStore);
    if (!p.tempStore.empty()) issue("pragma temp_store=" + p.tempStore);
    if (!p.synchronous.empty()) issue("pragma synchronous=" + p.synchronous);
    if (!issued) return;
    lastError_ = error;
    if (!error.empty()) throw DatabaseError(error, code);
}

int SqlConnection::xExec(std::string_view sql, RowCallback callback, void* arg,
                         std::string* error) {
    if (log_) log_->display(sql);
    debugOut(sql);
    std::string local;
    std::string& err = error ? *error : local;
    err.clear();
    if (!handle_) {
        err = "database is not open";
        return SQLITE_MISUSE;
    }
    return runStatements(handle_, sql, callback, arg, err);
}

std::int64_t SqlConnection::changes() const {
    return handle_ ? sqlite3_changes(handle_) : 0;
}

std::int64_t SqlConnection::lastInsertRowId() const {
    return handle_ ? sqlite3_last_insert_rowid(handle_) : 0;
}

}  // namespace db
