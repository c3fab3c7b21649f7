#pragma once

#include <cstdint>
#include <string>

#include "editor/editor_grid.h"

namespace krizovky {

// Changes digits of a grid whose open cells the generator has filled until
// the task of its sums has exactly one solution: while there are two, one
// square where they differ gets another digit that its runs do not hold yet,
// drawn with the editor's generator. False after maxChanges changes; the grid
// keeps its last digits then.
bool makeUnique(EditorGrid& filled, std::uint32_t& randomSeed, int maxChanges);

// krizovky-tool collection: the shipped task collection made anew. Every
// structure of the structure file is filled by the editor's generator a few
// times, each fill made unique and rated by the logical solver; tasks that
// need trial are left out. The chosen ones are named by their place from
// easy to very hard ("01 lehká" ... "60 expert"), and written after the task named "priklad"
// of keepPath, as a task file on standard output.
int makeCollection(const std::string& structurePath, const std::string& keepPath);

}  // namespace krizovky
