#pragma once
// The generator turns the relations into a stack of waybills for a period: wagons per week
// times the weeks, or for operating days a seventh of a week per day, the fractions rounded
// so that the period's total is exact (largest remainder). The stack is shuffled by a
// generator of fixed definition (mt19937_64 with a shuffle of our own), so one seed gives
// one order on every build.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "db/forward.h"
#include "model/traffic.h"
#include "model/waybills.h"

namespace model {

struct GenerateOptions {
    int weeks = 1;
    int days = 0;  // over 0: this many operating days instead of the weeks
    std::uint64_t seed = 0;
    std::vector<std::string> stations;  // relations sent from or to these; empty: every one
};

struct StationSummary {
    std::string station;
    long made = 0;  // waybills that start or end there
    long sent = 0;
    long received = 0;
};

struct GenerationPlan {
    GenerateOptions options;
    // The stack in its shuffled order: for each waybill, the relation it comes from (an
    // index into `made`); the waybill itself is waybill(i).
    std::vector<std::uint32_t> stack;
    std::vector<std::pair<Relation, long>> made;  // per relation used, in id order
    int firstId = 0;     // once written: the id of the stack's first waybill, the others follow
    std::string backup;  // once written: the copy of the file taken before
    std::vector<std::pair<Relation, unsigned>> skipped;  // with what each lacks
    std::vector<StationSummary> stations;                // by name
    std::vector<std::string> warnings;                   // places and wagons exceeded

    // The waybill at place `i` of the stack, with its id once written.
    Waybill waybill(std::size_t i) const;
    // The summary per station, the warnings and the relations passed over, for the user.
    std::string summary() const;
};

// The share of each of `perWeek` for `days` operating days (a seventh of a week each): the
// total is the exact sum rounded half up, the whole parts first and the rest one by one to
// the largest fractions (ties to the earlier relation).
std::vector<long> shareOfDays(const std::vector<int>& perWeek, int days);
// The positions 0…n-1 in the order the seed gives (Fisher–Yates on mt19937_64, each draw by
// rejection, so the order is the same on every platform).
std::vector<std::size_t> shuffledOrder(std::size_t n, std::uint64_t seed);

// The waybills the relations make for `options`; nothing is written. Refused
// (std::invalid_argument) for a period under one day or over 520 weeks.
GenerationPlan planGeneration(db::SqlConnection& connection, const GenerateOptions& options);
// Writes the plan's stack as waybills with ids from nr_listu, in the caller's transaction;
// fills the stack's ids.
void writeGeneration(db::SqlConnection& connection, db::SqlQuery& query, GenerationPlan& plan);

}  // namespace model
