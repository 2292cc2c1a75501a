#pragma once
// SqlQuery: a dataset with an SQL text. Every change of the text closes the dataset;
// open() runs the text and keeps its rows, execSql() runs it for its effect only.

#include <string>
#include <string_view>
#include <vector>

#include "db/sql_dataset.h"
#include "db/sql_params.h"

namespace db {

class SqlQuery : public SqlDataset {
public:
    explicit SqlQuery(std::string name = {});

    // The statement text as lines; sql() joins them with line feeds.
    const std::vector<std::string>& sqlLines() const { return sqlLines_; }
    std::string sql() const;
    void setSql(std::string_view text);  // split at line breaks outside literals
    void clearSql();
    void addSql(std::string_view line);

    // With rawSql the text goes to the engine as it is, without the parameter scan.
    // Changing the flag processes the current text anew (and closes the dataset).
    bool rawSql() const { return rawSql_; }
    void setRawSql(bool on);

    // The parameters found in the text (":name" outside quoted literals), in order; a name
    // used twice is two parameters. A parameter without a value reaches the engine as NULL.
    const std::vector<Param>& params() const { return params_; }
    // Sets the value of every parameter of that name (compared without regard to case);
    // DatabaseError "<dataset>: Parameter '<name>' not found" when there is none.
    void setParamValue(std::string_view name, std::string value);
    void setParamNull(std::string_view name);

    // A detail re-reads its rows for the master's current row: closes, sets its filter from
    // masterFields (filtered when not empty) and opens.
    void sqliteMasterChanged() override;

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
    std::vector<Param> params_;
    std::vector<std::size_t> placeholders_;
};

}  // namespace db
