#pragma once

#include <string>

#include "editor/task_maker.h"

namespace krizovky {

// The player's own task file, where "Nová úloha" keeps the tasks it makes:
// moje_ulohy.kri in the folder krizovky of the user's data folder, which is
// dataHome when it is an absolute path and home + "/.local/share" otherwise.
// Empty when neither is known.
std::string ownTaskFilePath(const char* dataHome, const char* home);

// The same from the environment: XDG_DATA_HOME and HOME.
std::string ownTaskFilePath();

// Keeps a made task in the task file at path: a task of the same name is
// replaced and the new one goes to the end; the file and its folders are
// created when first needed. The whole new file is written beside the old
// one first and then takes its place, so a failed write leaves the old file
// as it was. Throws RunError with the system's text.
void keepMadeTask(const MadeTask& task, const std::string& path);

}  // namespace krizovky
