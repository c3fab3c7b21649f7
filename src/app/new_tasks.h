#pragma once

#include <string>
#include <string_view>

#include "app/game_state.h"
#include "app/link_import.h"
#include "app/new_task.h"

namespace krizovky {

class GamePersistence;
class SolverSession;
class TaskLibrary;

// The tasks that come new into the player's own task file and onto the
// board: made by "Nová úloha…" or imported from a link of the public puzzle
// editor; and the link of the task on the board for others.
class NewTasks {
  public:
    NewTasks(GameState& state, TaskLibrary& tasks, SolverSession& solver,
             GamePersistence& persistence)
        : board_(state.board),
          screen_(state.screen),
          requests_(state.requests),
          host_(state.host),
          names_(state.names),
          storage_(state.storage),
          tasks_(tasks),
          solver_(solver),
          persistence_(persistence),
          newTask_(state.table) {}

    // "&Nová úloha…": the dialog "nová úloha" with a fresh number. "vytvoř"
    // starts making the task as a job that the front-end runs where it likes
    // (newTask().useRunner: the desktop, on a thread); pollNewTask, called by
    // the dialog while it works, takes the task once it is ready: it is kept
    // in the player's own task file and loaded onto the board as a chosen
    // task is, and the dialog closes. Until then nothing on the board
    // changes; a task that is not made or cannot be kept is reported and the
    // dialog stays. "zruš" stops the making and closes the dialog.
    void openNewTask();
    void createNewTask();   // "vytvoř"
    void pollNewTask();     // the dialog's look at the making under way
    void waitForNewTask();  // the same, waiting for the making to end
    void cancelNewTask();   // "zruš" and the close box
    // "Úloha dne": the task of the day of today's date onto the board. One
    // kept in the player's own task file already is loaded from there with
    // its game; else it is made as a job, as "vytvoř" makes a task, and
    // kept and loaded once ready (pollNewTask).
    void openDailyTask(CalendarDate today);
    NewTaskMaker& newTask() { return newTask_; }
    const NewTaskScreen& newTaskScreen() const { return newTask_.screen(); }

    // "Vložit úlohu z &odkazu…": the dialog that reads a link of the public
    // puzzle editor or its file, shows the board and keeps the task in the
    // player's own task file under the name in its field, then loads it onto
    // the board. clipboard is what the clipboard holds: a link there fills
    // the field.
    void openLinkImport(std::string_view clipboard);
    void setLinkText(std::string_view text);    // the field edited (UTF-8)
    void setImportName(std::string_view name);  // the name field (Windows-1250)
    void chooseLinkFile();                      // "ze souboru…": a pzprv3 file
    void importLinkedTask();                    // "vlož"
    void cancelLinkImport();                    // "zruš" and the close box
    const LinkImportScreen& linkImportScreen() const { return linkImport_; }
    // "Kopírovat &odkaz na úlohu": the link of the task on the board goes to
    // the clipboard and is shown; a task the editor cannot hold is refused
    // with the reason.
    void copyTaskLink();
    // The address the copied links lead to, in place of the public editor's
    // ("https://puzz.link/p"): the web page's own, so that a link opens the
    // task in the page; the link's data follows after "?". Empty: the
    // editor's.
    void useLinkAddress(std::string address) { linkAddress_ = std::move(address); }
    // A link the page was opened with: its task straight onto the board,
    // without the dialog. The task is kept in the player's own task file
    // under the name the import offers ("odkaz 11x11"), or with " (2)", " (3)",
    // ... after it while another task has the name; a task the file holds
    // already under one of those names is loaded from there as it is. A
    // refused link is said with the reason.
    void openLink(std::string_view link);

  private:
    // The end of a making: the task kept and loaded, or what went wrong said.
    void takeMadeTask(const MadeTask& task);
    // "vlož" once the game on the board is kept: the question before a task
    // of the name is replaced, then the task kept and loaded.
    void keepLinkedTask(const std::string& name);
    void writeLinkedTask(const std::string& name);
    bool solving() const;

    const Board& board_;
    const MainScreen& screen_;
    Requests& requests_;
    Host& host_;
    const DataFileNames& names_;
    Storage& storage_;
    TaskLibrary& tasks_;
    SolverSession& solver_;
    GamePersistence& persistence_;

    LinkImportScreen linkImport_;
    std::string linkAddress_;
    // Last: destroyed first, it stops a making that still uses the table.
    NewTaskMaker newTask_;
};

}  // namespace krizovky
