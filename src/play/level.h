#pragma once

#include <cstdint>

namespace krizovky {

// How much a click on a square tells the player ("IQ" in the menu).
enum class Level : std::uint8_t {
    k100 = 0,  // filtered combinations of both runs and the allowed digits
    k130 = 1,  // every combination of both runs, no allowed digits
    k160 = 2,  // nothing
    k70 = 3,   // the solver is running: the allowed digits go to the solver
};

enum class Direction : std::uint8_t { kAcross, kDown };

}  // namespace krizovky
