// Feeds arbitrary bytes to "&Načti", the documented layout and the extension
// block after it, and then plays on whatever was accepted: the notes filled
// and toggled, every square clicked and written, every Mark highlighted, the
// history undone and redone, the board checked. A file the reader lets through must never make
// the game read or write outside its board and history.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/game.h"
#include "app/headless_host.h"
#include "history/saved_game.h"
#include "model/combination_table.h"

using namespace krizovky;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HeadlessHost host;
    Game game(host);
    static const std::string table = completeCombinationFile();
    game.start("krizovky", table);
    game.loadSavedGame(bytes, "fuzz.ulo");
    if (!game.screen().boardPanel) return 0;

    // What the reader accepted comes out of the writer as it went in, but for
    // the fields that carry nothing.
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(bytes, saved, problem)) __builtin_trap();
    const std::string again = encodeSavedGame(game.board(), game.history());
    for (std::size_t i = 0; i < kSavedCellsOffset; ++i)
        if (i < 6 + 5 * static_cast<std::size_t>(game.history().moveCount) && again[i] != bytes[i])
            __builtin_trap();
    // The block's notes are on the entry squares, and a save writes them back.
    SavedGameExtras extras = saved.extras;
    extras.notes = notesOfBoard(game.board());
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (game.board().at(r, c).kind == kEntry &&
                game.board().at(r, c).notes != saved.extras.notesAt(r, c))
                __builtin_trap();
    SavedGame reread;
    if (!decodeSavedGame(encodeSavedGame(game.board(), game.history(), extras), reread, problem) ||
        notesOfBoard(reread.board) != extras.notes)
        __builtin_trap();

    game.fillNotes();
    game.toggleNotesMode();
    game.keyPress(Key::kNotesMode);

    for (int mark = 1; mark <= 4; ++mark)
        game.highlightMark(mark);
    game.setLevel(Level::k100);
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            game.openSquareMenu(r, c);
            for (int d = 1; d <= 9; ++d)
                if (game.screen().digitItemEnabled[d]) {
                    game.chooseDigit(d);
                    break;
                }
            game.writeSingleDigit(r, c);
            game.toggleNote(r, c, (r + c) % 9 + 1);
        }
    }
    game.setMark();
    game.toggleChecking();
    game.checkWholeBoard();
    game.removeMark(1);
    while (game.history().moveCount > 0 && game.screen().undoToMarkButton)
        game.undoToMark();
    for (int k = 0; k < 600 && game.history().moveCount > 0; ++k)
        game.undoMove();
    for (int k = 0; k < 600 && game.redoCount() > 0; ++k)
        game.redoMove();
    return 0;
}
