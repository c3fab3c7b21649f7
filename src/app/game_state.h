#pragma once

#include "app/data_files.h"
#include "app/host.h"
#include "app/options.h"
#include "app/requests.h"
#include "app/screen.h"
#include "history/move_history.h"
#include "model/board.h"
#include "model/combination_table.h"

namespace krizovky {

// What every part of the game works on: the board and its Moves (what an
// undo restores), what the player sees of them, the player's options, the
// requests waiting for the player, and what start-up read. The parts of the
// game (the play session, the moves and notes, the help, the solver's run,
// the task library, the new tasks, the persistence) each keep the rest of
// their state to themselves.
struct GameState {
    explicit GameState(Host& frontEnd) : host(frontEnd), requests(frontEnd) {}

    Host& host;
    Requests requests;
    CombinationTable table;
    DataFileNames names;
    Board board;
    MoveHistory history;
    MainScreen screen;
    Options options;
};

}  // namespace krizovky
