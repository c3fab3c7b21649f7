#pragma once

#include <cstdint>

namespace krizovky {

// The editor's pseudo-random generator: a linear congruential generator on a
// 32-bit state. A task number stands for one sequence of generated tasks only
// while this generator and the order of its draws stay exactly as they are.
// Returns 0..n-1 for n >= 1 and advances randomSeed.
inline int nextRandom(std::uint32_t& randomSeed, int n) {
    randomSeed = randomSeed * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(randomSeed) *
                             static_cast<std::uint64_t>(static_cast<std::uint32_t>(n))) >>
                            32);
}

}  // namespace krizovky
