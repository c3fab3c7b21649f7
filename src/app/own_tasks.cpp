#include "app/own_tasks.h"

#include "editor/task_form.h"
#include "model/player_folders.h"
#include "model/text.h"

namespace krizovky {

std::string ownTaskFilePath() {
    const std::string folder = playerDataFolder();
    return folder.empty() ? folder : folder + "moje_ulohy.kri";
}

namespace {

void keepGrid(const EditorGrid& grid, const std::string& name, const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) makeFolders(path.substr(0, slash + 1));
    saveTaskToFile(grid, name, path);
}

}  // namespace

void keepMadeTask(const MadeTask& task, const std::string& path) {
    keepGrid(task.grid, task.name, path);
}

void keepTaskRows(std::string_view rows, const std::string& name, const std::string& path) {
    // The grid of the task editor writes the same rows back, each square as
    // its own token.
    EditorGrid grid;
    int row = 0;
    for (const std::string& line : splitLines(rows))
        if (++row <= kEditorSize) parseTaskRowIntoGrid(grid, line, row);
    keepGrid(grid, name, path);
}

}  // namespace krizovky
