#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/daily_task.h"
#include "history/results_record.h"

namespace krizovky {

// The player's figures of one grade.
struct GradeStatistics {
    std::string grade;    // "" for results without a grade
    int solvedTasks = 0;  // distinct tasks with a result
    int results = 0;      // every result, "70"'s included
    // Over the results solved without help (no "&Další krok", no check of
    // "&Pomoc", not "70"): the best time and the median.
    std::optional<long> bestUnaidedSeconds;
    std::optional<long> medianUnaidedSeconds;
    int aidedResults = 0;  // results with some help, "70"'s included
};

// One point of the plot of times: a result of the grade, oldest first.
struct TimedResult {
    std::string finishedAt;
    long seconds = 0;
    bool unaided = false;
};

// Days in a row with the task of the day solved on its day.
struct DailyStreaks {
    int current = 0;  // up to today, or to yesterday while today's is still open
    int longest = 0;
};

struct PlayerStatistics {
    std::vector<GradeStatistics> grades;  // the grades with results, easiest first
    DailyStreaks streaks;
    // Per grade as in grades: the times of its latest results, oldest first,
    // at most kPlottedResults of them, "70"'s left out.
    std::vector<std::vector<TimedResult>> recentTimes;
};

inline constexpr std::size_t kPlottedResults = 30;

// The figures of the record as the statistics show them, with today's date
// for the streaks. A day counts for the streaks when the task of the day
// of that date ("den 2026-12-09") was solved on that date by the player, not
// by "70".
PlayerStatistics statisticsOf(const ResultsRecord& record, CalendarDate today);

// The share of the grade's results that had help, in whole percent.
int helpPercent(const GradeStatistics& grade);

// Today by the local clock, as the record's times have it.
CalendarDate localToday();

// Whether the task of that day is solved, as the task list says it: "Úloha
// dne 2026-12-09: vyřešená bez nápovědy 12:41" with the best result, or
// "Úloha dne 2026-12-09: zatím nevyřešená". A solve by "70" is no solve of
// the player's.
std::string dailyTaskStatus(const ResultsRecord& record, CalendarDate day);

// "12:41", or "–" for no time.
std::string timeOrDash(const std::optional<long>& seconds);

// The statistics as text, for krizovky-tool stats: a line a grade
// (tab-separated: the grade, tasks solved, best and median time without
// help, the share of results with help), the streaks, and the plotted
// times of each grade.
std::string statisticsText(const PlayerStatistics& statistics);

}  // namespace krizovky
