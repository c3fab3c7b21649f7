#include "history/marks.h"

namespace krizovky {

std::optional<BoardSquare> setMark(MoveHistory& history, Board& board) {
    const BoardSquare square = history.lastPlayerMove;
    // Only erasures so far, or an entry made on an earlier task's board: no
    // entry square of this board to carry the Mark.
    const bool entry = Board::onBoard(square.row, square.column) && square.row <= board.rowCount &&
                       square.column <= board.colCount &&
                       board.at(square.row, square.column).kind == kEntry;
    if (history.moveCount == 0 || !history.markAllowed || !entry) return std::nullopt;
    history.markAllowed = false;
    if (history.markCount >= kMaxMarks) return std::nullopt;
    ++history.markCount;
    board.at(square.row, square.column).mark = static_cast<std::uint8_t>(history.markCount);
    return square;
}

std::vector<BoardSquare> renumberMarks(Board& board, int k) {
    std::vector<BoardSquare> changed;
    for (int r = 1; r <= board.rowCount; ++r) {
        for (int c = 1; c <= board.colCount; ++c) {
            Cell& cell = board.at(r, c);
            if (cell.mark == k)
                cell.mark = 0;
            else if (cell.mark > k)
                --cell.mark;
            else
                continue;
            changed.push_back({r, c});
        }
    }
    return changed;
}

MarkHighlight markHighlight(const MoveHistory& history, const Board& board, int k) {
    MarkHighlight highlight;
    for (int i = 1; i <= history.moveCount; ++i) {
        const Move& move = history.move(i);
        if (!Board::onBoard(move.row, move.col)) continue;
        const int m = board.at(move.row, move.col).mark;
        if (m == k && !highlight.found) {
            highlight.found = true;
            highlight.first = i;
        }
        if (!highlight.found) continue;
        if (m != 0 && m != k) break;
        highlight.squares.push_back({move.row, move.col});
        highlight.last = i;
    }
    return highlight;
}

}  // namespace krizovky
