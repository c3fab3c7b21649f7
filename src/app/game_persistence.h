#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_state.h"
#include "app/play_clock.h"
#include "app/player_files.h"
#include "app/results_view.h"
#include "app/statistics.h"
#include "history/kept_game.h"
#include "history/results_record.h"
#include "history/saved_game_extension.h"

namespace krizovky {

class GameHelp;
class MovesAndNotes;
class PlaySession;
class SolverSession;
class TaskLibrary;

// What outlives the game on the board: the saved game of "&Ulož" and
// "&Načti", the game kept on closing and the games kept per task, the record
// of results with its ticks in the task list, the time of play, and what has
// helped the player in the game.
class GamePersistence {
  public:
    GamePersistence(GameState& state, PlaySession& play, MovesAndNotes& moves, GameHelp& help,
                    SolverSession& solver, TaskLibrary& tasks)
        : board_(state.board),
          history_(state.history),
          screen_(state.screen),
          options_(state.options),
          requests_(state.requests),
          table_(state.table),
          names_(state.names),
          storage_(state.storage),
          play_(play),
          moves_(moves),
          help_(help),
          solver_(solver),
          tasks_(tasks) {}

    // "&Ulož" and "&Načti": the game in progress to a file and back. A file
    // that is not a sound saved game is refused and the game stays as it was.
    void saveGame();
    void loadGame();
    // The second half of "&Načti": the bytes of the chosen file, named by
    // fileName (as the file system has it) in a refusal.
    void loadSavedGame(std::string_view bytes, const std::string& fileName);
    // "&Konec" and closing the window: quitConfirmed() tells, once the
    // questions are answered, whether the program may end. With the
    // player's files, the game in progress is kept for the next start.
    // Without them, or when keeping fails, Moves made since the last save or
    // load are offered for saving first; Cancel, or a save that did not
    // happen, keeps the program running.
    void confirmQuit();
    bool quitConfirmed() const { return quitConfirmed_; }

    // The player's own files: the record of results, written at each
    // congratulation, and the game kept on closing. Without them the game
    // records and keeps nothing.
    void usePlayerFiles(PlayerFiles files) { playerFiles_ = std::move(files); }
    // "&Konec" and closing the window: the game in progress to the kept game's
    // file, or the file removed when there is nothing to keep. False when it
    // could not be written (the player has been told). A web page, which may
    // be closed at any moment, keeps the game so after every change.
    bool keepGame();
    // At start: the game kept at the last closing taken up as it was, its
    // task chosen and named above the board. A kept game that no longer loads
    // is set aside with a message. False when no game was taken up.
    bool resumeKeptGame();
    // "&Moje výsledky": the player's record in numbers, the streaks up to
    // today.
    ResultsScreen resultsScreen(CalendarDate today);
    // The time of play of the game on the board. The window tells it when it
    // is minimized, inactive or shows a modal box, and gives it a clock.
    PlayClock& playClock() { return clock_; }
    // The clock's caption brought up to the time; true when it changed.
    bool updatePlayClock();
    // "&Pauza" and P: the clock stops and the board is covered until the
    // player goes on (the same again). Only a game that is on pauses; a
    // fresh game begins unpaused.
    void togglePause();
    bool paused() const { return screen_.paused; }
    // What has helped the player in the game on the board so far.
    const GameAids& aids() const { return aids_; }

    // For the other parts of the game.
    // A game begins on the board (a task, a saved game, a kept one): the
    // clock from seconds, nothing has helped yet.
    void beginPlay(long seconds);
    // The task whose game is on the board: its file, name (Windows-1250) and
    // taskHash; all empty when a saved game of some other task was loaded.
    const RecordedTask& boardTask() const { return boardTask_; }
    void setBoardTask(RecordedTask task) { boardTask_ = std::move(task); }
    // What helps the player: a square selected at the IQ, "&Další krok", a
    // comparison with the solution, "70".
    void noteLevel(int iq);
    void noteNextStep() { ++aids_.nextSteps; }
    void noteCheck() { aids_.checked = true; }
    void noteSolver() { aids_.bySolver = true; }
    // The board is full and right: the clock stands from here; false when
    // it was so before (a board filled again after a change counts once).
    bool finishPlay();
    // The congratulation: the result goes into the record.
    void recordResult();
    // The ticks of the task list from the record, and its marks for tasks in
    // progress.
    void markSolvedTasks();
    void markTasksInProgress();
    // The games in progress kept per task (games_in_progress.cpp). Before
    // another task or game replaces the board: the game on it kept among
    // them, or its task's entry dropped when there is nothing to keep; then
    // runs then. When it cannot be kept, the player is asked whether to lose
    // it, and then runs after a Yes only.
    void leaveTask(const std::function<void()>& then);
    // After a fresh load of a chosen task: the game kept for it, if any,
    // taken up instead and its entry dropped.
    void takeUpTaskGame();
    // "&Znovu" and the congratulation: the task's kept game goes.
    void dropGameInProgress(const RecordedTask& task);

  private:
    // "&Ulož", then then(true) when the game was written.
    void saveGameThen(std::function<void(bool written)> then);
    // "&Načti" once the file is chosen.
    void loadChosenGame(const std::string& path);
    // The record as its file holds it; a damaged or unreadable one is set
    // aside with a message, and the record starts anew.
    ResultsRecord readRecord();
    // What a saved game keeps beyond the board: the notes and the time of play.
    SavedGameExtras extrasToSave() const;
    // Whether the game on the board is one to keep: it has Moves or notes,
    // is not finished and no solve runs.
    bool gameInProgress() const;
    // The game on the board as a kept game holds it.
    KeptGame gameToKeep() const;
    // A kept game onto the board as it stood: the board, the history, the
    // Marks, the notes, the time of play, the options and what has helped.
    // fileName names the file it came from in a refusal.
    void takeUpGame(const KeptGame& kept, const std::string& fileName);
    void setPaused(bool paused);
    // The keeping of leaveTask; false when the game could not be kept.
    bool keepGameInProgress();
    // The games as their file holds them, in games; false when the file is
    // unreadable and could not be set aside (the player has been told).
    bool readGamesInProgress(std::vector<KeptGame>& games);
    bool solving() const;

    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Options& options_;
    Requests& requests_;
    const CombinationTable& table_;
    const DataFileNames& names_;
    Storage& storage_;
    PlaySession& play_;
    MovesAndNotes& moves_;
    GameHelp& help_;
    SolverSession& solver_;
    TaskLibrary& tasks_;

    RecordedTask boardTask_;
    PlayClock clock_;
    GameAids aids_;
    bool finished_ = false;       // congratulated: the clock stands, the result is recorded
    bool quitConfirmed_ = false;  // see confirmQuit()
    PlayerFiles playerFiles_;
    bool recordUnusable_ = false;  // a damaged record that could not be set aside
    std::string solvedStamp_;      // what the task list's ticks were worked out from
    // The list's tasks with a game kept in the file, and what they were
    // worked out from.
    std::map<std::string, std::string> keptTasks_;
    std::string keptTasksStamp_;
};

}  // namespace krizovky
