#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/task_maker.h"
#include "model/combination_table.h"

namespace krizovky {

// A day of the calendar (the Gregorian one, proleptic).
struct CalendarDate {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    bool operator==(const CalendarDate&) const = default;
};

// "2026-12-09": four digits of a year from 1 on, two of the month, two of
// the day, and a day that the month has; nothing for any other text.
std::optional<CalendarDate> parseCalendarDate(std::string_view text);
std::string formatCalendarDate(CalendarDate date);  // "2026-12-09"
// Days since 1970-01-01 (negative before it).
long daysSinceEpoch(CalendarDate date);
// 0 for Monday to 6 for Sunday.
int weekdayOf(CalendarDate date);
// The day after, and the day before.
CalendarDate nextDay(CalendarDate date);
CalendarDate previousDay(CalendarDate date);

// "Úloha dne": the request of a date, the same for everyone. The grade
// rises through the week: Monday and Tuesday "lehká", Wednesday and Thursday
// "střední", Friday and Saturday "těžká", Sunday "velmi těžká"; the size is
// "velká" on the weekend and "střední" on weekdays; the number comes from
// the date alone.
TaskRequest dailyTaskRequest(CalendarDate date);

// "den 2026-12-09": the name of the task of the day (ASCII, and so the same
// in Windows-1250).
std::string dailyTaskName(CalendarDate date);
// The date of a name of dailyTaskName; nothing for any other name.
std::optional<CalendarDate> dateOfDailyTask(std::string_view name);

// Makes the task of the day: the task of dailyTaskRequest, or when the task
// maker makes none within its limits, of the next numbers in turn (at most a
// few), named by dailyTaskName. Everything is drawn from the date, so every
// machine and build makes the same task.
MadeTask makeDailyTask(CalendarDate date, const CombinationTable& table,
                       const MakeControl& control = {});

// The description of a daily task's name for a tool tip (UTF-8): "úloha dne
// 9. 12. 2026: těžká, velká 15 × 15"; nothing for any other name.
std::optional<std::string> describeDailyTask(std::string_view name);

}  // namespace krizovky
