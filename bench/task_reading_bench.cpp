// Speed of reading tasks and building the board, on the published puzzles
// beside the project when they are there, else on the shipped task file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/game.h"
#include "app/headless_host.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace {

using namespace krizovky;

std::string taskFile() {
    std::string published = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko.kri";
    if (std::filesystem::exists(published)) return published;
    return std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI";
}

// Reading every task of the file by name from its lines, one pass each.
void BM_ReadEveryTask(benchmark::State& state) {
    auto lines = splitLines(readFileBytes(taskFile()));
    auto names = taskNamesOfLines(lines);
    Board board;
    for (auto _ : state) {
        for (const auto& name : names)
            benchmark::DoNotOptimize(readTaskLines(lines, name, board));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_ReadEveryTask)->Unit(benchmark::kMillisecond);

// What the player waits for after a choice: the file read, the board built.
void BM_LoadTaskFromFile(benchmark::State& state) {
    HeadlessHost host;
    Game game(host);
    std::string path = taskFile();
    auto names = readTaskNames(path);
    game.tasks().setTaskFilePath(path);
    game.tasks().setSelectedTaskName(names.back());  // the last task: the whole file is searched
    for (auto _ : state)
        game.tasks().loadTask();
}
BENCHMARK(BM_LoadTaskFromFile)->Unit(benchmark::kMicrosecond);

// Filling the task list: all names read and sorted.
void BM_FillTaskList(benchmark::State& state) {
    std::string path = taskFile();
    for (auto _ : state) {
        auto names = readTaskNames(path);
        sortTaskNames(names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_FillTaskList)->Unit(benchmark::kMicrosecond);

}  // namespace
