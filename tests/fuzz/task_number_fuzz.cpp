// Feeds arbitrary bytes to the task editor's "číslo úlohy:" field: the task
// number is set from them, and a task is generated and named from it as
// " generuj vše" and "ulož úlohu" do. Any text gives a number whose sequence
// is the same at every setting, and a default name that saves and loads.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/game.h"
#include "app/headless_host.h"
#include "editor/generator.h"
#include "editor/random.h"
#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"

using namespace krizovky;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::vector<std::string> structures =
        splitLines(readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.VZR"));
    static const int structureCount = static_cast<int>(structureNames(structures).size());

    GeneratorState state;
    const bool good = setTaskNumber(state, bytes);
    if (state.taskNumberText.size() > 5 || state.randomSeed % 2 != 1 || state.generationCount != 0)
        __builtin_trap();
    if (!good && (state.taskNumberText != "1" || state.randomSeed != 3)) __builtin_trap();
    // The field's handler takes the same number.
    HeadlessHost host;
    Game game(host);
    game.tasks().editor().changeTaskNumber(bytes);
    if (game.tasks().editor().generator().randomSeed != state.randomSeed ||
        good == host.lastFailure.has_value())
        __builtin_trap();

    // One structure drawn and filled; the same number draws the same again.
    EditorGrid grid, again;
    std::uint32_t seed = state.randomSeed, seedAgain = state.randomSeed;
    const int index = nextRandom(seed, structureCount) + 1;
    if (nextRandom(seedAgain, structureCount) + 1 != index) __builtin_trap();
    drawStructure(grid, structures, index);
    drawStructure(again, structures, index);
    const bool filled = fillWithRetries(grid, seed, nullptr);
    if (fillWithRetries(again, seedAgain, nullptr) != filled || !(grid == again)) __builtin_trap();
    if (!filled) return 0;
    computeSums(grid);
    if (validateGrid(grid)) __builtin_trap();

    // The default name of the task, as a save derives it, names it in the file.
    const std::string name = (cp1250FromUtf8("úloha/") + state.taskNumberText + "/" +
                              std::to_string(state.generationCount + 1))
                                 .substr(0, 20);
    Board board;
    if (!readTaskLines(splitLines(taskText(grid, name)), nameOfLine("@" + name), board))
        __builtin_trap();
    deriveRuns(board);
    return 0;
}
