// Speed of what one click and one entry cost on a 15 x 15 board: the shipped
// task with the most entry squares.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/game.h"
#include "app/headless_host.h"
#include "model/combination_table.h"
#include "model/task_list.h"
#include "model/text.h"
#include "play/entry_check.h"

namespace {

using namespace krizovky;

struct BigGame {
    HeadlessHost host;
    Game game{host};
    int row = 0, column = 0, digit = 0;  // a square near the centre and a digit it takes

    BigGame() {
        game.start("krizovky", completeCombinationFile());
        const std::string path = std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI";
        game.tasks().setTaskFilePath(path);
        // The task with the most entry squares.
        int most = -1;
        std::string largest;
        for (const auto& name : readTaskNames(path)) {
            game.tasks().setSelectedTaskName(name);
            game.tasks().loadTask();
            int entries = 0;
            for (int r = 1; r <= kBoardSize; ++r)
                for (int c = 1; c <= kBoardSize; ++c)
                    entries += game.board().at(r, c).kind == kEntry;
            if (entries > most) most = entries, largest = name;
        }
        game.tasks().setSelectedTaskName(largest);
        game.tasks().loadTask();
        for (int r = 8; r <= kBoardSize && row == 0; ++r)
            for (int c = 8; c <= kBoardSize && row == 0; ++c)
                if (game.board().at(r, c).kind == kEntry) row = r, column = c;
        for (int d = 1; d <= 9 && digit == 0; ++d)
            if (checkEntry(game.board(), row, column, d) == EntryVerdict::kAccepted) digit = d;
    }
};

// A left click at "IQ" 100: the selection, both runs measured and looked up,
// the two lists and the allowed digits.
void BM_ClickHints(benchmark::State& state) {
    BigGame big;
    state.SetLabel(utf8FromCp1250(big.game.tasks().selectedTaskName()));
    for (auto _ : state)
        big.game.play().selectSquare(big.row, big.column);
}
BENCHMARK(BM_ClickHints)->Unit(benchmark::kMicrosecond);

// One entry through the immediate check: both runs walked, the digit shown,
// the board looked over for the end of the game.
void BM_CheckedEntry(benchmark::State& state) {
    BigGame big;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            big.game.play().enterDigit(big.row, big.column, big.digit, false, false));
}
BENCHMARK(BM_CheckedEntry)->Unit(benchmark::kMicrosecond);

// The player's whole way: the pop-up with its hints, the digit item with the
// check, the record and a pass of the completion, then "zpět o 1 tah".
void BM_PlayerEntryAndUndo(benchmark::State& state) {
    BigGame big;
    for (auto _ : state) {
        big.game.play().openSquareMenu(big.row, big.column);
        big.game.play().chooseDigit(big.digit);
        big.game.moves().undoMove();
    }
}
BENCHMARK(BM_PlayerEntryAndUndo)->Unit(benchmark::kMicrosecond);

// "&Vyplň poznámky" on the same board: every empty square's allowed digits at
// IQ 100 as its notes.
void BM_FillNotes(benchmark::State& state) {
    BigGame big;
    for (auto _ : state)
        big.game.moves().fillNotes();
}
BENCHMARK(BM_FillNotes)->Unit(benchmark::kMicrosecond);

// A recorded entry and its undo, on the board bare and full of notes: with
// notes the digit also leaves the notes of its runs and the undo puts them
// back.
void BM_EntryAndUndoWithNotes(benchmark::State& state) {
    BigGame big;
    if (state.range(0) == 1) big.game.moves().fillNotes();
    for (auto _ : state) {
        big.game.play().enterDigit(big.row, big.column, big.digit, true, true);
        big.game.moves().undoMove();
    }
    state.SetLabel(state.range(0) == 1 ? "notes" : "bare");
}
BENCHMARK(BM_EntryAndUndoWithNotes)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
