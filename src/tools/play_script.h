#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace krizovky {

struct Cell;

// A square as the tool prints a board: "x" blank, "A/D" a clue, "_" or the
// digit for an entry square, "kN" a square of another kind N.
std::string squareToken(const Cell& cell);

// The note digits of a set, ascending: "1379".
std::string noteDigits(std::uint16_t notes);

// krizovky-tool play: starts the game as the program starts, chooses the task
// called name (Windows-1250) from the task file in the task list, and runs the
// player's events read from in, one a line, printing every message box and
// every "show" to standard output. Returns the exit status. With a record
// (the path of the record of results), results are written to it and the
// game is kept beside it when the input ends, as closing the program keeps
// it; a game kept there before is taken up at the start instead of choosing
// name. Without one nothing is recorded or kept.
int playScript(const std::string& executable, const std::string& taskFile, const std::string& name,
               std::istream& in, const std::string& record = {});

}  // namespace krizovky
