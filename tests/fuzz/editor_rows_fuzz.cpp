// Feeds arbitrary bytes to the task editor's loader as a task file: every
// line is read as a row into the grid, and every task of the file is loaded
// by the name the task list shows for it. What the loader gives is checked,
// filled, summed, saved into a task file and loaded again: a save must keep
// every token, and the saved task must load onto the board or be refused
// with a message, never reach outside the grid or the board.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "editor/generator.h"
#include "editor/task_form.h"
#include "fuzz_support.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

using namespace krizovky;

namespace {

// The saved tokens of the grid, as the grid of its saved form loads back.
void requireTokensKept(const EditorGrid& grid) {
    EditorGrid again;
    again.fill("?");
    if (!loadTaskIntoGrid(again, splitLines(taskText(grid, "t")), "t")) __builtin_trap();
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (cellToken(grid.at(c, r)) != cellToken(again.at(c, r))) __builtin_trap();
}

// A loaded cell holds "x", or digits and slashes, at most ten of them.
void requireLoaderCells(const EditorGrid& grid) {
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c) {
            const std::string& t = grid.at(c, r);
            if (t == "x" || t == "?") continue;
            if (t.size() > 10 || keepDigitsAndSlashes(t) != t) __builtin_trap();
        }
}

void saveAndLoadAgain(const EditorGrid& grid, const std::string& name) {
    const std::string path = fuzz::workFolder() + "/saved.kri";
    try {
        saveTaskToFile(grid, name, desktopStorage(), Place::kChosen, path);
    } catch (const RunError&) {
        __builtin_trap();  // the work folder takes every save
    }
    // Task files are Windows-1250, but one whose bytes are UTF-8 as a whole is
    // read as UTF-8 (a file another editor saved so): the names of such a
    // file come back converted, and the saved name is not among them.
    const std::string saved = readFileBytes(path);
    if (windows1250Text(saved) != saved) return;
    Board board;
    try {
        if (!readTask(path, name, board)) __builtin_trap();
        deriveRuns(board);
    } catch (const RunError& e) {
        // Only clue sums past the format's bytes are refused.
        if (std::string_view(e.what()) != kRangeCheckError) __builtin_trap();
    }
    EditorGrid again;
    if (!loadTaskIntoGrid(again, splitLines(readTaskFile(path)), name)) __builtin_trap();
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (cellToken(grid.at(c, r)) != cellToken(again.at(c, r))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = windows1250Text(std::string(bytes));
    const std::vector<std::string> lines = splitLines(text);
    std::remove((fuzz::workFolder() + "/saved.kri").c_str());

    // Every line as a row of its own, also rows outside the grid.
    EditorGrid rows;
    rows.fill("?");
    for (std::size_t i = 0; i < lines.size() && i < 40; ++i)
        parseTaskRowIntoGrid(rows, lines[i], static_cast<int>(i % 18) - 1);
    requireLoaderCells(rows);
    requireTokensKept(rows);

    // Every task under the name the task list shows.
    const std::vector<std::string> names = taskNamesOfText(text);
    std::uint32_t seed = 1;
    for (std::size_t k = 0; k < names.size() && k < 20; ++k) {
        EditorGrid grid;
        if (!loadTaskIntoGrid(grid, lines, names[k])) __builtin_trap();
        requireLoaderCells(grid);
        requireTokensKept(grid);
        if (validateGrid(grid)) continue;
        if (fillWithRetries(grid, seed, nullptr)) computeSums(grid);
        // The editor saves under the first 20 characters of a name.
        const std::string name = names[k].substr(0, 20);
        if (!name.empty()) saveAndLoadAgain(grid, name);
    }
    return 0;
}
