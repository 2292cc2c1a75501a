#include "formats/exchange.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <unordered_map>

#include "db/case_fold.h"
#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_statement.h"
#include "db/text.h"
#include "formats/cp1250.h"
#include "formats/csv.h"
#include "formats/list_reader.h"
#include "formats/sqlite2_reader.h"
#include "model/colours.h"
#include "model/counters.h"
#include "model/messages.h"
#include "model/stored_rows.h"
#include "model/traffic.h"
#include "model/transaction.h"
#include "model/wagons.h"
#include "model/waybills.h"

namespace formats {

using model::message;
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kListedRefusals = 30;

std::size_t at(ExchangeList list) {
    return static_cast<std::size_t>(list);
}

// What each list is, in the order of ExchangeList: its table, the columns it is read from
// and written to (in the order of its CSV header), the header in each language (in the
// order of Language), its file and its title.
struct ListInfo {
    const char* table;
    std::vector<std::string> columns;
    std::array<std::vector<std::string>, model::kLanguages.size()> headers;
    const char* fileName;
    const char* title;
};

std::vector<std::string> waybillColumns() {
    std::vector<std::string> columns;
    for (model::WaybillField f : model::kWaybillFields) columns.emplace_back(columnOf(f));
    return columns;
}

// The headers of the traffic lists, each named once, in every language.
using Headers = std::array<std::vector<std::string>, model::kLanguages.size()>;
const Headers kRelationsHeaders = {{{"Nadawca", "Stacja nadania", "Ładunek", "Rodzaj wagonu",
                                     "Odbiorca", "Stacja odbioru", "Wagonów na tydzień"},
                                    {"Versender", "Versandbahnhof", "Ladegut", "Wagengattung",
                                     "Empfänger", "Empfangsbahnhof", "Wagen pro Woche"},
                                    {"Shipper", "Sending station", "Load", "Wagon type", "Receiver",
                                     "Receiving station", "Wagons per week"}}};
const Headers kPlacesHeaders = {{{"Nazwa", "Stacja", "Miejsca"},
                                 {"Name", "Bahnhof", "Gleisplätze"},
                                 {"Name", "Station", "Places"}}};

const ListInfo& infoOf(ExchangeList list) {
    static const std::array<ListInfo, kListCount> lists = {{
        {"stacje",
         {"nazwa", "kolor"},
         {{{"Nazwa stacji", "Kolor"}, {"Bahnhof", "Farbe"}, {"Station", "Colour"}}},
         "stacje.csv",
         "Stacje"},
        {"punkty",
         {"nazwa", "stacja"},
         {{{"Nazwa", "Stacja"},
           {"Versender/Empfänger", "Bahnhof"},
           {"Shipper/receiver", "Station"}}},
         "punkty.csv",
         "Nadawcy/odbiorcy"},
        {"ladunki",
         {"nazwa", "rodz_wag"},
         {{{"Nazwa", "Rodzaj wagonu"}, {"Ladegut", "Wagengattung"}, {"Load", "Wagon type"}}},
         "ladunki.csv",
         "Ładunki"},
        {"listy",
         waybillColumns(),
         {{{"Stacja nadania", "Nadawca", "Rodzaj wagonu", "Ładunek", "Odbiorca", "Stacja odbioru"},
           {"Versandbahnhof", "Versender", "Wagengattung", "Ladegut", "Empfänger",
            "Empfangsbahnhof"},
           {"Sending station", "Shipper", "Wagon type", "Load", "Receiver", "Receiving station"}}},
         "listy.csv",
         "Listy przewozowe"},
        {"wagony",
         {"numer", "klasa", "wlasciciel", "stacja", "dlugosc", "predkosc", "uwagi"},
         {{{"Numer", "Klasa", "Właściciel", "Stacja macierzysta", "Długość", "Prędkość", "Uwagi"},
           {"Wagennummer", "Gattung", "Eigentümer", "Heimatbahnhof", "Länge", "Geschwindigkeit",
            "Bemerkung"},
           {"Wagon number", "Class", "Owner", "Home station", "Length", "Speed", "Remarks"}}},
         "wagony.csv",
         "Wagony"},
        {"relacje",
         {"nadawca", "st_nad", "ladunek", "rodz_wag", "odbiorca", "st_odb", "na_tydzien"},
         kRelationsHeaders,
         "relacje.csv",
         "Relacje"},
        {"miejsca", {"nazwa", "stacja", "miejsca"}, kPlacesHeaders, "miejsca.csv", "Miejsca"},
    }};
    return lists[at(list)];
}

const char* tableOf(ExchangeList list) {
    return infoOf(list).table;
}
const std::vector<std::string>& columnsOf(ExchangeList list) {
    return infoOf(list).columns;
}

std::string selectSql(ExchangeList list) {
    std::string sql = "select ";
    const auto& columns = columnsOf(list);
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i ? ", " : "") + columns[i];
    return sql + " from " + tableOf(list) + ";";
}

std::string where(const ExchangeData& data, const ExchangeRow& row) {
    return placeOfRow(data.sources[static_cast<std::size_t>(row.source)], row.line);
}

std::vector<std::string> valuesOf(const std::vector<model::StoredValue>& row) {
    std::vector<std::string> out;
    out.reserve(row.size());
    for (const model::StoredValue& v : row) out.push_back(v ? *v : std::string());
    return out;
}

// One prepared insert, its values bound, run once per row.
class Insert {
public:
    Insert(db::SqlConnection& connection, const std::string& sql) : statement_(connection, sql) {}

    void run(std::optional<int> id, const std::vector<std::string>& values, bool emptyTail) {
        int slot = 1;
        if (id) statement_.bind(slot++, static_cast<std::int64_t>(*id));
        for (const std::string& v : values) statement_.bind(slot++, v);
        if (emptyTail) statement_.bind(slot++, std::string_view());
        statement_.run();
    }

private:
    db::SqlStatement statement_;
};

void appendKeyPart(std::string& key, const char* value, std::size_t length) {
    const auto n = static_cast<std::uint32_t>(length);
    key.append(reinterpret_cast<const char*>(&n), sizeof n);
    if (value) key.append(value, length);
}

// A row's key: each value with its length before it, so no two different rows meet.
std::string_view keyOf(std::string& key, const std::vector<std::string>& values) {
    key.clear();
    for (const std::string& v : values) appendKeyPart(key, v.data(), v.size());
    return key;
}

std::uint64_t hashOf(std::string_view key) {
    const std::uint64_t h = std::hash<std::string_view>{}(key);
    return h == 0 ? 1 : h;  // 0 marks an empty slot
}

// A set of 64-bit hashes in one flat table (open addressing), so that knowing a hundred
// thousand rows by their hashes costs one allocation and one memory access a look-up.
class HashSet {
public:
    HashSet() { grow(0); }
    void insert(std::uint64_t h) {
        if ((size_ + 1) * 2 > slots_.size()) grow(size_ + 1);
        std::uint64_t& slot = slots_[slotOf(h)];
        if (slot == 0) {
            slot = h;
            ++size_;
        }
    }
    bool contains(std::uint64_t h) const { return slots_[slotOf(h)] == h; }
    bool empty() const { return size_ == 0; }

private:
    // Where `h` stands, or the empty slot where it would go.
    std::size_t slotOf(std::uint64_t h) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == 0 || slots_[i] == h) return i;
        }
    }
    void grow(std::size_t wanted) {
        std::size_t n = 16;
        while (n < wanted * 2) n *= 2;
        if (n <= slots_.size()) return;
        std::vector<std::uint64_t> old(n, 0);
        old.swap(slots_);
        size_ = 0;
        for (std::uint64_t h : old)
            if (h != 0) insert(h);
    }

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

// Reads the rows of `sql` from the file and hands each row's key to `f`.
template <typename F>
void forEachStoredKey(db::SqlConnection& connection, const std::string& sql, F f) {
    struct Reading {
        F* f;
        std::string key;
    } reading{&f, {}};
    const auto each = [](void* arg, const db::ExecRow& r) -> int {
        auto* reading = static_cast<Reading*>(arg);
        if (r.values == nullptr) return 0;
        reading->key.clear();
        for (int i = 0; i < r.columnCount; ++i) {
            appendKeyPart(reading->key, r.values[i],
                          r.values[i] ? static_cast<std::size_t>(r.lengths[i]) : 0);
        }
        (*reading->f)(std::string_view(reading->key));
        return 0;
    };
    std::string error;
    const int rc = connection.xExec(sql, each, &reading, &error);
    if (!error.empty()) throw db::DatabaseError(error, rc, sql);
}

// Which of `rows` the file holds already, by the multiset rule: each stored row of `sql`
// with the same values makes one of them present, the first first. The stored rows are
// first known by their hashes alone; only the rows whose hash a stored row shares are
// compared by their values, counted in a second reading for those hashes only. So a list
// of new rows copies no stored value, and no two different rows are ever taken for one.
std::vector<bool> presentRows(db::SqlConnection& connection, const std::string& sql,
                              const std::vector<ExchangeRow>& rows) {
    std::vector<bool> present(rows.size(), false);
    if (rows.empty()) return present;
    HashSet storedHashes;
    forEachStoredKey(connection, sql,
                     [&](std::string_view key) { storedHashes.insert(hashOf(key)); });
    if (storedHashes.empty()) return present;
    std::vector<std::size_t> maybe;
    HashSet wanted;
    std::string key;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::uint64_t h = hashOf(keyOf(key, rows[i].values));
        if (!storedHashes.contains(h)) continue;
        maybe.push_back(i);
        wanted.insert(h);
    }
    if (maybe.empty()) return present;
    std::unordered_map<std::string, long> counts;
    forEachStoredKey(connection, sql, [&](std::string_view k) {
        if (wanted.contains(hashOf(k))) ++counts[std::string(k)];
    });
    for (std::size_t i : maybe) {
        const auto found = counts.find(std::string(keyOf(key, rows[i].values)));
        if (found == counts.end() || found->second == 0) continue;
        --found->second;
        present[i] = true;
    }
    return present;
}

std::string fileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

}  // namespace

const std::vector<std::string>& csvHeader(ExchangeList list, model::Language language) {
    return infoOf(list).headers[static_cast<std::size_t>(language)];
}

const char* csvFileName(ExchangeList list) {
    return infoOf(list).fileName;
}

const char* listTitle(ExchangeList list) {
    return infoOf(list).title;
}

std::optional<std::string_view> colourFromText(std::string_view text) {
    // Every text a colour is known by, as its header key, with the colour's stored name.
    static const std::vector<std::pair<std::string, std::string_view>> known = [] {
        // The colour words of German and English, in the order of kFremoColours.
        static constexpr std::string_view kGerman[] = {"weiß", "rot",     "gelb",  "grün",
                                                       "blau", "schwarz", "braun", "orange"};
        static constexpr std::string_view kEnglish[] = {"white", "red",   "yellow", "green",
                                                        "blue",  "black", "brown",  "orange"};
        std::vector<std::pair<std::string, std::string_view>> out;
        for (const model::FremoColour& c : model::kFremoColours) {
            const auto i = static_cast<std::size_t>(c.index);
            const std::string_view word = c.label.substr(0, c.label.find(' '));
            for (std::string_view t : {c.name, c.label, word, kGerman[i], kEnglish[i]})
                out.emplace_back(model::nameKey(t), c.name);
        }
        return out;
    }();
    const std::string key = model::nameKey(text);
    if (key.empty()) return std::nullopt;
    for (const auto& [candidate, name] : known) {
        if (key == candidate) return name;
    }
    return std::nullopt;
}

long ExchangeReport::totalAdded() const {
    long n = 0;
    for (long a : added) n += a;
    return n;
}

long ExchangeReport::totalSkipped() const {
    long n = 0;
    for (long s : skipped) n += s;
    return n;
}

std::string ExchangeReport::summary() const {
    // Composed when it is shown, in the language chosen then; the command and the lists'
    // titles are Polish identifiers too.
    auto n = [](auto v) { return std::to_string(v); };
    const std::string what = message("listy", command.c_str());
    auto further = [&](std::size_t count) {
        return "  " +
               message("listy", QT_TRANSLATE_NOOP("listy", "… i %1 dalszych"),
                       {n(count - kListedRefusals)}) +
               "\n";
    };
    std::string text;
    if (refused()) {
        text =
            message(
                "listy",
                refusals.size() == 1
                    ? QT_TRANSLATE_NOOP("listy", "%1: nic nie zapisano, bo odrzucono %2 pozycję:")
                    : QT_TRANSLATE_NOOP("listy", "%1: nic nie zapisano, bo odrzucono %2 pozycji:"),
                {what, n(refusals.size())}) +
            "\n";
        for (std::size_t i = 0; i < refusals.size() && i < kListedRefusals; ++i) {
            text += "  " + refusals[i] + "\n";
        }
        if (refusals.size() > kListedRefusals) text += further(refusals.size());
    } else {
        text = message("listy",
                       QT_TRANSLATE_NOOP(
                           "listy", "%1: dodano %2, pominięto jako już obecne %3, odrzucono 0."),
                       {what, n(totalAdded()), n(totalSkipped())}) +
               "\n";
        for (ExchangeList list : kAllExchangeLists) {
            const bool optional = list == ExchangeList::Wagons || list == ExchangeList::Relations ||
                                  list == ExchangeList::Places;
            if (optional && added[at(list)] == 0 && skipped[at(list)] == 0) continue;
            text += "  " +
                    message("listy", QT_TRANSLATE_NOOP("listy", "%1: dodano %2, pominięto %3"),
                            {message("listy", listTitle(list)), n(added[at(list)]),
                             n(skipped[at(list)])}) +
                    "\n";
        }
        if (totalAdded() == 0)
            text += message("listy", QT_TRANSLATE_NOOP("listy", "Nic nie dodano.")) + "\n";
    }
    if (!notes.empty()) {
        text += message("listy", QT_TRANSLATE_NOOP("listy", "Uwagi:")) + "\n";
        for (std::size_t i = 0; i < notes.size() && i < kListedRefusals; ++i)
            text += "  " + notes[i] + "\n";
        if (notes.size() > kListedRefusals) text += further(notes.size());
    }
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// --- export ----------------------------------------------------------------------------

namespace {

// Each row the engine hands over becomes one line, its values quoted in place.
int appendCsvLine(void* arg, const db::ExecRow& r) {
    auto* out = static_cast<std::string*>(arg);
    if (r.values == nullptr) return 0;
    for (int i = 0; i < r.columnCount; ++i) {
        if (i) *out += csv::kSeparator;
        csv::appendQuoted(
            *out, r.values[i]
                      ? std::string_view(r.values[i], static_cast<std::size_t>(r.lengths[i]))
                      : std::string_view());
    }
    *out += "\r\n";
    return 0;
}

}  // namespace

std::string exportCsv(db::SqlConnection& connection, ExchangeList list, model::Language language) {
    std::string out(csv::kBom);
    out += csv::line(csvHeader(list, language), false);
    const std::string sql = selectSql(list);
    std::string error;
    const int rc = connection.xExec(sql, &appendCsvLine, &out, &error);
    if (!error.empty()) throw db::DatabaseError(error, rc, sql);
    return out;
}

std::string exchangeSelectSql(ExchangeList list) {
    return selectSql(list);
}

std::vector<ExportedFile> exportCsvLists(db::SqlConnection& connection, model::Language language) {
    std::vector<ExportedFile> files;
    for (ExchangeList list : kExchangeLists)
        files.push_back({csvFileName(list), exportCsv(connection, list, language)});
    const std::pair<ExchangeList, bool> optional[] = {
        {ExchangeList::Wagons, model::wagonTableExists(connection)},
        {ExchangeList::Relations, model::relationTableExists(connection)},
        {ExchangeList::Places, model::placesTableExists(connection)}};
    for (const auto& [list, kept] : optional) {
        if (kept) files.push_back({csvFileName(list), exportCsv(connection, list, language)});
    }
    return files;
}

// --- import ----------------------------------------------------------------------------

void readCsv(const std::string& name, std::string_view bytes, ExchangeData& data,
             ExchangeReport& report, std::optional<Encoding> encoding) {
    ListReader reader(name, data, report);
    std::string text;
    Encoding used = Encoding::Utf8;
    try {
        text = csv::decode(bytes, encoding, used);
    } catch (const csv::CsvError& e) {
        if (e.cause() == csv::CsvError::Cause::EncodingNeeded) report.encodingNeeded = true;
        reader.refuseFile(e.line(), e.what());
        return;
    }
    report.notes.push_back(message("listy",
                                   QT_TRANSLATE_NOOP("listy", "%1: odczytano w kodowaniu %2"),
                                   {name, encodingName(used)}));
    const char separator = csv::detectSeparator(text);
    reader.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    try {
        bool going = true;
        csv::parse(
            text,
            [&](csv::Record&& record) {
                if (going) going = reader.record(record.line, std::move(record.fields));
            },
            {}, separator);
    } catch (const csv::CsvError& e) {
        // A fault of the file as a whole: none of its rows is kept.
        reader.refuseFile(e.line(), e.what());
        return;
    }
    reader.finish();
}

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
std::vector<int> fallbackPlaces(ExchangeList list) {
    if (list == ExchangeList::Relations) return {2, 1, 4, 3, 5, 6, 7};
    const int first =
        list == ExchangeList::Loads || list == ExchangeList::Wagons || list == ExchangeList::Places
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
                for (ExchangeList list : kAllExchangeLists) {
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
    for (ExchangeList list : kAllExchangeLists) {
        auto found = tables.find(tableOf(list));
        if (found == tables.end()) continue;
        SourceTable& table = found->second;
        const std::vector<std::string> wanted = columnsOf(list);
        const std::vector<int> places = columnPlaces(table, wanted, fallbackPlaces(list));
        // A station of a version-1 file has no colour of its own: white.
        const bool noColour =
            list == ExchangeList::Stations &&
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
    report.command = "Dołączenie bazy";
    addRows(connection, data, report, beforeWriting, beforeCommit);
    return report;
}

// --- adding ----------------------------------------------------------------------------

void addRows(db::SqlConnection& connection, const ExchangeData& data, ExchangeReport& report,
             const std::function<void()>& beforeWriting,
             const std::function<void()>& beforeCommit) {
    report.written = false;
    if (report.refused()) return;
    std::array<long, kListCount> added{};
    std::array<long, kListCount> skippedTotal{};
    std::vector<std::string> notesTotal;
    // Everything the rules compare with is read under the write lock, in the transaction
    // that writes: another program's rows written meanwhile are counted as present.
    model::runInTransaction(connection, [&] {
        std::unordered_map<std::string, std::string> stationColours;
        for (const auto& row :
             model::readStoredRows(connection, selectSql(ExchangeList::Stations))) {
            const auto values = valuesOf(row);
            stationColours.emplace(values[0], values[1]);
        }
        std::unordered_map<std::string, std::vector<std::string>> wagons;
        if (!data.of(ExchangeList::Wagons).empty() && model::wagonTableExists(connection)) {
            for (const auto& row :
                 model::readStoredRows(connection, selectSql(ExchangeList::Wagons))) {
                auto values = valuesOf(row);
                std::string number = values[0];
                wagons.emplace(std::move(number), std::move(values));
            }
        }
        std::unordered_map<std::string, std::string> places;  // business key: places
        auto businessKey = [](const std::vector<std::string>& v) {
            std::string key;
            appendKeyPart(key, v[0].data(), v[0].size());
            appendKeyPart(key, v[1].data(), v[1].size());
            return key;
        };
        if (!data.of(ExchangeList::Places).empty() && model::placesTableExists(connection)) {
            for (const auto& row :
                 model::readStoredRows(connection, selectSql(ExchangeList::Places))) {
                const auto values = valuesOf(row);
                places.emplace(businessKey(values), values[2]);
            }
        }
        const bool relationsKept = model::relationTableExists(connection);
        std::array<std::vector<bool>, kListCount> present;
        for (ExchangeList list : {ExchangeList::Parties, ExchangeList::Loads,
                                  ExchangeList::Waybills, ExchangeList::Relations}) {
            if (data.of(list).empty()) continue;
            if (list == ExchangeList::Relations && !relationsKept) continue;
            present[at(list)] = presentRows(connection, selectSql(list), data.of(list));
        }
        const model::Counter counters[] = {model::Counter::Stations, model::Counter::Parties,
                                           model::Counter::Waybills};
        std::map<model::Counter, int> next;
        for (model::Counter c : counters) next[c] = readCounter(connection, c);

        // Which rows go in, decided before writing.
        std::array<std::vector<const ExchangeRow*>, kListCount> adding;
        std::array<long, kListCount> skipped{};
        std::vector<std::string> notes;
        for (const ExchangeRow& row : data.of(ExchangeList::Stations)) {
            auto [it, isNew] = stationColours.emplace(row.values[0], row.values[1]);
            if (isNew) {
                adding[at(ExchangeList::Stations)].push_back(&row);
                continue;
            }
            ++skipped[at(ExchangeList::Stations)];
            if (it->second != row.values[1]) {
                notes.push_back(message("listy",
                                        QT_TRANSLATE_NOOP("listy",
                                                          "%1: stacja %2 już jest, z kolorem %3; "
                                                          "kolor %4 z pliku pominięto"),
                                        {where(data, row), inQuotes(row.values[0]),
                                         inQuotes(it->second), inQuotes(row.values[1])}));
            }
        }
        for (const ExchangeRow& row : data.of(ExchangeList::Wagons)) {
            auto [it, isNew] = wagons.emplace(row.values[0], row.values);
            if (isNew) {
                adding[at(ExchangeList::Wagons)].push_back(&row);
                continue;
            }
            ++skipped[at(ExchangeList::Wagons)];
            if (it->second != row.values) {
                notes.push_back(message("listy",
                                        QT_TRANSLATE_NOOP("listy",
                                                          "%1: wagon %2 już jest na liście, z "
                                                          "innymi danymi; dane z pliku pominięto"),
                                        {where(data, row), inQuotes(row.values[0])}));
            }
        }
        for (const ExchangeRow& row : data.of(ExchangeList::Places)) {
            auto [it, isNew] = places.emplace(businessKey(row.values), row.values[2]);
            if (isNew) {
                adding[at(ExchangeList::Places)].push_back(&row);
                continue;
            }
            ++skipped[at(ExchangeList::Places)];
            if (it->second != row.values[2]) {
                notes.push_back(message(
                    "listy",
                    QT_TRANSLATE_NOOP("listy",
                                      "%1: %2 (%3) ma już %4 miejsc; liczbę z pliku pominięto"),
                    {where(data, row), inQuotes(row.values[0]), row.values[1], it->second}));
            }
        }
        for (ExchangeList list : {ExchangeList::Parties, ExchangeList::Loads,
                                  ExchangeList::Waybills, ExchangeList::Relations}) {
            const std::vector<bool>& isPresent = present[at(list)];
            const std::vector<ExchangeRow>& rows = data.of(list);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (i < isPresent.size() && isPresent[i]) {
                    ++skipped[at(list)];
                    continue;
                }
                adding[at(list)].push_back(&rows[i]);
            }
        }
        auto countFor = [&](model::Counter c) -> std::size_t {
            switch (c) {
                case model::Counter::Stations:
                    return adding[at(ExchangeList::Stations)].size();
                case model::Counter::Parties:
                    return adding[at(ExchangeList::Parties)].size();
                case model::Counter::Waybills:
                    return adding[at(ExchangeList::Waybills)].size();
            }
            return 0;
        };
        for (model::Counter c : counters) {
            if (static_cast<long long>(next[c]) + static_cast<long long>(countFor(c)) >
                std::numeric_limits<int>::max()) {
                throw db::DatabaseError(message(
                    "listy",
                    QT_TRANSLATE_NOOP("listy", "Licznik %1 nie ma miejsca na tyle nowych wierszy"),
                    {counterKey(c)}));
            }
        }

        bool anything = false;
        for (const auto& rows : adding) anything = anything || !rows.empty();
        if (anything && beforeWriting) beforeWriting();
        if (!adding[at(ExchangeList::Stations)].empty()) {
            Insert insert(connection, "insert into stacje values (?,?,?);");
            int& id = next[model::Counter::Stations];
            for (const ExchangeRow* row : adding[at(ExchangeList::Stations)])
                insert.run(++id, row->values, false);
            model::runStatement(connection, counterUpdateSql(model::Counter::Stations, id));
        }
        if (!adding[at(ExchangeList::Parties)].empty()) {
            Insert insert(connection, "insert into punkty values (?,?,?,?);");
            int& id = next[model::Counter::Parties];
            for (const ExchangeRow* row : adding[at(ExchangeList::Parties)])
                insert.run(++id, row->values, true);
            model::runStatement(connection, counterUpdateSql(model::Counter::Parties, id));
        }
        if (!adding[at(ExchangeList::Loads)].empty()) {
            Insert insert(connection, "insert into ladunki values (?,?);");
            for (const ExchangeRow* row : adding[at(ExchangeList::Loads)])
                insert.run(std::nullopt, row->values, false);
        }
        if (!adding[at(ExchangeList::Waybills)].empty()) {
            Insert insert(connection, "insert into listy values(?,?,?,?,?,?,?);");
            int& id = next[model::Counter::Waybills];
            for (const ExchangeRow* row : adding[at(ExchangeList::Waybills)])
                insert.run(++id, row->values, false);
            model::runStatement(connection, counterUpdateSql(model::Counter::Waybills, id));
        }
        if (!adding[at(ExchangeList::Wagons)].empty()) {
            model::runStatement(connection, model::wagonTableSql());
            Insert insert(connection, "insert into wagony values (?,?,?,?,?,?,?);");
            for (const ExchangeRow* row : adding[at(ExchangeList::Wagons)])
                insert.run(std::nullopt, row->values, false);
        }
        if (!adding[at(ExchangeList::Relations)].empty()) {
            model::runStatement(connection, model::relationTableSql());
            model::runStatement(connection, model::relationCounterSql());
            const auto stored = model::readStoredRows(
                connection, std::string("select value from admin where key='") +
                                model::kRelationCounter + "';");
            int id = stored.empty() || !stored[0][0] ? 1 : db::toInteger(*stored[0][0]);
            const auto& rows = adding[at(ExchangeList::Relations)];
            if (static_cast<long long>(id) + static_cast<long long>(rows.size()) >
                std::numeric_limits<int>::max()) {
                throw db::DatabaseError(message(
                    "listy",
                    QT_TRANSLATE_NOOP("listy", "Licznik %1 nie ma miejsca na tyle nowych wierszy"),
                    {model::kRelationCounter}));
            }
            Insert insert(connection,
                          "insert into relacje (id, nadawca, st_nad, ladunek, rodz_wag, odbiorca, "
                          "st_odb, na_tydzien, uwagi) values (?,?,?,?,?,?,?,?,?);");
            for (const ExchangeRow* row : rows) insert.run(++id, row->values, true);
            model::runStatement(connection, "update admin set value='" + std::to_string(id) +
                                                "' where key='nr_relacji';");
        }
        if (!adding[at(ExchangeList::Places)].empty()) {
            model::runStatement(connection, model::placesTableSql());
            Insert insert(connection, "insert into miejsca values (?,?,?);");
            for (const ExchangeRow* row : adding[at(ExchangeList::Places)])
                insert.run(std::nullopt, row->values, false);
        }
        for (ExchangeList list : kAllExchangeLists) {
            added[at(list)] = static_cast<long>(adding[at(list)].size());
            skippedTotal[at(list)] = skipped[at(list)];
        }
        notesTotal = std::move(notes);
        if (anything && beforeCommit) beforeCommit();
    });
    for (ExchangeList list : kAllExchangeLists) {
        report.added[at(list)] += added[at(list)];
        report.skipped[at(list)] += skippedTotal[at(list)];
    }
    report.notes.insert(report.notes.end(), notesTotal.begin(), notesTotal.end());
    report.written = true;
}

}  // namespace formats
