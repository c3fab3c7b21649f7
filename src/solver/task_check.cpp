#include "solver/task_check.h"

namespace krizovky {

TaskCheck checkTask(const Board& board, const CombinationTable& table) {
    TaskClass found = classifyTask(board, table);
    TaskCheck check;
    check.verdict = found.verdict;
    check.reason = std::move(found.reason);
    if (check.verdict == TaskVerdict::kUnique) {
        check.difficulty = difficultyOf(solveLogically(board, table));
        check.solution = found.solution;
    }
    return check;
}

std::string verdictText(const TaskCheck& check) {
    switch (check.verdict) {
        case TaskVerdict::kUnique:
            return std::string("jediné řešení, ") + difficultyName(check.difficulty);
        case TaskVerdict::kSeveral:
            return "více řešení";
        case TaskVerdict::kNoSolution:
            return "bez řešení";
        case TaskVerdict::kMalformed:
            break;
    }
    return "chybná úloha";
}

const char* collectionGradeName(Difficulty d) {
    return d == Difficulty::kVeryHard ? "expert" : difficultyName(d);
}

}  // namespace krizovky
