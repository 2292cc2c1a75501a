#include "db/sql_update_sql.h"

#include "db/sinks.h"
#include "db/sql_dataset.h"

namespace db {

SqlUpdateSql::SqlUpdateSql(std::string name) : name_(std::move(name)) {
    debugOut("SqlUpdateSql created");
}

SqlUpdateSql::~SqlUpdateSql() {
    for (SqlDataset* dataset : users_) dataset->updateSql_ = nullptr;
}

}  // namespace db
