// Speed of the exact solver: every published puzzle counted up to 2 solutions.
// Each puzzle is its own benchmark, so the report gives the time of each; the
// last one prints the median and the largest of those times, and fails when a
// puzzle does not come out unique with its published solution.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/combination_table.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "published_puzzles.h"
#include "solver/exact_solver.h"

namespace {

using namespace krizovky;

using bench::digitsOf;
using bench::Puzzle;
using bench::puzzles;

const CombinationTable& table() {
    return completeCombinationTable();
}

// All 687 puzzles once each, timed one by one: the median and the largest
// time per puzzle as counters, in milliseconds.
void BM_ExactSolvePublishedPuzzles(benchmark::State& state) {
    if (puzzles().empty()) {
        state.SkipWithError("no published puzzles beside the project");
        return;
    }
    std::vector<double> times(puzzles().size(), 1e300);
    for (auto _ : state) {
        for (std::size_t i = 0; i < puzzles().size(); ++i) {
            const Puzzle& p = puzzles()[i];
            const auto start = std::chrono::steady_clock::now();
            const ExactResult found = solveExact(p.board, table(), 2);
            const auto end = std::chrono::steady_clock::now();
            times[i] =
                std::min(times[i], std::chrono::duration<double, std::milli>(end - start).count());
            if (found.solutions != 1 || digitsOf(found.first) != p.solution) {
                state.SkipWithError(
                    ("not unique or not the published solution: " + p.name).c_str());
                return;
            }
        }
    }
    bench::reportTimes(state, times);
}
BENCHMARK(BM_ExactSolvePublishedPuzzles)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
