#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace krizovky {

inline constexpr int kBoardSize = 15;

enum CellKind : std::uint8_t { kBlank = 0, kClue = 1, kEntry = 2 };

// Bit d stands for digit d; digits 1..9 use bits 1..9.
using DigitSet = std::uint16_t;

// A value outside 0..15 (a digit no task can hold) stands for no bit.
inline constexpr DigitSet digitBit(int d) {
    return d >= 0 && d < 16 ? static_cast<DigitSet>(1u << d) : DigitSet{0};
}

struct Cell {
    std::uint8_t kind = kEntry;  // any value read from a task stays as read
    std::uint8_t digit = 0;      // entry cells: 0 empty, 1..9 written
    std::uint8_t acrossSum = 0;  // clue cells: 0 = no across run
    std::uint8_t downSum = 0;    // clue cells: 0 = no down run
    DigitSet downUsed = 0;
    DigitSet acrossUsed = 0;
    std::uint8_t mark = 0;           // 0 none, 1..4 the Mark whose colour the square carries
    std::uint8_t downClueRow = 0;    // entry cells: row of the clue above, 0 none
    std::uint8_t acrossClueCol = 0;  // entry cells: column of the clue to the left, 0 none
    DigitSet notes = 0;  // entry cells: the player's notes, bits 1..9, shown while empty
};

// The 15 x 15 cells of the loaded task, addressed 1-based by row and column.
struct Board {
    std::uint8_t rowCount = 0;
    std::uint8_t colCount = 0;
    std::uint8_t prevRowCount = 0;
    std::uint8_t prevColCount = 0;
    bool boardBuilt = false;

    Cell& at(int row, int column) { return cells_[row - 1][column - 1]; }
    const Cell& at(int row, int column) const { return cells_[row - 1][column - 1]; }

    static bool onBoard(int row, int column) {
        return row >= 1 && row <= kBoardSize && column >= 1 && column <= kBoardSize;
    }

    // An entry square inside the loaded task's rows and columns.
    bool isEntry(int row, int column) const {
        return onBoard(row, column) && row <= rowCount && column <= colCount &&
               at(row, column).kind == kEntry;
    }

    void setAllKinds(std::uint8_t kind);

  private:
    std::array<std::array<Cell, kBoardSize>, kBoardSize> cells_{};
};

// Links every entry cell to the clue of its across run (acrossClueCol) and of
// its down run (downClueRow). The remembered clue position survives the end of
// a row or column and blank cells, so a malformed task links an orphan entry
// cell to the last clue seen before it.
void deriveRuns(Board& board);

// The decimal number right-aligned in width characters; 0 shows as blanks only.
// A number wider than width is not cut.
std::string formatSum(int number, int width);

// The caption of a clue square: "\" across " " down "\", each sum two wide.
std::string clueCaption(const Cell& cell);

}  // namespace krizovky
