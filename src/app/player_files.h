#pragma once

#include <string>

#include "model/storage.h"

namespace krizovky {

// Where the game keeps what belongs to the player between starts. An empty
// name: nothing of that kind is kept (a game without a window keeps nothing
// unless told where).
struct PlayerFiles {
    std::string record;    // the record of results, JSON
    std::string keptGame;  // the game in progress kept on closing
    // The games in progress kept per task when the player leaves a task for
    // another, JSON, newest first.
    std::string gamesInProgress;
};

// The record beside which the kept game lies, by its path.
PlayerFiles playerFilesBeside(const std::string& recordPath);

// In the player's state folder ($XDG_STATE_HOME/krizovky/); empty names when
// there is no such folder to be had.
PlayerFiles defaultPlayerFiles();

class DamagedFileError;
// "soubor je poškozený (řádek 3)": what the player is told of a damaged file
// of theirs at path; the reader's own words go to standard error.
std::string damagedFileText(const DamagedFileError& e, const std::string& path);
// Sets the stored file path aside and gives the name it now has, without its
// folder, which is the file's own. Throws RunError when it cannot.
std::string setAsideFileName(Storage& storage, Place place, const std::string& path);

}  // namespace krizovky
