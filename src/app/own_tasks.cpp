#include "app/own_tasks.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "editor/task_form.h"
#include "model/errors.h"

namespace krizovky {

std::string ownTaskFilePath(const char* dataHome, const char* home) {
    std::string folder;
    if (dataHome != nullptr && dataHome[0] == '/')
        folder = dataHome;
    else if (home != nullptr && home[0] != '\0')
        folder = std::string(home) + "/.local/share";
    else
        return {};
    return folder + "/krizovky/moje_ulohy.kri";
}

std::string ownTaskFilePath() {
    return ownTaskFilePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

void keepMadeTask(const MadeTask& task, const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) throw RunError(error.message());
    SaveTaskToFile(task.grid, task.name, path);
}

}  // namespace krizovky
