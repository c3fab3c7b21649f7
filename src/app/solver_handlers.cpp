// "70" under "&IQ": the program solves the loaded task by itself on the
// player's board, through the same click, entry and undo as the player, with
// the elapsed time above the board and "přeruš" to stop it.
#include <cstdio>

#include "app/game.h"
#include "history/saved_game.h"
#include "model/text.h"

namespace krizovky {
namespace {

// The elapsed time as hours, minutes and seconds: "0:00:07".
std::string elapsedText(long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

bool hasEntrySquare(const Board& board) {
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c)
            if (board.at(r, c).kind == kEntry) return true;
    return false;
}

}  // namespace

void Game::askToSolve() {
    if (solving()) return;
    requests_.confirmSolver([this](bool confirmed) {
        if (confirmed) solveVisibly();
    });
}

void Game::solveVisibly() {
    if (solving()) return;
    if (choice_.selectedName().empty()) {
        requests_.message("Tuto úroveň je možno zvolit jen pokud je vybrána úloha!");
        return;
    }
    // The search would have no square to start from.
    if (!hasEntrySquare(board_)) {
        requests_.message("Úloha nemá žádné políčko k vyplnění!");
        return;
    }

    // From here every command but "přeruš" is off, every digit is checked and
    // no run is completed; the player's options wait.
    solverRun_.begin();
    redo_.clear();
    screen_.redoButton = false;

    if (history_.moveCount > 0) {
        // The restart clears the board but the player's notes, which the
        // solver's digits hide.
        const BoardNotes notes = notesOfBoard(board_);
        loadTask();
        putNotesOnBoard(board_, notes);
        notesOnBoard_ = hasNotes(board_);
        showAllNotes();
        // A restart that failed (the task file is gone or broken) has said
        // so; the player's game stays as it was and is not searched.
        if (history_.moveCount > 0) {
            endSolve(SolveEnd::kStopped);
            return;
        }
    }
    // The game on the board is the solver's now: no time of it is the player's.
    aids_.bySolver = true;

    prefillForced(board_, *this);
    solverRun_.startSearch(buildSearchList(board_), *this, options_.solverSpeed);
    screen_.solverClockCaption = elapsedText(0);
    screen_.solverClock = true;
    screen_.stopButton = true;
}

void Game::advanceSolve(SolverRun::Clock::time_point now) {
    // While "přeruš" waits for its answer the search waits too.
    if (!solverRun_.searching() || requests_.awaitingAnswer()) return;
    const std::optional<SolveEnd> end = solverRun_.advance(now);
    screen_.solverClockCaption = elapsedText(solverRun_.elapsedSeconds(now));
    if (!end) return;
    screen_.stopButton = false;
    screen_.solverClock = false;
    endSolve(*end);
}

void Game::stopSolving() {
    if (!solving() || !screen_.stopButton || !solverRun_.searching()) return;
    requests_.askYesNo("Chcete skutečně ukončit proces hledání řešení?", [this](bool yes) {
        if (yes) solverRun_.requestStop();
    });
}

void Game::endSolve(SolveEnd end) {
    solverRun_.end(end);
    // A restart during the solve hid " proveď kontroly" for the checking the
    // solver switched on; with the player's own setting back, so is the button.
    if (screen_.boardPanel) screen_.checkButton = !options_.checking;
    screen_.markButton = false;
    screen_.undoButton = false;
    screen_.undoToMarkButton = false;
}

std::string_view Game::selectForSolver(int row, int column) {
    selectWithHints(row, column);
    return solverCandidates_;
}

bool Game::enterForSolver(int row, int column, int digit, bool byPlayer) {
    return enterDigit(row, column, digit, true, byPlayer);
}

void Game::undoForSolver() {
    undoStep();
}

void Game::setSolverSpeed(SolverSpeed speed) {
    if (!solving()) options_.solverSpeed = speed;
}

void Game::reportUnsolvable() {
    requests_.message("Tato úloha není řešitelná!");
}

}  // namespace krizovky
