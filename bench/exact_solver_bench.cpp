// Speed of the exact solver, each board timed one by one and counted up to 2
// solutions: every published puzzle, which must come out unique with its
// published solution, and generated 15 x 15 tasks as the task editor's
// " generuj vše" makes them (tests/data/generated_15x15.kri: the tasks of the
// numbers 1 to 16 that fill a 15 x 15 structure), each with several
// solutions, the open boards a maker of unique tasks meets.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "model/combination_table.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "puzzle_times.h"
#include "solver/exact_solver.h"
#include "support/published_puzzles.h"

namespace {

using namespace krizovky;

struct Task {
    std::string name;  // UTF-8
    Board board;
};

// Solves every board once per pass, keeping each one's best time; false (and
// the benchmark skipped) when a board does not come out as expected.
template <typename Check>
bool timeEach(benchmark::State& state, const std::vector<const Board*>& boards,
              std::vector<double>& times, Check expected) {
    times.assign(boards.size(), 1e300);
    for (auto _ : state) {
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const ExactResult found = solveExact(*boards[i], completeCombinationTable(), 2);
            const auto end = std::chrono::steady_clock::now();
            times[i] =
                std::min(times[i], std::chrono::duration<double, std::milli>(end - start).count());
            if (!expected(i, found)) return false;
        }
    }
    return true;
}

void BM_ExactSolvePublishedPuzzles(benchmark::State& state) {
    const auto& puzzles = testing::publishedPuzzles();
    if (puzzles.empty()) {
        state.SkipWithError("no published puzzles beside the project");
        return;
    }
    std::vector<const Board*> boards;
    std::vector<std::string> names;
    for (const auto& p : puzzles) {
        boards.push_back(&p.board);
        names.push_back(p.name);
    }
    std::vector<double> times;
    const bool sound = timeEach(state, boards, times, [&](std::size_t i, const ExactResult& found) {
        if (found.solutions == 1 &&
            testing::entryDigits(found.first) == testing::entryDigits(puzzles[i].solved))
            return true;
        state.SkipWithError(("not unique or not the published solution: " + names[i]).c_str());
        return false;
    });
    if (sound) bench::reportTimes(state, times, names);
}
BENCHMARK(BM_ExactSolvePublishedPuzzles)->Unit(benchmark::kMillisecond)->MinTime(2.0);

std::vector<Task> generated15x15() {
    const std::string path = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/generated_15x15.kri";
    const std::vector<std::string> lines = splitLines(readFileBytes(path));
    std::vector<Task> tasks;
    for (const auto& name : readTaskNames(path)) {
        tasks.push_back({utf8FromCp1250(name), Board{}});
        readTaskLines(lines, name, tasks.back().board);
    }
    return tasks;
}

void BM_ExactSolveGenerated15x15(benchmark::State& state) {
    static const std::vector<Task> tasks = generated15x15();
    std::vector<const Board*> boards;
    std::vector<std::string> names;
    for (const Task& t : tasks) {
        boards.push_back(&t.board);
        names.push_back(t.name);
    }
    std::vector<double> times;
    const bool sound = timeEach(state, boards, times, [&](std::size_t i, const ExactResult& found) {
        if (found.solutions == 2 && !found.exhausted) return true;
        state.SkipWithError(("not two solutions: " + names[i]).c_str());
        return false;
    });
    if (sound) bench::reportTimes(state, times, names);
}
BENCHMARK(BM_ExactSolveGenerated15x15)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
