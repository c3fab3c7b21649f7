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

// The task maker's generator: SplitMix64, a 64-bit state advanced by a fixed
// odd step and mixed by multiplications and shifts. Integer arithmetic only,
// so one seed gives the same numbers on every machine and build; the task
// maker's tasks stay the same only while it stays exactly as it is.
class TaskRandom {
  public:
    explicit TaskRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // 0..n-1 for n >= 1: the top 32 bits scaled to n.
    int below(int n) {
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

  private:
    std::uint64_t state_;
};

}  // namespace krizovky
