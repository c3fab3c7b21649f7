// "&Nová úloha…": a task made to the player's order, kept in the player's
// own task file and loaded onto the board; and the list's switch between the
// collection and those tasks.
#include "app/game_persistence.h"
#include "app/new_tasks.h"
#include "app/own_tasks.h"
#include "app/solver_session.h"
#include "app/task_library.h"
#include "editor/task_form.h"
#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {

const std::vector<NamedStructure>& TaskLibrary::structures() {
    if (!structures_) {
        structures_.emplace();
        try {
            *structures_ =
                readStructures(splitLines(storage_.read(Place::kShipped, names_.structureFile)));
        } catch (const RunError&) {
            // Without the file the dialog offers the maker's own sizes only.
        }
    }
    return *structures_;
}

void NewTasks::openNewTask() {
    if (solving()) return;
    newTask_.open(tasks_.structures(), freshTaskNumber());
}

void NewTasks::createNewTask() {
    if (!solving()) newTask_.start();
}

void NewTasks::pollNewTask() {
    if (auto task = newTask_.poll()) takeMadeTask(*task);
}

void NewTasks::waitForNewTask() {
    if (auto task = newTask_.wait()) takeMadeTask(*task);
}

void NewTasks::cancelNewTask() {
    newTask_.cancel();
}

void NewTasks::openDailyTask(CalendarDate today) {
    if (solving()) return;
    const std::string name = dailyTaskName(today);
    const std::string& path = tasks_.ownTaskFilePath();
    if (path.empty()) {
        requests_.error(kNoOwnTaskFolder);
        return;
    }
    std::optional<std::string> kept;
    try {
        if (storage_.exists(Place::kPlayerData, path))
            kept = replacedTaskName(readTaskFile(storage_, Place::kPlayerData, path), name);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    if (kept) {
        persistence_.leaveTask([this, name] { tasks_.loadOwnTask(name); });
        return;
    }
    newTask_.startDaily(today);
}

void NewTasks::takeMadeTask(const MadeTask& task) {
    if (!task.made) {
        requests_.message(newTask_.screen().daily
                              ? task.failure + " Úlohu dne se vytvořit nepodařilo."
                              : notMadeMessage(task));
        return;
    }
    persistence_.leaveTask([this, task] {
        const bool kept = tasks_.keepOwnTask([&](const std::string& path) {
            keepMadeTask(task, storage_, path);
            return true;
        });
        if (!kept) return;
        newTask_.close();
        tasks_.loadOwnTask(task.name);
    });
}

bool TaskLibrary::keepOwnTask(const std::function<bool(const std::string& path)>& write) {
    const std::string& path = choice_.ownTaskFilePath();
    if (path.empty()) {
        requests_.error(kNoOwnTaskFolder);
        return false;
    }
    try {
        return write(path);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return false;
    }
}

void TaskLibrary::loadOwnTask(const std::string& name) {
    choice_.showOwnTasks(true);
    choice_.setSelectedName(name);
    choice_.fill(false);
    nameTaskOnBoard(name);
    loadTask();
    persistence_.takeUpTaskGame();
}

void TaskLibrary::showOwnTasks(bool own) {
    if (solving()) return;
    choice_.showOwnTasks(own);
    choice_.fill(true);
}

bool NewTasks::solving() const {
    return solver_.solving();
}

}  // namespace krizovky
