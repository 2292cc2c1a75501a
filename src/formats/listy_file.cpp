#include "formats/listy_file.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "db/errors.h"
#include "db/text.h"
#include "formats/add_rows.h"
#include "formats/cp1250.h"
#include "formats/sqlite2_reader.h"
#include "model/messages.h"

namespace formats {

using model::message;

namespace {

namespace fs = std::filesystem;

const char* tableOf(model::List list) {
    return model::namesOf(list).table;
}

const std::vector<std::string>& columnsOf(model::List list) {
    return exchangeColumns(list);
}

std::string fileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

}  // namespace

// --- merge -----------------------------------------------------------------------------

namespace {

// A table of the other file: its column names and rows as texts.
struct SourceTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Each wanted column by name; a missing one by its place in the described layout.
std::vector<int> columnPlaces(const SourceTable& table, const std::vector<std::string>& wanted,
                              const std::vector<int>& fallback) {
    std::vector<int> places;
    for (std::size_t w = 0; w < wanted.size(); ++w) {
        int place = -1;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (db::equalsNoCase(table.columns[c], wanted[w])) place = static_cast<int>(c);
        }
        if (place < 0) place = fallback[w];
        places.push_back(place);
    }
    return places;
}

// Where a list's columns lie in its table when the names do not tell: stacje, punkty and
// listy begin with an id, relacje too (and keeps the waybill's order).
std::vector<int> fallbackPlaces(model::List list) {
    if (list == model::List::Relations) return {2, 1, 4, 3, 5, 6, 7};
    const int first =
        list == model::List::Loads || list == model::List::Wagons || list == model::List::Places
            ? 0
            : 1;
    std::vector<int> out;
    for (std::size_t i = 0; i < columnsOf(list).size(); ++i)
        out.push_back(first + static_cast<int>(i));
    return out;
}

std::map<std::string, SourceTable> readSqlite3Tables(const std::string& path) {
    sqlite3* db = nullptr;
    // Read-only: nothing this program does can change the other file.
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    struct Closer {
        sqlite3* db;
        ~Closer() { sqlite3_close_v2(db); }
    } closer{db};
    if (rc != SQLITE_OK) {
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie można otworzyć pliku %1: %2"),
                    {path, db ? std::string(sqlite3_errmsg(db))
                              : message("listy", QT_TRANSLATE_NOOP("listy", "brak pamięci"))}));
    }
    sqlite3_busy_timeout(db, 5000);
    // Reads `sql`; with `wanted` only those columns (by name, else at their place in the
    // described layout), so the rows are not copied twice.
    auto query = [&](const std::string& sql, SourceTable& out,
                     const std::vector<std::string>& wanted, const std::vector<int>& fallback) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            throw db::DatabaseError(message(
                "listy", QT_TRANSLATE_NOOP("listy", "Plik %1 nie jest czytelną bazą danych (%2)"),
                {path, sqlite3_errmsg(db)}));
        }
        const int n = sqlite3_column_count(stmt);
        SourceTable all;
        for (int i = 0; i < n; ++i) all.columns.emplace_back(sqlite3_column_name(stmt, i));
        std::vector<int> places;
        if (wanted.empty()) {
            for (int i = 0; i < n; ++i) places.push_back(i);
            out.columns = all.columns;
        } else {
            // Each wanted column is labelled with its wanted name; a colour only when the
            // file has one by that name (a version-1 station has none).
            for (std::size_t w = 0; w < wanted.size(); ++w) {
                int place = -1;
                for (int c = 0; c < n; ++c) {
                    if (db::equalsNoCase(all.columns[static_cast<std::size_t>(c)], wanted[w]))
                        place = c;
                }
                if (place < 0 && wanted[w] != "kolor") place = fallback[w];
                if (place >= n) place = -1;
                places.push_back(place);
                out.columns.push_back(place >= 0 ? wanted[w] : std::string());
            }
        }
        int step;
        while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
            auto& row = out.rows.emplace_back();
            row.reserve(places.size());
            for (int i : places) {
                const auto* t = i >= 0 && i < n
                                    ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))
                                    : nullptr;
                row.emplace_back(
                    t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)))
                      : std::string());
            }
        }
        const std::string error = sqlite3_errmsg(db);
        sqlite3_finalize(stmt);
        if (step != SQLITE_DONE) {
            throw db::DatabaseError(
                message("listy", QT_TRANSLATE_NOOP("listy", "Nie można odczytać pliku %1 (%2)"),
                        {path, error}));
        }
    };
    SourceTable names;
    query("select name from sqlite_master where type='table';", names, {}, {});
    std::map<std::string, SourceTable> tables;
    for (const auto& row : names.rows) {
        const std::string lower = db::lowerAscii(row[0]);
        for (const char* wanted :
             {"listy", "stacje", "ladunki", "punkty", "admin", "relacje", "miejsca"}) {
            if (lower == wanted && !tables.count(lower)) {
                std::string quotedName = "\"";
                for (char c : row[0])
                    quotedName += c == '"' ? std::string("\"\"") : std::string(1, c);
                std::vector<std::string> wanted;
                std::vector<int> fallback;
                for (model::List list : model::kExchangedLists) {
                    if (lower != tableOf(list)) continue;
                    wanted = columnsOf(list);
                    fallback = fallbackPlaces(list);
                }
                query("select * from " + quotedName + "\";", tables[lower], wanted, fallback);
            }
        }
    }
    return tables;
}

std::map<std::string, SourceTable> readSqlite2Tables(const std::string& path) {
    std::map<std::string, SourceTable> tables;
    try {
        for (const Sqlite2Table& t : Sqlite2Reader::fromFile(path).tables()) {
            const std::string lower = db::lowerAscii(cp1250ToUtf8(t.name));
            if (tables.count(lower)) continue;
            SourceTable& out = tables[lower];
            for (const std::string& c : t.columns) out.columns.push_back(cp1250ToUtf8(c));
            for (const Sqlite2Row& r : t.rows) {
                auto& row = out.rows.emplace_back();
                for (const auto& v : r.values) row.push_back(v ? cp1250ToUtf8(*v) : std::string());
            }
        }
    } catch (const LegacyFormatError& e) {
        throw db::DatabaseError(
            message("listy",
                    QT_TRANSLATE_NOOP("listy", "Nie można odczytać pliku %1 w starym formacie: %2"),
                    {path, e.what()}));
    }
    return tables;
}

}  // namespace

ExchangeData readListyFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw db::DatabaseError(
            message("listy", QT_TRANSLATE_NOOP("listy", "Nie ma pliku %1"), {path}));
    const bool old = isSqlite2File(path);
    if (old && hasSqlite2Journal(path)) {
        throw db::DatabaseError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy",
                              "Plik %1 jest w starym formacie, a obok niego leży plik %1-journal: "
                              "ostatnia zmiana w nim została przerwana. Plik nie został odczytany"),
            {path}));
    }
    std::map<std::string, SourceTable> tables =
        old ? readSqlite2Tables(path) : readSqlite3Tables(path);
    if (!tables.count("listy") && !tables.count("stacje") && !tables.count("ladunki") &&
        !tables.count("punkty")) {
        throw db::DatabaseError(
            message("listy",
                    QT_TRANSLATE_NOOP("listy",
                                      "Plik %1 nie jest bazą programu Listy (brak tabel listy, "
                                      "stacje, ladunki i punkty)"),
                    {path}));
    }
    std::string version;
    if (auto admin = tables.find("admin"); admin != tables.end()) {
        const auto places = columnPlaces(admin->second, {"key", "value"}, {0, 1});
        for (const auto& row : admin->second.rows) {
            const auto k = static_cast<std::size_t>(places[0]),
                       v = static_cast<std::size_t>(places[1]);
            if (k < row.size() && v < row.size() && row[k] == "wersja") version = row[v];
        }
    }
    ExchangeData data;
    data.sources.push_back(fileNameOf(path));
    for (model::List list : model::kExchangedLists) {
        auto found = tables.find(tableOf(list));
        if (found == tables.end()) continue;
        SourceTable& table = found->second;
        const std::vector<std::string> wanted = columnsOf(list);
        const std::vector<int> places = columnPlaces(table, wanted, fallbackPlaces(list));
        // A station of a version-1 file has no colour of its own: white.
        const bool noColour =
            list == model::List::Stations &&
            (version == "1" ||
             std::none_of(table.columns.begin(), table.columns.end(),
                          [](const std::string& c) { return db::equalsNoCase(c, "kolor"); }));
        auto& rows = data.of(list);
        rows.reserve(table.rows.size());
        // Columns read in the list's order (the usual case) move over row by row.
        bool inOrder = true;
        for (std::size_t i = 0; i < places.size(); ++i)
            inOrder = inOrder && places[i] == static_cast<int>(i);
        for (auto& row : table.rows) {
            ExchangeRow out;
            out.source = 0;
            if (inOrder && row.size() == places.size()) {
                out.values = std::move(row);
                if (noColour) out.values[1] = "clwhite";
                rows.push_back(std::move(out));
                continue;
            }
            out.values.reserve(places.size());
            for (std::size_t i = 0; i < places.size(); ++i) {
                const auto p = static_cast<std::size_t>(places[i]);
                const bool usedBefore =
                    std::find(places.begin(), places.begin() + static_cast<long>(i), places[i]) !=
                    places.begin() + static_cast<long>(i);
                out.values.push_back(p >= row.size() ? std::string()
                                     : usedBefore    ? row[p]
                                                     : std::move(row[p]));
            }
            if (noColour) out.values[1] = "clwhite";
            rows.push_back(std::move(out));
        }
    }
    return data;
}

ExchangeReport mergeDatabase(db::SqlConnection& connection, const ExchangeData& data,
                             const std::function<void()>& beforeWriting,
                             const std::function<void()>& beforeCommit) {
    ExchangeReport report;
    report.command = ExchangeCommand::Merge;
    addRows(connection, data, report, beforeWriting, beforeCommit);
    return report;
}

}  // namespace formats
