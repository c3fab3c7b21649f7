#include "tools/collection.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include "editor/generator.h"
#include "editor/random.h"
#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/exact_solver.h"
#include "solver/logical_solver.h"
#include "solver/task_check.h"

namespace krizovky {
namespace {

// Dead ends the exact solver may meet on one task here: a task whose count
// takes longer is given up rather than waited for.
constexpr long kSearchBudget = 20000;

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

EditorGrid withSums(const EditorGrid& filled) {
    EditorGrid summed = filled;
    computeSums(summed);
    return summed;
}

// How many rows and columns a structure reaches: its last ones with a cell
// that is not blank.
struct Extent {
    int rows = 0;
    int cols = 0;
};

Extent extentOf(const EditorGrid& grid) {
    Extent extent;
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (grid.at(c, r) != "x") {
                extent.rows = std::max(extent.rows, r);
                extent.cols = std::max(extent.cols, c);
            }
    return extent;
}

struct Made {
    Difficulty difficulty = Difficulty::kEasy;
    Extent extent;
    int structure = 0;
    int attempt = 0;
    EditorGrid grid;  // with its sums
};

// The task lines of the task called name in the lines of a task file: its
// name line and its row lines, each ended by CR LF.
std::string taskLines(const std::vector<std::string>& lines, const std::string& name) {
    std::string text;
    bool inside = false;
    for (const auto& line : lines) {
        const bool nameLine = !isBlankLine(line) && isNameLine(line);
        if (nameLine) inside = nameOfLine(line) == name && text.empty();
        if (inside && !isBlankLine(line)) text += line + "\r\n";
    }
    return text;
}

// How hard a unique task is for a person: the rung of the hardest technique
// the logical solver needs, and how many times it needs one of that rung; a
// task the ladder does not finish weighs more than any.
struct Hardness {
    int rung = 0;
    int uses = 0;
    bool operator<=(const Hardness& other) const {
        return rung < other.rung || (rung == other.rung && uses <= other.uses);
    }
};

std::optional<Hardness> hardnessOf(const EditorGrid& filled) {
    const CombinationTable& table = completeCombinationTable();
    const Board board = taskBoard(withSums(filled));
    const ExactResult found = solveExact(board, table, 2, kSearchBudget);
    if (found.exhausted || found.solutions != 1) return std::nullopt;
    const LogicalSolve solve = solveLogically(board, table, true);
    if (!solve.solved) return Hardness{kTechniqueCount + 1, 0};
    Hardness hardness{solve.steps > 0 ? rungOf(solve.hardest) : 0, 0};
    for (const Deduction& step : solve.deductions)
        hardness.uses += rungOf(step.technique) == hardness.rung;
    return hardness;
}

// Changes digits of a unique task at random, keeping each change that leaves
// it unique and no harder, until the logical solver rates it easy or the
// changes run out. The grid keeps the easiest task reached.
void makeEasier(EditorGrid& filled, std::uint32_t& randomSeed, int changes) {
    std::optional<Hardness> now = hardnessOf(filled);
    std::vector<std::pair<int, int>> open;  // (column, row)
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            if (digitAt(filled, c, r) != 0) open.emplace_back(c, r);
    for (int k = 0; k < changes && now && now->rung > 2 && !open.empty(); ++k) {
        const auto [column, row] = open[nextRandom(randomSeed, static_cast<int>(open.size()))];
        const DigitSet seen = digitsSeenFrom(filled, column, row);
        std::vector<int> free;
        for (int d = 1; d <= 9; ++d)
            if ((seen & digitBit(d)) == 0) free.push_back(d);
        if (free.empty()) continue;
        EditorGrid changed = filled;
        changed.at(column, row) = std::string(
            1,
            static_cast<char>('0' + free[nextRandom(randomSeed, static_cast<int>(free.size()))]));
        const std::optional<Hardness> then = hardnessOf(changed);
        if (then && *then <= *now) {
            filled = changed;
            now = then;
        }
    }
}

constexpr int kAttempts = 8;          // fills of each structure
constexpr int kEasingChanges = 1500;  // digit changes tried to make a task easier
constexpr int kMaxChanges = 1500;     // digit changes to make one fill unique
constexpr int kPerDifficulty = 15;    // tasks of each grade in the collection
constexpr int kSmallest = 6;          // rows and columns of the smallest task

}  // namespace

bool makeUnique(EditorGrid& filled, std::uint32_t& randomSeed, int maxChanges) {
    const CombinationTable& table = completeCombinationTable();
    for (int change = 0;; ++change) {
        const Board board = taskBoard(withSums(filled));
        const ExactResult found = solveExact(board, table, 2, kSearchBudget);
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
        const DigitSet seen = digitsSeenFrom(filled, column, row);
        std::vector<int> free;
        for (int d = 1; d <= 9; ++d)
            if ((seen & digitBit(d)) == 0) free.push_back(d);
        if (free.empty()) continue;
        const int digit = free[nextRandom(randomSeed, static_cast<int>(free.size()))];
        filled.at(column, row) = std::string(1, static_cast<char>('0' + digit));
    }
}

int makeCollection(const std::string& structurePath, const std::string& keepPath) {
    std::vector<std::string> structureLines, keepLines;
    try {
        structureLines = splitLines(readFileBytes(structurePath));
        keepLines = splitLines(readFileBytes(keepPath));
    } catch (const RunError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const std::string example = taskLines(keepLines, "priklad");
    if (example.empty()) {
        std::fprintf(stderr, "no task named \"priklad\" in %s\n", keepPath.c_str());
        return 1;
    }
    const int structures = std::min<int>(kMaxStructures, structureNames(structureLines).size());
    const CombinationTable& table = completeCombinationTable();
    std::map<Difficulty, std::vector<Made>> made;
    for (int k = 1; k <= structures; ++k) {
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            Made task;
            task.structure = k;
            task.attempt = attempt;
            drawStructure(task.grid, structureLines, k);
            task.extent = extentOf(task.grid);
            if (task.extent.rows < kSmallest || task.extent.cols < kSmallest) break;
            std::uint32_t seed = static_cast<std::uint32_t>(2 * (1000 * k + attempt) + 1);
            if (!fillWithRetries(task.grid, seed, {}) || !makeUnique(task.grid, seed, kMaxChanges))
                continue;
            // Every other fill is made as easy as it gets, for the easy end.
            if (attempt % 2 == 0) makeEasier(task.grid, seed, kEasingChanges);
            task.grid = withSums(task.grid);
            const TaskCheck check = checkTask(taskBoard(task.grid), table);
            if (check.verdict != TaskVerdict::kUnique) continue;
            if (check.difficulty == Difficulty::kNeedsTrial) continue;
            task.difficulty = check.difficulty;
            std::fprintf(stderr, "structure %d fill %d: %s\n", k, attempt,
                         difficultyName(task.difficulty));
            made[task.difficulty].push_back(std::move(task));
        }
    }
    // Each grade takes its tasks from as many structures as it can, the
    // smaller boards first; then they are ordered from small to large.
    std::vector<Made> chosen;
    for (auto& [difficulty, tasks] : made) {
        std::vector<Made> grade;
        std::map<int, int> taken;  // structure -> tasks taken from it
        for (int round = 0; static_cast<int>(grade.size()) < kPerDifficulty; ++round) {
            bool any = false;
            for (auto& task : tasks)
                if (taken[task.structure] == round && task.attempt > 0 &&
                    static_cast<int>(grade.size()) < kPerDifficulty) {
                    ++taken[task.structure];
                    grade.push_back(task);
                    task.attempt = 0;  // taken
                    any = true;
                }
            if (!any) break;
        }
        std::stable_sort(grade.begin(), grade.end(), [](const Made& a, const Made& b) {
            return a.extent.rows * a.extent.cols < b.extent.rows * b.extent.cols;
        });
        chosen.insert(chosen.end(), grade.begin(), grade.end());
    }
    std::string out = example;
    int number = 0;
    for (const Made& task : chosen) {
        ++number;
        const std::string name = (number < 10 ? "0" : "") + std::to_string(number) + " " +
                                 cp1250FromUtf8(collectionGradeName(task.difficulty));
        std::string text = taskText(task.grid, name);
        out += text.substr(2);  // without the empty line before the name
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fprintf(stderr, "%d tasks\n", number);
    return 0;
}

}  // namespace krizovky
