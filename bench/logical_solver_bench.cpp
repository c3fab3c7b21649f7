// Speed of the logical solver: every published puzzle solved step by step,
// timed one by one (median and largest per puzzle, how many the ladder
// finishes and how they spread over the grades), and the hint for a stuck
// player on the start board of the hardest 15 x 15 puzzle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "model/combination_table.h"
#include "puzzle_times.h"
#include "solver/logical_solver.h"
#include "support/published_puzzles.h"

namespace {

using namespace krizovky;

using Puzzle = testing::PublishedPuzzle;

const std::vector<Puzzle>& puzzles() {
    return testing::publishedPuzzles();
}

const CombinationTable& table() {
    return completeCombinationTable();
}

// All published puzzles once each, timed one by one: the median and the
// largest time per puzzle in milliseconds, the puzzles the ladder finishes
// and the count of each grade.
void BM_LogicalSolvePublishedPuzzles(benchmark::State& state) {
    if (puzzles().empty()) {
        state.SkipWithError("no published puzzles beside the project");
        return;
    }
    std::vector<double> times(puzzles().size(), 1e300);
    std::array<int, 5> grades{};
    for (auto _ : state) {
        grades.fill(0);
        for (std::size_t i = 0; i < puzzles().size(); ++i) {
            const Puzzle& p = puzzles()[i];
            const auto start = std::chrono::steady_clock::now();
            const LogicalSolve solve = solveLogically(p.board, table());
            const auto end = std::chrono::steady_clock::now();
            times[i] =
                std::min(times[i], std::chrono::duration<double, std::milli>(end - start).count());
            if (solve.contradiction || (solve.solved && testing::entryDigits(solve.board) !=
                                                            testing::entryDigits(p.solved))) {
                state.SkipWithError(("a contradiction or another solution: " + p.name).c_str());
                return;
            }
            ++grades[static_cast<int>(difficultyOf(solve))];
        }
    }
    std::vector<std::string> names;
    for (const Puzzle& p : puzzles())
        names.push_back(p.name);
    bench::reportTimes(state, times, names);
    state.counters["solved"] =
        static_cast<double>(times.size()) - grades[static_cast<int>(Difficulty::kNeedsTrial)];
    state.counters["easy"] = grades[static_cast<int>(Difficulty::kEasy)];
    state.counters["medium"] = grades[static_cast<int>(Difficulty::kMedium)];
    state.counters["hard"] = grades[static_cast<int>(Difficulty::kHard)];
    state.counters["very_hard"] = grades[static_cast<int>(Difficulty::kVeryHard)];
    state.counters["needs_trial"] = grades[static_cast<int>(Difficulty::kNeedsTrial)];
}
BENCHMARK(BM_LogicalSolvePublishedPuzzles)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The 15 x 15 puzzle whose solve needs the hardest technique, the most steps
// among equals; null when there is none.
const Puzzle* hardest15x15() {
    const Puzzle* best = nullptr;
    int bestRung = 0;
    int bestSteps = 0;
    for (const Puzzle& p : puzzles()) {
        if (p.name.find("15x15") == std::string::npos) continue;
        const LogicalSolve solve = solveLogically(p.board, table());
        const int rung = solve.steps > 0 ? rungOf(solve.hardest) : 0;
        if (!best || rung > bestRung || (rung == bestRung && solve.steps > bestSteps)) {
            best = &p;
            bestRung = rung;
            bestSteps = solve.steps;
        }
    }
    return best;
}

void BM_NextPlacementOnHardest15x15(benchmark::State& state) {
    const Puzzle* p = hardest15x15();
    if (!p) {
        state.SkipWithError("no published 15 x 15 puzzle beside the project");
        return;
    }
    std::size_t steps = 0;
    for (auto _ : state) {
        const std::vector<Deduction> hint = stepsToNextPlacement(p->board, table());
        steps = hint.size();
        benchmark::DoNotOptimize(hint.data());
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.SetLabel(p->name);
}
BENCHMARK(BM_NextPlacementOnHardest15x15)->Unit(benchmark::kMillisecond);

}  // namespace
