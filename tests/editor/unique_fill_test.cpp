#include "editor/unique_fill.h"

#include <gtest/gtest.h>

#include "editor/task_form.h"
#include "model/combination_table.h"
#include "solver/exact_solver.h"
#include "support/editor_grid_text.h"

namespace krizovky {
namespace {

using testing::gridOf;

// Whether the digits of a filled grid are a solution of the task of their
// sums, and its only one.
void expectOnlySolution(const EditorGrid& filled) {
    const Board board = taskBoard(withSums(filled));
    const ExactResult found = solveExact(board, completeCombinationTable(), 2);
    ASSERT_EQ(found.solutions, 1);
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (board.isEntry(r, c)) {
                EXPECT_EQ(std::string(1, static_cast<char>('0' + found.first.at(r, c).digit)),
                          filled.at(c, r))
                    << r << " " << c;
            }
}

// A 3 x 3 block whose digits also read as its mirror image: a making that
// says it is done leaves a task whose only solution is the grid's own digits.
TEST(MakeUnique, EndsWithTheGridsDigitsAsTheOnlySolution) {
    const EditorGrid ambiguous = gridOf({"x,/,/,/", "/,1,2,3", "/,2,3,1", "/,3,1,2"});
    for (std::uint32_t seed : {1u, 2u, 77u}) {
        EditorGrid grid = ambiguous;
        std::uint32_t randomSeed = seed;
        ASSERT_TRUE(makeUnique(grid, randomSeed, 1500)) << seed;
        EXPECT_NE(grid, ambiguous);
        expectOnlySolution(grid);
    }
    // No change allowed: it says so and keeps the digits.
    EditorGrid grid = ambiguous;
    std::uint32_t randomSeed = 1;
    EXPECT_FALSE(makeUnique(grid, randomSeed, 0));
    EXPECT_EQ(grid, ambiguous);
}

}  // namespace
}  // namespace krizovky
