#include "play/hints.h"

#include <gtest/gtest.h>

#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;
using Lines = std::vector<std::string>;

// Across 4 over two squares in row 2; down 6 over three squares in column 2.
const std::string kTwoByThree = smallTask({"0,0/6,0/3", "4/0,2,2", "3/0,2,2", "1/0,2"});

TEST(Hints, ClickShowsWhatTheLevelAllows) {
    GameFixture f(kTwoByThree);
    f.choose("t");
    Game& g = f.game;
    const MainScreen& s = g.screen();
    EXPECT_FALSE(s.acrossPanel || s.downPanel || s.allowedPanel);  // until the first click

    g.play().selectSquare(2, 2);
    EXPECT_EQ(s.acrossHints, Lines{"13"});
    EXPECT_EQ(s.downHints, Lines{"123"});
    EXPECT_EQ(s.allowedDigits, Lines{" 1 3"});
    EXPECT_TRUE(s.acrossPanel && s.downPanel && s.allowedPanel);
    EXPECT_EQ(s.square(2, 2).background, kRed);

    // The pop-up offers exactly the allowed digits at 100, all of them at 130.
    g.play().openSquareMenu(3, 3);
    EXPECT_EQ(s.square(2, 2).background, kYellow);
    EXPECT_EQ(s.square(3, 3).background, kRed);
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(s.digitItemEnabled[d], d == 1 || d == 2) << d;

    g.play().setLevel(Level::k130);
    EXPECT_FALSE(s.allowedPanel);
    EXPECT_EQ(s.downHints, Lines{"12"});  // kept until the next click
    g.play().openSquareMenu(2, 2);
    EXPECT_EQ(s.downHints, Lines{"123"});
    EXPECT_FALSE(s.allowedPanel);
    for (int d = 1; d <= 9; ++d)
        EXPECT_TRUE(s.digitItemEnabled[d]);

    // 160 hides everything and takes the red off; a click only moves the red
    // and leaves the allowed digits of the last hint alone.
    g.play().setLevel(Level::k160);
    EXPECT_FALSE(s.acrossPanel || s.downPanel || s.allowedPanel);
    EXPECT_EQ(s.square(2, 2).background, kYellow);
    EXPECT_TRUE(g.play().currentSquare().none());
    g.play().selectSquare(4, 2);
    EXPECT_EQ(s.square(4, 2).background, kRed);
    EXPECT_FALSE(s.acrossPanel);
    EXPECT_EQ(g.play().allowedDigits(), digitBit(1) | digitBit(3));
}

// Across 10 over three squares; down 4 over two squares in column 2.
const std::string kTenOverThree = smallTask({"0,0/4,0/9,0/13", "10/0,2,2,2", "0,2,2,2"});

TEST(Hints, WrittenDigitsFilterTheCombinations) {
    GameFixture f(kTenOverThree);
    f.choose("t");
    Game& g = f.game;
    g.play().toggleChecking();  // no checks, no completion: the digits are placed as they are
    g.play().toggleAutoFill();
    g.play().openSquareMenu(2, 4);
    g.play().chooseDigit(6);

    g.play().selectSquare(2, 2);
    const MainScreen& s = g.screen();
    EXPECT_EQ(s.acrossHints, Lines{"136"});
    EXPECT_EQ(s.downHints, Lines{"13"});
    EXPECT_EQ(s.allowedDigits, Lines{" 1 3"});
    g.play().setLevel(Level::k130);
    g.play().selectSquare(2, 2);
    EXPECT_EQ(s.acrossHints, (Lines{"127", "136", "145", "235"}));

    // A square's own digit stays allowed with the digits that can stand beside it.
    g.play().setLevel(Level::k100);
    g.play().openSquareMenu(2, 2);
    g.play().chooseDigit(3);
    g.play().selectSquare(2, 2);
    EXPECT_EQ(s.acrossHints, Lines{"136"});
    EXPECT_EQ(s.allowedDigits, Lines{" 1 3"});
}

TEST(Hints, MarkedSquareTurnsRedAt100AndKeepsItsColourAt160) {
    GameFixture f(kTwoByThree);
    f.choose("t");
    Game& g = f.game;
    g.play().toggleAutoFill();
    g.play().openSquareMenu(2, 2);
    g.play().chooseDigit(3);
    g.moves().setMark();
    g.play().selectSquare(3, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kAqua);
    g.play().selectSquare(2, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kRed);
    g.play().setLevel(Level::k160);
    g.play().selectSquare(2, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kAqua);
}

TEST(Hints, SquareWithoutCluesAllowsNoDigitAndReadsNothingOutsideTheBoard) {
    // The entry square in the corner has no clue before it in either direction.
    GameFixture f(smallTask({"2,0/3", "0,2"}));
    f.choose("t");
    Game& g = f.game;
    ASSERT_EQ(g.board().at(1, 1).acrossClueCol, 0);
    ASSERT_EQ(g.board().at(1, 1).downClueRow, 0);
    g.play().openSquareMenu(1, 1);
    EXPECT_EQ(g.screen().acrossHints, Lines{});
    EXPECT_EQ(g.screen().allowedDigits, Lines{""});
    for (int d = 1; d <= 9; ++d)
        EXPECT_FALSE(g.screen().digitItemEnabled[d]);

    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    g.play().openSquareMenu(1, 1);
    g.play().chooseDigit(5);
    EXPECT_EQ(f.host.messages.back(), "Při vložení čísla 5 by v řádku součet nesouhlasil!");
    g.play().toggleChecking();
    g.play().chooseDigit(5);
    EXPECT_EQ(g.board().at(1, 1).digit, 5);
}

TEST(Hints, SelectionKeptFromAnEarlierTaskNeverRecoloursAClue) {
    GameFixture f(std::string(testing::kExampleTask) + "@posunuta\n0,0/16,0/3,0*12\n0,8/0,2,2\n");
    f.choose("priklad");
    f.game.play().selectSquare(2, 2);
    f.choose("posunuta");  // (2, 2) is a clue there
    EXPECT_EQ(f.game.play().currentSquare(), (BoardSquare{2, 2}));
    f.game.play().selectSquare(2, 3);
    EXPECT_EQ(f.game.screen().square(2, 2).background, kBlack);
    EXPECT_EQ(f.game.screen().square(2, 3).background, kRed);
}

TEST(Hints, GroupUnionKeepsTheWholeGroupAndUnitesTheMembersThatFit) {
    CombinationTable table;
    table.load(completeCombinationFile());
    const GroupUnion u = groupUnion(table, 10, 3, digitBit(6));
    EXPECT_EQ(u.digits, digitBit(1) | digitBit(3) | digitBit(6));
    EXPECT_EQ(u.group.count, 4);
    // A used digit that no member holds: nothing fits, the group stays whole.
    const GroupUnion misfit = groupUnion(table, 4, 2, digitBit(2));
    EXPECT_EQ(misfit.digits, 0);
    EXPECT_EQ(misfit.group.count, 1);
    const GroupUnion none = groupUnion(table, 46, 9, 0);
    EXPECT_EQ(none.digits, 0);
    EXPECT_EQ(none.group.count, 0);
}

}  // namespace
}  // namespace krizovky
