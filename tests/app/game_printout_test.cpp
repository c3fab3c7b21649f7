// The boards the game on screen offers for paper and files, and the tasks of
// a booklet.
#include "app/game_printout.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;

TEST(GamePrintoutTest, TaskGameAndTheSolutionOnlyOfATaskWithOne) {
    const struct {
        std::string taskFile;
        std::string name;
        std::string caption;
        bool solution;
    } cases[] = {
        {testing::kExampleTask, "priklad", "priklad – lehká", true},
        {testing::smallTask({"0,0/10,0/10", "10/0,2,2", "10/0,2,2"}), "t", "t – více řešení",
         false},
    };
    for (const auto& c : cases) {
        GameFixture fixture(c.taskFile);
        EXPECT_FALSE(printoutOfGame(fixture.game)) << "no board yet";
        fixture.choose(c.name);
        fixture.game.play().enterDigit(2, 2, 7, true, true);
        const auto printout = printoutOfGame(fixture.game);
        ASSERT_TRUE(printout);
        EXPECT_EQ(printout->offers(PrintedContent::kSolution), c.solution) << c.name;
        for (PrintedContent content : {PrintedContent::kTask, PrintedContent::kGame})
            EXPECT_EQ(printout->picture(content).caption, c.caption);
        EXPECT_EQ(printout->picture(PrintedContent::kTask).at(2, 2).digit, 0);
        EXPECT_EQ(printout->picture(PrintedContent::kGame).at(2, 2).digit, 7);
        if (c.solution) {
            EXPECT_EQ(printout->picture(PrintedContent::kSolution).at(3, 2).digit, 9);
        }
    }
}

TEST(GamePrintoutTest, BookletLeavesOutTheTasksThatCannotBeRead) {
    const auto tasks = tasksOfFile(
        {"@a", "0,0/3", "3/0,2", "@zly", "300/0", "@b", "0,0/4", "4/0,2"});  // "zly" unreadable
    ASSERT_EQ(tasks.size(), 3u);
    ASSERT_FALSE(tasks[1].error.empty());
    const auto printed = printedTasks(tasks, {0, 1, 2}, completeCombinationTable());
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].name, "a");
    EXPECT_EQ(printed[1].name, "b");
}

}  // namespace
}  // namespace krizovky
