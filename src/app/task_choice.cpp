#include "app/task_choice.h"

#include <algorithm>

#include "editor/task_form.h"
#include "model/errors.h"
#include "model/task_list.h"
#include "model/text.h"

namespace krizovky {

void TaskChoice::setTaskFilePath(std::string path) {
    if (path != ownTaskFilePath_) collectionPath_ = path;
    taskFilePath_ = std::move(path);
    describeItems();
}

void TaskChoice::setShippedTaskFilePath(std::string path) {
    shippedTaskFilePath_ = path;
    setTaskFilePath(std::move(path));
}

Place TaskChoice::placeOf(const std::string& taskFile) const {
    if (!ownTaskFilePath_.empty() && taskFile == ownTaskFilePath_) return Place::kPlayerData;
    return taskFile == shippedTaskFilePath_ ? Place::kShipped : Place::kChosen;
}

void TaskChoice::setOwnTaskFilePath(std::string path) {
    ownTaskFilePath_ = std::move(path);
    describeItems();
}

void TaskChoice::showOwnTasks(bool own) {
    if (ownTaskFilePath_.empty() || own == ownTasksShown()) return;
    taskFilePath_ = own ? ownTaskFilePath_ : collectionPath_;
    selectedName_.clear();
    names_.clear();
    screen_.emptyListText.clear();
    screen_.selected = -1;
    describeItems();
}

void TaskChoice::showList(bool forEditor) {
    selectedName_.clear();
    forEditor_ = forEditor;
    screen_.visible = true;
}

void TaskChoice::fill(bool reportErrors) {
    if (taskFilePath_.empty()) return;
    std::vector<std::string> names;
    // The player's own file comes with the first task kept there: until then
    // the list is just empty.
    if (ownTasksShown() && !storage_.exists(Place::kPlayerData, taskFilePath_)) {
        names_.clear();
        screen_.emptyListText.clear();
        screen_.selected = -1;
        describeItems();
        return;
    }
    try {
        names = readTaskNames(storage_, taskFilePlace(), taskFilePath_);
    } catch (const RunError& e) {
        // The list keeps what it showed. Only the showing reports the failure:
        // reporting it on every activation would bring the box back each time
        // it closes.
        if (reportErrors) requests_.failure(e.what());
        return;
    }
    sortTaskNames(names);
    screen_.emptyListText = names.empty() ? "V souboru nejsou žádné úlohy." : "";
    // A refill keeps the name the player had selected, so a choice made before
    // switching windows still holds.
    const std::string selected = selectedRowName();
    names_ = std::move(names);
    selectName(selected);
    describeItems();
}

bool TaskChoice::select(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return false;
    screen_.selected = index;
    screen_.chosenName = screen_.items[index];
    return true;
}

bool TaskChoice::choose() {
    const int row = screen_.selected;
    if (row < 0 || row >= static_cast<int>(names_.size())) return false;
    selectedName_ = names_[row];
    screen_.chosenName = screen_.items[row];
    screen_.visible = false;
    return true;
}

void TaskChoice::cancel() {
    selectedName_.clear();
    screen_.visible = false;
}

void TaskChoice::addSavedTask(const std::string& name) {
    const std::string selected = selectedRowName();
    std::erase_if(names_, [&name](const std::string& item) {
        return sameTaskName(std::string_view(item).substr(0, 20), name);
    });
    names_.push_back(name);
    sortTaskNames(names_);
    selectName(selected);
    describeItems();
}

std::string TaskChoice::selectedRowName() const {
    const int row = screen_.selected;
    if (row < 0 || row >= static_cast<int>(names_.size())) return {};
    return names_[row];
}

void TaskChoice::selectName(const std::string& name) {
    screen_.selected = -1;
    if (name.empty()) return;
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found != names_.end()) screen_.selected = static_cast<int>(found - names_.begin());
}

void TaskChoice::describeItems() {
    screen_.ownTasksSwitch = !ownTaskFilePath_.empty();
    screen_.ownTasks = ownTasksShown();
    screen_.collectionFile = collectionPath_;
    screen_.items.clear();
    screen_.descriptions.clear();
    for (const std::string& name : names_) {
        screen_.items.push_back(utf8FromCp1250(name));
        screen_.descriptions.push_back(describe_ ? describe_(name).value_or("") : "");
    }
}

std::map<std::string, std::string> TaskChoice::byScreenName(
    const std::map<std::string, std::string>& byName) {
    std::map<std::string, std::string> byScreen;
    for (const auto& [name, text] : byName)
        byScreen.emplace(utf8FromCp1250(name), text);
    return byScreen;
}

}  // namespace krizovky
