#pragma once

#include <cstdint>
#include <optional>

#include "editor/editor_grid.h"

namespace krizovky {

// Dead ends the exact solver may meet on one task here: a task whose count
// takes longer is given up rather than waited for.
inline constexpr long kUniqueSearchBudget = 20000;

// Changes digits of a grid whose open cells the generator has filled until
// the task of its sums has exactly one solution: while there are two, one
// square where they differ gets another digit that its runs do not hold yet,
// drawn with the editor's generator. False after maxChanges changes; the grid
// keeps its last digits then.
bool makeUnique(EditorGrid& filled, std::uint32_t& randomSeed, int maxChanges);

// How hard a unique task is for a person: the rung of the hardest technique
// the logical solver needs, and how many times it needs one of that rung; a
// task the ladder does not finish weighs more than any.
struct Hardness {
    int rung = 0;
    int uses = 0;
    bool operator<=(const Hardness& other) const {
        return rung < other.rung || (rung == other.rung && uses <= other.uses);
    }
};

// The hardness of the task of a filled grid's sums; nothing when it has not
// exactly one solution or the count runs out of its budget.
std::optional<Hardness> hardnessOf(const EditorGrid& filled);

// Changes digits of a unique task at random, keeping each change that leaves
// it unique and no harder, until the logical solver rates it easy or the
// changes run out. The grid keeps the easiest task reached.
void makeEasier(EditorGrid& filled, std::uint32_t& randomSeed, int changes);

// The grid with the sums of its digits written into its clue cells "/".
EditorGrid withSums(const EditorGrid& filled);

}  // namespace krizovky
