#pragma once
// Helpers for tests of the access layer: what it writes to its sinks, statements run
// straight on a connection's engine, and the rows of an open dataset.

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "db/sinks.h"
#include "db/sql_query.h"

namespace testing {

// Every debug line of the access layer (each statement handed to the engine among them)
// while this object lives.
struct DebugLines {
    std::vector<std::string> lines;
    db::DebugSink previous;
    DebugLines();
    ~DebugLines();
    int count(const std::string& text) const;
};

// The dataset's own message boxes while this object lives.
struct MessageLines {
    QStringList texts;
    db::MessageSink previous;
    MessageLines();
    ~MessageLines();
};

// Runs `sql` straight on the connection's engine handle; an error fails the test.
void execDirect(db::SqlConnection& connection, const std::string& sql);

// A query on `connection` holding `sql`, not yet open.
std::unique_ptr<db::SqlQuery> makeQuery(db::SqlConnection& connection, const std::string& sql,
                                        const char* name = "Query1");

// The values of every row, fields joined with "|"; the cursor ends past the last row.
QStringList datasetRows(db::SqlDataset& dataset);

}  // namespace testing
