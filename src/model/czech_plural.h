#pragma once

namespace krizovky {

// The form of a Czech word that goes with a count: "1 políčko", "3 políčka",
// "5 políček" (and "0 políček", "21 políček").
inline constexpr const char* czechPlural(int count, const char* one, const char* twoToFour,
                                         const char* many) {
    return count == 1 ? one : count >= 2 && count <= 4 ? twoToFour : many;
}

}  // namespace krizovky
