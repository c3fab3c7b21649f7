#include "app/task_editor.h"

#include <algorithm>

#include "app/own_tasks.h"
#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "model/errors.h"
#include "model/player_folders.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/task_check.h"

namespace krizovky {
namespace {

std::string defaultName() {
    return cp1250FromUtf8("nová_úloha");
}

}  // namespace

TaskEditor::TaskEditor(Requests& requests, const DataFileNames& names, TaskChoice& choice,
                       Storage& storage)
    : requests_(requests), names_(names), choice_(choice), storage_(storage) {
    editorTaskName_ = defaultName();
    screen_.nameField = editorTaskName_;
    screen_.numberField = "         1";
}

void TaskEditor::saveTask() {
    if (auto bad = validateGrid(screen_.grid)) {
        requests_.error("Na řádku " + std::to_string(bad->row) + " a sloupci " +
                        std::to_string(bad->column) + " je chybná hodnota.");
        return;
    }
    if (editorTaskName_.empty()) {
        requests_.error("Není dosud definováno jméno úlohy pro uložení.");
        return;
    }
    // A task file that does not exist yet is created.
    requests_.chooseFile(saveDialog(), [this](const std::optional<std::string>& path) {
        if (path && !path->empty()) saveTaskTo(*path);
    });
}

void TaskEditor::saveTaskTo(const std::string& path) {
    // The default name is derived at each save, so every generated task gets
    // its own name and editorTaskName stays the default.
    std::string name = editorTaskName_;
    if (name == defaultName())
        name = (cp1250FromUtf8("úloha/") + generator_.taskNumberText + "/" +
                std::to_string(generator_.generationCount))
                   .substr(0, 20);
    // A task of the same name, also in other capitals, is replaced only
    // when the author agrees.
    confirmTaskReplacement(requests_, storage_, choice_.placeOf(path), path, name,
                           [this, path, name] { writeTask(path, name); });
}

void TaskEditor::writeTask(const std::string& path, const std::string& name) {
    try {
        saveTaskToFile(screen_.grid, name, storage_, choice_.placeOf(path), path);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    choice_.addSavedTask(name);
    setVerdict("uloženo do " + fileNameOf(path));
    screen_.savedTo = path;
}

FileDialog TaskEditor::saveDialog() const {
    const char* const title = "soubor s definicí úloh";
    // The shipped task file beside the program belongs to the system once
    // installed: the dialog offers the player's own task file, in a folder
    // made for it if need be, as "Nová úloha" would make it.
    const std::string& own = choice_.ownTaskFilePath();
    const std::size_t slash = own.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        const std::string folder = own.substr(0, slash + 1);
        try {
            storage_.makeFolderFor(Place::kPlayerData, own);
            FileDialog dialog = fileDialogIn(folder, title, "úlohy", "kri");
            dialog.fileName = own;
            return dialog;
        } catch (const RunError&) {
            // A folder that cannot be made leaves the program's folder.
        }
    }
    return fileDialogIn(names_.programDir, title, "úlohy", "kri");
}

void TaskEditor::setVerdict(std::string text) {
    screen_.verdict = std::move(text);
    screen_.savedTo.clear();
}

void TaskEditor::clearGrid() {
    screen_.grid.fill("");
    setVerdict({});
}

void TaskEditor::generateStructure() {
    const std::string path = structureFile_.empty() ? names_.structureFile : structureFile_;
    StructureDraw outcome;
    try {
        outcome =
            loadRandomStructure(screen_.grid, generator_.randomSeed, storage_,
                                structureFile_.empty() ? Place::kShipped : Place::kChosen, path);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    if (outcome == StructureDraw::kDrawn)
        setVerdict({});
    else
        requests_.error(structureMessage(outcome));
}

bool TaskEditor::generateWholeTask() {
    // The fill goes on with the grid as it is whether a structure came or not.
    generateStructure();
    return fillAndSum();
}

bool TaskEditor::completeTask() {
    return fillAndSum();
}

bool TaskEditor::fillAndSum() {
    const bool filled = fillWithRetries(screen_.grid, generator_.randomSeed,
                                        [this](const std::string& text) { requests_.error(text); });
    ++generator_.generationCount;
    if (filled) {
        computeSums(screen_.grid);
        judgeGrid();
    } else {
        setVerdict({});
        requests_.error("Nepodařilo se mi doplnit strukturu!");
    }
    return filled;
}

bool TaskEditor::generateUniqueTask() {
    const long number = taskNumberValue(generator_);
    if (number > kMaxTaskNumber) {
        requests_.error("Jedinečná úloha se dělá z čísla úlohy od 0 do " +
                        std::to_string(kMaxTaskNumber) + ".");
        return false;
    }
    const MadeTask made = makeTask(
        requestForGrid(screen_.grid, kOfferedGrades[screen_.uniqueGrade], static_cast<int>(number)),
        completeCombinationTable());
    if (!made.made) {
        requests_.error(notMadeMessage(made));
        return false;
    }
    screen_.grid = made.grid;
    judgeGrid();
    return true;
}

void TaskEditor::setUniqueGrade(int index) {
    if (index >= 0 && index < static_cast<int>(std::size(kOfferedGrades)))
        screen_.uniqueGrade = index;
}

void TaskEditor::chooseTaskToLoad() {
    choice_.showList(true);
}

void TaskEditor::changeName(std::string_view text) {
    screen_.nameField = std::string(text);
    editorTaskName_ = std::string(text.substr(0, 20));
}

void TaskEditor::changeTaskNumber(std::string_view text) {
    screen_.numberField = std::string(text);
    if (!setTaskNumber(generator_, text)) requests_.error("Chybné číslo!");
}

void TaskEditor::setCell(int column, int row, std::string_view text) {
    if (!EditorGrid::contains(column, row)) return;
    if (screen_.grid.at(column, row) != text) setVerdict({});
    screen_.grid.at(column, row) = std::string(text);
}

void TaskEditor::judgeGrid() {
    // A grid that could not be saved is no task either.
    if (validateGrid(screen_.grid)) {
        setVerdict("chybná úloha");
        return;
    }
    TaskCheck check;
    check.verdict = TaskVerdict::kMalformed;
    try {
        check = checkTask(taskBoard(screen_.grid), completeCombinationTable());
    } catch (const RunError&) {
    }
    setVerdict(verdictText(check));
}

void TaskEditor::loadTaskIntoGrid() {
    choice_.setForEditor(false);
    std::vector<std::string> lines;
    try {
        lines = splitLines(readTaskFile(storage_, choice_.taskFilePlace(), choice_.taskFilePath()));
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    if (krizovky::loadTaskIntoGrid(screen_.grid, lines, choice_.selectedName())) judgeGrid();
    editorTaskName_ = choice_.selectedName().substr(0, 20);
    screen_.nameField = editorTaskName_;
}

}  // namespace krizovky
