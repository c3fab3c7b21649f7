#pragma once

#include <array>
#include <optional>
#include <string>

#include "editor/editor_grid.h"
#include "editor/random.h"
#include "model/board.h"

namespace krizovky {

// The most squares a run can have: nine digits, none twice.
inline constexpr int kLongestRun = 9;

// Which squares of a task are entry squares. Every other square is a clue
// when a run starts right of it or below it, and blank otherwise. rows and
// cols are the last row and column that hold an entry square, so they count
// the clue row and column, which hold none.
struct TaskShape {
    int rows = 0;
    int cols = 0;
    // [row][col], both 1..15; the row and column 16 stay false, so a walk
    // may step one square past the board.
    std::array<std::array<bool, kBoardSize + 2>, kBoardSize + 2> entry{};

    bool isEntry(int row, int col) const {
        return row >= 1 && row <= kBoardSize && col >= 1 && col <= kBoardSize && entry[row][col];
    }
    int entryCount() const;
    bool operator==(const TaskShape&) const = default;
};

// The first rule a shape breaks that no task can have: an entry square in
// the first row or column, where its clue has no room, or a run longer than
// 9 squares. Czech (UTF-8) for the task editor; empty when there is none.
std::string structureFault(const TaskShape& shape);

// The first rule of the task maker's own shapes that the shape breaks, in
// English for tests and the tool, or empty: those of structureFault, then
// every run 2 to 9 squares long, the entry squares connected across and
// down, the same under a half turn of rows 2..rows and columns 2..cols, and
// an entry square in row 2 and column 2.
std::string shapeFault(const TaskShape& shape);

// A shape of the task maker's own of rows x cols squares (each 4..15) with
// minEntries to maxEntries entry squares and no run longer than longestRun
// (4..9); nothing when the attempts run out.
std::optional<TaskShape> randomShape(int rows, int cols, int minEntries, int maxEntries,
                                     int longestRun, TaskRandom& random);

// The structure of a grid: every cell that is not blank ("x", "X") and holds
// no "/" is an entry square.
TaskShape shapeOfGrid(const EditorGrid& grid);

// The grid of a shape: entry squares " ", clues "/", every other cell "x".
EditorGrid gridOfShape(const TaskShape& shape);

}  // namespace krizovky
