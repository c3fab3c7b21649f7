#include "app/game_printout.h"

#include "app/game.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {

const BoardPicture& GamePrintout::picture(PrintedContent content) const {
    switch (content) {
        case PrintedContent::kGame:
            return game;
        case PrintedContent::kSolution:
            if (task.solution) return *task.solution;
            break;
        case PrintedContent::kTask:
            break;
    }
    return task.task;
}

std::optional<GamePrintout> printoutOfGame(const Game& game) {
    const MainScreen& screen = game.screen();
    if (!screen.boardPanel) return std::nullopt;
    // The name stands between blanks above the board.
    std::string name = screen.taskNameCaption;
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);

    GamePrintout printout;
    printout.task = printedTask(game.board(), cp1250FromUtf8(name), game.combinations());
    printout.game = pictureOfGame(game.board());
    printout.game.caption = printout.task.task.caption;
    return printout;
}

std::vector<TaskOfFile> readTasksOfFile(Storage& storage, Place place, const std::string& file) {
    return tasksOfFile(splitLines(readTaskFile(storage, place, file)));
}

std::vector<PrintedTask> printedTasks(const std::vector<TaskOfFile>& tasks,
                                      const std::vector<int>& chosen,
                                      const CombinationTable& table) {
    std::vector<PrintedTask> printed;
    for (int index : chosen) {
        if (index < 0 || index >= static_cast<int>(tasks.size())) continue;
        const TaskOfFile& task = tasks[static_cast<std::size_t>(index)];
        if (task.error.empty()) printed.push_back(printedTask(task.board, task.name, table));
    }
    return printed;
}

}  // namespace krizovky
