#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/storage.h"

namespace krizovky {

// The names of all tasks in the lines of a task file, in file order,
// duplicates included.
std::vector<std::string> taskNamesOfLines(const std::vector<std::string>& lines);

// The same from the whole text of a task file.
std::vector<std::string> taskNamesOfText(std::string_view text);

// The same from the file at path, read as readTaskFile reads it; file errors
// throw RunError.
std::vector<std::string> readTaskNames(const std::string& path);
// The same from a stored item.
std::vector<std::string> readTaskNames(Storage& storage, Place place, const std::string& name);

// Sorts Windows-1250 names alphabetically as a Czech reader expects them:
// numbers first, capitals beside their small letters, "č" after "c", "ch"
// after "h", "ř" after "r". Equal names keep their file order.
void sortTaskNames(std::vector<std::string>& names);

// True when the Czech alphabetical order is available on this system; without
// it names are sorted by their bytes.
bool czechCollationAvailable();

}  // namespace krizovky
