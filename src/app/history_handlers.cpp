// The handlers of the move history: the undo buttons, the Marks and their
// swatches, and the taking off of temporary colours.
#include "app/game.h"
#include "history/marks.h"

namespace krizovky {

void Game::clearColouring() {
    if (history_.checkColouringShown) {
        for (int r = 1; r <= board_.rowCount; ++r)
            for (int c = 1; c <= board_.colCount; ++c)
                if (board_.at(r, c).kind == kEntry) paintSquare(r, c, kNaturalColour);
        screen_.label21 = false;
        screen_.label22 = false;
    } else {
        for (int i = history_.highlightFirst; i <= history_.highlightLast; ++i) {
            const Move& move = history_.move(i);
            paintSquare(move.row, move.col, kNaturalColour);
        }
    }
    history_.colouringShown = false;
    history_.checkColouringShown = false;
}

void Game::restoreMove(const Move& move) {
    enterDigit(move.row, move.col, move.prevDigit, false, false);
}

void Game::historyEmptied() {
    screen_.button2 = false;
    screen_.button1 = false;
}

void Game::undoStep() {
    unsavedMoves_ = true;
    krizovky::undoStep(history_, board_, *this);
}

void Game::undoToMark() {
    unsavedMoves_ = true;
    krizovky::undoToMark(history_, board_, *this);
}

void Game::setMark() {
    unsavedMoves_ = true;
    const auto square = krizovky::setMark(history_, board_);
    if (!square) return;
    paintSquare(square->row, square->column, kNaturalColour);
    screen_.button3 = true;
    screen_.swatch[history_.markCount] = true;
}

void Game::removeMark(int mark) {
    if (mark < 1 || mark > kMaxMarks) return;
    for (const BoardSquare& square : renumberMarks(board_, mark))
        paintSquare(square.row, square.column, kNaturalColour);
    if (history_.markCount >= 1) {
        screen_.swatch[history_.markCount] = false;
        --history_.markCount;
    }
    if (history_.markCount == 0) screen_.button3 = false;
    if (history_.colouringShown) clearColouring();
}

void Game::highlightMark(int mark) {
    if (mark < 1 || mark > kMaxMarks) return;
    const MarkHighlight highlight = markHighlight(history_, board_, mark);
    if (!highlight.found) return;
    history_.highlightFirst = highlight.first;
    for (const BoardSquare& square : highlight.squares)
        paintSquare(square.row, square.column, screen_.swatchColour[mark]);
    history_.colouringShown = true;
    history_.highlightLast = highlight.last;
}

void Game::Button1Click() {
    if (screen_.button1 && !solving()) setMark();
}

void Game::Button2Click() {
    if (screen_.button2 && !solving()) undoStep();
}

void Game::Button3Click() {
    if (screen_.button3 && !solving()) undoToMark();
}

void Game::Label16Click(int mark) {
    if (mark >= 1 && mark <= kMaxMarks && screen_.swatch[mark] && !solving()) highlightMark(mark);
}

void Game::Label16DblClick(int mark) {
    if (mark >= 1 && mark <= kMaxMarks && screen_.swatch[mark] && !solving()) removeMark(mark);
}

}  // namespace krizovky
