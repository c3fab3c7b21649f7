#pragma once

#include <chrono>

#include "app/options.h"

namespace krizovky {

// When the window draws the search of "70" and handles its events, placement
// by placement. The search never waits for the window at the fastest speed:
// the clock is read every few placements only, the pending events are handled
// every millisecond and the board is drawn 60 times a second, however many
// placements that skips. The slower speeds draw and handle events after every
// placement and then wait for their next step.
class SolverPace {
  public:
    using Clock = std::chrono::steady_clock;
    // The display's pace: a frame of the board 60 times a second.
    static constexpr Clock::duration kFrame = std::chrono::microseconds(16667);
    // The pending events at the fastest speed: "přeruš" answers within this.
    static constexpr Clock::duration kEvents = std::chrono::milliseconds(1);
    // At the fastest speed a placement takes about 0.1 µs and a clock
    // reading 0.06 µs: read at every 64th placement, it costs under 1 % and
    // still comes every few microseconds.
    static constexpr int kPlacementsPerClockReading = 64;

    struct Due {
        bool frame = false;   // draw the board as the search has it now
        bool events = false;  // let the window handle its pending events
        // The slower speeds: the events are handled until then, the next
        // placement's time. The clock's epoch: not at all.
        Clock::time_point until{};
        explicit operator bool() const { return frame || events; }
    };

    // The search starts now; its first placement is drawn at once.
    void start(SolverSpeed speed, Clock::time_point now);
    // After each placement: nothing due most of the time, and that cheaply.
    Due afterPlacement() {
        if (speed_ == SolverSpeed::kFastest && ++sinceReading_ < kPlacementsPerClockReading)
            return {};
        sinceReading_ = 0;
        return dueAt(Clock::now());
    }
    // What is due after a placement at the time now.
    Due dueAt(Clock::time_point now);

    // The time between two placements at the slower speeds.
    static Clock::duration stepOf(SolverSpeed speed);

  private:
    SolverSpeed speed_ = SolverSpeed::kFastest;
    int sinceReading_ = 0;
    Clock::time_point lastFrame_;
    Clock::time_point lastEvents_;
    Clock::time_point nextStep_;
};

}  // namespace krizovky
