#include "model/board.h"

#include <gtest/gtest.h>

#include "model/task_reader.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

Board boardOf(const std::vector<std::string>& rows) {
    Board board;
    readTaskLines(testing::taskLines(rows), "t", board);
    deriveRuns(board);
    return board;
}

TEST(FormatSum, RightAlignsAndShowsZeroAsBlanks) {
    EXPECT_EQ(formatSum(7, 2), " 7");
    EXPECT_EQ(formatSum(0, 2), "  ");
    EXPECT_EQ(formatSum(23, 2), "23");
    EXPECT_EQ(formatSum(0, 1), " ");
    EXPECT_EQ(formatSum(0, 0), " ");
    EXPECT_EQ(formatSum(255, 2), "255");  // never cut
    EXPECT_EQ(formatSum(5, 4), "   5");
}

TEST(ClueCaption, PutsAcrossSumFirstAndDownSumSecond) {
    Cell cell;
    cell.acrossSum = 16;
    cell.downSum = 0;
    EXPECT_EQ(clueCaption(cell), "\\16   \\");
    cell.acrossSum = 0;
    cell.downSum = 7;
    EXPECT_EQ(clueCaption(cell), "\\    7\\");
    cell.acrossSum = 9;
    cell.downSum = 35;
    EXPECT_EQ(clueCaption(cell), "\\ 9 35\\");
    cell.acrossSum = 0;
    cell.downSum = 0;
    EXPECT_EQ(clueCaption(cell), "\\     \\");
}

TEST(DeriveRuns, LinksEveryEntryCellOfAWellFormedTaskToItsClues) {
    Board board = boardOf({"0,0/16,0/3,0*12", "8/0,2,2,0*12", "11/0,2,2,0*12"});
    EXPECT_EQ(board.at(2, 2).acrossClueCol, 1);
    EXPECT_EQ(board.at(2, 3).acrossClueCol, 1);
    EXPECT_EQ(board.at(3, 3).acrossClueCol, 1);
    EXPECT_EQ(board.at(2, 2).downClueRow, 1);
    EXPECT_EQ(board.at(3, 2).downClueRow, 1);
    EXPECT_EQ(board.at(3, 3).downClueRow, 1);
}

TEST(DeriveRuns, StartsANewRunAtEveryClue) {
    // Row 2: clue, two entries, clue, two entries.
    Board board = boardOf({"0,0/3,0/4,0,0/3,0/4,0*9", "3/0,2,2,7/0,2,2,0*9"});
    EXPECT_EQ(board.at(2, 3).acrossClueCol, 1);
    EXPECT_EQ(board.at(2, 5).acrossClueCol, 4);
    EXPECT_EQ(board.at(2, 6).acrossClueCol, 4);
    EXPECT_EQ(board.at(2, 5).downClueRow, 1);
}

TEST(DeriveRuns, CarriesTheRememberedClueOverRowEndsAndBlanks) {
    // Row 3 starts with an entry cell and has no clue of its own; row 2 ends
    // with a clue at column 5 after a blank.
    Board board = boardOf({"0*15", "4/0,2,0,0,6/0,0*10", "2,0*14"});
    EXPECT_EQ(board.at(3, 1).acrossClueCol, 5);
    // A blank between a clue and an entry cell does not break the link.
    Board gap = boardOf({"0*15", "4/0,0,2,0*12"});
    EXPECT_EQ(gap.at(2, 3).acrossClueCol, 1);
}

TEST(DeriveRuns, CarriesTheRememberedClueOverColumnEnds) {
    // Column 1 ends with a clue in row 15; column 2 starts with an entry cell.
    std::vector<std::string> rows(15, "0*15");
    rows[0] = "0,2,0*13";
    rows[14] = "0/0,0*14";
    Board board = boardOf(rows);
    EXPECT_EQ(board.at(1, 2).downClueRow, 15);
}

TEST(DeriveRuns, LeavesOrphansOfTheFirstRowAndColumnAtZero) {
    Board board = boardOf({"2,2,0*13", "2,0*14"});
    EXPECT_EQ(board.at(1, 1).acrossClueCol, 0);
    EXPECT_EQ(board.at(1, 2).acrossClueCol, 0);
    EXPECT_EQ(board.at(1, 1).downClueRow, 0);
    EXPECT_EQ(board.at(2, 1).downClueRow, 0);
}

}  // namespace
}  // namespace krizovky
