#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/board_picture.h"
#include "model/storage.h"

namespace krizovky {

class Game;

// What the player can put on paper or into a file from the board on screen.
enum class PrintedContent : std::uint8_t {
    kTask,      // the task as it is to be solved: empty entry squares
    kGame,      // the game as it stands: the digits on the board
    kSolution,  // the task's one solution
};

struct GamePrintout {
    PrintedTask task;  // the task, its grade, and its solution when it has exactly one
    BoardPicture game;

    // The solution is offered only for a task with exactly one.
    bool offers(PrintedContent content) const {
        return content != PrintedContent::kSolution || task.solution.has_value();
    }
    // The picture of an offered content, with the task's name and grade as
    // its caption.
    const BoardPicture& picture(PrintedContent content) const;
};

// The board of the game under the name shown above it. Nothing is shown
// before the first task is loaded: no printout then.
std::optional<GamePrintout> printoutOfGame(const Game& game);

// Every task of the task file at path, in file order (see tasksOfFile). A
// file that cannot be read throws RunError with the system's text.
std::vector<TaskOfFile> readTasksOfFile(Storage& storage, Place place, const std::string& file);

// The tasks chosen for a booklet, by their places in file order, made ready
// for paper, each graded by the solvers; a task that cannot be read is left
// out.
std::vector<PrintedTask> printedTasks(const std::vector<TaskOfFile>& tasks,
                                      const std::vector<int>& chosen,
                                      const CombinationTable& table);

}  // namespace krizovky
