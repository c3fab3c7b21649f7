#pragma once

#include <cstdint>

namespace krizovky {

// The keys of keyboard play, as the windows hand them to the game. The digit
// keys carry their digit as their value.
enum class Key : std::uint8_t {
    k1 = 1,
    k2,
    k3,
    k4,
    k5,
    k6,
    k7,
    k8,
    k9,
    kDelete,
    kBackspace,
    kLeft,
    kRight,
    kUp,
    kDown,
    kEscape,
    kNotesMode,  // N: the notes mode on and off
    kNote1,      // Ctrl+1 .. Ctrl+9: a note toggled
    kNote2,
    kNote3,
    kNote4,
    kNote5,
    kNote6,
    kNote7,
    kNote8,
    kNote9,
};

// The digit of a digit key, 0 for any other key.
inline constexpr int keyDigit(Key key) {
    const int value = static_cast<int>(key);
    return value >= 1 && value <= 9 ? value : 0;
}

// The digit of a note key, 0 for any other key.
inline constexpr int noteKeyDigit(Key key) {
    const int value = static_cast<int>(key) - static_cast<int>(Key::kNote1) + 1;
    return value >= 1 && value <= 9 ? value : 0;
}

}  // namespace krizovky
