#include "app/solver_run.h"

namespace krizovky {

void SolverRun::begin() {
    running_ = true;
    last_ = {};
}

void SolverRun::startSearch(SolverSearch& search) {
    search_ = &search;
    start_ = std::chrono::steady_clock::now();
    shownSeconds_ = 0;
    placementsSinceClock_ = 0;
}

std::optional<long> SolverRun::tick() {
    if (++placementsSinceClock_ < 16) return std::nullopt;
    placementsSinceClock_ = 0;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    if (seconds == shownSeconds_) return std::nullopt;
    shownSeconds_ = seconds;
    return seconds;
}

void SolverRun::requestStop() {
    if (search_ != nullptr) search_->requestStop();
}

void SolverRun::end(SolveEnd end, const SolverSearch* search) {
    running_ = false;
    search_ = nullptr;
    last_ = {end, search ? search->placements() : 0, search ? search->backtracks() : 0};
}

}  // namespace krizovky
