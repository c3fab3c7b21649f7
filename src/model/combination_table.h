#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/board.h"

namespace krizovky {

// One set of distinct digits with its size and its sum. digitText holds the
// digits as characters in the order the player is shown them.
struct Combination {
    std::uint8_t digitCount = 0;
    std::uint8_t sum = 0;
    std::string digitText;
    DigitSet digitSet = 0;
};

inline constexpr std::size_t kCombinationRecordSize = 14;
inline constexpr int kCombinationSlots = 512;

class CombinationTable;
// The table of the shipped file, loaded once and shared.
const CombinationTable& completeCombinationTable();

// The 14-byte record of the combination file: count, sum, text length, nine
// text bytes, the digit set little-endian.
std::array<std::uint8_t, kCombinationRecordSize> encodeCombination(const Combination& c);

// The combination file the program ships: every set of distinct digits 1..9
// once, grouped by (digit count, sum), the groups in ascending order of count
// and then sum, the records of a group in ascending order of their digits.
std::string completeCombinationFile();

// The combinations read once at start-up, in file order, in slots
// 1..combinationCount(); slot combinationCount() + 1 is the terminator with
// count and sum 0. Records of the same (count, sum) stand together as a group.
class CombinationTable {
  public:
    struct Group {
        int first = 0;  // slot of the group's first record
        int count = 0;  // records in the group
    };

    // Reads the records of a combination file; a trailing fragment shorter than
    // a record is ignored. Throws RunError "Range check error" for a 513th
    // record or a text longer than nine characters; the table then keeps the
    // records read before it.
    void load(std::string_view bytes);
    void loadFile(const std::string& path);

    int combinationCount() const { return count_; }
    const Combination& slot(int i) const { return slots_.at(i - 1); }
    // slot(i).digitSet, from a compact copy for the hints of every click.
    DigitSet digitSetOf(int i) const { return digitSets_.at(i - 1); }

    // The first group of records with this sum and count, scanning from slot 1;
    // nothing when no record matches. Counts below 16 are answered from an
    // index made when the table is loaded.
    std::optional<Group> lookup(int sum, int digitCount) const;

  private:
    void readRecords(std::string_view bytes);
    void buildIndex();
    std::optional<Group> scan(int sum, int digitCount) const;

    static constexpr int kIndexedCounts = 16;
    struct IndexEntry {
        std::uint16_t first = 0;
        std::uint16_t count = 0;  // 0: no group
    };

    std::array<Combination, kCombinationSlots + 1> slots_{};
    int count_ = 0;
    // What scan gives for (count, sum), at count * 256 + sum.
    std::array<IndexEntry, kIndexedCounts * 256> index_{};
    std::array<DigitSet, kCombinationSlots + 1> digitSets_{};
};

}  // namespace krizovky
