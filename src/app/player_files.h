#pragma once

#include <string>

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

}  // namespace krizovky
