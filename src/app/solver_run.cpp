#include "app/solver_run.h"

namespace krizovky {

void SolverRun::begin() {
    running_ = true;
    last_ = {};
}

void SolverRun::startSearch(SolverSearch& search, SolverSpeed speed) {
    search_ = &search;
    start_ = std::chrono::steady_clock::now();
    pace_.start(speed, start_);
}

long SolverRun::elapsedSeconds() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
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
