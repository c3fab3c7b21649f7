#include "app/results_view.h"

#include <set>

#include "model/czech_plural.h"
#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

// What helped, in a few words.
std::string aidsText(const GameResult& r) {
    if (r.bySolver) return "vyřešil počítač";
    if (r.unaided()) return "bez nápovědy";
    std::string text;
    if (r.nextSteps > 0) text = "další krok " + std::to_string(r.nextSteps) + "×";
    if (r.checked) text += std::string(text.empty() ? "" : ", ") + "kontrola";
    return text;
}

}  // namespace

ResultsScreen resultsScreenOf(const ResultsRecord& record, CalendarDate today) {
    ResultsScreen screen;
    screen.statistics = statisticsOf(record, today);
    screen.grades.columns = {"obtížnost", "vyřešeno úloh", "nejlepší čas bez nápovědy",
                             "medián bez nápovědy", "s nápovědou"};
    screen.grades.numeric = {false, true, true, true, true};
    for (const GradeStatistics& grade : screen.statistics.grades) {
        screen.grades.rows.push_back(
            {grade.grade.empty() ? "neurčená" : grade.grade, std::to_string(grade.solvedTasks),
             timeOrDash(grade.bestUnaidedSeconds), timeOrDash(grade.medianUnaidedSeconds),
             std::to_string(helpPercent(grade)) + " %"});
    }
    const DailyStreaks& streaks = screen.statistics.streaks;
    screen.streaks = "úloha dne: řada " + std::to_string(streaks.current) + " " +
                     czechPlural(streaks.current, "den", "dny", "dní") + ", nejdelší " +
                     std::to_string(streaks.longest) + " " +
                     czechPlural(streaks.longest, "den", "dny", "dní");

    screen.latest.columns = {"dokončeno", "úloha", "obtížnost", "čas", "IQ", "pomoc"};
    screen.latest.numeric = {false, false, false, true, true, false};
    const auto& results = record.results;
    for (auto r = results.rbegin();
         r != results.rend() && screen.latest.rows.size() < kLatestResultsShown; ++r)
        screen.latest.rows.push_back({r->finishedAt, r->taskName.empty() ? "–" : r->taskName,
                                      r->grade, formatPlayTime(r->seconds),
                                      std::to_string(r->level), aidsText(*r)});
    return screen;
}

std::map<std::string, std::string> taskHashesOf(
    Storage& storage, Place place, const std::string& taskFile,
    const std::vector<std::string>& names,
    const std::function<bool(const std::string& name)>& wanted) {
    std::map<std::string, std::string> hashes;
    std::vector<std::string> read;
    for (const std::string& name : names)
        if (wanted(name)) read.push_back(name);
    if (read.empty()) return hashes;
    std::string text;
    try {
        text = readTaskFile(storage, place, taskFile);
    } catch (const RunError&) {
        return hashes;
    }
    for (const std::string& name : read) {
        if (hashes.contains(name)) continue;
        Board task;
        try {
            if (!readTaskText(text, name, task)) continue;
        } catch (const RunError&) {
            continue;  // a row that breaks the format: no task
        }
        hashes[name] = taskHash(task);
    }
    return hashes;
}

std::map<std::string, std::string> solvedTasks(const ResultsRecord& record, Storage& storage,
                                               Place place, const std::string& taskFile,
                                               const std::vector<std::string>& names) {
    const std::string file = recordText(taskFile);
    std::set<std::string> recorded;
    for (const GameResult& r : record.results)
        if (r.taskFile == file) recorded.insert(r.taskName);
    std::map<std::string, std::string> solved;
    const auto hashes = taskHashesOf(
        storage, place, taskFile, names,
        [&recorded](const std::string& name) { return recorded.contains(utf8FromCp1250(name)); });
    for (const auto& [name, hash] : hashes)
        if (const auto best = record.best({file, utf8FromCp1250(name), hash}))
            solved[name] = bestResultText(*best);
    return solved;
}

}  // namespace krizovky
