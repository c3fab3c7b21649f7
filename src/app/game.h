#pragma once

#include <cstdint>
#include <string>

#include "app/combination_table.h"
#include "app/data_files.h"
#include "app/host.h"
#include "app/screen.h"
#include "history/move_history.h"
#include "model/board.h"

namespace krizovky {

enum class Level : std::uint8_t { k100 = 0, k130 = 1, k160 = 2, k70 = 3 };

struct SquarePosition {
    int row = 0;  // 0 and 0: none
    int column = 0;
    bool none() const { return row == 0; }
};

// The main window's state for the whole run and the logic of its handlers.
// The window draws screen() and taskListScreen() after each call; everything
// modal goes through the Host.
class Game {
public:
    explicit Game(Host& host) : host_(host) {}

    // Start-up: the data file names, the combination table, the task file.
    void FormCreate(const std::string& executablePath);
    // The end of the program, by "&Konec" or by closing the window: the
    // squares are released once.
    void FormDestroy();

    // "&Znovu", and the load that follows a choice in the task list: reads the
    // task called selectedTaskName() and builds a fresh board from it. A load
    // that fails leaves the board and its game as they were.
    void loadTask();
    void H1Click() { loadTask(); }

    // The one way to colour a square: a colour, or kNaturalColour.
    void paintSquare(int row, int column, Colour colour);

    // "&Výběr úlohy": shows the task list for the board.
    void N1Click();
    // "&Soubor úloh": chooses another task file.
    void S1Click();

    // The task list window.
    void fillTaskList(bool reportErrors);  // on creation, showing and activation
    void selectListedTask(int index);      // a click on a name
    void chooseListedTask();               // double click, " vybráno", a click on the name label
    void cancelTaskList();                 // "zruš"
    void closeTaskList();                  // the window's own close button: only hidden

    const MainScreen& screen() const { return screen_; }
    const TaskListScreen& taskListScreen() const { return taskList_; }
    const Board& board() const { return board_; }
    const CombinationTable& combinations() const { return table_; }
    const DataFileNames& fileNames() const { return names_; }
    const MoveHistory& history() const { return history_; }
    const std::string& taskFilePath() const { return taskFilePath_; }
    const std::string& selectedTaskName() const { return selectedTaskName_; }
    bool taskListForEditor() const { return taskListForEditor_; }
    Level level() const { return level_; }
    SquarePosition currentSquare() const { return current_; }
    bool terminateRequested() const { return terminate_; }

    // Set directly by the headless tool and by tests that skip the dialogs.
    void setTaskFilePath(std::string path) { taskFilePath_ = std::move(path); }
    void setSelectedTaskName(std::string name) { selectedTaskName_ = std::move(name); }

private:
    // Takes the squares of a board of that size off the screen; the first
    // build of a run has none to take.
    void releaseSquares(int rows, int columns);
    void buildSquares();
    void setGauge(int position, int maximum);

    Host& host_;
    Board board_;
    CombinationTable table_;
    DataFileNames names_;
    MoveHistory history_;
    MainScreen screen_;
    TaskListScreen taskList_;
    std::string taskFilePath_;
    std::string selectedTaskName_;
    bool taskListForEditor_ = false;
    Level level_ = Level::k100;
    bool checkEntries_ = true;  // "&Kontrolovat"
    SquarePosition current_;
    bool terminate_ = false;
};

}  // namespace krizovky
