// Writes the combination file: every set of distinct digits 1..9 once, grouped
// by (digit count, sum), groups in ascending order of count and then sum, the
// records of a group in ascending order of their digits.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/combination_table.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_combinations OUTPUT\n");
        return 2;
    }
    std::vector<krizovky::Combination> all;
    for (unsigned mask = 1; mask < (1u << 9); ++mask) {
        krizovky::Combination c;
        for (int d = 1; d <= 9; ++d) {
            if (!(mask & (1u << (d - 1)))) continue;
            c.digitText += static_cast<char>('0' + d);
            c.sum = static_cast<std::uint8_t>(c.sum + d);
            c.digitSet |= krizovky::digitBit(d);
        }
        c.digitCount = static_cast<std::uint8_t>(c.digitText.size());
        all.push_back(c);
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        if (a.digitCount != b.digitCount) return a.digitCount < b.digitCount;
        if (a.sum != b.sum) return a.sum < b.sum;
        return a.digitText < b.digitText;
    });
    std::string temporary = std::string(argv[1]) + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        std::perror(temporary.c_str());
        return 1;
    }
    for (const auto& c : all) {
        auto record = krizovky::encodeCombination(c);
        if (std::fwrite(record.data(), 1, record.size(), out) != record.size()) {
            std::perror(temporary.c_str());
            std::fclose(out);
            return 1;
        }
    }
    if (std::fclose(out) != 0 || std::rename(temporary.c_str(), argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
