// Speed of the solver of "70" without a window: one solve of a freshly loaded
// task, the forced squares included, in placements a second. The window's
// side costs nothing here: the Host repaints and yields to nobody.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/headless_host.h"
#include "model/combination_table.h"
#include "model/task_list.h"
#include "model/text.h"

namespace {

using namespace krizovky;

const std::string kHardTasks = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri";
const std::string kPuzzles = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko.kri";

// " jsem trouba" to the dialog.
class SolverHost : public HeadlessHost {
  public:
    SolverHost() { confirmsSolver = true; }
};

struct SolverGame {
    SolverHost host;
    Game game{host};

    SolverGame(const std::string& taskFile, const std::string& name, long limit = 0) {
        // Stopped at the limit's placement as "přeruš" answered Yes stops it.
        game.solver().stopSolvingAfter(limit);
        game.start("krizovky", completeCombinationFile());
        game.tasks().setTaskFilePath(taskFile);
        game.tasks().setSelectedTaskName(name);
        game.tasks().loadTask();
    }

    // One solve from the bare task, loaded again outside the timing; the
    // placements it made.
    long solve(benchmark::State& state) {
        state.PauseTiming();
        game.tasks().loadTask();
        state.ResumeTiming();
        game.solver().askToSolve();
        while (game.solver().solving())
            game.solver().advanceSolve(SolverRun::Clock::now());
        return game.solver().lastSolve().placements;
    }
};

void reportPlacements(benchmark::State& state, long placements) {
    state.counters["placements"] =
        benchmark::Counter(static_cast<double>(placements), benchmark::Counter::kIsRate);
    state.counters["per_solve"] =
        benchmark::Counter(static_cast<double>(placements), benchmark::Counter::kAvgIterations);
}

// The tasks of tests/data/hard.kri, each solved to its end.
void BM_SolveHardTask(benchmark::State& state) {
    const std::vector<std::string> names = readTaskNames(kHardTasks);
    const std::string& name = names.at(static_cast<std::size_t>(state.range(0)));
    SolverGame solver(kHardTasks, name);
    state.SetLabel(utf8FromCp1250(name));
    long placements = 0;
    for (auto _ : state) {
        placements += solver.solve(state);
        if (solver.game.solver().lastSolve().end != SolveEnd::kSolved)
            state.SkipWithError("not solved");
    }
    reportPlacements(state, placements);
}
BENCHMARK(BM_SolveHardTask)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Every published puzzle, stopped after 100,000 placements as "přeruš" stops
// it: a mix of easy and hard searches.
void BM_SolvePublishedPuzzles(benchmark::State& state) {
    if (!std::filesystem::exists(kPuzzles)) {
        state.SkipWithError("no published puzzles beside the project");
        return;
    }
    std::vector<std::unique_ptr<SolverGame>> games;
    for (const std::string& name : readTaskNames(kPuzzles))
        games.push_back(std::make_unique<SolverGame>(kPuzzles, name, 100000));
    long placements = 0;
    for (auto _ : state)
        for (auto& solver : games)
            placements += solver->solve(state);
    reportPlacements(state, placements);
}
BENCHMARK(BM_SolvePublishedPuzzles)->Unit(benchmark::kMillisecond);

}  // namespace
