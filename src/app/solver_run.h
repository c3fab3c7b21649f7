#pragma once

#include <chrono>

#include "app/solver_pace.h"
#include "solver/visible_search.h"

namespace krizovky {

// The visible search of "70" while it runs: whether it runs, its search (so
// that "přeruš" and the end of the program can stop it), its clock and pace,
// and how the latest solve ended.
class SolverRun {
  public:
    struct Report {
        SolveEnd end = SolveEnd::kSolved;
        long placements = 0;  // digits the search wrote, also those taken back
        long backtracks = 0;
    };

    bool running() const { return running_; }
    // The solve begins: every command but "přeruš" is off from here.
    void begin();
    // The search starts, and the clock with it, shown at the speed given.
    void startSearch(SolverSearch& search, SolverSpeed speed);
    // After each placement: what the window is to do now, mostly nothing.
    SolverPace::Due pace() { return pace_.afterPlacement(); }
    // The whole seconds since the search started.
    long elapsedSeconds() const;
    // The solves stop right after their placements-th placement, as "přeruš"
    // answered Yes stops them (the tool's limit); 0: no limit.
    void stopAfter(long placements) { limit_ = placements; }
    bool atLimit() const { return limit_ > 0 && search_ && search_->placements() == limit_; }
    bool searching() const { return search_ != nullptr; }
    // Asks the search under way, if any, to stop after its placement.
    void requestStop();
    // The solve has ended; search is the one that ran, or none when the solve
    // ended before searching.
    void end(SolveEnd end, const SolverSearch* search = nullptr);

    const Report& last() const { return last_; }

  private:
    bool running_ = false;
    SolverSearch* search_ = nullptr;
    std::chrono::steady_clock::time_point start_;
    SolverPace pace_;
    long limit_ = 0;
    Report last_;
};

}  // namespace krizovky
