#pragma once

namespace krizovky {

// The record of the game's moves and the marks on it. A task load empties it.
struct MoveHistory {
    int moveCount = 0;
    int markCount = 0;
    bool colouringShown = false;       // some square carries a temporary colour
    bool checkColouringShown = false;  // that colour comes from a full-board check

    void clear() { *this = MoveHistory{}; }
};

}  // namespace krizovky
