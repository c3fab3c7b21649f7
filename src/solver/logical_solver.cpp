#include "solver/logical_solver.h"

#include <vector>

#include "solver/ladder.h"

namespace krizovky {

Difficulty difficultyOfTechnique(Technique t) {
    const int rung = rungOf(t);
    if (rung <= 2) return Difficulty::kEasy;
    if (rung <= 4) return Difficulty::kMedium;
    if (rung <= 6) return Difficulty::kHard;
    return Difficulty::kVeryHard;
}

LogicalSolve solveLogically(const Board& board, const CombinationTable& table, bool keepDeductions,
                            Technique hardestAllowed) {
    LogicalSolve result;
    result.board = board;
    ladder::Ladder ladder(board, table);
    if (ladder.malformed()) {
        result.malformed = true;
        return result;
    }
    if (!ladder.start(board)) {
        result.contradiction = true;
        return result;
    }
    ladder::Found found;
    std::vector<Placement> placements;
    while (true) {
        if (ladder.allDecided()) {
            result.solved = ladder.decidedRunsHold();
            result.contradiction = !result.solved;
            break;
        }
        if (!ladder.find(found, hardestAllowed)) break;
        ++result.steps;
        if (result.steps == 1 || rungOf(found.technique) > rungOf(result.hardest))
            result.hardest = found.technique;
        bool sound;
        const std::vector<Placement>* placed = &placements;
        if (keepDeductions) {
            Deduction d = ladder.describe(found);
            sound = ladder.apply(found, &d.placements);
            result.deductions.push_back(std::move(d));
            placed = &result.deductions.back().placements;
        } else {
            placements.clear();
            sound = ladder.apply(found, &placements);
        }
        for (const Placement& p : *placed)
            result.decidedAtRung[p.row][p.col] = static_cast<std::uint8_t>(rungOf(result.hardest));
        if (!sound) {
            result.contradiction = true;
            break;
        }
    }
    ladder.writeDigits(result.board);
    ladder.writeCandidates(result.candidates);
    return result;
}

Difficulty difficultyOf(const LogicalSolve& s) {
    if (!s.solved) return Difficulty::kNeedsTrial;
    return s.steps == 0 ? Difficulty::kEasy : difficultyOfTechnique(s.hardest);
}

std::vector<Deduction> stepsToNextPlacement(const Board& board, const CombinationTable& table) {
    std::vector<Deduction> steps;
    ladder::Ladder ladder(board, table);
    if (ladder.malformed() || !ladder.start(board)) return steps;
    ladder::Found found;
    while (!ladder.allDecided() && ladder.find(found)) {
        Deduction d = ladder.describe(found);
        if (!ladder.apply(found, &d.placements)) return {};
        const bool placed = !d.placements.empty();
        steps.push_back(std::move(d));
        if (placed) return steps;
    }
    return {};
}

}  // namespace krizovky
