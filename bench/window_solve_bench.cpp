// The solver of "70" in the real window at its fastest speed ("co
// nejrychleji"): placements a second on the hard tasks of tests/data/hard.kri
// in the classic look, and on the first of them in the modern look at
// 1000 x 750, against the same search without a window in the same run; the
// time from a click on "přeruš" to its question during the longest published
// search (janko 165, 4.8 million placements), and the program's memory over
// it; what one handling of the window's events costs when nothing is
// pending; and the pace of the slower speeds.
// Run it on a display: xvfb-run build/bench/krizovky_window_bench
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "app/headless_host.h"
#include "model/combination_table.h"
#include "model/task_list.h"
#include "model/text.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/solver_question_dialog.h"

namespace {

using namespace krizovky;
using Clock = std::chrono::steady_clock;

const std::string kHardTasks = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri";
const std::string kPuzzles = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko.kri";

double secondsOf(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The processor time of the calling thread in seconds: on a machine shared
// with other work it compares the window with the search alone better than
// the wall clock does.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The program's resident memory in kilobytes.
long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The program with its windows on a task. " jsem trouba" answers "Mám
// dotaz!", No answers the question of "přeruš", whose time is kept.
class WindowGame {
  public:
    WindowGame(const std::string& taskFile, const std::string& name,
               ui::WindowLook look = ui::WindowLook::kClassic) {
        window().setLook(look);
        if (look == ui::WindowLook::kModern) window().resize(1000, 750);
        application_.show();
        game().tasks().setTaskFilePath(taskFile);
        game().tasks().setSelectedTaskName(name);
        QApplication::processEvents();
    }

    Game& game() { return application_.game(); }
    ui::MainWindow& window() { return application_.mainWindow(); }

    // One solve from the bare task; its wall time, and its processor time in
    // processorSeconds.
    Clock::duration solve(double* processorSeconds = nullptr) {
        window().reloadTask();
        const double processorStart = threadSeconds();
        const auto start = Clock::now();
        window().askToSolve();
        // The window's timer gives the search its slices; the window draws
        // and handles its events between them, as in the program's own loop.
        while (game().solver().solving())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto elapsed = Clock::now() - start;
        if (processorSeconds) *processorSeconds = threadSeconds() - processorStart;
        return elapsed;
    }

    // The times the questions of "přeruš" came.
    std::vector<Clock::time_point> questions() {
        std::lock_guard lock(mutex_);
        return questions_;
    }

  private:
    void answer(QDialog& dialog) {
        if (auto* confirm = qobject_cast<ui::SolverQuestionDialog*>(&dialog)) {
            confirm->findChild<QAbstractButton*>(QStringLiteral("solveButton"))->click();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            {
                std::lock_guard lock(mutex_);
                questions_.push_back(Clock::now());
            }
            QAbstractButton* no = box->button(QMessageBox::No);
            (no ? no : box->buttons().value(0))->click();
            return;
        }
        dialog.reject();
    }

    std::mutex mutex_;
    std::vector<Clock::time_point> questions_;
    ui::Application application_{KRIZOVKY_DATA_DIR "/krizovky",
                                 [this](QDialog& dialog) { answer(dialog); }};
};

// The same search without a window: nothing drawn, no events.
class HeadlessGame {
  public:
    HeadlessGame(const std::string& taskFile, const std::string& name) {
        game_.start("krizovky", completeCombinationFile());
        game_.tasks().setTaskFilePath(taskFile);
        game_.tasks().setSelectedTaskName(name);
    }
    Clock::duration solve(double* processorSeconds) {
        game_.tasks().loadTask();
        const double processorStart = threadSeconds();
        const auto start = Clock::now();
        game_.solver().askToSolve();
        while (game_.solver().solving())
            game_.solver().advanceSolve(SolverRun::Clock::now());
        const auto elapsed = Clock::now() - start;
        *processorSeconds = threadSeconds() - processorStart;
        return elapsed;
    }
    long placements() const { return game_.solver().lastSolve().placements; }

  private:
    struct SolveHost : HeadlessHost {
        SolveHost() { confirmsSolver = true; }
    } host_;
    Game game_{host_};
};

// A hard task (the first argument) solved to its end in the window, in the
// classic look (the second argument 0) or the modern one (1), and without a
// window, one after the other; the window's rate and its share of the rate
// without a window, by the wall clock and by processor time.
void BM_SolveInTheWindow(benchmark::State& state) {
    const std::string name = readTaskNames(kHardTasks).at(static_cast<std::size_t>(state.range(0)));
    const bool modern = state.range(1) == 1;
    WindowGame window(kHardTasks, name,
                      modern ? ui::WindowLook::kModern : ui::WindowLook::kClassic);
    HeadlessGame headless(kHardTasks, name);
    state.SetLabel(utf8FromCp1250(name) + (modern ? ", moderní" : ", klasický"));
    for (auto _ : state) {
        double inWindowProcessor = 0, aloneProcessor = 0;
        const Clock::duration inWindow = window.solve(&inWindowProcessor);
        const Clock::duration alone = headless.solve(&aloneProcessor);
        if (window.game().solver().lastSolve().end != SolveEnd::kSolved ||
            window.game().solver().lastSolve().placements != headless.placements())
            state.SkipWithError("the window searched otherwise");
        state.SetIterationTime(secondsOf(inWindow));
        const double placements = static_cast<double>(headless.placements());
        state.counters["placements_per_s"] = placements / secondsOf(inWindow);
        state.counters["headless_per_s"] = placements / secondsOf(alone);
        state.counters["share_of_headless"] = secondsOf(alone) / secondsOf(inWindow);
        state.counters["processor_share"] = aloneProcessor / inWindowProcessor;
    }
}
BENCHMARK(BM_SolveInTheWindow)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The longest published search in the window. Another thread clicks
// "přeruš" every 100 ms, as the window system delivers a click: the time from
// the click to the question (answered No, so the search goes on) is the
// answer time. The same thread reads the program's memory every 10 ms.
void BM_StopAndMemoryOverTheLongestSearch(benchmark::State& state) {
    if (!std::filesystem::exists(kPuzzles)) {
        state.SkipWithError("no published puzzles beside the project");
        return;
    }
    WindowGame window(kPuzzles, "janko 165 12x12");
    auto* stop = window.window().findChild<QPushButton*>(QStringLiteral("stopButton"));
    const QPoint centre(stop->width() / 2, stop->height() / 2);
    const QPoint screenCentre = stop->mapToGlobal(centre);
    for (auto _ : state) {
        std::atomic<bool> searching{true};
        std::vector<Clock::time_point> clicks;
        long firstKilobytes = 0, mostKilobytes = 0;
        std::thread player([&] {
            auto nextClick = Clock::now() + std::chrono::milliseconds(100);
            while (searching) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                const long kilobytes = residentKilobytes();
                if (firstKilobytes == 0) firstKilobytes = kilobytes;
                mostKilobytes = std::max(mostKilobytes, kilobytes);
                if (Clock::now() < nextClick) continue;
                clicks.push_back(Clock::now());
                QCoreApplication::postEvent(
                    stop, new QMouseEvent(QEvent::MouseButtonPress, centre, screenCentre,
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
                QCoreApplication::postEvent(
                    stop, new QMouseEvent(QEvent::MouseButtonRelease, centre, screenCentre,
                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
                nextClick += std::chrono::milliseconds(100);
            }
        });
        const Clock::duration elapsed = window.solve();
        searching = false;
        player.join();

        // Each question answers the latest click before it.
        std::vector<double> answers;
        for (const Clock::time_point question : window.questions()) {
            const auto click = std::upper_bound(clicks.begin(), clicks.end(), question);
            if (click != clicks.begin())
                answers.push_back(1000 * secondsOf(question - *std::prev(click)));
        }
        state.SetIterationTime(secondsOf(elapsed));
        const long placements = window.game().solver().lastSolve().placements;
        state.counters["placements"] = static_cast<double>(placements);
        state.counters["placements_per_s"] = static_cast<double>(placements) / secondsOf(elapsed);
        state.counters["clicks"] = static_cast<double>(clicks.size());
        state.counters["questions"] = static_cast<double>(answers.size());
        state.counters["answer_median_ms"] = median(answers);
        state.counters["answer_largest_ms"] =
            answers.empty() ? 0 : *std::max_element(answers.begin(), answers.end());
        state.counters["memory_first_kb"] = static_cast<double>(firstKilobytes);
        state.counters["memory_growth_kb"] = static_cast<double>(mostKilobytes - firstKilobytes);
    }
}
BENCHMARK(BM_StopAndMemoryOverTheLongestSearch)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The slower speeds keep their pace: placements a second at "krokovat" (the
// first argument 0, 40 placements) and "plynule" (1, 1000 placements), the
// search stopped there by the limit.
void BM_SlowerSpeeds(benchmark::State& state) {
    const bool step = state.range(0) == 0;
    const long placements = step ? 40 : 1000;
    WindowGame window(kHardTasks, readTaskNames(kHardTasks).front());
    window.game().solver().setSolverSpeed(step ? SolverSpeed::kStep : SolverSpeed::kSmooth);
    window.game().solver().stopSolvingAfter(placements);
    state.SetLabel(step ? "krokovat" : "plynule");
    for (auto _ : state) {
        const Clock::duration elapsed = window.solve();
        if (window.game().solver().lastSolve().placements != placements)
            state.SkipWithError("the search did not reach the limit");
        state.SetIterationTime(secondsOf(elapsed));
        state.counters["placements_per_s"] = static_cast<double>(placements) / secondsOf(elapsed);
    }
}
BENCHMARK(BM_SlowerSpeeds)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// One handling of the window's events with nothing pending, the main window
// shown: what the fastest speed pays besides the drawing between two slices.
void BM_HandleNoEvents(benchmark::State& state) {
    WindowGame window(kHardTasks, readTaskNames(kHardTasks).front());
    window.window().reloadTask();
    QApplication::processEvents();
    for (auto _ : state)
        QCoreApplication::processEvents();
}
BENCHMARK(BM_HandleNoEvents)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The player's record and kept game stay out of it: a state folder of the run.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
