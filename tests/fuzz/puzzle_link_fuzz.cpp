// Feeds arbitrary text to the importer of puzzle links and of the editor's
// files. What it accepts must be a board that both writers write, that comes
// back the same through the link and through the file, and whose link, read
// again, is written as the same link. What it refuses must say why.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/board.h"
#include "model/puzzle_link.h"
#include "model/task_reader.h"

using namespace krizovky;

namespace {

void requireSameBoard(const Board& a, const Board& b) {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell &x = a.at(r, c), &y = b.at(r, c);
            if (x.kind != y.kind || x.acrossSum != y.acrossSum || x.downSum != y.downSum)
                __builtin_trap();
        }
}

const ImportedPuzzle& accepted(const ImportResult& result) {
    if (!result.puzzle || result.refusal != ImportRefusal::kNone) __builtin_trap();
    return *result.puzzle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ImportResult result = importPuzzle(text);
    if (!result.puzzle) {
        if (result.refusal == ImportRefusal::kNone || result.message.empty()) __builtin_trap();
        return 0;
    }
    const ImportedPuzzle& puzzle = accepted(result);
    if (!isTaskName(puzzle.name)) __builtin_trap();
    Board read;  // the rows are what the task list loads
    if (!readTaskText(taskEntryText(puzzle.name, puzzle.rows), puzzle.name, read)) __builtin_trap();
    requireSameBoard(read, puzzle.board);

    const ExportResult link = exportLink(puzzle.board);
    if (!link.ok()) __builtin_trap();
    const ImportResult again = importPuzzle(link.text);
    requireSameBoard(accepted(again).board, puzzle.board);
    if (exportLink(again.puzzle->board).text != link.text) __builtin_trap();

    const ExportResult file = exportPzprv3(puzzle.board);
    if (!file.ok()) __builtin_trap();
    const ImportResult fileAgain = importPuzzle(file.text);
    requireSameBoard(accepted(fileAgain).board, puzzle.board);
    return 0;
}
