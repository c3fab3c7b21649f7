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
    game.persistence().loadSavedGame(bytes, "fuzz.ulo");
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

    game.moves().fillNotes();
    game.moves().toggleNotesMode();
    game.play().keyPress(Key::kNotesMode);

    for (int mark = 1; mark <= 4; ++mark)
        game.moves().highlightMark(mark);
    game.play().setLevel(Level::k100);
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            game.play().openSquareMenu(r, c);
            for (int d = 1; d <= 9; ++d)
                if (game.screen().digitItemEnabled[d]) {
                    game.play().chooseDigit(d);
                    break;
                }
            game.play().writeSingleDigit(r, c);
            game.moves().toggleNote(r, c, (r + c) % 9 + 1);
        }
    }
    game.moves().setMark();
    game.play().toggleChecking();
    game.play().checkWholeBoard();
    game.moves().removeMark(1);
    while (game.history().moveCount > 0 && game.screen().undoToMarkButton)
        game.moves().undoToMark();
    for (int k = 0; k < 600 && game.history().moveCount > 0; ++k)
        game.moves().undoMove();
    for (int k = 0; k < 600 && game.moves().redoCount() > 0; ++k)
        game.moves().redoMove();
    return 0;
}
