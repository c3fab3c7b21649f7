#include "play/entry_check.h"

#include <bitset>

namespace krizovky {
namespace {

enum class RunCheck { kFine, kDuplicate, kSum };

// The run that starts after the clue at `first - 1` along one line of the
// board, with the square being written (at `skip`) counted as holding digit.
// cellAt(i) is the i-th square of the line.
template <typename CellAt>
RunCheck checkRun(CellAt cellAt, int first, int limit, int skip, int digit, int required,
                  bool holdNotFullRunsToSum) {
    int sum = digit;
    bool full = true;
    std::bitset<256> seen;
    seen.set(digit);
    for (int i = first; i <= limit; ++i) {
        const Cell& cell = cellAt(i);
        if (cell.kind != kEntry) break;
        if (i == skip) continue;
        if (cell.digit == 0) {
            full = false;
            continue;
        }
        sum += cell.digit;
        if (seen.test(cell.digit)) return RunCheck::kDuplicate;
        seen.set(cell.digit);
    }
    if (full ? sum != required : (holdNotFullRunsToSum && sum >= required)) return RunCheck::kSum;
    return RunCheck::kFine;
}

}  // namespace

EntryVerdict checkEntry(const Board& board, int row, int column, int digit) {
    const Cell& square = board.at(row, column);

    const int c0 = square.acrossClueCol;
    if (c0 == 0) return EntryVerdict::kAcrossSum;
    switch (checkRun([&](int c) -> const Cell& { return board.at(row, c); }, c0 + 1, board.colCount,
                     column, digit, board.at(row, c0).acrossSum, true)) {
        case RunCheck::kDuplicate:
            return EntryVerdict::kAcrossDuplicate;
        case RunCheck::kSum:
            return EntryVerdict::kAcrossSum;
        case RunCheck::kFine:
            break;
    }

    const int r0 = square.downClueRow;
    if (r0 == 0) return EntryVerdict::kDownSum;
    switch (checkRun([&](int r) -> const Cell& { return board.at(r, column); }, r0 + 1,
                     board.rowCount, row, digit, board.at(r0, column).downSum, false)) {
        case RunCheck::kDuplicate:
            return EntryVerdict::kDownDuplicate;
        case RunCheck::kSum:
            return EntryVerdict::kDownSum;
        case RunCheck::kFine:
            break;
    }
    return EntryVerdict::kAccepted;
}

std::string entryMessage(EntryVerdict verdict, int digit) {
    const std::string d = std::to_string(digit);
    switch (verdict) {
        case EntryVerdict::kAccepted:
            return {};
        case EntryVerdict::kAcrossDuplicate:
            return "Vkládané číslo " + d + " je v řádku duplikátní!";
        case EntryVerdict::kAcrossSum:
            return "Při vložení čísla " + d + " by v řádku součet nesouhlasil!";
        case EntryVerdict::kDownDuplicate:
            return "Vkládané číslo " + d + " je ve sloupci duplikátní!";
        case EntryVerdict::kDownSum:
            return "Při vložení čísla " + d + " by součet ve sloupci nesouhlasil!";
    }
    return {};
}

}  // namespace krizovky
