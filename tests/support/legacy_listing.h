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
    QStringList columns;             // without "rowid"
    QList<QList<ListedValue>> rows;  // each: rowid, then one value per column
};

// The folder of the old-format sample files (LISTY_LEGACY_DIR, else tests/data/legacy).
QString legacySampleDir();
// The path of the first sample (.sdb or .txt) that is missing, empty when all are there.
QString missingLegacySample();
// Parses "<name>.txt"; tables in listing order, sqlite_master included.
QList<ListedTable> readListing(const QString& path);

}  // namespace testing
