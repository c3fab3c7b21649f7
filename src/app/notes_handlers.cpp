// The player's notes in the squares and the redo: the notes are the player's
// scratch beside the Moves, the redo puts back what the undo took.
#include <algorithm>

#include "app/moves_and_notes.h"

#include "app/game_persistence.h"
#include "app/play_session.h"
#include "app/solver_session.h"
#include "play/entry_check.h"
#include "play/hints.h"

namespace krizovky {

void MovesAndNotes::showNotes(int row, int column) {
    if (!Board::onBoard(row, column)) return;
    const Cell& cell = board_.at(row, column);
    screen_.square(row, column).notes = cell.kind == kEntry && cell.digit == 0 ? cell.notes : 0;
}

void MovesAndNotes::showNotes(const std::vector<NoteRemoval>& removals) {
    // While "70" searches, the solver's frames draw them.
    for (const NoteRemoval& removal : removals)
        showNotes(removal.row, removal.col);
}

void MovesAndNotes::showAllNotes() {
    for (int r = 1; r <= board_.rowCount; ++r)
        for (int c = 1; c <= board_.colCount; ++c)
            showNotes(r, c);
}

void MovesAndNotes::showNoteItems() {
    const BoardSquare popup = play_.popupSquare();
    const bool open = board_.isEntry(popup.row, popup.column);
    const Cell* cell = open ? &board_.at(popup.row, popup.column) : nullptr;
    screen_.noteItemsEnabled = cell && cell->digit == 0;
    for (int d = 1; d <= 9; ++d)
        screen_.noteItemChecked[d] = cell && (cell->notes & digitBit(d));
}

void MovesAndNotes::toggleNote(int row, int column, int digit) {
    if (solving() || digit < 1 || digit > 9 || !board_.isEntry(row, column)) return;
    Cell& cell = board_.at(row, column);
    if (cell.digit != 0) return;
    cell.notes ^= digitBit(digit);
    notesOnBoard_ = true;
    unsavedMoves_ = true;
    showNotes(row, column);
    if (play_.popupSquare() == BoardSquare{row, column}) showNoteItems();
}

void MovesAndNotes::chooseNote(int digit) {
    const BoardSquare popup = play_.popupSquare();
    if (solving() || popup.none() || !screen_.noteItemsEnabled) return;
    toggleNote(popup.row, popup.column, digit);
}

void MovesAndNotes::toggleNotesMode() {
    if (!solving()) screen_.notesMode = !screen_.notesMode;
}

void MovesAndNotes::fillNotes() {
    if (solving() || !screen_.boardPanel) return;
    // The notes tell what IQ 100 shows: the record counts the game at it.
    persistence_.noteLevel(iqOf(Level::k100));
    for (int r = 1; r <= board_.rowCount; ++r) {
        for (int c = 1; c <= board_.colCount; ++c) {
            Cell& cell = board_.at(r, c);
            if (cell.kind != kEntry || cell.digit != 0) continue;
            cell.notes = computeHints(board_, table_, Level::k100, r, c).allowed & kNoteDigits;
            showNotes(r, c);
        }
    }
    notesOnBoard_ = true;
    unsavedMoves_ = true;
    showNoteItems();
}

void MovesAndNotes::keepForRedo() {
    redo_.addTakenBack(takenBack_);
    takenBack_.clear();
    screen_.redoButton = !redo_.empty();
}

bool MovesAndNotes::redoAccepted(const RedoStep& step) {
    Board trial = board_;
    for (const RedoMove& move : step) {
        if (!trial.isEntry(move.row, move.col)) return false;
        if (move.digit != 0 && play_.checkingOn()) {
            const EntryVerdict verdict = checkEntry(trial, move.row, move.col, move.digit);
            if (verdict != EntryVerdict::kAccepted) {
                requests_.message(entryMessage(verdict, move.digit));
                return false;
            }
        }
        trial.at(move.row, move.col).digit = move.digit;
    }
    return true;
}

void MovesAndNotes::redoMove() {
    if (!screen_.redoButton || solving() || redo_.empty()) return;
    const RedoStep step = redo_.next();
    if (!redoAccepted(step)) return;
    redo_.dropNext();
    redoing_ = true;
    for (const RedoMove& move : step) {
        if (!play_.enterDigit(move.row, move.col, move.digit, true, move.byPlayer)) break;
        if (move.byPlayer && move.digit != 0) history_.noteLastPlayerMove(move.row, move.col);
    }
    redoing_ = false;
    screen_.redoButton = !redo_.empty();
}

void MovesAndNotes::moveRecorded() {
    unsavedMoves_ = true;
    // A new Move leaves nothing to redo, but those a redo writes.
    if (!redoing_) forgetRedo();
}

void MovesAndNotes::forgetRedo() {
    redo_.clear();
    screen_.redoButton = false;
}

void MovesAndNotes::startBoard() {
    forgetRedo();
    screen_.notesButton = true;
    notesOnBoard_ = hasNotes(board_);
    unsavedMoves_ = false;
}

void MovesAndNotes::notesPutBack() {
    notesOnBoard_ = hasNotes(board_);
    showAllNotes();
}

bool MovesAndNotes::solving() const {
    return solver_.solving();
}

}  // namespace krizovky
