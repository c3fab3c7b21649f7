#include "app/game.h"
#include "model/errors.h"
#include "model/task_list.h"
#include "model/text.h"

namespace krizovky {

void Game::reloadTask() {
    if (solving()) return;
    if (history_.moveCount > 0 &&
        !host_.askYesNo(cp1250FromUtf8("Začít úlohu znovu? Rozehraná hra se ztratí.")))
        return;
    loadTask();
}

void Game::showTaskList() {
    if (solving()) return;
    selectedTaskName_.clear();
    screen_.taskName = false;
    taskListForEditor_ = false;
    taskList_.visible = true;
}

void Game::chooseTaskFile() {
    if (solving()) return;
    FileDialog dialog;
    dialog.title = cp1250FromUtf8("soubory se zadáním úloh");
    dialog.filterName = cp1250FromUtf8("úlohy");
    dialog.filterPattern = "*.kri";
    dialog.defaultExtension = "kri";
    dialog.initialDirectory = names_.programDir;
    dialog.fileName = names_.programDir + "*.kri";
    dialog.pathMustExist = true;
    dialog.promptToCreate = true;
    auto chosen = host_.chooseFile(dialog);
    if (!chosen) return;
    taskFilePath_ = *chosen;
    screen_.taskName = false;
    selectedTaskName_.clear();
}

void Game::showTaskEditor() {
    if (!solving()) editor_.show();
}

void Game::fillTaskList(bool reportErrors) {
    if (taskFilePath_.empty()) return;
    std::vector<std::string> names;
    try {
        names = readTaskNames(taskFilePath_);
    } catch (const RunError& e) {
        // The list keeps what it showed. Only the showing reports the failure:
        // reporting it on every activation would bring the box back each time
        // it closes.
        if (reportErrors) host_.failure(e.what());
        return;
    }
    sortTaskNames(names);
    // A refill keeps the name the player had selected, so a choice made before
    // switching windows still holds.
    std::string selectedName;
    if (taskList_.selected >= 0 && taskList_.selected < static_cast<int>(taskList_.items.size()))
        selectedName = taskList_.items[taskList_.selected];
    taskList_.items = std::move(names);
    taskList_.selected = -1;
    if (!selectedName.empty()) {
        for (std::size_t i = 0; i < taskList_.items.size(); ++i) {
            if (taskList_.items[i] == selectedName) {
                taskList_.selected = static_cast<int>(i);
                break;
            }
        }
    }
}

void Game::selectListedTask(int index) {
    if (solving()) return;
    if (index < 0 || index >= static_cast<int>(taskList_.items.size())) return;
    taskList_.selected = index;
    taskList_.chosenName = taskList_.items[index];
}

void Game::chooseListedTask() {
    if (solving()) return;
    if (taskList_.selected < 0 || taskList_.selected >= static_cast<int>(taskList_.items.size()))
        return;
    selectedTaskName_ = taskList_.items[taskList_.selected];
    screen_.taskNameCaption = "  " + selectedTaskName_ + "  ";
    screen_.taskName = true;
    taskList_.chosenName = selectedTaskName_;
    taskList_.visible = false;
    if (taskListForEditor_)
        editor_.loadTaskIntoGrid();
    else
        loadTask();
}

void Game::closeTaskList() {
    taskList_.visible = false;
}

void Game::cancelTaskList() {
    selectedTaskName_.clear();
    screen_.taskName = false;
    taskList_.visible = false;
}

}  // namespace krizovky
