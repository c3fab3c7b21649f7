#include "app/solver_pace.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace krizovky {
namespace {

using std::chrono::microseconds;
using Clock = SolverPace::Clock;

// A placement at a time after the start, what it finds due, and until when
// the slower speeds then wait (microseconds after the start; -1: no wait).
struct Placement {
    long at;
    bool frame;
    bool events;
    long until;
};

TEST(SolverPace, DrawsAtTheDisplaysPaceAndStepsAtTheSlowerSpeeds) {
    const struct {
        SolverSpeed speed;
        std::vector<Placement> placements;
    } cases[] = {
        // The first placement at once; then the events every millisecond and
        // a frame every 1/60 s, counted from the last of each.
        {SolverSpeed::kFastest,
         {{0, true, true, -1},
          {900, false, false, -1},
          {1000, false, true, -1},
          {16000, false, true, -1},
          {16667, true, true, -1},
          {17000, false, false, -1},
          {33334, true, true, -1}}},
        // Every placement drawn, then a wait for the next of 20 a second; a
        // search that fell behind goes on from where it is.
        {SolverSpeed::kStep,
         {{0, true, true, 50000}, {10, true, true, 100000}, {300000, true, true, 300000}}},
        // 500 a second, drawn at the display's pace.
        {SolverSpeed::kSmooth,
         {{0, true, true, 2000},
          {2000, false, true, 4000},
          {16000, false, true, 16000},
          {16667, true, true, 18000}}},
    };
    const Clock::time_point start = Clock::now();
    for (const auto& [speed, placements] : cases) {
        SolverPace pace;
        pace.start(speed, start);
        for (const Placement& p : placements) {
            const SolverPace::Due due = pace.dueAt(start + microseconds(p.at));
            SCOPED_TRACE(testing::Message() << "speed " << int(speed) << " at " << p.at);
            EXPECT_EQ(due.frame, p.frame);
            EXPECT_EQ(due.events, p.events);
            EXPECT_EQ(due.until, p.until < 0 ? Clock::time_point{} : start + microseconds(p.until));
        }
    }
}

TEST(SolverPace, TheFastestSpeedReadsTheClockAtEveryFewPlacementsOnly) {
    SolverPace pace;
    pace.start(SolverSpeed::kFastest, Clock::now() - std::chrono::seconds(1));
    EXPECT_TRUE(pace.afterPlacement());  // the first placement is drawn
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // A frame and the events are long due, but are seen only
    // kPlacementsPerClockReading placements after the last reading.
    for (int placement = 2; placement <= SolverPace::kPlacementsPerClockReading; ++placement)
        EXPECT_FALSE(pace.afterPlacement()) << placement;
    const SolverPace::Due due = pace.afterPlacement();
    EXPECT_TRUE(due.frame && due.events);
}

}  // namespace
}  // namespace krizovky
