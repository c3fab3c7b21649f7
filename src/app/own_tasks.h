#pragma once

#include <string>

#include "editor/task_maker.h"

namespace krizovky {

// The player's own task file, where "Nová úloha" keeps the tasks it makes:
// moje_ulohy.kri in the player's data folder. Empty when no folder is known.
std::string ownTaskFilePath();

// Keeps a made task in the task file at path: a task of the same name is
// replaced and the new one goes to the end; the file and its folders are
// created when first needed. The whole new file is written beside the old
// one first and then takes its place, so a failed write leaves the old file
// as it was. Throws RunError with the system's text.
void keepMadeTask(const MadeTask& task, const std::string& path);

}  // namespace krizovky
