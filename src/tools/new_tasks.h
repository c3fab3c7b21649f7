#pragma once

#include <string>
#include <vector>

namespace krizovky {

// krizovky-tool new --grade GRADE --size SIZE --number N [--count K]
// [--structures FILE]: the tasks of numbers N, N+1, ... N+K-1 made by the
// task maker, as task file text on standard output, and a line for each on
// standard error. args are the words after "new" (UTF-8); defaultStructures
// is the structure file read for a SIZE that names a structure when there
// is no --structures. 1 with a message for a wrong argument or when no task
// came out.
int newTasks(const std::vector<std::string>& args, const std::string& defaultStructures);

}  // namespace krizovky
