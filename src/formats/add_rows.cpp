#include "formats/add_rows.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <unordered_map>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_statement.h"
#include "db/text.h"
#include "formats/list_reader.h"
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

std::size_t at(model::List list) {
    return model::indexOf(list);
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

}  // namespace

// --- adding ----------------------------------------------------------------------------

void addRows(db::SqlConnection& connection, const ExchangeData& data, ExchangeReport& report,
             const std::function<void()>& beforeWriting,
             const std::function<void()>& beforeCommit) {
    report.written = false;
    if (report.refused()) return;
    std::array<long, model::kListCount> added{};
    std::array<long, model::kListCount> skippedTotal{};
    std::vector<std::string> notesTotal;
    // Everything the rules compare with is read under the write lock, in the transaction
    // that writes: another program's rows written meanwhile are counted as present.
    model::runInTransaction(connection, [&] {
        std::unordered_map<std::string, std::string> stationColours;
        for (const auto& row :
             model::readStoredRows(connection, exchangeSelectSql(model::List::Stations))) {
            const auto values = valuesOf(row);
            stationColours.emplace(values[0], values[1]);
        }
        std::unordered_map<std::string, std::vector<std::string>> wagons;
        if (!data.of(model::List::Wagons).empty() && model::wagonTableExists(connection)) {
            for (const auto& row :
                 model::readStoredRows(connection, exchangeSelectSql(model::List::Wagons))) {
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
        if (!data.of(model::List::Places).empty() && model::placesTableExists(connection)) {
            for (const auto& row :
                 model::readStoredRows(connection, exchangeSelectSql(model::List::Places))) {
                const auto values = valuesOf(row);
                places.emplace(businessKey(values), values[2]);
            }
        }
        const bool relationsKept = model::relationTableExists(connection);
        std::array<std::vector<bool>, model::kListCount> present;
        for (model::List list : {model::List::Parties, model::List::Loads, model::List::Waybills,
                                 model::List::Relations}) {
            if (data.of(list).empty()) continue;
            if (list == model::List::Relations && !relationsKept) continue;
            present[at(list)] = presentRows(connection, exchangeSelectSql(list), data.of(list));
        }
        const model::Counter counters[] = {model::Counter::Stations, model::Counter::Parties,
                                           model::Counter::Waybills};
        std::map<model::Counter, int> next;
        for (model::Counter c : counters) next[c] = readCounter(connection, c);

        // Which rows go in, decided before writing.
        std::array<std::vector<const ExchangeRow*>, model::kListCount> adding;
        std::array<long, model::kListCount> skipped{};
        std::vector<std::string> notes;
        for (const ExchangeRow& row : data.of(model::List::Stations)) {
            auto [it, isNew] = stationColours.emplace(row.values[0], row.values[1]);
            if (isNew) {
                adding[at(model::List::Stations)].push_back(&row);
                continue;
            }
            ++skipped[at(model::List::Stations)];
            if (it->second != row.values[1]) {
                notes.push_back(message("listy",
                                        QT_TRANSLATE_NOOP("listy",
                                                          "%1: stacja %2 już jest, z kolorem %3; "
                                                          "kolor %4 z pliku pominięto"),
                                        {where(data, row), inQuotes(row.values[0]),
                                         inQuotes(it->second), inQuotes(row.values[1])}));
            }
        }
        for (const ExchangeRow& row : data.of(model::List::Wagons)) {
            auto [it, isNew] = wagons.emplace(row.values[0], row.values);
            if (isNew) {
                adding[at(model::List::Wagons)].push_back(&row);
                continue;
            }
            ++skipped[at(model::List::Wagons)];
            if (it->second != row.values) {
                notes.push_back(message("listy",
                                        QT_TRANSLATE_NOOP("listy",
                                                          "%1: wagon %2 już jest na liście, z "
                                                          "innymi danymi; dane z pliku pominięto"),
                                        {where(data, row), inQuotes(row.values[0])}));
            }
        }
        for (const ExchangeRow& row : data.of(model::List::Places)) {
            auto [it, isNew] = places.emplace(businessKey(row.values), row.values[2]);
            if (isNew) {
                adding[at(model::List::Places)].push_back(&row);
                continue;
            }
            ++skipped[at(model::List::Places)];
            if (it->second != row.values[2]) {
                notes.push_back(message(
                    "listy",
                    QT_TRANSLATE_NOOP("listy",
                                      "%1: %2 (%3) ma już %4 miejsc; liczbę z pliku pominięto"),
                    {where(data, row), inQuotes(row.values[0]), row.values[1], it->second}));
            }
        }
        for (model::List list : {model::List::Parties, model::List::Loads, model::List::Waybills,
                                 model::List::Relations}) {
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
                    return adding[at(model::List::Stations)].size();
                case model::Counter::Parties:
                    return adding[at(model::List::Parties)].size();
                case model::Counter::Waybills:
                    return adding[at(model::List::Waybills)].size();
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
        if (!adding[at(model::List::Stations)].empty()) {
            Insert insert(connection, "insert into stacje values (?,?,?);");
            int& id = next[model::Counter::Stations];
            for (const ExchangeRow* row : adding[at(model::List::Stations)])
                insert.run(++id, row->values, false);
            model::runStatement(connection, counterUpdateSql(model::Counter::Stations, id));
        }
        if (!adding[at(model::List::Parties)].empty()) {
            Insert insert(connection, "insert into punkty values (?,?,?,?);");
            int& id = next[model::Counter::Parties];
            for (const ExchangeRow* row : adding[at(model::List::Parties)])
                insert.run(++id, row->values, true);
            model::runStatement(connection, counterUpdateSql(model::Counter::Parties, id));
        }
        if (!adding[at(model::List::Loads)].empty()) {
            Insert insert(connection, "insert into ladunki values (?,?);");
            for (const ExchangeRow* row : adding[at(model::List::Loads)])
                insert.run(std::nullopt, row->values, false);
        }
        if (!adding[at(model::List::Waybills)].empty()) {
            Insert insert(connection, "insert into listy values(?,?,?,?,?,?,?);");
            int& id = next[model::Counter::Waybills];
            for (const ExchangeRow* row : adding[at(model::List::Waybills)])
                insert.run(++id, row->values, false);
            model::runStatement(connection, counterUpdateSql(model::Counter::Waybills, id));
        }
        if (!adding[at(model::List::Wagons)].empty()) {
            model::runStatement(connection, model::wagonTableSql());
            Insert insert(connection, "insert into wagony values (?,?,?,?,?,?,?);");
            for (const ExchangeRow* row : adding[at(model::List::Wagons)])
                insert.run(std::nullopt, row->values, false);
        }
        if (!adding[at(model::List::Relations)].empty()) {
            model::runStatement(connection, model::relationTableSql());
            model::runStatement(connection, model::relationCounterSql());
            const auto stored = model::readStoredRows(
                connection, std::string("select value from admin where key='") +
                                model::kRelationCounter + "';");
            int id = stored.empty() || !stored[0][0] ? 1 : db::toInteger(*stored[0][0]);
            const auto& rows = adding[at(model::List::Relations)];
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
        if (!adding[at(model::List::Places)].empty()) {
            model::runStatement(connection, model::placesTableSql());
            Insert insert(connection, "insert into miejsca values (?,?,?);");
            for (const ExchangeRow* row : adding[at(model::List::Places)])
                insert.run(std::nullopt, row->values, false);
        }
        for (model::List list : model::kExchangedLists) {
            added[at(list)] = static_cast<long>(adding[at(list)].size());
            skippedTotal[at(list)] = skipped[at(list)];
        }
        notesTotal = std::move(notes);
        if (anything && beforeCommit) beforeCommit();
    });
    for (model::List list : model::kExchangedLists) {
        report.added[at(list)] += added[at(list)];
        report.skipped[at(list)] += skippedTotal[at(list)];
    }
    report.notes.insert(report.notes.end(), notesTotal.begin(), notesTotal.end());
    report.written = true;
}

}  // namespace formats
