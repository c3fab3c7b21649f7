#pragma once

#include <bit>

#include "model/board.h"

namespace krizovky {

// Sets of the digits 1 to 9 as a DigitSet holds them (bit d for digit d).
inline constexpr DigitSet kAllDigits = 0x3FE;

// Whether the set holds exactly one digit.
inline constexpr bool single(DigitSet set) {
    return set != 0 && (set & (set - 1)) == 0;
}

// The smallest digit of a set that is not empty; the only one of a single.
inline constexpr int digitOf(DigitSet set) {
    return std::countr_zero(set);
}

}  // namespace krizovky
