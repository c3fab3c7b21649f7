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

// krizovky-tool daily [--date YYYY-MM-DD]: the task of the day (today's,
// by the local clock, without --date) as task file text on standard output,
// and its name, weekday, grade and size on standard error. args are the
// words after "daily". 1 with a message for a wrong argument or a date the
// calendar has not, or when the task maker made no task.
int dailyTask(const std::vector<std::string>& args);

}  // namespace krizovky
