// Speed of "&Pomoc" on a hard 15 x 15 published puzzle, loaded as the task
// list loads a task: "&Další krok" on the start board, with the task's
// solution known from an earlier item; the first item after a load, which
// also sorts the task by the exact solver; and "&Další krok" on every board
// on the way to the solution, the player writing each hinted digit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/headless_host.h"
#include "model/combination_table.h"
#include "solver/logical_solver.h"

namespace {

using namespace krizovky;

const std::string kPuzzles = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko.kri";
// The 15 x 15 puzzle whose solve needs the hardest technique, the most steps
// among equals (see hardest15x15 in logical_solver_bench.cpp).
const char* const kHardest = "janko 987 15x15";

struct PuzzleGame {
    HeadlessHost host;
    Game game{host};

    // False when the puzzles are not beside the project.
    bool load() {
        if (!std::filesystem::exists(kPuzzles)) return false;
        game.start("krizovky", completeCombinationFile());
        game.tasks().setTaskFilePath(kPuzzles);
        game.tasks().setSelectedTaskName(kHardest);
        game.tasks().loadTask();
        return game.screen().boardPanel;
    }
};

void BM_NextStepOnHard15x15(benchmark::State& state) {
    PuzzleGame p;
    if (!p.load()) {
        state.SkipWithError("no published puzzle janko 987 beside the project");
        return;
    }
    p.game.help().showNextStep();
    for (auto _ : state)
        p.game.help().showNextStep();
    state.SetLabel(kHardest);
}
BENCHMARK(BM_NextStepOnHard15x15)->Unit(benchmark::kMillisecond);

void BM_FirstNextStepAfterLoad(benchmark::State& state) {
    PuzzleGame p;
    if (!p.load()) {
        state.SkipWithError("no published puzzle janko 987 beside the project");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        p.game.tasks().loadTask();
        state.ResumeTiming();
        p.game.help().showNextStep();
    }
    state.SetLabel(kHardest);
}
BENCHMARK(BM_FirstNextStepAfterLoad)->Unit(benchmark::kMillisecond);

void BM_NextStepAlongTheSolve(benchmark::State& state) {
    PuzzleGame p;
    if (!p.load()) {
        state.SkipWithError("no published puzzle janko 987 beside the project");
        return;
    }
    // The digits each hint decides, in the order the player writes them.
    std::vector<Placement> way;
    for (Board board = p.game.board();;) {
        const std::vector<Deduction> steps = stepsToNextPlacement(board, p.game.combinations());
        if (steps.empty()) break;
        for (const Placement& placed : steps.back().placements) {
            board.at(placed.row, placed.col).digit = static_cast<std::uint8_t>(placed.digit);
            way.push_back(placed);
        }
    }
    std::vector<double> best(way.size(), 1e9);  // ms, the best pass for each board
    for (auto _ : state) {
        state.PauseTiming();
        p.game.tasks().loadTask();
        p.game.help().verifyBoard();  // the solution is known before the timing starts
        state.ResumeTiming();
        for (std::size_t i = 0; i < way.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            p.game.help().showNextStep();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], took.count());
            p.game.play().enterDigit(way[i].row, way[i].col, way[i].digit, true, true);
        }
    }
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    state.counters["boards"] = static_cast<double>(sorted.size());
    if (!sorted.empty()) {
        state.counters["median_ms"] = sorted[sorted.size() / 2];
        state.counters["largest_ms"] = sorted.back();
    }
    state.SetLabel(kHardest);
}
BENCHMARK(BM_NextStepAlongTheSolve)->Unit(benchmark::kMillisecond);

}  // namespace
