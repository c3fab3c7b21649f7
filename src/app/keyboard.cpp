// Keyboard play: the keys stand for the mouse on the selected square, so a
// key goes through the same handlers as the click or menu item it replaces.
#include "app/game.h"
#include "play/hints.h"

namespace krizovky {

void Game::keyPress(Key key) {
    if (solving()) return;
    if (key == Key::kNotesMode) {
        toggleNotesMode();
        return;
    }
    if (clicked_.none() || clicked_ != current_) return;
    const BoardSquare square = current_;
    if (!board_.isEntry(square.row, square.column)) return;

    // Notes are the player's own: any digit, whatever the hints allow.
    if (const int note = noteKeyDigit(key); note != 0) {
        toggleNote(square.row, square.column, note);
        return;
    }
    if (const int digit = keyDigit(key); digit != 0 && notesMode()) {
        toggleNote(square.row, square.column, digit);
        return;
    }
    if (const int digit = keyDigit(key); digit != 0) {
        // At 100 the pop-up menu offers the allowed digits alone; the others
        // would be grey, and their key leaves even the hints as they are.
        if (options_.level == Level::k100) {
            const Hints hints =
                computeHints(board_, table_, options_.level, square.row, square.column);
            if (!(hints.allowed & digitBit(digit))) return;
        }
        openSquareMenu(square.row, square.column);
        chooseDigit(digit);
        return;
    }

    int rowStep = 0, columnStep = 0;
    switch (key) {
        case Key::kDelete:
        case Key::kBackspace:
            openSquareMenu(square.row, square.column);
            eraseSquare();
            return;
        case Key::kLeft:
            columnStep = -1;
            break;
        case Key::kRight:
            columnStep = 1;
            break;
        case Key::kUp:
            rowStep = -1;
            break;
        case Key::kDown:
            rowStep = 1;
            break;
        default:
            return;
    }
    for (int r = square.row + rowStep, c = square.column + columnStep;
         r >= 1 && r <= board_.rowCount && c >= 1 && c <= board_.colCount;
         r += rowStep, c += columnStep) {
        if (board_.isEntry(r, c)) {
            selectSquare(r, c);
            return;
        }
    }
}

void Game::taskListKeyPress(Key key) {
    if (!solving() && key == Key::kEscape) closeTaskList();
}

}  // namespace krizovky
