// "Nová úloha" from the game's side: the task made on its thread, kept in the
// player's own task file and loaded; a cancel, a refused keep and the list's
// switch between the collection and the own tasks; the editor's " generuj
// jedinečnou".
#include "app/new_task.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/game.h"
#include "app/player_files.h"
#include "editor/daily_task.h"
#include "editor/task_form.h"
#include "model/file_layer.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using V = std::vector<std::string>;

// The game with "priklad" on the board and a move made, and its own task
// file in the test's folder.
struct OwnTasksFixture : GameFixture {
    std::string ownFile = dir.file("data/krizovky/moje_ulohy.kri");
    OwnTasksFixture() {
        game.tasks().setOwnTaskFilePath(ownFile);
        choose("priklad");
        game.play().enterDigit(2, 2, 7, true, true);
    }
    // "vytvoř" for the small board of the medium grade and number 12.
    void make() {
        game.newTasks().openNewTask();
        game.newTasks().newTask().setGrade(1);
        game.newTasks().newTask().setSize(0);
        game.newTasks().newTask().setNumber(12);
        game.newTasks().createNewTask();
    }
    bool stillPriklad() const {
        return game.tasks().selectedTaskName() == "priklad" && game.history().moveCount == 1 &&
               game.board().at(2, 2).digit == 7;
    }
};

TEST(NewTask, TheMadeTaskIsKeptAndLoadedAsAChosenTask) {
    OwnTasksFixture f;
    f.game.newTasks().openNewTask();
    const NewTaskScreen& dialog = f.game.newTasks().newTaskScreen();
    EXPECT_TRUE(dialog.visible);
    EXPECT_GE(dialog.number, 0);
    EXPECT_LE(dialog.number, kMaxTaskNumber);
    f.game.play().selectSquare(2, 2);
    ASSERT_TRUE(f.game.screen().acrossPanel);
    f.make();
    EXPECT_TRUE(dialog.working);
    EXPECT_TRUE(f.stillPriklad());  // nothing changes before the task is ready
    f.game.newTasks().waitForNewTask();

    const MadeTask expected =
        makeTask(f.game.newTasks().newTask().request(), completeCombinationTable());
    ASSERT_TRUE(expected.made);
    EXPECT_FALSE(dialog.visible);
    EXPECT_FALSE(dialog.working);
    EXPECT_EQ(readFileBytes(f.ownFile), expected.text);
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.ownFile);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "S 8 12");
    EXPECT_EQ(f.game.screen().taskNameCaption, "  S 8 12  ");
    EXPECT_EQ(f.game.history().moveCount, 0);
    EXPECT_FALSE(f.game.screen().acrossPanel);  // the hints of (2, 2) went with "priklad"
    const Board made = taskBoard(expected.grid);
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            EXPECT_EQ(f.game.board().at(r, c).kind, made.at(r, c).kind) << r << "," << c;
            EXPECT_EQ(f.game.board().at(r, c).digit, 0);
        }
    EXPECT_TRUE(f.host.messages.empty());

    // The list shows the own tasks, with the whole description in the tip.
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    const TaskListScreen& list = f.game.tasks().taskListScreen();
    EXPECT_TRUE(list.ownTasks);
    EXPECT_EQ(list.items, V{"S 8 12"});
    EXPECT_EQ(list.descriptions, V{"střední, malá 8 × 8, číslo 12"});
}

// The front-end runs the making where it likes: until it has run, the game
// waits and shows that it works; a making cancelled before it ran gives
// nothing, and its task never reaches the board.
TEST(NewTask, TheMakingRunsWhereTheFrontEndRunsIt) {
    OwnTasksFixture f;
    std::vector<std::shared_ptr<Job>> jobs;
    f.game.newTasks().newTask().useRunner(
        [&](std::shared_ptr<Job> job) { jobs.push_back(std::move(job)); });
    f.make();
    ASSERT_EQ(jobs.size(), 1u);
    f.game.newTasks().pollNewTask();
    EXPECT_TRUE(f.game.newTasks().newTaskScreen().working);
    EXPECT_TRUE(f.stillPriklad());
    jobs[0]->run();
    f.game.newTasks().pollNewTask();
    EXPECT_FALSE(f.game.newTasks().newTaskScreen().working);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "S 8 12");

    f.game.play().enterDigit(2, 2, 1, true, true);
    f.make();
    ASSERT_EQ(jobs.size(), 2u);
    f.game.newTasks().cancelNewTask();
    EXPECT_TRUE(jobs[1]->cancelled());
    jobs[1]->run();
    f.game.newTasks().pollNewTask();
    EXPECT_EQ(f.game.board().at(2, 2).digit, 1);
}

// "Úloha dne": made once as a job without the dialog, kept and loaded; taken
// from the own task file with its game the next time.
TEST(NewTask, TheTaskOfTheDayIsMadeOnceAndThenTakenFromTheOwnTasks) {
    OwnTasksFixture f;
    f.game.persistence().usePlayerFiles(playerFilesBeside(f.dir.file("vysledky.json")));
    std::vector<std::shared_ptr<Job>> jobs;
    f.game.newTasks().newTask().useRunner(
        [&](std::shared_ptr<Job> job) { jobs.push_back(std::move(job)); });
    f.game.newTasks().openDailyTask({2026, 12, 9});
    ASSERT_EQ(jobs.size(), 1u);
    const NewTaskScreen& dialog = f.game.newTasks().newTaskScreen();
    EXPECT_TRUE(dialog.working);
    EXPECT_TRUE(dialog.daily);
    EXPECT_FALSE(dialog.visible);
    jobs[0]->run();
    f.game.newTasks().pollNewTask();
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "den 2026-12-09");
    EXPECT_EQ(readFileBytes(f.ownFile),
              makeDailyTask({2026, 12, 9}, completeCombinationTable()).text);
    // A digit on the day's board, in its first entry square.
    BoardSquare entry;
    for (int r = 1; r <= kBoardSize && entry.none(); ++r)
        for (int c = 1; c <= kBoardSize && entry.none(); ++c)
            if (f.game.board().isEntry(r, c)) entry = {r, c};
    f.game.play().toggleChecking();  // any digit goes in
    f.game.play().enterDigit(entry.row, entry.column, 9, true, true);
    ASSERT_EQ(f.game.board().at(entry.row, entry.column).digit, 9);
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    EXPECT_EQ(f.game.tasks().taskListScreen().descriptions,
              V{"úloha dne 9. 12. 2026: střední, střední 11 × 11"});
    f.game.tasks().cancelTaskList();

    // Another task, then the day's again: from the file, with the game left on it.
    f.game.tasks().showOwnTasks(false);
    f.choose("priklad");
    f.game.newTasks().openDailyTask({2026, 12, 9});
    EXPECT_EQ(jobs.size(), 1u);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "den 2026-12-09");
    EXPECT_EQ(f.game.board().at(entry.row, entry.column).digit, 9);
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(NewTask, CancelLeavesTheBoardAndNoFile) {
    OwnTasksFixture f;
    f.make();
    f.game.newTasks().cancelNewTask();
    EXPECT_FALSE(f.game.newTasks().newTaskScreen().visible);
    EXPECT_FALSE(f.game.newTasks().newTaskScreen().working);
    f.game.newTasks().waitForNewTask();  // the stopped making ends and gives nothing
    f.game.newTasks().pollNewTask();
    EXPECT_TRUE(f.stillPriklad());
    EXPECT_FALSE(fileExists(f.ownFile));
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.dir.file("krizovky.KRI"));
}

TEST(NewTask, ATaskThatCannotBeKeptLeavesTheBoardAndTheDialog) {
    {
        OwnTasksFixture f;
        injectWriteFault(WriteStep::kRename, ENOSPC);
        f.make();
        f.game.newTasks().waitForNewTask();
        injectWriteFault(WriteStep::kNone, 0);
        EXPECT_EQ(f.host.failures, V{std::strerror(ENOSPC)});
        EXPECT_TRUE(f.game.newTasks().newTaskScreen().visible);
        EXPECT_TRUE(f.stillPriklad());
        EXPECT_FALSE(fileExists(f.ownFile));
    }
    OwnTasksFixture f;
    f.game.tasks().setOwnTaskFilePath("");  // no folder for the player's files
    f.make();
    f.game.newTasks().waitForNewTask();
    EXPECT_EQ(f.host.errors.size(), 1u);
    EXPECT_TRUE(f.game.newTasks().newTaskScreen().visible);
    EXPECT_TRUE(f.stillPriklad());
}

TEST(NewTask, TheOwnTaskFileLiesInThePlayersDataFolder) {
    testing::TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    GameFixture f;
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(f.game.tasks().ownTaskFilePath(), data.file("krizovky/moje_ulohy.kri"));
}

TEST(NewTask, TheListSwitchesBetweenTheCollectionAndTheOwnTasks) {
    OwnTasksFixture f;
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    EXPECT_TRUE(f.game.tasks().taskListScreen().ownTasksSwitch);
    EXPECT_EQ(f.game.tasks().taskListScreen().collectionFile, f.dir.file("krizovky.KRI"));
    f.game.tasks().showOwnTasks(true);  // no own task yet: an empty list, no box
    EXPECT_TRUE(f.game.tasks().taskListScreen().ownTasks);
    EXPECT_TRUE(f.game.tasks().taskListScreen().items.empty());
    EXPECT_TRUE(f.host.failures.empty());
    f.game.tasks().showOwnTasks(false);
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.dir.file("krizovky.KRI"));
    EXPECT_EQ(f.game.tasks().taskListScreen().items, V{"priklad"});
}

TEST(UniqueTaskInTheEditor, FillsTheGridWithATaskOfOneSolutionAtTheGrade) {
    GameFixture f;
    TaskEditor& editor = f.game.tasks().editor();
    editor.changeTaskNumber("7");
    const GeneratorState before = editor.generator();
    editor.setUniqueGrade(2);
    ASSERT_TRUE(editor.generateUniqueTask());  // an empty grid: a drawn 15 x 15 shape
    EXPECT_EQ(editor.screen().verdict, "jediné řešení, těžká");
    EXPECT_EQ(editor.screen().grid, makeTask(requestForGrid(EditorGrid{}, Difficulty::kHard, 7),
                                             completeCombinationTable())
                                        .grid);
    // The generator's sequence goes on as if nothing happened.
    EXPECT_EQ(editor.generator().randomSeed, before.randomSeed);
    EXPECT_EQ(editor.generator().generationCount, before.generationCount);

    const EditorGrid made = editor.screen().grid;
    editor.changeTaskNumber("10000");
    EXPECT_FALSE(editor.generateUniqueTask());
    EXPECT_EQ(f.host.errors, V{"Jedinečná úloha se dělá z čísla úlohy od 0 do 9999."});
    EXPECT_EQ(editor.screen().grid, made);
}

}  // namespace
}  // namespace krizovky
