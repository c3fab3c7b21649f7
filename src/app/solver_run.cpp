#include "app/solver_run.h"

#include <algorithm>

namespace krizovky {

void SolverRun::begin() {
    running_ = true;
    last_ = {};
}

void SolverRun::startSearch(std::vector<SearchEntry> list, SolverSteps& steps, SolverSpeed speed) {
    search_.emplace(std::move(list), steps);
    start_ = Clock::now();
    pace_.start(speed, start_);
}

std::optional<SolveEnd> SolverRun::advance(Clock::time_point now) {
    std::optional<SolveEnd> end;
    do {
        long placements = pace_.placementsPerReading();
        if (limit_ > 0) placements = std::min(placements, limit_ - search_->placements());
        end = search_->advance(placements);
        if (!end && atLimit()) {
            search_->requestStop();
            end = SolveEnd::kStopped;
        }
    } while (!end && pace_.sliceGoesOn(now, Clock::now()));
    pace_.sliceMade(now);
    return end;
}

SolverRun::Clock::time_point SolverRun::due() const {
    return search_ && search_->stopRequested() ? Clock::time_point{} : pace_.due();
}

long SolverRun::elapsedSeconds(Clock::time_point now) const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - start_);
    return std::max(0L, static_cast<long>(elapsed.count()));
}

void SolverRun::requestStop() {
    if (search_) search_->requestStop();
}

void SolverRun::end(SolveEnd end) {
    running_ = false;
    last_ = {end, search_ ? search_->placements() : 0, search_ ? search_->backtracks() : 0};
    search_.reset();
}

}  // namespace krizovky
