#pragma once

#include <optional>
#include <vector>

#include "app/board_picture.h"

namespace krizovky::ui {

// The modern look's board for screen readers (Qt's accessibility, AT-SPI on
// Linux): a table of the picture's rows and columns whose cells are its
// squares, each named by squareDescription, the selected square selected and,
// while the board has the focus, focused. Installed once, by the first
// BoardView.
void installBoardAccessibility();

// The index among the table's children of square (row, column), row by row.
inline int boardChildIndex(const BoardPicture& picture, int row, int column) {
    return (row - 1) * picture.columns + (column - 1);
}

// The child index of the selected square, if any.
std::optional<int> selectedChild(const BoardPicture& picture);

// What a screen reader is told when the board's picture changes: a table of
// a new shape, or the squares (child indices) whose descriptions changed by a
// written digit, a note or a check's colours; and the square the selection
// moved to, the new focus.
struct BoardNews {
    bool reshaped = false;
    std::vector<int> renamed;
    std::optional<int> selected;
};
BoardNews boardNews(const BoardPicture& before, const BoardPicture& after);

}  // namespace krizovky::ui
