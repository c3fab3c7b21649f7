#pragma once

#include "app/data_files.h"
#include "app/host.h"
#include "app/options.h"
#include "app/requests.h"
#include "app/screen.h"
#include "history/move_history.h"
#include "model/board.h"
#include "model/combination_table.h"
#include "model/storage.h"

namespace krizovky {

// What every part of the game works on: the board and its Moves (what an
// undo restores: the digits, the notes a digit took, the Marks), what the
// player sees of them, the player's options, the requests waiting for the
// player, where its files are, and what start-up read. What an undo does not restore (the
// selection, the redo list, the clock, the record, the task list) each part
// of the game keeps to itself.
struct GameState {
    GameState(Host& frontEnd, Storage& files)
        : host(frontEnd), storage(files), requests(frontEnd) {}

    Host& host;
    // Where the game reads and writes its files.
    Storage& storage;
    Requests requests;
    CombinationTable table;
    DataFileNames names;
    Board board;
    MoveHistory history;
    MainScreen screen;
    Options options;
};

}  // namespace krizovky
