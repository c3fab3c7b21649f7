#include "solver/visible_search.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/task_reader.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

using Squares = std::vector<std::pair<int, int>>;

Squares squaresOf(const std::vector<SearchEntry>& list) {
    Squares squares;
    for (const SearchEntry& entry : list)
        squares.emplace_back(entry.row, entry.col);
    return squares;
}

TEST(SearchList, SpreadsByRunsLookingDownBeforeUpAndLeavesOutWhatItDoesNotReach) {
    // A U whose right arm is reached from row 3 by looking up, and an island
    // in rows 6 and 7 joined to nothing. The sums play no part in the order.
    Board u = boardOf({"0,0/1,0/1,0,0/1,0/1", "1/0,2,2,1/0,2,2", "1/0,2,2,2,2,2", "0", "0,0/1,0/1",
                       "1/0,2,2", "1/0,2,2"});
    EXPECT_EQ(squaresOf(buildSearchList(u)),
              (Squares{{2, 2}, {2, 3}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {2, 5}, {2, 6}}));
    // Squares with digits still spread, and are left out at the end.
    u.at(2, 2).digit = 4;
    u.at(3, 5).digit = 1;
    EXPECT_EQ(squaresOf(buildSearchList(u)),
              (Squares{{2, 3}, {3, 2}, {3, 3}, {3, 4}, {3, 6}, {2, 5}, {2, 6}}));

    // (4, 4) has unlisted squares above and below: the runs of the one below
    // come first and list the one above.
    const Board comb = boardOf(
        {"0,0/1,0,0,0", "1/0,2,0,0/1,0/1", "1/0,2,1/1,2,2", "1/0,2,2,2,2", "1/0,2,1/0,2,2"});
    EXPECT_EQ(squaresOf(buildSearchList(comb)), (Squares{{2, 2},
                                                         {3, 2},
                                                         {4, 2},
                                                         {5, 2},
                                                         {4, 3},
                                                         {4, 4},
                                                         {4, 5},
                                                         {5, 4},
                                                         {5, 5},
                                                         {3, 4},
                                                         {3, 5}}));
    EXPECT_TRUE(buildSearchList(boardOf({"0,0/3", "0"})).empty());
}

// The game's side as a table of allowed and refused digits.
struct TableSteps : SolverSteps {
    std::map<int, std::string> allowed, refused;  // by 10 * row + column
    std::string trace;

    std::string_view selectForSolver(int row, int column) override {
        trace += "?" + std::to_string(10 * row + column) + " ";
        return allowed[10 * row + column];
    }
    bool enterForSolver(int row, int column, int digit, bool) override {
        const bool accepted =
            refused[10 * row + column].find(char('0' + digit)) == std::string::npos;
        trace += std::to_string(10 * row + column) + (accepted ? "=" : "!") +
                 std::to_string(digit) + " ";
        return accepted;
    }
    void undoForSolver() override { trace += "undo "; }
    void reportUnsolvable() override { trace += "unsolvable"; }
};

TEST(Search, PassesOverRefusedDigitsAndTakesCandidatesAfreshOnEachArrival) {
    TableSteps steps;
    steps.allowed = {{22, "12"}, {23, "345"}};
    steps.refused = {{23, "345"}};
    SolverSearch search({SearchEntry{{}, 0, 0, 2, 2}, SearchEntry{{}, 0, 0, 2, 3}}, steps);
    EXPECT_EQ(search.run(), SolveEnd::kUnsolvable);
    EXPECT_EQ(steps.trace,
              "?22 22=1 ?23 23!3 23!4 23!5 undo 22=2 ?23 23!3 23!4 23!5 undo undo unsolvable");
    EXPECT_EQ(search.placements(), 2);
    EXPECT_EQ(search.backtracks(), 3);
}

// The search goes on where the last stretch left it: one placement at a time
// it takes the same steps as in one run and ends the same. A stop between two
// stretches ends it before another placement.
TEST(Search, AdvancesInStretchesAsInOneRunAndStopsBetweenThem) {
    // (2, 2) takes 1 or 2, (2, 3) 3 or 4, (2, 4) refuses 5 and takes 6.
    auto steps = [] {
        TableSteps table;
        table.allowed = {{22, "12"}, {23, "34"}, {24, "56"}};
        table.refused = {{24, "5"}};
        return table;
    };
    const std::vector<SearchEntry> list = {SearchEntry{{}, 0, 0, 2, 2}, SearchEntry{{}, 0, 0, 2, 3},
                                           SearchEntry{{}, 0, 0, 2, 4}};
    TableSteps whole = steps();
    EXPECT_EQ(SolverSearch(list, whole).run(), SolveEnd::kSolved);
    EXPECT_EQ(whole.trace, "?22 22=1 ?23 23=3 ?24 24!5 24=6 ");

    TableSteps sliced = steps();
    SolverSearch stretches(list, sliced);
    std::vector<std::string> traces;
    std::optional<SolveEnd> end;
    while (!end) {
        end = stretches.advance(1);
        traces.push_back(sliced.trace);
    }
    EXPECT_EQ(*end, SolveEnd::kSolved);
    EXPECT_EQ(traces, (std::vector<std::string>{"?22 22=1 ", "?22 22=1 ?23 23=3 ", whole.trace}));
    EXPECT_EQ(stretches.placements(), 3);
    EXPECT_EQ(stretches.advance(1), SolveEnd::kSolved);  // an ended search stays ended
    EXPECT_EQ(sliced.trace, whole.trace);

    TableSteps stopped = steps();
    SolverSearch first(list, stopped);
    EXPECT_EQ(first.advance(2), std::nullopt);
    first.requestStop();
    EXPECT_EQ(first.advance(5), SolveEnd::kStopped);
    EXPECT_EQ(stopped.trace, "?22 22=1 ?23 23=3 ");
    EXPECT_EQ(first.placements(), 2);
}

}  // namespace
}  // namespace krizovky
