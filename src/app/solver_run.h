#pragma once

#include <chrono>
#include <optional>

#include "solver/visible_search.h"

namespace krizovky {

// The visible search of "70" while it runs: whether it runs, its search (so
// that "přeruš" and the end of the program can stop it), its clock, and how
// the latest solve ended.
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
    // The search starts, and the clock with it.
    void startSearch(SolverSearch& search);
    // After each placement: the elapsed whole seconds when they differ from
    // those shown last. The caption shows whole seconds, and even in the
    // window 16 placements take far less than one, so the clock is read at
    // every 16th placement only: more often would cost the search without
    // showing anything more.
    std::optional<long> tick();
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
    long shownSeconds_ = 0;
    int placementsSinceClock_ = 0;
    Report last_;
};

}  // namespace krizovky
