#include "editor/unique_fill.h"

#include <string>
#include <utility>
#include <vector>

#include "editor/generator.h"
#include "editor/random.h"
#include "editor/task_form.h"
#include "model/combination_table.h"
#include "solver/exact_solver.h"
#include "solver/logical_solver.h"

namespace krizovky {
namespace {

int digitAt(const EditorGrid& grid, int column, int row) {
    if (!EditorGrid::contains(column, row)) return 0;
    const std::string& text = grid.at(column, row);
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : 0;
}

// The digits of the runs through (column, row), the square's own included.
DigitSet digitsSeenFrom(const EditorGrid& grid, int column, int row) {
    DigitSet seen = digitBit(digitAt(grid, column, row));
    for (int step : {-1, 1}) {
        for (int c = column + step; digitAt(grid, c, row) != 0; c += step)
            seen |= digitBit(digitAt(grid, c, row));
        for (int r = row + step; digitAt(grid, column, r) != 0; r += step)
            seen |= digitBit(digitAt(grid, column, r));
    }
    return seen;
}

// A digit that the runs through (column, row) do not hold, drawn with the
// editor's generator; 0 when there is none (and nothing drawn).
int freeDigit(const EditorGrid& grid, int column, int row, std::uint32_t& randomSeed) {
    const DigitSet seen = digitsSeenFrom(grid, column, row);
    std::vector<int> free;
    for (int d = 1; d <= 9; ++d)
        if ((seen & digitBit(d)) == 0) free.push_back(d);
    if (free.empty()) return 0;
    return free[nextRandom(randomSeed, static_cast<int>(free.size()))];
}

}  // namespace

EditorGrid withSums(const EditorGrid& filled) {
    EditorGrid summed = filled;
    computeSums(summed);
    return summed;
}

std::optional<Hardness> hardnessOf(const EditorGrid& filled) {
    const CombinationTable& table = completeCombinationTable();
    const Board board = taskBoard(withSums(filled));
    const ExactResult found = solveExact(board, table, 2, kUniqueSearchBudget);
    if (found.exhausted || found.solutions != 1) return std::nullopt;
    const LogicalSolve solve = solveLogically(board, table, true);
    if (!solve.solved) return Hardness{kTechniqueCount + 1, 0};
    Hardness hardness{solve.steps > 0 ? rungOf(solve.hardest) : 0, 0};
    for (const Deduction& step : solve.deductions)
        hardness.uses += rungOf(step.technique) == hardness.rung;
    return hardness;
}

void makeEasier(EditorGrid& filled, std::uint32_t& randomSeed, int changes) {
    std::optional<Hardness> now = hardnessOf(filled);
    std::vector<std::pair<int, int>> open;  // (column, row)
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (digitAt(filled, c, r) != 0) open.emplace_back(c, r);
    for (int k = 0; k < changes && now && now->rung > 2 && !open.empty(); ++k) {
        const auto [column, row] = open[nextRandom(randomSeed, static_cast<int>(open.size()))];
        const int digit = freeDigit(filled, column, row, randomSeed);
        if (digit == 0) continue;
        EditorGrid changed = filled;
        changed.at(column, row) = std::string(1, static_cast<char>('0' + digit));
        const std::optional<Hardness> then = hardnessOf(changed);
        if (then && *then <= *now) {
            filled = changed;
            now = then;
        }
    }
}

bool makeUnique(EditorGrid& filled, std::uint32_t& randomSeed, int maxChanges) {
    const CombinationTable& table = completeCombinationTable();
    for (int change = 0;; ++change) {
        const Board board = taskBoard(withSums(filled));
        const ExactResult found = solveExact(board, table, 2, kUniqueSearchBudget);
        if (found.exhausted) return false;  // too hard to prove either way
        if (found.solutions == 1) return true;
        if (found.solutions == 0 || change == maxChanges) return false;
        std::vector<std::pair<int, int>> differing;  // (column, row)
        for (int r = 1; r <= kEditorSize; ++r)
            for (int c = 1; c <= kEditorSize; ++c)
                if (board.isEntry(r, c) &&
                    found.first.at(r, c).digit != found.second.at(r, c).digit)
                    differing.emplace_back(c, r);
        if (differing.empty()) return false;
        const auto [column, row] =
            differing[nextRandom(randomSeed, static_cast<int>(differing.size()))];
        const int digit = freeDigit(filled, column, row, randomSeed);
        if (digit == 0) continue;
        filled.at(column, row) = std::string(1, static_cast<char>('0' + digit));
    }
}

}  // namespace krizovky
