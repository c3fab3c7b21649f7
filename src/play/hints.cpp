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

Hints computeHints(const Board& board, const CombinationTable& table, Level level, int row,
                   int column) {
    Hints hints;
    const Cell& square = board.at(row, column);
    const int c0 = square.acrossClueCol;
    const int r0 = square.downClueRow;

    // A run whose clue is missing is measured as no run at all: length 0 and
    // sum 0 match no group, so it allows nothing.
    RunMeasure across, down;
    int acrossSum = 0, downSum = 0;
    if (c0 != 0) {
        acrossSum = board.at(row, c0).acrossSum;
        across = measureRun(board, Direction::kAcross, row, c0 + 1);
    }
    if (r0 != 0) {
        downSum = board.at(r0, column).downSum;
        down = measureRun(board, Direction::kDown, r0 + 1, column);
    }
    hints.acrossUsed = across.used;
    hints.downUsed = down.used;

    const GroupUnion ua = groupUnion(table, acrossSum, across.length, hints.acrossUsed);
    const GroupUnion ud = groupUnion(table, downSum, down.length, hints.downUsed);

    const DigitSet common = ua.digits & ud.digits;
    hints.allowed = common & ~hints.acrossUsed & ~hints.downUsed;
    // The square's own digit stays allowed when it fits both runs.
    if (square.digit != 0 && (common & digitBit(square.digit)) != 0)
        hints.allowed |= digitBit(square.digit);

    // At 70 the digits alone, as the solver takes them; the player is shown
    // each after a blank.
    for (int d = 1; d <= 9; ++d) {
        if (!(hints.allowed & digitBit(d))) continue;
        if (level == Level::k70)
            hints.allowedText += static_cast<char>('0' + d);
        else
            hints.allowedText += formatSum(d, 2);
    }
    if (level == Level::k70) return hints;

    hints.across = listCombinations(table, ua.group, hints.acrossUsed, level, hints.allowed);
    hints.down = listCombinations(table, ud.group, hints.downUsed, level, hints.allowed);
    return hints;
}

}  // namespace krizovky
