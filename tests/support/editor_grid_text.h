#pragma once

#include <string>
#include <vector>

#include "editor/editor_grid.h"

namespace krizovky::testing {

// A grid whose rows 1, 2, ... are given as cell texts separated by ",",
// columns from 1; every other cell holds fill.
inline EditorGrid gridOf(const std::vector<std::string>& rows, const std::string& fill = "x") {
    EditorGrid grid;
    grid.fill(fill);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int column = 1;
        std::size_t start = 0;
        while (column <= kEditorSize) {
            std::size_t comma = rows[r].find(',', start);
            grid.at(column++, static_cast<int>(r) + 1) = rows[r].substr(start, comma - start);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    return grid;
}

// The cells of one row from column 1 to last, joined by ",".
inline std::string rowOf(const EditorGrid& grid, int row, int last = kEditorSize) {
    std::string text;
    for (int c = 1; c <= last; ++c)
        text += (c > 1 ? "," : "") + grid.at(c, row);
    return text;
}

}  // namespace krizovky::testing
