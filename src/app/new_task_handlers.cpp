// "&Nová úloha…": a task made to the player's order, kept in the player's
// own task file and loaded onto the board; and the list's switch between the
// collection and those tasks.
#include "app/game.h"
#include "app/own_tasks.h"
#include "model/errors.h"
#include "model/text.h"

namespace krizovky {

const std::vector<NamedStructure>& Game::structures() {
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

void Game::openNewTask() {
    if (solving()) return;
    newTask_.open(structures(), freshTaskNumber());
}

void Game::createNewTask() {
    if (!solving()) newTask_.start();
}

void Game::pollNewTask() {
    if (auto task = newTask_.poll()) takeMadeTask(*task);
}

void Game::waitForNewTask() {
    if (auto task = newTask_.wait()) takeMadeTask(*task);
}

void Game::cancelNewTask() {
    newTask_.cancel();
}

void Game::takeMadeTask(const MadeTask& task) {
    if (!task.made) {
        requests_.message(notMadeMessage(task));
        return;
    }
    leaveTask([this, task] {
        const bool kept = keepOwnTask([&](const std::string& path) {
            keepMadeTask(task, storage_, path);
            return true;
        });
        if (!kept) return;
        newTask_.close();
        loadOwnTask(task.name);
    });
}

bool Game::keepOwnTask(const std::function<bool(const std::string& path)>& write) {
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

void Game::loadOwnTask(const std::string& name) {
    choice_.showOwnTasks(true);
    choice_.setSelectedName(name);
    choice_.fill(false);
    screen_.taskNameCaption = "  " + utf8FromCp1250(name) + "  ";
    screen_.taskName = true;
    loadTask();
    takeUpTaskGame();
}

void Game::showOwnTasks(bool own) {
    if (solving()) return;
    choice_.showOwnTasks(own);
    choice_.fill(true);
}

}  // namespace krizovky
