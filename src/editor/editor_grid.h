#pragma once

#include <array>
#include <string>
#include <string_view>

namespace krizovky {

inline constexpr int kEditorSize = 15;

// The task editor's 15 x 15 grid of cell texts (Windows-1250), addressed by
// column and row, both 1..15. Row r stands for the r-th row line of a task,
// column c for its c-th token.
class EditorGrid {
  public:
    std::string& at(int column, int row) { return cells_[column][row]; }
    const std::string& at(int column, int row) const { return cells_[column][row]; }
    static bool contains(int column, int row) {
        return column >= 1 && column <= kEditorSize && row >= 1 && row <= kEditorSize;
    }
    void fill(std::string_view text) {
        const std::string value(text);
        for (auto& column : cells_)
            for (auto& cell : column)
                cell = value;
    }
    bool operator==(const EditorGrid& other) const { return cells_ == other.cells_; }

  private:
    // Strings start empty; a braced initializer here crashes clang 14.
    std::array<std::array<std::string, kEditorSize + 1>, kEditorSize + 1> cells_;
};

}  // namespace krizovky
