#include "model/combination_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/errors.h"
#include "model/file_layer.h"

namespace krizovky {
namespace {

std::string record(int count, int sum, const std::string& text, DigitSet stored = 0) {
    Combination c;
    c.digitCount = static_cast<std::uint8_t>(count);
    c.sum = static_cast<std::uint8_t>(sum);
    c.digitText = text;
    c.digitSet = stored;
    auto bytes = encodeCombination(c);
    return std::string(bytes.begin(), bytes.end());
}

std::string errorOfLoading(const std::string& bytes, CombinationTable& table) {
    try {
        table.load(bytes);
    } catch (const RunError& e) {
        return e.what();
    }
    return "";
}

TEST(CombinationTable, EmptyFileHasOnlyTheTerminator) {
    CombinationTable table;
    table.load("");
    EXPECT_EQ(table.combinationCount(), 0);
    EXPECT_EQ(table.slot(1).digitCount, 0);
    EXPECT_EQ(table.slot(1).sum, 0);
    EXPECT_FALSE(table.lookup(3, 2));
    EXPECT_FALSE(table.lookup(0, 0));
}

TEST(CombinationTable, RecomputesTheDigitSetAndIgnoresUnusedBytes) {
    std::string bytes = record(4, 18, "1359", 0xFFFF);
    bytes[3 + 5] = '8';  // beyond the text length
    CombinationTable table;
    table.load(bytes + "abc");  // a fragment shorter than a record is no record
    ASSERT_EQ(table.combinationCount(), 1);
    EXPECT_EQ(table.slot(1).digitSet, digitBit(1) | digitBit(3) | digitBit(5) | digitBit(9));
    EXPECT_EQ(table.slot(1).digitText, "1359");
    EXPECT_EQ(table.slot(2).digitCount, 0);  // terminator
}

TEST(CombinationTable, LookupFindsOnlyTheFirstGroupOfAPair) {
    std::string bytes = record(2, 4, "13") + record(2, 5, "14") + record(2, 5, "23") +
                        record(3, 6, "123") + record(2, 5, "32");
    CombinationTable table;
    table.load(bytes);
    auto group = table.lookup(5, 2);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->first, 2);
    EXPECT_EQ(group->count, 2);
    auto last = table.lookup(6, 3);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->first, 4);
    EXPECT_EQ(last->count, 1);
    EXPECT_FALSE(table.lookup(4, 3));
    EXPECT_FALSE(table.lookup(6, 2));
}

TEST(CombinationTable, GroupEndsAtTheLastRecordEvenForThePairOfTheTerminator) {
    CombinationTable table;
    table.load(record(0, 0, "") + record(0, 0, ""));
    auto group = table.lookup(0, 0);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->count, 2);
}

TEST(CombinationTable, SlotLimits) {
    std::string full;
    for (int i = 0; i < 512; ++i)
        full += record(1, i % 200, "1");
    CombinationTable table;
    EXPECT_EQ(errorOfLoading(full, table), "");
    EXPECT_EQ(table.combinationCount(), 512);
    EXPECT_EQ(table.slot(513).digitCount, 0);
    EXPECT_EQ(errorOfLoading(full + record(1, 1, "1"), table), kRangeCheckError);
    // The records before the failing one stay usable.
    EXPECT_EQ(table.combinationCount(), 512);
}

TEST(CombinationTable, TextLongerThanNineIsARangeError) {
    std::string bad = record(1, 1, "1");
    bad[2] = 10;
    CombinationTable table;
    EXPECT_EQ(errorOfLoading(record(1, 2, "2") + bad, table), kRangeCheckError);
    EXPECT_EQ(table.combinationCount(), 1);
    EXPECT_EQ(table.slot(2).digitCount, 0);
    std::string letter = record(1, 1, "A");
    EXPECT_EQ(errorOfLoading(letter, table), kRangeCheckError);
}

TEST(CombinationTable, LookupFindsWhatAWalkOverTheSlotsFinds) {
    // Pairs in no order, split groups, counts of 16 and more, sums of any byte;
    // then a load that fails halfway.
    std::string bytes;
    for (unsigned i = 0, seed = 1; i < 512; ++i) {
        seed = seed * 1103515245 + 12345;
        bytes += record(int(seed >> 16) % 20, i % 3 ? int(seed % 8) : int(seed >> 8) % 256, "1");
    }
    std::string bad = record(1, 1, "1");
    bad[2] = 10;
    for (const std::string& file : {bytes, bytes.substr(0, 200 * kCombinationRecordSize) + bad}) {
        CombinationTable table;
        errorOfLoading(file, table);
        for (int count = -1; count <= 21; ++count)
            for (int sum = -1; sum <= 256; ++sum) {
                int first = 1, n = 0;
                auto is = [&](int i) {
                    return i <= table.combinationCount() && table.slot(i).digitCount == count &&
                           table.slot(i).sum == sum;
                };
                while (first <= table.combinationCount() && !is(first))
                    ++first;
                while (is(first + n))
                    ++n;
                const auto group = table.lookup(sum, count);
                ASSERT_EQ(group.has_value(), n > 0) << count << " " << sum;
                if (group) {
                    EXPECT_EQ(std::pair(group->first, group->count), std::pair(first, n));
                }
            }
    }
}

// The file the build writes beside the program.
TEST(ShippedCombinationFile, HoldsEverySetOfDistinctDigitsOnceInGroups) {
    CombinationTable table;
    table.loadFile(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.DEF");
    ASSERT_EQ(table.combinationCount(), 511);
    EXPECT_EQ(table.slot(512).digitCount, 0);
    std::set<DigitSet> seen;
    std::map<std::pair<int, int>, int> groupSizes;
    for (int i = 1; i <= table.combinationCount(); ++i) {
        const Combination& c = table.slot(i);
        EXPECT_TRUE(seen.insert(c.digitSet).second) << c.digitText;
        int sum = 0;
        for (std::size_t k = 0; k < c.digitText.size(); ++k) {
            sum += c.digitText[k] - '0';
            if (k > 0) {
                EXPECT_LT(c.digitText[k - 1], c.digitText[k]) << c.digitText;
            }
        }
        EXPECT_EQ(c.sum, sum);
        EXPECT_EQ(c.digitCount, c.digitText.size());
        ++groupSizes[{c.digitCount, c.sum}];
    }
    // Every group is found whole by its lookup, so no pair is split in two.
    for (const auto& [pair, size] : groupSizes) {
        auto group = table.lookup(pair.second, pair.first);
        ASSERT_TRUE(group);
        EXPECT_EQ(group->count, size);
    }
    auto sevenInTwo = table.lookup(7, 2);
    ASSERT_TRUE(sevenInTwo);
    EXPECT_EQ(sevenInTwo->count, 3);  // 16 25 34
    EXPECT_EQ(table.slot(sevenInTwo->first).digitText, "16");
    auto all = table.lookup(45, 9);
    ASSERT_TRUE(all);
    EXPECT_EQ(table.slot(all->first).digitText, "123456789");
    EXPECT_EQ(readFileBytes(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.DEF").size(), 511u * 14);
}

}  // namespace
}  // namespace krizovky
