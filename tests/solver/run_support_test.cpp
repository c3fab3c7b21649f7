// The narrowing of one run by its sum against the plain way through every set
// of digits of the run's length and sum, on random candidates of runs of
// every length.
#include "solver/run_support.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

#include "model/digit_set.h"

namespace krizovky {
namespace {

TEST(RunSupport, BySumKeepsWhatTheSetsOfTheSumKeep) {
    std::mt19937 random(20240);
    RunSupport fast;
    RunSupport plain;
    int narrowed = 0;
    int impossible = 0;
    for (int trial = 0; trial < 40000; ++trial) {
        const int length = 2 + static_cast<int>(random() % 8);
        // From the least to the largest sum of that many distinct digits.
        const int sum =
            length * (length + 1) / 2 + static_cast<int>(random() % (length * (9 - length) + 1));
        std::vector<DigitSet> sets;
        DigitSet reach = 0;
        for (DigitSet set = 2; set <= kAllDigits; set += 2)
            if (isSumSet(set, length, sum)) {
                sets.push_back(set);
                reach |= set;
            }
        ASSERT_EQ(static_cast<int>(sets.size()), sumSetCount(length, sum));
        // Squares with one digit, few, many or all of them.
        std::vector<DigitSet> squares(length);
        for (DigitSet& s : squares) {
            const int kind = static_cast<int>(random() % 4);
            s = kind == 0   ? digitBit(1 + static_cast<int>(random() % 9))
                : kind == 3 ? kAllDigits
                            : static_cast<DigitSet>(random() & random() & kAllDigits);
            if (s == 0) s = kAllDigits;
        }
        std::vector<DigitSet> bySum = squares;
        std::vector<DigitSet> byCombos = squares;
        const bool possible = fast.bySum(bySum.data(), length, sum, reach);
        ASSERT_EQ(possible, plain.byCombos(byCombos.data(), length, sets.data(),
                                           static_cast<int>(sets.size())))
            << "length " << length << " sum " << sum;
        if (possible) {
            ASSERT_EQ(bySum, byCombos) << "length " << length << " sum " << sum;
            narrowed += bySum != squares;
        } else {
            ++impossible;
        }
    }
    // The cases reach every outcome.
    EXPECT_GT(narrowed, 1000);
    EXPECT_GT(impossible, 1000);
}

}  // namespace
}  // namespace krizovky
