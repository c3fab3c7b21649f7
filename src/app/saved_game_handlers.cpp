// "&Ulož" and "&Načti": the game in progress written to a file and read back.
#include <algorithm>

#include "app/game_help.h"
#include "app/game_persistence.h"
#include "app/moves_and_notes.h"
#include "app/play_session.h"
#include "app/solver_session.h"
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

void GamePersistence::saveGame() {
    saveGameThen([](bool) {});
}

void GamePersistence::saveGameThen(std::function<void(bool written)> then) {
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
            moves_.gameSaved();
            then(true);
        });
}

void GamePersistence::confirmQuit() {
    quitConfirmed_ = false;
    if (!playerFiles_.keptGame.empty() && keepGame()) {
        quitConfirmed_ = true;
        return;
    }
    if (solving() || !moves_.unsavedMoves() || (history_.moveCount == 0 && !hasNotes(board_))) {
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

void GamePersistence::loadGame() {
    if (solving()) return;
    requests_.chooseFile(savedGameDialog(names_, false),
                         [this](const std::optional<std::string>& path) {
                             if (path && !solving()) loadChosenGame(*path);
                         });
}

void GamePersistence::loadChosenGame(const std::string& path) {
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

void GamePersistence::loadSavedGame(std::string_view bytes, const std::string& fileName) {
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
    play_.releaseSquares(oldRows, oldColumns);
    play_.forgetPopupSquare();

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
    moves_.startBoard();
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
    play_.buildLoadedSquares();
    // The game goes on as the file has it; it is still a game of the task
    // on the board only when the squares are the task's.
    if (taskHash(board_) != boardTask_.taskHash) boardTask_ = {};
    beginPlay(saved.extras.seconds);
    help_.showTaskProblem();
}

}  // namespace krizovky
