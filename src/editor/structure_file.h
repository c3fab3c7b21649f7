#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_grid.h"
#include "model/storage.h"

namespace krizovky {

// A structure file holds at most this many structures; later ones are not drawn.
inline constexpr int kMaxStructures = 20;

// The names of the structures in the lines of a structure file, in file
// order: the characters 2 to 21 of every line that begins with "@".
std::vector<std::string> structureNames(const std::vector<std::string>& lines);

// Reads one row line of a structure into the grid: rowCounter goes up by one,
// and for rows 1..15 the first 15 tokens set columns 1..15 by their first
// character: "/" a clue cell "/", "x" or "X" a blank cell "x"; any other
// token leaves the cell as it is (" " after a draw).
void parseStructureRow(EditorGrid& grid, int& rowCounter, std::string_view line);

// Draws the structure number index (1-based) of the lines into the grid: all
// cells become " " first, then the structure's row lines are read. The first
// structure whose name equals the index-th name is the one drawn.
void drawStructure(EditorGrid& grid, const std::vector<std::string>& lines, int index);

enum class StructureDraw {
    kDrawn,
    kNoFile,   // no structure file: "Nenalezl jsem soubor s definicemi struktur úloh!"
    kNoNames,  // no "@" line in it
};

// The messages for what did not draw (UTF-8).
std::string structureMessage(StructureDraw outcome);

// Draws a structure at random from the stored structure file into the grid,
// with one number of the editor's generator. A file without structures, or
// none at all, draws no number and leaves the grid as it was. File errors
// throw RunError.
StructureDraw loadRandomStructure(EditorGrid& grid, std::uint32_t& randomSeed, Storage& storage,
                                  Place place, const std::string& name);

}  // namespace krizovky
