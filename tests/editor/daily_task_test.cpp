// "Úloha dne": the calendar's days, the grade and size by the weekday, the
// number from the date alone, and the task of the day named by its date.
#include "editor/daily_task.h"

#include <gtest/gtest.h>

#include <set>

#include "model/task_reader.h"
#include "solver/task_check.h"

namespace krizovky {
namespace {

TEST(DailyTask, DatesAreDaysTheCalendarHas) {
    EXPECT_EQ(parseCalendarDate("2026-12-09"), (CalendarDate{2026, 12, 9}));
    EXPECT_EQ(parseCalendarDate("2024-02-29"), (CalendarDate{2024, 2, 29}));  // a leap year
    EXPECT_EQ(parseCalendarDate("2000-02-29"), (CalendarDate{2000, 2, 29}));
    for (const char* text : {"2026-02-29", "1900-02-29", "2026-13-01", "2026-04-31", "2026-00-10",
                             "0000-01-01", "2026-1-09", "2026-12-09 ", "2026/12/09", "dnes", ""})
        EXPECT_FALSE(parseCalendarDate(text)) << text;
    EXPECT_EQ(formatCalendarDate({987, 3, 4}), "0987-03-04");

    EXPECT_EQ(daysSinceEpoch({1970, 1, 1}), 0);
    EXPECT_EQ(daysSinceEpoch({2000, 3, 1}), 11017);
    EXPECT_EQ(daysSinceEpoch({1969, 12, 31}), -1);
    EXPECT_EQ(weekdayOf({2026, 12, 9}), 2);   // a Wednesday
    EXPECT_EQ(weekdayOf({1969, 12, 28}), 6);  // a Sunday before the epoch
    EXPECT_EQ(nextDay({2024, 2, 28}), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(nextDay({2026, 12, 31}), (CalendarDate{2027, 1, 1}));
    EXPECT_EQ(previousDay({2026, 3, 1}), (CalendarDate{2026, 2, 28}));
    EXPECT_EQ(previousDay({2027, 1, 1}), (CalendarDate{2026, 12, 31}));
}

TEST(DailyTask, TheGradeRisesThroughTheWeekAndTheWeekendIsLarge) {
    // Monday 2026-12-07 to Sunday 2026-12-13.
    const Difficulty grades[] = {Difficulty::kEasy,    Difficulty::kEasy, Difficulty::kMedium,
                                 Difficulty::kMedium,  Difficulty::kHard, Difficulty::kHard,
                                 Difficulty::kVeryHard};
    std::set<int> numbers;
    for (int day = 7; day <= 13; ++day) {
        const TaskRequest request = dailyTaskRequest({2026, 12, day});
        EXPECT_EQ(request.grade, grades[day - 7]) << day;
        EXPECT_EQ(request.size, day >= 12 ? TaskSize::kLarge : TaskSize::kMedium) << day;
        EXPECT_GE(request.number, 0);
        EXPECT_LE(request.number, kMaxTaskNumber);
        numbers.insert(request.number);
    }
    EXPECT_EQ(numbers.size(), 7u);  // neighbouring days, other tasks

    EXPECT_EQ(dailyTaskName({2026, 12, 9}), "den 2026-12-09");
    EXPECT_EQ(dateOfDailyTask("den 2026-12-09"), (CalendarDate{2026, 12, 9}));
    EXPECT_FALSE(dateOfDailyTask("den 2026-12-32"));
    EXPECT_FALSE(dateOfDailyTask("L 11 4711"));
    EXPECT_EQ(describeDailyTask("den 2026-12-13"),
              "úloha dne 13. 12. 2026: velmi těžká, velká 15 × 15");
    EXPECT_FALSE(describeDailyTask("priklad"));
}

TEST(DailyTask, TheTaskOfADayIsUniqueOfItsGradeAndNamedByTheDate) {
    const CombinationTable& table = completeCombinationTable();
    const MadeTask task = makeDailyTask({2026, 12, 11}, table);  // a Friday: těžká, střední
    ASSERT_TRUE(task.made);
    EXPECT_EQ(task.name, "den 2026-12-11");
    EXPECT_EQ(task.text.substr(0, 19), "\r\n@den 2026-12-11\r\n");
    EXPECT_EQ(task.grade, Difficulty::kHard);
    EXPECT_EQ(task.description, "úloha dne 11. 12. 2026: těžká, střední 11 × 11");
    Board board;
    ASSERT_TRUE(readTaskText(task.text, task.name, board));
    const TaskCheck check = checkTask(board, table);
    EXPECT_EQ(check.verdict, TaskVerdict::kUnique);
    EXPECT_EQ(check.difficulty, Difficulty::kHard);
    EXPECT_EQ(makeDailyTask({2026, 12, 11}, table).text, task.text);
}

}  // namespace
}  // namespace krizovky
