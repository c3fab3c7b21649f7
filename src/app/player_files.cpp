#include "app/player_files.h"

#include "model/player_folders.h"

namespace krizovky {

PlayerFiles playerFilesBeside(const std::string& recordPath) {
    return {recordPath, folderOfFile(recordPath) + "rozehrana_hra.json"};
}

PlayerFiles defaultPlayerFiles() {
    const std::string folder = playerStateFolder();
    if (folder.empty()) return {};
    return playerFilesBeside(folder + "vysledky.json");
}

}  // namespace krizovky
