#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "app/solver_pace.h"
#include "solver/visible_search.h"

namespace krizovky {

// The visible search of "70" while it runs: whether it runs, its search,
// kept between the slices the window gives it (so that "přeruš" and the end
// of the program can stop it), its clock and pace, and how the latest solve
// ended.
class SolverRun {
  public:
    using Clock = SolverPace::Clock;
    struct Report {
        SolveEnd end = SolveEnd::kSolved;
        long placements = 0;  // digits the search wrote, also those taken back
        long backtracks = 0;
    };

    bool running() const { return running_; }
    // The solve begins: every command but "přeruš" is off from here.
    void begin();
    // The search over list starts, and the clock with it, shown at the speed
    // given.
    void startSearch(std::vector<SearchEntry> list, SolverSteps& steps, SolverSpeed speed);
    // One slice of the search, begun at now; the search's end once it has
    // come.
    std::optional<SolveEnd> advance(Clock::time_point now);
    // When the next slice is due: at once when a stop has been asked for.
    Clock::time_point due() const;
    // The whole seconds from the start of the search to now.
    long elapsedSeconds(Clock::time_point now) const;
    // The solves stop right after their placements-th placement, as "přeruš"
    // answered Yes stops them (the tool's limit); 0: no limit.
    void stopAfter(long placements) { limit_ = placements; }
    bool searching() const { return search_.has_value(); }
    // Asks the search under way, if any, to stop after its placement.
    void requestStop();
    // The solve has ended, with the search that ran, or none when the solve
    // ended before searching.
    void end(SolveEnd end);

    const Report& last() const { return last_; }

  private:
    bool atLimit() const { return limit_ > 0 && search_->placements() >= limit_; }

    bool running_ = false;
    std::optional<SolverSearch> search_;
    std::chrono::steady_clock::time_point start_;
    SolverPace pace_;
    long limit_ = 0;
    Report last_;
};

}  // namespace krizovky
