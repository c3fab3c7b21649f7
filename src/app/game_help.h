#pragma once

#include <optional>
#include <vector>

#include "app/combination_finder.h"
#include "app/game_state.h"
#include "solver/exact_solver.h"

namespace krizovky {

class GamePersistence;
class PlaySession;
class SolverSession;

// "&Pomoc": the logical solver's next step from the board as it stands, and
// the board compared with the task's one solution. They paint squares until
// the next click on a square and say the rest in a box; none of them writes a
// digit or a Move. The next step is no box: it stands in the screen state's
// step, its panel, for as long as its colours do.
class GameHelp {
  public:
    GameHelp(GameState& state, PlaySession& play, SolverSession& solver,
             GamePersistence& persistence)
        : board_(state.board),
          history_(state.history),
          screen_(state.screen),
          requests_(state.requests),
          table_(state.table),
          play_(play),
          solver_(solver),
          persistence_(persistence),
          combinationFinder_(state.board, state.screen) {}

    void showNextStep();  // "&Další krok"
    void verifyBoard();   // "&Je to zatím správně?"
    void showErrors();    // "&Ukaž chyby"
    void explainStep();   // "proč?" of the step's panel: the whole explanation
    void closeStep();     // the panel's "zavři": the step goes with its colours
    // "Tabulka kombinací": its filter and the selected square's runs.
    CombinationFinder& combinationFinder() { return combinationFinder_; }
    const CombinationFinder& combinationFinder() const { return combinationFinder_; }

    // For the other parts of the game.
    // At each board build: a task without one solution says so beside its
    // name, when a short search can tell.
    void showTaskProblem();
    // The board's task is another: it is sorted afresh at the next need.
    void forgetTaskClass() { taskClass_.reset(); }

  private:
    // The board's task sorted by the exact solver, worked out at the first
    // "&Pomoc" item after each board build.
    const TaskClass& taskClass();
    // The filled squares whose digit differs from the task's one solution.
    std::vector<BoardSquare> wrongSquares();
    // Paints squares in a colour of "&Pomoc", taken off by the next click.
    void paintHelp(const std::vector<BoardSquare>& squares, Colour colour);
    bool solving() const;

    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Requests& requests_;
    const CombinationTable& table_;
    PlaySession& play_;
    SolverSession& solver_;
    GamePersistence& persistence_;

    std::optional<TaskClass> taskClass_;
    CombinationFinder combinationFinder_;
};

}  // namespace krizovky
