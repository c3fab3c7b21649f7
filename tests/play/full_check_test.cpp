#include <gtest/gtest.h>

#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

std::string text(const char* utf8) {
    return cp1250FromUtf8(utf8);
}

TEST(CheckButton, FollowsTheImmediateCheckWhileATaskIsShown) {
    GameFixture f;
    f.game.K1Click();
    EXPECT_FALSE(f.game.screen().button4);  // no task yet
    f.choose("priklad");
    EXPECT_TRUE(f.game.screen().button4);
    f.game.K1Click();
    EXPECT_FALSE(f.game.screen().button4);
    f.game.K1Click();
    EXPECT_TRUE(f.game.screen().button4);
}

TEST(FullCheck, ReportsAllIsWellOnlyWhenAskedAndPaintsFailingRuns) {
    GameFixture f;
    f.choose("priklad");
    Game& g = f.game;
    g.K1Click();
    g.I2Click();
    g.N3Click();
    g.PopupMenu1Popup(2, 2);
    g.N11Click(7);
    g.Button4Click();
    EXPECT_EQ(f.host.messages, std::vector<std::string>{text("Vše je zatím v pořádku!")});

    // Not full and already at its sum: the across run of 8 fails.
    g.N11Click(8);
    g.Button4Click();
    EXPECT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(g.screen().square(2, 2).background, kGray);
    EXPECT_EQ(g.screen().square(2, 3).background, kGray);
    EXPECT_TRUE(g.screen().label22);
    EXPECT_FALSE(g.screen().label21);

    // The next click on a square takes the colours and the legend off.
    g.Label1Click(3, 3);
    EXPECT_EQ(g.screen().square(2, 3).background, kYellow);
    EXPECT_FALSE(g.screen().label22);
}

TEST(FullCheck, RepeatedDigitOutranksWrongSumAndTheAcrossRunIsPaintedLast) {
    // Across 5 and 9, down 3 and 4, over a two by two block.
    GameFixture f(smallTask({"0,0/3,0/4", "5/0,2,2", "9/0,2,2"}));
    f.choose("t");
    Game& g = f.game;
    g.K1Click();
    g.I2Click();
    g.N3Click();
    for (auto [r, c, d] : {std::tuple{2, 2, 2}, {2, 3, 2}, {3, 2, 5}, {3, 3, 2}}) {
        g.PopupMenu1Popup(r, c);
        g.N11Click(d);
    }
    // Row 2 repeats a 2 (and misses its sum); column 2 misses its sum; column
    // 3 repeats a 2; row 3 misses its sum. A square in two failing runs shows
    // its across run's colour.
    const MainScreen& s = g.screen();
    EXPECT_EQ(s.square(2, 2).background, kOlive);
    EXPECT_EQ(s.square(2, 3).background, kOlive);
    EXPECT_EQ(s.square(3, 2).background, kGray);
    EXPECT_EQ(s.square(3, 3).background, kGray);
    EXPECT_TRUE(s.label21 && s.label22);
    EXPECT_EQ(f.host.messages.back(),
              text("Celou křížovku jste sice zaplnil, ale máte tam nějaké chybky!"));
}

}  // namespace
}  // namespace krizovky
