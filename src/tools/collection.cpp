#include "tools/collection.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include "editor/generator.h"
#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "editor/unique_fill.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/logical_solver.h"
#include "solver/task_check.h"

namespace krizovky {
namespace {

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

constexpr int kAttempts = 8;          // fills of each structure
constexpr int kEasingChanges = 1500;  // digit changes tried to make a task easier
constexpr int kMaxChanges = 1500;     // digit changes to make one fill unique
constexpr int kPerDifficulty = 15;    // tasks of each grade in the collection
constexpr int kSmallest = 6;          // rows and columns of the smallest task

// Every structure filled a few times, each fill made unique and rated; the
// fills that need no trial, by grade.
std::map<Difficulty, std::vector<Made>> fillStructures(
    const std::vector<std::string>& structureLines) {
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
    return made;
}

// Each grade takes its tasks from as many structures as it can, the
// smaller boards first; then they are ordered from small to large.
std::vector<Made> chooseTasks(std::map<Difficulty, std::vector<Made>>& made) {
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
    return chosen;
}

}  // namespace

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
    std::map<Difficulty, std::vector<Made>> made = fillStructures(structureLines);
    const std::vector<Made> chosen = chooseTasks(made);
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
