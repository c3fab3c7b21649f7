// The solver of "70" in the real window: placements a second with every
// placement repainted and the window's events handled, on the first hard task
// of tests/data/hard.kri, each run stopped by "přeruš" after three seconds;
// in the classic look (argument 0) and in the modern one at 1000 x 750 (1).
// Run it on a display: xvfb-run build/bench/krizovky_window_bench
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>

#include "model/task_list.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/solver_question_dialog.h"

namespace {

using namespace krizovky;

// Answers " jsem trouba" and Yes to "přeruš".
void answer(QDialog& dialog) {
    if (auto* confirm = qobject_cast<ui::SolverQuestionDialog*>(&dialog)) {
        confirm->findChild<QAbstractButton*>(QStringLiteral("solveButton"))->click();
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes ? yes : box->buttons().value(0))->click();
        return;
    }
    dialog.reject();
}

void BM_SolveInTheWindow(benchmark::State& state) {
    const std::string tasks = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri";
    ui::Application application(KRIZOVKY_DATA_DIR "/krizovky", answer);
    const bool modern = state.range(0) == 1;
    application.mainWindow().setLook(modern ? ui::WindowLook::kModern : ui::WindowLook::kClassic);
    if (modern) application.mainWindow().resize(1000, 750);
    application.show();
    Game& game = application.game();
    game.setTaskFilePath(tasks);
    game.setSelectedTaskName(readTaskNames(tasks).front());
    for (auto _ : state) {
        application.mainWindow().reloadTask();
        QTimer::singleShot(3000, [&] {
            application.mainWindow().findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
        });
        const auto start = std::chrono::steady_clock::now();
        application.mainWindow().askToSolve();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        state.counters["placements_per_s"] =
            static_cast<double>(game.lastSolve().placements) / elapsed.count();
    }
}
BENCHMARK(BM_SolveInTheWindow)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

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
