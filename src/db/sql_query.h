#pragma once
// SqlQuery: a dataset with an SQL text. Every change of the text closes the dataset;
// open() runs the text and keeps its rows, execSql() runs it for its effect only.

#include <string>
#include <string_view>
#include <vector>

#include "db/sql_dataset.h"

namespace db {

class SqlQuery : public SqlDataset {
public:
    explicit SqlQuery(std::string name = {});

    // The statement text as lines; sql() joins them with line feeds.
    const std::vector<std::string>& sqlLines() const { return sqlLines_; }
    std::string sql() const;
    void setSql(std::string_view text);  // the whole text, split at line breaks
    void clearSql();
    void addSql(std::string_view line);

    bool rawSql() const { return rawSql_; }
    void setRawSql(bool on);

    // Runs the text for its effect: rows are ignored, and afterwards the dataset is open
    // with no fields and no rows. Opening the same unchanged text again runs it the same
    // way, until the text is set anew.
    void execSql();

    // The text after parameter processing, as handed to the engine.
    const std::string& parsedText() const { return parsedText_; }

protected:
    void internalOpen() override;

private:
    void queryChanged();

    std::vector<std::string> sqlLines_;
    std::string parsedText_;
    bool rawSql_ = false;
};

}  // namespace db
