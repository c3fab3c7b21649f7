// The handlers of the move history: the undo buttons, the Marks and their
// swatches.
#include "app/moves_and_notes.h"
#include "app/play_session.h"
#include "app/solver_session.h"
#include "history/marks.h"

namespace krizovky {

void MovesAndNotes::restoreMove(const Move& move) {
    const int digit = Board::onBoard(move.row, move.col) ? board_.at(move.row, move.col).digit : 0;
    takenBack_.push_back(
        {move.row, move.col, static_cast<std::uint8_t>(digit), move.byPlayer == 1});
    play_.enterDigit(move.row, move.col, move.prevDigit, false, false);
    // The Move being taken back is still the newest: its notes come back.
    const std::vector<NoteRemoval> removals = history_.takeRemovedNotes();
    putNotesBack(board_, removals);
    showNotes(removals);
}

void MovesAndNotes::historyEmptied() {
    screen_.undoButton = false;
    screen_.markButton = false;
}

void MovesAndNotes::undoStep() {
    unsavedMoves_ = true;
    takenBack_.clear();
    krizovky::undoStep(history_, board_, *this);
}

void MovesAndNotes::undoMove() {
    if (!screen_.undoButton || solving()) return;
    undoStep();
    keepForRedo();
}

void MovesAndNotes::undoToMark() {
    if (!screen_.undoToMarkButton || solving()) return;
    unsavedMoves_ = true;
    takenBack_.clear();
    krizovky::undoToMark(history_, board_, *this);
    keepForRedo();
}

void MovesAndNotes::setMark() {
    if (!screen_.markButton || solving()) return;
    unsavedMoves_ = true;
    const auto square = krizovky::setMark(history_, board_);
    if (!square) return;
    play_.paintSquare(square->row, square->column, kNaturalColour);
    screen_.undoToMarkButton = true;
    screen_.swatch[history_.markCount] = true;
}

bool MovesAndNotes::swatchShown(int mark) const {
    return mark >= 1 && mark <= kMaxMarks && screen_.swatch[mark] && !solving();
}

void MovesAndNotes::highlightMark(int mark) {
    if (!swatchShown(mark)) return;
    const MarkHighlight highlight = markHighlight(history_, board_, mark);
    if (!highlight.found) return;
    history_.highlightFirst = highlight.first;
    for (const BoardSquare& square : highlight.squares)
        play_.paintSquare(square.row, square.column, screen_.swatchColour[mark]);
    history_.colouringShown = true;
    history_.highlightLast = highlight.last;
}

void MovesAndNotes::removeMark(int mark) {
    if (swatchShown(mark)) dropMark(mark);
}

void MovesAndNotes::dropMark(int mark) {
    if (mark < 1 || mark > kMaxMarks) return;
    for (const BoardSquare& square : renumberMarks(board_, mark))
        play_.paintSquare(square.row, square.column, kNaturalColour);
    if (history_.markCount >= 1) {
        screen_.swatch[history_.markCount] = false;
        --history_.markCount;
    }
    if (history_.markCount == 0) screen_.undoToMarkButton = false;
    if (history_.colouringShown) play_.clearColouring();
}

}  // namespace krizovky
