#pragma once

#include <functional>
#include <string>

namespace krizovky {

// The folders of the player's own files (the XDG base directories), each
// ending in "/krizovky/": tasks the player made or brought in go to the data
// folder ($XDG_DATA_HOME, by default ~/.local/share), the record of results
// and the game kept on closing to the state folder ($XDG_STATE_HOME, by
// default ~/.local/state). A relative or empty variable counts as unset, as
// the XDG rules say. Empty when neither the variable nor HOME is usable.
std::string playerDataFolder();
std::string playerStateFolder();

// Creates the folder and its missing parents (mode 0700 for new ones).
// Throws RunError with the system's text when it cannot.
void makeFolders(const std::string& folder);

// A name beside path for setting aside a damaged file of the player's:
// "path.damaged", or with "-2", "-3", ... while that name is taken.
std::string setAsideName(const std::string& path);
// The same rule for an item of any storage: taken tells a name in use.
std::string setAsideName(const std::string& name,
                         const std::function<bool(const std::string&)>& taken);
// Renames the file at path to setAsideName(path) and returns the new name.
// Throws RunError with the system's text when it cannot.
std::string setAside(const std::string& path);

// The folder of a file's path, ending in "/"; "./" for a bare name.
std::string folderOfFile(const std::string& path);
// The name of the file at path without its folder.
std::string fileNameOf(const std::string& path);

}  // namespace krizovky
