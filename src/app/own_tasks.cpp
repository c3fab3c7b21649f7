#include "app/own_tasks.h"

#include <optional>

#include "editor/task_form.h"
#include "model/errors.h"
#include "model/player_folders.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {

std::string ownTaskFilePath() {
    const std::string folder = playerDataFolder();
    return folder.empty() ? folder : folder + "moje_ulohy.kri";
}

namespace {

void keepGrid(const EditorGrid& grid, const std::string& name, Storage& storage,
              const std::string& path) {
    storage.makeFolderFor(Place::kPlayerData, path);
    saveTaskToFile(grid, name, storage, Place::kPlayerData, path);
}

}  // namespace

void keepMadeTask(const MadeTask& task, Storage& storage, const std::string& path) {
    keepGrid(task.grid, task.name, storage, path);
}

EditorGrid gridOfTaskRows(std::string_view rows) {
    EditorGrid grid;
    int row = 0;
    for (const std::string& line : splitLines(rows))
        if (++row <= kEditorSize) parseTaskRowIntoGrid(grid, line, row);
    return grid;
}

void keepTaskRows(std::string_view rows, const std::string& name, Storage& storage,
                  const std::string& path) {
    // The grid of the task editor writes the same rows back, each square as
    // its own token.
    keepGrid(gridOfTaskRows(rows), name, storage, path);
}

void confirmTaskReplacement(Requests& requests, Storage& storage, Place place,
                            const std::string& path, const std::string& name,
                            const std::function<void()>& then) {
    std::optional<std::string> replaced;
    try {
        if (storage.exists(place, path))
            replaced = replacedTaskName(readTaskFile(storage, place, path), name);
    } catch (const RunError& e) {
        requests.failure(e.what());
        return;
    }
    if (!replaced) return then();
    requests.askYesNo("Úloha \"" + utf8FromCp1250(*replaced) + "\" už v souboru je. Nahradit ji?",
                      [then](bool yes) {
                          if (yes) then();
                      });
}

}  // namespace krizovky
