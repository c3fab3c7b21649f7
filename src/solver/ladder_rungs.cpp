#include "solver/ladder.h"

#include <utility>

// Techniques 1 to 6 of the ladder: what each finds in a run, or in a square
// and its two runs, with the candidates as they stand.
namespace krizovky::ladder {

bool Ladder::singleCombination(Found& f) {
    constexpr int t = static_cast<int>(Technique::kSingleCombination);
    for (int r = 0; r < runCount(); ++r) {
        if (stable(t, r)) continue;
        const Run& run = runs_[r];
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

bool Ladder::runIntersection(Found& f) {
    for (int s = 0; s < squareCount(); ++s) {
        const auto& runs = layout_.squares()[s].runs;
        const std::uint64_t key = (std::uint64_t{version_[runs[0]]} << 32) | version_[runs[1]];
        if (squareStable_[s] == key) continue;
        const DigitSet own = state_.cands[s];
        DigitSet to = own;
        for (int i = 0; i < 2; ++i) {
            const Decided dec = decidedIn(state_, runs_[runs[i]]);
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

bool Ladder::onlyPlace(Found& f) {
    constexpr int t = static_cast<int>(Technique::kOnlyPlace);
    for (int r = 0; r < runCount(); ++r) {
        if (stable(t, r)) continue;
        const Run& run = runs_[r];
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

bool Ladder::combinationExclusion(Found& f) {
    constexpr int t = static_cast<int>(Technique::kCombinationExclusion);
    for (int r = 0; r < runCount(); ++r) {
        if (stable(t, r)) continue;
        const Run& run = runs_[r];
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

bool Ladder::closedGroup(Found& f) {
    constexpr int t = static_cast<int>(Technique::kClosedGroup);
    for (int r = 0; r < runCount(); ++r) {
        if (stable(t, r)) continue;
        const Run& run = runs_[r];
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

bool Ladder::arrangement(Found& f) {
    constexpr int t = static_cast<int>(Technique::kArrangement);
    std::array<DigitSet, kMaxRunLength> support{};
    for (int r = 0; r < runCount(); ++r) {
        if (stable(t, r)) continue;
        const Run& run = runs_[r];
        const ComboMask kept = arrange(state_, r, support);
        for (int k = 0; k < run.length; ++k)
            if (support[k] != state_.cands[run.squares[k]]) f.change(run.squares[k], support[k]);
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
ComboMask Ladder::arrange(const State& st, int r, std::array<DigitSet, kMaxRunLength>& support) {
    const Run& run = runs_[r];
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
bool Ladder::spread(int k, DigitSet used, int n, std::array<DigitSet, kMaxRunLength>& support) {
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

}  // namespace krizovky::ladder
