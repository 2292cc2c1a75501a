#include "db/sql_query.h"

#include "db/errors.h"
#include "db/sinks.h"
#include "db/text.h"

namespace db {

SqlQuery::SqlQuery(std::string name) : SqlDataset(std::move(name)) {
    debugOut("SqlQuery created");
}

std::string SqlQuery::sql() const {
    std::string text;
    for (std::size_t i = 0; i < sqlLines_.size(); ++i) {
        if (i) text += '\n';
        text += sqlLines_[i];
    }
    return text;
}

void SqlQuery::setSql(std::string_view text) {
    sqlLines_ = splitSqlLines(text);
    queryChanged();
}

void SqlQuery::clearSql() {
    sqlLines_.clear();
    queryChanged();
}

void SqlQuery::addSql(std::string_view line) {
    sqlLines_.emplace_back(line);
    queryChanged();
}

void SqlQuery::setRawSql(bool on) {
    if (on == rawSql_) return;
    rawSql_ = on;
    queryChanged();
}

void SqlQuery::queryChanged() {
    execSqlFlag_ = false;
    close();
    if (rawSql_) {
        parsedText_ = sql();
        params_.clear();
        placeholders_.clear();
        return;
    }
    ParsedSql parsed = scanParams(sql());
    parsedText_ = std::move(parsed.text);
    params_ = std::move(parsed.params);
    placeholders_ = std::move(parsed.placeholders);
}

void SqlQuery::setParamValue(std::string_view name, std::string value) {
    bool found = false;
    for (Param& p : params_) {
        if (!equalsNoCase(p.name, name)) continue;
        p.value = value;
        p.isNull = false;
        found = true;
    }
    if (!found)
        throw DatabaseError(this->name() + ": Parameter '" + std::string(name) + "' not found");
}

void SqlQuery::setParamNull(std::string_view name) {
    bool found = false;
    for (Param& p : params_) {
        if (!equalsNoCase(p.name, name)) continue;
        p.value.clear();
        p.isNull = true;
        found = true;
    }
    if (!found)
        throw DatabaseError(this->name() + ": Parameter '" + std::string(name) + "' not found");
}

void SqlQuery::sqliteMasterChanged() {
    close();
    setFilter({});
    const std::optional<std::string> condition = masterFilter();
    if (!condition) return;  // the message was shown; the detail stays closed
    setFilter(*condition);
    if (!condition->empty()) {
        setFiltered(true);  // opens
    } else {
        open();
    }
}

void SqlQuery::internalOpen() {
    if (trimBlanks(sql()).empty()) {
        showMessage(QT_TRANSLATE_NOOP("db", "no query specified"));
        throw Abort();
    }
    if (maxResults() == 0 && startResult() != 0) setMaxResults(-1);
    SqlConnection* conn = connection();
    if (!conn) throw SqlConfigError("no database connection");
    if (!conn->connected()) conn->setConnected(true);
    // The master link comes before the statement is built: it may set the filter.
    if (conn->connected() && !applyMasterLink()) throw Abort();
    std::string statement = parsedText_;
    appendFilter(statement);
    if (!params_.empty()) statement = substituteParams(statement, params_, placeholders_);
    if (maxResults() != 0) statement += " limit " + std::to_string(maxResults());
    if (startResult() != 0) statement += " offset " + std::to_string(startResult());
    loadQueryData(statement, parsedText_);
}

void SqlQuery::execSql() {
    execSqlFlag_ = true;
    close();
    if (autoCommit()) {
        SqlConnection* conn = connection();
        if (!conn) throw SqlConfigError("no database connection");
        conn->startTransaction();
        open();
        try {
            conn->commit();
        } catch (...) {
            // The commit's error is the one to report, not a failing rollback's.
            try {
                if (conn->inTransaction()) conn->rollBack();
            } catch (const std::exception&) {
            }
            throw;
        }
    } else {
        open();
    }
}

}  // namespace db
