#include "history/results_record.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "support/task_text.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

GameResult result(const char* name, const char* grade, long seconds, int nextSteps = 0,
                  bool bySolver = false) {
    GameResult r;
    r.taskFile = "/home/hráč/krizovky.KRI";
    r.taskName = name;
    r.taskHash = "00112233445566ff";
    r.grade = grade;
    r.finishedAt = "2026-12-08 17:20:05";
    r.seconds = seconds;
    r.nextSteps = nextSteps;
    r.bySolver = bySolver;
    return r;
}

TEST(ResultsRecord, IsWrittenAndReadBackAndADamagedFileIsRefused) {
    ResultsRecord record;
    record.results = {result("01 lehká", "lehká", 761), result("02 lehká", "lehká", 30, 2, true)};
    record.results[1].checked = true;
    record.results[1].level = 160;
    const ResultsRecord again = ResultsRecord::decode(record.encode());
    ASSERT_EQ(again.results.size(), 2u);
    EXPECT_EQ(again.results[0].taskName, "01 lehká");
    EXPECT_EQ(again.results[1].level, 160);
    EXPECT_TRUE(again.results[1].checked && again.results[1].bySolver);
    EXPECT_EQ(again.results[1].nextSteps, 2);

    for (const char* damaged : {"{\"version\":1,\"results\":[{\"taskFile\":1}]}", "{", "[]",
                                "{\"version\":2,\"results\":[]}"}) {
        EXPECT_THROW(ResultsRecord::decode(damaged), RunError) << damaged;
    }
}

TEST(ResultsRecord, BestPrefersUnaidedThenHelpedThenTheSolverAndTheGradesSumUp) {
    ResultsRecord record;
    const RecordedTask task{"/home/hráč/krizovky.KRI", "01 lehká", "00112233445566ff"};
    EXPECT_FALSE(record.best(task));
    record.results.push_back(result("01 lehká", "lehká", 5, 0, true));
    EXPECT_EQ(bestResultText(*record.best(task)), "vyřešil počítač");
    record.results.push_back(result("01 lehká", "lehká", 400, 1));
    record.results.push_back(result("01 lehká", "lehká", 300, 3));
    EXPECT_EQ(bestResultText(*record.best(task)), "s nápovědou 5:00");
    record.results.push_back(result("01 lehká", "lehká", 3725));
    EXPECT_EQ(bestResultText(*record.best(task)), "bez nápovědy 1:02:05");
    record.results.push_back(result("01 lehká", "lehká", 761));
    EXPECT_EQ(bestResultText(*record.best(task)), "bez nápovědy 12:41");
    // Another hash is another task: an edited one.
    EXPECT_FALSE(record.best({task.taskFile, task.taskName, "ffffffffffffffff"}));

    record.results.push_back(result("40 těžká", "těžká", 100));
    record.results.push_back(result("x", "", 50));
    const auto summary = summarizeByGrade(record, {"lehká", "střední", "těžká"});
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0].grade, "lehká");
    EXPECT_EQ(summary[0].solvedTasks, 1);
    EXPECT_EQ(summary[0].bestSeconds, 300);
    EXPECT_EQ(summary[0].medianSeconds, (400 + 761) / 2);  // of 300 400 761 3725
    EXPECT_EQ(summary[1].grade, "těžká");
    EXPECT_EQ(summary[2].grade, "");
}

TEST(TaskHash, ChangesWithAnySumOrSquareOfTheTask) {
    const Board task = testing::boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"});
    Board edited = testing::boardOf({"0,0/16,0/4", "8/0,2,2", "11/0,2,2"});
    EXPECT_EQ(taskHash(task), taskHash(testing::boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"})));
    EXPECT_NE(taskHash(task), taskHash(edited));
    EXPECT_EQ(taskHash(task).size(), 16u);
    // Sums left in an entry square by a task loaded before are no part of it.
    edited = task;
    edited.at(2, 2).acrossSum = 17;
    EXPECT_EQ(taskHash(task), taskHash(edited));
}

}  // namespace
}  // namespace krizovky
