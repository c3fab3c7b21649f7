#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace krizovky::ui {

// How a board or a booklet goes onto paper or into a file: the paper, the
// margins, the kind of file and the tasks on a page. Plain data, so that the
// command line can choose them without the drawing library.

enum class Paper : std::uint8_t { kA4, kLetter };
enum class FileKind : std::uint8_t { kPdf, kSvg, kPng };

struct PageStyle {
    Paper paper = Paper::kA4;
    double margin = 15;   // mm on every side
    bool numbers = true;  // row and column numbers along the board's edges
    int dpi = 300;        // PNG only
};
inline constexpr int kMinimumDpi = 50;
inline constexpr int kMaximumDpi = 600;  // an A4 page is then 4961 x 7016 pixels

// The kind of file a name asks for by its extension (any case); nothing for
// another extension.
std::optional<FileKind> fileKindOf(std::string_view path);

struct BookletStyle {
    PageStyle page;
    int perPage = 4;         // 1, 2, 4 or 6 tasks on a page; fewer of large tasks
    bool solutions = false;  // the solutions on pages after the tasks
};
inline constexpr int kSolutionsPerPage = 12;  // small, three across and four down
bool validTasksPerPage(int perPage);

}  // namespace krizovky::ui
