#pragma once
// What the benchmark programs share: the median of repeated runs, and a program and its
// floor run in turn round by round.

#include <algorithm>
#include <vector>

namespace bench {

// The middle one of `v` (the upper of the two for an even count).
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// `ours` and its `floor` (each one run, returning its seconds) in turn for `rounds` rounds,
// so that a busy moment of the machine meets both: the median of their ratios and of each.
struct Alternated {
    double ratio = 0, ours = 0, floor = 0;
};
template <typename Ours, typename Floor>
Alternated alternate(int rounds, Ours ours, Floor floor) {
    std::vector<double> ratios, a, b;
    for (int round = 0; round < rounds; ++round) {
        b.push_back(floor());
        a.push_back(ours());
        ratios.push_back(a.back() / b.back());
    }
    return {median(ratios), median(a), median(b)};
}

}  // namespace bench
