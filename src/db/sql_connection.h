#pragma once
// SqlConnection: the one place where statement text reaches the SQLite engine. It opens one
// database file, runs statement texts (several per call allowed) with a per-row callback
// that carries column names, declared types and value texts, and issues transaction
// statements on request. Three optional companions: SqlPragma (settings issued on
// connect), SqlLog (a statement log file) and SqlInlineSql (SQL run by open()).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace db {

class SqlConnection;
class SqlDataset;
class RowRecorder;

// One result row handed to a row callback. `values` is null for the single call made for a
// statement that returns columns but no rows; a null entry in `values` is SQL NULL.
// `names` holds the column names followed by the declared type texts ("" when none).
struct ExecRow {
    int columnCount = 0;
    const char* const* values = nullptr;
    const int* lengths = nullptr;
    const char* const* names = nullptr;
};
// Returns 0 to go on; anything else stops the run with an error.
using RowCallback = int (*)(void* arg, const ExecRow& row);

using SqlNotifyEvent = std::function<void(SqlConnection& sender)>;

// Base of the companions: a connection that refers to one forgets it when it is destroyed.
class ConnectionCompanion {
public:
    ConnectionCompanion() = default;
    ConnectionCompanion(const ConnectionCompanion&) = delete;
    ConnectionCompanion& operator=(const ConnectionCompanion&) = delete;
    virtual ~ConnectionCompanion();

private:
    friend class SqlConnection;
    std::vector<SqlConnection*> users_;
};

// Engine settings issued on connect. A zero number or an empty text issues nothing.
class SqlPragma : public ConnectionCompanion {
public:
    int tempCacheSize = 0;
    int defaultCacheSize = 0;
    std::string defaultSynchronous;
    std::string defaultTempStore;
    std::string tempStore;
    std::string synchronous;
};

// Statement log. Only logFile and append have an effect; the other flags are kept.
class SqlLog : public ConnectionCompanion {
public:
    std::string logFile;
    bool logDebugOut = false;
    bool append = false;
    bool logSql = false;
    bool logInternals = false;

    // Writes one line "yyyy mmm dd (hh:nn:ss) <text>". With append false the file is
    // created anew, so it holds only the latest line.
    void display(std::string_view text) const;
};

// SQL run by SqlConnection::open() when executeInlineSql is set.
class SqlInlineSql : public ConnectionCompanion {
public:
    std::vector<std::string> sql;
};

class SqlConnection {
public:
    explicit SqlConnection(std::string name = {});
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;
    ~SqlConnection();

    const std::string& name() const { return name_; }

    // --- properties ---------------------------------------------------------------------
    const std::string& database() const { return database_; }
    void setDatabase(std::string_view name);  // stored without surrounding blanks/controls
    std::string defaultExt();                 // ".sdb" when empty (and then stored)
    void setDefaultExt(std::string ext) { defaultExt_ = std::move(ext); }
    const std::string& defaultDir() const { return defaultDir_; }
    void setDefaultDir(std::string dir) { defaultDir_ = std::move(dir); }
    std::string driverDll();  // "SQLite.dll" when empty (and then stored)
    void setDriverDll(std::string dll) { driverDll_ = std::move(dll); }
    const std::string& version() const { return version_; }
    void setVersion(std::string v) { version_ = std::move(v); }
    const std::string& characterEncoding() const { return characterEncoding_; }
    void setCharacterEncoding(std::string e) { characterEncoding_ = std::move(e); }
    bool mustExist() const { return mustExist_; }
    void setMustExist(bool on) { mustExist_ = on; }
    bool executeInlineSql() const { return executeInlineSql_; }
    void setExecuteInlineSql(bool on) { executeInlineSql_ = on; }

    SqlPragma* pragma() const { return pragma_; }
    void setPragma(SqlPragma* pragma);
    SqlLog* log() const { return log_; }
    void setLog(SqlLog* log);
    SqlInlineSql* inlineSql() const { return inlineSql_; }
    void setInlineSql(SqlInlineSql* inlineSql);

    void setBeforeConnect(SqlNotifyEvent h) { beforeConnect_ = std::move(h); }
    void setAfterConnect(SqlNotifyEvent h) { afterConnect_ = std::move(h); }
    void setBeforeDisconnect(SqlNotifyEvent h) { beforeDisconnect_ = std::move(h); }
    void setAfterDisconnect(SqlNotifyEvent h) { afterDisconnect_ = std::move(h); }

    // Setting true runs the connect sequence (again, when already connected); false the
    // disconnect sequence.
    bool connected() const { return connected_; }
    void setConnected(bool on);

    // --- operations ---------------------------------------------------------------------
    void open();   // connect, then the inline SQL when asked for
    void close();  // disconnect
    void startTransaction();
    // "begin immediate transaction": the write lock is taken at once, so whatever the work
    // reads inside (a counter, the rows a duplicate rule compares with) no other program can
    // change before it commits.
    void startWriteTransaction();
    void commit();
    void rollBack();
    // True while the engine holds an open transaction on this connection.
    bool inTransaction() const;
    // Whether running `sql` would only read: the engine prepares each of its statements in
    // turn along the text, and each must be read-only and no transaction, savepoint, attach
    // or detach statement. A statement the engine cannot prepare before the earlier ones
    // have run (it names what they would make) counts as a write. Nothing is run. False
    // when not connected.
    bool onlyReads(std::string_view sql) const;
    // True when the engine opened the file read-only (its mode forbids writing).
    bool fileReadOnly() const;
    void execPragma();

    // Runs every statement of `sql` in order, stopping at the first that fails. The text
    // goes to the log and the debug output first. `error` (may be null) receives the
    // engine's text on failure and is cleared on success. Returns the engine's extended
    // result code.
    int xExec(std::string_view sql, RowCallback callback, void* arg, std::string* error);

    bool loadLibs();
    bool libraryLoaded() const { return libraryLoaded_; }
    // The path handed to the engine on connect.
    std::string formPath();
    sqlite3* handle() const { return handle_; }
    std::int64_t lastInsertRowId() const;
    // The rows the last insert, update or delete on this connection changed.
    std::int64_t changes() const;
    const std::string& lastError() const { return lastError_; }

    // For tests: make the next library loads fail, as an engine that cannot be initialised.
    static void setLibraryLoadFailsForTesting(bool fails);

    // The recorder following this connection's row changes now; null when none.
    RowRecorder* recorder() const { return recorder_; }

private:
    friend class SqlDataset;
    friend class ConnectionCompanion;
    friend class RowRecorder;
    void dbConnect();
    void dbDisconnect();
    void releaseLibrary();
    void runTransactionStatement(const char* sql);
    void attach(ConnectionCompanion* companion);
    void detach(ConnectionCompanion* companion);
    void companionDestroyed(ConnectionCompanion* companion);
    void registerDataset(SqlDataset* ds);
    void unregisterDataset(SqlDataset* ds);

    std::string name_;
    std::string database_;
    std::string defaultExt_;
    std::string defaultDir_;
    std::string driverDll_;
    std::string version_;
    std::string characterEncoding_;
    bool connected_ = false;
    bool mustExist_ = false;
    bool executeInlineSql_ = false;
    bool libraryLoaded_ = false;
    sqlite3* handle_ = nullptr;
    SqlPragma* pragma_ = nullptr;
    SqlLog* log_ = nullptr;
    SqlInlineSql* inlineSql_ = nullptr;
    SqlNotifyEvent beforeConnect_, afterConnect_, beforeDisconnect_, afterDisconnect_;
    std::string lastError_;
    std::vector<SqlDataset*> datasets_;
    RowRecorder* recorder_ = nullptr;
};

}  // namespace db
