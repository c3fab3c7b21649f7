#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_grid.h"
#include "model/board.h"
#include "model/storage.h"

namespace krizovky {

// The first bad cell that validateGrid finds.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// The characters "/" and "0".."9" of text, in their order.
std::string keepDigitsAndSlashes(std::string_view text);

// Checks the grid before a save, row by row, each row from column 1: a cell
// is bad when it holds a lone "/" among its digits and slashes (a text with one
// "/" and no digit), or, without any "/", two digits or more. "x" and "X" are
// blank cells. Nothing when every cell is good.
std::optional<GridCell> validateGrid(const EditorGrid& grid);

// The token a save writes for a cell text: "0" for exactly "x" or "X", the
// text itself when it holds a "/", "2" for anything else.
std::string cellToken(const std::string& text);

// The lines a save appends for a task: an empty line, "@" and the name, and
// 15 row lines of 15 tokens each joined by ",", every line ended by CR LF.
std::string taskText(const EditorGrid& grid, std::string_view name);

// The board that the task of this grid loads as once saved. Throws RunError
// when a clue cell breaks the task file's limits ("Range check error").
Board taskBoard(const EditorGrid& grid);

// Task names as a replacing save compares them: equal when their capitals
// (Czech rules, so "á" matches "Á") are equal.
bool sameTaskName(std::string_view a, std::string_view b);

// The task file's bytes without the tasks whose name (the characters 2 to 21
// of their "@" line) is the same as name: the lines before the first task and
// the other tasks stay in their order, without empty lines, each ended by CR
// LF. Nothing when no task has that name: the file is to stay as it is.
// The name, as its "@" line has it, of the first task that a save of name
// would replace; none when the save adds a task.
std::optional<std::string> replacedTaskName(std::string_view fileBytes, std::string_view name);
std::optional<std::string> removeTaskFromFile(std::string_view fileBytes, std::string_view name);

// The work file of a task file: its extension replaced by "WRK", or ".WRK"
// appended when the file name has none.
std::string workFileName(const std::string& taskFilePath);

// Writes the task into the stored task file: a task of the same name is
// replaced and the new task goes to the end; a missing file is created. The
// new content is written whole to the work file, which then takes the task
// file's place, so the task file is at every moment either the old one or the
// new one. Throws RunError with the system's text; the old file stays then.
void saveTaskToFile(const EditorGrid& grid, std::string_view name, Storage& storage, Place place,
                    const std::string& file);

// Writes one row line of a task into row r of the grid, token by token from
// column 1: "0" gives "x", "2" the empty text, any other token (a clue such
// as 12/5) its digits and slashes; "V*R" gives R such cells. Cells outside the
// grid are not kept.
void parseTaskRowIntoGrid(EditorGrid& grid, std::string_view line, int r);

// Loads the task called name from the lines of a task file into the grid,
// without clearing it first: cells the task does not reach keep their texts.
// A name line names its task as the task list reads it (nameOfLine), so a
// name cut to its first 255 characters finds a longer line.
// Only lines without any character are skipped. False when no task has that
// name (the grid is unchanged then).
bool loadTaskIntoGrid(EditorGrid& grid, const std::vector<std::string>& lines,
                      std::string_view name);

}  // namespace krizovky
