#pragma once
// SqlDataset: a query result held whole in memory, with a cursor over its rows and one
// field per result column. SqlQuery (sql_query.h) adds the statement text.
//
// Open hands the statement to the connection; every result row arrives through the row
// callback and is stored; the cursor then sits on the first row. Observers learn when the
// dataset opens, closes or moves its current row (the grids follow a dataset this way).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/field.h"
#include "db/result_store.h"
#include "db/sql_connection.h"

namespace db {

enum class DatasetEvent { Opened, Closed, CurrentChanged };

class SqlBlobStream;
class SqlUpdateSql;
enum class BlobMode;

struct LocateOptions {
    bool caseInsensitive = false;
};

class SqlDataset {
public:
    explicit SqlDataset(std::string name = {});
    SqlDataset(const SqlDataset&) = delete;
    SqlDataset& operator=(const SqlDataset&) = delete;
    virtual ~SqlDataset();

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // --- properties ---------------------------------------------------------------------
    bool autoCommit() const { return autoCommit_; }
    void setAutoCommit(bool on) { autoCommit_ = on; }
    bool sqliteDateFormat() const { return sqliteDateFormat_; }
    void setSqliteDateFormat(bool on) { sqliteDateFormat_ = on; }
    const std::string& tableDateFormat() const { return tableDateFormat_; }
    void setTableDateFormat(std::string f) { tableDateFormat_ = std::move(f); }
    SqlConnection* connection() const { return connection_; }
    void setConnection(SqlConnection* connection);
    int maxResults() const { return maxResults_; }
    void setMaxResults(int n) { maxResults_ = n; }
    int startResult() const { return startResult_; }
    void setStartResult(int n) { startResult_ = n; }
    bool typeLess() const { return typeLess_; }
    void setTypeLess(bool on) { typeLess_ = on; }

    // Filter condition appended to the statement while filtered() is set. Setting the text
    // closes the dataset; setting the flag (either way) opens it.
    const std::string& filter() const { return filter_; }
    void setFilter(std::string text);
    bool filtered() const { return filtered_; }
    void setFiltered(bool on);

    // Master/detail link. A detail registers with its master when it opens; from then on
    // every move of the master's current row runs the detail's sqliteMasterChanged(),
    // which filters the detail by the master's current values. `masterFields` holds
    // "detail=master" pairs of field names separated by ";". Setting a master that leads
    // back to this dataset raises DatabaseError "<name>: circular references are not
    // allowed". A destroyed master or detail is forgotten by the other side.
    SqlDataset* masterSource() const { return masterSource_; }
    void setMasterSource(SqlDataset* master);
    const std::string& masterFields() const { return masterFields_; }
    void setMasterFields(std::string pairs) { masterFields_ = std::move(pairs); }
    const std::vector<SqlDataset*>& details() const { return details_; }
    virtual void sqliteMasterChanged() {}

    // Statements for editing through the dataset. insertRecord(), edit(), post() and
    // deleteRecord() raise SqlConfigError "Missing SqlUpdateSql component" without one;
    // running the component's statements is not provided (they raise SqlConfigError too).
    SqlUpdateSql* updateSql() const { return updateSql_; }
    void setUpdateSql(SqlUpdateSql* component);
    void insertRecord();
    void edit();
    void post();
    void deleteRecord();

    // --- state and cursor ---------------------------------------------------------------
    void open();   // does nothing when already open
    void close();  // does nothing when already closed
    bool active() const { return active_; }
    void setActive(bool on) { on ? open() : close(); }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount() const;  // 0 when closed
    int recNo() const;
    void setRecNo(int value);
    // The stored row that is current, -1 when none. Moving to a row in range makes it
    // current and tells the observers; other values are ignored (returns false).
    int currentIndex() const { return current_; }
    bool setCurrentIndex(int index);

    std::int32_t bookmark() const;             // of the current row; -1 when none
    void gotoBookmark(std::int32_t bookmark);  // DatabaseError "Bookmark not found"
    std::int64_t rowId() const;                // of the current row; -1 when none

    // Makes the first row whose key fields (names separated by ";") hold the given texts
    // current and returns true; with no such row the last row becomes current and the
    // result is false. One value per key field. Unknown field: DatabaseError.
    bool locate(std::string_view keyFields, const std::vector<std::string>& values,
                LocateOptions options = {});
    bool locate(std::string_view keyField, std::string_view value, LocateOptions options = {});

    // A stream over a blob, memo or graphic field of the current row (sql_blob_stream.h).
    std::unique_ptr<SqlBlobStream> createBlobStream(Field& field, BlobMode mode);

    // --- fields -------------------------------------------------------------------------
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    Field& fields(int index) const;  // DatabaseError when out of range
    Field& fieldByName(std::string_view name) const;
    Field* findField(std::string_view name) const;
    // The text of a field in any stored row (the grids read rows this way).
    std::string text(int row, int field) const;
    int recordSize() const { return recordSize_; }

    // --- observers ----------------------------------------------------------------------
    using Observer = std::function<void(DatasetEvent)>;
    int subscribe(Observer observer);
    void unsubscribe(int id);

    const std::string& lastError() const { return lastError_; }
    const std::string& statement() const { return statement_; }
    const ResultStore* resultStore() const { return store_.get(); }

protected:
    // Builds the statement and runs it; SqlQuery provides it.
    virtual void internalOpen() = 0;
    virtual void internalClose();
    // Runs `statement` and stores its rows; an engine error raises DatabaseError with the
    // engine's text (at most 255 characters), a line feed and `shownText`.
    void loadQueryData(const std::string& statement, const std::string& shownText);
    // Appends the filter condition when filtered.
    void appendFilter(std::string& statement) const;
    void notify(DatasetEvent event);
    // Registers this dataset as a detail of its master (once) and, when the master is
    // open, sets the filter from the master's current row. False when `masterFields`
    // holds a pair without "=" (the message was shown).
    bool applyMasterLink();
    // The filter condition for the master's current row: "detail=value" for each pair,
    // joined with " and "; text values quoted. nullopt (after the message box "Syntax
    // error: ...") for a pair without "=".
    std::optional<std::string> masterFilter() const;
    bool execSqlFlag_ = false;

private:
    friend class Field;
    friend class SqlConnection;
    friend class SqlBlobStream;
    friend class SqlUpdateSql;
    static int rowCallback(void* arg, const ExecRow& row);
    int onRow(const ExecRow& row);
    void encodeValue(const FieldDef& def, const char* value, int length);
    void connectionDestroyed(SqlConnection* connection);
    std::string_view currentBytes(int field) const;
    std::string_view rowBytes(int row, int field) const;
    void requireActive() const;
    void requireUpdateSql() const;
    // Rewrites one field of the stored row with this bookmark; false when the row is gone.
    bool replaceField(std::int32_t bookmark, int field, std::string_view bytes);
    void detachBlobStreams();

    std::string name_;
    bool autoCommit_ = false;
    bool sqliteDateFormat_ = false;
    std::string tableDateFormat_;
    SqlConnection* connection_ = nullptr;
    int maxResults_ = 0;
    int startResult_ = 0;
    bool typeLess_ = false;
    std::string filter_;
    bool filtered_ = false;

    bool active_ = false;
    bool eof_ = true;
    bool bof_ = true;
    int current_ = -1;
    std::unique_ptr<ResultStore> store_;
    std::vector<FieldDef> defs_;
    std::vector<std::unique_ptr<Field>> fields_;
    bool fieldsBuilt_ = false;
    int recordSize_ = 0;
    std::string scratch_;  // the row being decoded, reused for every row
    std::string statement_;
    std::string lastError_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
    SqlDataset* masterSource_ = nullptr;
    std::string masterFields_;
    std::vector<SqlDataset*> details_;
    SqlUpdateSql* updateSql_ = nullptr;
    std::vector<SqlBlobStream*> blobStreams_;
};

}  // namespace db
