#include "app/play_clock.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace krizovky {
namespace {

// What happens to the game and the window, in order: "new" or "new120" a game
// from 0 or 120 seconds, "+10" ten seconds pass, "min"/"max" the window is
// minimized and shown again, "off"/"on" it loses and gets the activation,
// "box"/"/box" a modal box opens and closes, "pause"/"go" the player pauses
// and goes on, "end" the congratulation.
void play(PlayClock& clock, const std::string& steps) {
    std::istringstream words(steps);
    for (std::string w; words >> w;) {
        if (w.starts_with("new")) clock.restart(w.size() > 3 ? std::stol(w.substr(3)) : 0);
        if (w.starts_with("+")) clock.passTime(1000 * std::stol(w.substr(1)));
        if (w == "min" || w == "max") clock.setMinimized(w == "min");
        if (w == "off" || w == "on") clock.setWindowActive(w == "on");
        if (w == "box" || w == "/box") clock.setModalOpen(w == "box");
        if (w == "pause" || w == "go") clock.setPaused(w == "pause");
        if (w == "end") clock.stop();
    }
}

TEST(PlayClock, CountsOnlyTheTimeOfPlay) {
    const struct {
        const char* what;
        const char* steps;
        long seconds;
        bool counting;
    } cases[] = {
        {"counts while the window is active", "new +61", 61, true},
        {"nothing before a game", "+10", 0, false},
        {"waits while minimized", "new +10 min +100 max +5", 15, true},
        {"an inactive window counts its first five seconds", "new +10 off +100", 15, false},
        {"a glance at another window counts whole", "new off +3 on +2", 5, true},
        {"each absence has its five seconds", "new off +9 on off +9", 10, false},
        {"waits while boxes are open, nested too", "new +4 box box +50 /box +50 /box +6", 10, true},
        {"stands still after the congratulation", "new +7 end +100", 7, false},
        {"a saved game's time goes on", "new120 +3", 123, true},
        {"stands while paused", "new +4 pause +100 go +2", 6, true},
    };
    for (const auto& c : cases) {
        PlayClock clock;
        play(clock, c.steps);
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
