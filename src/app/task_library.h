#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/keyboard.h"
#include "app/rules.h"
#include "app/task_choice.h"
#include "app/task_editor.h"
#include "app/text_editor.h"
#include "editor/task_maker.h"

namespace krizovky {

class GameHelp;
class GamePersistence;
class PlaySession;
class SolverSession;

// The tasks the player chooses from: the task file and its list ("&Výběr
// úlohy", "&Soubor úloh", "moje úlohy"), the load of the chosen task onto the
// board ("&Znovu" and the list's choice), the two editors of "&Editace", and
// the player's own task file that made and imported tasks go into. While
// the solver runs, every handler does nothing.
class TaskLibrary {
  public:
    TaskLibrary(GameState& state, PlaySession& play, GameHelp& help, SolverSession& solver,
                GamePersistence& persistence)
        : board_(state.board),
          history_(state.history),
          screen_(state.screen),
          requests_(state.requests),
          names_(state.names),
          storage_(state.storage),
          play_(play),
          help_(help),
          solver_(solver),
          persistence_(persistence) {}

    // "&Znovu", and the load that follows a choice in the task list: reads the
    // task called selectedTaskName() and builds a fresh board from it. A load
    // that fails leaves the board and its game as they were.
    void loadTask();
    // "&Znovu": the task loaded afresh, after a question when the game on the
    // board holds Moves that the reload would throw away.
    void reloadTask();

    // "&Výběr úlohy": shows the task list for the board.
    void showTaskList();
    // "&Soubor úloh": chooses another task file.
    void chooseTaskFile();
    // "&Formulář" under "&Editace": shows the task editor window.
    void showTaskEditor();
    // "&Text" under "&Editace": the current task file as text, when it exists.
    void showTextEditor();
    // The list's switch between the collection and "moje úlohy".
    void showOwnTasks(bool own);

    // The task list window.
    void fillTaskList(bool reportErrors);  // on creation, showing and activation
    void selectListedTask(int index);      // a click on a name
    // Double click, " vybráno", a click on the name label: loads the task onto
    // the board, or into the task editor's grid when the editor opened the list.
    void chooseListedTask();
    // The task list opened, filled and the task called name chosen in it, as
    // the player does it; false when the list has no such name.
    bool chooseTaskByName(const std::string& name);
    void cancelTaskList();  // "zruš"
    void closeTaskList();   // the window's own close button: only hidden
    // A key in the task list window: Escape closes it like its close button.
    void taskListKeyPress(Key key);

    TaskEditor& editor() { return editor_; }
    const TaskEditor& editor() const { return editor_; }
    TaskTextEditor& textEditor() { return textEditor_; }
    const TaskTextEditor& textEditor() const { return textEditor_; }
    const TaskListScreen& taskListScreen() const { return choice_.screen(); }
    // The task list's names as the task file holds them (Windows-1250), in
    // the order of its items.
    const std::vector<std::string>& taskListNames() const { return choice_.names(); }
    const std::string& taskFilePath() const { return choice_.taskFilePath(); }
    Place taskFilePlace() const { return choice_.taskFilePlace(); }
    const std::string& selectedTaskName() const { return choice_.selectedName(); }
    bool taskListForEditor() const { return choice_.forEditor(); }
    // The rules for the rules window, from the rules file beside the program.
    RulesText rules() const { return readRules(storage_, names_.programBase + "PRA"); }

    // Set at start, by the headless tool and by tests that skip the dialogs.
    void setTaskFilePath(std::string path) { choice_.setTaskFilePath(std::move(path)); }
    void setSelectedTaskName(std::string name) { choice_.setSelectedName(std::move(name)); }
    void setOwnTaskFilePath(std::string path) { choice_.setOwnTaskFilePath(std::move(path)); }
    const std::string& ownTaskFilePath() const { return choice_.ownTaskFilePath(); }

    // For the other parts of the game.
    // The choice the persistence marks solved and kept tasks in.
    TaskChoice& choice() { return choice_; }
    // The task on the board is named above it.
    void nameTaskOnBoard(const std::string& name);
    // Writes a task into the player's own task file by `write`, which is
    // given the file's path and may decline (false). A missing folder and a
    // failed write are said; true when the task is kept.
    bool keepOwnTask(const std::function<bool(const std::string& path)>& write);
    // A task just kept in the player's own task file, loaded onto the board
    // as a chosen task loads.
    void loadOwnTask(const std::string& name);
    // The structures of the structure file, read at the first need; none
    // when it cannot be read.
    const std::vector<NamedStructure>& structures();

  private:
    // The task chosen in the list onto the board or into the editor's grid.
    void takeListedTask();
    bool solving() const;

    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Requests& requests_;
    const DataFileNames& names_;
    Storage& storage_;
    PlaySession& play_;
    GameHelp& help_;
    SolverSession& solver_;
    GamePersistence& persistence_;

    TaskChoice choice_{requests_, storage_};
    std::optional<std::vector<NamedStructure>> structures_;  // see structures()
    TaskEditor editor_{requests_, names_, choice_, storage_};
    // A save in the text editor shows its names in the task list at once.
    TaskTextEditor textEditor_{requests_, storage_, [this] { choice_.fill(false); }};
};

}  // namespace krizovky
