#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/board.h"

namespace krizovky {

// What a saved game keeps besides the documented layout: the player's notes
// and the time of play. They follow the 8,812 bytes as one block, so a reader
// of the documented layout reads the first 8,812 bytes and ignores the rest:
//   "KRZX", version (2 bytes), the block's length (4 bytes), the notes of the
//   225 squares row by row (2 bytes each, bit d for the note d), the seconds
//   of play (4 bytes), and a CRC-32 of everything before it (4 bytes).
// All numbers little-endian.
struct SavedGameExtras {
    std::array<DigitSet, kBoardSize * kBoardSize> notes{};  // row by row
    std::uint32_t seconds = 0;
    bool hasBlock = false;  // read from a file that had the block

    DigitSet& notesAt(int row, int column) {
        return notes[static_cast<std::size_t>(kBoardSize * (row - 1) + column - 1)];
    }
    DigitSet notesAt(int row, int column) const {
        return notes[static_cast<std::size_t>(kBoardSize * (row - 1) + column - 1)];
    }
    // Nothing to keep: no note and no time. Such a game is saved as the
    // documented 8,812 bytes alone.
    bool empty() const;
};

inline constexpr std::size_t kExtensionBlockSize = 4 + 2 + 4 + 2 * kBoardSize * kBoardSize + 4 + 4;
inline constexpr std::uint16_t kExtensionVersion = 1;

// Whether bytes after the documented layout begin as a block does; other
// bytes there make the file simply too long.
bool startsExtensionBlock(std::string_view bytes);

// The block for the extras; empty when there is nothing to keep.
std::string encodeExtensionBlock(const SavedGameExtras& extras);

// Reads the bytes after the documented layout: nothing at all, or exactly one
// whole, sound block. Otherwise false, and problem says in Czech (UTF-8)
// what is wrong.
bool decodeExtensionBlock(std::string_view bytes, SavedGameExtras& extras, std::string& problem);

}  // namespace krizovky
