#pragma once

#include <functional>

#include "app/game.h"

namespace krizovky::testing {

// Advances the search of "70" under way to its end as the window's timer
// does, slice after slice, with between() after every slice that leaves it
// under way: the window's events, the player's clicks. Each slice begins
// `late` behind the clock; a slice of the fastest speed begun a frame late
// makes SolverPace::kPlacementsPerClockReading placements only. Returns the
// number of slices.
inline int finishSolve(Game& game, const std::function<void()>& between = {},
                       SolverRun::Clock::duration late = {}) {
    int slices = 0;
    while (game.solver().solving()) {
        game.solver().advanceSolve(SolverRun::Clock::now() - late);
        ++slices;
        if (game.solver().solving() && between) between();
    }
    return slices;
}

}  // namespace krizovky::testing
