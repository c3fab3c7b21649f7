// The player's statistics: per grade the tasks, the times without help and
// how often help came; the streaks of the task of the day; the times to plot.
#include "app/statistics.h"

#include <gtest/gtest.h>

namespace krizovky {
namespace {

GameResult result(const std::string& name, const std::string& grade, long seconds,
                  const std::string& finishedAt = "2026-12-01 10:00:00") {
    GameResult r;
    r.taskFile = "krizovky.KRI";
    r.taskName = name;
    r.taskHash = "hash of " + name;
    r.grade = grade;
    r.seconds = seconds;
    r.finishedAt = finishedAt;
    return r;
}

TEST(Statistics, PerGradeTheTimesWithoutHelpAndHowOftenHelpCame) {
    ResultsRecord record;
    record.results.push_back(result("01", "lehká", 300));
    record.results.push_back(result("02", "lehká", 100));
    record.results.push_back(result("01", "lehká", 200));  // the same task again
    GameResult hinted = result("03", "lehká", 50);
    hinted.nextSteps = 2;
    record.results.push_back(hinted);
    GameResult solver = result("04", "lehká", 5);
    solver.bySolver = true;
    record.results.push_back(solver);
    GameResult checked = result("40", "těžká", 900);
    checked.checked = true;
    record.results.push_back(checked);

    const PlayerStatistics statistics = statisticsOf(record, {2026, 12, 9});
    ASSERT_EQ(statistics.grades.size(), 2u);
    const GradeStatistics& easy = statistics.grades[0];
    EXPECT_EQ(easy.grade, "lehká");
    EXPECT_EQ(easy.solvedTasks, 4);
    EXPECT_EQ(easy.results, 5);
    EXPECT_EQ(easy.bestUnaidedSeconds, 100);    // not the hinted 50, nor the solver's 5
    EXPECT_EQ(easy.medianUnaidedSeconds, 200);  // of 100, 200, 300
    EXPECT_EQ(easy.aidedResults, 2);
    const GradeStatistics& hard = statistics.grades[1];
    EXPECT_EQ(hard.grade, "těžká");
    EXPECT_FALSE(hard.bestUnaidedSeconds);
    EXPECT_EQ(hard.aidedResults, 1);

    // The plot: the player's own times, oldest first, without the solver's.
    ASSERT_EQ(statistics.recentTimes[0].size(), 4u);
    EXPECT_EQ(statistics.recentTimes[0][0].seconds, 300);
    EXPECT_FALSE(statistics.recentTimes[0][3].unaided);

    EXPECT_EQ(statisticsText(statistics),
              "obtížnost\tvyřešeno úloh\tnejlepší čas bez nápovědy\tmedián bez nápovědy\t"
              "s nápovědou\n"
              "lehká\t4\t1:40\t3:20\t2 z 5 (40 %)\n"
              "těžká\t1\t–\t–\t1 z 1 (100 %)\n"
              "úloha dne: řada 0, nejdelší 0\n"
              "časy lehká: 5:00 1:40 3:20 0:50*\n"
              "časy těžká: 15:00*\n");
}

TEST(Statistics, OnlyTheLatestThirtyTimesArePlotted) {
    ResultsRecord record;
    for (long s = 1; s <= 40; ++s)
        record.results.push_back(result("x", "střední", s));
    const PlayerStatistics statistics = statisticsOf(record, {2026, 12, 9});
    ASSERT_EQ(statistics.recentTimes[0].size(), kPlottedResults);
    EXPECT_EQ(statistics.recentTimes[0].front().seconds, 11);
    EXPECT_EQ(statistics.recentTimes[0].back().seconds, 40);
}

TEST(Statistics, StreaksCountTheDaysWhoseTaskWasSolvedOnTheDay) {
    ResultsRecord record;
    for (const char* day : {"2026-11-20", "2026-11-21", "2026-11-22", "2026-11-23",  // four
                            "2026-12-06", "2026-12-07", "2026-12-08"})               // three
        record.results.push_back(
            result(std::string("den ") + day, "lehká", 60, std::string(day) + " 20:00:00"));
    // Solved a day late, or by "70": no day of the streak.
    record.results.push_back(result("den 2026-12-05", "lehká", 60, "2026-12-06 08:00:00"));
    GameResult solver = result("den 2026-12-04", "lehká", 60, "2026-12-04 08:00:00");
    solver.bySolver = true;
    record.results.push_back(solver);

    // Today's still open: the streak up to yesterday stands.
    EXPECT_EQ(statisticsOf(record, {2026, 12, 9}).streaks.current, 3);
    EXPECT_EQ(statisticsOf(record, {2026, 12, 9}).streaks.longest, 4);
    // A day missed breaks it.
    EXPECT_EQ(statisticsOf(record, {2026, 12, 10}).streaks.current, 0);
    record.results.push_back(result("den 2026-12-09", "lehká", 60, "2026-12-09 07:00:00"));
    EXPECT_EQ(statisticsOf(record, {2026, 12, 9}).streaks.current, 4);
    EXPECT_EQ(statisticsOf(record, {2026, 12, 9}).streaks.longest, 4);
}

TEST(Statistics, TheTaskListSaysWhetherTheDaysTaskIsSolvedAndItsBestResult) {
    ResultsRecord record;
    const CalendarDate day{2026, 12, 9};
    EXPECT_EQ(dailyTaskStatus(record, day), "Úloha dne 2026-12-09: zatím nevyřešená");
    GameResult solver = result("den 2026-12-09", "těžká", 3);
    solver.bySolver = true;
    record.results.push_back(solver);
    record.results.push_back(result("den 2026-12-08", "těžká", 400));
    EXPECT_EQ(dailyTaskStatus(record, day), "Úloha dne 2026-12-09: zatím nevyřešená")
        << "\"70\" and yesterday's task are no solve of today's";
    GameResult hinted = result("den 2026-12-09", "těžká", 200);
    hinted.nextSteps = 1;
    record.results.push_back(hinted);
    EXPECT_EQ(dailyTaskStatus(record, day), "Úloha dne 2026-12-09: vyřešená s nápovědou 3:20");
    record.results.push_back(result("den 2026-12-09", "těžká", 900));
    EXPECT_EQ(dailyTaskStatus(record, day), "Úloha dne 2026-12-09: vyřešená bez nápovědy 15:00")
        << "a solve without help is the better one";
}

}  // namespace
}  // namespace krizovky
