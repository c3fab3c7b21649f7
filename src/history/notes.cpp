#include "history/notes.h"

namespace krizovky {
namespace {

// The entry squares on both sides of (row, column) in one direction, up to
// the first square that is not an entry square or the board's edge.
template <typename Visit>
void visitRun(const Board& board, int row, int column, int rowStep, int columnStep, Visit visit) {
    for (int sign : {-1, 1})
        for (int r = row + sign * rowStep, c = column + sign * columnStep; board.isEntry(r, c);
             r += sign * rowStep, c += sign * columnStep)
            visit(r, c);
}

}  // namespace

std::vector<NoteRemoval> takeNoteFromRuns(Board& board, int row, int column, int digit) {
    std::vector<NoteRemoval> removals;
    const DigitSet bit = digitBit(digit) & kNoteDigits;
    if (bit == 0 || !board.isEntry(row, column)) return removals;
    auto take = [&](int r, int c) {
        DigitSet& notes = board.at(r, c).notes;
        if (!(notes & bit)) return;
        notes = static_cast<DigitSet>(notes & ~bit);
        removals.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c), bit});
    };
    visitRun(board, row, column, 0, 1, take);
    visitRun(board, row, column, 1, 0, take);
    return removals;
}

void putNotesBack(Board& board, const std::vector<NoteRemoval>& removals) {
    for (const NoteRemoval& removal : removals)
        if (Board::onBoard(removal.row, removal.col))
            board.at(removal.row, removal.col).notes |= removal.digits;
}

bool hasNotes(const Board& board) {
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c)
            if (board.at(r, c).kind == kEntry && board.at(r, c).notes != 0) return true;
    return false;
}

}  // namespace krizovky
