// The games in progress kept per task: a task the player leaves for another
// keeps its game in the state folder, and choosing the task again takes the
// game up where it stood.
#include "app/games_in_progress.h"

#include <algorithm>

#include "app/game_persistence.h"
#include "app/results_view.h"
#include "app/solver_session.h"
#include "app/task_library.h"
#include "history/damaged_file.h"
#include "history/notes.h"
#include "history/saved_game.h"
#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

// The time of play a kept game's saved game holds; nothing for one that is
// not sound.
std::optional<long> keptSeconds(const KeptGame& kept) {
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(kept.savedGame, saved, problem)) return std::nullopt;
    return static_cast<long>(saved.extras.seconds);
}

}  // namespace

bool isGameOf(const KeptGame& kept, const RecordedTask& task) {
    return !task.taskName.empty() && kept.taskFile == task.taskFile &&
           kept.taskName == utf8FromCp1250(task.taskName) && kept.taskHash == task.taskHash;
}

std::string inProgressText(long seconds) {
    return "rozehráno " + formatPlayTime(seconds);
}

std::map<std::string, std::string> tasksInProgress(const std::vector<KeptGame>& games,
                                                   Storage& storage, Place place,
                                                   const std::string& taskFile,
                                                   const std::vector<std::string>& names) {
    std::map<std::string, const KeptGame*> kept;  // by the name as the list has it
    for (const KeptGame& game : games)
        if (game.taskFile == taskFile) kept.try_emplace(cp1250FromUtf8(game.taskName), &game);
    std::map<std::string, std::string> inProgress;
    const auto hashes =
        taskHashesOf(storage, place, taskFile, names,
                     [&kept](const std::string& name) { return kept.contains(name); });
    for (const auto& [name, hash] : hashes) {
        const KeptGame& game = *kept.at(name);
        // A task changed since is another task: its old game is not its own.
        if (hash != game.taskHash) continue;
        if (const auto seconds = keptSeconds(game)) inProgress[name] = inProgressText(*seconds);
    }
    return inProgress;
}

bool GamePersistence::readGamesInProgress(std::vector<KeptGame>& games) {
    games.clear();
    const std::string& path = playerFiles_.gamesInProgress;
    if (path.empty() || !storage_.exists(Place::kState, path)) return true;
    std::string problem;
    try {
        games = decodeKeptGames(storage_.read(Place::kState, path, kLargestGamesInProgress));
        return true;
    } catch (const DamagedFileError& e) {
        problem = damagedFileText(e, path);
    } catch (const RunError& e) {
        problem = std::string("soubor nelze přečíst (") + e.what() + ")";
    }
    games.clear();
    const std::string why = "Rozehrané úlohy se nepodařilo načíst: " + problem;
    try {
        requests_.message(why + ". Byl uložen stranou jako " +
                          setAsideFileName(storage_, Place::kState, path) +
                          "; rozehrané úlohy se budou ukládat do nového souboru.");
        return true;
    } catch (const RunError& failed) {
        // Written over, the games it holds would be lost: it stays.
        requests_.message(why + ". Nelze ho ani uložit stranou (" + failed.what() + ").");
        return false;
    }
}

void GamePersistence::leaveTask(const std::function<void()>& then) {
    if (keepGameInProgress()) return then();
    requests_.askYesNo("Rozehraná hra se ztratí. Pokračovat?", [then](bool yes) {
        if (yes) then();
    });
}

bool GamePersistence::keepGameInProgress() {
    const std::string& path = playerFiles_.gamesInProgress;
    if (path.empty() || solving()) return true;
    if (!gameInProgress()) {
        dropGameInProgress(boardTask_);
        return true;
    }
    // A saved game of a task not known has no task to be kept with.
    if (!boardTask_.taskName.empty()) {
        std::vector<KeptGame> games;
        if (readGamesInProgress(games)) {
            std::erase_if(games,
                          [this](const KeptGame& kept) { return isGameOf(kept, boardTask_); });
            games.insert(games.begin(), gameToKeep());
            if (games.size() > kMostGamesInProgress) games.resize(kMostGamesInProgress);
            try {
                storage_.makeFolderFor(Place::kState, path);
                storage_.replace(Place::kState, path, encodeKeptGames(games));
                return true;
            } catch (const RunError&) {
                // The question of leaveTask says what it means for the player.
            }
        }
    }
    return false;
}

void GamePersistence::takeUpTaskGame() {
    // Only a fresh board of the chosen task takes its game up: a load that
    // failed left the game before it on the board.
    if (playerFiles_.gamesInProgress.empty() || boardTask_.taskName.empty() ||
        boardTask_.taskName != tasks_.choice().selectedName() ||
        boardTask_.taskFile != tasks_.choice().taskFilePath() || history_.moveCount > 0 ||
        hasNotes(board_))
        return;
    std::vector<KeptGame> games;
    if (!readGamesInProgress(games)) return;
    const auto found = std::find_if(games.begin(), games.end(), [this](const KeptGame& kept) {
        return isGameOf(kept, boardTask_);
    });
    if (found == games.end()) return;
    const KeptGame kept = *found;
    games.erase(found);
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(kept.savedGame, saved, problem) ||
        taskHash(saved.board) != kept.taskHash) {
        if (problem.empty()) problem = "deska neodpovídá své úloze";
        requests_.message("Rozehranou hru úlohy \"" + kept.taskName +
                          "\" nelze obnovit: soubor je poškozený (" + problem +
                          "). Úloha začíná znovu.");
    } else {
        takeUpGame(kept, playerFiles_.gamesInProgress);
    }
    // On the board now, the game is kept again when the player leaves it.
    try {
        storage_.replace(Place::kState, playerFiles_.gamesInProgress, encodeKeptGames(games));
    } catch (const RunError&) {
        // Left in the file, the entry gives this game back as it was now.
    }
}

void GamePersistence::dropGameInProgress(const RecordedTask& task) {
    if (playerFiles_.gamesInProgress.empty() || task.taskName.empty()) return;
    std::vector<KeptGame> games;
    if (!readGamesInProgress(games) ||
        std::erase_if(games, [&task](const KeptGame& kept) { return isGameOf(kept, task); }) == 0)
        return;
    try {
        storage_.replace(Place::kState, playerFiles_.gamesInProgress, encodeKeptGames(games));
    } catch (const RunError&) {
        // The entry left brings back an older game of the task, which loses
        // the player nothing.
    }
}

}  // namespace krizovky
