// The board painter: one repaint of a full 15 x 15 board as a window would
// ask for it, the PDF page of one board, and the booklet of the shipped tasks
// with their solutions (the tasks judged by the solvers included).
// Runs off screen: QT_QPA_PLATFORM=offscreen build/bench/krizovky_painter_bench
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "model/file_layer.h"
#include "model/text.h"
#include "ui/board_export.h"
#include "ui/board_painter.h"

namespace {

using namespace krizovky;

std::vector<PrintedTask> shippedTasks() {
    std::vector<PrintedTask> printed;
    const auto tasks =
        tasksOfFile(splitLines(readFileBytes(KRIZOVKY_SOURCE_DIR "/data/krizovky.KRI")));
    for (const TaskOfFile& task : tasks)
        printed.push_back(printedTask(task.board, task.name, completeCombinationTable()));
    return printed;
}

// The solution of the last shipped task, 15 x 15, in the screen's colours.
BoardPicture fullBoard() {
    BoardPicture picture = *shippedTasks().back().solution;
    for (int r = 1; r <= picture.rows; ++r)
        for (int c = 1; c <= picture.columns; ++c)
            if (picture.at(r, c).kind == PictureKind::kEntry) picture.at(r, c).background = kYellow;
    return picture;
}

void BM_PaintBoardOnScreen(benchmark::State& state) {
    const BoardPicture picture = fullBoard();
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        ui::paintBoard(painter, QRectF(0, 0, 600, 600), picture,
                       ui::BoardStyle{ui::BoardLook::kScreen, true});
    }
}
BENCHMARK(BM_PaintBoardOnScreen)->Unit(benchmark::kMillisecond);

// The same board in a scheme of "Barvy" with a shape on every entry square,
// the states taking turns (hatchings, frames, rings, the Marks' symbols) and
// the selected square's runs shaded: the most a repaint draws.
void BM_PaintBoardWithEveryShape(benchmark::State& state) {
    BoardPicture picture = fullBoard();
    constexpr SquareState kStates[] = {SquareState::kDuplicate,   SquareState::kWrongSum,
                                       SquareState::kMark,        SquareState::kHintUsed,
                                       SquareState::kHintDecided, SquareState::kWrongDigit};
    int next = 0;
    for (int r = 1; r <= picture.rows; ++r)
        for (int c = 1; c <= picture.columns; ++c) {
            PictureSquare& square = picture.at(r, c);
            if (square.kind != PictureKind::kEntry) continue;
            square.state = kStates[next % 6];
            square.mark = next % 4 + 1;
            square.inSelectedRun = r == 8 || c == 8;
            ++next;
        }
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    const ui::BoardStyle style{ui::BoardLook::kScreen, true,
                               &boardPalette(ColourScheme::kColourBlind), true};
    for (auto _ : state) {
        QPainter painter(&image);
        ui::paintBoard(painter, QRectF(0, 0, 600, 600), picture, style);
    }
}
BENCHMARK(BM_PaintBoardWithEveryShape)->Unit(benchmark::kMillisecond);

void BM_BoardPdf(benchmark::State& state) {
    const BoardPicture picture = fullBoard();
    for (auto _ : state)
        benchmark::DoNotOptimize(ui::boardFile(ui::FileKind::kPdf, picture, ui::PageStyle{}));
}
BENCHMARK(BM_BoardPdf)->Unit(benchmark::kMillisecond);

void BM_BookletOfShippedTasks(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ui::bookletPdf(shippedTasks(), ui::BookletStyle{ui::PageStyle{}, 4, true}));
}
BENCHMARK(BM_BookletOfShippedTasks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
