#include <gtest/gtest.h>

#include "app/game.h"
#include "model/errors.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using V = std::vector<std::string>;

const std::string kTwoTasks = std::string(testing::kExampleTask) +
                              "@beta\n0/5,2,0*13\n"
                              "@alfa\n0,0/3\n"
                              "@beta\n0,0,0/9\n";

TEST(StartUp, FindsTheDataFilesBesideTheProgram) {
    GameFixture f(kTwoTasks);
    EXPECT_TRUE(f.host.failures.empty());
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.dir.file("krizovky.KRI"));
    EXPECT_EQ(f.game.fileNames().programDir, f.dir.path() + "/");
    EXPECT_EQ(f.game.combinations().combinationCount(), 511);
    EXPECT_FALSE(f.game.screen().boardPanel);
    EXPECT_EQ(f.game.board().rowCount, 0);
}

TEST(StartUp, WithoutTheCombinationFileNoTaskFileIsSet) {
    testing::TempDir dir;
    testing::ScriptedHost host;
    Game game(host);
    dir.write("krizovky.KRI", "@a\r\n");
    game.start(dir.file("krizovky"));
    EXPECT_EQ(host.failures, V{kFileNotFound});
    EXPECT_EQ(game.tasks().taskFilePath(), "");
    EXPECT_EQ(game.combinations().combinationCount(), 0);
    // The list stays empty without a task file, and no further box comes.
    game.tasks().showTaskList();
    game.tasks().fillTaskList(true);
    EXPECT_TRUE(game.tasks().taskListScreen().items.empty());
    EXPECT_EQ(host.failures.size(), 1u);
}

TEST(StartUp, ABrokenCombinationFileIsReportedButTheTaskFileIsSet) {
    testing::TempDir dir;
    testing::ScriptedHost host;
    Game game(host);
    std::string records(14 * 513, '\0');
    for (int i = 0; i < 513; ++i)
        records[14 * i] = 1;
    dir.write("krizovky.DEF", records);
    game.start(dir.file("krizovky"));
    EXPECT_EQ(host.failures, V{kRangeCheckError});
    EXPECT_EQ(game.tasks().taskFilePath(), dir.file("krizovky.KRI"));
}

TEST(TaskList, ACzechNameReachesTheScreenAsUtf8AndItsItemLoadsTheTask) {
    std::string file = testing::kExampleTask;
    file.replace(0, std::string("@priklad").size(), cp1250FromUtf8("@čáp"));
    GameFixture f(file + "@alfa\n0,0/3\n");
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    const TaskListScreen& list = f.game.tasks().taskListScreen();
    ASSERT_EQ(list.items, (V{"alfa", "čáp"}));
    f.game.tasks().selectListedTask(1);
    EXPECT_EQ(list.chosenName, "čáp");
    f.game.tasks().chooseListedTask();
    EXPECT_TRUE(f.host.failures.empty());
    EXPECT_EQ(f.game.screen().taskNameCaption, "  čáp  ");
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
    EXPECT_EQ(f.game.board().at(2, 1).acrossSum, 8);
}

TEST(TaskList, ListsSortedNamesWithDuplicates) {
    GameFixture f(kTwoTasks);
    f.game.tasks().showTaskList();
    EXPECT_TRUE(f.game.tasks().taskListScreen().visible);
    f.game.tasks().fillTaskList(true);
    EXPECT_EQ(f.game.tasks().taskListScreen().items, (V{"alfa", "beta", "beta", "priklad"}));
}

TEST(TaskList, EitherOfTwoEqualNamesLoadsTheFirstTask) {
    GameFixture f(kTwoTasks);
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    f.game.tasks().selectListedTask(2);  // the second "beta"
    EXPECT_EQ(f.game.tasks().taskListScreen().chosenName, "beta");
    f.game.tasks().chooseListedTask();
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "beta");
    EXPECT_EQ(f.game.board().at(1, 1).downSum, 5);
    EXPECT_EQ(f.game.board().at(1, 3).kind, kBlank);
}

TEST(TaskList, ChoosingShowsTheNameAndHidesTheList) {
    GameFixture f(kTwoTasks);
    f.choose("alfa");
    EXPECT_FALSE(f.game.tasks().taskListScreen().visible);
    EXPECT_TRUE(f.game.screen().taskName);
    EXPECT_EQ(f.game.screen().taskNameCaption, "  alfa  ");
    EXPECT_EQ(f.game.tasks().taskListScreen().chosenName, "alfa");
    EXPECT_TRUE(f.game.screen().boardPanel);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 3);
}

TEST(TaskList, NothingHappensWithoutASelection) {
    GameFixture f(kTwoTasks);
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    f.game.tasks().chooseListedTask();
    EXPECT_TRUE(f.game.tasks().taskListScreen().visible);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "");
    EXPECT_FALSE(f.game.screen().boardPanel);
    f.game.tasks().selectListedTask(4);  // beyond the list
    f.game.tasks().chooseListedTask();
    EXPECT_FALSE(f.game.screen().boardPanel);
}

TEST(TaskList, CancelKeepsTheBoardAndStopsReloads) {
    GameFixture f(kTwoTasks);
    f.choose("priklad");
    f.game.tasks().showTaskList();
    EXPECT_FALSE(f.game.screen().taskName);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "");
    f.game.tasks().fillTaskList(true);
    f.game.tasks().cancelTaskList();
    EXPECT_FALSE(f.game.tasks().taskListScreen().visible);
    EXPECT_FALSE(f.game.screen().taskName);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "");
    EXPECT_TRUE(f.game.screen().boardPanel);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
    // "&Znovu" does nothing until a task is chosen again.
    int repaints = f.host.gaugeRepaints;
    f.game.tasks().reloadTask();
    EXPECT_EQ(f.host.gaugeRepaints, repaints);
    f.choose("alfa");
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 3);
}

TEST(TaskList, RefillingShowsTheFileAsItIsNowAndKeepsTheSelection) {
    GameFixture f(kTwoTasks);
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    f.game.tasks().selectListedTask(3);  // "priklad"
    f.dir.write("krizovky.KRI", "@zeta\r\n@priklad\r\n0/1\r\n");
    f.game.tasks().fillTaskList(false);
    EXPECT_EQ(f.game.tasks().taskListScreen().items, (V{"priklad", "zeta"}));
    EXPECT_EQ(f.game.tasks().taskListScreen().selected, 0);
    f.game.tasks().chooseListedTask();
    EXPECT_EQ(f.game.board().at(1, 1).downSum, 1);
}

TEST(TaskList, AFileWithoutTasksSaysSoInTheList) {
    GameFixture f("");
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    EXPECT_TRUE(f.game.tasks().taskListScreen().items.empty());
    EXPECT_EQ(f.game.tasks().taskListScreen().emptyListText, "V souboru nejsou žádné úlohy.");
    EXPECT_TRUE(f.host.failures.empty() && f.host.messages.empty());
    f.dir.write("krizovky.KRI", testing::crlf(kTwoTasks));
    f.game.tasks().fillTaskList(false);
    EXPECT_EQ(f.game.tasks().taskListScreen().emptyListText, "");
}

TEST(TaskList, AMissingFileIsReportedWhenShownAndTheListKept) {
    GameFixture f(kTwoTasks);
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    f.game.tasks().fillTaskList(false);  // an activation: no box that could return on its own
    EXPECT_TRUE(f.host.failures.empty());
    f.game.tasks().fillTaskList(true);
    EXPECT_EQ(f.host.failures, V{kFileNotFound});
    EXPECT_EQ(f.game.tasks().taskListScreen().items.size(), 4u);
}

TEST(TaskFileChoice, OffersTheTaskFilesBesideTheProgram) {
    GameFixture f(kTwoTasks);
    f.game.tasks().chooseTaskFile();
    ASSERT_EQ(f.host.dialogs.size(), 1u);
    const FileDialog& d = f.host.dialogs[0];
    EXPECT_EQ(d.title, "soubory se zadáním úloh");
    EXPECT_EQ(d.filterName, "úlohy");
    EXPECT_EQ(d.filterPattern, "*.kri");
    EXPECT_EQ(d.defaultExtension, "kri");
    EXPECT_EQ(d.initialDirectory, f.dir.path() + "/");
    EXPECT_EQ(d.fileName, f.dir.path() + "/*.kri");
    EXPECT_TRUE(d.pathMustExist);
    EXPECT_TRUE(d.promptToCreate);
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.dir.file("krizovky.KRI"));  // cancelled
}

TEST(TaskFileChoice, SwitchesTheListToTheChosenFile) {
    GameFixture f(kTwoTasks);
    f.choose("priklad");
    std::string other = f.dir.write("jine.kri", "@jina\r\n0/2\r\n");
    f.host.files.push_back(other);
    f.game.tasks().chooseTaskFile();
    EXPECT_EQ(f.game.tasks().taskFilePath(), other);
    EXPECT_FALSE(f.game.screen().taskName);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "");
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);  // the board stays
    f.choose("jina");
    EXPECT_EQ(f.game.board().at(1, 1).downSum, 2);
    // A chosen file that does not exist is reported by the next list.
    f.host.files.push_back(f.dir.file("nova.kri"));
    f.game.tasks().chooseTaskFile();
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    EXPECT_EQ(f.host.failures, V{kFileNotFound});
}

}  // namespace
}  // namespace krizovky
