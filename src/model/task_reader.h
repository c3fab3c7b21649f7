#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"
#include "model/storage.h"

namespace krizovky {

// Called after each row line with its running number.
using RowProgress = std::function<void(int row)>;

// A name line begins with "@" in its very first column; the name is the rest
// of the line, at most 255 characters, trailing blanks included.
bool isNameLine(std::string_view line);
std::string nameOfLine(std::string_view line);

// Updates the cells of row n from one row line. Throws RunError with
// "Range check error" or "Integer overflow" when the line breaks the byte
// limits of the format; the row may be partly written then.
void parseRowLine(std::string_view line, int n, Board& board);

// Reads the task called name from the lines of a task file into board: every
// cell becomes an entry cell first, then the task's row lines are parsed.
// Returns whether the name was found; without it the board is left as 15 x 15
// entry cells.
bool readTaskLines(const std::vector<std::string>& lines, std::string_view name, Board& board,
                   const RowProgress& progress = {});

// The same from the whole text of a task file.
bool readTaskText(std::string_view text, std::string_view name, Board& board,
                  const RowProgress& progress = {});

// The text of the task file at path, in Windows-1250 also when the file is
// in UTF-8 (see windows1250Text); file errors throw RunError.
std::string readTaskFile(const std::string& path);
// The same from a stored item.
std::string readTaskFile(Storage& storage, Place place, const std::string& name);

// The same from the file at path; file errors throw RunError.
bool readTask(const std::string& path, std::string_view name, Board& board,
              const RowProgress& progress = {});
// The same from a stored item.
bool readTask(Storage& storage, Place place, const std::string& file, std::string_view name,
              Board& board, const RowProgress& progress = {});

}  // namespace krizovky
