#include "solver/ladder.h"

// Techniques 7 and 8 of the ladder: a digit assumed in a square, and its
// consequences followed through the runs near it until some square is left
// with no digit.
namespace krizovky::ladder {

// Marks the runs at most reach crossings away from the runs of square s.
void Ladder::markReach(int s, int reach) {
    if (++ballStamp_ == 0) {
        ballSeen_.fill(0);
        ballStamp_ = 1;
    }
    ball_.clear();
    for (int r : layout_.squares()[s].runs) {
        ballSeen_[r] = ballStamp_;
        ball_.push_back(r);
    }
    std::size_t from = 0;
    for (int step = 0; step < reach; ++step) {
        const std::size_t to = ball_.size();
        for (std::size_t i = from; i < to; ++i) {
            const Run& run = runs_[ball_[i]];
            for (int k = 0; k < run.length; ++k)
                for (int next : layout_.squares()[run.squares[k]].runs)
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
int Ladder::follow(int s, int digit, Trace* trace) {
    trialState_ = state_;
    cutShort_ = false;
    setTrial(s, digitBit(digit));
    queue_.clear();
    for (int r : layout_.squares()[s].runs)
        enqueue(r);
    std::array<DigitSet, kMaxRunLength> support{};
    for (std::size_t head = 0; head < queue_.size(); ++head) {
        const int r = queue_[head];
        queued_[r] = 0;
        const Run& run = runs_[r];
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
            for (int other : layout_.squares()[sq].runs) {
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

void Ladder::setTrial(int s, DigitSet to) {
    trialState_.cands[s] = to;
    if (single(to))
        for (int r : layout_.squares()[s].runs)
            trialState_.live[r] &= runs_[r].withDigit[digitOf(to)];
}

void Ladder::enqueue(int r) {
    if (queued_[r]) return;
    queued_[r] = 1;
    queue_.push_back(r);
}

int Ladder::trial(int s, int digit, int reach, Trace* trace) {
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
bool Ladder::trials(Found& f, Technique technique, int reach) {
    auto& memos = trialMemos_[static_cast<int>(technique) - static_cast<int>(Technique::kCrossing)];
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

std::uint64_t Ladder::versionSum(const std::vector<int>& runs) const {
    std::uint64_t sum = 0;
    for (int r : runs)
        sum += version_[r];
    return sum;
}

}  // namespace krizovky::ladder
