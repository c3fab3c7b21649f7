#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/requests.h"
#include "editor/task_maker.h"
#include "model/storage.h"

namespace krizovky {

// The player's own task file, where "Nová úloha" keeps the tasks it makes:
// moje_ulohy.kri in the player's data folder. Empty when no folder is known.
std::string ownTaskFilePath();

// Said when ownTaskFilePath() is empty (UTF-8).
inline constexpr const char* kNoOwnTaskFolder =
    "Vlastní úlohy nemají kam: není známa složka pro data hráče (XDG_DATA_HOME ani HOME).";

// Keeps a made task in the player's own task file, named path: a task of the same name is
// replaced and the new one goes to the end; the file and its folders are
// created when first needed. The whole new file is written beside the old
// one first and then takes its place, so a failed write leaves the old file
// as it was. Throws RunError with the system's text.
void keepMadeTask(const MadeTask& task, Storage& storage, const std::string& path);

// The task editor's grid of a task's row lines as a task file holds them
// (Windows-1250), each token a cell.
EditorGrid gridOfTaskRows(std::string_view rows);

// The same for a task given by its row lines as a task file holds them (an
// imported task's) and its name (Windows-1250).
void keepTaskRows(std::string_view rows, const std::string& name, Storage& storage,
                  const std::string& path);

// Before a task called name (Windows-1250) is written into the stored task
// file path: another task of the name there, also in other capitals, is replaced
// only when the player agrees. then runs when the write may go on; a file
// that cannot be read is told as a failure and nothing runs.
void confirmTaskReplacement(Requests& requests, Storage& storage, Place place,
                            const std::string& path, const std::string& name,
                            const std::function<void()>& then);

}  // namespace krizovky
