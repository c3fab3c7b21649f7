// "70" under "&IQ": the program solves the loaded task by itself on the
// player's board, through the same click, entry and undo as the player, with
// the elapsed time above the board and "přeruš" to stop it.
#include <cstdio>

#include "app/game.h"
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
    if (host_.confirmSolver()) solveVisibly();
}

void Game::solveVisibly() {
    if (solving()) return;
    if (selectedTaskName_.empty()) {
        host_.message(cp1250FromUtf8("Tuto úroveň je možno zvolit jen pokud je vybrána úloha!"));
        return;
    }
    // The search would have no square to start from.
    if (!hasEntrySquare(board_)) {
        host_.message(cp1250FromUtf8("Úloha nemá žádné políčko k vyplnění!"));
        return;
    }

    kept_ = {level_, screen_.menu.k1, autoFillOn_};
    level_ = Level::k70;
    screen_.menu.k1 = true;
    autoFillOn_ = false;
    screen_.solverRunning = true;
    lastSolve_ = {};

    if (history_.moveCount > 0) {
        loadTask();
        // A restart that failed (the task file is gone or broken) has said
        // so; the player's game stays as it was and is not searched.
        if (history_.moveCount > 0) {
            restoreOptions();
            screen_.solverRunning = false;
            lastSolve_.end = SolveEnd::kStopped;
            return;
        }
    }

    prefillForced(board_, *this);
    SolverSearch search(buildSearchList(board_), *this);
    search_ = &search;
    solveStart_ = std::chrono::steady_clock::now();
    shownSeconds_ = 0;
    placementsSinceClock_ = 0;
    screen_.solverClockCaption = elapsedText(0);
    screen_.solverClock = true;
    screen_.stopButton = true;

    const SolveEnd end = search.run();

    search_ = nullptr;
    screen_.stopButton = false;
    restoreOptions();
    screen_.solverClock = false;
    screen_.solverRunning = false;
    lastSolve_ = {end, search.placements(), search.backtracks()};
}

void Game::stopSolving() {
    if (!solving() || !screen_.stopButton || search_ == nullptr) return;
    if (host_.askYesNo(cp1250FromUtf8("Chcete skutečně ukončit proces hledání řešení?")))
        search_->requestStop();
}

void Game::restoreOptions() {
    level_ = kept_.level;
    screen_.menu.k1 = kept_.checking;
    autoFillOn_ = kept_.autoFill;
    // A restart during the solve hid " proveď kontroly" for the checking the
    // solver switched on; with the player's own setting back, so is the button.
    if (screen_.boardPanel) screen_.checkButton = !screen_.menu.k1;
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

void Game::afterPlacement() {
    // The caption shows whole seconds, and even in the window 16 placements
    // take far less than one: reading the clock more often would cost the
    // search without showing anything more.
    if (++placementsSinceClock_ == 16) {
        placementsSinceClock_ = 0;
        const auto elapsed = std::chrono::steady_clock::now() - solveStart_;
        const long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
        if (seconds != shownSeconds_) {
            shownSeconds_ = seconds;
            screen_.solverClockCaption = elapsedText(seconds);
        }
    }
    host_.processEvents();
}

void Game::reportUnsolvable() {
    host_.message(cp1250FromUtf8("Tato úloha není řešitelná!"));
    restoreOptions();
}

}  // namespace krizovky
