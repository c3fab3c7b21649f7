#pragma once

#include <iosfwd>
#include <string>

namespace krizovky {

// krizovky-tool play: starts the game as the program starts, chooses the task
// called name (Windows-1250) from the task file in the task list, and runs the
// player's events read from in, one a line, printing every message box and
// every "show" to standard output. Returns the exit status.
int playScript(const std::string& executable, const std::string& taskFile, const std::string& name,
               std::istream& in);

}  // namespace krizovky
