#pragma once

#include <string>
#include <vector>

#include "model/board.h"
#include "model/combination_table.h"
#include "play/level.h"

namespace krizovky {

// A run measured from its first square: the entry squares up to the first
// square that is not an entry square or the edge of the board, and the digits
// written in them.
struct RunMeasure {
    int length = 0;
    DigitSet used = 0;
};
RunMeasure measureRun(const Board& board, Direction direction, int firstRow, int firstColumn);

// The run across or down of an entry square, found by the clue the square is
// linked to: the clue's sum, and the run measured from the square after the
// clue. Without a clue that way (only in a malformed task): sum 0, length 0.
struct SquareRun {
    int sum = 0;
    RunMeasure measure;
};
SquareRun runOfSquare(const Board& board, Direction direction, int row, int column);

// The digits of every member of the (sum, length) group that holds all of
// used, and the whole group (members that do not fit included). A group that
// does not exist gives an empty union and an empty group.
struct GroupUnion {
    DigitSet digits = 0;
    CombinationTable::Group group;  // count 0: no such group
};
GroupUnion groupUnion(const CombinationTable& table, int sum, int length, DigitSet used);

// The lines of one combination list: at 130 every member of the group; at 100
// the members that hold all of used and share a digit with allowed. Lines come
// in table order, each the member's digit text.
std::vector<std::string> listCombinations(const CombinationTable& table,
                                          const CombinationTable::Group& group, DigitSet used,
                                          Level level, DigitSet allowed);

// What a click on an entry square works out, at Levels 100 and 130, and for
// the visible search.
struct Hints {
    DigitSet acrossUsed = 0;  // the digits of the square's across run, its own included
    DigitSet downUsed = 0;
    DigitSet allowed = 0;
    // The allowed digits ascending: " 1 3 7" for the player, "137" for the search.
    std::string allowedText;
    // The two lists; not worked out for the search.
    std::vector<std::string> across;
    std::vector<std::string> down;
};

// An entry square without a clue for one of its runs (only in a malformed
// task) has no run that way, and a missing run allows no digit.
Hints computeHints(const Board& board, const CombinationTable& table, Level level, int row,
                   int column);
// The same for the visible search: the allowed digits alone, as it takes them.
Hints solverHints(const Board& board, const CombinationTable& table, int row, int column);

}  // namespace krizovky
