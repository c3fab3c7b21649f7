#include "play/completion.h"

namespace krizovky {
namespace {

// The write that completes one run: its single empty square (a position along
// the line) and the digit its sum still misses.
struct Completion {
    bool due = false;
    int at = 0;
    int digit = 0;
};

// The walk goes from the square after the clue to the first square that is
// not an entry square, and gives up at a second empty square. A run whose
// other digits already reach its sum gets nothing.
template <typename CellAt>
Completion completeRun(CellAt cellAt, int first, int limit, int required) {
    Completion completion;
    int empty = 0, sum = 0;
    for (int i = first; i <= limit; ++i) {
        const Cell& cell = cellAt(i);
        if (cell.kind != kEntry) break;
        if (cell.digit == 0) {
            if (++empty == 2) break;
            completion.at = i;
        } else {
            sum += cell.digit;
        }
    }
    completion.due = empty == 1 && sum < required;
    completion.digit = required - sum;
    return completion;
}

}  // namespace

void autoFill(const Board& board, const WriteDigit& write) {
    // Only the last try of a pass decides whether another pass follows.
    bool lastResult = true;
    while (lastResult) {
        lastResult = false;
        for (int r = 1; r <= board.rowCount; ++r) {
            for (int c = 1; c <= board.colCount; ++c) {
                const Cell& clue = board.at(r, c);
                if (clue.kind != kClue) continue;
                if (clue.acrossSum != 0) {
                    const Completion across =
                        completeRun([&](int j) -> const Cell& { return board.at(r, j); }, c + 1,
                                    board.colCount, clue.acrossSum);
                    if (across.due) lastResult = write(r, across.at, across.digit);
                }
                if (clue.downSum != 0) {
                    const Completion down =
                        completeRun([&](int i) -> const Cell& { return board.at(i, c); }, r + 1,
                                    board.rowCount, clue.downSum);
                    if (down.due) lastResult = write(down.at, c, down.digit);
                }
            }
        }
    }
}

}  // namespace krizovky
