// "&Ulož" and "&Načti": the game in progress written to a file and read back.
#include <algorithm>

#include "app/game.h"
#include "history/saved_game.h"
#include "model/errors.h"
#include "model/text.h"

namespace krizovky {
namespace {

FileDialog savedGameDialog(const DataFileNames& names, bool forSaving) {
    FileDialog dialog =
        fileDialogIn(names.programDir, "uložené rozpracované úlohy", "uložené", "ulo");
    dialog.fileMustExist = !forSaving;
    dialog.forSaving = forSaving;
    return dialog;
}

// The file's name without its folder, as the player chose it.
std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void Game::saveGame() {
    saveGameThen([](bool) {});
}

void Game::saveGameThen(std::function<void(bool written)> then) {
    // Without a task on the board there is no game to save.
    if (solving() || !screen_.boardPanel) return then(false);
    requests_.chooseFile(
        savedGameDialog(names_, true), [this, then](const std::optional<std::string>& path) {
            if (!path || solving()) return then(false);
            try {
                storage_.replace(Place::kChosen, *path,
                                 encodeSavedGame(board_, history_, extrasToSave()));
            } catch (const RunError& e) {
                requests_.failure(e.what());
                return then(false);
            }
            unsavedMoves_ = false;
            then(true);
        });
}

void Game::confirmQuit() {
    quitConfirmed_ = false;
    if (!playerFiles_.keptGame.empty() && keepGame()) {
        quitConfirmed_ = true;
        return;
    }
    if (solving() || !unsavedMoves_ || (history_.moveCount == 0 && !hasNotes(board_))) {
        quitConfirmed_ = true;
        return;
    }
    requests_.askYesNoCancel("Uložit rozehranou hru?", [this](Answer answer) {
        switch (answer) {
            case Answer::kYes:
                saveGameThen([this](bool written) { quitConfirmed_ = written; });
                break;
            case Answer::kNo:
                quitConfirmed_ = true;
                break;
            case Answer::kCancel:
                break;
        }
    });
}

void Game::loadGame() {
    if (solving()) return;
    requests_.chooseFile(savedGameDialog(names_, false),
                         [this](const std::optional<std::string>& path) {
                             if (path && !solving()) loadChosenGame(*path);
                         });
}

void Game::loadChosenGame(const std::string& path) {
    // The whole file is read and judged before anything of the game changes.
    std::string bytes;
    try {
        bytes = storage_.read(Place::kChosen, path, kLargestSavedGame + 1);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    leaveTask([this, bytes, name = baseName(path)] { loadSavedGame(bytes, name); });
}

void Game::loadSavedGame(std::string_view bytes, const std::string& fileName) {
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(bytes, saved, problem)) {
        requests_.message("Soubor " + fileName + " nelze načíst jako uloženou hru: " + problem +
                          ".");
        return;
    }

    const int oldRows = board_.rowCount, oldColumns = board_.colCount;
    screen_.markButton = false;
    screen_.undoButton = false;
    screen_.undoToMarkButton = false;
    screen_.duplicateLegend = false;
    screen_.wrongSumLegend = false;
    history_.colouringShown = false;
    releaseSquares(oldRows, oldColumns);
    popup_ = {};

    const bool built = board_.boardBuilt;
    board_ = saved.board;
    board_.boardBuilt = built;
    // The previous size on file has no use: it is the size of the board this
    // load replaced.
    board_.prevRowCount = static_cast<std::uint8_t>(oldRows);
    board_.prevColCount = static_cast<std::uint8_t>(oldColumns);
    history_.moves = saved.moves;
    history_.moveCount = saved.moveCount;
    history_.markCount = saved.markCount;
    // What the Moves took of the notes and what was undone stay with the game
    // that was on screen.
    history_.removedNotes = {};
    redo_.clear();
    screen_.redoButton = false;
    screen_.notesButton = true;
    notesOnBoard_ = hasNotes(board_);
    // "nastav značku" marks the square of the newest loaded Move next.
    if (history_.moveCount > 0) {
        const Move& newest = history_.move(history_.moveCount);
        history_.noteLastPlayerMove(newest.row, newest.col);
    }

    screen_.markButton = history_.moveCount > 0;
    screen_.undoButton = true;
    screen_.undoToMarkButton = history_.markCount > 0;
    for (int k = 1; k <= 4; ++k)
        screen_.swatch[k] = k <= history_.markCount;
    buildLoadedSquares();
    unsavedMoves_ = false;
    // The game goes on as the file has it; it is still a game of the task
    // on the board only when the squares are the task's.
    if (taskHash(board_) != boardTask_.taskHash) boardTask_ = {};
    beginPlay(saved.extras.seconds);
    showTaskProblem();
}

void Game::buildLoadedSquares() {
    const int size = board_.rowCount * board_.colCount;
    setGauge(0, size);
    screen_.squaresBuild = SquaresBuild::kSavedGame;
    for (int r = 1; r <= board_.rowCount; ++r) {
        for (int c = 1; c <= board_.colCount; ++c) {
            setGauge(std::min(15 * r + c, size), size);
            Cell& cell = board_.at(r, c);
            // Only an entry square shows a digit. Files of earlier versions
            // may carry a digit that a previous task left in what is now a
            // clue or a blank square: it has no meaning and goes.
            if (cell.kind != kEntry) cell.digit = 0;
            SquareLook look = newSquare(r, c);
            if (cell.digit != 0) look.caption = std::string(1, static_cast<char>('0' + cell.digit));
            screen_.square(r, c) = look;
            showNotes(r, c);
            paintSquare(r, c, kNaturalColour);
        }
    }
    screen_.loadGauge.visible = false;
    screen_.boardPanel = true;
}

}  // namespace krizovky
