#include "play/full_check.h"

#include <bitset>

namespace krizovky {
namespace {

// One run walked from the square after its clue. Blank and clue squares end
// it; squares of other kinds are passed over.
template <typename CellAt>
RunVerdict judgeRun(CellAt cellAt, int first, int limit, int required, int& last) {
    bool full = true;
    int sum = 0;
    std::bitset<256> seen;
    RunVerdict verdict = RunVerdict::kFine;
    last = first - 1;
    for (int i = first; i <= limit; ++i) {
        const Cell& cell = cellAt(i);
        if (cell.kind == kBlank || cell.kind == kClue) break;
        if (cell.kind != kEntry) continue;
        last = i;
        if (cell.digit == 0) {
            full = false;
            continue;
        }
        sum += cell.digit;
        if (seen.test(cell.digit))
            verdict = RunVerdict::kRepeated;
        else
            seen.set(cell.digit);
    }
    if (verdict == RunVerdict::kFine && !(full ? sum == required : sum < required))
        verdict = RunVerdict::kWrongSum;
    return verdict;
}

}  // namespace

std::vector<FailingRun> checkClue(const Board& board, int row, int column) {
    std::vector<FailingRun> failing;
    const Cell& clue = board.at(row, column);
    int last = 0;
    if (clue.acrossSum != 0) {
        const RunVerdict verdict = judgeRun([&](int c) -> const Cell& { return board.at(row, c); },
                                            column + 1, board.colCount, clue.acrossSum, last);
        if (verdict != RunVerdict::kFine) {
            FailingRun run{verdict, Direction::kAcross, {}};
            for (int c = column + 1; c <= last; ++c)
                run.squares.emplace_back(row, c);
            failing.push_back(std::move(run));
        }
    }
    if (clue.downSum != 0) {
        const RunVerdict verdict =
            judgeRun([&](int r) -> const Cell& { return board.at(r, column); }, row + 1,
                     board.rowCount, clue.downSum, last);
        if (verdict != RunVerdict::kFine) {
            FailingRun run{verdict, Direction::kDown, {}};
            for (int r = row + 1; r <= last; ++r)
                run.squares.emplace_back(r, column);
            failing.push_back(std::move(run));
        }
    }
    return failing;
}

std::vector<FailingRun> checkBoard(const Board& board) {
    std::vector<FailingRun> failing;
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c)
            if (board.at(r, c).kind == kClue) {
                auto runs = checkClue(board, r, c);
                failing.insert(failing.end(), runs.begin(), runs.end());
            }
    return failing;
}

}  // namespace krizovky
