// "70" under "&IQ": the program solves the loaded task by itself on the
// player's board, through the same click, entry and undo as the player, with
// the elapsed time above the board and "přeruš" to stop it.
#include <cstdio>

#include "app/solver_session.h"

#include "app/game_persistence.h"
#include "app/moves_and_notes.h"
#include "app/play_session.h"
#include "app/task_library.h"
#include "history/notes.h"
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

void SolverSession::askToSolve() {
    if (solving()) return;
    requests_.confirmSolver([this](bool confirmed) {
        if (confirmed) solveVisibly();
    });
}

void SolverSession::solveVisibly() {
    if (solving()) return;
    if (tasks_.selectedTaskName().empty()) {
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
    run_.begin();
    moves_.forgetRedo();

    if (history_.moveCount > 0) {
        // The restart clears the board but the player's notes, which the
        // solver's digits hide.
        const BoardNotes notes = notesOfBoard(board_);
        tasks_.loadTask();
        putNotesOnBoard(board_, notes);
        moves_.notesPutBack();
        // A restart that failed (the task file is gone or broken) has said
        // so; the player's game stays as it was and is not searched.
        if (history_.moveCount > 0) {
            endSolve(SolveEnd::kStopped);
            return;
        }
    }
    // The game on the board is the solver's now: no time of it is the player's.
    persistence_.noteSolver();

    prefillForced(board_, *this);
    run_.startSearch(buildSearchList(board_), *this, options_.solverSpeed);
    screen_.solverClockCaption = elapsedText(0);
    screen_.solverClock = true;
    screen_.stopButton = true;
}

void SolverSession::advanceSolve(SolverRun::Clock::time_point now) {
    // While "přeruš" waits for its answer the search waits too.
    if (!run_.searching() || requests_.awaitingAnswer()) return;
    const std::optional<SolveEnd> end = run_.advance(now);
    screen_.solverClockCaption = elapsedText(run_.elapsedSeconds(now));
    if (!end) return;
    screen_.stopButton = false;
    screen_.solverClock = false;
    endSolve(*end);
}

void SolverSession::stopSolving() {
    if (!solving() || !screen_.stopButton || !run_.searching()) return;
    requests_.askYesNo("Chcete skutečně ukončit proces hledání řešení?", [this](bool yes) {
        if (yes) run_.requestStop();
    });
}

void SolverSession::endSolve(SolveEnd end) {
    run_.end(end);
    // A restart during the solve hid " proveď kontroly" for the checking the
    // solver switched on; with the player's own setting back, so is the button.
    if (screen_.boardPanel) screen_.checkButton = !options_.checking;
    screen_.markButton = false;
    screen_.undoButton = false;
    screen_.undoToMarkButton = false;
}

std::string_view SolverSession::selectForSolver(int row, int column) {
    return play_.selectForSolver(row, column);
}

bool SolverSession::enterForSolver(int row, int column, int digit, bool byPlayer) {
    return play_.enterDigit(row, column, digit, true, byPlayer);
}

void SolverSession::undoForSolver() {
    moves_.undoStep();
}

void SolverSession::setSolverSpeed(SolverSpeed speed) {
    if (!solving()) options_.solverSpeed = speed;
}

void SolverSession::reportUnsolvable() {
    requests_.message("Tato úloha není řešitelná!");
}

void SolverSession::stopForQuit() {
    run_.requestStop();
    advanceSolve(SolverRun::Clock::now());
}

}  // namespace krizovky
