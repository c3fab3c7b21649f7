// Feeds arbitrary bytes to the start of the program as the game kept at the
// last closing and as the player's record of results: the task list is
// ticked from the record, "&Moje výsledky" sums it up, and a kept game that
// is taken up is played over. A file that cannot be read is set aside and
// the game goes on; one that is taken up is kept again on closing and comes
// back once more as it was.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/game.h"
#include "app/headless_host.h"
#include "fuzz_support.h"
#include "history/saved_game.h"
#include "model/combination_table.h"
#include "model/file_layer.h"

using namespace krizovky;

namespace {

// The example task, which the seeds' kept games are games of.
constexpr std::string_view kExampleTask =
    "@priklad\r\n0,0/16,0/3,0*12\r\n8/0,2,2,0*12\r\n11/0,2,2,0*12\r\n"
    "0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*15\r\n0*"
    "15\r\n";

void startGame(Game& game) {
    static const std::string table = completeCombinationFile();
    game.start("krizovky", table);
    game.tasks().setTaskFilePath("krizovky.KRI");
    game.persistence().usePlayerFiles(playerFilesBeside(fuzz::workFolder() + "/vysledky.json"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::writeWorkFile("krizovky.KRI", kExampleTask);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The seeds name the task file by a path relative to the work folder;
    // the fuzzer's own folders are relative to where it was started.
    const int startedIn = open(".", O_RDONLY | O_DIRECTORY);
    if (startedIn < 0 || chdir(fuzz::workFolder().c_str()) != 0) __builtin_trap();
    const std::string kept = fuzz::writeWorkFile("rozehrana_hra.json", bytes);
    const std::string record = fuzz::writeWorkFile("vysledky.json", bytes);

    HeadlessHost host;
    Game game(host);
    startGame(game);
    game.tasks().fillTaskList(false);
    game.persistence().resultsScreen({2026, 12, 9});
    if (game.persistence().resumeKeptGame()) {
        const std::string savedBefore =
            encodeSavedGame(game.board(), game.history(), SavedGameExtras{});
        // Kept on closing as it was taken up, and taken up again.
        game.persistence().confirmQuit();
        if (!game.persistence().quitConfirmed()) __builtin_trap();
        HeadlessHost againHost;
        Game again(againHost);
        startGame(again);
        if (fileExists(kept)) {
            if (!again.persistence().resumeKeptGame()) __builtin_trap();
            if (encodeSavedGame(again.board(), again.history(), SavedGameExtras{}) != savedBefore)
                __builtin_trap();
        }
        fuzz::playEverything(again);
    }
    // Files set aside do not pile up from one input to the next.
    for (const std::string& path : {kept, record, kept + ".damaged", record + ".damaged"})
        std::filesystem::remove(path);
    if (fchdir(startedIn) != 0) __builtin_trap();
    close(startedIn);
    return 0;
}
