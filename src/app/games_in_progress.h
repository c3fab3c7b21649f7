#pragma once

#include <map>
#include <string>
#include <vector>

#include "history/kept_game.h"
#include "history/results_record.h"
#include "model/storage.h"

namespace krizovky {

// The kept game is one of the task (its file, its name in Windows-1250 and
// its taskHash); no game is one of a task without a name.
bool isGameOf(const KeptGame& kept, const RecordedTask& task);

// What the task list's tool tip says of a task in progress: "rozehráno 0:56".
std::string inProgressText(long seconds);

// The names of the task file (Windows-1250) with a kept game, each with its
// inProgressText. A game of a task changed since, or no longer there, marks
// nothing.
std::map<std::string, std::string> tasksInProgress(const std::vector<KeptGame>& games,
                                                   Storage& storage, Place place,
                                                   const std::string& taskFile,
                                                   const std::vector<std::string>& names);

}  // namespace krizovky
