#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/board.h"
#include "model/combination_table.h"

namespace krizovky {

// What the exact solver found on a board. A malformed board is not searched.
struct ExactResult {
    std::string malformed;     // why the board is no sound task; empty when it is one
    std::string playerReason;  // the same in Czech, for the player (UTF-8)
    int solutions = 0;         // counted up to the limit asked for
    bool exhausted = false;    // the budget ran out: solutions is only how many were found
    Board first;               // the board with the first solution written in, when solutions >= 1
    Board second;              // and another one, when solutions >= 2
};

// Counts the solutions of the board's task up to limit (at least 1) and keeps
// the first. Runs are read from the squares themselves: a run is a maximal
// line of entry squares across or down, and the square before it must be a
// clue with a sum for that direction. Digits already on the board stay. The
// search keeps a set of candidate digits per square, narrows them run by run
// through the combinations of the run's (length, sum) that fit, until nothing
// changes, then branches on the square with the fewest candidates.
// A budget above 0 bounds the dead ends the whole search may meet.
ExactResult solveExact(const Board& board, const CombinationTable& table, int limit = 2,
                       long budget = 0);

enum class TaskVerdict : std::uint8_t { kMalformed, kNoSolution, kUnique, kSeveral };

struct TaskClass {
    TaskVerdict verdict = TaskVerdict::kNoSolution;
    std::string reason;        // kMalformed: why
    std::string playerReason;  // kMalformed: why, in Czech for the player (UTF-8)
    int solutions = 0;         // kSeveral: 2, as far as the count goes
    Board solution;            // kUnique: the board solved
};

// The task sorted by what a player can make of it: its solutions counted up
// to 2.
TaskClass classifyTask(const Board& board, const CombinationTable& table);
// The same within a budget of dead ends as solveExact takes it (0: none);
// nothing when the budget ran out before the count was sure.
std::optional<TaskClass> classifyTaskWithin(const Board& board, const CombinationTable& table,
                                            long budget);

}  // namespace krizovky
