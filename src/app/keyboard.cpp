// Keyboard play: the keys stand for the mouse on the selected square, so a
// key goes through the same handlers as the click or menu item it replaces.
#include "app/moves_and_notes.h"
#include "app/play_session.h"
#include "play/hints.h"

namespace krizovky {

void PlaySession::keyPress(Key key) {
    if (solving()) return;
    if (key == Key::kNotesMode) {
        moves_.toggleNotesMode();
        return;
    }
    if (clicked_.none() || clicked_ != current_) return;
    const BoardSquare square = current_;
    if (!board_.isEntry(square.row, square.column)) return;

    if (noteKeyDigit(key) != 0 || keyDigit(key) != 0) {
        pressDigitKey(square, key);
        return;
    }
    switch (key) {
        case Key::kDelete:
        case Key::kBackspace:
            openSquareMenu(square.row, square.column);
            eraseSquare();
            return;
        case Key::kLeft:
            return moveSelection(square, 0, -1);
        case Key::kRight:
            return moveSelection(square, 0, 1);
        case Key::kUp:
            return moveSelection(square, -1, 0);
        case Key::kDown:
            return moveSelection(square, 1, 0);
        default:
            return;
    }
}

void PlaySession::pressDigitKey(BoardSquare square, Key key) {
    // Notes are the player's own: any digit, whatever the hints allow.
    if (const int note = noteKeyDigit(key); note != 0) {
        moves_.toggleNote(square.row, square.column, note);
        return;
    }
    const int digit = keyDigit(key);
    if (notesMode()) {
        moves_.toggleNote(square.row, square.column, digit);
        return;
    }
    // At 100 the pop-up menu offers the allowed digits alone; the others
    // would be grey, and their key leaves even the hints as they are.
    if (options_.level == Level::k100) {
        const Hints hints = computeHints(board_, table_, options_.level, square.row, square.column);
        if (!(hints.allowed & digitBit(digit))) return;
    }
    openSquareMenu(square.row, square.column);
    chooseDigit(digit);
}

void PlaySession::moveSelection(BoardSquare from, int rowStep, int columnStep) {
    for (int r = from.row + rowStep, c = from.column + columnStep;
         r >= 1 && r <= board_.rowCount && c >= 1 && c <= board_.colCount;
         r += rowStep, c += columnStep) {
        if (board_.isEntry(r, c)) {
            selectSquare(r, c);
            return;
        }
    }
}

}  // namespace krizovky
