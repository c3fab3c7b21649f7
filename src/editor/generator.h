#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "editor/editor_grid.h"

namespace krizovky {

// What one task number means: its text, the generations since it was set and
// the generator's state. A fresh start has not set any number yet.
struct GeneratorState {
    std::string taskNumberText = "1";
    // Counts on past 255, so the default names of the generated tasks stay
    // distinct however many are generated.
    std::uint64_t generationCount = 1;
    std::uint32_t randomSeed = 0;
};

// Sets the task number from the text of the number field (its first five
// characters): a decimal number, or hexadecimal after "$", "x" or "0x",
// optionally after blanks and a sign. False when that is no number or a
// negative one; the number 1 (text "1") is taken then.
bool setTaskNumber(GeneratorState& state, std::string_view text);

// The number the task number text reads as (1 for a text that reads as none).
long taskNumberValue(const GeneratorState& state);

// Where a fill attempt found two equal digits within reach of each other.
struct FillResult {
    bool filled = false;
    int duplicateRow = 0;  // 0: no duplicate
    int duplicateColumn = 0;
};

// One attempt to fill every open cell (" " or empty) with a digit that no cell
// within 9 squares in its row or column segment holds; cells "/", "x" and "X"
// end a segment. Digits already in the grid are checked first. A failed
// attempt leaves the digits placed before the failing cell.
FillResult fillDigits(EditorGrid& grid, std::uint32_t& randomSeed);

// The message for a duplicate found by fillDigits (UTF-8).
std::string duplicateMessage(int row, int column);

// Up to ten attempts of fillDigits, stopping at the first success; report gets
// the message of every duplicate found.
bool fillWithRetries(EditorGrid& grid, std::uint32_t& randomSeed,
                     const std::function<void(const std::string&)>& report);

// Writes the sums of the digits right of and below every cell "/" into it,
// as across "/" down.
void computeSums(EditorGrid& grid);

}  // namespace krizovky
