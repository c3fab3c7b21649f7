#pragma once

#include <cstdint>

namespace krizovky {

// How much a click on a square tells the player ("IQ" in the menu). "70" is
// no Level: it starts the solver.
enum class Level : std::uint8_t {
    k100 = 0,  // filtered combinations of both runs and the allowed digits
    k130 = 1,  // every combination of both runs, no allowed digits
    k160 = 2,  // nothing
};

// The number of the Level in the menu: 100, 130 or 160.
inline constexpr int iqOf(Level level) {
    return level == Level::k160 ? 160 : level == Level::k130 ? 130 : 100;
}

enum class Direction : std::uint8_t { kAcross, kDown };

}  // namespace krizovky
