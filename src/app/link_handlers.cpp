// Tasks from links of the public puzzle editor, and links to share: the
// dialog "vložení úlohy z odkazu" and "Kopírovat &odkaz na úlohu".
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

void NewTasks::openLinkImport(std::string_view clipboard) {
    if (solving()) return;
    linkImport_ = LinkImportScreen{};
    linkImport_.visible = true;
    if (looksLikePuzzleText(clipboard)) setLinkText(clipboard);
}

void NewTasks::setLinkText(std::string_view text) {
    LinkImportScreen& dialog = linkImport_;
    dialog.text = std::string(text);
    dialog.puzzle.reset();
    dialog.refusal.clear();
    if (!isBlankLine(text)) {
        ImportResult result = importPuzzle(text);
        dialog.puzzle = std::move(result.puzzle);
        if (!dialog.puzzle) dialog.refusal = result.message;
    }
    if (!dialog.nameTyped) dialog.nameField = dialog.puzzle ? dialog.puzzle->name : "";
}

void NewTasks::setImportName(std::string_view name) {
    linkImport_.nameField = std::string(name.substr(0, kImportNameLength));
    // A field emptied by the player takes the offered name of the next link.
    linkImport_.nameTyped = !name.empty();
}

void NewTasks::chooseLinkFile() {
    FileDialog dialog = fileDialogIn(names_.programDir, "soubor hádanky z webového editoru",
                                     "soubory pzprv3", "txt");
    dialog.fileMustExist = true;
    requests_.chooseFile(dialog, [this](const std::optional<std::string>& path) {
        if (!path) return;
        try {
            setLinkText(storage_.read(Place::kChosen, *path));
        } catch (const RunError& e) {
            requests_.failure(e.what());
        }
    });
}

void NewTasks::importLinkedTask() {
    LinkImportScreen& dialog = linkImport_;
    if (solving() || !dialog.visible || !dialog.puzzle) return;
    const std::string name = dialog.nameField;
    if (!isTaskName(name) || isBlankLine(name)) {
        requests_.error("Zadejte název, pod kterým se úloha uloží.");
        return;
    }
    persistence_.leaveTask([this, name] { keepLinkedTask(name); });
}

void NewTasks::keepLinkedTask(const std::string& name) {
    if (solving() || !linkImport_.visible || !linkImport_.puzzle) return;
    const std::string& path = tasks_.ownTaskFilePath();
    if (path.empty()) {
        requests_.error(kNoOwnTaskFolder);
        return;
    }
    // Another task of the name is replaced only when the player agrees, as
    // in the task editor's save.
    confirmTaskReplacement(requests_, storage_, Place::kPlayerData, path, name,
                           [this, name] { writeLinkedTask(name); });
}

void NewTasks::writeLinkedTask(const std::string& name) {
    if (solving() || !linkImport_.puzzle) return;
    const auto& rows = linkImport_.puzzle->rows;
    const bool kept = tasks_.keepOwnTask([&](const std::string& path) {
        keepTaskRows(rows, name, storage_, path);
        return true;
    });
    if (!kept) return;
    linkImport_ = LinkImportScreen{};
    tasks_.loadOwnTask(name);
}

void NewTasks::cancelLinkImport() {
    linkImport_ = LinkImportScreen{};
}

void NewTasks::copyTaskLink() {
    if (solving()) return;
    if (!screen_.boardPanel) {
        requests_.message("Na desce zatím není žádná úloha.");
        return;
    }
    const ExportResult link = exportLink(board_);
    if (!link.ok()) {
        requests_.error(link.message);
        return;
    }
    std::string text = link.text;
    if (!linkAddress_.empty()) text = linkAddress_ + text.substr(text.find('?'));
    host_.copyToClipboard(text);
    requests_.message("Odkaz na úlohu je ve schránce:\n" + text);
}

void NewTasks::openLink(std::string_view link) {
    if (solving()) return;
    ImportResult result = importPuzzle(link);
    if (!result.puzzle) {
        requests_.error(result.message);
        return;
    }
    const std::string& path = tasks_.ownTaskFilePath();
    if (path.empty()) {
        requests_.error(kNoOwnTaskFolder);
        return;
    }
    std::string file;
    try {
        if (storage_.exists(Place::kPlayerData, path))
            file = readTaskFile(storage_, Place::kPlayerData, path);
    } catch (const RunError& e) {
        requests_.failure(e.what());
        return;
    }
    const std::vector<std::string> fileLines = splitLines(file);
    const EditorGrid linked = gridOfTaskRows(result.puzzle->rows);

    // A name is taken as a save would replace it: in any capitals.
    const std::string offered = result.puzzle->name;
    std::string name = offered;
    bool there = false;
    for (int copy = 2;; ++copy) {
        const std::optional<std::string> taken = replacedTaskName(file, name);
        if (!taken) break;
        EditorGrid kept;
        if (loadTaskIntoGrid(kept, fileLines, *taken) && kept == linked) {
            name = nameOfLine("@" + *taken);
            there = true;
            break;
        }
        name = offered + " (" + std::to_string(copy) + ")";
    }
    const std::string rows = result.puzzle->rows;
    persistence_.leaveTask([this, name, rows, there] {
        if (!there && !tasks_.keepOwnTask([&](const std::string& taskFile) {
                keepTaskRows(rows, name, storage_, taskFile);
                return true;
            }))
            return;
        tasks_.loadOwnTask(name);
    });
}

}  // namespace krizovky
