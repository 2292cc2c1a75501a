#include "support/sql_helpers.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace testing {
namespace {

sqlite3* openFile(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        std::abort();
    }
    return db;
}

}  // namespace

void execFile(const QString& path, const QString& sql) {
    sqlite3* db = openFile(path);
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sql), error);
        std::abort();
    }
    sqlite3_close(db);
}

QStringList rowsOf(const QString& path, const QString& sql) {
    sqlite3* db = openFile(path);
    sqlite3_stmt* stmt = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        rows << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return rows;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            values << (text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
        }
        rows << values.join(QLatin1Char('|'));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QString dumpOf(const QString& path) {
    QStringList out =
        rowsOf(path, QStringLiteral("select type, name, sql from sqlite_master order by name"));
    for (const QString& table : rowsOf(
             path,
             QStringLiteral("select name from sqlite_master where type='table' order by name"))) {
        out << QStringLiteral("-- ") + table;
        out += rowsOf(path, QStringLiteral("select * from \"%1\"").arg(table));
    }
    return out.join(QLatin1Char('\n'));
}

QString exactDumpOf(const QString& path, bool withoutCounters) {
    QStringList out =
        rowsOf(path, QStringLiteral("select type, name, sql from sqlite_master order by name"));
    sqlite3* db = openFile(path);
    for (const QString& table : rowsOf(
             path,
             QStringLiteral("select name from sqlite_master where type='table' order by name"))) {
        out << QStringLiteral("-- ") + table;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql =
            QStringLiteral("select rowid, * from \"%1\" order by rowid").arg(table).toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
            out << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db));
            continue;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* first = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            if (withoutCounters && table == QLatin1String("admin") && first &&
                QByteArray(first).startsWith("nr_"))
                continue;
            QStringList values;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const int type = sqlite3_column_type(stmt, i);
                const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                values << QString::number(type) + QLatin1Char(':') +
                              QString::fromLatin1(
                                  QByteArray(bytes ? bytes : "", sqlite3_column_bytes(stmt, i))
                                      .toHex());
            }
            out << values.join(QLatin1Char('|'));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return out.join(QLatin1Char('\n'));
}

}  // namespace testing
