#include "model/generator.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <random>

#include "db/row_changes.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "db/sql_statement.h"
#include "db/text.h"
#include "model/counters.h"
#include "model/messages.h"
#include "model/stored_rows.h"
#include "model/transaction.h"
#include "model/wagons.h"

namespace model {
namespace {

std::string fold(std::string_view text) {
    return db::lowerAscii(text);
}

std::string perDay(long perWeek) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(perWeek) / 7.0);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

}  // namespace

std::vector<long> shareOfDays(const std::vector<int>& perWeek, int days) {
    // In sevenths of a wagon, so that nothing is rounded before the end.
    std::vector<long> out;
    long long sevenths = 0;
    std::vector<std::pair<long, std::size_t>> rest;  // remainder, position
    for (std::size_t i = 0; i < perWeek.size(); ++i) {
        const long long s = static_cast<long long>(perWeek[i]) * days;
        sevenths += s;
        out.push_back(static_cast<long>(s / 7));
        rest.emplace_back(static_cast<long>(s % 7), i);
    }
    const long total = static_cast<long>((sevenths * 2 + 7) / 14);  // half up
    long given = 0;
    for (long n : out) given += n;
    std::stable_sort(rest.begin(), rest.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total && k < rest.size(); ++k, ++given) ++out[rest[k].second];
    return out;
}

std::vector<std::size_t> shuffledOrder(std::size_t n, std::uint64_t seed) {
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::mt19937_64 engine(seed);
    // A draw below `bound` without bias: values under 2^64 mod bound are drawn again.
    auto below = [&engine](std::uint64_t bound) {
        const std::uint64_t threshold = (0 - bound) % bound;
        for (;;) {
            const std::uint64_t x = engine();
            if (x >= threshold) return x % bound;
        }
    };
    for (std::size_t i = n; i > 1; --i) std::swap(order[i - 1], order[below(i)]);
    return order;
}

GenerationPlan planGeneration(db::SqlConnection& connection, const GenerateOptions& options) {
    if (options.days > 0 ? options.days > 520 * 7 : (options.weeks < 1 || options.weeks > 520))
        throw std::invalid_argument(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Okres musi mieć od 1 dnia do 520 tygodni.")));
    GenerationPlan plan;
    plan.options = options;
    const KnownNames known(connection);
    const std::set<std::string> chosen(options.stations.begin(), options.stations.end());
    std::vector<Relation> used;
    for (Relation& r : readRelations(connection)) {
        if (!chosen.empty() && !chosen.count(r.texts.sendingStation) &&
            !chosen.count(r.texts.receivingStation))
            continue;
        if (const unsigned m = known.missing(r)) {
            plan.skipped.emplace_back(std::move(r), m);
        } else {
            used.push_back(std::move(r));
        }
    }
    std::vector<long> counts;
    if (options.days > 0) {
        std::vector<int> perWeek;
        for (const Relation& r : used) perWeek.push_back(r.perWeek);
        counts = shareOfDays(perWeek, options.days);
    } else {
        for (const Relation& r : used)
            counts.push_back(static_cast<long>(r.perWeek) * options.weeks);
    }
    std::vector<std::size_t> ordered;  // the relation of each waybill, in relation order
    std::map<std::string, StationSummary> stations;
    std::map<std::pair<std::string, std::string>, long> atBusiness;  // station, name: per week
    std::map<std::string, std::pair<std::string, long>> byClass;     // folded: shown, per week
    for (std::size_t i = 0; i < used.size(); ++i) {
        const Waybill& t = used[i].texts;
        plan.made.emplace_back(used[i], counts[i]);
        ordered.insert(ordered.end(), static_cast<std::size_t>(counts[i]), i);
        StationSummary& from = stations[t.sendingStation];
        StationSummary& to = stations[t.receivingStation];
        from.sent += counts[i];
        to.received += counts[i];
        from.made += counts[i];
        if (t.receivingStation != t.sendingStation) to.made += counts[i];
        atBusiness[{t.sendingStation, t.shipper}] += used[i].perWeek;
        atBusiness[{t.receivingStation, t.receiver}] += used[i].perWeek;
        auto& cls = byClass[fold(t.wagonType)];
        if (cls.first.empty()) cls.first = t.wagonType;
        cls.second += used[i].perWeek;
    }
    for (auto& [name, s] : stations) {
        s.station = name;
        plan.stations.push_back(s);
    }
    plan.stack.reserve(ordered.size());
    for (std::size_t i : shuffledOrder(ordered.size(), options.seed))
        plan.stack.push_back(static_cast<std::uint32_t>(ordered[i]));

    // A siding takes its wagons for loading and for unloading alike.
    for (const Places& p : readPlaces(connection)) {
        const auto it = atBusiness.find({p.station, p.name});
        if (it == atBusiness.end() || p.places <= 0) continue;
        if (it->second > static_cast<long>(p.places) * 7) {
            plan.warnings.push_back(
                message("listy",
                        QT_TRANSLATE_NOOP(
                            "listy", "„%1” (%2): średnio %3 wagonu na dzień ruchu, a miejsc %4"),
                        {p.name, p.station, perDay(it->second), std::to_string(p.places)}));
        }
    }
    if (wagonTableExists(connection)) {
        std::map<std::string, long> wagons;
        for (const auto& row : readStoredRows(connection, "select klasa from wagony;"))
            ++wagons[fold((row[0] ? *row[0] : std::string()))];
        if (!wagons.empty()) {
            for (const auto& [key, cls] : byClass) {
                const long have = wagons.count(key) ? wagons[key] : 0;
                if (cls.second > have) {
                    plan.warnings.push_back(message(
                        "listy",
                        QT_TRANSLATE_NOOP(
                            "listy",
                            "Rodzaj wagonu „%1”: %2 listów na tydzień, a wagonów na liście %3"),
                        {cls.first, std::to_string(cls.second), std::to_string(have)}));
                }
            }
        }
    }
    return plan;
}

void writeGeneration(db::SqlConnection& connection, db::SqlQuery& query, GenerationPlan& plan) {
    if (plan.stack.empty()) return;
    const int current = readCounter(query, counterKey(Counter::Waybills));
    if (static_cast<long long>(current) + static_cast<long long>(plan.stack.size()) >
        std::numeric_limits<int>::max())
        throw RelationRefused(message(
            "listy", QT_TRANSLATE_NOOP("listy", "Licznik %1 nie pomieści tylu nowych listów."),
            {counterKey(Counter::Waybills)}));
    // One prepared insert with bound values: the texts go in byte for byte, straight from
    // the relations, and the history records them from there.
    db::RecordedInsert insert(connection, "listy");
    insert.reserve(plan.stack.size());
    plan.firstId = current + 1;
    int id = current;
    for (const std::uint32_t r : plan.stack) {
        const Waybill& w = plan.made[r].first.texts;
        insert.bind(1, static_cast<std::int64_t>(++id));
        for (std::size_t i = 0; i < kWaybillFields.size(); ++i)
            insert.bind(static_cast<int>(i) + 2, w[kWaybillFields[i]]);
        insert.run();
    }
    exec(query, counterUpdateSql(Counter::Waybills, id));
}

Waybill GenerationPlan::waybill(std::size_t i) const {
    Waybill w = made[stack[i]].first.texts;
    w.id = firstId > 0 ? firstId + static_cast<int>(i) : 0;
    return w;
}

std::string GenerationPlan::summary() const {
    long total = 0;
    for (const auto& [r, n] : made) total += n;
    std::string text = message("listy", QT_TRANSLATE_NOOP("listy", "Listów: %1 z %2 relacji."),
                               {std::to_string(total), std::to_string(made.size())});
    for (const StationSummary& s : stations) {
        text += "\n  " + message("listy",
                                 QT_TRANSLATE_NOOP("listy", "%1: %2 (nadanych %3, odbieranych %4)"),
                                 {s.station, std::to_string(s.made), std::to_string(s.sent),
                                  std::to_string(s.received)});
    }
    if (!warnings.empty()) {
        text += "\n" + message("listy", QT_TRANSLATE_NOOP("listy", "Ostrzeżenia:"));
        for (const std::string& w : warnings) text += "\n  " + w;
    }
    if (!skipped.empty()) {
        text += "\n" +
                message("listy",
                        QT_TRANSLATE_NOOP("listy", "Pominięte relacje (nazwa już nie istnieje):"));
        for (const auto& [r, m] : skipped) {
            text += "\n  " + r.texts.shipper + " (" + r.texts.sendingStation + ") → " +
                    r.texts.receiver + " (" + r.texts.receivingStation + "), " + r.texts.load +
                    ": " + missingText(m);
        }
    }
    return text;
}

}  // namespace model
