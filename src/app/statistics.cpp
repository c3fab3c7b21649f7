#include "app/statistics.h"

#include <algorithm>
#include <set>

namespace krizovky {
namespace {

// The grades of the logical solver from the easiest.
const std::vector<std::string> kGradeOrder = {"lehká", "střední", "těžká", "velmi těžká",
                                              "vyžaduje zkoušení"};

std::optional<long> medianOf(std::vector<long> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

DailyStreaks streaksOf(const ResultsRecord& record, CalendarDate today) {
    std::set<long> days;  // days since the epoch with the day's task solved on it
    for (const GameResult& r : record.results) {
        const std::optional<CalendarDate> date = dateOfDailyTask(r.taskName);
        if (!date || r.bySolver || !r.finishedAt.starts_with(formatCalendarDate(*date))) continue;
        days.insert(daysSinceEpoch(*date));
    }
    DailyStreaks streaks;
    int run = 0;
    long previous = 0;
    for (const long day : days) {
        run = run > 0 && day == previous + 1 ? run + 1 : 1;
        streaks.longest = std::max(streaks.longest, run);
        previous = day;
    }
    // Today still open does not break the streak of the days before.
    long day = daysSinceEpoch(today);
    if (!days.contains(day)) --day;
    while (days.contains(day)) {
        ++streaks.current;
        --day;
    }
    return streaks;
}

}  // namespace

int helpPercent(const GradeStatistics& grade) {
    return grade.results == 0 ? 0 : (100 * grade.aidedResults + grade.results / 2) / grade.results;
}

CalendarDate localToday() {
    // localTimeNow() always begins with the date.
    return parseCalendarDate(localTimeNow().substr(0, 10)).value_or(CalendarDate{});
}

std::string timeOrDash(const std::optional<long>& seconds) {
    return seconds ? formatPlayTime(*seconds) : "–";
}

PlayerStatistics statisticsOf(const ResultsRecord& record, CalendarDate today) {
    PlayerStatistics statistics;
    for (const GradeSummary& summary : summarizeByGrade(record, kGradeOrder)) {
        GradeStatistics grade;
        grade.grade = summary.grade;
        grade.solvedTasks = summary.solvedTasks;
        std::vector<long> unaided;
        std::vector<TimedResult> times;
        for (const GameResult& r : record.results) {
            if (r.grade != summary.grade) continue;
            ++grade.results;
            if (r.unaided())
                unaided.push_back(r.seconds);
            else
                ++grade.aidedResults;
            if (!r.bySolver) times.push_back({r.finishedAt, r.seconds, r.unaided()});
        }
        if (!unaided.empty())
            grade.bestUnaidedSeconds = *std::min_element(unaided.begin(), unaided.end());
        grade.medianUnaidedSeconds = medianOf(unaided);
        if (times.size() > kPlottedResults)
            times.erase(times.begin(), times.end() - static_cast<long>(kPlottedResults));
        statistics.grades.push_back(grade);
        statistics.recentTimes.push_back(std::move(times));
    }
    statistics.streaks = streaksOf(record, today);
    return statistics;
}

std::string statisticsText(const PlayerStatistics& statistics) {
    std::string text =
        "obtížnost\tvyřešeno úloh\tnejlepší čas bez nápovědy\tmedián bez nápovědy"
        "\ts nápovědou\n";
    for (const GradeStatistics& grade : statistics.grades) {
        text += (grade.grade.empty() ? std::string("neurčená") : grade.grade) + "\t" +
                std::to_string(grade.solvedTasks) + "\t" + timeOrDash(grade.bestUnaidedSeconds) +
                "\t" + timeOrDash(grade.medianUnaidedSeconds) + "\t" +
                std::to_string(grade.aidedResults) + " z " + std::to_string(grade.results) + " (" +
                std::to_string(helpPercent(grade)) + " %)\n";
    }
    text += "úloha dne: řada " + std::to_string(statistics.streaks.current) + ", nejdelší " +
            std::to_string(statistics.streaks.longest) + "\n";
    for (std::size_t g = 0; g < statistics.grades.size(); ++g) {
        const std::string& grade = statistics.grades[g].grade;
        text += "časy " + (grade.empty() ? std::string("neurčená") : grade) + ":";
        for (const TimedResult& r : statistics.recentTimes[g])
            text += " " + formatPlayTime(r.seconds) + (r.unaided ? "" : "*");
        text += "\n";
    }
    return text;
}

std::string dailyTaskStatus(const ResultsRecord& record, CalendarDate day) {
    const std::string name = dailyTaskName(day);
    const GameResult* best = nullptr;
    for (const GameResult& result : record.results) {
        if (result.taskName != name || result.bySolver) continue;
        // Without help first, then the shorter time.
        if (!best || std::pair{!result.unaided(), result.seconds} <
                         std::pair{!best->unaided(), best->seconds})
            best = &result;
    }
    const std::string title = "Úloha dne " + formatCalendarDate(day) + ": ";
    return best ? title + "vyřešená " + bestResultText(*best) : title + "zatím nevyřešená";
}

}  // namespace krizovky
