#pragma once
// The text listings that sit beside the sample files of the old format: for each table its
// columns and every row (rowid first), values with NULL kept apart from the empty text.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace testing {

using ListedValue = std::optional<QString>;  // nullopt is NULL

struct ListedTable {
    QString name;
    QStringList columns;               // without "rowid"
    QList<QList<ListedValue>> rows;    // each: rowid, then one value per column
};

// The folder of the shared sample files (LISTY_SHARED_DIR, else ../shared beside the
// sources).
QString legacySampleDir();
// Parses "<name>.txt"; tables in listing order, sqlite_master included.
QList<ListedTable> readListing(const QString& path);

}  // namespace testing
