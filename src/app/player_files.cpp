#include "app/player_files.h"

#include "model/player_folders.h"

namespace krizovky {

PlayerFiles playerFilesBeside(const std::string& recordPath) {
    const std::string folder = folderOfFile(recordPath);
    return {recordPath, folder + "rozehrana_hra.json", folder + "rozehrane_ulohy.json"};
}

PlayerFiles defaultPlayerFiles() {
    const std::string folder = playerStateFolder();
    if (folder.empty()) return {};
    return playerFilesBeside(folder + "vysledky.json");
}

}  // namespace krizovky
