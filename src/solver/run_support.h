#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "model/board.h"

namespace krizovky {

// How many digits a set of digits 1..9 holds, from a table.
inline constexpr auto kDigitCounts = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (int set = 0; set < 1024; ++set)
        counts[set] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(set)));
    return counts;
}();

inline int digitCount(DigitSet set) {
    return set < 1024 ? kDigitCounts[set] : std::popcount(set);
}

// Whether the set is one of length distinct digits 1..9 that make sum.
bool isSumSet(DigitSet set, int length, int sum);
// How many such sets there are.
int sumSetCount(int length, int sum);

// What filling a run leaves its squares: given the candidates of each square,
// keeps in each exactly the digits that some filling of the whole run gives
// it. A filling puts one candidate in every square, every digit once, and
// must make the run's sum (bySum) or use a set of digits among the run's
// records (byCombos). Both give false, and leave the squares as they were,
// when the run cannot be filled. The object holds the scratch space.
class RunSupport {
  public:
    // reach: the digits of every set of length distinct digits making sum.
    bool bySum(DigitSet* squares, int length, int sum, DigitSet reach);
    // A filling may leave digits of its record unused when the record has
    // more digits than the run has squares.
    bool byCombos(DigitSet* squares, int length, const DigitSet* combos, int count);

  private:
    static constexpr int kBySetsFrom = 5;  // open squares filled set by set, not one by one
    using Places = std::array<int, 10>;    // per digit
    bool bySets(int rest);
    template <int kWords>
    bool bySetsIn(int rest, DigitSet possible, const Places& places);
    bool byDigits(int rest);
    bool pair(int j, DigitSet used, int rest);
    void add(int j, DigitSet digits);
    bool fill(int k, DigitSet used, int length);
    void nextStamp();

    // The open squares being filled: their candidates, the digits some
    // filling gave them so far, and their places in the run.
    std::array<DigitSet, 9> options_{};
    std::array<DigitSet, 9> support_{};
    std::array<int, 9> place_{};
    int open_ = 0;
    int full_ = 0;  // open squares whose every candidate is known to work
    // byCombos, per set of digits used by the squares before: whether the
    // squares after can be filled. An entry counts only when it has the
    // current stamp; a new filling takes a new stamp instead of clearing.
    std::vector<std::uint32_t> seen_;
    std::vector<std::uint8_t> works_;
    std::uint32_t stamp_ = 0;
};

}  // namespace krizovky
