#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/combination_table.h"

namespace krizovky {

// The logical solver works as a player does: every entry square keeps a set of
// candidate digits, every run the combinations of its (length, sum) still
// possible, and each step is one named deduction. The techniques form a
// ladder, simplest first; a step always uses the simplest technique that
// changes something, so the hardest technique a solve needed rates the task.
//
// "Decided" digits are those of squares left with one candidate. The
// combinations a run keeps always contain every digit decided in it.
enum class Technique : std::uint8_t {
    // 1. A run with one combination left: its squares keep only that
    //    combination's digits, less those decided in its other squares.
    kSingleCombination,
    // 2. A square keeps only the digits both its runs allow: a run allows the
    //    digits of its combinations left, less those decided in its other squares.
    kRunIntersection,
    // 3. A digit every combination left in a run needs, not yet decided there,
    //    that only one square of the run can take: that square gets it.
    kOnlyPlace,
    // 4. A combination of a run goes when a digit it still needs fits no open
    //    square of the run, or when an open square can take none of those digits.
    kCombinationExclusion,
    // 5. k open squares of a run whose candidates together hold just k digits:
    //    those digits belong to them and leave the run's other squares.
    kClosedGroup,
    // 6. Each combination left in a run is spread over the run's squares, one
    //    digit a square from its candidates: a combination that cannot be spread
    //    goes, and a square keeps only the digits some spreading gives it.
    kArrangement,
    // 7. A candidate is assumed in a square with two or three candidates, and
    //    techniques 1-6 are followed only in the square's two runs and the runs
    //    crossing them. When that leaves some square with no digit, the
    //    candidate goes.
    kCrossing,
    // 8. The same with the consequences followed further, through runs up to
    //    kChainReach crossings away from the square's two runs.
    kChain,
};
inline constexpr int kTechniqueCount = 8;
// The trial techniques assume digits only in squares with at most this many
// candidates, and follow the consequences through runs at most this many
// crossings away from the two runs of the square.
inline constexpr int kTrialCandidates = 3;
inline constexpr int kCrossingReach = 1;
inline constexpr int kChainReach = 3;

// The rung of the ladder, 1 for the simplest.
inline constexpr int rungOf(Technique t) {
    return static_cast<int>(t) + 1;
}
const char* techniqueName(Technique t);  // Czech, UTF-8

struct SquareRef {
    int row = 0;
    int col = 0;
    friend bool operator==(const SquareRef&, const SquareRef&) = default;
};
// The clue square heading the run, and its direction.
struct RunRef {
    int row = 0;
    int col = 0;
    bool across = true;
    friend bool operator==(const RunRef&, const RunRef&) = default;
};
struct Elimination {
    int row = 0;
    int col = 0;
    DigitSet removed = 0;
    friend bool operator==(const Elimination&, const Elimination&) = default;
};
// A square left with one candidate.
struct Placement {
    int row = 0;
    int col = 0;
    int digit = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

struct Deduction {
    Technique technique{};
    // The squares the reasoning used, to paint them for a player:
    //   jediná kombinace, vyloučení kombinací, rozmístění v řadě: the run's squares;
    //   průsečík řad: the square, then the decided squares whose digits it lost;
    //   jediné místo: the square that gets the digit, then the run's other squares;
    //   uzavřená skupina: the squares of the group;
    //   křížení řad, řetěz důsledků: the square of the assumption, the square
    //   the assumption left with no digit, then the squares narrowed on the way.
    std::vector<SquareRef> squares;
    // The runs it used: the run of the deduction; průsečík řad: the square's
    // across and down run; the trial techniques: the square's two runs, then
    // the runs whose narrowing led to the empty square.
    std::vector<RunRef> runs;
    std::vector<Elimination> eliminations;  // what it removed
    std::vector<Placement> placements;      // squares it decided

    // What the explanation names besides:
    std::vector<DigitSet> candidates;  // of each square of `squares`, before the deduction
    // Combinations of runs.front(): jediná kombinace the one left; jediné místo
    // those left; vyloučení kombinací and rozmístění v řadě those removed.
    std::vector<DigitSet> combinations;
    std::vector<DigitSet> allowed;  // průsečík řad: what each of `runs` allows the square
    // jediné místo the digit placed; uzavřená skupina the group's digits; the
    // trial techniques the digit assumed.
    DigitSet digits = 0;
};

// The Czech explanation of a deduction, Windows-1250, e.g. "Součet 4 ve dvou
// políčkách má jedinou kombinaci 1 + 3, takže ... Proto do políčka (3, 5)
// patří 1." The board is the one before the deduction; it gives the sums and
// extents of the runs.
std::string explainDeduction(const Deduction& d, const Board& board);

enum class Difficulty : std::uint8_t { kEasy, kMedium, kHard, kVeryHard, kNeedsTrial };
// "lehká", "střední", "těžká", "velmi těžká", "vyžaduje zkoušení" (UTF-8)
const char* difficultyName(Difficulty d);
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
