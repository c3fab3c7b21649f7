// The ladder of the logical solver: the candidates of every square, the
// combinations every run keeps, and the techniques that narrow them, simplest
// first. Used by logical_solver.cpp; the techniques live in ladder_rungs.cpp
// (1 to 6) and ladder_trials.cpp (7 and 8).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/combination_table.h"
#include "model/digit_set.h"
#include "solver/deduction.h"
#include "solver/run_layout.h"

namespace krizovky::ladder {

inline constexpr int kMaxSquares = kBoardSize * kBoardSize;
inline constexpr int kMaxRuns = 2 * kMaxSquares;  // every run holds a square, every square two runs
// Distinct digit sets of one (length, sum): at most 12, for 4 digits making 20
// and 5 digits making 25.
inline constexpr int kMaxCombos = 16;

using ComboMask = std::uint16_t;  // bit i: combination i of the run

// A run of the layout with the distinct digit sets of its (length, sum).
struct Run {
    int clueRow = 0;
    int clueCol = 0;
    bool across = true;
    int length = 0;
    std::array<int, kMaxRunLength> squares{};  // indexes of its squares, in order
    int comboCount = 0;
    std::array<DigitSet, kMaxCombos> combos{};
    std::array<ComboMask, 10> withDigit{};  // the combinations holding digit d
};

// The candidates of every square and the combinations every run keeps.
struct State {
    std::array<DigitSet, kMaxSquares> cands{};
    std::array<ComboMask, kMaxRuns> live{};
};

// The digits decided in a run: once those decided in some square, twice
// those decided in two squares or more.
struct Decided {
    DigitSet once = 0;
    DigitSet twice = 0;

    // The digits decided in the run's squares other than one holding own.
    DigitSet besides(DigitSet own) const { return single(own) ? (once & ~own) | twice : once; }
};

// One deduction found, in the terms of the layout.
struct Found {
    Technique technique{};
    int run = -1;     // the run it is about; průsečík řad and the trials: -1
    int square = -1;  // průsečík řad, jediné místo: the square; trials: the square assumed
    int digit = 0;    // jediné místo: the digit; trials: the digit assumed
    ComboMask removedCombos = 0;
    DigitSet groupDigits = 0;
    unsigned groupPositions = 0;  // uzavřená skupina: bit k for the run's k-th square
    std::array<DigitSet, 2> allowed{};
    int emptied = -1;  // trials: the square left with no digit
    int changeCount = 0;
    std::array<int, kMaxRunLength> changeSquare{};
    std::array<DigitSet, kMaxRunLength> changeTo{};

    void change(int changed, DigitSet to) {
        changeSquare[changeCount] = changed;
        changeTo[changeCount++] = to;
    }
};

// What a trial passed through, for the deduction's record.
struct Trace {
    std::vector<int> squares;
    std::vector<int> runs;
};

class Ladder {
  public:
    // The runs read as the exact solver reads them; a run whose sum no
    // record of the table makes with its length makes the board malformed.
    Ladder(const Board& board, const CombinationTable& table);

    bool malformed() const { return malformed_; }

    // Candidates from the board: a written digit is the square's only one.
    // False when a written digit is none a square may hold.
    bool start(const Board& board);

    bool allDecided() const;

    // With every square decided: whether each run holds one of its
    // combinations, every digit once.
    bool decidedRunsHold() const;

    void writeDigits(Board& board) const;
    // The candidates every entry square keeps, [row][col].
    void writeCandidates(
        std::array<std::array<DigitSet, kBoardSize + 1>, kBoardSize + 1>& candidates) const;

    // The simplest deduction the ladder finds up to the rung of hardest;
    // false when none applies.
    bool find(Found& f, Technique hardest = Technique::kChain);

    // The deduction as a player is told it, from the state before it is applied.
    Deduction describe(const Found& f);

    // Applies the deduction; appends the squares it decided to placements when
    // given. False when it left a square with no digit.
    bool apply(const Found& f, std::vector<Placement>* placements);

  private:
    void addSquare(Deduction& d, int s) const;
    void addRun(Deduction& d, int r) const;
    void addCombos(Deduction& d, int r, ComboMask mask) const;
    void describeIntersection(const Found& f, Deduction& d) const;
    void describeTrial(const Found& f, Deduction& d);

    // --- what each technique sees of a run ---

    Decided decidedIn(const State& st, const Run& run) const {
        Decided d;
        for (int k = 0; k < run.length; ++k) {
            const DigitSet c = st.cands[run.squares[k]];
            if (single(c)) {
                d.twice |= d.once & c;
                d.once |= c;
            }
        }
        return d;
    }

    DigitSet liveUnion(const State& st, int r) const {
        DigitSet u = 0;
        for (ComboMask m = st.live[r]; m != 0; m &= m - 1)
            u |= runs_[r].combos[std::countr_zero(m)];
        return u;
    }

    DigitSet liveIntersection(const State& st, int r) const {
        DigitSet u = kAllDigits;
        for (ComboMask m = st.live[r]; m != 0; m &= m - 1)
            u &= runs_[r].combos[std::countr_zero(m)];
        return st.live[r] != 0 ? u : 0;
    }

    // A changed square: both its runs change, and a digit decided leaves the
    // combinations of its runs that do not hold it.
    void setCands(State& st, int s, DigitSet to) {
        st.cands[s] = to;
        for (int r : layout_.squares()[s].runs) {
            ++version_[r];
            if (single(to)) st.live[r] &= runs_[r].withDigit[digitOf(to)];
        }
    }

    // Whether a technique found nothing in a run when the run last looked as
    // it looks now.
    bool stable(int technique, int r) const { return runStable_[technique][r] == version_[r]; }
    void markStable(int technique, int r) { runStable_[technique][r] = version_[r]; }

    int runCount() const { return static_cast<int>(runs_.size()); }
    int squareCount() const { return static_cast<int>(layout_.squares().size()); }

    // --- the rungs ---

    bool singleCombination(Found& f);
    bool runIntersection(Found& f);
    bool onlyPlace(Found& f);
    bool combinationExclusion(Found& f);
    bool closedGroup(Found& f);
    bool arrangement(Found& f);
    // The combinations of the run that can be spread over its squares, one
    // digit each from the square's candidates; support[k] gets the digits
    // some spreading gives the k-th square. Decided squares keep their digit;
    // the open ones are tried with the fewest candidates first.
    ComboMask arrange(const State& st, int r, std::array<DigitSet, kMaxRunLength>& support);
    // Whether open squares k.. can take the digits the combination needs that
    // are not in used, one each; the digits that work are added to support.
    bool spread(int k, DigitSet used, int n, std::array<DigitSet, kMaxRunLength>& support);

    // --- the trials ---

    // Marks the runs at most reach crossings away from the runs of square s.
    void markReach(int s, int reach);
    // Assumes digit in square s and spreads the runs marked by markReach
    // until nothing changes: the square left with no digit, or -1.
    int follow(int s, int digit, Trace* trace);
    void setTrial(int s, DigitSet to);
    void enqueue(int r);
    int trial(int s, int digit, int reach, Trace* trace);
    // The trial techniques: the squares with two candidates in reading order,
    // then those with three, each candidate from the smallest. A trial that left
    // every square a digit is not repeated while the runs it narrowed stay as
    // they were: it would come out the same.
    bool trials(Found& f, Technique technique, int reach);
    std::uint64_t versionSum(const std::vector<int>& runs) const;

    // A trial that came out with no square emptied, and the runs it looked at.
    struct TrialMemo {
        std::uint64_t key = 0;  // the sum of the runs' versions then; 0: not tried
        bool cutShort = false;  // some consequence lay beyond the reach
        std::vector<int> runs;
    };
    bool known(const TrialMemo& memo) const {
        return memo.key != 0 && versionSum(memo.runs) == memo.key;
    }

    RunLayout layout_;
    std::vector<Run> runs_;
    bool malformed_ = false;
    State state_;
    // Grows whenever a run's combinations or a square of it change.
    std::array<std::uint32_t, kMaxRuns> version_{};
    std::array<std::array<std::uint32_t, kMaxRuns>, kTechniqueCount> runStable_{};
    std::array<std::uint64_t, kMaxSquares> squareStable_{};
    std::array<std::vector<TrialMemo>, 2> trialMemos_;  // per square and digit

    // Scratch of arrange and spread.
    std::array<DigitSet, kMaxRunLength> options_{};
    std::array<std::uint32_t, 1024> memoSeen_{};
    std::array<bool, 1024> memoWorks_{};
    std::uint32_t memoStamp_ = 0;

    // Scratch of the trials.
    State trialState_;
    std::array<std::uint32_t, kMaxRuns> ballSeen_{};
    std::uint32_t ballStamp_ = 0;
    bool cutShort_ = false;
    std::vector<int> ball_;
    std::array<std::uint8_t, kMaxRuns> queued_{};
    std::vector<int> queue_;
};

}  // namespace krizovky::ladder
