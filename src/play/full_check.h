#pragma once

#include <vector>

#include "model/board.h"
#include "play/level.h"

namespace krizovky {

enum class RunVerdict { kFine, kRepeated, kWrongSum };

// A run that fails the full check, and the squares that show it: from the
// square after the clue to the run's last entry square.
struct FailingRun {
    RunVerdict verdict = RunVerdict::kFine;
    Direction direction = Direction::kAcross;
    // Every square from the clue's neighbour up to the last entry square of
    // the run; empty for a clue with no entry square after it.
    std::vector<std::pair<int, int>> squares;
};

// The across and then the down run of the clue at (row, column), those that
// fail. A repeated digit outranks a wrong sum; a run that is not full fails
// when its digits already reach its sum.
std::vector<FailingRun> checkClue(const Board& board, int row, int column);

// Every failing run of the board, clues row by row, left to right.
std::vector<FailingRun> checkBoard(const Board& board);

}  // namespace krizovky
