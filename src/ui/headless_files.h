#pragma once

#include <string>
#include <vector>

#include "app/board_picture.h"
#include "ui/page_style.h"

namespace krizovky::ui {

// The files of boards drawn without a display, for the command line: Qt is
// started on its offscreen platform for the drawing and ended after it. The
// bytes are empty when the drawing failed (an image too large for memory, a
// writer that gave up).
std::string headlessBoardFile(FileKind kind, const BoardPicture& picture, const PageStyle& style);
std::string headlessBookletPdf(const std::vector<PrintedTask>& tasks, const BookletStyle& style);

}  // namespace krizovky::ui
