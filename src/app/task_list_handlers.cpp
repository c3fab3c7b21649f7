// The handlers of the task list and the task file: the choice of a task,
// loaded onto the board or into the task editor's grid.
#include <algorithm>

#include "app/task_library.h"

#include "app/game_persistence.h"
#include "app/solver_session.h"
#include "history/notes.h"
#include "model/text.h"

namespace krizovky {

void TaskLibrary::reloadTask() {
    if (solving()) return;
    auto reload = [this] {
        loadTask();
        // Afresh means afresh also when the player comes back to the task.
        persistence_.dropGameInProgress(persistence_.boardTask());
    };
    // Notes go with the Moves: both count as the game in progress.
    if (history_.moveCount == 0 && !hasNotes(board_)) return reload();
    requests_.askYesNo("Začít úlohu znovu? Rozehraná hra se ztratí.", [this, reload](bool yes) {
        if (yes && !solving()) reload();
    });
}

void TaskLibrary::showTaskList() {
    if (solving()) return;
    choice_.showList(false);
    screen_.taskName = false;
}

void TaskLibrary::chooseTaskFile() {
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

void TaskLibrary::showTextEditor() {
    if (!solving()) textEditor_.open(choice_.taskFilePlace(), choice_.taskFilePath());
}

void TaskLibrary::nameTaskOnBoard(const std::string& name) {
    screen_.taskNameCaption = "  " + utf8FromCp1250(name) + "  ";
    screen_.taskName = true;
}

bool TaskLibrary::solving() const {
    return solver_.solving();
}

void TaskLibrary::showTaskEditor() {
    if (!solving()) editor_.show();
}

void TaskLibrary::fillTaskList(bool reportErrors) {
    choice_.fill(reportErrors);
    persistence_.markSolvedTasks();
    persistence_.markTasksInProgress();
}

void TaskLibrary::selectListedTask(int index) {
    if (!solving()) choice_.select(index);
}

void TaskLibrary::chooseListedTask() {
    if (solving() || !choice_.canChoose()) return;
    // The game on the board is kept for its task before the list lets go.
    if (choice_.forEditor()) return takeListedTask();
    persistence_.leaveTask([this] {
        if (!solving() && choice_.canChoose()) takeListedTask();
    });
}

void TaskLibrary::takeListedTask() {
    if (!choice_.choose()) return;
    nameTaskOnBoard(choice_.selectedName());
    if (choice_.forEditor()) {
        editor_.loadTaskIntoGrid();
    } else {
        loadTask();
        persistence_.takeUpTaskGame();
    }
}

bool TaskLibrary::chooseTaskByName(const std::string& name) {
    showTaskList();
    fillTaskList(true);
    const auto& names = choice_.names();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return false;
    selectListedTask(static_cast<int>(found - names.begin()));
    chooseListedTask();
    return true;
}

void TaskLibrary::closeTaskList() {
    choice_.hide();
}

void TaskLibrary::cancelTaskList() {
    choice_.cancel();
    screen_.taskName = false;
}

void TaskLibrary::taskListKeyPress(Key key) {
    if (!solving() && key == Key::kEscape) closeTaskList();
}

}  // namespace krizovky
