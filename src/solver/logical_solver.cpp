#include "solver/logical_solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

#include "model/text.h"

namespace krizovky {
namespace {

constexpr DigitSet kAllDigits = 0x3FE;  // bits 1..9
constexpr int kMaxSquares = kBoardSize * kBoardSize;
constexpr int kMaxRuns = 2 * kMaxSquares;  // every run holds a square, every square two runs
constexpr int kMaxRunLength = 9;
// Distinct digit sets of one (length, sum): at most 12, for 4 digits making 20
// and 5 digits making 25.
constexpr int kMaxCombos = 16;

using ComboMask = std::uint16_t;  // bit i: combination i of the run

bool single(DigitSet s) {
    return s != 0 && (s & (s - 1)) == 0;
}

int digitOf(DigitSet s) {
    return std::countr_zero(s);
}

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

struct Square {
    int row = 0;
    int col = 0;
    std::array<int, 2> runs{-1, -1};  // across, down
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

// The runs of a board, read as the exact solver reads them: a run is a maximal
// line of entry squares across or down, headed by a clue with a sum for that
// direction, and a sum must be one of distinct digits of the run's length.
class Layout {
  public:
    Layout(const Board& board, const CombinationTable& table) : board_(board), table_(table) {
        index_.fill(-1);
        const int rows = std::min<int>(board.rowCount, kBoardSize);
        const int cols = std::min<int>(board.colCount, kBoardSize);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c)
                if (board.isEntry(r, c)) {
                    index_[(r - 1) * kBoardSize + c - 1] = static_cast<int>(squares.size());
                    squares.push_back({r, c, {-1, -1}});
                }
        // Reading order, across before down, as the exact solver reads them.
        for (int r = 1; r <= rows && !malformed; ++r)
            for (int c = 1; c <= cols && !malformed; ++c)
                for (int across = 1; across >= 0 && !malformed; --across)
                    examine(r, c, across == 1);
    }

    bool malformed = false;
    std::vector<Square> squares;
    std::vector<Run> runs;

  private:
    bool entry(int r, int c) const { return board_.isEntry(r, c); }

    void examine(int r, int c, bool across) {
        const int dr = across ? 0 : 1;
        const int dc = across ? 1 : 0;
        const Cell& cell = board_.at(r, c);
        if (cell.kind == kClue) {
            const int sum = across ? cell.acrossSum : cell.downSum;
            // A sum that heads no run.
            if (sum != 0 && !entry(r + dr, c + dc)) malformed = true;
            return;
        }
        if (!entry(r, c) || entry(r - dr, c - dc)) return;
        // (r, c) begins a run; the square before it must be its clue.
        const int clueRow = r - dr;
        const int clueCol = c - dc;
        if (!Board::onBoard(clueRow, clueCol) || board_.at(clueRow, clueCol).kind != kClue) {
            malformed = true;
            return;
        }
        const Cell& clue = board_.at(clueRow, clueCol);
        const int sum = across ? clue.acrossSum : clue.downSum;
        int length = 0;
        while (entry(r + length * dr, c + length * dc))
            ++length;
        if (sum == 0 || length > kMaxRunLength) {
            malformed = true;
            return;
        }
        Run run;
        run.clueRow = clueRow;
        run.clueCol = clueCol;
        run.across = across;
        run.length = length;
        for (int k = 0; k < length; ++k) {
            const int s = index_[(r + k * dr - 1) * kBoardSize + c + k * dc - 1];
            squares[s].runs[across ? 0 : 1] = static_cast<int>(runs.size());
            run.squares[k] = s;
        }
        // The table's records of the group, each distinct digit set once; a
        // record that does not make the sum with this many digits is no use.
        if (const auto group = table_.lookup(sum, length)) {
            for (int i = group->first; i < group->first + group->count; ++i) {
                const DigitSet set = table_.digitSetOf(i);
                if ((set & ~kAllDigits) != 0 || std::popcount(set) != length) continue;
                int total = 0;
                for (int d = 1; d <= 9; ++d)
                    total += (set & digitBit(d)) != 0 ? d : 0;
                bool seen = total != sum;
                for (int j = 0; j < run.comboCount && !seen; ++j)
                    seen = run.combos[j] == set;
                if (seen || run.comboCount == kMaxCombos) continue;
                for (int d = 1; d <= 9; ++d)
                    if ((set & digitBit(d)) != 0)
                        run.withDigit[d] |= ComboMask(1u << run.comboCount);
                run.combos[run.comboCount++] = set;
            }
        }
        if (run.comboCount == 0) {
            malformed = true;
            return;
        }
        runs.push_back(run);
    }

    const Board& board_;
    const CombinationTable& table_;
    std::array<int, kMaxSquares> index_{};
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

    void change(int at, DigitSet to) {
        changeSquare[changeCount] = at;
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
    Ladder(const Board& board, const CombinationTable& table) : layout_(board, table) {}

    bool malformed() const { return layout_.malformed; }

    // Candidates from the board: a written digit is the square's only one.
    // False when a written digit is none a square may hold.
    bool start(const Board& board) {
        const auto& squares = layout_.squares;
        for (std::size_t r = 0; r < layout_.runs.size(); ++r) {
            state_.live[r] = ComboMask((1u << layout_.runs[r].comboCount) - 1);
            version_[r] = 1;
        }
        bool sound = true;
        for (std::size_t s = 0; s < squares.size(); ++s) {
            const int digit = board.at(squares[s].row, squares[s].col).digit;
            state_.cands[s] =
                digit == 0 ? kAllDigits : static_cast<DigitSet>(digitBit(digit) & kAllDigits);
            sound = sound && state_.cands[s] != 0;
        }
        // The combinations of each run must hold the digits written in it.
        for (std::size_t s = 0; s < squares.size(); ++s)
            if (single(state_.cands[s]))
                for (int run : squares[s].runs)
                    state_.live[run] &= layout_.runs[run].withDigit[digitOf(state_.cands[s])];
        return sound;
    }

    bool allDecided() const {
        for (std::size_t s = 0; s < layout_.squares.size(); ++s)
            if (!single(state_.cands[s])) return false;
        return true;
    }

    // With every square decided: whether each run holds one of its
    // combinations, every digit once.
    bool decidedRunsHold() const {
        for (std::size_t r = 0; r < layout_.runs.size(); ++r) {
            const Run& run = layout_.runs[r];
            DigitSet digits = 0;
            for (int k = 0; k < run.length; ++k)
                digits |= state_.cands[run.squares[k]];
            bool found = false;
            for (int i = 0; i < run.comboCount && !found; ++i)
                found = run.combos[i] == digits;
            if (!found) return false;  // a digit twice, or the wrong sum
        }
        return true;
    }

    void writeDigits(Board& board) const {
        for (std::size_t s = 0; s < layout_.squares.size(); ++s)
            if (single(state_.cands[s]))
                board.at(layout_.squares[s].row, layout_.squares[s].col).digit =
                    static_cast<std::uint8_t>(digitOf(state_.cands[s]));
    }

    // The simplest deduction the ladder finds; false when none applies.
    bool find(Found& f) {
        f = Found{};
        return singleCombination(f) || runIntersection(f) || onlyPlace(f) ||
               combinationExclusion(f) || closedGroup(f) || arrangement(f) ||
               trials(f, Technique::kCrossing, kCrossingReach) ||
               trials(f, Technique::kChain, kChainReach);
    }

    // The deduction as a player is told it, from the state before it is applied.
    Deduction describe(const Found& f) {
        Deduction d;
        d.technique = f.technique;
        const auto addSquare = [&](int s) {
            d.squares.push_back({layout_.squares[s].row, layout_.squares[s].col});
            d.candidates.push_back(state_.cands[s]);
        };
        const auto addRun = [&](int r) {
            const Run& run = layout_.runs[r];
            d.runs.push_back({run.clueRow, run.clueCol, run.across});
        };
        const auto addCombos = [&](ComboMask mask) {
            for (; mask != 0; mask &= mask - 1)
                d.combinations.push_back(layout_.runs[f.run].combos[std::countr_zero(mask)]);
        };
        if (f.run >= 0) addRun(f.run);
        const Run* run = f.run >= 0 ? &layout_.runs[f.run] : nullptr;
        switch (f.technique) {
            case Technique::kSingleCombination:
            case Technique::kCombinationExclusion:
            case Technique::kArrangement:
                for (int k = 0; k < run->length; ++k)
                    addSquare(run->squares[k]);
                addCombos(f.technique == Technique::kSingleCombination ? state_.live[f.run]
                                                                       : f.removedCombos);
                break;
            case Technique::kRunIntersection: {
                addSquare(f.square);
                const DigitSet removed = state_.cands[f.square] & ~f.changeTo[0];
                for (int r : layout_.squares[f.square].runs) {
                    addRun(r);
                    const Run& through = layout_.runs[r];
                    for (int k = 0; k < through.length; ++k) {
                        const int s = through.squares[k];
                        if (s != f.square && single(state_.cands[s]) &&
                            (state_.cands[s] & removed) != 0)
                            addSquare(s);
                    }
                }
                d.allowed.assign(f.allowed.begin(), f.allowed.end());
                break;
            }
            case Technique::kOnlyPlace:
                addSquare(f.square);
                for (int k = 0; k < run->length; ++k)
                    if (run->squares[k] != f.square) addSquare(run->squares[k]);
                addCombos(state_.live[f.run]);
                d.digits = digitBit(f.digit);
                break;
            case Technique::kClosedGroup:
                for (int k = 0; k < run->length; ++k)
                    if ((f.groupPositions >> k) & 1u) addSquare(run->squares[k]);
                d.digits = f.groupDigits;
                break;
            case Technique::kCrossing:
            case Technique::kChain: {
                Trace trace;
                trial(f.square, f.digit,
                      f.technique == Technique::kCrossing ? kCrossingReach : kChainReach, &trace);
                // The square assumed and the one emptied keep their places,
                // even when they are the same square.
                std::vector<int> squares{f.square, f.emptied};
                for (int s : trace.squares)
                    if (std::find(squares.begin(), squares.end(), s) == squares.end())
                        squares.push_back(s);
                for (int s : squares)
                    addSquare(s);
                std::vector<int> runs(layout_.squares[f.square].runs.begin(),
                                      layout_.squares[f.square].runs.end());
                for (int r : trace.runs)
                    if (std::find(runs.begin(), runs.end(), r) == runs.end()) runs.push_back(r);
                for (int r : runs)
                    addRun(r);
                d.digits = digitBit(f.digit);
                break;
            }
        }
        for (int i = 0; i < f.changeCount; ++i) {
            const int s = f.changeSquare[i];
            const DigitSet removed = state_.cands[s] & ~f.changeTo[i];
            if (removed != 0)
                d.eliminations.push_back({layout_.squares[s].row, layout_.squares[s].col, removed});
        }
        return d;
    }

    // Applies the deduction; appends the squares it decided to placements when
    // given. False when it left a square with no digit.
    bool apply(const Found& f, std::vector<Placement>* placements) {
        bool sound = true;
        for (int i = 0; i < f.changeCount; ++i) {
            const int s = f.changeSquare[i];
            const bool wasSingle = single(state_.cands[s]);
            setCands(state_, s, f.changeTo[i]);
            sound = sound && f.changeTo[i] != 0;
            if (placements && !wasSingle && single(f.changeTo[i]))
                placements->push_back(
                    {layout_.squares[s].row, layout_.squares[s].col, digitOf(f.changeTo[i])});
        }
        if (f.removedCombos != 0) {
            state_.live[f.run] &= ComboMask(~f.removedCombos);
            ++version_[f.run];
        }
        return sound;
    }

  private:
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
            u |= layout_.runs[r].combos[std::countr_zero(m)];
        return u;
    }

    DigitSet liveIntersection(const State& st, int r) const {
        DigitSet u = kAllDigits;
        for (ComboMask m = st.live[r]; m != 0; m &= m - 1)
            u &= layout_.runs[r].combos[std::countr_zero(m)];
        return st.live[r] != 0 ? u : 0;
    }

    // A changed square: both its runs change, and a digit decided leaves the
    // combinations of its runs that do not hold it.
    void setCands(State& st, int s, DigitSet to) {
        st.cands[s] = to;
        for (int r : layout_.squares[s].runs) {
            ++version_[r];
            if (single(to)) st.live[r] &= layout_.runs[r].withDigit[digitOf(to)];
        }
    }

    // Whether a technique found nothing in a run when the run last looked as
    // it looks now.
    bool stable(int technique, int r) const { return runStable_[technique][r] == version_[r]; }
    void markStable(int technique, int r) { runStable_[technique][r] = version_[r]; }

    int runCount() const { return static_cast<int>(layout_.runs.size()); }
    int squareCount() const { return static_cast<int>(layout_.squares.size()); }

    // --- the rungs ---

    bool singleCombination(Found& f) {
        constexpr int t = static_cast<int>(Technique::kSingleCombination);
        for (int r = 0; r < runCount(); ++r) {
            if (stable(t, r)) continue;
            const Run& run = layout_.runs[r];
            if (std::popcount(state_.live[r]) == 1) {
                const DigitSet combo = run.combos[std::countr_zero(state_.live[r])];
                const Decided dec = decidedIn(state_, run);
                for (int k = 0; k < run.length; ++k) {
                    const int s = run.squares[k];
                    const DigitSet own = state_.cands[s];
                    const DigitSet to = own & combo & ~dec.besides(own);
                    if (to != own) f.change(s, to);
                }
                if (f.changeCount > 0) {
                    f.technique = Technique::kSingleCombination;
                    f.run = r;
                    return true;
                }
            }
            markStable(t, r);
        }
        return false;
    }

    bool runIntersection(Found& f) {
        for (int s = 0; s < squareCount(); ++s) {
            const auto& runs = layout_.squares[s].runs;
            const std::uint64_t key = (std::uint64_t{version_[runs[0]]} << 32) | version_[runs[1]];
            if (squareStable_[s] == key) continue;
            const DigitSet own = state_.cands[s];
            DigitSet to = own;
            for (int i = 0; i < 2; ++i) {
                const Decided dec = decidedIn(state_, layout_.runs[runs[i]]);
                f.allowed[i] = liveUnion(state_, runs[i]) & ~dec.besides(own);
                to &= f.allowed[i];
            }
            if (to != own) {
                f.technique = Technique::kRunIntersection;
                f.square = s;
                f.change(s, to);
                return true;
            }
            squareStable_[s] = key;
        }
        return false;
    }

    bool onlyPlace(Found& f) {
        constexpr int t = static_cast<int>(Technique::kOnlyPlace);
        for (int r = 0; r < runCount(); ++r) {
            if (stable(t, r)) continue;
            const Run& run = layout_.runs[r];
            const DigitSet needed = liveIntersection(state_, r) & ~decidedIn(state_, run).once;
            for (DigitSet rest = needed; rest != 0; rest &= rest - 1) {
                const DigitSet d = rest & -rest;
                int where = -1;
                int count = 0;
                for (int k = 0; k < run.length; ++k)
                    if ((state_.cands[run.squares[k]] & d) != 0) {
                        where = run.squares[k];
                        ++count;
                    }
                if (count == 1 && state_.cands[where] != d) {
                    f.technique = Technique::kOnlyPlace;
                    f.run = r;
                    f.square = where;
                    f.digit = digitOf(d);
                    f.change(where, d);
                    return true;
                }
            }
            markStable(t, r);
        }
        return false;
    }

    bool combinationExclusion(Found& f) {
        constexpr int t = static_cast<int>(Technique::kCombinationExclusion);
        for (int r = 0; r < runCount(); ++r) {
            if (stable(t, r)) continue;
            const Run& run = layout_.runs[r];
            const DigitSet decided = decidedIn(state_, run).once;
            DigitSet open = 0;
            for (int k = 0; k < run.length; ++k)
                if (!single(state_.cands[run.squares[k]])) open |= state_.cands[run.squares[k]];
            ComboMask removed = 0;
            for (ComboMask m = state_.live[r]; m != 0; m &= m - 1) {
                const int i = std::countr_zero(m);
                const DigitSet needs = run.combos[i] & ~decided;
                bool fits = (needs & ~open) == 0;
                for (int k = 0; k < run.length && fits; ++k) {
                    const DigitSet c = state_.cands[run.squares[k]];
                    fits = single(c) || (c & needs) != 0;
                }
                if (!fits) removed |= ComboMask(1u << i);
            }
            if (removed != 0) {
                f.technique = Technique::kCombinationExclusion;
                f.run = r;
                f.removedCombos = removed;
                return true;
            }
            markStable(t, r);
        }
        return false;
    }

    bool closedGroup(Found& f) {
        constexpr int t = static_cast<int>(Technique::kClosedGroup);
        for (int r = 0; r < runCount(); ++r) {
            if (stable(t, r)) continue;
            const Run& run = layout_.runs[r];
            std::array<int, kMaxRunLength> openAt{};  // run positions of the open squares
            int open = 0;
            for (int k = 0; k < run.length; ++k)
                if (!single(state_.cands[run.squares[k]])) openAt[open++] = k;
            // The union of the candidates of every subset of the open squares.
            std::array<DigitSet, 1 << kMaxRunLength> unionOf{};
            for (unsigned m = 1; m < (1u << open); ++m)
                unionOf[m] =
                    unionOf[m & (m - 1)] | state_.cands[run.squares[openAt[std::countr_zero(m)]]];
            // The smallest groups first.
            for (int size = 2; size < open; ++size) {
                for (unsigned m = 1; m < (1u << open); ++m) {
                    if (std::popcount(m) != size || std::popcount(unionOf[m]) != size) continue;
                    for (int j = 0; j < open; ++j) {
                        const int s = run.squares[openAt[j]];
                        if (((m >> j) & 1u) == 0 && (state_.cands[s] & unionOf[m]) != 0)
                            f.change(s, state_.cands[s] & ~unionOf[m]);
                    }
                    if (f.changeCount > 0) {
                        f.technique = Technique::kClosedGroup;
                        f.run = r;
                        f.groupDigits = unionOf[m];
                        for (int j = 0; j < open; ++j)
                            if ((m >> j) & 1u) f.groupPositions |= 1u << openAt[j];
                        return true;
                    }
                }
            }
            markStable(t, r);
        }
        return false;
    }

    bool arrangement(Found& f) {
        constexpr int t = static_cast<int>(Technique::kArrangement);
        std::array<DigitSet, kMaxRunLength> support{};
        for (int r = 0; r < runCount(); ++r) {
            if (stable(t, r)) continue;
            const Run& run = layout_.runs[r];
            const ComboMask kept = arrange(state_, r, support);
            for (int k = 0; k < run.length; ++k)
                if (support[k] != state_.cands[run.squares[k]])
                    f.change(run.squares[k], support[k]);
            if (kept != state_.live[r] || f.changeCount > 0) {
                f.technique = Technique::kArrangement;
                f.run = r;
                f.removedCombos = state_.live[r] & ComboMask(~kept);
                return true;
            }
            markStable(t, r);
        }
        return false;
    }

    // The combinations of the run that can be spread over its squares, one
    // digit each from the square's candidates; support[k] gets the digits
    // some spreading gives the k-th square. Decided squares keep their digit;
    // the open ones are tried with the fewest candidates first.
    ComboMask arrange(const State& st, int r, std::array<DigitSet, kMaxRunLength>& support) {
        const Run& run = layout_.runs[r];
        support.fill(0);
        std::array<int, kMaxRunLength> openAt{};
        int open = 0;
        DigitSet fixed = 0;
        DigitSet present = 0;
        for (int k = 0; k < run.length; ++k) {
            const DigitSet c = st.cands[run.squares[k]];
            if (single(c)) {
                if ((fixed & c) != 0 || c == 0) return 0;  // a digit decided twice
                fixed |= c;
            } else {
                openAt[open++] = k;
                present |= c;
            }
        }
        // Insertion sort by candidate count; the run is short.
        for (int j = 1; j < open; ++j)
            for (int i = j; i > 0 && std::popcount(st.cands[run.squares[openAt[i]]]) <
                                         std::popcount(st.cands[run.squares[openAt[i - 1]]]);
                 --i)
                std::swap(openAt[i], openAt[i - 1]);
        std::array<DigitSet, kMaxRunLength> openSupport{};
        ComboMask kept = 0;
        for (ComboMask m = st.live[r]; m != 0; m &= m - 1) {
            const int i = std::countr_zero(m);
            const DigitSet combo = run.combos[i];
            if ((combo & fixed) != fixed) continue;
            const DigitSet needs = combo & ~fixed;
            if ((needs & present) != needs) continue;
            bool possible = true;
            for (int j = 0; j < open && possible; ++j) {
                options_[j] = st.cands[run.squares[openAt[j]]] & needs;
                possible = options_[j] != 0;
            }
            if (!possible) continue;
            if (++memoStamp_ == 0) {
                memoSeen_.fill(0);
                memoStamp_ = 1;
            }
            if (spread(0, 0, open, openSupport)) kept |= ComboMask(1u << i);
        }
        if (kept == 0) return 0;
        for (int k = 0; k < run.length; ++k)
            if (single(st.cands[run.squares[k]])) support[k] = st.cands[run.squares[k]];
        for (int j = 0; j < open; ++j)
            support[openAt[j]] = openSupport[j];
        return kept;
    }

    // Whether open squares k.. can take the digits the combination needs that
    // are not in used, one each; the digits that work are added to support.
    bool spread(int k, DigitSet used, int n, std::array<DigitSet, kMaxRunLength>& support) {
        if (k == n) return true;
        if (memoSeen_[used] == memoStamp_) return memoWorks_[used];
        bool any = false;
        for (DigitSet rest = options_[k] & ~used; rest != 0; rest &= rest - 1) {
            const DigitSet d = rest & -rest;
            if (spread(k + 1, used | d, n, support)) {
                support[k] |= d;
                any = true;
            }
        }
        memoSeen_[used] = memoStamp_;
        memoWorks_[used] = any;
        return any;
    }

    // Marks the runs at most reach crossings away from the runs of square s.
    void markReach(int s, int reach) {
        if (++ballStamp_ == 0) {
            ballSeen_.fill(0);
            ballStamp_ = 1;
        }
        ball_.clear();
        for (int r : layout_.squares[s].runs) {
            ballSeen_[r] = ballStamp_;
            ball_.push_back(r);
        }
        std::size_t from = 0;
        for (int step = 0; step < reach; ++step) {
            const std::size_t to = ball_.size();
            for (std::size_t i = from; i < to; ++i) {
                const Run& run = layout_.runs[ball_[i]];
                for (int k = 0; k < run.length; ++k)
                    for (int next : layout_.squares[run.squares[k]].runs)
                        if (ballSeen_[next] != ballStamp_) {
                            ballSeen_[next] = ballStamp_;
                            ball_.push_back(next);
                        }
            }
            from = to;
        }
    }

    // Assumes digit in square s and spreads the runs marked by markReach
    // until nothing changes: the square left with no digit, or -1.
    int follow(int s, int digit, Trace* trace) {
        trialState_ = state_;
        cutShort_ = false;
        setTrial(s, digitBit(digit));
        queue_.clear();
        for (int r : layout_.squares[s].runs)
            enqueue(r);
        std::array<DigitSet, kMaxRunLength> support{};
        for (std::size_t head = 0; head < queue_.size(); ++head) {
            const int r = queue_[head];
            queued_[r] = 0;
            const Run& run = layout_.runs[r];
            trialState_.live[r] = arrange(trialState_, r, support);
            bool narrowed = false;
            for (int k = 0; k < run.length; ++k) {
                const int sq = run.squares[k];
                if (support[k] == trialState_.cands[sq]) continue;
                narrowed = true;
                if (support[k] == 0) {
                    if (trace) trace->runs.push_back(r);
                    return sq;
                }
                setTrial(sq, support[k]);
                if (trace) trace->squares.push_back(sq);
                for (int other : layout_.squares[sq].runs) {
                    if (other == r) continue;
                    if (ballSeen_[other] == ballStamp_)
                        enqueue(other);
                    else
                        cutShort_ = true;
                }
            }
            if (trace && narrowed) trace->runs.push_back(r);
        }
        return -1;
    }

    void setTrial(int s, DigitSet to) {
        trialState_.cands[s] = to;
        if (single(to))
            for (int r : layout_.squares[s].runs)
                trialState_.live[r] &= layout_.runs[r].withDigit[digitOf(to)];
    }

    void enqueue(int r) {
        if (queued_[r]) return;
        queued_[r] = 1;
        queue_.push_back(r);
    }

    int trial(int s, int digit, int reach, Trace* trace) {
        markReach(s, reach);
        const int emptied = follow(s, digit, trace);
        for (int r : queue_)
            queued_[r] = 0;
        return emptied;
    }

    // The trial techniques: the squares with two candidates in reading order,
    // then those with three, each candidate from the smallest. A trial that left
    // every square a digit is not repeated while the runs it narrowed stay as
    // they were: it would come out the same.
    bool trials(Found& f, Technique technique, int reach) {
        auto& memos =
            trialMemos_[static_cast<int>(technique) - static_cast<int>(Technique::kCrossing)];
        if (memos.empty()) memos.resize(static_cast<std::size_t>(squareCount()) * 10);
        for (int count = 2; count <= kTrialCandidates; ++count) {
            for (int s = 0; s < squareCount(); ++s) {
                const DigitSet own = state_.cands[s];
                if (std::popcount(own) != count) continue;
                bool marked = false;
                for (DigitSet rest = own; rest != 0; rest &= rest - 1) {
                    const int digit = digitOf(rest & -rest);
                    const std::size_t at = static_cast<std::size_t>(s) * 10 + digit;
                    TrialMemo& memo = memos[at];
                    if (known(memo)) continue;
                    // A shorter trial that met no limit says what a longer one would.
                    if (&memos != &trialMemos_[0] && !trialMemos_[0].empty() &&
                        known(trialMemos_[0][at]) && !trialMemos_[0][at].cutShort)
                        continue;
                    if (!marked) markReach(s, reach);
                    marked = true;
                    const int emptied = follow(s, digit, nullptr);
                    for (int r : queue_)
                        queued_[r] = 0;
                    if (emptied >= 0) {
                        f.technique = technique;
                        f.square = s;
                        f.digit = digit;
                        f.emptied = emptied;
                        f.change(s, own & ~digitBit(digit));
                        return true;
                    }
                    memo.runs.assign(queue_.begin(), queue_.end());
                    memo.key = versionSum(memo.runs);
                    memo.cutShort = cutShort_;
                }
            }
        }
        return false;
    }

    std::uint64_t versionSum(const std::vector<int>& runs) const {
        std::uint64_t sum = 0;
        for (int r : runs)
            sum += version_[r];
        return sum;
    }

    // A trial that came out with no square emptied, and the runs it looked at.
    struct TrialMemo {
        std::uint64_t key = 0;  // the sum of the runs' versions then; 0: not tried
        bool cutShort = false;  // some consequence lay beyond the reach
        std::vector<int> runs;
    };
    bool known(const TrialMemo& memo) const {
        return memo.key != 0 && versionSum(memo.runs) == memo.key;
    }

    Layout layout_;
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

// --- the Czech texts ---

std::string squareText(int row, int col) {
    return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

std::string squareText(const SquareRef& s) {
    return squareText(s.row, s.col);
}

// "3", "1 a 3", "1, 3 a 9"
std::string digitList(DigitSet set) {
    std::string text;
    const int count = std::popcount(set);
    int i = 0;
    for (int d = 1; d <= 9; ++d) {
        if ((set & digitBit(d)) == 0) continue;
        if (i > 0) text += i == count - 1 ? " a " : ", ";
        text += std::to_string(d);
        ++i;
    }
    return text;
}

// "1 + 3 + 9"
std::string comboText(DigitSet set) {
    std::string text;
    for (int d = 1; d <= 9; ++d)
        if ((set & digitBit(d)) != 0) text += (text.empty() ? "" : " + ") + std::to_string(d);
    return text;
}

std::string joinTexts(const std::vector<std::string>& parts, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? last : ", ";
        text += parts[i];
    }
    return text;
}

// "ve dvou políčkách"
std::string inSquares(int count) {
    static const char* const words[] = {
        "v žádném políčku",     "v jednom políčku",  "ve dvou políčkách", "ve třech políčkách",
        "ve čtyřech políčkách", "v pěti políčkách",  "v šesti políčkách", "v sedmi políčkách",
        "v osmi políčkách",     "v devíti políčkách"};
    return count >= 0 && count <= 9 ? words[count] : "v " + std::to_string(count) + " políčkách";
}

// "dvě políčka, dvě cifry"
std::string squaresAndDigits(int count) {
    static const char* const words[] = {"",    "",     "dvě",  "tři", "čtyři",
                                        "pět", "šest", "sedm", "osm"};
    const std::string word = count >= 2 && count <= 8 ? words[count] : std::to_string(count);
    return count <= 4 ? word + " políčka, " + word + " cifry"
                      : word + " políček, " + word + " cifer";
}

// "přes 3 řady", "přes 5 řad"
std::string throughRuns(int count) {
    const char* noun = count == 1 ? "řadu" : count >= 2 && count <= 4 ? "řady" : "řad";
    return "přes " + std::to_string(count) + " " + noun;
}

enum class Case { kNominative, kGenitive, kLocative };

// "vodorovná řada se součtem 12 (políčka (2, 2) až (2, 4))" in the case asked.
std::string runText(const RunRef& run, const Board& board, Case grammaticalCase) {
    int sum = 0;
    int length = 0;
    const int dr = run.across ? 0 : 1;
    const int dc = run.across ? 1 : 0;
    if (Board::onBoard(run.row, run.col)) {
        const Cell& clue = board.at(run.row, run.col);
        sum = run.across ? clue.acrossSum : clue.downSum;
        while (board.isEntry(run.row + (length + 1) * dr, run.col + (length + 1) * dc))
            ++length;
    }
    std::string text;
    switch (grammaticalCase) {
        case Case::kNominative:
            text = run.across ? "vodorovná řada" : "svislá řada";
            break;
        case Case::kGenitive:
            text = run.across ? "vodorovné řady" : "svislé řady";
            break;
        case Case::kLocative:
            text = run.across ? "ve vodorovné řadě" : "ve svislé řadě";
            break;
    }
    text += " se součtem " + std::to_string(sum);
    if (length == 1) {
        text += " (políčko " + squareText(run.row + dr, run.col + dc) + ")";
    } else if (length > 1) {
        text += " (políčka " + squareText(run.row + dr, run.col + dc) + " až " +
                squareText(run.row + length * dr, run.col + length * dc) + ")";
    }
    return text;
}

std::string capitalized(std::string text) {
    // Every text this is used on begins with a plain ASCII letter.
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// "Proto z políčka (2, 3) odpadají 4 a 7 a do políčka (3, 5) patří 1."
std::string consequences(const Deduction& d) {
    std::vector<std::string> parts;
    for (const Elimination& e : d.eliminations) {
        const Placement* placed = nullptr;
        for (const Placement& p : d.placements)
            if (p.row == e.row && p.col == e.col) placed = &p;
        if (placed) {
            parts.push_back("do políčka " + squareText(e.row, e.col) + " patří " +
                            std::to_string(placed->digit));
        } else {
            parts.push_back("z políčka " + squareText(e.row, e.col) +
                            (std::popcount(e.removed) == 1 ? " odpadá " : " odpadají ") +
                            digitList(e.removed));
        }
    }
    if (parts.empty()) return "";
    return " Proto " + joinTexts(parts, " a ") + ".";
}

std::string explainUtf8(const Deduction& d, const Board& board) {
    const auto run = [&](std::size_t i, Case c) {
        return i < d.runs.size() ? runText(d.runs[i], board, c) : std::string("řada");
    };
    const auto square = [&](std::size_t i) {
        return i < d.squares.size() ? squareText(d.squares[i]) : std::string("(?)");
    };
    std::vector<std::string> combos;
    for (DigitSet c : d.combinations)
        combos.push_back(comboText(c));
    switch (d.technique) {
        case Technique::kSingleCombination: {
            const DigitSet combo = d.combinations.empty() ? 0 : d.combinations.front();
            const int length = std::popcount(combo);
            int sum = 0;
            for (int digit = 1; digit <= 9; ++digit)
                sum += (combo & digitBit(digit)) != 0 ? digit : 0;
            if (length == 1)
                return capitalized(run(0, Case::kNominative)) +
                       " má jediné políčko, to tedy nese celý součet." + consequences(d);
            const auto group = completeCombinationTable().lookup(sum, length);
            const std::string text =
                group && group->count == 1
                    ? "Součet " + std::to_string(sum) + " " + inSquares(length) +
                          " má jedinou kombinaci " + comboText(combo) + ", takže " +
                          run(0, Case::kNominative) + " může mít jen cifry "
                    : capitalized(run(0, Case::kLocative)) + " zbývá jediná kombinace " +
                          comboText(combo) + ", takže její políčka mohou mít jen cifry ";
            return text + digitList(combo) + ", každou jednou." + consequences(d);
        }
        case Technique::kRunIntersection: {
            std::string text;
            for (std::size_t i = 0; i < 2 && i < d.allowed.size(); ++i) {
                const DigitSet allowed = d.allowed[i];
                const std::string digits = allowed == kAllDigits ? "kteroukoli cifru"
                                           : allowed == 0        ? "žádnou cifru"
                                           : single(allowed)     ? "jen cifru " + digitList(allowed)
                                                                 : "cifry " + digitList(allowed);
                text += i == 0 ? capitalized(run(0, Case::kNominative)) + " dovoluje v políčku " +
                                     square(0) + " " + digits
                               : ", " + run(1, Case::kNominative) + " " + digits;
            }
            return text + "." + consequences(d);
        }
        case Technique::kOnlyPlace: {
            const std::string digit = digitList(d.digits);
            std::string text = combos.size() == 1
                                   ? "Jediná zbývající kombinace " + run(0, Case::kGenitive) +
                                         ", " + combos.front() + ", obsahuje cifru " + digit
                                   : "Všechny zbývající kombinace " + run(0, Case::kGenitive) +
                                         ", " + joinTexts(combos, " a ") + ", obsahují cifru " +
                                         digit;
            return text + " a z políček řady ji může mít jen " + square(0) + "." + consequences(d);
        }
        case Technique::kCombinationExclusion: {
            // Why each combination goes, from the candidates before.
            DigitSet decided = 0;
            DigitSet open = 0;
            for (std::size_t i = 0; i < d.candidates.size(); ++i)
                (single(d.candidates[i]) ? decided : open) |= d.candidates[i];
            std::vector<std::string> parts;
            for (DigitSet combo : d.combinations) {
                const DigitSet needs = combo & ~decided;
                const DigitSet missing = needs & ~open;
                std::string why;
                if (missing != 0) {
                    why = (single(missing) ? "cifru " : "cifry ") + digitList(missing) +
                          " nemůže mít žádné volné políčko řady";
                } else {
                    for (std::size_t i = 0; i < d.candidates.size() && why.empty(); ++i)
                        if (!single(d.candidates[i]) && (d.candidates[i] & needs) == 0)
                            why = "políčko " + square(i) + " nemůže mít žádnou její cifru";
                }
                parts.push_back(comboText(combo) + (why.empty() ? "" : " (" + why + ")"));
            }
            return capitalized(run(0, Case::kLocative)) +
                   (parts.size() == 1 ? " odpadá kombinace " : " odpadají kombinace ") +
                   joinTexts(parts, " a ") + "." + consequences(d);
        }
        case Technique::kClosedGroup: {
            std::vector<std::string> squares;
            for (std::size_t i = 0; i < d.squares.size(); ++i)
                squares.push_back(square(i));
            const int size = static_cast<int>(d.squares.size());
            return "Políčka " + joinTexts(squares, " a ") + " " + run(0, Case::kGenitive) +
                   " mohou mít dohromady jen cifry " + digitList(d.digits) + ": " +
                   squaresAndDigits(size) +
                   ". Ty cifry tedy patří jim a v ostatních políčkách řady být nemohou." +
                   consequences(d);
        }
        case Technique::kArrangement: {
            std::string text = "Kombinace " + run(0, Case::kGenitive) +
                               " platí, jen když jde její cifry rozmístit do políček řady tak, "
                               "aby každé dostalo jinou cifru z těch, které může mít.";
            if (combos.size() == 1)
                text += " Kombinaci " + combos.front() + " tak rozmístit nejde, proto odpadá.";
            else if (combos.size() > 1)
                text += " Kombinace " + joinTexts(combos, " a ") +
                        " tak rozmístit nejde, proto odpadají.";
            if (!d.eliminations.empty())
                text +=
                    " Každému políčku zůstávají jen cifry, které mu dává některé takové "
                    "rozmístění.";
            return text + consequences(d);
        }
        case Technique::kCrossing:
        case Technique::kChain: {
            const std::string digit = digitList(d.digits);
            std::string text = "Zkusme do políčka " + square(0) + " dát " + digit + ". ";
            text += d.technique == Technique::kCrossing
                        ? "Už v jeho dvou řadách a v řadách, které je kříží, by pak"
                        : "Po řetězu důsledků " + throughRuns(static_cast<int>(d.runs.size())) +
                              " by pak";
            text += " políčku " + square(1) + " nezbyla žádná cifra. Cifra " + digit +
                    " tedy do políčka " + square(0) + " nepatří";
            text += ".";
            for (const Placement& p : d.placements)
                text += " Zbývá tam jen " + std::to_string(p.digit) + ".";
            return text;
        }
    }
    return "";
}

}  // namespace

const char* techniqueName(Technique t) {
    switch (t) {
        case Technique::kSingleCombination:
            return "jediná kombinace";
        case Technique::kRunIntersection:
            return "průsečík řad";
        case Technique::kOnlyPlace:
            return "jediné místo";
        case Technique::kCombinationExclusion:
            return "vyloučení kombinací";
        case Technique::kClosedGroup:
            return "uzavřená skupina";
        case Technique::kArrangement:
            return "rozmístění v řadě";
        case Technique::kCrossing:
            return "křížení řad";
        case Technique::kChain:
            return "řetěz důsledků";
    }
    return "";
}

const char* difficultyName(Difficulty d) {
    switch (d) {
        case Difficulty::kEasy:
            return "lehká";
        case Difficulty::kMedium:
            return "střední";
        case Difficulty::kHard:
            return "těžká";
        case Difficulty::kVeryHard:
            return "velmi těžká";
        case Difficulty::kNeedsTrial:
            return "vyžaduje zkoušení";
    }
    return "";
}

Difficulty difficultyOfTechnique(Technique t) {
    const int rung = rungOf(t);
    if (rung <= 2) return Difficulty::kEasy;
    if (rung <= 4) return Difficulty::kMedium;
    if (rung <= 6) return Difficulty::kHard;
    return Difficulty::kVeryHard;
}

std::string explainDeduction(const Deduction& d, const Board& board) {
    return cp1250FromUtf8(explainUtf8(d, board));
}

LogicalSolve solveLogically(const Board& board, const CombinationTable& table,
                            bool keepDeductions) {
    LogicalSolve result;
    result.board = board;
    Ladder ladder(board, table);
    if (ladder.malformed()) {
        result.malformed = true;
        return result;
    }
    if (!ladder.start(board)) {
        result.contradiction = true;
        return result;
    }
    Found found;
    std::vector<Placement> placements;
    while (true) {
        if (ladder.allDecided()) {
            result.solved = ladder.decidedRunsHold();
            result.contradiction = !result.solved;
            break;
        }
        if (!ladder.find(found)) break;
        ++result.steps;
        if (result.steps == 1 || rungOf(found.technique) > rungOf(result.hardest))
            result.hardest = found.technique;
        bool sound;
        if (keepDeductions) {
            Deduction d = ladder.describe(found);
            sound = ladder.apply(found, &d.placements);
            result.deductions.push_back(std::move(d));
        } else {
            sound = ladder.apply(found, nullptr);
        }
        if (!sound) {
            result.contradiction = true;
            break;
        }
    }
    ladder.writeDigits(result.board);
    return result;
}

Difficulty difficultyOf(const LogicalSolve& s) {
    if (!s.solved) return Difficulty::kNeedsTrial;
    return s.steps == 0 ? Difficulty::kEasy : difficultyOfTechnique(s.hardest);
}

std::vector<Deduction> stepsToNextPlacement(const Board& board, const CombinationTable& table) {
    std::vector<Deduction> steps;
    Ladder ladder(board, table);
    if (ladder.malformed() || !ladder.start(board)) return steps;
    Found found;
    while (!ladder.allDecided() && ladder.find(found)) {
        Deduction d = ladder.describe(found);
        if (!ladder.apply(found, &d.placements)) return {};
        const bool placed = !d.placements.empty();
        steps.push_back(std::move(d));
        if (placed) return steps;
    }
    return {};
}

}  // namespace krizovky
