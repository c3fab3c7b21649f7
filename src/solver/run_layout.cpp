#include "solver/run_layout.h"

#include <algorithm>

#include "solver/explanations.h"

namespace krizovky {
namespace {

std::string at(int row, int col) {
    return "row " + std::to_string(row) + " column " + std::to_string(col);
}

const char* direction(bool across) {
    return across ? "across" : "down";
}

// "vodorovná řada od políčka (2, 3) nemá součet": no clue before the run, or
// one without a sum for it.
std::string runWithoutSum(int row, int col, bool across) {
    return std::string(across ? "vodorovná" : "svislá") + " řada od políčka " +
           squareText(row, col) + " nemá součet";
}

// "vodorovný součet 12 v políčku (2, 1)"
std::string sumAt(int sum, int row, int col, bool across) {
    return std::string(across ? "vodorovný" : "svislý") + " součet " + std::to_string(sum) +
           " v políčku " + squareText(row, col);
}

}  // namespace

RunLayout::RunLayout(const Board& board, const CombinationTable& table) {
    const int rows = std::min<int>(board.rowCount, kBoardSize);
    const int cols = std::min<int>(board.colCount, kBoardSize);
    index_.fill(-1);
    int count = 0;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (board.at(r, c).kind == kEntry) index_[r * kWidth + c] = count++;
    squares_.reserve(count);
    runs_.reserve(2 * count);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (index_[r * kWidth + c] >= 0) squares_.push_back({r, c, {-1, -1}});
    // Reading order, across before down, so the first fault found is the top
    // left one.
    for (int r = 1; r <= rows && malformed_.empty(); ++r)
        for (int c = 1; c <= cols && malformed_.empty(); ++c) {
            const Cell& cell = board.at(r, c);
            const int here = r * kWidth + c;
            if (cell.kind == kClue) {
                if (cell.acrossSum != 0 && index_[here + 1] < 0)
                    noRunAfter(board, r, c, true);
                else if (cell.downSum != 0 && index_[here + kWidth] < 0)
                    noRunAfter(board, r, c, false);
            } else if (index_[here] >= 0) {
                if (index_[here - 1] < 0) readRun(board, table, r, c, true);
                if (index_[here - kWidth] < 0 && malformed_.empty())
                    readRun(board, table, r, c, false);
            }
        }
}

void RunLayout::noRunAfter(const Board& board, int r, int c, bool across) {
    const Cell& clue = board.at(r, c);
    malformed_ = std::string("the ") + direction(across) + " sum " +
                 std::to_string(across ? clue.acrossSum : clue.downSum) + " of the clue at " +
                 at(r, c) + " has no run";
    playerReason_ = sumAt(across ? clue.acrossSum : clue.downSum, r, c, across) + " nemá řadu";
}

// The run that begins at (r, c).
void RunLayout::readRun(const Board& board, const CombinationTable& table, int r, int c,
                        bool across) {
    const int step = across ? 1 : kWidth;
    const int start = r * kWidth + c;
    const int clueRow = across ? r : r - 1;
    const int clueCol = across ? c - 1 : c;
    if (!Board::onBoard(clueRow, clueCol) || board.at(clueRow, clueCol).kind != kClue) {
        malformed_ =
            "the entry square at " + at(r, c) + " has no clue before it " + direction(across);
        playerReason_ = runWithoutSum(r, c, across);
        return;
    }
    const Cell& clue = board.at(clueRow, clueCol);
    LaidRun run;
    run.clueRow = clueRow;
    run.clueCol = clueCol;
    run.across = across;
    run.sum = across ? clue.acrossSum : clue.downSum;
    if (run.sum == 0) {
        malformed_ = std::string("the ") + direction(across) + " run after the clue at " +
                     at(clueRow, clueCol) + " has no sum";
        playerReason_ = runWithoutSum(r, c, across);
        return;
    }
    while (index_[start + run.length * step] >= 0)
        ++run.length;
    const auto group =
        run.length <= kMaxRunLength ? table.lookup(run.sum, run.length) : std::nullopt;
    if (!group) {
        malformed_ = std::string("the ") + direction(across) + " sum " + std::to_string(run.sum) +
                     " of the clue at " + at(clueRow, clueCol) + " is no sum of " +
                     std::to_string(run.length) + " distinct digits";
        playerReason_ = sumAt(run.sum, clueRow, clueCol, across) + " nejde složit z " +
                        (run.length == 1 ? std::string("1 cifry")
                                         : std::to_string(run.length) + " různých cifer");
        return;
    }
    run.combinations = *group;
    const int number = static_cast<int>(runs_.size());
    for (int k = 0; k < run.length; ++k) {
        const int s = index_[start + k * step];
        squares_[s].runs[across ? 0 : 1] = number;
        run.squares[k] = s;
    }
    runs_.push_back(run);
}

}  // namespace krizovky
