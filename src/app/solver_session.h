#pragma once

#include "app/game_state.h"
#include "app/solver_run.h"
#include "solver/visible_search.h"

namespace krizovky {

class GamePersistence;
class MovesAndNotes;
class PlaySession;
class TaskLibrary;

// "70" under "&IQ": the program solves the loaded task by itself on the
// player's board, through the same click, entry and undo as the player, with
// the elapsed time above the board and "přeruš" to stop it.
class SolverSession : private SolverSteps {
  public:
    SolverSession(GameState& state, PlaySession& play, MovesAndNotes& moves, TaskLibrary& tasks,
                  GamePersistence& persistence)
        : board_(state.board),
          history_(state.history),
          screen_(state.screen),
          options_(state.options),
          requests_(state.requests),
          play_(play),
          moves_(moves),
          tasks_(tasks),
          persistence_(persistence) {}

    // "70" asks "Mám dotaz!" and after " jsem trouba" runs solveVisibly,
    // which restarts the task, writes the forced squares and leaves the
    // search for the rest under way. The front-end then advances it slice by
    // slice at the pace of "&Rychlost řešení", drawing the board between two
    // slices; the slice that reaches the end ends the solve. "přeruš" between
    // two slices stops it after a Yes; while its question waits, no slice
    // runs.
    void askToSolve();
    void solveVisibly();
    void advanceSolve(SolverRun::Clock::time_point now);
    // While solving: when the next slice is due; the time now or before it
    // means at once.
    SolverRun::Clock::time_point solverDue() const { return run_.due(); }
    void stopSolving();  // "přeruš"
    // "&Rychlost řešení" under "&Volby": how fast the window shows the search.
    void setSolverSpeed(SolverSpeed speed);
    // The solves stop right after their placements-th placement, as "přeruš"
    // answered Yes does (the tool's limit); 0: no limit.
    void stopSolvingAfter(long placements) { run_.stopAfter(placements); }
    bool solving() const { return run_.running(); }
    // How the latest solve ended and what its search did.
    const SolverRun::Report& lastSolve() const { return run_.last(); }
    // The end of the program: a search under way ends here, stopped,
    // instead of waiting for a slice that no front-end will give it.
    void stopForQuit();

  private:
    std::string_view selectForSolver(int row, int column) override;
    bool enterForSolver(int row, int column, int digit, bool byPlayer) override;
    void undoForSolver() override;
    void reportUnsolvable() override;
    // The end of a solve: the commands and the history buttons as the
    // player's options have them.
    void endSolve(SolveEnd end);

    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Options& options_;
    Requests& requests_;
    PlaySession& play_;
    MovesAndNotes& moves_;
    TaskLibrary& tasks_;
    GamePersistence& persistence_;

    SolverRun run_;
};

}  // namespace krizovky
