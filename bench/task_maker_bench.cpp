// Speed and variety of the task maker: the numbers 1 to 100 made at one grade
// and size, each timed on its own (the wall clock and the thread's processor
// time, which other work on a shared machine does not stretch). The counters
// give the median, the 95th percentile and the largest time per task in
// seconds, the attempts a task took, the tasks that could not be made, and
// how many distinct shapes and distinct tasks the 100 numbers gave. Each
// benchmark runs three times; make bench reports the median of the three.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "editor/task_maker.h"
#include "model/combination_table.h"

namespace {

using namespace krizovky;

constexpr int kNumbers = 100;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The value at fraction q of the sorted values, q from 0 to 1.
double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

// The rows of a task without its name line, and the pattern of its squares.
std::string rowsOf(const MadeTask& task) {
    return task.text.substr(task.text.find('\n', 2) + 1);
}
std::string shapeText(const MadeTask& task) {
    const TaskShape shape = shapeOfGrid(task.grid);
    std::string text;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            text += shape.isEntry(r, c) ? '.' : '#';
    return text;
}

// state.range(0): the grade (0 lehká ... 3 velmi těžká); state.range(1):
// the size (0 malá, 1 střední, 2 velká).
void BM_MakeTask(benchmark::State& state) {
    TaskRequest request;
    request.grade = static_cast<Difficulty>(state.range(0));
    request.size = static_cast<TaskSize>(state.range(1));
    const CombinationTable& table = completeCombinationTable();
    std::vector<double> wall, processor, attempts;
    std::set<std::string> shapes, tasks;
    int notMade = 0;
    for (auto _ : state) {
        wall.clear();
        processor.clear();
        attempts.clear();
        notMade = 0;
        for (int number = 1; number <= kNumbers; ++number) {
            request.number = number;
            const double cpuStart = threadSeconds();
            const auto start = std::chrono::steady_clock::now();
            const MadeTask made = makeTask(request, table);
            wall.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            processor.push_back(threadSeconds() - cpuStart);
            attempts.push_back(made.attempts);
            if (!made.made) {
                ++notMade;
                continue;
            }
            shapes.insert(shapeText(made));
            tasks.insert(rowsOf(made));
        }
    }
    state.counters["median_s"] = quantile(wall, 0.5);
    state.counters["p95_s"] = quantile(wall, 0.95);
    state.counters["max_s"] = quantile(wall, 1.0);
    state.counters["cpu_median_s"] = quantile(processor, 0.5);
    state.counters["cpu_p95_s"] = quantile(processor, 0.95);
    state.counters["cpu_max_s"] = quantile(processor, 1.0);
    state.counters["attempts_median"] = quantile(attempts, 0.5);
    state.counters["attempts_max"] = quantile(attempts, 1.0);
    state.counters["not_made"] = notMade;
    state.counters["shapes"] = static_cast<double>(shapes.size());
    state.counters["tasks"] = static_cast<double>(tasks.size());
    state.SetLabel(std::string(difficultyName(request.grade)) + ", " + taskSizeName(request.size));
}
BENCHMARK(BM_MakeTask)
    ->ArgsProduct({{0, 1, 2, 3}, {2, 1, 0}})
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kSecond);

}  // namespace
