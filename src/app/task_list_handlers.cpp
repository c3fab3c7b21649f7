// The handlers of the task list and the task file: the choice of a task,
// loaded onto the board or into the task editor's grid.
#include <algorithm>

#include "app/game.h"
#include "model/text.h"

namespace krizovky {

void Game::reloadTask() {
    if (solving()) return;
    auto reload = [this] {
        loadTask();
        // Afresh means afresh also when the player comes back to the task.
        dropGameInProgress(boardTask_);
    };
    // Notes go with the Moves: both count as the game in progress.
    if (history_.moveCount == 0 && !hasNotes(board_)) return reload();
    requests_.askYesNo("Začít úlohu znovu? Rozehraná hra se ztratí.", [this, reload](bool yes) {
        if (yes && !solving()) reload();
    });
}

void Game::showTaskList() {
    if (solving()) return;
    choice_.showList(false);
    screen_.taskName = false;
}

void Game::chooseTaskFile() {
    if (solving()) return;
    FileDialog dialog = fileDialogIn(names_.programDir, "soubory se zadáním úloh", "úlohy", "kri");
    dialog.promptToCreate = true;
    requests_.chooseFile(dialog, [this](const std::optional<std::string>& chosen) {
        if (!chosen || solving()) return;
        choice_.setTaskFilePath(*chosen);
        choice_.setSelectedName({});
        screen_.taskName = false;
    });
}

void Game::showTaskEditor() {
    if (!solving()) editor_.show();
}

void Game::fillTaskList(bool reportErrors) {
    choice_.fill(reportErrors);
    markSolvedTasks();
    markTasksInProgress();
}

void Game::selectListedTask(int index) {
    if (!solving()) choice_.select(index);
}

void Game::chooseListedTask() {
    if (solving() || !choice_.canChoose()) return;
    // The game on the board is kept for its task before the list lets go.
    if (choice_.forEditor()) return takeListedTask();
    leaveTask([this] {
        if (!solving() && choice_.canChoose()) takeListedTask();
    });
}

void Game::takeListedTask() {
    if (!choice_.choose()) return;
    screen_.taskNameCaption = "  " + utf8FromCp1250(choice_.selectedName()) + "  ";
    screen_.taskName = true;
    if (choice_.forEditor()) {
        editor_.loadTaskIntoGrid();
    } else {
        loadTask();
        takeUpTaskGame();
    }
}

bool Game::chooseTaskByName(const std::string& name) {
    showTaskList();
    fillTaskList(true);
    const auto& names = choice_.names();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return false;
    selectListedTask(static_cast<int>(found - names.begin()));
    chooseListedTask();
    return true;
}

void Game::closeTaskList() {
    choice_.hide();
}

void Game::cancelTaskList() {
    choice_.cancel();
    screen_.taskName = false;
}

}  // namespace krizovky
