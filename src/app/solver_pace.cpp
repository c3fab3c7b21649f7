#include "app/solver_pace.h"

namespace krizovky {

SolverPace::Clock::duration SolverPace::stepOf(SolverSpeed speed) {
    switch (speed) {
        case SolverSpeed::kStep:  // about 20 placements a second
            return std::chrono::milliseconds(50);
        case SolverSpeed::kSmooth:  // about 500
            return std::chrono::milliseconds(2);
        case SolverSpeed::kFastest:
            break;
    }
    return Clock::duration::zero();
}

void SolverPace::start(SolverSpeed speed, Clock::time_point now) {
    speed_ = speed;
    due_ = now;
}

void SolverPace::sliceMade(Clock::time_point start) {
    if (speed_ == SolverSpeed::kFastest) {
        due_ = start;
        return;
    }
    // Steady steps; a search that fell behind (a long search between two
    // placements, a question answered) goes on from now, not in a rush.
    due_ += stepOf(speed_);
    if (due_ < start) due_ = start;
}

}  // namespace krizovky
