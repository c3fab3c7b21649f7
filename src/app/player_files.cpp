#include "app/player_files.h"

#include <iostream>

#include "history/damaged_file.h"
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

std::string damagedFileText(const DamagedFileError& e, const std::string& path) {
    std::cerr << path << ": " << e.what() << "\n";
    return e.line() > 0 ? "soubor je poškozený (řádek " + std::to_string(e.line()) + ")"
                        : "soubor je poškozený";
}

std::string setAsideFileName(Storage& storage, Place place, const std::string& path) {
    return fileNameOf(storage.setAside(place, path));
}

}  // namespace krizovky
