#include "model/stored_rows.h"

#include "model/sql_text.h"

#include "db/errors.h"
#include "db/sql_connection.h"

namespace model {
namespace {

struct RowPick {
    int wanted = 0;
    int seen = 0;
    std::vector<std::string>* row = nullptr;
    bool done = false;
};

int pickRow(void* arg, const db::ExecRow& r) {
    auto* pick = static_cast<RowPick*>(arg);
    if (r.values == nullptr) return 0;  // a result without rows
    if (pick->seen++ != pick->wanted) return 0;
    pick->row->clear();
    for (int i = 0; i < r.columnCount; ++i) {
        const char* v = r.values[i];
        pick->row->emplace_back(v ? std::string(v, static_cast<std::size_t>(r.lengths[i]))
                                  : std::string());
    }
    pick->done = true;
    return 1;  // the rows after it are not wanted: the engine stops here
}

int collectRow(void* arg, const db::ExecRow& r) {
    auto* rows = static_cast<std::vector<std::vector<StoredValue>>*>(arg);
    if (r.values == nullptr) return 0;
    auto& row = rows->emplace_back();
    row.reserve(static_cast<std::size_t>(r.columnCount));
    for (int i = 0; i < r.columnCount; ++i) {
        const char* v = r.values[i];
        if (v) {
            row.emplace_back(std::string(v, static_cast<std::size_t>(r.lengths[i])));
        } else {
            row.emplace_back(std::nullopt);
        }
    }
    return 0;
}

}  // namespace

std::vector<std::vector<StoredValue>> readStoredRows(db::SqlConnection& connection,
                                                     const std::string& sql) {
    std::vector<std::vector<StoredValue>> rows;
    std::string error;
    const int rc = connection.xExec(sql, &collectRow, &rows, &error);
    if (!error.empty()) throw db::DatabaseError(error, rc, sql);
    return rows;
}

bool readStoredRow(db::SqlConnection& connection, const std::string& sql, int index,
                   std::vector<std::string>& row) {
    row.clear();
    if (index < 0) return false;
    RowPick pick{index, 0, &row};
    std::string error;
    const int rc = connection.xExec(sql, &pickRow, &pick, &error);
    // Stopping after the wanted row is reported as an abort; that one is no error.
    if (!error.empty() && !pick.done) throw db::DatabaseError(error, rc, sql);
    return pick.done;
}

bool tableExists(db::SqlConnection& connection, const char* table) {
    return !readStoredRows(connection, "select 1 from sqlite_master where type='table' and name='" +
                                           sqlEscape(table) + "';")
                .empty();
}

}  // namespace model
