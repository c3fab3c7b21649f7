#include "solver/run_support.h"

#include <algorithm>

#include "model/digit_set.h"

namespace krizovky {
namespace {

// The sum of the digits of a set.
constexpr auto kDigitSums = [] {
    std::array<std::uint8_t, 1024> sums{};
    for (int set = 0; set < 1024; ++set)
        for (int d = 1; d <= 9; ++d)
            if ((set >> d) & 1) sums[set] = static_cast<std::uint8_t>(sums[set] + d);
    return sums;
}();

// Bit e of a set as bit 9 - e.
constexpr auto kReversed = [] {
    std::array<DigitSet, 1024> reversed{};
    for (int set = 0; set < 1024; ++set)
        for (int e = 0; e <= 9; ++e)
            if ((set >> e) & 1)
                reversed[set] = static_cast<DigitSet>(reversed[set] | 1u << (9 - e));
    return reversed;
}();

// The digits sum - e for the digits e of the set, as far as they are digits.
DigitSet mirrored(DigitSet set, int sum) {
    const unsigned reversed = kReversed[set];
    return static_cast<DigitSet>((sum >= 9 ? reversed << (sum - 9) : reversed >> (9 - sum)) &
                                 kAllDigits);
}

// Every set of distinct digits, ordered by how many digits it has and then
// by their sum, and where the sets of each count and sum begin in that order.
struct SumSets {
    std::array<DigitSet, 512> sets{};
    std::array<std::array<std::uint16_t, 47>, 10> begin{};
};
constexpr SumSets kSumSets = [] {
    SumSets all{};
    std::array<std::array<std::uint16_t, 47>, 10> size{};
    for (int set = 0; set < 1024; set += 2)
        ++size[kDigitCounts[set]][kDigitSums[set]];
    int next = 0;
    for (int count = 0; count <= 9; ++count)
        for (int sum = 0; sum <= 46; ++sum) {
            all.begin[count][sum] = static_cast<std::uint16_t>(next);
            next += size[count][sum];
        }
    std::array<std::array<std::uint16_t, 47>, 10> at = all.begin;
    for (int set = 0; set < 1024; set += 2)
        all.sets[at[kDigitCounts[set]][kDigitSums[set]]++] = static_cast<DigitSet>(set);
    return all;
}();

// Sets of sets of the digits a run's open squares may take, as bits: each
// digit has a place 0 to 8, and a set is bit number sum of 2^place of its
// digits. Places 0 to 5 pick the bit within a 64-bit word, 6 to 8 the word;
// with few digits, fewer words do.

// Per place 0 to 5, the bits of a word that stand for sets holding it.
constexpr std::array<std::uint64_t, 6> kHolding = {0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull,
                                                   0xF0F0F0F0F0F0F0F0ull, 0xFF00FF00FF00FF00ull,
                                                   0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull};

// Adds to `to` the sets of `from` without the digit of place, with it added.
template <int kWords>
void addWith(std::uint64_t* to, const std::uint64_t* from, int place) {
    if (place < 6) {
        const std::uint64_t holding = kHolding[place];
        const int shift = 1 << place;
        for (int w = 0; w < kWords; ++w)
            to[w] |= (from[w] & ~holding) << shift;
    } else {
        const int step = 1 << (place - 6);
        for (int w = 0; w < kWords; ++w)
            if ((w & step) != 0) to[w] |= from[w ^ step];
    }
}

// The sets of `from` with the digit of place, with it taken out, as far as
// they are in `within`; adds them to `to` and tells whether there were any.
template <int kWords>
bool addWithout(std::uint64_t* to, const std::uint64_t* from, const std::uint64_t* within,
                int place) {
    std::uint64_t any = 0;
    if (place < 6) {
        const std::uint64_t holding = kHolding[place];
        const int shift = 1 << place;
        for (int w = 0; w < kWords; ++w) {
            const std::uint64_t found = ((from[w] & holding) >> shift) & within[w];
            to[w] |= found;
            any |= found;
        }
    } else {
        const int step = 1 << (place - 6);
        for (int w = 0; w < kWords; ++w)
            if ((w & step) == 0) {
                const std::uint64_t found = from[w | step] & within[w];
                to[w] |= found;
                any |= found;
            }
    }
    return any != 0;
}

// The digits e of first that go with rest - e of second, two different digits.
DigitSet pairing(DigitSet first, DigitSet second, int rest) {
    DigitSet works = first & mirrored(second, rest);
    if (rest % 2 == 0) works &= static_cast<DigitSet>(~digitBit(rest / 2));
    return works;
}

// The smallest and largest sum of count distinct digits.
constexpr int least(int count) {
    return count * (count + 1) / 2;
}
constexpr int most(int count) {
    return count * (19 - count) / 2;
}

}  // namespace

bool isSumSet(DigitSet set, int length, int sum) {
    return (set & ~kAllDigits) == 0 && kDigitCounts[set] == length && kDigitSums[set] == sum;
}

int sumSetCount(int length, int sum) {
    return length >= 0 && length <= 9 && sum >= 0 && sum <= 45
               ? kSumSets.begin[length][sum + 1] - kSumSets.begin[length][sum]
               : 0;
}

void RunSupport::nextStamp() {
    if (seen_.empty()) {
        seen_.assign(1024, 0);
        works_.assign(1024, 0);
    }
    if (++stamp_ == 0) {  // wrapped: the old stamps could look new
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
}

// The squares that hold one digit keep it; the open ones share the rest of
// the sum, each with a digit no other square of the run has.
bool RunSupport::bySum(DigitSet* squares, int length, int sum, DigitSet reach) {
    if (length == 2) {
        const DigitSet first = pairing(squares[0], squares[1], sum);
        if (first == 0) return false;
        squares[0] = first;
        squares[1] = mirrored(first, sum);
        return true;
    }
    DigitSet fixed = 0;
    DigitSet clash = 0;
    bool covered = true;  // every square may hold every digit of reach
    int open = 0;
    for (int k = 0; k < length; ++k) {
        const DigitSet c = squares[k];
        const DigitSet one = (c & (c - 1)) == 0 ? c : 0;
        covered &= (c & reach) == reach;
        clash |= fixed & one;
        fixed |= one;
        place_[open] = k;
        open += one == 0;
    }
    if (clash != 0) return false;
    if (covered) {  // each set of the sum goes into the squares in any order
        for (int k = 0; k < length; ++k)
            squares[k] = reach;
        return true;
    }
    const int rest = sum - kDigitSums[fixed];
    if (rest < least(open) || rest > most(open)) return false;
    if (open == 0) return true;
    DigitSet none = kAllDigits;
    for (int j = 0; j < open; ++j) {
        options_[j] = squares[place_[j]] & ~fixed;
        none &= options_[j] == 0 ? 0 : kAllDigits;
        support_[j] = 0;
    }
    if (none == 0) return false;
    open_ = open;
    full_ = 0;
    if (open == 1) {
        if ((options_[0] & digitBit(rest)) == 0) return false;
        support_[0] = digitBit(rest);
    } else if (open >= kBySetsFrom) {
        if (!bySets(rest)) return false;
    } else {
        if (!byDigits(rest)) return false;
    }
    for (int j = 0; j < open; ++j)
        squares[place_[j]] = support_[j];
    return true;
}

// Square by square, the sets of digits the open squares before it can take;
// then back from the sets that make the sum, the digits of each square that
// lead to one of them. The digits any open square may take get the places
// 0, 1, ... in ascending order.
bool RunSupport::bySets(int rest) {
    DigitSet possible = 0;
    for (int j = 0; j < open_; ++j)
        possible |= options_[j];
    Places places{};
    int count = 0;
    for (DigitSet digits = possible; digits != 0; digits &= digits - 1)
        places[digitOf(digits)] = count++;
    if (count <= 6) return bySetsIn<1>(rest, possible, places);
    if (count == 7) return bySetsIn<2>(rest, possible, places);
    if (count == 8) return bySetsIn<4>(rest, possible, places);
    return bySetsIn<8>(rest, possible, places);
}

template <int kWords>
bool RunSupport::bySetsIn(int rest, DigitSet possible, const Places& places) {
    using Sets = std::array<std::uint64_t, kWords>;
    std::array<Sets, 10> reached;
    for (int j = 0; j <= open_; ++j)
        reached[j] = Sets{};
    reached[0][0] = 1;
    for (int j = 0; j < open_; ++j)
        for (DigitSet digits = options_[j]; digits != 0; digits &= digits - 1)
            addWith<kWords>(reached[j + 1].data(), reached[j].data(), places[digitOf(digits)]);
    Sets wanted{};
    bool any = false;
    for (int i = kSumSets.begin[open_][rest]; i < kSumSets.begin[open_][rest + 1]; ++i) {
        const DigitSet set = kSumSets.sets[i];
        if ((set & ~possible) != 0) continue;
        unsigned bit = 0;
        for (DigitSet digits = set; digits != 0; digits &= digits - 1)
            bit |= 1u << places[digitOf(digits)];
        const std::uint64_t mask = std::uint64_t{1} << (bit & 63);
        if ((reached[open_][bit >> 6] & mask) == 0) continue;
        wanted[bit >> 6] |= mask;
        any = true;
    }
    if (!any) return false;
    for (int j = open_ - 1; j >= 0; --j) {
        Sets before{};
        for (DigitSet digits = options_[j]; digits != 0; digits &= digits - 1)
            if (addWithout<kWords>(before.data(), wanted.data(), reached[j].data(),
                                   places[digitOf(digits)]))
                support_[j] |= static_cast<DigitSet>(digits & -digits);
        wanted = before;
    }
    return true;
}

// Up to four open squares: the first ones digit by digit, the last two as a
// pair, the squares with the fewest candidates first. The filling stops as
// soon as every candidate of every open square is known to work.
bool RunSupport::byDigits(int rest) {
    for (int j = 1; j < open_; ++j)
        for (int i = j; i > 0 && kDigitCounts[options_[i]] < kDigitCounts[options_[i - 1]]; --i) {
            std::swap(options_[i], options_[i - 1]);
            std::swap(place_[i], place_[i - 1]);
        }
    if (open_ == 2) return pair(0, 0, rest);
    bool any = false;
    for (DigitSet first = options_[0]; first != 0 && full_ < open_; first &= first - 1) {
        const DigitSet a = first & -first;
        const int afterA = rest - digitOf(a);
        if (open_ == 3) {
            if (pair(1, a, afterA)) {
                add(0, a);
                any = true;
            }
            continue;
        }
        for (DigitSet second = options_[1] & ~a; second != 0 && full_ < open_;
             second &= second - 1) {
            const DigitSet b = second & -second;
            if (pair(2, a | b, afterA - digitOf(b))) {
                add(0, a);
                add(1, b);
                any = true;
            }
        }
    }
    return any;
}

// The last two open squares: digit e in square j goes with rest - e in j + 1.
bool RunSupport::pair(int j, DigitSet used, int rest) {
    if (rest < least(2) || rest > most(2)) return false;
    const DigitSet works = pairing(options_[j] & ~used, options_[j + 1] & ~used, rest);
    if (works == 0) return false;
    add(j, works);
    add(j + 1, mirrored(works, rest));
    return true;
}

void RunSupport::add(int j, DigitSet digits) {
    const DigitSet now = support_[j] | digits;
    if (now == support_[j]) return;
    support_[j] = now;
    full_ += now == options_[j];
}

// Record by record: the squares take the record's digits, each a different
// one, and every digit that works in a square is kept.
bool RunSupport::byCombos(DigitSet* squares, int length, const DigitSet* combos, int count) {
    DigitSet present = 0;
    for (int k = 0; k < length; ++k)
        present |= squares[k];
    std::array<DigitSet, 9> support{};
    for (int i = 0; i < count; ++i) {
        const DigitSet combo = combos[i];
        if ((combo & present) != combo) continue;
        for (int k = 0; k < length; ++k) {
            options_[k] = squares[k] & combo;
            support_[k] = 0;
        }
        nextStamp();
        fill(0, 0, length);
        for (int k = 0; k < length; ++k)
            support[k] |= support_[k];
    }
    for (int k = 0; k < length; ++k)
        if (support[k] == 0) return false;
    for (int k = 0; k < length; ++k)
        squares[k] = support[k];
    return true;
}

// Whether squares k.. can take digits of their options not in used, each a
// different one; the digits that work go to support_.
bool RunSupport::fill(int k, DigitSet used, int length) {
    if (k == length) return true;
    if (seen_[used] == stamp_) return works_[used];
    bool any = false;
    for (DigitSet rest = options_[k] & ~used; rest != 0; rest &= rest - 1) {
        const DigitSet d = rest & -rest;
        if (fill(k + 1, used | d, length)) {
            support_[k] |= d;
            any = true;
        }
    }
    seen_[used] = stamp_;
    works_[used] = any;
    return any;
}

}  // namespace krizovky
