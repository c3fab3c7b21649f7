#pragma once

#include <functional>

#include "model/board.h"

namespace krizovky {

// Writes digit into the square at (row, column) and says whether it was
// written; the game's entry operation with its checks and its record.
using WriteDigit = std::function<bool(int row, int column, int digit)>;

// The automatic completion: passes over the board that give every run with
// exactly one empty square the digit its sum still misses, until a pass tries
// nothing or its last try is refused. Clues are visited row by row, left to
// right, the across run of a clue before its down run, and each write is seen
// by the rest of the pass.
void autoFill(const Board& board, const WriteDigit& write);

}  // namespace krizovky
