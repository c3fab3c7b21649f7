#include "history/undo.h"

namespace krizovky {
namespace {

// Takes back the newest Move; returns the Mark its square carried, 0 none.
int takeBackNewest(MoveHistory& history, const Board& board, UndoActions& actions) {
    const Move move = history.move(history.moveCount);
    actions.restoreMove(move);
    const int mark = Board::onBoard(move.row, move.col) ? board.at(move.row, move.col).mark : 0;
    if (mark != 0) actions.dropMark(mark);
    --history.moveCount;
    history.markAllowed = true;
    return mark;
}

void afterTakingBack(MoveHistory& history, UndoActions& actions) {
    if (history.moveCount == 0) {
        actions.historyEmptied();
    } else {
        const Move& newest = history.move(history.moveCount);
        history.noteLastPlayerMove(newest.row, newest.col);
    }
}

}  // namespace

void undoStep(MoveHistory& history, const Board& board, UndoActions& actions) {
    if (history.moveCount == 0) return;
    while (true) {
        const bool byPlayer = history.move(history.moveCount).byPlayer == 1;
        takeBackNewest(history, board, actions);
        if (history.moveCount == 0 || byPlayer) break;
    }
    afterTakingBack(history, actions);
}

void undoToMark(MoveHistory& history, const Board& board, UndoActions& actions) {
    if (history.moveCount == 0 || history.markCount == 0) return;
    while (true) {
        const bool marked = takeBackNewest(history, board, actions) != 0;
        afterTakingBack(history, actions);
        if (marked || history.moveCount == 0) break;
    }
}

}  // namespace krizovky
