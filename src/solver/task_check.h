#pragma once

#include <string>

#include "model/board.h"
#include "model/combination_table.h"
#include "solver/exact_solver.h"
#include "solver/logical_solver.h"

namespace krizovky {

// What an author learns of a task at once: whether it is sound, how many
// solutions it has (counted up to 2) and, when it has exactly one, how hard a
// person finds it.
struct TaskCheck {
    TaskVerdict verdict = TaskVerdict::kNoSolution;
    std::string reason;                         // kMalformed: why
    Difficulty difficulty = Difficulty::kEasy;  // kUnique: from the logical solver
    Board solution;                             // kUnique: the board solved
};

TaskCheck checkTask(const Board& board, const CombinationTable& table);

// The verdict as one word group, UTF-8: "jediné řešení, lehká", "více
// řešení", "bez řešení" or "chybná úloha".
std::string verdictText(const TaskCheck& check);

// The grade as the names of the shipped collection give it, UTF-8: "lehká",
// "střední", "těžká" and "expert" for a very hard task, so that "NN expert"
// fits the task list's narrow column as "NN velmi těžká" would not.
const char* collectionGradeName(Difficulty d);

}  // namespace krizovky
