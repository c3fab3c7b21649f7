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
    EXPECT_EQ(s.memo1, Lines{"Memo1"});  // design texts until the first click

    g.Label1Click(2, 2);
    EXPECT_EQ(s.memo1, Lines{"13"});
    EXPECT_EQ(s.memo2, Lines{"123"});
    EXPECT_EQ(s.memo3, Lines{" 1 3"});
    EXPECT_TRUE(s.panel2 && s.panel3 && s.panel4);
    EXPECT_EQ(s.square(2, 2).background, kRed);

    // The pop-up offers exactly the allowed digits at 100, all of them at 130.
    g.PopupMenu1Popup(3, 3);
    EXPECT_EQ(s.square(2, 2).background, kYellow);
    EXPECT_EQ(s.square(3, 3).background, kRed);
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(s.digitItemEnabled[d], d == 1 || d == 2) << d;

    g.N3Click();
    EXPECT_FALSE(s.panel4);
    EXPECT_EQ(s.memo2, Lines{"12"});  // kept until the next click
    g.PopupMenu1Popup(2, 2);
    EXPECT_EQ(s.memo2, Lines{"123"});
    EXPECT_FALSE(s.panel4);
    for (int d = 1; d <= 9; ++d)
        EXPECT_TRUE(s.digitItemEnabled[d]);

    // 160 hides everything and takes the red off; a click only moves the red
    // and leaves the allowed digits of the last hint alone.
    g.N7Click();
    EXPECT_FALSE(s.panel2 || s.panel3 || s.panel4);
    EXPECT_EQ(s.square(2, 2).background, kYellow);
    EXPECT_TRUE(g.currentSquare().none());
    g.Label1Click(4, 2);
    EXPECT_EQ(s.square(4, 2).background, kRed);
    EXPECT_FALSE(s.panel2);
    EXPECT_EQ(g.allowedDigits(), digitBit(1) | digitBit(3));
}

// Across 10 over three squares; down 4 over two squares in column 2.
const std::string kTenOverThree = smallTask({"0,0/4,0/9,0/13", "10/0,2,2,2", "0,2,2,2"});

TEST(Hints, WrittenDigitsFilterTheCombinations) {
    GameFixture f(kTenOverThree);
    f.choose("t");
    Game& g = f.game;
    g.K1Click();  // no checks, no completion: the digits are placed as they are
    g.I2Click();
    g.PopupMenu1Popup(2, 4);
    g.N11Click(6);

    g.Label1Click(2, 2);
    const MainScreen& s = g.screen();
    EXPECT_EQ(s.memo1, Lines{"136"});
    EXPECT_EQ(s.memo2, Lines{"13"});
    EXPECT_EQ(s.memo3, Lines{" 1 3"});
    g.N3Click();
    g.Label1Click(2, 2);
    EXPECT_EQ(s.memo1, (Lines{"127", "136", "145", "235"}));

    // A square's own digit stays allowed with the digits that can stand beside it.
    g.Z1Click();
    g.PopupMenu1Popup(2, 2);
    g.N11Click(3);
    g.Label1Click(2, 2);
    EXPECT_EQ(s.memo1, Lines{"136"});
    EXPECT_EQ(s.memo3, Lines{" 1 3"});
}

TEST(Hints, MarkedSquareTurnsRedAt100AndKeepsItsColourAt160) {
    GameFixture f(kTwoByThree);
    f.choose("t");
    Game& g = f.game;
    g.I2Click();
    g.PopupMenu1Popup(2, 2);
    g.N11Click(3);
    g.Button1Click();
    g.Label1Click(3, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kAqua);
    g.Label1Click(2, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kRed);
    g.N7Click();
    g.Label1Click(2, 2);
    EXPECT_EQ(g.screen().square(2, 2).background, kAqua);
}

TEST(Hints, SquareWithoutCluesAllowsNoDigitAndReadsNothingOutsideTheBoard) {
    // The entry square in the corner has no clue before it in either direction.
    GameFixture f(smallTask({"2,0/3", "0,2"}));
    f.choose("t");
    Game& g = f.game;
    ASSERT_EQ(g.board().at(1, 1).acrossClueCol, 0);
    ASSERT_EQ(g.board().at(1, 1).downClueRow, 0);
    g.PopupMenu1Popup(1, 1);
    EXPECT_EQ(g.screen().memo1, Lines{});
    EXPECT_EQ(g.screen().memo3, Lines{""});
    for (int d = 1; d <= 9; ++d)
        EXPECT_FALSE(g.screen().digitItemEnabled[d]);

    g.I2Click();
    g.N3Click();
    g.PopupMenu1Popup(1, 1);
    g.N11Click(5);
    EXPECT_EQ(f.host.messages.back(),
              cp1250FromUtf8("Při vložení čísla 5 by v řádku součet nesouhlasil!"));
    g.K1Click();
    g.N11Click(5);
    EXPECT_EQ(g.board().at(1, 1).digit, 5);
}

TEST(Hints, SelectionKeptFromAnEarlierTaskNeverRecoloursAClue) {
    GameFixture f(std::string(testing::kExampleTask) + "@posunuta\n0,0/16,0/3,0*12\n0,8/0,2,2\n");
    f.choose("priklad");
    f.game.Label1Click(2, 2);
    f.choose("posunuta");  // (2, 2) is a clue there
    EXPECT_EQ(f.game.currentSquare(), (BoardSquare{2, 2}));
    f.game.Label1Click(2, 3);
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
