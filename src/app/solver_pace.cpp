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
    // The first placement reads the clock and finds a frame and the events due.
    sinceReading_ = kPlacementsPerClockReading - 1;
    lastFrame_ = now - kFrame;
    lastEvents_ = now - kEvents;
    nextStep_ = now;
}

SolverPace::Due SolverPace::dueAt(Clock::time_point now) {
    Due due;
    // Step by step every placement is drawn; a step that took back squares
    // shows them empty.
    due.frame = speed_ == SolverSpeed::kStep || now - lastFrame_ >= kFrame;
    due.events = due.frame || speed_ != SolverSpeed::kFastest || now - lastEvents_ >= kEvents;
    if (due.frame) lastFrame_ = now;
    if (due.events) lastEvents_ = now;
    if (speed_ != SolverSpeed::kFastest) {
        // Steady steps; a search that fell behind (a long search between two
        // placements, a question answered) goes on from now, not in a rush.
        nextStep_ += stepOf(speed_);
        if (nextStep_ < now) nextStep_ = now;
        due.until = nextStep_;
    }
    return due;
}

}  // namespace krizovky
