// Feeds arbitrary bytes to the game as its task file: the task list reads and
// sorts the names, and every listed task (the first few dozen) is chosen,
// built on the board and played over. Whatever the file holds, a load either
// builds a board inside its 15 x 15 squares or is refused with a message, and
// the names of the list are those that loading finds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/game.h"
#include "app/headless_host.h"
#include "fuzz_support.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

using namespace krizovky;

namespace {

// A file taken as UTF-8 comes back from its Windows-1250 form unchanged.
void requireFaithfulText(std::string_view bytes) {
    const std::string text = windows1250Text(std::string(bytes));
    if (text == bytes) return;
    std::string_view utf8 = bytes;
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    if (utf8FromCp1250(text) != utf8) __builtin_trap();
}

// Every entry square links to clues inside the board.
void requireLinkedRuns(const Board& board) {
    if (board.rowCount > kBoardSize || board.colCount > kBoardSize) __builtin_trap();
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c) {
            const Cell& cell = board.at(r, c);
            if (cell.kind != kEntry) continue;
            if (cell.acrossClueCol > board.colCount || cell.downClueRow > board.rowCount)
                __builtin_trap();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    requireFaithfulText(bytes);
    const std::string path = fuzz::writeWorkFile("krizovky.KRI", bytes);

    HeadlessHost host;
    Game game(host);
    static const std::string table = completeCombinationFile();
    game.start(fuzz::workFolder() + "/krizovky", table);
    game.tasks().showTaskList();
    game.tasks().fillTaskList(true);
    const auto& items = game.tasks().taskListNames();
    const std::string text = readTaskFile(path);
    if (items.size() != taskNamesOfText(text).size()) __builtin_trap();

    for (std::size_t i = 0; i < items.size() && i < 40; ++i) {
        const std::string name = items[i];
        game.tasks().showTaskList();
        game.tasks().fillTaskList(false);
        game.tasks().selectListedTask(static_cast<int>(i));
        game.tasks().chooseListedTask();
        if (host.lastFailure) {
            // Refused: the same reading of the task gives the same error.
            Board board;
            try {
                readTaskText(text, name, board);
                __builtin_trap();
            } catch (const RunError& e) {
                if (*host.lastFailure != e.what()) __builtin_trap();
            }
            host.lastFailure.reset();
            continue;
        }
        // A task of the name "" is never loaded, as "&Znovu" loads nothing
        // without a chosen name.
        if (!game.screen().boardPanel && !name.empty()) __builtin_trap();
        requireLinkedRuns(game.board());
        // A few tasks are played over, the rest only built.
        if (i < 3) fuzz::playEverything(game);
    }
    return 0;
}
