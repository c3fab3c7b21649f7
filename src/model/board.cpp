#include "model/board.h"

namespace krizovky {

void Board::setAllKinds(std::uint8_t kind) {
    for (auto& row : cells_)
        for (auto& cell : row)
            cell.kind = kind;
}

void deriveRuns(Board& board) {
    int remembered = 0;
    for (int r = 1; r <= board.rowCount; ++r) {
        for (int c = 1; c <= board.colCount; ++c) {
            Cell& cell = board.at(r, c);
            if (cell.kind == kClue)
                remembered = c;
            else if (cell.kind == kEntry)
                cell.acrossClueCol = static_cast<std::uint8_t>(remembered);
        }
    }
    remembered = 0;
    for (int c = 1; c <= board.colCount; ++c) {
        for (int r = 1; r <= board.rowCount; ++r) {
            Cell& cell = board.at(r, c);
            if (cell.kind == kClue)
                remembered = r;
            else if (cell.kind == kEntry)
                cell.downClueRow = static_cast<std::uint8_t>(remembered);
        }
    }
}

std::string formatSum(int number, int width) {
    std::string text = std::to_string(number);
    if (text == "0") text = " ";
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string clueCaption(const Cell& cell) {
    return "\\" + formatSum(cell.acrossSum, 2) + " " + formatSum(cell.downSum, 2) + "\\";
}

}  // namespace krizovky
