#include <gtest/gtest.h>

#include "app/game.h"
#include "model/errors.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;

// The example task and, after it, a task with clue sums of every width, a
// square of an unknown kind and a square in row 3, column 12.
const std::string kTasks = std::string(testing::kExampleTask) +
                           "@druha\n"
                           "0,16/0,0/7,9/35,3*1,0*10\n"
                           "0*15\n"
                           "0*10,0/4,2,2,0*2\n"
                           "0*15\n";

TEST(LoadTask, BuildsOneSquarePerCellWithTheDocumentedLook) {
    GameFixture f(kTasks);
    f.choose("priklad");
    const MainScreen& s = f.game.screen();
    EXPECT_TRUE(s.boardPanel);
    EXPECT_FALSE(s.loadGauge.visible);
    EXPECT_TRUE(f.host.failures.empty());

    const SquareLook& blank = s.square(1, 1);
    EXPECT_TRUE(blank.exists);
    EXPECT_FALSE(blank.visible);

    const SquareLook& clue = s.square(1, 2);
    EXPECT_TRUE(clue.visible);
    EXPECT_EQ(clue.background, kBlack);
    EXPECT_EQ(clue.textColour, kWhite);
    EXPECT_EQ(clue.font, FontRole::kClue);
    EXPECT_EQ(clue.caption, "\\   16\\");
    EXPECT_FALSE(clue.interactive);
    EXPECT_EQ(s.square(2, 1).caption, "\\ 8   \\");

    const SquareLook& entry = s.square(2, 2);
    EXPECT_TRUE(entry.visible);
    EXPECT_EQ(entry.background, kYellow);
    EXPECT_EQ(entry.font, FontRole::kEntry);
    EXPECT_TRUE(entry.centred);
    EXPECT_TRUE(entry.interactive);
    EXPECT_EQ(entry.tag, 10202);
    EXPECT_EQ(entry.caption, " ");
    EXPECT_EQ(entry.left, 68);
    EXPECT_EQ(entry.top, 60);
    EXPECT_EQ(entry.width, 25);
    EXPECT_EQ(entry.height, 25);

    EXPECT_EQ(f.game.board().at(3, 3).acrossClueCol, 1);
    EXPECT_EQ(f.game.board().at(3, 3).downClueRow, 1);
}

TEST(LoadTask, ClueCaptionsSquaresOfOtherKindsAndTags) {
    GameFixture f(kTasks);
    f.choose("druha");
    const MainScreen& s = f.game.screen();
    EXPECT_EQ(s.square(1, 2).caption, "\\16   \\");
    EXPECT_EQ(s.square(1, 3).caption, "\\    7\\");
    EXPECT_EQ(s.square(1, 4).caption, "\\ 9 35\\");
    const SquareLook& other = s.square(1, 5);
    EXPECT_TRUE(other.visible);
    EXPECT_FALSE(other.background);
    EXPECT_FALSE(other.interactive);
    EXPECT_EQ(other.caption, " ");
    EXPECT_EQ(other.tag, 0);
    const SquareLook& entry = s.square(3, 12);
    EXPECT_EQ(entry.tag, 10312);
    EXPECT_EQ(tagRow(entry.tag), 3);
    EXPECT_EQ(tagColumn(entry.tag), 12);
    EXPECT_EQ(entry.left, 368);
    EXPECT_EQ(entry.top, 90);
    // Rows the task does not give are entry squares.
    EXPECT_TRUE(s.square(15, 15).interactive);
}

TEST(LoadTask, ShowsTheGaugeWhileItReads) {
    GameFixture f(kTasks);
    f.choose("priklad");
    // One repaint at the start, one per row line read and one per row built.
    EXPECT_EQ(f.host.gaugeRepaints, 1 + 15 + 1 + 15);
    EXPECT_EQ(f.game.screen().loadGauge.maximum, 15);
    EXPECT_EQ(f.game.screen().loadGauge.position, 15);
    EXPECT_FALSE(f.game.screen().loadGauge.visible);
}

TEST(LoadTask, ReloadGivesAFreshBoard) {
    GameFixture f(kTasks);
    f.choose("priklad");
    EXPECT_EQ(f.game.board().prevRowCount, 0);  // the first load releases nothing
    f.game.reloadTask();
    EXPECT_EQ(f.game.board().prevRowCount, 15);
    EXPECT_EQ(f.game.board().prevColCount, 15);
    EXPECT_TRUE(f.game.screen().square(2, 2).interactive);
    EXPECT_EQ(f.game.history().moveCount, 0);
    EXPECT_EQ(f.game.history().markCount, 0);
    // The second task replaces every square of the first.
    f.choose("druha");
    EXPECT_FALSE(f.game.screen().square(2, 2).interactive);
    EXPECT_TRUE(f.game.screen().square(2, 2).exists);
    EXPECT_FALSE(f.game.screen().square(2, 2).visible);
}

TEST(LoadTask, UnknownNameGivesEmptyEntrySquares) {
    GameFixture f(kTasks);
    f.game.setSelectedTaskName("nikde");
    f.game.loadTask();
    EXPECT_TRUE(f.host.failures.empty());
    EXPECT_TRUE(f.game.screen().boardPanel);
    for (int r = 1; r <= 15; ++r) {
        for (int c = 1; c <= 15; ++c) {
            EXPECT_TRUE(f.game.screen().square(r, c).interactive);
            EXPECT_EQ(f.game.board().at(r, c).acrossClueCol, 0);
            EXPECT_EQ(f.game.board().at(r, c).downClueRow, 0);
        }
    }
}

TEST(LoadTask, NothingWithoutAChosenName) {
    GameFixture f(kTasks);
    f.game.reloadTask();
    EXPECT_FALSE(f.game.screen().boardPanel);
    EXPECT_FALSE(f.game.screen().square(1, 1).exists);
    EXPECT_EQ(f.game.board().rowCount, 0);
    EXPECT_TRUE(f.host.failures.empty());
}

TEST(LoadTask, AFailedLoadLeavesTheBoardOnScreen) {
    GameFixture f(kTasks + "@spatna\n0*15\n0*300\n");
    f.choose("priklad");
    const MainScreen before = f.game.screen();
    f.choose("spatna");
    ASSERT_EQ(f.host.failures, std::vector<std::string>{kRangeCheckError});
    EXPECT_EQ(f.game.screen().square(1, 2).caption, before.square(1, 2).caption);
    EXPECT_TRUE(f.game.screen().square(2, 2).interactive);
    EXPECT_EQ(f.game.board().at(1, 2).kind, kClue);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
    EXPECT_EQ(f.game.board().at(2, 1).acrossSum, 8);
    EXPECT_FALSE(f.game.screen().loadGauge.visible);
    EXPECT_TRUE(f.game.screen().boardPanel);

    // The same for a task file that has gone.
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    f.game.reloadTask();
    EXPECT_EQ(f.host.failures.back(), kFileNotFound);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
}

TEST(LoadTask, SumsOfAPreviousTaskSurviveOnlyWherePlainNumbersMakeClues) {
    // A plain 1 makes a clue from whatever sums the cell held.
    GameFixture f(kTasks + "@holy\n0,1\n");
    f.choose("priklad");
    f.choose("holy");
    EXPECT_EQ(f.game.screen().square(1, 2).caption, "\\   16\\");
}

TEST(PaintSquare, NaturalColourByMarkCurrentSquareAndDefault) {
    GameFixture f(kTasks);
    f.choose("priklad");
    f.game.paintSquare(2, 2, kGray);
    EXPECT_EQ(f.game.screen().square(2, 2).background, kGray);
    f.game.paintSquare(2, 2, kNaturalColour);
    EXPECT_EQ(f.game.screen().square(2, 2).background, kYellow);
}

TEST(ScreenAfterLoad, HidesHistoryControlsAndShowsTheCheckButtonOnlyWithoutImmediateChecks) {
    GameFixture f(kTasks);
    f.choose("priklad");
    const MainScreen& s = f.game.screen();
    EXPECT_FALSE(s.markButton);
    EXPECT_FALSE(s.undoButton);
    EXPECT_FALSE(s.undoToMarkButton);
    EXPECT_FALSE(s.checkButton);  // "&Kontrolovat" is on at start
    EXPECT_FALSE(s.duplicateLegend);
    EXPECT_FALSE(s.wrongSumLegend);
    for (int m = 1; m <= 4; ++m)
        EXPECT_FALSE(s.swatch[m]);
}

TEST(EndOfProgram, ReleasesTheSquaresAndAsksToTerminate) {
    GameFixture f(kTasks);
    f.choose("priklad");
    f.game.quit();
    EXPECT_TRUE(f.game.terminateRequested());
    EXPECT_FALSE(f.game.screen().square(2, 2).exists);
    EXPECT_FALSE(f.game.screen().square(15, 15).exists);
}

}  // namespace
}  // namespace krizovky
