#include "model/combination_table.h"

#include <algorithm>
#include <vector>

#include "model/errors.h"
#include "model/file_layer.h"

namespace krizovky {

std::array<std::uint8_t, kCombinationRecordSize> encodeCombination(const Combination& c) {
    std::array<std::uint8_t, kCombinationRecordSize> record{};
    record[0] = c.digitCount;
    record[1] = c.sum;
    record[2] = static_cast<std::uint8_t>(c.digitText.size());
    for (std::size_t i = 0; i < c.digitText.size() && i < 9; ++i)
        record[3 + i] = static_cast<std::uint8_t>(c.digitText[i]);
    record[12] = static_cast<std::uint8_t>(c.digitSet & 0xFF);
    record[13] = static_cast<std::uint8_t>(c.digitSet >> 8);
    return record;
}

std::string completeCombinationFile() {
    std::vector<Combination> all;
    for (unsigned mask = 1; mask < (1u << 9); ++mask) {
        Combination c;
        for (int d = 1; d <= 9; ++d) {
            if (!(mask & (1u << (d - 1)))) continue;
            c.digitText += static_cast<char>('0' + d);
            c.sum = static_cast<std::uint8_t>(c.sum + d);
            c.digitSet |= digitBit(d);
        }
        c.digitCount = static_cast<std::uint8_t>(c.digitText.size());
        all.push_back(c);
    }
    std::sort(all.begin(), all.end(), [](const Combination& a, const Combination& b) {
        if (a.digitCount != b.digitCount) return a.digitCount < b.digitCount;
        if (a.sum != b.sum) return a.sum < b.sum;
        return a.digitText < b.digitText;
    });
    std::string bytes;
    for (const auto& c : all) {
        auto record = encodeCombination(c);
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

const CombinationTable& completeCombinationTable() {
    static const CombinationTable table = [] {
        CombinationTable loaded;
        loaded.load(completeCombinationFile());
        return loaded;
    }();
    return table;
}

void CombinationTable::load(std::string_view bytes) {
    // A failed load keeps the records read before the failure, and the index
    // of exactly those.
    try {
        readRecords(bytes);
    } catch (...) {
        buildIndex();
        throw;
    }
    buildIndex();
}

void CombinationTable::readRecords(std::string_view bytes) {
    count_ = 0;
    slots_[0] = Combination{};
    std::size_t records = bytes.size() / kCombinationRecordSize;
    for (std::size_t r = 0; r < records; ++r) {
        if (count_ == kCombinationSlots) throw RunError(kRangeCheckError);
        const auto* record =
            reinterpret_cast<const unsigned char*>(bytes.data() + r * kCombinationRecordSize);
        Combination c;
        c.digitCount = record[0];
        c.sum = record[1];
        std::size_t length = record[2];
        if (length > 9) throw RunError(kRangeCheckError);
        c.digitText.assign(reinterpret_cast<const char*>(record + 3), length);
        // The stored set is not trusted; it is made again from the text.
        for (char ch : c.digitText) {
            int bit = static_cast<unsigned char>(ch) - '0';
            if (bit < 0 || bit > 15) throw RunError(kRangeCheckError);
            c.digitSet |= digitBit(bit);
        }
        slots_[count_] = std::move(c);
        ++count_;
        slots_[count_] = Combination{};  // the terminator follows the last record read
    }
}

void CombinationTable::loadFile(const std::string& path) {
    load(readFileBytes(path));
}

void CombinationTable::buildIndex() {
    index_.fill(IndexEntry{});
    for (int i = 1; i <= kCombinationSlots + 1; ++i)
        digitSets_[i - 1] = slot(i).digitSet;
    for (int i = 1; i <= count_; ++i) {
        const Combination& c = slot(i);
        if (c.digitCount >= kIndexedCounts) continue;
        IndexEntry& entry = index_[c.digitCount * 256 + c.sum];
        // The first group of a pair is the one the scan finds.
        if (entry.count != 0) continue;
        const auto group = scan(c.sum, c.digitCount);
        entry = {static_cast<std::uint16_t>(group->first),
                 static_cast<std::uint16_t>(group->count)};
    }
}

std::optional<CombinationTable::Group> CombinationTable::lookup(int sum, int digitCount) const {
    if (digitCount >= 0 && digitCount < kIndexedCounts && sum >= 0 && sum <= 255) {
        const IndexEntry entry = index_[digitCount * 256 + sum];
        if (entry.count == 0) return std::nullopt;
        return Group{entry.first, entry.count};
    }
    return scan(sum, digitCount);
}

std::optional<CombinationTable::Group> CombinationTable::scan(int sum, int digitCount) const {
    for (int i = 1; i <= count_; ++i) {
        const Combination& c = slot(i);
        if (c.digitCount != digitCount || c.sum != sum) continue;
        Group group{i, 0};
        // The group never reaches past the last record, even for the pair (0, 0)
        // that the terminator carries.
        while (i <= count_ && slot(i).digitCount == digitCount && slot(i).sum == sum) {
            ++group.count;
            ++i;
        }
        return group;
    }
    return std::nullopt;
}

}  // namespace krizovky
