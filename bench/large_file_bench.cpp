// Speed on a task file of 100,000 tasks, written when the benchmark starts:
// what the player waits for when the task list opens (also with solved tasks
// to tick), and when a task of it is chosen (the first, one in the middle,
// the last).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/game.h"
#include "app/headless_host.h"
#include "history/results_record.h"
#include "model/combination_table.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace {

using namespace krizovky;

constexpr int kTasks = 100000;

// The shipped task file's tasks repeated under distinct names, with the
// Czech letters of real names, until there are kTasks of them.
class LargeTaskFile {
  public:
    LargeTaskFile() {
        const std::string folder =
            (std::filesystem::temp_directory_path() / "krizovky-bench-XXXXXX").string();
        std::string pattern = folder;
        folder_ = mkdtemp(pattern.data());
        path_ = folder_ + "/velky.kri";
        std::ifstream shipped(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI",
                              std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(shipped)), {});
        std::vector<std::vector<std::string>> bodies;
        for (const std::string& line : splitLines(bytes)) {
            if (!line.empty() && line[0] == '@')
                bodies.emplace_back();
            else if (!bodies.empty())
                bodies.back().push_back(line);
        }
        std::string text;
        for (int k = 0; k < kTasks; ++k) {
            text += "@" + nameOf(k) + "\r\n";
            for (const std::string& row : bodies[k % bodies.size()])
                text += row + "\r\n";
            if (k == 0) first_ = lastName(text);
            if (k == kTasks / 2) middle_ = lastName(text);
        }
        last_ = lastName(text);
        std::ofstream(path_, std::ios::binary) << text;
        bytes_ = text.size();
    }
    ~LargeTaskFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::string& path() const { return path_; }
    std::size_t bytes() const { return bytes_; }
    const std::string& name(int which) const {
        return which == 0 ? first_ : which == 1 ? middle_ : last_;
    }
    // The name of the k-th task, Windows-1250: numbers in a scrambled order,
    // so sorting has work to do.
    static std::string nameOf(int k) {
        const unsigned number = static_cast<unsigned>(k) * 7919u % 1000003u;
        return cp1250FromUtf8("úloha č. " + std::to_string(number) + " " +
                              (k % 2 ? "žlutá" : "Čechy"));
    }

  private:
    // The name of the task whose "@" line was appended last.
    static std::string lastName(const std::string& text) {
        const std::size_t at = text.rfind("\n@");
        const std::size_t start = at == std::string::npos ? 1 : at + 2;
        return text.substr(start, text.find('\r', start) - start);
    }

    std::string folder_, path_, first_, middle_, last_;
    std::size_t bytes_ = 0;
};

const LargeTaskFile& largeFile() {
    static const LargeTaskFile file;
    return file;
}

// "&Výběr úlohy": the list window shown and filled with every name, sorted.
void BM_LargeFileFillTaskList(benchmark::State& state) {
    HeadlessHost host;
    Game game(host);
    game.start("krizovky", completeCombinationFile());
    game.tasks().setTaskFilePath(largeFile().path());
    for (auto _ : state) {
        game.tasks().showTaskList();
        game.tasks().fillTaskList(true);
        if (game.tasks().taskListScreen().items.size() != kTasks)
            state.SkipWithError("names missing");
    }
    state.counters["MB"] = static_cast<double>(largeFile().bytes()) / 1e6;
}
BENCHMARK(BM_LargeFileFillTaskList)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with a record of results: the tasks solved, spread over the
// file, are ticked, each read from the file to see that it is the task solved.
// The first showing of the list works the ticks out; a refill with the task
// file and the record as they were keeps them.
void BM_LargeFileFillTaskListWithSolvedTasks(benchmark::State& state) {
    const std::string folder = std::filesystem::path(largeFile().path()).parent_path().string();
    const std::string recordPath = folder + "/vysledky.json";
    ResultsRecord record;
    const int solved = static_cast<int>(state.range(0));
    for (int k = 0; k < solved; ++k) {
        GameResult result;
        result.taskFile = largeFile().path();
        const std::string name = LargeTaskFile::nameOf(k * (kTasks / solved));
        result.taskName = utf8FromCp1250(name);
        Board task;
        readTask(largeFile().path(), name, task);
        result.taskHash = taskHash(task);
        result.seconds = 600 + k;
        record.results.push_back(result);
    }
    writeFileReplacing(recordPath, record.encode());
    const bool refill = state.range(1) != 0;
    HeadlessHost host;
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<Game>(host);
        game->start("krizovky", completeCombinationFile());
        game->tasks().setTaskFilePath(largeFile().path());
        game->persistence().usePlayerFiles(playerFilesBeside(recordPath));
        if (refill) game->tasks().fillTaskList(true);
        state.ResumeTiming();
        game->tasks().showTaskList();
        game->tasks().fillTaskList(true);
        if (game->tasks().taskListScreen().solved.size() != static_cast<std::size_t>(solved))
            state.SkipWithError("ticks missing");
    }
    std::filesystem::remove(recordPath);
}
// {solved tasks, 0 the first showing or 1 a refill}
BENCHMARK(BM_LargeFileFillTaskListWithSolvedTasks)
    ->Args({1, 0})
    ->Args({20, 0})
    ->Args({20, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A choice in the list: the task read from the file and the board built.
void BM_LargeFileLoadTask(benchmark::State& state) {
    HeadlessHost host;
    Game game(host);
    game.start("krizovky", completeCombinationFile());
    game.tasks().setTaskFilePath(largeFile().path());
    game.tasks().setSelectedTaskName(largeFile().name(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        game.tasks().loadTask();
        if (host.lastFailure || !game.screen().boardPanel) state.SkipWithError("no board");
    }
}
// 0 the first task, 1 the one in the middle, 2 the last.
BENCHMARK(BM_LargeFileLoadTask)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
