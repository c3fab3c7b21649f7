#include "editor/task_shape.h"

#include <gtest/gtest.h>

#include "support/editor_grid_text.h"

namespace krizovky {
namespace {

using testing::gridOf;

// A shape from rows of "." (entry square) and "#" (no entry square), row 1
// first; rows and cols are set as the last row and column with an entry.
TaskShape shapeOf(const std::vector<std::string>& rows) {
    TaskShape shape;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] == '.') {
                shape.entry[r + 1][c + 1] = true;
                shape.rows = std::max(shape.rows, static_cast<int>(r) + 1);
                shape.cols = std::max(shape.cols, static_cast<int>(c) + 1);
            }
    return shape;
}

TEST(ShapeFault, NamesTheFirstRuleAShapeBreaks) {
    struct Case {
        std::vector<std::string> rows;
        std::string fault;  // its beginning
    };
    const Case cases[] = {
        {{"####", "#..#", "#..."}, "a run of one square at (3, 4)"},
        {{"#####", "#..##", "#..##", "###..", "###.."}, "entry squares that are not connected"},
        {{"####", "#...", "#..#"}, "a run of one square"},
        {{"#####", "#..##", "#....", "#...."}, "not the same under a half turn"},
        {{"#..", "#.."}, "an entry square in row 1"},
        {{"#", "#" + std::string(10, '.'), "#" + std::string(10, '.')}, "an entry square in row 1"},
        {{"####", "#..#", "#..#"}, ""},
        {{"####", "#...", "#..."}, ""},
        {{"#####", "#..##", "#....", "#....", "##..#"}, "not the same under a half turn"},
        {{"#####", "##..#", "#....", "#....", "##..#"}, ""},
    };
    for (const Case& c : cases) {
        const std::string fault = shapeFault(shapeOf(c.rows));
        EXPECT_EQ(fault.substr(0, c.fault.size()), c.fault) << c.rows[1] << " " << c.rows[2];
        EXPECT_EQ(fault.empty(), c.fault.empty()) << fault;
    }
    // A block in the middle of a larger board keeps every rule but reaching
    // the board's first row and column.
    TaskShape middle = shapeOf({"######", "######", "##...#", "##...#", "##...#"});
    middle.rows = middle.cols = 6;
    EXPECT_EQ(shapeFault(middle), "no entry square in row 2 or column 2");
}

TEST(StructureFault, RefusesWhatNoTaskCanHold) {
    EXPECT_EQ(structureFault(shapeOf({"#..", "#.."})), "Políčko (1, 2) nemá kde mít svůj součet.");
    EXPECT_EQ(structureFault(shapeOf({"###", ".##"})), "Políčko (2, 1) nemá kde mít svůj součet.");
    EXPECT_EQ(structureFault(shapeOf({"#", "#" + std::string(10, '.')})),
              "Řada u políčka (2, 2) je delší než 9 políček.");
    // A run of one square is a run a task may have.
    EXPECT_EQ(structureFault(shapeOf({"###", "#.#"})), "");
}

TEST(RandomShape, KeepsEveryRuleAtEachSize) {
    struct Case {
        int side, minEntries, maxEntries, longest;
    };
    const Case cases[] = {{8, 35, 40, 7}, {11, 66, 76, 6}, {15, 122, 141, 7}, {15, 122, 141, 9}};
    for (const Case& c : cases)
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            TaskRandom random(seed);
            const auto shape =
                randomShape(c.side, c.side, c.minEntries, c.maxEntries, c.longest, random);
            ASSERT_TRUE(shape) << c.side << " seed " << seed;
            EXPECT_EQ(shapeFault(*shape), "") << c.side << " seed " << seed;
            EXPECT_EQ(shape->rows, c.side);
            EXPECT_EQ(shape->cols, c.side);
            EXPECT_GE(shape->entryCount(), c.minEntries);
            EXPECT_LE(shape->entryCount(), c.maxEntries);
            for (int line = 1; line <= kBoardSize; ++line)
                for (int from = 1; from + c.longest <= kBoardSize; ++from) {
                    bool across = true, down = true;
                    for (int k = 0; k <= c.longest; ++k) {
                        across = across && shape->isEntry(line, from + k);
                        down = down && shape->isEntry(from + k, line);
                    }
                    EXPECT_FALSE(across || down) << c.side << " seed " << seed;
                }
        }
}

TEST(ShapeOfGrid, ReadsEntrySquaresAndGivesCluesBack) {
    const EditorGrid typed = gridOf({"x,/,12/0,X", "/, ,7,/", "/,,3,x"});
    const TaskShape shape = shapeOfGrid(typed);
    EXPECT_EQ(shape, shapeOf({"####", "#..#", "#..#"}));
    const EditorGrid grid = gridOfShape(shape);
    EXPECT_EQ(testing::rowOf(grid, 1, 4), "x,/,/,x");
    EXPECT_EQ(testing::rowOf(grid, 2, 4), "/, , ,x");
    EXPECT_EQ(testing::rowOf(grid, 3, 4), "/, , ,x");
    EXPECT_EQ(testing::rowOf(grid, 4, 4), "x,x,x,x");
}

}  // namespace
}  // namespace krizovky
