#pragma once

#include <string>

#include "model/board.h"
#include "solver/deduction.h"

namespace krizovky {

// The names of the techniques and the grades, and the deductions explained,
// in Czech as a player is told them.

const char* techniqueName(Technique t);  // UTF-8
// "lehká", "střední", "těžká", "velmi těžká", "vyžaduje zkoušení" (UTF-8)
const char* difficultyName(Difficulty d);

// The Czech explanation of a deduction, UTF-8, e.g. "Součet 4 ve dvou
// políčkách má jedinou kombinaci 1 + 3, takže ... Proto do políčka (3, 5)
// patří 1." The board is the one before the deduction; it gives the sums and
// extents of the runs.
std::string explainDeduction(const Deduction& d, const Board& board);

// A square as the player is told of it: "(3, 5)", the row first.
std::string squareText(int row, int col);

}  // namespace krizovky
