#include "app/own_tasks.h"

#include "editor/task_form.h"
#include "model/player_folders.h"

namespace krizovky {

std::string ownTaskFilePath() {
    const std::string folder = playerDataFolder();
    return folder.empty() ? folder : folder + "moje_ulohy.kri";
}

void keepMadeTask(const MadeTask& task, const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) makeFolders(path.substr(0, slash + 1));
    saveTaskToFile(task.grid, task.name, path);
}

}  // namespace krizovky
