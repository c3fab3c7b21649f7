#include "solver/exact_solver.h"

#include <array>
#include <limits>
#include <vector>

#include "model/digit_set.h"
#include "solver/run_layout.h"
#include "solver/run_support.h"

namespace krizovky {
namespace {

constexpr int kMaxSquares = kBoardSize * kBoardSize;

using Candidates = std::array<DigitSet, kMaxSquares>;

// How the search narrows a run: by its sum, when its records are exactly the
// sets of distinct digits of its length and sum (as in the shipped table), or
// else through its records one by one.
struct RunRule {
    bool bySum = false;
    DigitSet reach = 0;  // by sum: the digits of all its sets
    int first = 0;       // otherwise: its records in combos_
    int count = 0;
};

// The runs waiting to be narrowed, each at most once. In turn, runs of up to
// three squares come out before longer ones, each kind in the order queued:
// the short ones are narrowed fast and often decide digits the long ones then
// need not find. As a stack, the run queued last comes out first.
class RunQueue {
  public:
    explicit RunQueue(const RunLayout& layout) : queued_(layout.runs().size(), 0) {
        const std::size_t runs = layout.runs().size();
        items_.resize(3 * runs);
        for (int kind = 0; kind < 3; ++kind)
            ring_[kind].first = kind * runs;
        shortRun_.resize(runs);
        for (std::size_t r = 0; r < runs; ++r)
            shortRun_[r] = layout.runs()[r].length <= 3;
    }

    void setStack(bool stack) { stack_ = stack; }
    bool isStack() const { return stack_; }

    void push(int run) {
        if (run < 0 || queued_[run]) return;
        queued_[run] = 1;
        Ring& ring = ring_[stack_ ? kStack : shortRun_[run] ? kShort : kLong];
        std::size_t at = ring.head + ring.count++;
        if (at >= queued_.size()) at -= queued_.size();
        items_[ring.first + at] = run;
    }

    // The next run to narrow; -1 when there is none.
    int pop() {
        int run = -1;
        if (stack_) {
            Ring& ring = ring_[kStack];
            if (ring.count > 0) run = items_[ring.first + --ring.count];
        } else {
            for (int kind : {kShort, kLong}) {
                Ring& ring = ring_[kind];
                if (ring.count == 0) continue;
                run = items_[ring.first + ring.head];
                ring.head = ring.head + 1 == queued_.size() ? 0 : ring.head + 1;
                --ring.count;
                break;
            }
        }
        if (run >= 0) queued_[run] = 0;
        return run;
    }

  private:
    static constexpr int kShort = 0;
    static constexpr int kLong = 1;
    static constexpr int kStack = 2;
    struct Ring {
        std::size_t first = 0;  // its place in items_
        std::size_t head = 0;
        std::size_t count = 0;
    };
    std::vector<std::uint8_t> queued_;
    std::vector<std::uint8_t> shortRun_;
    std::vector<int> items_;
    std::array<Ring, 3> ring_;
    bool stack_ = false;
};

class Search {
  public:
    Search(const RunLayout& layout, const CombinationTable& table, int limit, long budget)
        : layout_(layout), queue_(layout), limit_(limit), budget_(budget) {
        const std::size_t runs = layout.runs().size();
        rules_.resize(runs);
        weight_.assign(runs, 1);
        changed_.assign(runs, 1);
        // Runs of the same length and sum share their rule.
        std::array<int, (kMaxRunLength + 1) * 46> sameAs;
        sameAs.fill(-1);
        for (std::size_t r = 0; r < runs; ++r) {
            const LaidRun& run = layout.runs()[r];
            const int key = run.sum <= 45 ? run.length * 46 + run.sum : -1;
            if (key >= 0 && sameAs[key] >= 0) {
                rules_[r] = rules_[sameAs[key]];
                continue;
            }
            rules_[r] = ruleOf(run, table);
            if (key >= 0) sameAs[key] = static_cast<int>(r);
        }
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
        for (std::size_t k = 0; k < layout_.runs().size(); ++k)
            queue_.push(static_cast<int>(k));
        if (!propagate(cands)) return;
        queue_.setStack(true);
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
    RunRule ruleOf(const LaidRun& run, const CombinationTable& table) {
        RunRule rule;
        const CombinationTable::Group group = run.combinations;
        rule.bySum = group.count == sumSetCount(run.length, run.sum);
        std::array<std::uint64_t, 16> seen{};  // no set twice
        for (int i = 0; i < group.count && rule.bySum; ++i) {
            const DigitSet set = table.digitSetOf(group.first + i);
            // A set of a damaged table may hold bits past the digits: it is no
            // sum set, and is not looked up among those seen.
            rule.bySum =
                isSumSet(set, run.length, run.sum) && (seen[set / 64] >> set % 64 & 1) == 0;
            if (rule.bySum) seen[set / 64] |= std::uint64_t{1} << set % 64;
            rule.reach |= set;
        }
        if (!rule.bySum) {
            rule.first = static_cast<int>(combos_.size());
            rule.count = group.count;
            for (int i = 0; i < group.count; ++i)
                combos_.push_back(table.digitSetOf(group.first + i));
        }
        return rule;
    }

    // Narrows the squares of the queued runs, and the runs of every square
    // that changed, until nothing changes; false on a contradiction, and the
    // run that showed it weighs one more. A run is narrowed only when a
    // square of it changed since it was last narrowed: narrowing it again
    // would change nothing.
    //
    // Whatever the order, the squares come out the same or a contradiction
    // shows, but which run shows it first depends on the order. The first
    // narrowing of the whole board takes the runs in the faster order of the
    // queue, since its contradiction ends the search; every later one takes
    // them as a stack, so the weights, and the search with them, stay as
    // they have always been.
    bool propagate(Candidates& cands) {
        for (int k = queue_.pop(); k >= 0; k = queue_.pop()) {
            if (!changed_[k]) continue;
            changed_[k] = 0;
            if (!narrow(k, cands)) {
                ++weight_[k];
                for (k = queue_.pop(); k >= 0; k = queue_.pop())
                    changed_[k] = 0;
                return false;
            }
        }
        return true;
    }

    // A square's new candidates, and its runs queued. The run that gave them
    // (narrowedBy) has not changed for itself; as a stack, the queue takes it
    // again all the same, where the runs have always gone.
    void set(Candidates& cands, int square, DigitSet value, int narrowedBy = -1) {
        if (cands[square] == value) return;
        cands[square] = value;
        for (int run : layout_.squares()[square].runs) {
            if (run < 0) continue;
            if (run != narrowedBy)
                changed_[run] = 1;
            else if (!queue_.isStack())
                continue;
            queue_.push(run);
        }
    }

    // Keeps in each square of the run exactly the digits that some filling of
    // the whole run with one of its sets of digits gives it.
    bool narrow(int r, Candidates& cands) {
        const LaidRun& run = layout_.runs()[r];
        const RunRule& rule = rules_[r];
        std::array<DigitSet, kMaxRunLength> squares;
        for (int k = 0; k < run.length; ++k)
            squares[k] = cands[run.squares[k]];
        const bool possible =
            rule.bySum
                ? support_.bySum(squares.data(), run.length, run.sum, rule.reach)
                : support_.byCombos(squares.data(), run.length, &combos_[rule.first], rule.count);
        if (!possible) return false;
        for (int k = 0; k < run.length; ++k)
            set(cands, run.squares[k], squares[k], r);
        return true;
    }

    // Branches on the square with the fewest candidates for the weight of its
    // runs, a run weighing one more for each dead end it showed: the search
    // turns to the part of the board where the trouble is.
    void branch(const Candidates& cands) {
        const int best = squareToBranchOn(cands);
        if (best < 0) {
            countSolution(cands);
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

    int squareToBranchOn(const Candidates& cands) const {
        int best = -1;
        int bestCount = 0;
        long bestWeight = 1;
        const auto& squares = layout_.squares();
        const int n = static_cast<int>(squares.size());
        for (int s = 0; s < n; ++s) {
            const int count = digitCount(cands[s]);
            if (count < 2) continue;
            long weight = 0;
            for (int run : squares[s].runs)
                weight += run >= 0 ? weight_[run] : 0;
            // count / weight < bestCount / bestWeight, without division
            if (best < 0 || count * bestWeight < bestCount * weight) {
                best = s;
                bestCount = count;
                bestWeight = weight;
            }
        }
        return best;
    }

    void countSolution(const Candidates& cands) {
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
    }

    void deadEnd() {
        if (budget_ > 0 && ++spent_ > budget_) exhausted = true;
        if (++deadEnds_ > allowedDeadEnds_ || exhausted) abandoned_ = true;
    }

    const RunLayout& layout_;
    RunQueue queue_;
    std::vector<RunRule> rules_;
    std::vector<DigitSet> combos_;  // the records of the runs not narrowed by sum
    RunSupport support_;
    const int limit_;
    const long budget_;  // dead ends allowed in all, 0 for no bound
    long spent_ = 0;
    std::vector<std::uint8_t> changed_;  // per queued run: whether a square of it changed
    std::vector<long> weight_;           // per run: 1 + the dead ends it showed
    std::vector<Candidates> found_;      // the solutions counted so far
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
    const RunLayout layout(board, table);
    result.malformed = layout.malformed();
    result.playerReason = layout.playerReason();
    if (result.malformed.empty() && layout.squares().empty()) {
        result.malformed = "the task has no entry square";
        result.playerReason = "nemá žádné políčko pro cifru";
    }
    if (!result.malformed.empty()) return result;
    const auto& squares = layout.squares();
    Candidates cands{};
    for (std::size_t s = 0; s < squares.size(); ++s) {
        const int digit = board.at(squares[s].row, squares[s].col).digit;
        cands[s] = digit == 0 ? kAllDigits : static_cast<DigitSet>(digitBit(digit) & kAllDigits);
        if (cands[s] == 0) return result;  // a digit no square may hold
    }
    Search search(layout, table, limit < 1 ? 1 : limit, budget < 0 ? 0 : budget);
    search.run(cands);
    result.solutions = search.solutions;
    result.exhausted = search.exhausted;
    auto written = [&](const Candidates& solution) {
        Board solved = board;
        for (std::size_t s = 0; s < squares.size(); ++s)
            solved.at(squares[s].row, squares[s].col).digit =
                static_cast<std::uint8_t>(digitOf(solution[s]));
        return solved;
    };
    if (search.solutions >= 1) result.first = written(search.first);
    if (search.solutions >= 2) result.second = written(search.second);
    return result;
}

TaskClass classifyTask(const Board& board, const CombinationTable& table) {
    return *classifyTaskWithin(board, table, 0);
}

std::optional<TaskClass> classifyTaskWithin(const Board& board, const CombinationTable& table,
                                            long budget) {
    ExactResult found = solveExact(board, table, 2, budget);
    if (found.exhausted) return std::nullopt;
    TaskClass result;
    result.solutions = found.solutions;
    if (!found.malformed.empty()) {
        result.verdict = TaskVerdict::kMalformed;
        result.reason = std::move(found.malformed);
        result.playerReason = std::move(found.playerReason);
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
