// The board as a picture: the squares a task uses, a game's digits and
// colours, the wrong digits, a task made ready for paper with its grade and
// solution, and the tasks of a file read one by one.
#include "app/board_picture.h"

#include <gtest/gtest.h>

#include "model/text.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

// A picture's squares as the tool prints a board: x, A/D, _ or the digit.
std::string squaresOf(const BoardPicture& picture) {
    std::string text;
    for (int r = 1; r <= picture.rows; ++r) {
        for (int c = 1; c <= picture.columns; ++c) {
            const PictureSquare& s = picture.at(r, c);
            if (c > 1) text += ' ';
            if (s.kind == PictureKind::kBlank) text += 'x';
            if (s.kind == PictureKind::kClue)
                text += std::to_string(s.acrossSum) + "/" + std::to_string(s.downSum);
            if (s.kind == PictureKind::kEntry) text += s.digit ? char('0' + s.digit) : '_';
        }
        text += '\n';
    }
    return text;
}

TEST(BoardPictureTest, ATaskEndsAtItsLastRowAndColumnInUse) {
    const struct {
        std::vector<std::string> rows;
        std::string squares;
    } cases[] = {
        {{"0,0/16,0/3", "8/0,2,2", "11/0,2,2"}, "x 0/16 0/3\n8/0 _ _\n11/0 _ _\n"},
        // A blank row and a blank column inside the task stay.
        {{"0,0/3,0,0/4", "0", "3/0,2,0,4/0,2"}, "x 0/3 x 0/4 x\nx x x x x\n3/0 _ x 4/0 _\n"},
    };
    for (const auto& c : cases) {
        Board board = boardOf(c.rows);
        board.at(2, 2).digit = 7;  // a task shows no digit
        EXPECT_EQ(squaresOf(pictureOfTask(board)), c.squares);
    }
}

TEST(BoardPictureTest, AGameShowsItsDigitsColoursAndWrongDigits) {
    Board board = boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"});
    board.at(2, 2).digit = 7;
    board.at(3, 2).digit = 5;  // the solution has 9
    MainScreen screen;
    for (int c : {2, 3}) {
        screen.square(2, c).exists = true;
        screen.square(2, c).visible = c == 2;  // hidden squares give no colour
        screen.square(2, c).background = kRed;
    }

    BoardPicture picture = pictureOfGame(board, &screen);
    // The solution is the task's, whatever digits the game holds.
    markWrongDigits(picture, *printedTask(board, "priklad", completeCombinationTable()).solution);

    EXPECT_EQ(squaresOf(picture), "x 0/16 0/3\n8/0 7 _\n11/0 5 _\n");
    EXPECT_EQ(picture.at(2, 2).background, kRed);
    EXPECT_EQ(picture.at(2, 3).background, std::nullopt);
    EXPECT_FALSE(picture.at(2, 2).wrong);
    EXPECT_TRUE(picture.at(3, 2).wrong);
    EXPECT_FALSE(picture.at(3, 3).wrong);  // empty
    EXPECT_EQ(pictureOfGame(board).at(2, 2).background, std::nullopt);
}

TEST(BoardPictureTest, APrintedTaskHasItsGradeAndOnlyAOneSolution) {
    const struct {
        std::vector<std::string> rows;
        std::string grade;
        std::string solution;  // empty: none
    } cases[] = {
        {{"0,0/16,0/3", "8/0,2,2", "11/0,2,2"}, "lehká", "x 0/16 0/3\n8/0 7 1\n11/0 9 2\n"},
        {{"0,0/10,0/10", "10/0,2,2", "10/0,2,2"}, "více řešení", ""},
        {{"0,0/3,0/3", "4/0,2,2", "3/0,2,2"}, "bez řešení", ""},
        {{"0,0/4", "4/0,2,2"}, "chybná úloha", ""},
    };
    for (const auto& c : cases) {
        const PrintedTask printed =
            printedTask(boardOf(c.rows), cp1250FromUtf8("úloha"), completeCombinationTable());
        EXPECT_EQ(printed.grade, c.grade);
        EXPECT_EQ(printed.task.caption, "úloha – " + c.grade);
        EXPECT_EQ(printed.solution ? squaresOf(*printed.solution) : "", c.solution);
        if (printed.solution) {
            EXPECT_EQ(printed.solution->caption, "úloha – lehká (řešení)");
        }
    }
}

TEST(BoardPictureTest, TheTasksOfAFileAreReadInFileOrderEachFromItsOwnLines) {
    const auto tasks = tasksOfFile(splitLines("@a\n0,0/3\n3/0,2\n@b\n0,0/300\n@a\n0,0/4\n4/0,2\n"));
    ASSERT_EQ(tasks.size(), 3u);
    EXPECT_EQ(tasks[0].name + tasks[1].name + tasks[2].name, "aba");
    EXPECT_EQ(tasks[0].board.at(1, 2).downSum, 3);
    EXPECT_EQ(tasks[1].error, "Range check error");
    EXPECT_EQ(tasks[2].board.at(1, 2).downSum, 4);
    EXPECT_EQ(tasks[2].error, "");
}

}  // namespace
}  // namespace krizovky
