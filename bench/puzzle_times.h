// The report of a benchmark that times every puzzle of a collection one by
// one.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace krizovky::bench {

// The counters of a run over every puzzle: how many, the median and the
// largest of the times per puzzle (milliseconds, one per puzzle in the order
// of names), and the slowest puzzle's name as the label.
inline void reportTimes(benchmark::State& state, const std::vector<double>& times,
                        const std::vector<std::string>& names) {
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t slowest =
        static_cast<std::size_t>(std::max_element(times.begin(), times.end()) - times.begin());
    state.counters["puzzles"] = static_cast<double>(sorted.size());
    state.counters["median_ms"] = sorted[sorted.size() / 2];
    state.counters["largest_ms"] = sorted.back();
    state.SetLabel("slowest: " + names[slowest]);
}

}  // namespace krizovky::bench
