#include <gtest/gtest.h>

#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

TEST(CheckButton, FollowsTheImmediateCheckWhileATaskIsShown) {
    GameFixture f;
    f.game.play().toggleChecking();
    EXPECT_FALSE(f.game.screen().checkButton);  // no task yet
    f.choose("priklad");
    EXPECT_TRUE(f.game.screen().checkButton);
    f.game.play().toggleChecking();
    EXPECT_FALSE(f.game.screen().checkButton);
    f.game.play().toggleChecking();
    EXPECT_TRUE(f.game.screen().checkButton);
}

TEST(FullCheck, ReportsAllIsWellOnlyWhenAskedAndPaintsFailingRuns) {
    GameFixture f;
    f.choose("priklad");
    Game& g = f.game;
    g.play().toggleChecking();
    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    g.play().openSquareMenu(2, 2);
    g.play().chooseDigit(7);
    g.play().checkWholeBoard();
    EXPECT_EQ(f.host.messages, std::vector<std::string>{"Vše je zatím v pořádku!"});

    // Not full and already at its sum: the across run of 8 fails.
    g.play().chooseDigit(8);
    g.play().checkWholeBoard();
    EXPECT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(g.screen().square(2, 2).background, kGray);
    EXPECT_EQ(g.screen().square(2, 3).background, kGray);
    EXPECT_TRUE(g.screen().wrongSumLegend);
    EXPECT_FALSE(g.screen().duplicateLegend);

    // The next click on a square takes the colours and the legend off.
    g.play().selectSquare(3, 3);
    EXPECT_EQ(g.screen().square(2, 3).background, kYellow);
    EXPECT_FALSE(g.screen().wrongSumLegend);
}

TEST(FullCheck, RepeatedDigitOutranksWrongSumAndTheAcrossRunIsPaintedLast) {
    // Across 5 and 9, down 3 and 4, over a two by two block.
    GameFixture f(smallTask({"0,0/3,0/4", "5/0,2,2", "9/0,2,2"}));
    f.choose("t");
    Game& g = f.game;
    g.play().toggleChecking();
    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    for (auto [r, c, d] : {std::tuple{2, 2, 2}, {2, 3, 2}, {3, 2, 5}, {3, 3, 2}}) {
        g.play().openSquareMenu(r, c);
        g.play().chooseDigit(d);
    }
    // Row 2 repeats a 2 (and misses its sum); column 2 misses its sum; column
    // 3 repeats a 2; row 3 misses its sum. A square in two failing runs shows
    // its across run's colour.
    const MainScreen& s = g.screen();
    EXPECT_EQ(s.square(2, 2).background, kOlive);
    EXPECT_EQ(s.square(2, 3).background, kOlive);
    EXPECT_EQ(s.square(3, 2).background, kGray);
    EXPECT_EQ(s.square(3, 3).background, kGray);
    EXPECT_TRUE(s.duplicateLegend && s.wrongSumLegend);
    EXPECT_EQ(f.host.messages.back(),
              "Celou křížovku jste sice zaplnil, ale máte tam nějaké chybky!");
}

}  // namespace
}  // namespace krizovky
