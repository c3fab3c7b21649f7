#include "app/play_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace krizovky {
namespace {

// What happens to the window and the game, in order.
struct Step {
    enum Kind {
        kPass,
        kActive,
        kInactive,
        kMinimize,
        kRestore,
        kOpenBox,
        kCloseBox,
        kStop,
        kRestart
    };
    Kind kind;
    long value = 0;  // seconds for kPass and kRestart
};

struct ClockCase {
    const char* what;
    std::vector<Step> steps;
    long seconds;
    bool counting;
};

using S = Step;
const ClockCase kCases[] = {
    {"counts while the window is active", {{S::kRestart}, {S::kPass, 61}}, 61, true},
    {"counts nothing before a game", {{S::kPass, 10}}, 0, false},
    {"waits while minimized",
     {{S::kRestart}, {S::kPass, 10}, {S::kMinimize}, {S::kPass, 100}, {S::kRestore}, {S::kPass, 5}},
     15,
     true},
    {"an inactive window counts its first five seconds only",
     {{S::kRestart}, {S::kPass, 10}, {S::kInactive}, {S::kPass, 100}},
     15,
     false},
    {"a glance at another window counts whole",
     {{S::kRestart}, {S::kInactive}, {S::kPass, 3}, {S::kActive}, {S::kPass, 2}},
     5,
     true},
    {"each inactive spell has its own five seconds",
     {{S::kRestart}, {S::kInactive}, {S::kPass, 9}, {S::kActive}, {S::kInactive}, {S::kPass, 9}},
     10,
     false},
    {"waits while boxes are open, nested ones too",
     {{S::kRestart},
      {S::kPass, 4},
      {S::kOpenBox},
      {S::kOpenBox},
      {S::kPass, 50},
      {S::kCloseBox},
      {S::kPass, 50},
      {S::kCloseBox},
      {S::kPass, 6}},
     10,
     true},
    {"stands still at the end of the game",
     {{S::kRestart}, {S::kPass, 7}, {S::kStop}, {S::kPass, 100}},
     7,
     false},
    {"a saved game's time goes on, a new game starts from zero",
     {{S::kRestart, 120}, {S::kPass, 3}},
     123,
     true},
    {"a new game after a long one", {{S::kRestart, 120}, {S::kPass, 3}, {S::kRestart}}, 0, true},
};

TEST(PlayClock, CountsOnlyTheTimeOfPlay) {
    for (const ClockCase& c : kCases) {
        PlayClock clock;
        for (const Step& step : c.steps) {
            switch (step.kind) {
                case S::kPass:
                    clock.passTime(1000 * step.value);
                    break;
                case S::kActive:
                case S::kInactive:
                    clock.setWindowActive(step.kind == S::kActive);
                    break;
                case S::kMinimize:
                case S::kRestore:
                    clock.setMinimized(step.kind == S::kMinimize);
                    break;
                case S::kOpenBox:
                case S::kCloseBox:
                    clock.setModalOpen(step.kind == S::kOpenBox);
                    break;
                case S::kStop:
                    clock.stop();
                    break;
                case S::kRestart:
                    clock.restart(step.value);
                    break;
            }
        }
        EXPECT_EQ(clock.seconds(), c.seconds) << c.what;
        EXPECT_EQ(clock.counting(), c.counting) << c.what;
    }
}

TEST(PlayClock, ReadsTheTimeSourceItIsGiven) {
    PlayClock::Milliseconds now = 5000;
    PlayClock clock;
    clock.useTimeSource([&now] { return now; });
    clock.restart();
    now += 2999;
    EXPECT_EQ(clock.seconds(), 2);
    clock.passTime(60000);  // its own time no longer counts
    EXPECT_EQ(clock.seconds(), 2);
}

}  // namespace
}  // namespace krizovky
