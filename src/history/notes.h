#pragma once

#include <cstdint>
#include <vector>

#include "model/board.h"

namespace krizovky {

// The notes a written digit took off one square, kept with its Move so that
// the undo puts them back.
struct NoteRemoval {
    std::uint8_t row = 0;
    std::uint8_t col = 0;
    DigitSet digits = 0;
    bool operator==(const NoteRemoval&) const = default;
};

// The note digits 1..9 of a set.
inline constexpr DigitSet kNoteDigits = 0x3FE;

// A digit written into (row, column) leaves the notes of the other squares of
// its across and down runs: the entry squares next to it in its row and
// column, up to the first square that is not one. What it took, square by
// square.
std::vector<NoteRemoval> takeNoteFromRuns(Board& board, int row, int column, int digit);

// The notes that takeNoteFromRuns took, back on their squares.
void putNotesBack(Board& board, const std::vector<NoteRemoval>& removals);

// Whether any entry square of the board carries a note.
bool hasNotes(const Board& board);

}  // namespace krizovky
