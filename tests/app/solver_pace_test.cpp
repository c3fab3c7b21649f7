#include "app/solver_pace.h"

#include <gtest/gtest.h>

#include <vector>

namespace krizovky {
namespace {

using std::chrono::microseconds;
using Clock = SolverPace::Clock;

// A slice that begins at a time after the start, and when the next one is
// then due (microseconds after the start).
struct Slice {
    long at;
    long due;
};

TEST(SolverPace, TheFastestSpeedSlicesByFramesAndTheSlowerOnesStepSteadily) {
    const struct {
        SolverSpeed speed;
        long placementsPerReading;
        std::vector<Slice> slices;
    } cases[] = {
        // A frame of search, then the window's turn: the next slice at once.
        {SolverSpeed::kFastest, SolverPace::kPlacementsPerClockReading, {{0, 0}, {16667, 16667}}},
        // One placement a slice, 20 a second; a search that fell behind goes
        // on from where it is.
        {SolverSpeed::kStep, 1, {{0, 50000}, {10, 100000}, {300000, 300000}}},
        // 500 a second.
        {SolverSpeed::kSmooth, 1, {{0, 2000}, {2000, 4000}, {16000, 16000}, {16667, 18000}}},
    };
    const Clock::time_point start = Clock::now();
    for (const auto& [speed, placementsPerReading, slices] : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << int(speed));
        SolverPace pace;
        pace.start(speed, start);
        EXPECT_EQ(pace.due(), start);  // the first slice at once
        EXPECT_EQ(pace.placementsPerReading(), placementsPerReading);
        // Only the fastest speed searches on in a slice, for a frame.
        const bool fastest = speed == SolverSpeed::kFastest;
        EXPECT_EQ(pace.sliceGoesOn(start, start + microseconds(16666)), fastest);
        EXPECT_FALSE(pace.sliceGoesOn(start, start + SolverPace::kFrame));
        for (const Slice& s : slices) {
            pace.sliceMade(start + microseconds(s.at));
            EXPECT_EQ(pace.due(), start + microseconds(s.due)) << "at " << s.at;
        }
    }
}

}  // namespace
}  // namespace krizovky
