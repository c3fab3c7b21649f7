// Feeds arbitrary bytes to the task editor as a structure file and as a task
// file: every structure is drawn, filled and summed, every task is loaded
// into the grid, and what the loader gives is saved and loaded again. No
// input may make the editor reach outside its grid, and the saved form of a
// loaded task must load back to the same tokens.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/generator.h"
#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "model/task_reader.h"
#include "model/text.h"

using namespace krizovky;

namespace {

void requireTokensKept(const EditorGrid& grid) {
    EditorGrid again;
    again.fill("?");
    if (!loadTaskIntoGrid(again, splitLines(taskText(grid, "t")), "t")) __builtin_trap();
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (cellToken(grid.at(c, r)) != cellToken(again.at(c, r))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = splitLines(bytes);

    GeneratorState state;
    setTaskNumber(state, bytes.substr(0, 8));
    if (state.randomSeed % 2 != 1 || state.taskNumberText.size() > 5) __builtin_trap();

    const std::vector<std::string> names = structureNames(lines);
    if (names.size() > static_cast<std::size_t>(kMaxStructures)) __builtin_trap();
    for (std::size_t k = 1; k <= names.size(); ++k) {
        EditorGrid grid;
        drawStructure(grid, lines, static_cast<int>(k));
        for (int r = 1; r <= kEditorSize; ++r)
            for (int c = 1; c <= kEditorSize; ++c) {
                const std::string& t = grid.at(c, r);
                if (t != "/" && t != "x" && t != " ") __builtin_trap();
            }
        if (fillWithRetries(grid, state.randomSeed, nullptr)) {
            computeSums(grid);
            if (validateGrid(grid)) __builtin_trap();
        }
        requireTokensKept(grid);
    }

    // Every line as a row of its own, and every task of the file by the name
    // the task list shows for it.
    EditorGrid grid;
    for (std::size_t i = 0; i < lines.size() && i < 40; ++i)
        parseTaskRowIntoGrid(grid, lines[i], static_cast<int>(i % 17));
    requireTokensKept(grid);
    for (const auto& line : lines) {
        if (line.empty() || line[0] != '@') continue;
        EditorGrid loaded;
        if (!loadTaskIntoGrid(loaded, lines, nameOfLine(line))) __builtin_trap();
        requireTokensKept(loaded);
        fillDigits(loaded, state.randomSeed);
        computeSums(loaded);
    }
    return 0;
}
