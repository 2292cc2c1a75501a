#include "support/db_helpers.h"

#include <sqlite3.h>

#include <QtTest>
#include <algorithm>

namespace testing {

DebugLines::DebugLines() {
    previous = db::setDebugSink([this](std::string_view line) { lines.emplace_back(line); });
}

DebugLines::~DebugLines() {
    db::setDebugSink(std::move(previous));
}

int DebugLines::count(const std::string& text) const {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

MessageLines::MessageLines() {
    previous = db::setMessageSink(
        [this](const std::string& text) { texts << QString::fromStdString(text); });
}

MessageLines::~MessageLines() {
    db::setMessageSink(std::move(previous));
}

void execDirect(db::SqlConnection& connection, const std::string& sql) {
    char* error = nullptr;
    sqlite3_exec(connection.handle(), sql.c_str(), nullptr, nullptr, &error);
    const std::string text = error ? error : "";
    sqlite3_free(error);
    QVERIFY2(text.empty(), text.c_str());
}

std::unique_ptr<db::SqlQuery> makeQuery(db::SqlConnection& connection, const std::string& sql,
                                        const char* name) {
    auto query = std::make_unique<db::SqlQuery>(name);
    query->setConnection(&connection);
    query->setSql(sql);
    return query;
}

QStringList datasetRows(db::SqlDataset& dataset) {
    QStringList out;
    for (dataset.first(); !dataset.eof(); dataset.next()) {
        QStringList fields;
        for (int i = 0; i < dataset.fieldCount(); ++i) {
            fields << QString::fromStdString(dataset.fields(i).asString());
        }
        out << fields.join('|');
    }
    return out;
}

}  // namespace testing
