#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_grid.h"
#include "editor/task_shape.h"
#include "model/combination_table.h"
#include "solver/logical_solver.h"

namespace krizovky {

// The sizes a player chooses from: shapes of the task maker's own of 8 x 8,
// 11 x 11 and 15 x 15 squares (the clue row and column counted), or a
// structure given with the request.
enum class TaskSize : std::uint8_t { kSmall, kMedium, kLarge, kStructure };

// "malá", "střední", "velká" (UTF-8); "" for kStructure.
const char* taskSizeName(TaskSize size);

// A structure of the structure file: its name (Windows-1250, as
// structureNames gives it), its place in the file from 1 and its shape.
struct NamedStructure {
    std::string name;
    int place = 0;
    TaskShape shape;
};

// Every structure of the lines of a structure file, in file order.
std::vector<NamedStructure> readStructures(const std::vector<std::string>& lines);

// The numbers a task is made from: 0 to kMaxTaskNumber.
inline constexpr int kMaxTaskNumber = 9999;

struct TaskRequest {
    Difficulty grade = Difficulty::kEasy;  // kEasy to kVeryHard
    TaskSize size = TaskSize::kLarge;
    NamedStructure structure;  // kStructure: the shape kept as it is
    int number = 0;
};

// What makeTask made. When made is false, only the name, the description,
// the failure, attempts, ratings and seconds tell anything.
struct MadeTask {
    bool made = false;
    bool cancelled = false;
    std::string failure;  // why nothing was made (UTF-8)
    // The name the game gives the task (Windows-1250), e.g. "L 11 4711": the
    // grade's letter, the board's side for the player's sizes (8, 11, 15) or
    // the structure's letter in the structure file ("a" for the first), and
    // the number. It fits the task list's narrow column.
    std::string name;
    // The whole of it for a tool tip (UTF-8), e.g. "lehká, střední 11 × 11,
    // číslo 4711".
    std::string description;
    // The task file text of the task: an empty line, "@" and the name, and
    // its 15 row lines, each ended by CR LF (Windows-1250).
    std::string text;
    EditorGrid grid;  // the task: clues with their sums, entry squares with their digits
    Difficulty grade = Difficulty::kEasy;
    int attempts = 0;    // fills tried
    long ratings = 0;    // logical solves the search made
    double seconds = 0;  // time taken; the task never depends on it
};

// Stops a making from another thread, and hears how far it got. Neither
// changes what is made: a making that is not stopped makes the same task.
struct MakeControl {
    const std::atomic<bool>* cancel = nullptr;  // set to stop; the result is then not made
    // Called now and then from the making thread: the attempt under way
    // (from 1) and the most attempts the making takes.
    std::function<void(int attempt, int maxAttempts)> progress;
};

// Makes the task of a request: a shape (the request's structure, or one of
// the task maker's own drawn from the number), digits with no digit twice in
// a run, and sums from them; then digits are changed one at a time, each
// change kept when it brings the logical solver closer to solving the task
// with just the techniques of the grade asked and no easier ones. The task
// is made when the logical solver rates it so and the exact solver finds
// exactly one solution. Everything is drawn from TaskRandom seeded by grade,
// size (or shape) and number, so a request gives the same task every time.
// After a bounded number of attempts without such a task, made is false.
MadeTask makeTask(const TaskRequest& request, const CombinationTable& table,
                  const MakeControl& control = {});

// The request of the task editor's " generuj jedinečnou": the structure of
// the grid (see shapeOfGrid), or a shape of size "velká" drawn from the
// number when every cell of the grid is empty (" " or no text).
TaskRequest requestForGrid(const EditorGrid& grid, Difficulty grade, int number);

// The grade's letter of the names: "L", "S", "T", "V".
const char* gradeLetter(Difficulty grade);

// The description of a name that makeTask gives (UTF-8); nothing for any
// other name. structures are those of the structure file the task was made
// from, for the names of structures.
std::optional<std::string> describeTaskName(const std::string& name,
                                            const std::vector<NamedStructure>& structures);

}  // namespace krizovky
