#include "support/legacy_listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace testing {
namespace {

ListedValue unescape(const QString& field) {
    if (field == QStringLiteral("\\N")) return std::nullopt;
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 1 < field.size()) {
            const QChar c = field[++i];
            out += c == u't'   ? QChar(u'\t')
                   : c == u'n' ? QChar(u'\n')
                   : c == u'r' ? QChar(u'\r')
                               : c;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

QString legacySampleDir() {
    const QString dir = qEnvironmentVariable("LISTY_LEGACY_DIR");
    return dir.isEmpty() ? QStringLiteral(LISTY_TEST_SOURCE_DIR "/data/legacy") : dir;
}

QString missingLegacySample() {
    for (const char* name : {"v1-sample", "v2-sample", "empty-v2", "big-v2"}) {
        for (const char* ext : {".sdb", ".txt"}) {
            const QString path =
                QDir(legacySampleDir()).filePath(QString::fromLatin1(name) + QLatin1String(ext));
            if (!QFileInfo(path).isFile()) return path;
        }
    }
    return {};
}

QList<ListedTable> readListing(const QString& path) {
    QList<ListedTable> tables;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return tables;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QString& tag = fields[0];
        if (tag == QStringLiteral("TABLE")) {
            tables.push_back({fields.value(1), {}, {}});
        } else if (tag == QStringLiteral("COLUMNS") && !tables.isEmpty()) {
            tables.back().columns = fields.mid(2);
        } else if (tag == QStringLiteral("ROW") && !tables.isEmpty()) {
            QList<ListedValue> row;
            for (qsizetype i = 1; i < fields.size(); ++i) row.push_back(unescape(fields[i]));
            tables.back().rows.push_back(row);
        }
    }
    return tables;
}

}  // namespace testing
