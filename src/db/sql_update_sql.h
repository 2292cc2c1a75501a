#pragma once
// SqlUpdateSql: the statements for editing rows through a dataset, as three lists of text
// lines. A dataset names it through setUpdateSql(); when the component is destroyed, every
// dataset that names it forgets it.

#include <string>
#include <vector>

namespace db {

class SqlDataset;

class SqlUpdateSql {
public:
    explicit SqlUpdateSql(std::string name = {});
    SqlUpdateSql(const SqlUpdateSql&) = delete;
    SqlUpdateSql& operator=(const SqlUpdateSql&) = delete;
    ~SqlUpdateSql();

    const std::string& name() const { return name_; }

    // Assigning a list copies its lines.
    const std::vector<std::string>& insertSql() const { return insertSql_; }
    void setInsertSql(std::vector<std::string> lines) { insertSql_ = std::move(lines); }
    const std::vector<std::string>& updateSql() const { return updateSql_; }
    void setUpdateSql(std::vector<std::string> lines) { updateSql_ = std::move(lines); }
    const std::vector<std::string>& deleteSql() const { return deleteSql_; }
    void setDeleteSql(std::vector<std::string> lines) { deleteSql_ = std::move(lines); }

private:
    friend class SqlDataset;
    std::string name_;
    std::vector<std::string> insertSql_;
    std::vector<std::string> updateSql_;
    std::vector<std::string> deleteSql_;
    std::vector<SqlDataset*> users_;
};

}  // namespace db
