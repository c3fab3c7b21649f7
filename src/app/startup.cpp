#include "app/game.h"
#include "app/own_tasks.h"
#include "model/errors.h"

namespace krizovky {

void Game::start(const std::string& executablePath) {
    std::string records;
    try {
        records =
            state_.storage.read(Place::kShipped, dataFileNames(executablePath).combinationFile);
    } catch (const RunError& e) {
        // Without the table nothing else is set up, not even the task file.
        formNames(executablePath);
        state_.requests.failure(e.what());
        return;
    }
    start(executablePath, records);
}

void Game::formNames(const std::string& executablePath) {
    state_.board.prevRowCount = 0;
    state_.board.prevColCount = 0;
    tasks_.choice().setForEditor(false);
    state_.names = dataFileNames(executablePath);
}

void Game::start(const std::string& executablePath, std::string_view records) {
    formNames(executablePath);
    tasks_.choice().setShippedTaskFilePath(state_.names.defaultTaskFile);
    tasks_.setOwnTaskFilePath(krizovky::ownTaskFilePath());
    // The names "Nová úloha" gives tell all in a tool tip.
    tasks_.choice().setDescriber([this](const std::string& name) {
        if (auto daily = describeDailyTask(name)) return daily;
        return describeTaskName(name, tasks_.structures());
    });
    try {
        state_.table.load(records);
    } catch (const RunError& e) {
        state_.requests.failure(e.what());
    }
}

void Game::quit() {
    // A search under way ends here, stopped, instead of waiting for a slice
    // that no window will give it.
    solver_.stopForQuit();
    play_.releaseSquares(state_.board.rowCount, state_.board.colCount);
    terminate_ = true;
}

}  // namespace krizovky
