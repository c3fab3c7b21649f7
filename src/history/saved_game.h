#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "history/move_history.h"
#include "history/saved_game_extension.h"
#include "model/board.h"

namespace krizovky {

// A game in progress as a file of 8,812 bytes, little-endian: the board's
// size, the counts of Moves and Marks, the 500 Move slots, the 225 cells as
// 28-byte images row by row, the previous board size and a 4-byte field that
// carries nothing (written as zeros, like the first 4 bytes of every cell).
inline constexpr std::size_t kSavedGameSize = 8812;
inline constexpr std::size_t kSavedMovesOffset = 6;
inline constexpr std::size_t kSavedCellsOffset = 2506;
inline constexpr std::size_t kSavedCellSize = 28;

// The documented layout, followed by the extension block when the extras
// hold anything.
std::string encodeSavedGame(const Board& board, const MoveHistory& history,
                            const SavedGameExtras& extras = {});
// The most bytes a saved game file can have.
inline constexpr std::size_t kLargestSavedGame = kSavedGameSize + kExtensionBlockSize;

// What a SavedGame file holds.
struct SavedGame {
    Board board;  // cells, rowCount, colCount, prevRowCount, prevColCount
    int moveCount = 0;
    int markCount = 0;
    std::array<Move, kMoveSlots + 1> moves{};  // 1-based, as in the history
    SavedGameExtras extras;                    // all empty without the extension block
};

// The notes of the board's entry squares as the extension block keeps them,
// and back onto the entry squares.
using BoardNotes = std::array<DigitSet, kBoardSize * kBoardSize>;
BoardNotes notesOfBoard(const Board& board);
void putNotesOnBoard(Board& board, const BoardNotes& notes);

// Reads a file's bytes: the documented layout alone, or followed by one whole,
// sound extension block, whose notes go onto the entry squares of the board. A file that is not a
// saved game the program can go on with (a wrong size, counts or values out of their ranges, a
// board without an entry square, a damaged block) gives nothing and problem says what is wrong, in
// Czech (UTF-8).
bool decodeSavedGame(std::string_view bytes, SavedGame& game, std::string& problem);

}  // namespace krizovky
