#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/notes.h"

namespace krizovky {

// One write or erasure of an entry square. The digit written is not kept: it
// is the square's digit while the Move is the newest one on that square.
struct Move {
    std::uint8_t row = 0;
    std::uint8_t col = 0;
    std::uint8_t byPlayer = 0;   // 1: the player's entry or a solver placement; else automatic
    std::uint8_t prevDigit = 0;  // the square's digit before the Move
    std::uint8_t spare = 0;
};

inline constexpr int kMoveSlots = 500;

struct BoardSquare {
    int row = 0;  // 0 and 0: none
    int column = 0;
    bool none() const { return row == 0; }
    bool operator==(const BoardSquare&) const = default;
};

// The record of the game's moves, with the state the undo, the Marks and the
// temporary colourings share between events. Marks themselves are kept on
// the squares (Cell::mark).
struct MoveHistory {
    std::array<Move, kMoveSlots + 1> moves{};  // 1-based; slots above moveCount are leftovers
    int moveCount = 0;
    int markCount = 0;  // Marks 1..markCount, without gaps

    BoardSquare lastPlayerMove;   // the square "nastav značku" marks
    bool markAllowed = false;     // a Move was recorded or undone since the last Mark
    bool colouringShown = false;  // some squares show a temporary colour
    // That colour may lie anywhere on the board (a full check's, a "&Pomoc"
    // item's): taking it off repaints every entry square.
    bool checkColouringShown = false;
    int highlightFirst = 1;  // the Moves whose squares the latest Mark highlight painted
    int highlightLast = 0;

    // The notes each Move's digit took off other squares, numbered as the
    // Moves: the undo of a Move puts them back. Not kept in a saved game.
    std::array<std::vector<NoteRemoval>, kMoveSlots + 1> removedNotes{};

    Move& move(int k) { return moves[k]; }
    const Move& move(int k) const { return moves[k]; }

    // Appends a Move. A full history drops its oldest Move to make room, so a
    // long game goes on with its newest 500 Moves undoable.
    void recordMove(int row, int col, bool byPlayer, int prevDigit);
    void noteLastPlayerMove(int row, int col) { lastPlayerMove = {row, col}; }
    // The notes the newest Move took, kept with it; and taken back from it by
    // its undo.
    void keepRemovedNotes(std::vector<NoteRemoval> removals);
    std::vector<NoteRemoval> takeRemovedNotes();

    // What a task load empties: the Moves, the Marks and the colouring flags.
    // The last player move, markAllowed and the old slots stay; the notes the
    // Moves took are forgotten.
    void startGame();
};

}  // namespace krizovky
