// What the game keeps for the player between starts: the time of play, the
// record of results written at each congratulation, and the game in progress
// kept on closing and taken up at the next start.
#include <algorithm>
#include <cstdint>

#include "app/game_persistence.h"
#include "app/games_in_progress.h"
#include "app/solver_session.h"
#include "app/statistics.h"
#include "app/task_library.h"
#include "history/damaged_file.h"
#include "history/notes.h"
#include "history/saved_game.h"
#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/explanations.h"
#include "solver/task_check.h"

namespace krizovky {
namespace {

// A stored file's stamp, ended so that two stamps follow each other unmixed.
std::string fileStamp(Storage& storage, Place place, const std::string& name) {
    return storage.stamp(place, name) + "|";
}

Level levelOfIq(int iq) {
    return iq == 160 ? Level::k160 : iq == 130 ? Level::k130 : Level::k100;
}

// The logical solver's grade of the task on the board; empty for a task
// without exactly one solution.
std::string gradeOf(const Board& board, const CombinationTable& table) {
    Board task = board;
    for (int r = 1; r <= task.rowCount; ++r)
        for (int c = 1; c <= task.colCount; ++c)
            if (task.at(r, c).kind == kEntry) task.at(r, c).digit = 0;
    const TaskCheck check = checkTask(task, table);
    return check.verdict == TaskVerdict::kUnique ? difficultyName(check.difficulty) : "";
}

// Why the kept game cannot be taken up; nothing when it can.
std::optional<std::string> keptGameProblem(const KeptGame& kept, Storage& storage, Place place) {
    SavedGame game;
    std::string problem;
    if (!decodeSavedGame(kept.savedGame, game, problem))
        return "soubor je poškozený (" + problem + ")";
    if (taskHash(game.board) != kept.taskHash)
        return std::string("soubor je poškozený (deska neodpovídá své úloze)");
    if (kept.taskName.empty()) return std::nullopt;  // a saved game of a task not known

    const std::string quoted = "\"" + kept.taskName + "\"";
    Board task;
    try {
        if (!readTask(storage, place, kept.taskFile, cp1250FromUtf8(kept.taskName), task))
            return "úloha " + quoted + " už v souboru úloh " + kept.taskFile + " není";
    } catch (const RunError& e) {
        return "soubor úloh " + kept.taskFile + " nelze přečíst (" + e.what() + ")";
    }
    if (taskHash(task) != kept.taskHash)
        return "úloha " + quoted + " se v souboru úloh od té doby změnila";
    return std::nullopt;
}

}  // namespace

void GamePersistence::noteLevel(int iq) {
    aids_.level = std::min(aids_.level, iq);
}

bool GamePersistence::finishPlay() {
    if (finished_) return false;
    finished_ = true;
    clock_.stop();
    updatePlayClock();
    return true;
}

bool GamePersistence::solving() const {
    return solver_.solving();
}

void GamePersistence::beginPlay(long seconds) {
    clock_.restart(seconds);
    setPaused(false);
    // The level counts from the first square the player selects.
    aids_ = {};
    finished_ = false;
    screen_.playClock = true;
    updatePlayClock();
}

void GamePersistence::togglePause() {
    // Only a game that is on: its clock runs and no solve or box stands.
    if (!screen_.paused && (solving() || !clock_.running() || requests_.awaitingAnswer())) return;
    setPaused(!screen_.paused);
}

void GamePersistence::setPaused(bool paused) {
    screen_.paused = paused;
    clock_.setPaused(paused);
}

bool GamePersistence::updatePlayClock() {
    const std::string caption = formatPlayTime(clock_.seconds());
    if (caption == screen_.playClockCaption) return false;
    screen_.playClockCaption = caption;
    return true;
}

SavedGameExtras GamePersistence::extrasToSave() const {
    SavedGameExtras extras;
    extras.notes = notesOfBoard(board_);
    extras.seconds =
        static_cast<std::uint32_t>(std::min<std::int64_t>(clock_.seconds(), UINT32_MAX));
    extras.hasBlock = false;
    return extras;
}

ResultsRecord GamePersistence::readRecord() {
    const std::string& path = playerFiles_.record;
    if (path.empty() || recordUnusable_) return {};
    std::string problem;
    try {
        if (!storage_.exists(Place::kState, path)) return {};
        return ResultsRecord::decode(storage_.read(Place::kState, path));
    } catch (const DamagedFileError& e) {
        problem = damagedFileText(e, path);
    } catch (const RunError& e) {
        problem = std::string("soubor nelze přečíst (") + e.what() + ")";
    }
    const std::string why = "Záznam vašich výsledků se nepodařilo načíst: " + problem;
    try {
        const std::string aside = setAsideFileName(storage_, Place::kState, path);
        requests_.message(why + ". Byl uložen stranou jako " + aside +
                          "; výsledky se budou zapisovat do nového záznamu.");
    } catch (const RunError& failed) {
        // Written over, the old record would be lost: it stays as it is.
        recordUnusable_ = true;
        requests_.message(why + ". Nelze ho ani uložit stranou (" + failed.what() +
                          "), výsledky se do něj do konce hry nezapíší.");
    }
    return {};
}

void GamePersistence::recordResult() {
    // A game kept at an earlier closing is finished now: it must not come
    // back, even when the program does not close as it should.
    if (!playerFiles_.keptGame.empty()) storage_.remove(Place::kState, playerFiles_.keptGame);
    dropGameInProgress(boardTask_);
    const std::string& path = playerFiles_.record;
    if (path.empty()) return;
    GameResult result;
    result.taskFile = recordText(boardTask_.taskFile);
    result.taskName = utf8FromCp1250(boardTask_.taskName);
    result.taskHash = taskHash(board_);
    result.grade = gradeOf(board_, table_);
    result.finishedAt = localTimeNow();
    result.seconds = clock_.seconds();
    // "70" is the solver's item of "&IQ".
    result.level = aids_.bySolver ? 70 : aids_.level;
    result.nextSteps = aids_.nextSteps;
    result.checked = aids_.checked;
    result.bySolver = aids_.bySolver;

    ResultsRecord record = readRecord();
    if (recordUnusable_) return;
    record.results.push_back(result);
    try {
        storage_.makeFolderFor(Place::kState, path);
        storage_.replace(Place::kState, path, record.encode());
    } catch (const RunError& e) {
        requests_.failure("Výsledek se nepodařilo zapsat do záznamu " + path + ": " + e.what());
    }
    markSolvedTasks();
}

void GamePersistence::markSolvedTasks() {
    if (playerFiles_.record.empty()) return;
    const CalendarDate today = localToday();
    // The list is filled again each time its window becomes active, and a
    // task file may hold 100,000 tasks: the ticks are worked out anew only
    // when the task file, the record or the names have changed.
    const std::string stamp =
        fileStamp(storage_, tasks_.choice().taskFilePlace(), tasks_.choice().taskFilePath()) +
        fileStamp(storage_, Place::kState, playerFiles_.record) +
        std::to_string(tasks_.choice().names().size()) + formatCalendarDate(today);
    if (stamp == solvedStamp_) return;
    const ResultsRecord record = readRecord();
    tasks_.choice().setDailyStatus(dailyTaskStatus(record, today));
    tasks_.choice().setSolved(solvedTasks(record, storage_, tasks_.choice().taskFilePlace(),
                                          tasks_.choice().taskFilePath(), tasks_.choice().names()));
    solvedStamp_ = stamp;
}

void GamePersistence::markTasksInProgress() {
    if (playerFiles_.gamesInProgress.empty()) return;
    // Worked out anew only when the task file, the kept games or the names
    // have changed, as the ticks are.
    const std::string& taskFile = tasks_.choice().taskFilePath();
    const auto& names = tasks_.choice().names();
    const auto stampNow = [&] {
        return fileStamp(storage_, tasks_.choice().placeOf(taskFile), taskFile) +
               fileStamp(storage_, Place::kState, playerFiles_.gamesInProgress) +
               std::to_string(names.size());
    };
    if (stampNow() != keptTasksStamp_) {
        std::vector<KeptGame> games;
        readGamesInProgress(games);
        keptTasks_ =
            tasksInProgress(games, storage_, tasks_.choice().placeOf(taskFile), taskFile, names);
        // A damaged file set aside has changed the stamp.
        keptTasksStamp_ = stampNow();
    }
    std::map<std::string, std::string> inProgress = keptTasks_;
    // The game on the board is in progress too, at its time now.
    if (gameInProgress() && boardTask_.taskFile == taskFile &&
        std::find(names.begin(), names.end(), boardTask_.taskName) != names.end())
        inProgress[boardTask_.taskName] = inProgressText(clock_.seconds());
    tasks_.choice().setInProgress(std::move(inProgress));
}

ResultsScreen GamePersistence::resultsScreen(CalendarDate today) {
    return resultsScreenOf(readRecord(), today);
}

bool GamePersistence::gameInProgress() const {
    return !solving() && !finished_ && (history_.moveCount > 0 || hasNotes(board_)) &&
           screen_.boardPanel;
}

KeptGame GamePersistence::gameToKeep() const {
    KeptGame kept;
    kept.taskFile = boardTask_.taskFile;
    kept.taskName = utf8FromCp1250(boardTask_.taskName);
    kept.taskHash = taskHash(board_);
    kept.aids = aids_;
    kept.iq = iqOf(options_.level);
    kept.autoFill = options_.autoFill;
    kept.checking = options_.checking;
    kept.savedGame = encodeSavedGame(board_, history_, extrasToSave());
    return kept;
}

bool GamePersistence::keepGame() {
    const std::string& path = playerFiles_.keptGame;
    if (!gameInProgress()) {
        // An older kept game must not come back at the next start.
        storage_.remove(Place::kState, path);
        return true;
    }
    try {
        storage_.makeFolderFor(Place::kState, path);
        storage_.replace(Place::kState, path, encodeKeptGame(gameToKeep()));
    } catch (const RunError& e) {
        requests_.failure(
            std::string("Rozehranou hru se nepodařilo uschovat pro příští spuštění: ") + e.what());
        return false;
    }
    return true;
}

bool GamePersistence::resumeKeptGame() {
    const std::string& path = playerFiles_.keptGame;
    if (path.empty() || solving() || !storage_.exists(Place::kState, path)) return false;
    KeptGame kept;
    std::optional<std::string> problem;
    std::string text;
    try {
        text = storage_.read(Place::kState, path, kLargestKeptGame);
        try {
            kept = decodeKeptGame(text);
            problem = keptGameProblem(kept, storage_, tasks_.choice().placeOf(kept.taskFile));
        } catch (const DamagedFileError& e) {
            problem = damagedFileText(e, path);
        }
    } catch (const RunError& e) {
        problem = std::string("soubor nelze přečíst (") + e.what() + ")";
    }
    if (problem) {
        const std::string why = "Rozehranou hru se nepodařilo načíst: " + *problem;
        try {
            requests_.message(why + ". Byl uložen stranou jako " +
                              setAsideFileName(storage_, Place::kState, path) + ".");
        } catch (const RunError& e) {
            requests_.message(why + ". Její soubor " + path + " nelze ani odložit (" + e.what() +
                              ").");
        }
        return false;
    }

    const std::string name = cp1250FromUtf8(kept.taskName);
    boardTask_ = {kept.taskFile, name, kept.taskHash};
    if (!name.empty()) {
        tasks_.setTaskFilePath(kept.taskFile);
        tasks_.setSelectedTaskName(name);
        tasks_.nameTaskOnBoard(name);
    }
    takeUpGame(kept, path);
    return true;
}

void GamePersistence::takeUpGame(const KeptGame& kept, const std::string& fileName) {
    options_.level = levelOfIq(kept.iq);
    options_.autoFill = kept.autoFill;
    options_.checking = kept.checking;
    loadSavedGame(kept.savedGame, fileName);
    screen_.checkButton = !options_.checking;
    aids_ = kept.aids;
}

}  // namespace krizovky
