#pragma once

#include <string>

namespace krizovky {

// krizovky-tool generate: in a freshly started task editor, types number into
// the task number field, then count times " generuj vše" and "ulož úlohu"
// under the untouched default name into a new task file, drawing from the
// structure file at structurePath. Writes the task file's bytes to standard
// output and every message box of the editor to standard error, one a line.
// number is UTF-8. With uniqueOnly a generated task is saved only when it has
// exactly one solution; the others still count as generations, so the names
// of the saved ones are those the plain run gives them.
int generateTasks(const std::string& structurePath, const std::string& number, long count,
                  bool uniqueOnly = false);

}  // namespace krizovky
