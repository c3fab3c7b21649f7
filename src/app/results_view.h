#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/statistics.h"
#include "history/results_record.h"
#include "model/storage.h"

namespace krizovky {

// A table of "&Moje výsledky", UTF-8: its column titles and its rows.
struct ResultsTable {
    std::vector<std::string> columns;
    std::vector<bool> numeric;  // per column: numbers and times, lined up right
    std::vector<std::vector<std::string>> rows;
};

// What "&Moje výsledky" shows: per grade the tasks solved, the best and the
// median time without help and how often help came; the streaks of the task
// of the day; the times to plot; and the latest results, the newest first.
struct ResultsScreen {
    ResultsTable grades;
    std::string streaks;  // "úloha dne: řada 3 dny, nejdelší 5 dní"
    PlayerStatistics statistics;
    ResultsTable latest;
};

inline constexpr std::size_t kLatestResultsShown = 20;

// The screen of the record, with the streaks up to today.
ResultsScreen resultsScreenOf(const ResultsRecord& record, CalendarDate today);

// The taskHash of each of names (Windows-1250, as the task list holds them)
// that wanted picks and the stored task file taskFile holds as a readable task;
// a name whose rows break the format has none. The file is read only when
// some name is wanted; a file that cannot be read holds none.
std::map<std::string, std::string> taskHashesOf(
    Storage& storage, Place place, const std::string& taskFile,
    const std::vector<std::string>& names,
    const std::function<bool(const std::string& name)>& wanted);

// The solved tasks among names (Windows-1250, as the task list holds them)
// of the task file at taskFile, each with the text of its best result
// ("bez nápovědy 12:41"). A task counts as solved only while the file holds
// it as it was solved: an edited task is another task. The file is read only
// when the record has results of it; a file that cannot be read has none.
std::map<std::string, std::string> solvedTasks(const ResultsRecord& record, Storage& storage,
                                               Place place, const std::string& taskFile,
                                               const std::vector<std::string>& names);

}  // namespace krizovky
