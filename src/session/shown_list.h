#pragma once
// ShownList: a list a window shows, on the session's connection: one query dataset with its
// name and statement (the main window's "sql1", the loads window's list, ...). A list that
// follows a kind of rows is opened again, once, by the change notice of every command that
// changed those rows, when it is open; the grid bound to it follows the dataset. Windows read
// the current row through it by column name, never by position.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "db/forward.h"
#include "model/waybills.h"
#include "session/session.h"

namespace session {

class ShownList {
public:
    // A list named `name` (the dataset's name) holding `sql`, not yet open. With `follows`,
    // it re-opens after every command that changed those rows.
    ShownList(Session& session, std::string name, std::string sql,
              std::optional<model::List> follows = std::nullopt);
    ~ShownList();
    ShownList(const ShownList&) = delete;
    ShownList& operator=(const ShownList&) = delete;

    // The dataset, for the grid that shows it and for the print run.
    db::SqlDataset& dataset();
    const db::SqlDataset& dataset() const;
    db::SqlQuery& query() { return *query_; }
    db::SqlConnection* connection() const;

    void setSql(const std::string& sql);  // closes the list
    std::string sql() const;
    void setAutoCommit(bool on);
    void open();
    void close();
    // Closes, then opens the statement it holds (or the one `source` gives now, when set:
    // a list whose statement depends on the file, such as the wagon list before the wagon
    // table exists).
    void reopen();
    void setSqlSource(std::function<std::string()> source);
    // The SQL browser's "Exec": the statement is run for its effect.
    void execSql();
    bool active() const;

    int recordCount() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    void first();
    void prior();
    void next();
    void last();
    bool eof() const;

    // The current row's text of the column `name`; DatabaseError when the result has no
    // such column.
    std::string text(std::string_view name) const;
    // The same read as an integer (ConvertError for a text that is none, the empty text of
    // an empty list included).
    int integer(std::string_view name) const;
    // The column's place in the result; -1 when it has none.
    int fieldIndex(std::string_view name) const;
    // The text of column `field` in row `row`, without moving the current row.
    std::string textAt(int row, int field) const;
    // The current row as a waybill (a list of "select * from listy;").
    model::Waybill waybill() const;

private:
    friend class Session;
    void follow(const Changes& changes);

    Session& session_;
    std::unique_ptr<db::SqlQuery> query_;
    std::optional<model::List> follows_;
    bool reopenAfterNewFile_ = false;
    std::function<std::string()> source_;
};

}  // namespace session
