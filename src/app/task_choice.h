#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/requests.h"
#include "app/screen.h"
#include "model/storage.h"

namespace krizovky {

// Which task the player has chosen, from which task file: the file, the name
// chosen in the task list (Windows-1250, as the file holds it), the list
// window's state, and whether the list was opened for the task editor. The
// game loads the chosen task onto the board, the task editor into its grid.
class TaskChoice {
  public:
    TaskChoice(Requests& requests, Storage& storage) : requests_(requests), storage_(storage) {}

    const std::string& taskFilePath() const { return taskFilePath_; }
    // The task file chosen by "&Soubor úloh" (or the shipped one): the list's
    // collection, to which showOwnTasks(false) goes back.
    void setTaskFilePath(std::string path);
    // The same for the task file shipped beside the program, which is also
    // remembered as such.
    void setShippedTaskFilePath(std::string path);
    // Where a task file is kept: the player's own, the shipped one, or one
    // the player chose.
    Place placeOf(const std::string& taskFile) const;
    Place taskFilePlace() const { return placeOf(taskFilePath_); }
    // The player's own task file, where made and imported tasks are kept;
    // empty when no folder for it is known.
    const std::string& ownTaskFilePath() const { return ownTaskFilePath_; }
    void setOwnTaskFilePath(std::string path);
    // The list's switch between the collection and the player's own tasks:
    // the task file changes and no task is chosen until a name is.
    void showOwnTasks(bool own);
    bool ownTasksShown() const {
        return !ownTaskFilePath_.empty() && taskFilePath_ == ownTaskFilePath_;
    }
    // Gives the description of a task name for its tool tip (UTF-8), nothing
    // for a name without one.
    void setDescriber(std::function<std::optional<std::string>(const std::string&)> describe) {
        describe_ = std::move(describe);
    }
    const std::string& selectedName() const { return selectedName_; }
    void setSelectedName(std::string name) { selectedName_ = std::move(name); }
    bool forEditor() const { return forEditor_; }
    void setForEditor(bool forEditor) { forEditor_ = forEditor; }

    // Opens the list for the board or for the editor; no task is chosen until
    // a name is.
    void showList(bool forEditor);
    // Reads the names of the task file into the list in the Czech order,
    // keeping the name selected before. A file that cannot be read leaves the
    // list as it was, reported only when reportErrors says so.
    void fill(bool reportErrors);
    // A click on the name at index; false for no name there.
    bool select(int index);
    // The selected name becomes the chosen task and the list closes; false,
    // with nothing changed, when no name is selected.
    bool choose();
    // "zruš": no task chosen, the list closed.
    void cancel();
    // The window's close button: the list is only hidden.
    void hide() { screen_.visible = false; }
    // A task saved by the editor joins the list in its place, replacing a
    // task of the same name (capitals compared as the save compares them);
    // the name selected before stays selected while it is listed.
    void addSavedTask(const std::string& name);

    // The solved tasks of the list and their best results, by their names
    // in the task file.
    void setSolved(const std::map<std::string, std::string>& solved) {
        screen_.solved = byScreenName(solved);
    }

    void setDailyStatus(std::string status) { screen_.dailyStatus = std::move(status); }

    // The tasks of the list with a game in progress, by their names in the
    // task file.
    void setInProgress(const std::map<std::string, std::string>& inProgress) {
        screen_.inProgress = byScreenName(inProgress);
    }
    // A name is selected that choose() would take.
    bool canChoose() const {
        return screen_.selected >= 0 && screen_.selected < static_cast<int>(names_.size());
    }
    // The names of the list (Windows-1250, as the file holds them), in the
    // order of the screen's items.
    const std::vector<std::string>& names() const { return names_; }

    const TaskListScreen& screen() const { return screen_; }

  private:
    // The name of the selected row, empty when none is.
    std::string selectedRowName() const;
    // Selects the row that holds name, or none.
    void selectName(const std::string& name);
    // The items, descriptions and the switch of the list from the names it holds.
    void describeItems();
    static std::map<std::string, std::string> byScreenName(
        const std::map<std::string, std::string>& byName);

    Requests& requests_;
    Storage& storage_;
    std::string taskFilePath_;
    std::string shippedTaskFilePath_;
    std::string collectionPath_;
    std::string ownTaskFilePath_;
    std::function<std::optional<std::string>(const std::string&)> describe_;
    std::string selectedName_;
    std::vector<std::string> names_;
    bool forEditor_ = false;
    TaskListScreen screen_;
};

}  // namespace krizovky
