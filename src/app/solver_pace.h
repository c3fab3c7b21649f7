#pragma once

#include <chrono>

#include "app/options.h"

namespace krizovky {

// How the search of "70" shares the time with the window, slice by slice. At
// the fastest speed the search never waits for the window: it runs for about
// one frame of the display (1/60 s), reading the clock every few placements
// only, and the window draws the board and handles its events between two
// slices, however many placements that skips. The slower speeds make one
// placement a slice, each one drawn, at their steady pace.
class SolverPace {
  public:
    using Clock = std::chrono::steady_clock;
    // The display's pace: a frame of the board 60 times a second; "přeruš"
    // answers within it.
    static constexpr Clock::duration kFrame = std::chrono::microseconds(16667);
    // At the fastest speed a placement takes about 0.1 µs and a clock
    // reading 0.06 µs: read at every 64th placement, it costs under 1 % and
    // still comes every few microseconds.
    static constexpr int kPlacementsPerClockReading = 64;

    // The search starts now; its first slice is due at once.
    void start(SolverSpeed speed, Clock::time_point now);
    // The placements between two readings of the clock in a slice; the
    // slower speeds make only one.
    long placementsPerReading() const {
        return speed_ == SolverSpeed::kFastest ? kPlacementsPerClockReading : 1;
    }
    // Whether a slice that began at start goes on after a reading of the
    // clock at now.
    bool sliceGoesOn(Clock::time_point start, Clock::time_point now) const {
        return speed_ == SolverSpeed::kFastest && now - start < kFrame;
    }
    // The slice that began at start is over: the next one is due at once at
    // the fastest speed, at the next step's time at the slower ones.
    void sliceMade(Clock::time_point start);
    Clock::time_point due() const { return due_; }

    // The time between two placements at the slower speeds.
    static Clock::duration stepOf(SolverSpeed speed);

  private:
    SolverSpeed speed_ = SolverSpeed::kFastest;
    Clock::time_point due_;
};

}  // namespace krizovky
