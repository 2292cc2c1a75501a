#pragma once
// Direct reads and writes of a database file for tests, through the engine itself, so that
// what the application stored is checked independently of its own access layer.

#include <QString>
#include <QStringList>

namespace testing {

// Runs `sql` (several statements allowed) on the file; fails the process on an error.
void execFile(const QString& path, const QString& sql);
// Every row of `sql`, each as its values joined with "|" (NULL as "<null>").
QStringList rowsOf(const QString& path, const QString& sql);
// The schema and every row of every table, for before/after comparisons.
QString dumpOf(const QString& path);
// The same byte for byte: every row with its rowid, each value as its storage class and its
// bytes in hex. With `withoutCounters` the counters of admin (nr_…) are left out.
QString exactDumpOf(const QString& path, bool withoutCounters = false);

}  // namespace testing
