#pragma once

#include "history/move_history.h"
#include "model/board.h"

namespace krizovky {

// The steps of an undo that only the game can take: writing a digit back
// through its entry operation, removing a Mark with everything that shows it,
// and hiding the history buttons.
class UndoActions {
  public:
    virtual ~UndoActions() = default;
    // The Move's square gets prevDigit back, checked but not recorded.
    virtual void restoreMove(const Move& move) = 0;
    virtual void dropMark(int mark) = 0;
    virtual void historyEmptied() = 0;
};

// "zpět o 1 tah": takes back the newest Moves down to and including the
// newest Move of the player (or until the history is empty). A Move onto a
// marked square removes that Mark.
void undoStep(MoveHistory& history, const Board& board, UndoActions& actions);

// "zpět ke značce": takes back Moves regardless of who made them, up to and
// including the newest Move onto a marked square, whose Mark is removed.
void undoToMark(MoveHistory& history, const Board& board, UndoActions& actions);

}  // namespace krizovky
