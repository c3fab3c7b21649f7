#include "model/task_reader.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/text.h"
#include "support/task_text.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

using testing::TempDir;

// Reads the task "t" made of the given row lines.
Board read(const std::vector<std::string>& rows) {
    Board board;
    EXPECT_TRUE(readTaskLines(testing::taskLines(rows), "t", board));
    return board;
}

std::string kindsOfRow(const Board& board, int row) {
    std::string kinds;
    for (int c = 1; c <= kBoardSize; ++c)
        kinds += std::to_string(board.at(row, c).kind);
    return kinds;
}

std::string errorOf(const std::vector<std::string>& rows) {
    Board board;
    try {
        readTaskLines(testing::taskLines(rows), "t", board);
    } catch (const RunError& e) {
        return e.what();
    }
    return "";
}

TEST(RowParser, ReadsTheExampleTask) {
    Board board;
    ASSERT_TRUE(readTaskLines(splitLines(testing::kExampleTask), "priklad", board));
    EXPECT_EQ(board.rowCount, 15);
    EXPECT_EQ(board.colCount, 15);
    EXPECT_EQ(kindsOfRow(board, 1), "011000000000000");
    EXPECT_EQ(kindsOfRow(board, 2), "122000000000000");
    EXPECT_EQ(kindsOfRow(board, 15), "000000000000000");
    EXPECT_EQ(board.at(1, 2).downSum, 16);
    EXPECT_EQ(board.at(1, 2).acrossSum, 0);
    EXPECT_EQ(board.at(1, 3).downSum, 3);
    EXPECT_EQ(board.at(2, 1).acrossSum, 8);
    EXPECT_EQ(board.at(3, 1).acrossSum, 11);
    EXPECT_EQ(board.at(3, 1).downSum, 0);
}

TEST(RowParser, ClueTokens) {
    Board board = read({"0/0,/5,7/,12/7"});
    EXPECT_EQ(kindsOfRow(board, 1).substr(0, 5), "11112");
    EXPECT_EQ(board.at(1, 1).acrossSum, 0);  // a clue without runs
    EXPECT_EQ(board.at(1, 1).downSum, 0);
    EXPECT_EQ(board.at(1, 2).acrossSum, 0);  // nothing before "/"
    EXPECT_EQ(board.at(1, 2).downSum, 5);
    EXPECT_EQ(board.at(1, 3).acrossSum, 7);
    EXPECT_EQ(board.at(1, 3).downSum, 0);  // nothing after "/"
    EXPECT_EQ(board.at(1, 4).acrossSum, 12);
    EXPECT_EQ(board.at(1, 4).downSum, 7);
}

TEST(RowParser, RepeatTokens) {
    EXPECT_EQ(kindsOfRow(read({"2*15"}), 1), "222222222222222");
    EXPECT_EQ(kindsOfRow(read({"0*3,2*20"}), 1), "000222222222222");
    EXPECT_EQ(kindsOfRow(read({"3*2,0*13"}), 1), "330000000000000");
    // R = 0 and an empty R cover nothing and do not move the column.
    EXPECT_EQ(kindsOfRow(read({"0*0,0*,0,1"}), 1), "012222222222222");
    // A repeat of kind 2 after blanks, then single squares after it.
    EXPECT_EQ(kindsOfRow(read({"0*2,1,2*3,0"}), 1), "001222022222222");
}

TEST(RowParser, IgnoresEveryOtherCharacter) {
    Board spaced = read({" 0 , 0 / 16 , 0 / 3 , 0 * 12 "});
    Board plain = read({"0,0/16,0/3,0*12"});
    EXPECT_EQ(kindsOfRow(spaced, 1), kindsOfRow(plain, 1));
    EXPECT_EQ(spaced.at(1, 2).downSum, 16);
    Board noisy = read({"a0b,x1\t6y/-0@,0/+3,0*1z2"});
    EXPECT_EQ(kindsOfRow(noisy, 1), kindsOfRow(plain, 1));
    EXPECT_EQ(noisy.at(1, 2).acrossSum, 16);
    // Only ignored characters: one token 0.
    EXPECT_EQ(kindsOfRow(read({" @ "}), 1), "022222222222222");
}

TEST(RowParser, PlainNumberSetsOnlyTheKind) {
    Board board;
    board.at(1, 1).acrossSum = 9;
    board.at(1, 1).downSum = 4;
    readTaskLines({"@t", "1"}, "t", board);
    EXPECT_EQ(board.at(1, 1).kind, kClue);
    EXPECT_EQ(board.at(1, 1).acrossSum, 9);  // what the cell held
    EXPECT_EQ(board.at(1, 1).downSum, 4);
}

TEST(RowParser, ShortRowsAndMissingRowsStayEntrySquares) {
    Board board = read({"0,0", "0*15"});
    EXPECT_EQ(kindsOfRow(board, 1), "002222222222222");
    EXPECT_EQ(kindsOfRow(board, 2), "000000000000000");
    EXPECT_EQ(kindsOfRow(board, 3), "222222222222222");
    EXPECT_EQ(kindsOfRow(board, 15), "222222222222222");
}

TEST(RowParser, TokensBeyondTheBoardAreReadAndIgnored) {
    // Column 16 with a number above a byte and a clue: ignored, no error.
    std::vector<std::string> rows(15, "0*15");
    rows[0] = "0*15,999,300/400";
    rows.push_back("7/7,999");  // row 16
    rows.push_back("1,1");      // row 17
    Board board = read(rows);
    EXPECT_EQ(kindsOfRow(board, 1), "000000000000000");
    EXPECT_EQ(kindsOfRow(board, 15), "000000000000000");
}

TEST(RowParser, ByteLimitsGiveRangeCheckErrors) {
    EXPECT_EQ(errorOf({"256"}), kRangeCheckError);
    EXPECT_EQ(errorOf({"255"}), "");
    EXPECT_EQ(errorOf({"256/0"}), kRangeCheckError);
    EXPECT_EQ(errorOf({"0/256"}), kRangeCheckError);
    EXPECT_EQ(errorOf({"99999999999999999999999"}), kRangeCheckError);
    // V and R of a repeat are checked wherever the token stands.
    EXPECT_EQ(errorOf({"256*1"}), kRangeCheckError);
    EXPECT_EQ(errorOf({"0*256"}), kRangeCheckError);
    std::vector<std::string> rows(15, "0*15");
    rows.push_back("0*300");  // row 16
    EXPECT_EQ(errorOf(rows), kRangeCheckError);
    // A repeat that would carry the column past 255.
    EXPECT_EQ(errorOf({"0*200,0*56"}), kRangeCheckError);
}

TEST(RowParser, RowLineLengthLimit) {
    std::string longest(254, ' ');
    longest[0] = '2';
    EXPECT_EQ(errorOf({longest}), "");
    EXPECT_EQ(errorOf({longest + " "}), kRangeCheckError);
}

TEST(RowParser, ColumnAndRowCountersOverflow) {
    // A token at column 255.
    EXPECT_EQ(errorOf({"0*200,0*55"}), kIntegerOverflow);
    EXPECT_EQ(errorOf({"0*200,0*54"}), "");
    EXPECT_EQ(errorOf({std::string(254, ',')}), kIntegerOverflow);
    EXPECT_EQ(errorOf({std::string(253, ',')}), "");
    EXPECT_EQ(errorOf(std::vector<std::string>(254, "0")), "");
    EXPECT_EQ(errorOf(std::vector<std::string>(255, "0")), kIntegerOverflow);
}

TEST(TaskReading, FindsNamesByteForByte) {
    std::vector<std::string> lines{"@a ", "0/5", "@A", "0/6", "@a", "0/7", "@a", "0/8"};
    Board board;
    ASSERT_TRUE(readTaskLines(lines, "a", board));
    EXPECT_EQ(board.at(1, 1).downSum, 7);  // the first "a" without the blank
    ASSERT_TRUE(readTaskLines(lines, "a ", board));
    EXPECT_EQ(board.at(1, 1).downSum, 5);
    ASSERT_TRUE(readTaskLines(lines, "A", board));
    EXPECT_EQ(board.at(1, 1).downSum, 6);
}

TEST(TaskReading, LineRolesFollowTheFirstCharacter) {
    std::vector<std::string> lines{"0/9", "@t", "",    "  \t", "0/1", " @u",
                                   "0/2", "",   "0/3", "@u",   "0/4"};
    Board board;
    ASSERT_TRUE(readTaskLines(lines, "t", board));
    // Blank lines do not count as rows; " @u" is the row line "0" (one blank square).
    EXPECT_EQ(board.at(1, 1).downSum, 1);
    EXPECT_EQ(kindsOfRow(board, 2), "022222222222222");
    EXPECT_EQ(board.at(3, 1).downSum, 2);
    EXPECT_EQ(board.at(4, 1).downSum, 3);
    EXPECT_EQ(kindsOfRow(board, 5), "222222222222222");  // "@u" ended the task
    // The line above the first name is never a row.
    ASSERT_TRUE(readTaskLines(lines, "u", board));
    EXPECT_EQ(board.at(1, 1).downSum, 4);
}

TEST(TaskReading, UnknownNameGivesEntrySquaresOnly) {
    Board board;
    board.at(4, 4).kind = kClue;
    EXPECT_FALSE(readTaskLines({"@t", "0*15"}, "x", board));
    EXPECT_EQ(board.rowCount, 15);
    for (int r = 1; r <= 15; ++r)
        EXPECT_EQ(kindsOfRow(board, r), "222222222222222");
}

TEST(TaskReading, NamesLongerThan255AreCut) {
    std::string name(300, 'n');
    Board board;
    EXPECT_TRUE(readTaskLines({"@" + name, "0/4"}, name.substr(0, 255), board));
    EXPECT_EQ(board.at(1, 1).downSum, 4);
    EXPECT_FALSE(readTaskLines({"@" + name, "0/4"}, name, board));
}

TEST(TaskReading, ReportsProgressPerRow) {
    std::vector<int> rows;
    Board board;
    readTaskLines({"@t", "0", "", "0", "0", "@u", "0"}, "t", board,
                  [&](int row) { rows.push_back(row); });
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3}));
}

TEST(TaskReading, FromFiles) {
    TempDir dir;
    auto path = dir.write("t.kri", testing::crlf(testing::kExampleTask));
    Board board;
    EXPECT_TRUE(readTask(path, "priklad", board));
    EXPECT_EQ(board.at(3, 1).acrossSum, 11);
    auto lf = dir.write("lf.kri", testing::kExampleTask);
    Board other;
    EXPECT_TRUE(readTask(lf, "priklad", other));
    EXPECT_EQ(other.at(3, 1).acrossSum, 11);
    try {
        readTask(dir.file("missing.kri"), "priklad", board);
        ADD_FAILURE() << "a missing file was read";
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), kFileNotFound);
    }
    try {
        readTask(dir.path(), "priklad", board);
        ADD_FAILURE() << "a folder was read as a file";
    } catch (const RunError& e) {
        EXPECT_STRNE(e.what(), kFileNotFound);
        EXPECT_STRNE(e.what(), "");
    }
}

}  // namespace
}  // namespace krizovky
