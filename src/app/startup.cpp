#include "app/game.h"
#include "app/own_tasks.h"
#include "model/errors.h"

namespace krizovky {

void Game::start(const std::string& executablePath) {
    std::string records;
    try {
        records = storage_.read(Place::kShipped, dataFileNames(executablePath).combinationFile);
    } catch (const RunError& e) {
        // Without the table nothing else is set up, not even the task file.
        formNames(executablePath);
        requests_.failure(e.what());
        return;
    }
    start(executablePath, records);
}

void Game::formNames(const std::string& executablePath) {
    board_.prevRowCount = 0;
    board_.prevColCount = 0;
    choice_.setForEditor(false);
    names_ = dataFileNames(executablePath);
}

void Game::start(const std::string& executablePath, std::string_view records) {
    formNames(executablePath);
    choice_.setShippedTaskFilePath(names_.defaultTaskFile);
    choice_.setOwnTaskFilePath(krizovky::ownTaskFilePath());
    // The names "Nová úloha" gives tell all in a tool tip.
    choice_.setDescriber(
        [this](const std::string& name) { return describeTaskName(name, structures()); });
    try {
        table_.load(records);
    } catch (const RunError& e) {
        requests_.failure(e.what());
    }
}

void Game::quit() {
    // A search under way ends here, stopped, instead of waiting for a slice
    // that no window will give it.
    solverRun_.requestStop();
    advanceSolve(SolverRun::Clock::now());
    releaseSquares(board_.rowCount, board_.colCount);
    terminate_ = true;
}

}  // namespace krizovky
