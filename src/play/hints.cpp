#include "play/hints.h"

namespace krizovky {

RunMeasure measureRun(const Board& board, Direction direction, int firstRow, int firstColumn) {
    RunMeasure run;
    const bool across = direction == Direction::kAcross;
    const int limit = across ? board.colCount : board.rowCount;
    for (int i = across ? firstColumn : firstRow; i >= 1 && i <= limit; ++i) {
        const Cell& cell = across ? board.at(firstRow, i) : board.at(i, firstColumn);
        if (cell.kind != kEntry) break;
        ++run.length;
        if (cell.digit != 0) run.used |= digitBit(cell.digit);
    }
    return run;
}

SquareRun runOfSquare(const Board& board, Direction direction, int row, int column) {
    SquareRun run;
    const Cell& square = board.at(row, column);
    if (direction == Direction::kAcross && square.acrossClueCol != 0) {
        run.sum = board.at(row, square.acrossClueCol).acrossSum;
        run.measure = measureRun(board, direction, row, square.acrossClueCol + 1);
    } else if (direction == Direction::kDown && square.downClueRow != 0) {
        run.sum = board.at(square.downClueRow, column).downSum;
        run.measure = measureRun(board, direction, square.downClueRow + 1, column);
    }
    return run;
}

GroupUnion groupUnion(const CombinationTable& table, int sum, int length, DigitSet used) {
    GroupUnion result;
    auto group = table.lookup(sum, length);
    if (!group) return result;
    result.group = *group;
    for (int i = group->first; i < group->first + group->count; ++i) {
        const DigitSet digits = table.digitSetOf(i);
        if ((used & digits) == used) result.digits |= digits;
    }
    return result;
}

std::vector<std::string> listCombinations(const CombinationTable& table,
                                          const CombinationTable::Group& group, DigitSet used,
                                          Level level, DigitSet allowed) {
    std::vector<std::string> lines;
    for (int i = group.first; i < group.first + group.count; ++i) {
        const Combination& member = table.slot(i);
        const bool listed =
            level == Level::k130 || (level == Level::k100 && (member.digitSet & allowed) != 0 &&
                                     (used & member.digitSet) == used);
        if (listed) lines.push_back(member.digitText);
    }
    return lines;
}

namespace {

// The digits of the square's runs and the digits it may take, with the groups
// of combinations of both runs.
Hints allowedDigits(const Board& board, const CombinationTable& table, int row, int column,
                    GroupUnion& across, GroupUnion& down) {
    Hints hints;
    const Cell& square = board.at(row, column);
    // A run whose clue is missing is measured as no run at all: length 0 and
    // sum 0 match no group, so it allows nothing.
    const SquareRun acrossRun = runOfSquare(board, Direction::kAcross, row, column);
    const SquareRun downRun = runOfSquare(board, Direction::kDown, row, column);
    hints.acrossUsed = acrossRun.measure.used;
    hints.downUsed = downRun.measure.used;

    across = groupUnion(table, acrossRun.sum, acrossRun.measure.length, hints.acrossUsed);
    down = groupUnion(table, downRun.sum, downRun.measure.length, hints.downUsed);

    const DigitSet common = across.digits & down.digits;
    hints.allowed = common & ~hints.acrossUsed & ~hints.downUsed;
    // The square's own digit stays allowed when it fits both runs.
    if (square.digit != 0 && (common & digitBit(square.digit)) != 0)
        hints.allowed |= digitBit(square.digit);
    return hints;
}

}  // namespace

Hints computeHints(const Board& board, const CombinationTable& table, Level level, int row,
                   int column) {
    GroupUnion across, down;
    Hints hints = allowedDigits(board, table, row, column, across, down);
    // The player is shown each digit after a blank.
    for (int d = 1; d <= 9; ++d)
        if (hints.allowed & digitBit(d)) hints.allowedText += formatSum(d, 2);
    hints.across = listCombinations(table, across.group, hints.acrossUsed, level, hints.allowed);
    hints.down = listCombinations(table, down.group, hints.downUsed, level, hints.allowed);
    return hints;
}

Hints solverHints(const Board& board, const CombinationTable& table, int row, int column) {
    GroupUnion across, down;
    Hints hints = allowedDigits(board, table, row, column, across, down);
    for (int d = 1; d <= 9; ++d)
        if (hints.allowed & digitBit(d)) hints.allowedText += static_cast<char>('0' + d);
    return hints;
}

}  // namespace krizovky
