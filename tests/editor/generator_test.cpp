#include "editor/generator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/random.h"
#include "model/text.h"
#include "support/editor_grid_text.h"

namespace krizovky {
namespace {

using testing::gridOf;
using testing::rowOf;

std::vector<int> draws(std::uint32_t seed, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(nextRandom(seed, 9) + 1);
    return values;
}

TEST(nextRandom, GivesTheKnownSequences) {
    EXPECT_EQ(draws(3, 6), (std::vector<int>{1, 5, 8, 4, 5, 6}));
    EXPECT_EQ(draws(0, 6), (std::vector<int>{1, 1, 8, 2, 3, 7}));
    std::uint32_t seed = 3;
    EXPECT_EQ(nextRandom(seed, 9), 0);
    EXPECT_EQ(seed, 404327440u);
}

TEST(setTaskNumber, ReadsNumbersAndRefusesTheRest) {
    struct Case {
        const char* text;
        bool good;
        std::string numberText;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {"12", true, "12", 25},           {"$C", true, "$C", 25},
        {"  0x1f", true, "  0x1", 3},  // only the first five characters count
        {"abc", false, "1", 3},           {"-5", false, "1", 3},
        {"12 ", false, "1", 3},           {"     1", false, "1", 3},  // the field's initial text
        {"99999", true, "99999", 199999},
    };
    for (const auto& c : cases) {
        GeneratorState state;
        state.generationCount = 7;
        EXPECT_EQ(setTaskNumber(state, c.text), c.good) << c.text;
        EXPECT_EQ(state.taskNumberText, c.numberText) << c.text;
        EXPECT_EQ(state.randomSeed, c.seed) << c.text;
        EXPECT_EQ(state.generationCount, 0u) << c.text;
    }
}

TEST(fillDigits, ATenthOpenCellInARowSegmentFindsNoDigit) {
    std::string row = "/";
    for (int i = 0; i < 10; ++i)
        row += ", ";
    EditorGrid grid = gridOf({row + ",x"});
    std::uint32_t seed = 3;
    const FillResult result = fillDigits(grid, seed);
    EXPECT_FALSE(result.filled);
    EXPECT_EQ(result.duplicateRow, 0);
    // Nine distinct digits before the failing cell, which stays open, and one
    // draw per cell reached.
    std::string digits;
    for (int c = 2; c <= 10; ++c)
        digits += grid.at(c, 1);
    std::sort(digits.begin(), digits.end());
    EXPECT_EQ(digits, "123456789");
    EXPECT_EQ(grid.at(11, 1), " ");
    std::uint32_t expected = 3;
    for (int i = 0; i < 10; ++i)
        nextRandom(expected, 9);
    EXPECT_EQ(seed, expected);
    // The digits of the failed attempt stay and are checked by every later
    // attempt; with ten cells each attempt fails again.
    EXPECT_FALSE(fillWithRetries(grid, seed, nullptr));
    // A stop cell splits the segment: nine and nine cells always fill.
    for (int attempt = 0; attempt < 20; ++attempt) {
        EditorGrid g = gridOf({"/, , , , , , , , ,x, , , , , "});
        std::uint32_t s = 2 * attempt + 1;
        EXPECT_TRUE(fillDigits(g, s).filled);
    }
}

TEST(fillDigits, AWalkReachesNineCellsAndStopsAtStopCells) {
    // A 5 in column 1 and the other eight digits typed after it: the open cell
    // 9 squares from the 5 has no digit left, the one 10 squares away a 5.
    EditorGrid grid = gridOf({"5,1,2,3,4,6,7,8,9, ,x"});
    std::uint32_t seed = 0;
    FillResult result = fillDigits(grid, seed);
    EXPECT_FALSE(result.filled);  // column 10 is 9 squares from the 5
    grid = gridOf({"5,1,2,3,4,6,7,8,9,0, ,x"});
    seed = 0;
    result = fillDigits(grid, seed);
    ASSERT_TRUE(result.filled);  // "0" is passed over; column 11 is 10 squares away
    EXPECT_EQ(grid.at(11, 1), "5");
    // An "x" between two equal digits ends their walks; an open or other cell
    // does not, at any distance within the row.
    grid = gridOf({"7,x,7"});
    seed = 0;
    EXPECT_TRUE(fillDigits(grid, seed).filled);
    grid = gridOf({"7,0, ,abc, 5,0,0,0,0,0,0,0,7"});
    seed = 0;
    result = fillDigits(grid, seed);
    EXPECT_FALSE(result.filled);
    EXPECT_EQ(result.duplicateRow, 1);
    EXPECT_EQ(result.duplicateColumn, 13);
    // Down the column the same, through downTaken; "/" stops it.
    grid = gridOf({"3", "x", "3", "/", "3"});
    seed = 0;
    EXPECT_TRUE(fillDigits(grid, seed).filled);
    grid = gridOf({"3", "0", "3"});
    seed = 0;
    result = fillDigits(grid, seed);
    EXPECT_EQ(result.duplicateRow, 3);
    EXPECT_EQ(result.duplicateColumn, 1);
    // A leading number: 12/5 is a digit cell of value 12 and clashes with 12.
    grid = gridOf({"12/5,x", "12"});
    seed = 0;
    EXPECT_EQ(fillDigits(grid, seed).duplicateRow, 2);
    EXPECT_EQ(duplicateMessage(2, 1), "Na poli 2/1 je duplikátní číslo ");
}

TEST(computeSums, WritesAcrossAndDownUpToTheFirstNonDigit) {
    EditorGrid grid = gridOf({"x,/,/,x,x,x,x,x,x,x,x,x,x,x,/",  //
                              "/,1,2,/,x",                      //
                              "/,3,4,x",                        //
                              "x,0,x"});
    grid.at(1, 15) = "/";
    grid.at(15, 15) = "/";
    grid.at(2, 15) = "9";
    grid.at(15, 2) = "7";
    computeSums(grid);
    EXPECT_EQ(rowOf(grid, 1, 3), "x,0/4,0/6");  // a "/" on the right ends an across sum
    EXPECT_EQ(rowOf(grid, 2, 4), "3/0,1,2,0/0");
    EXPECT_EQ(grid.at(1, 3), "7/0");
    EXPECT_EQ(grid.at(15, 1), "0/7");   // column 15: no across
    EXPECT_EQ(grid.at(1, 15), "9/0");   // row 15: no down
    EXPECT_EQ(grid.at(15, 15), "0/0");  // the corner
    // A clue left from earlier is not recomputed, and a sum reaching it goes
    // on past it counting its first character; "0" stops a sum.
    grid = gridOf({"/,2,12/5,3,x", "x,0", "x,5"});
    grid.at(1, 2) = "/";
    computeSums(grid);
    EXPECT_EQ(grid.at(1, 1), "6/0");
    EXPECT_EQ(grid.at(3, 1), "12/5");
    grid = gridOf({"/,/,x", "x,4", "x,5"});
    computeSums(grid);
    EXPECT_EQ(rowOf(grid, 1, 2), "0/0,0/9");
}

}  // namespace
}  // namespace krizovky
