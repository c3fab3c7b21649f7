#include "history/move_history.h"

#include <algorithm>
#include <utility>

namespace krizovky {

void MoveHistory::recordMove(int row, int col, bool byPlayer, int prevDigit) {
    if (moveCount == kMoveSlots) {
        // The oldest Move gives way; the numbers of a Mark highlight move with
        // the Moves they name.
        std::copy(moves.begin() + 2, moves.end(), moves.begin() + 1);
        std::move(removedNotes.begin() + 2, removedNotes.end(), removedNotes.begin() + 1);
        --moveCount;
        highlightFirst = std::max(1, highlightFirst - 1);
        --highlightLast;
    }
    ++moveCount;
    markAllowed = true;
    moves[moveCount] =
        Move{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col),
             static_cast<std::uint8_t>(byPlayer ? 1 : 0), static_cast<std::uint8_t>(prevDigit), 0};
    removedNotes[moveCount].clear();
}

void MoveHistory::keepRemovedNotes(std::vector<NoteRemoval> removals) {
    if (moveCount >= 1) removedNotes[moveCount] = std::move(removals);
}

std::vector<NoteRemoval> MoveHistory::takeRemovedNotes() {
    if (moveCount < 1) return {};
    return std::exchange(removedNotes[moveCount], {});
}

void MoveHistory::startGame() {
    moveCount = 0;
    markCount = 0;
    colouringShown = false;
    checkColouringShown = false;
    for (auto& removals : removedNotes)
        removals.clear();
}

}  // namespace krizovky
