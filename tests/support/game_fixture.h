#pragma once

#include <filesystem>
#include <string>

#include "app/game.h"
#include "model/file_layer.h"
#include "model/memory_storage.h"
#include "support/scripted_host.h"
#include "support/task_text.h"
#include "support/temp_dir.h"

namespace krizovky::testing {

// "&Konec" answered by the script: whether the program may end.
inline bool quitAnswered(Game& game) {
    game.persistence().confirmQuit();
    return game.persistence().quitConfirmed();
}

// A game started as the program "krizovky" in a fresh folder that holds the
// build's combination file and the given task file as krizovky.KRI.
struct GameFixture {
    TempDir dir;
    ScriptedHost host;
    Game game{host};

    explicit GameFixture(const std::string& taskFileText = kExampleTask) {
        std::filesystem::copy_file(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.DEF",
                                   dir.file("krizovky.DEF"));
        dir.write("krizovky.KRI", crlf(taskFileText));
        game.start(dir.file("krizovky"));
    }

    // Loads a task through the menu and the list, as the player does.
    void choose(const std::string& name) {
        if (!game.tasks().chooseTaskByName(name))
            throw std::runtime_error("no task " + name + " in the list");
    }
};

// The same game with every file in memory: the program "/hra/krizovky" with
// its data files among the shipped items.
struct MemoryGameFixture {
    MemoryStorage storage;
    ScriptedHost host;
    Game game{host, storage};

    explicit MemoryGameFixture(const std::string& taskFileText = kExampleTask) {
        storage.replace(Place::kShipped, "/hra/krizovky.DEF",
                        readFileBytes(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.DEF"));
        storage.replace(Place::kShipped, "/hra/krizovky.KRI", crlf(taskFileText));
        game.start("/hra/krizovky");
    }
};

}  // namespace krizovky::testing
