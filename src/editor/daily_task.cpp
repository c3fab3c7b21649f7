#include "editor/daily_task.h"

#include <cstdio>

#include "solver/explanations.h"

namespace krizovky {
namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// How many numbers after the date's own are tried when the task maker
// makes no task of it.
constexpr int kDailyNumbers = 8;

constexpr const char* kDailyPrefix = "den ";

}  // namespace

std::optional<CalendarDate> parseCalendarDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

std::string formatCalendarDate(CalendarDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

long daysSinceEpoch(CalendarDate date) {
    // Days from the civil date, counted in eras of 400 years from 1 March 0000.
    const long year = date.month <= 2 ? date.year - 1 : date.year;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int weekdayOf(CalendarDate date) {
    // 1970-01-01 was a Thursday.
    const long days = daysSinceEpoch(date);
    return static_cast<int>(((days % 7) + 7 + 3) % 7);
}

CalendarDate nextDay(CalendarDate date) {
    if (date.day < daysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
    if (date.month < 12) return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

CalendarDate previousDay(CalendarDate date) {
    if (date.day > 1) return {date.year, date.month, date.day - 1};
    if (date.month > 1) return {date.year, date.month - 1, daysInMonth(date.year, date.month - 1)};
    return {date.year - 1, 12, 31};
}

TaskRequest dailyTaskRequest(CalendarDate date) {
    static constexpr Difficulty kGrades[] = {
        Difficulty::kEasy, Difficulty::kEasy, Difficulty::kMedium,  Difficulty::kMedium,
        Difficulty::kHard, Difficulty::kHard, Difficulty::kVeryHard};
    const int weekday = weekdayOf(date);
    TaskRequest request;
    request.grade = kGrades[weekday];
    request.size = weekday >= 5 ? TaskSize::kLarge : TaskSize::kMedium;
    // Neighbouring days far apart among the numbers: 7919 is prime to 10000.
    const long days = daysSinceEpoch(date);
    const long spread = (days % (kMaxTaskNumber + 1) + kMaxTaskNumber + 1) * 7919;
    request.number = static_cast<int>(spread % (kMaxTaskNumber + 1));
    return request;
}

std::string dailyTaskName(CalendarDate date) {
    return kDailyPrefix + formatCalendarDate(date);
}

std::optional<CalendarDate> dateOfDailyTask(std::string_view name) {
    const std::string_view prefix = kDailyPrefix;
    if (!name.starts_with(prefix)) return std::nullopt;
    return parseCalendarDate(name.substr(prefix.size()));
}

MadeTask makeDailyTask(CalendarDate date, const CombinationTable& table,
                       const MakeControl& control) {
    TaskRequest request = dailyTaskRequest(date);
    const int first = request.number;
    MadeTask task;
    for (int k = 0; k < kDailyNumbers; ++k) {
        request.number = (first + k) % (kMaxTaskNumber + 1);
        task = makeTask(request, table, control);
        if (task.made || task.cancelled) break;
    }
    if (!task.made) return task;
    // The name line of the text names the task of the day instead.
    const std::string made = task.name;
    task.name = dailyTaskName(date);
    const std::size_t line = task.text.find("@" + made + "\r\n");
    if (line != std::string::npos) task.text.replace(line + 1, made.size(), task.name);
    task.description = *describeDailyTask(task.name);
    return task;
}

std::optional<std::string> describeDailyTask(std::string_view name) {
    const std::optional<CalendarDate> date = dateOfDailyTask(name);
    if (!date) return std::nullopt;
    const TaskRequest request = dailyTaskRequest(*date);
    const char* side = request.size == TaskSize::kLarge ? "15" : "11";
    return "úloha dne " + std::to_string(date->day) + ". " + std::to_string(date->month) + ". " +
           std::to_string(date->year) + ": " + difficultyName(request.grade) + ", " +
           taskSizeName(request.size) + " " + side + " × " + side;
}

}  // namespace krizovky
