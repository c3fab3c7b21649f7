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
        screen_.duplicateLegend = false;
        screen_.wrongSumLegend = false;
    } else {
        for (int i = history_.highlightFirst; i <= history_.highlightLast; ++i) {
            const Move& move = history_.move(i);
            paintSquare(move.row, move.col, kNaturalColour);
        }
    }
    history_.colouringShown = false;
    history_.checkColouringShown = false;
    // The step of "&Pomoc" explains the colours just taken off.
    screen_.step = {};
}

void Game::restoreMove(const Move& move) {
    const int digit = Board::onBoard(move.row, move.col) ? board_.at(move.row, move.col).digit : 0;
    takenBack_.push_back(
        {move.row, move.col, static_cast<std::uint8_t>(digit), move.byPlayer == 1});
    enterDigit(move.row, move.col, move.prevDigit, false, false);
    // The Move being taken back is still the newest: its notes come back.
    const std::vector<NoteRemoval> removals = history_.takeRemovedNotes();
    putNotesBack(board_, removals);
    showNotes(removals);
}

void Game::historyEmptied() {
    screen_.undoButton = false;
    screen_.markButton = false;
}

void Game::undoStep() {
    unsavedMoves_ = true;
    takenBack_.clear();
    krizovky::undoStep(history_, board_, *this);
}

void Game::undoMove() {
    if (!screen_.undoButton || solving()) return;
    undoStep();
    keepForRedo();
}

void Game::undoToMark() {
    if (!screen_.undoToMarkButton || solving()) return;
    unsavedMoves_ = true;
    takenBack_.clear();
    krizovky::undoToMark(history_, board_, *this);
    keepForRedo();
}

void Game::setMark() {
    if (!screen_.markButton || solving()) return;
    unsavedMoves_ = true;
    const auto square = krizovky::setMark(history_, board_);
    if (!square) return;
    paintSquare(square->row, square->column, kNaturalColour);
    screen_.undoToMarkButton = true;
    screen_.swatch[history_.markCount] = true;
}

bool Game::swatchShown(int mark) const {
    return mark >= 1 && mark <= kMaxMarks && screen_.swatch[mark] && !solving();
}

void Game::highlightMark(int mark) {
    if (!swatchShown(mark)) return;
    const MarkHighlight highlight = markHighlight(history_, board_, mark);
    if (!highlight.found) return;
    history_.highlightFirst = highlight.first;
    for (const BoardSquare& square : highlight.squares)
        paintSquare(square.row, square.column, screen_.swatchColour[mark]);
    history_.colouringShown = true;
    history_.highlightLast = highlight.last;
}

void Game::removeMark(int mark) {
    if (swatchShown(mark)) dropMark(mark);
}

void Game::dropMark(int mark) {
    if (mark < 1 || mark > kMaxMarks) return;
    for (const BoardSquare& square : renumberMarks(board_, mark))
        paintSquare(square.row, square.column, kNaturalColour);
    if (history_.markCount >= 1) {
        screen_.swatch[history_.markCount] = false;
        --history_.markCount;
    }
    if (history_.markCount == 0) screen_.undoToMarkButton = false;
    if (history_.colouringShown) clearColouring();
}

}  // namespace krizovky
