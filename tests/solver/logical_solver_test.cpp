// The logical solver: for each technique of the ladder a small board on which
// it is the next deduction once the simpler ones have done their part; whole
// solves (the example task, a wrong digit, several solutions, a malformed
// board); the hint for a stuck player; and the published puzzles, where every
// deduction must keep the published solution.
#include "solver/logical_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <filesystem>
#include <map>

#include "model/digit_set.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/exact_solver.h"
#include "support/published_puzzles.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

const CombinationTable& table() {
    return completeCombinationTable();
}

DigitSet digits(std::initializer_list<int> list) {
    DigitSet set = 0;
    for (int d : list)
        set |= digitBit(d);
    return set;
}

// The first deduction of the whole solve that uses technique t or a harder one.
Deduction firstFrom(const Board& board, Technique t) {
    const LogicalSolve solve = solveLogically(board, table(), true);
    for (const Deduction& d : solve.deductions)
        if (rungOf(d.technique) >= rungOf(t)) return d;
    ADD_FAILURE() << "no deduction from " << techniqueName(t);
    return {};
}

// The one solution the exact solver finds.
Board solutionOf(const Board& board) {
    const ExactResult exact = solveExact(board, table(), 2);
    EXPECT_EQ(exact.solutions, 1);
    return exact.first;
}

// Replays the deductions on candidate sets: an elimination removes only
// digits the square still has and never the solution's digit, a placement is
// a square left with just the solution's digit, and the solve's count, hardest
// technique and final board agree with its deductions.
void expectSoundReplay(const Board& start, const LogicalSolve& solve, const Board& solution) {
    std::array<std::array<DigitSet, kBoardSize + 1>, kBoardSize + 1> cands{};
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (start.isEntry(r, c))
                cands[r][c] =
                    start.at(r, c).digit != 0 ? digitBit(start.at(r, c).digit) : kAllDigits;
    int hardest = 0;
    for (const Deduction& d : solve.deductions) {
        hardest = std::max(hardest, rungOf(d.technique));
        for (const Elimination& e : d.eliminations) {
            ASSERT_NE(e.removed, 0);
            ASSERT_EQ(cands[e.row][e.col] & e.removed, e.removed) << e.row << " " << e.col;
            ASSERT_EQ(e.removed & digitBit(solution.at(e.row, e.col).digit), 0)
                << techniqueName(d.technique) << " at " << e.row << " " << e.col;
            cands[e.row][e.col] &= ~e.removed;
        }
        for (const Placement& p : d.placements) {
            ASSERT_EQ(cands[p.row][p.col], digitBit(p.digit));
            ASSERT_EQ(p.digit, solution.at(p.row, p.col).digit);
        }
        EXPECT_FALSE(d.squares.empty());
        EXPECT_EQ(d.squares.size(), d.candidates.size());
        EXPECT_FALSE(d.runs.empty());
    }
    EXPECT_EQ(solve.steps, static_cast<int>(solve.deductions.size()));
    if (solve.steps > 0) {
        EXPECT_EQ(rungOf(solve.hardest), hardest);
    }
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            if (start.isEntry(r, c) && solve.solved) {
                EXPECT_EQ(solve.board.at(r, c).digit, solution.at(r, c).digit) << r << " " << c;
            }
        }
    }
}

TEST(LogicalLadder, SingleCombinationKeepsTheDigitsOfARunsOnlyCombination) {
    // 3 in two squares is only 1 + 2: the first run, row 2, keeps just those.
    const Deduction d =
        firstFrom(boardOf({"0,0/3,0/4", "3/0,2,2", "4/0,2,2"}), Technique::kSingleCombination);
    EXPECT_EQ(d.technique, Technique::kSingleCombination);
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{2, 1, true}}));
    EXPECT_EQ(d.squares, (std::vector<SquareRef>{{2, 2}, {2, 3}}));
    EXPECT_EQ(d.combinations, (std::vector<DigitSet>{digits({1, 2})}));
    const DigitSet rest = kAllDigits & ~digits({1, 2});
    EXPECT_EQ(d.eliminations, (std::vector<Elimination>{{2, 2, rest}, {2, 3, rest}}));
    EXPECT_TRUE(d.placements.empty());

    // With 3 written, 10 in two squares has only 3 + 7 left: the other square
    // gets the remainder.
    Board written = boardOf({"0,0/10,0/10", "10/0,2,2", "10/0,2,2"});
    written.at(2, 2).digit = 3;
    const Deduction rest7 = firstFrom(written, Technique::kSingleCombination);
    EXPECT_EQ(rest7.technique, Technique::kSingleCombination);
    EXPECT_EQ(rest7.combinations, (std::vector<DigitSet>{digits({3, 7})}));
    EXPECT_EQ(rest7.eliminations, (std::vector<Elimination>{{2, 3, kAllDigits & ~digitBit(7)}}));
    EXPECT_EQ(rest7.placements, (std::vector<Placement>{{2, 3, 7}}));
}

TEST(LogicalLadder, RunIntersectionKeepsTheDigitsBothRunsAllow) {
    // No run has a single combination. At (2, 2) the across 5 allows 1-4, the
    // down 13 allows 4-9: only 4 is common.
    const Board board = boardOf({"0,0/13,0/6", "5/0,2,2", "14/0,2,2"});
    const Deduction d = firstFrom(board, Technique::kSingleCombination);
    EXPECT_EQ(d.technique, Technique::kRunIntersection);
    EXPECT_EQ(d.squares, (std::vector<SquareRef>{{2, 2}}));
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{2, 1, true}, {1, 2, false}}));
    EXPECT_EQ(d.allowed, (std::vector<DigitSet>{digits({1, 2, 3, 4}), digits({4, 5, 6, 7, 8, 9})}));
    EXPECT_EQ(d.eliminations, (std::vector<Elimination>{{2, 2, kAllDigits & ~digitBit(4)}}));
    EXPECT_EQ(d.placements, (std::vector<Placement>{{2, 2, 4}}));
    EXPECT_EQ(explainDeduction(d, board),
              std::string("Vodorovná řada se součtem 5 (políčka (2, 2) až (2, 3)) dovoluje v "
                          "políčku (2, 2) cifry 1, 2, 3 a 4, svislá řada se součtem 13 "
                          "(políčka (2, 2) až (3, 2)) cifry 4, 5, 6, 7, 8 a 9. Proto do "
                          "políčka (2, 2) patří 4."));
}

TEST(LogicalLadder, OnlyPlaceGivesANeededDigitToTheOneSquareThatCanTakeIt) {
    // 8 in three squares is 1 + 2 + 5 or 1 + 3 + 4: both need 1. The down
    // sums 11 under (2, 2) and (2, 3) hold no 1, so only (2, 4) can take it.
    const Deduction d =
        firstFrom(boardOf({"0,0/11,0/11,0/6", "8/0,2,2,2", "20/0,2,2,2"}), Technique::kOnlyPlace);
    EXPECT_EQ(d.technique, Technique::kOnlyPlace);
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{2, 1, true}}));
    EXPECT_EQ(d.squares, (std::vector<SquareRef>{{2, 4}, {2, 2}, {2, 3}}));
    EXPECT_EQ(d.digits, digitBit(1));
    EXPECT_EQ(d.combinations, (std::vector<DigitSet>{digits({1, 2, 5}), digits({1, 3, 4})}));
    // Before, the down 6 (1 + 5, 2 + 4) had left (2, 4) with 1, 2, 4 and 5.
    EXPECT_EQ(d.eliminations, (std::vector<Elimination>{{2, 4, digits({2, 4, 5})}}));
    EXPECT_EQ(d.placements, (std::vector<Placement>{{2, 4, 1}}));
}

TEST(LogicalLadder, CombinationExclusionDropsCombinationsTheSquaresCannotHold) {
    // (2, 2) is 1 or 2 (down 3); (2, 3) lies in the down 12 (3 + 9, 4 + 8,
    // 5 + 7). Of 10 in two squares, 3 + 7 finds no digit for (2, 2) and 6 of
    // 4 + 6 fits no square.
    const Board board = boardOf({"0,0/3,0/12", "10/0,2,2", "5/0,2,2"});
    const Deduction d = firstFrom(board, Technique::kCombinationExclusion);
    EXPECT_EQ(d.technique, Technique::kCombinationExclusion);
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{2, 1, true}}));
    EXPECT_EQ(d.combinations, (std::vector<DigitSet>{digits({3, 7}), digits({4, 6})}));
    EXPECT_TRUE(d.eliminations.empty());
    const std::string text = explainDeduction(d, board);
    EXPECT_NE(text.find("3 + 7 (políčko (2, 2) nemůže mít žádnou její cifru)"), std::string::npos)
        << text;
    EXPECT_NE(text.find("4 + 6 (cifru 6 nemůže mít žádné volné políčko řady)"), std::string::npos)
        << text;
}

TEST(LogicalLadder, ClosedGroupTakesItsDigitsFromTheRestOfTheRun) {
    // Row 3 is 6 + 7 + 8 + 9. With 5 above it, (3, 3) keeps 7 or 9 of the
    // down 21; with 4 above it, (3, 5) keeps 7 or 9 of the down 16 (3 + 9,
    // 5 + 7 below the 4). Those two squares own 7 and 9.
    const Deduction d =
        firstFrom(boardOf({"0,0,0/21,0,0/16", "0,5/15,2,4/9,2", "30/0,2,2,2,2", "22/0,2,2,2,2"}),
                  Technique::kClosedGroup);
    EXPECT_EQ(d.technique, Technique::kClosedGroup);
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{3, 1, true}}));
    EXPECT_EQ(d.squares, (std::vector<SquareRef>{{3, 3}, {3, 5}}));
    EXPECT_EQ(d.digits, digits({7, 9}));
    // The down 9 had already taken 9 from (3, 4).
    EXPECT_EQ(d.eliminations,
              (std::vector<Elimination>{{3, 2, digits({7, 9})}, {3, 4, digitBit(7)}}));
}

TEST(LogicalLadder, ArrangementKeepsOnlyTheDigitsSomeSpreadingGives) {
    // Row 2 makes 12 with 3 at (2, 4): 1 + 3 + 8, 2 + 3 + 7 or 3 + 4 + 5.
    // (2, 3) can only be 5, 7 or 8 (the down 22), so it takes that digit of
    // each combination and (2, 2) is left with 1, 2 or 4.
    const Deduction d =
        firstFrom(boardOf({"0,0/17,0/22,0/3", "12/0,2,2,2", "17/0,2,2,0/5", "18/0,2,2,2"}),
                  Technique::kArrangement);
    EXPECT_EQ(d.technique, Technique::kArrangement);
    EXPECT_EQ(d.runs, (std::vector<RunRef>{{2, 1, true}}));
    EXPECT_EQ(d.eliminations, (std::vector<Elimination>{{2, 2, digits({5, 7, 8})}}));
    EXPECT_TRUE(d.combinations.empty());
}

TEST(LogicalLadder, CrossingFindsTheClashInsideABlockOfFourSquares) {
    // (2, 2) is 8 or 9. With 9 the row 10 gives (2, 3) 1, the down 3 gives
    // (3, 3) 2, and the down 15 (with 4 at (4, 2)) gives (3, 2) 2 too: row 3
    // cannot hold 2 twice.
    const Board board = boardOf(
        {"0,0/15,0/3,0,0/21", "10/0,2,2,1/15,2", "12/0,2,2,2,2", "4/0,2,14/5,2,2", "0,18/0,2,2,2"});
    const Deduction d = firstFrom(board, Technique::kCrossing);
    EXPECT_EQ(d.technique, Technique::kCrossing);
    ASSERT_GE(d.squares.size(), 2u);
    EXPECT_EQ(d.squares[0], (SquareRef{2, 2}));
    EXPECT_EQ(d.squares[1], (SquareRef{3, 2}));
    EXPECT_EQ(d.candidates[0], digits({8, 9}));
    EXPECT_EQ(d.digits, digitBit(9));
    EXPECT_EQ(d.eliminations, (std::vector<Elimination>{{2, 2, digitBit(9)}}));
    EXPECT_EQ(d.placements, (std::vector<Placement>{{2, 2, 8}}));
    // Its two runs first, then the down 3 and row 3 that the clash went through.
    ASSERT_EQ(d.runs.size(), 4u);
    EXPECT_EQ(d.runs[0], (RunRef{2, 1, true}));
    EXPECT_EQ(d.runs[1], (RunRef{1, 2, false}));
    EXPECT_NE(std::find(d.runs.begin(), d.runs.end(), RunRef{1, 3, false}), d.runs.end());
    EXPECT_NE(std::find(d.runs.begin(), d.runs.end(), RunRef{3, 1, true}), d.runs.end());
    EXPECT_EQ(solutionOf(board).at(2, 2).digit, 8);
}

TEST(LogicalLadder, ChainFollowsConsequencesBeyondTheCrossingRuns) {
    // A block where trying a digit in the crossing runs alone shows nothing,
    // and one assumption has to be followed over several runs.
    const Board board = boardOf({"0,0/23,0/11,0/24,0/2,0/15", "25/0,2,2,2,2,2", "9/0,2,2,2,5/0,2",
                                 "2/0,2,9/0,2,2/16,2", "6/0,2,13/3,2,2,2", "23/0,2,2,2,2,0"});
    const Board solution = solutionOf(board);
    const Deduction d = firstFrom(board, Technique::kCrossing);
    EXPECT_EQ(d.technique, Technique::kChain);
    ASSERT_EQ(d.eliminations.size(), 1u);
    const Elimination& e = d.eliminations.front();
    EXPECT_EQ(d.squares.front(), (SquareRef{e.row, e.col}));
    EXPECT_EQ(e.removed, d.digits);
    EXPECT_LE(std::popcount(d.candidates.front()), kTrialCandidates);
    EXPECT_NE(digitBit(solution.at(e.row, e.col).digit), e.removed);
    EXPECT_GT(d.runs.size(), 4u);

    const LogicalSolve solve = solveLogically(board, table(), true);
    EXPECT_TRUE(solve.solved);
    EXPECT_EQ(solve.hardest, Technique::kChain);
    EXPECT_EQ(difficultyOf(solve), Difficulty::kVeryHard);
    expectSoundReplay(board, solve, solution);
}

// The example task of the shipped task file.
const std::vector<std::string> kExample = {"0,0/16,0/3", "8/0,2,2", "11/0,2,2"};

TEST(LogicalSolve, TheExampleTaskIsEasyAndEndsWithItsSolution) {
    const Board board = boardOf(kExample);
    const LogicalSolve solve = solveLogically(board, table(), true);
    EXPECT_TRUE(solve.solved);
    EXPECT_FALSE(solve.contradiction);
    EXPECT_EQ(difficultyOf(solve), Difficulty::kEasy);
    expectSoundReplay(board, solve, solutionOf(board));
    // 16 = 7 + 9 down, 3 = 1 + 2 down, 8 = 7 + 1 across.
    EXPECT_EQ(solve.board.at(2, 2).digit, 7);
    EXPECT_EQ(solve.board.at(3, 3).digit, 2);
    // The deductions are kept only when asked.
    EXPECT_TRUE(solveLogically(board, table()).deductions.empty());
    EXPECT_EQ(solveLogically(board, table()).steps, solve.steps);
}

TEST(LogicalSolve, AWrongDigitEndsInAContradiction) {
    // 9 at (2, 2) leaves the across 8 no combination.
    Board wrong = boardOf(kExample);
    wrong.at(2, 2).digit = 9;
    LogicalSolve solve = solveLogically(wrong, table(), true);
    EXPECT_TRUE(solve.contradiction);
    EXPECT_FALSE(solve.solved);
    EXPECT_EQ(difficultyOf(solve), Difficulty::kNeedsTrial);
    // The last deduction took the last candidate of some square.
    ASSERT_FALSE(solve.deductions.empty());
    const Deduction& last = solve.deductions.back();
    bool emptied = false;
    for (const Elimination& e : last.eliminations)
        for (std::size_t i = 0; i < last.squares.size(); ++i)
            emptied = emptied || (last.squares[i] == SquareRef{e.row, e.col} &&
                                  last.candidates[i] == e.removed);
    EXPECT_TRUE(emptied);

    // A digit no square may hold, and a full board with a wrong sum.
    wrong.at(2, 2).digit = 12;
    EXPECT_TRUE(solveLogically(wrong, table()).contradiction);
    Board full = boardOf(kExample);
    const int digitsIn[4] = {7, 1, 9, 3};
    for (int i = 0; i < 4; ++i)
        full.at(2 + i / 2, 2 + i % 2).digit = static_cast<std::uint8_t>(digitsIn[i]);
    solve = solveLogically(full, table());
    EXPECT_TRUE(solve.contradiction);
    EXPECT_FALSE(solve.solved);
    full.at(3, 3).digit = 2;
    solve = solveLogically(full, table());
    EXPECT_TRUE(solve.solved);
    EXPECT_EQ(solve.steps, 0);
    EXPECT_EQ(difficultyOf(solve), Difficulty::kEasy);
}

// What the task maker reads of a solve: a solve held to rungs 1..k decides
// just the squares the whole solve decided with those rungs, and ends with
// the candidates the whole solve had there.
TEST(LogicalSolve, AHeldSolveDecidesJustTheSquaresOfItsRungs) {
    const std::string path = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri";
    const std::string text = readTaskFile(path);
    const std::vector<std::string> names = readTaskNames(path);
    ASSERT_GE(names.size(), 3u);
    for (const std::string& name : names) {
        Board board;
        readTaskText(text, name, board);
        const LogicalSolve whole = solveLogically(board, table());
        ASSERT_TRUE(whole.solved) << name;
        for (int k = 1; k <= kTechniqueCount; ++k) {
            const LogicalSolve held =
                solveLogically(board, table(), false, static_cast<Technique>(k - 1));
            EXPECT_TRUE(held.steps == 0 || rungOf(held.hardest) <= k) << name;
            for (int r = 1; r <= kBoardSize; ++r)
                for (int c = 1; c <= kBoardSize; ++c) {
                    if (!board.isEntry(r, c)) continue;
                    const int rung = whole.decidedAtRung[r][c];
                    const bool decided = std::popcount(held.candidates[r][c]) == 1;
                    EXPECT_EQ(decided, rung >= 1 && rung <= k) << name << " k " << k;
                    EXPECT_EQ(held.decidedAtRung[r][c], rung <= k ? rung : 0) << name;
                    if (k == kTechniqueCount) {
                        EXPECT_EQ(held.candidates[r][c], digitBit(whole.board.at(r, c).digit));
                    }
                }
        }
    }
}

TEST(LogicalSolve, SeveralSolutionsAreNotSolvedAndShowNoContradiction) {
    // 1 3 over 3 1, or 3 1 over 1 3.
    const Board board = boardOf({"0,0/4,0/4", "4/0,2,2", "4/0,2,2"});
    const LogicalSolve solve = solveLogically(board, table());
    EXPECT_FALSE(solve.solved);
    EXPECT_FALSE(solve.contradiction);
    EXPECT_EQ(difficultyOf(solve), Difficulty::kNeedsTrial);
    EXPECT_EQ(solve.board.at(2, 2).digit, 0);
    EXPECT_TRUE(stepsToNextPlacement(board, table()).empty());
}

TEST(LogicalSolve, AMalformedBoardIsNotSolved) {
    // An entry square with no clue above it; a down sum over a blank square.
    for (const auto& rows : {std::vector<std::string>{"0,0/4", "4/0,2,2"},
                             std::vector<std::string>{"0,0/4,0/4,0/5", "4/0,2,2,0"}}) {
        const LogicalSolve solve = solveLogically(boardOf(rows), table());
        EXPECT_TRUE(solve.malformed);
        EXPECT_FALSE(solve.solved);
        EXPECT_EQ(difficultyOf(solve), Difficulty::kNeedsTrial);
        EXPECT_TRUE(stepsToNextPlacement(boardOf(rows), table()).empty());
    }
}

TEST(NextPlacement, EndsWithTheFirstSquareDecidedAndKeepsThePlayersDigits) {
    Board board = boardOf(kExample);
    const std::vector<Deduction> steps = stepsToNextPlacement(board, table());
    const LogicalSolve solve = solveLogically(board, table(), true);
    ASSERT_FALSE(steps.empty());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].technique, solve.deductions[i].technique);
        EXPECT_EQ(steps[i].eliminations, solve.deductions[i].eliminations);
        EXPECT_EQ(steps[i].placements.empty(), i + 1 < steps.size());
    }

    // The player has 7 and 1 in row 2: the next square decided is another.
    board.at(2, 2).digit = 7;
    board.at(2, 3).digit = 1;
    const std::vector<Deduction> next = stepsToNextPlacement(board, table());
    ASSERT_FALSE(next.empty());
    for (const Placement& p : next.back().placements) {
        EXPECT_EQ(p.row, 3);
        EXPECT_EQ(p.digit, p.col == 2 ? 9 : 2);
    }
    // Nothing to decide on a full board, right or wrong, nor after a digit
    // no square may hold.
    board.at(3, 2).digit = 9;
    board.at(3, 3).digit = 2;
    EXPECT_TRUE(stepsToNextPlacement(board, table()).empty());
    board.at(3, 3).digit = 3;
    EXPECT_TRUE(stepsToNextPlacement(board, table()).empty());
    board.at(3, 3).digit = 0;
    board.at(2, 2).digit = 10;
    EXPECT_TRUE(stepsToNextPlacement(board, table()).empty());
}

TEST(PublishedPuzzles, EveryDeductionKeepsThePublishedSolution) {
    if (testing::publishedPuzzles().empty())
        GTEST_SKIP() << "no puzzles at " << testing::kPublishedPuzzles;
    int solved = 0;
    for (const testing::PublishedPuzzle& p : testing::publishedPuzzles()) {
        SCOPED_TRACE(p.name);
        const Board& board = p.board;
        const LogicalSolve solve = solveLogically(board, table(), true);
        EXPECT_FALSE(solve.contradiction);
        EXPECT_FALSE(solve.malformed);
        expectSoundReplay(board, solve, p.solved);
        solved += solve.solved ? 1 : 0;
        // The hint from the start decides a square with its published digit.
        const std::vector<Deduction> hint = stepsToNextPlacement(board, table());
        ASSERT_FALSE(hint.empty());
        for (const Placement& placed : hint.back().placements)
            EXPECT_EQ(placed.digit, p.solved.at(placed.row, placed.col).digit);
        for (const Deduction& d : hint) {
            const std::string text = explainDeduction(d, board);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find('?'), std::string::npos) << text;
        }
    }
    EXPECT_GT(solved, 0);
}

}  // namespace
}  // namespace krizovky
