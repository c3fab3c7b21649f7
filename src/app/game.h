#pragma once

#include <string>
#include <string_view>

#include "app/game_help.h"
#include "app/game_persistence.h"
#include "app/game_state.h"
#include "app/moves_and_notes.h"
#include "app/new_tasks.h"
#include "app/play_session.h"
#include "app/solver_session.h"
#include "app/task_library.h"
#include "model/file_storage.h"

namespace krizovky {

// The game core for the whole run: the state every part works on and the
// parts by what the player does. The front-end pushes the player's events
// into the parts, draws screen() and the editors' and dialogs' screens after
// each call, and answers what waits in requests(); nothing here waits for
// the player.
//
// The parts meet where their constructors say: each is given the shared
// state and the other parts it calls.
class Game {
  public:
    explicit Game(Host& host, Storage& storage = desktopStorage()) : state_(host, storage) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Start-up: the data file names, the combination table, the task file.
    void start(const std::string& executablePath);
    // The same with the combination file's bytes given instead of read from
    // the file beside the executable.
    void start(const std::string& executablePath, std::string_view combinationRecords);
    // The end of the program, by "&Konec" or by closing the window: the
    // squares are released once.
    void quit();
    bool terminateRequested() const { return terminate_; }

    PlaySession& play() { return play_; }
    const PlaySession& play() const { return play_; }
    MovesAndNotes& moves() { return moves_; }
    const MovesAndNotes& moves() const { return moves_; }
    GameHelp& help() { return help_; }
    const GameHelp& help() const { return help_; }
    SolverSession& solver() { return solver_; }
    const SolverSession& solver() const { return solver_; }
    TaskLibrary& tasks() { return tasks_; }
    const TaskLibrary& tasks() const { return tasks_; }
    NewTasks& newTasks() { return newTasks_; }
    const NewTasks& newTasks() const { return newTasks_; }
    GamePersistence& persistence() { return persistence_; }
    const GamePersistence& persistence() const { return persistence_; }

    const MainScreen& screen() const { return state_.screen; }
    // The boxes, questions and file dialogs waiting for the player, oldest
    // first; the front-end shows each and answers it there.
    Requests& requests() { return state_.requests; }
    const Requests& requests() const { return state_.requests; }
    const Board& board() const { return state_.board; }
    const MoveHistory& history() const { return state_.history; }
    const CombinationTable& combinations() const { return state_.table; }
    const DataFileNames& fileNames() const { return state_.names; }
    // The player's options; the window ticks "&Volby" from them.
    const Options& options() const { return state_.options; }
    // Where the game reads and writes its files.
    Storage& storage() const { return state_.storage; }

  private:
    // The first steps of start-up: the data file names.
    void formNames(const std::string& executablePath);

    GameState state_;
    PlaySession play_{state_, moves_, solver_, help_, persistence_};
    MovesAndNotes moves_{state_, play_, solver_, persistence_};
    GameHelp help_{state_, play_, solver_, persistence_};
    SolverSession solver_{state_, play_, moves_, tasks_, persistence_};
    TaskLibrary tasks_{state_, play_, help_, solver_, persistence_};
    GamePersistence persistence_{state_, play_, moves_, help_, solver_, tasks_};
    bool terminate_ = false;
    // Last: destroyed first, it stops a making that still uses the table.
    NewTasks newTasks_{state_, tasks_, solver_, persistence_};
};

}  // namespace krizovky
