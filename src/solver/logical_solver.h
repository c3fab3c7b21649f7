#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/combination_table.h"
#include "solver/deduction.h"
// What the ladder finds is told to the player through these.
#include "solver/explanations.h"

namespace krizovky {

// The logical solver: the ladder of techniques of deduction.h applied step by
// step, as a player would, to solve a task, rate it and hint the next digit.

// The grade of the hardest technique: rungs 1-2 easy, 3-4 medium, 5-6 hard, 7-8 very hard.
Difficulty difficultyOfTechnique(Technique t);

struct LogicalSolve {
    bool malformed = false;  // the board is no sound task (the exact solver's rules)
    bool contradiction =
        false;            // some square was left with no digit: a wrong digit, or no solution
    bool solved = false;  // every entry square decided
    Technique hardest{};  // the hardest technique used (meaningful when steps > 0)
    int steps = 0;
    std::vector<Deduction> deductions;  // kept only when asked
    Board board;                        // the input with every decided square's digit written in
    // For every square a step decided, [row][col] 1-based: the rung of the
    // hardest technique used up to and including that step; 0 for the rest.
    // A solve held to the rungs up to k decides just the squares of rungs
    // 1..k, which tells a task maker how far each grade's techniques get.
    std::array<std::array<std::uint8_t, kBoardSize + 1>, kBoardSize + 1> decidedAtRung{};
    // The candidates every entry square keeps where the solve ends, [row][col].
    std::array<std::array<DigitSet, kBoardSize + 1>, kBoardSize + 1> candidates{};
};

// Solves the task on the board step by step; digits written on it count as given.
// The solve stops where no technique up to hardestAllowed applies.
LogicalSolve solveLogically(const Board& board, const CombinationTable& table,
                            bool keepDeductions = false,
                            Technique hardestAllowed = Technique::kChain);

// kNeedsTrial when not solved; the grade of the hardest technique otherwise
// (kEasy for a board that needed no step).
Difficulty difficultyOf(const LogicalSolve& s);

// For a player who is stuck: from the board as it stands (its digits count as
// given), the simplest deductions in ladder order up to and including the first
// one that decides a square. Empty when no technique applies, when a
// contradiction shows first, or when the board is malformed.
std::vector<Deduction> stepsToNextPlacement(const Board& board, const CombinationTable& table);

}  // namespace krizovky
