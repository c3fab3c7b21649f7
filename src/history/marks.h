#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "history/move_history.h"
#include "model/board.h"

namespace krizovky {

inline constexpr int kMaxMarks = 4;

// "nastav značku": the next Mark goes onto the square of the player's latest
// entry. Returns that square, or nothing when no Mark is set: no Move since
// the last Mark, all four in use (that click still uses up the Move), or no
// entry square to mark.
std::optional<BoardSquare> setMark(MoveHistory& history, Board& board);

// Takes Mark k off its square and moves every later Mark back one place. The
// squares whose Mark changed, to be repainted. The count and the swatches are
// the caller's.
std::vector<BoardSquare> renumberMarks(Board& board, int k);

// What a click on swatch k shows: the squares of the Moves from the first
// Move onto the square of Mark k up to the first later Move onto a square with
// another Mark, or up to the newest Move.
struct MarkHighlight {
    bool found = false;
    int first = 0;  // Move numbers, valid when found
    int last = 0;
    std::vector<BoardSquare> squares;
};
MarkHighlight markHighlight(const MoveHistory& history, const Board& board, int k);

}  // namespace krizovky
