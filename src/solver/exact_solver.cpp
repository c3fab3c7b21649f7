#include "solver/exact_solver.h"

#include <array>
#include <bit>
#include <limits>
#include <vector>

namespace krizovky {
namespace {

constexpr DigitSet kAllDigits = 0x3FE;  // bits 1..9
constexpr int kMaxSquares = kBoardSize * kBoardSize;

using Candidates = std::array<DigitSet, kMaxSquares>;

struct Run {
    std::vector<int> squares;      // indexes of its entry squares, in order
    std::vector<DigitSet> combos;  // the digit sets of its (length, sum)
};

struct Square {
    int row = 0;
    int col = 0;
    int runs[2] = {-1, -1};  // across, down
};

std::string at(int row, int col) {
    return "row " + std::to_string(row) + " column " + std::to_string(col);
}

// The runs of a board and what the search needs of them; the reason why the
// board is malformed instead when it is.
class Puzzle {
  public:
    Puzzle(const Board& board, const CombinationTable& table) : board_(board), table_(table) {
        index_.fill(-1);
        for (int r = 1; r <= board.rowCount; ++r)
            for (int c = 1; c <= board.colCount; ++c)
                if (board.isEntry(r, c)) {
                    index_[(r - 1) * kBoardSize + c - 1] = static_cast<int>(squares_.size());
                    squares_.push_back({r, c, {-1, -1}});
                }
        // Reading order, so the first fault found is the top left one.
        for (int r = 1; r <= board.rowCount && malformed_.empty(); ++r)
            for (int c = 1; c <= board.colCount && malformed_.empty(); ++c)
                for (int across = 1; across >= 0 && malformed_.empty(); --across)
                    examine(r, c, across == 1);
        if (malformed_.empty() && squares_.empty()) malformed_ = "the task has no entry square";
    }

    const std::string& malformed() const { return malformed_; }
    const std::vector<Run>& runs() const { return runs_; }
    const std::vector<Square>& squares() const { return squares_; }

  private:
    bool entry(int r, int c) const { return board_.isEntry(r, c); }

    // The run that starts at (r, c) in one direction, or the clue there whose
    // sum in that direction heads no run.
    void examine(int r, int c, bool across) {
        const int dr = across ? 0 : 1;
        const int dc = across ? 1 : 0;
        const char* way = across ? "across" : "down";
        const Cell& cell = board_.at(r, c);
        if (cell.kind == kClue) {
            const int sum = across ? cell.acrossSum : cell.downSum;
            if (sum != 0 && !entry(r + dr, c + dc))
                malformed_ = "the " + std::string(way) + " sum " + std::to_string(sum) +
                             " of the clue at " + at(r, c) + " has no run";
            return;
        }
        if (!entry(r, c) || entry(r - dr, c - dc)) return;
        // (r, c) begins a run; the square before it must be its clue.
        const int clueRow = r - dr;
        const int clueCol = c - dc;
        if (!Board::onBoard(clueRow, clueCol) || board_.at(clueRow, clueCol).kind != kClue) {
            malformed_ = "the entry square at " + at(r, c) + " has no clue before it " + way;
            return;
        }
        const Cell& clue = board_.at(clueRow, clueCol);
        const int sum = across ? clue.acrossSum : clue.downSum;
        if (sum == 0) {
            malformed_ = "the " + std::string(way) + " run after the clue at " +
                         at(clueRow, clueCol) + " has no sum";
            return;
        }
        Run run;
        for (int rr = r, cc = c; entry(rr, cc); rr += dr, cc += dc) {
            const int k = index_[(rr - 1) * kBoardSize + cc - 1];
            squares_[k].runs[across ? 0 : 1] = static_cast<int>(runs_.size());
            run.squares.push_back(k);
        }
        const int length = static_cast<int>(run.squares.size());
        const auto group = length <= 9 ? table_.lookup(sum, length) : std::nullopt;
        if (group)
            for (int i = group->first; i < group->first + group->count; ++i)
                run.combos.push_back(table_.digitSetOf(i));
        if (run.combos.empty()) {
            malformed_ = "the " + std::string(way) + " sum " + std::to_string(sum) +
                         " of the clue at " + at(clueRow, clueCol) + " is no sum of " +
                         std::to_string(length) + " distinct digits";
            return;
        }
        runs_.push_back(std::move(run));
    }

    const Board& board_;
    const CombinationTable& table_;
    std::array<int, kMaxSquares> index_{};
    std::vector<Square> squares_;
    std::vector<Run> runs_;
    std::string malformed_;
};

class Search {
  public:
    Search(const Puzzle& puzzle, int limit, long budget)
        : puzzle_(puzzle), limit_(limit), budget_(budget) {
        queued_.assign(puzzle.runs().size(), false);
        weight_.assign(puzzle.runs().size(), 1);
    }

    // Counts the solutions below the candidates given; every run is narrowed
    // first. A search that has met many dead ends without reaching the limit
    // starts again from the top, with the runs that failed most now branched
    // on first; each new start allows half as many dead ends again as the one
    // before, so a start always comes that runs to its end. The solutions
    // found before a new start are remembered and not counted twice; once
    // there are too many to remember, one last start counts them all anew
    // without a bound on dead ends.
    void run(Candidates cands) {
        for (std::size_t k = 0; k < puzzle_.runs().size(); ++k)
            enqueue(static_cast<int>(k));
        if (!propagate(cands)) return;
        for (long allowed = 100;; allowed += allowed / 2) {
            const bool last = solutions >= kRemembered;
            if (last) {
                solutions = 0;
                found_.clear();
            }
            deadEnds_ = 0;
            allowedDeadEnds_ = last ? std::numeric_limits<long>::max() : allowed;
            abandoned_ = false;
            branch(cands);
            if (!abandoned_ || exhausted) return;
        }
    }

    int solutions = 0;
    bool exhausted = false;  // the budget of dead ends ran out first
    Candidates first{};
    Candidates second{};

  private:
    void enqueue(int run) {
        if (run < 0 || queued_[run]) return;
        queued_[run] = true;
        queue_.push_back(run);
    }

    // Narrows the squares of the queued runs, and the runs of every square
    // that changed, until nothing changes; false on a contradiction.
    bool propagate(Candidates& cands) {
        bool ok = true;
        while (!queue_.empty()) {
            const int k = queue_.back();
            queue_.pop_back();
            queued_[k] = false;
            if (ok && !narrow(puzzle_.runs()[k], cands)) {
                ok = false;
                ++weight_[k];
            }
        }
        return ok;
    }

    void set(Candidates& cands, int square, DigitSet value) {
        if (cands[square] == value) return;
        cands[square] = value;
        enqueue(puzzle_.squares()[square].runs[0]);
        enqueue(puzzle_.squares()[square].runs[1]);
    }

    // Keeps in each square of the run exactly the digits that some filling of
    // the whole run with one of its combinations gives it.
    bool narrow(const Run& run, Candidates& cands) {
        const int n = static_cast<int>(run.squares.size());
        DigitSet present = 0;
        for (int s : run.squares)
            present |= cands[s];
        std::array<DigitSet, kBoardSize> support{};
        for (DigitSet combo : run.combos) {
            if ((combo & present) != combo) continue;
            for (int k = 0; k < n; ++k)
                options_[k] = cands[run.squares[k]] & combo;
            nextMemo();
            fill(0, 0, n, support);
        }
        for (int k = 0; k < n; ++k) {
            if (support[k] == 0) return false;
            set(cands, run.squares[k], support[k]);
        }
        return true;
    }

    // Whether squares k.. of the run can take the digits the combination has
    // left after used, each one; the digits that work go to support.
    bool fill(int k, DigitSet used, int n, std::array<DigitSet, kBoardSize>& support) {
        if (k == n) return true;
        if ((memo_[used] & ~1u) == memoStamp_) return (memo_[used] & 1u) != 0;
        bool any = false;
        for (DigitSet rest = options_[k] & ~used; rest != 0; rest &= rest - 1) {
            const DigitSet d = rest & -rest;
            if (fill(k + 1, used | d, n, support)) {
                support[k] |= d;
                any = true;
            }
        }
        memo_[used] = memoStamp_ | (any ? 1u : 0u);
        return any;
    }

    // Branches on the square with the fewest candidates for the weight of its
    // runs, a run weighing one more for each dead end it showed: the search
    // turns to the part of the board where the trouble is.
    void branch(const Candidates& cands) {
        int best = -1;
        int bestCount = 0;
        long bestWeight = 1;
        const int n = static_cast<int>(puzzle_.squares().size());
        for (int s = 0; s < n; ++s) {
            const int count = std::popcount(cands[s]);
            if (count < 2) continue;
            long weight = 0;
            for (int run : puzzle_.squares()[s].runs)
                weight += run >= 0 ? weight_[run] : 0;
            // count / weight < bestCount / bestWeight, without division
            if (best < 0 || count * bestWeight < bestCount * weight) {
                best = s;
                bestCount = count;
                bestWeight = weight;
            }
        }
        if (best < 0) {
            if (allowedDeadEnds_ != std::numeric_limits<long>::max()) {
                for (const Candidates& known : found_)
                    if (known == cands) return;
                found_.push_back(cands);
            }
            if (solutions == 1 && !haveSecond_) {
                second = cands;
                haveSecond_ = true;
            }
            if (!haveFirst_) first = cands;
            haveFirst_ = true;
            ++solutions;
            return;
        }
        for (DigitSet rest = cands[best]; rest != 0 && solutions < limit_ && !abandoned_;
             rest &= rest - 1) {
            Candidates next = cands;
            set(next, best, rest & -rest);
            if (propagate(next))
                branch(next);
            else
                deadEnd();
        }
    }

    // Per run being narrowed: each square's digits within the combination,
    // and, per set of digits used by the squares before, whether the squares
    // after can be filled.
    std::array<DigitSet, kBoardSize> options_{};
    // An entry holds the stamp of the filling it was found in, and 1 for a
    // yes; a new filling takes a new stamp instead of clearing the array.
    std::array<std::uint32_t, 1024> memo_{};
    std::uint32_t memoStamp_ = 0;
    void nextMemo() {
        memoStamp_ += 2;
        if (memoStamp_ == 0) {  // wrapped: the old stamps could look new
            memo_.fill(1);
            memoStamp_ = 2;
        }
    }

    const Puzzle& puzzle_;
    const int limit_;
    void deadEnd() {
        if (budget_ > 0 && ++spent_ > budget_) exhausted = true;
        if (++deadEnds_ > allowedDeadEnds_ || exhausted) abandoned_ = true;
    }

    const long budget_;  // dead ends allowed in all, 0 for no bound
    long spent_ = 0;
    std::vector<bool> queued_;
    std::vector<int> queue_;
    std::vector<long> weight_;       // per run: 1 + the dead ends it showed
    std::vector<Candidates> found_;  // the solutions counted so far
    static constexpr int kRemembered = 16;
    bool haveFirst_ = false;
    bool haveSecond_ = false;
    long deadEnds_ = 0;
    long allowedDeadEnds_ = 0;
    bool abandoned_ = false;
};

}  // namespace

ExactResult solveExact(const Board& board, const CombinationTable& table, int limit, long budget) {
    ExactResult result;
    const Puzzle puzzle(board, table);
    if (!puzzle.malformed().empty()) {
        result.malformed = puzzle.malformed();
        return result;
    }
    const auto& squares = puzzle.squares();
    Candidates cands{};
    for (std::size_t s = 0; s < squares.size(); ++s) {
        const int digit = board.at(squares[s].row, squares[s].col).digit;
        cands[s] = digit == 0 ? kAllDigits : static_cast<DigitSet>(digitBit(digit) & kAllDigits);
        if (cands[s] == 0) return result;  // a digit no square may hold
    }
    Search search(puzzle, limit < 1 ? 1 : limit, budget < 0 ? 0 : budget);
    search.run(cands);
    result.solutions = search.solutions;
    result.exhausted = search.exhausted;
    auto written = [&](const Candidates& found) {
        Board solved = board;
        for (std::size_t s = 0; s < squares.size(); ++s)
            solved.at(squares[s].row, squares[s].col).digit =
                static_cast<std::uint8_t>(std::countr_zero(found[s]));
        return solved;
    };
    if (search.solutions >= 1) result.first = written(search.first);
    if (search.solutions >= 2) result.second = written(search.second);
    return result;
}

TaskClass classifyTask(const Board& board, const CombinationTable& table) {
    ExactResult found = solveExact(board, table, 2);
    TaskClass result;
    result.solutions = found.solutions;
    if (!found.malformed.empty()) {
        result.verdict = TaskVerdict::kMalformed;
        result.reason = std::move(found.malformed);
    } else if (found.solutions == 0) {
        result.verdict = TaskVerdict::kNoSolution;
    } else if (found.solutions == 1) {
        result.verdict = TaskVerdict::kUnique;
        result.solution = found.first;
    } else {
        result.verdict = TaskVerdict::kSeveral;
    }
    return result;
}

}  // namespace krizovky
