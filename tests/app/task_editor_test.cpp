#include "app/task_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "app/game.h"
#include "editor/task_form.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/text.h"
#include "support/editor_grid_text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using V = std::vector<std::string>;

std::string u(const char* utf8) {
    return cp1250FromUtf8(utf8);
}

// A structure file of one 3 x 3 puzzle in the top left corner, blank cells
// around it.
std::string smallStructures() {
    std::string text = "@mala\r\n";
    const char* rows[] = {"x,/,/", "/, , ", "/, , "};
    for (int r = 0; r < 15; ++r) {
        std::string line = r < 3 ? rows[r] : "x";
        for (int c = r < 3 ? 3 : 1; c < 15; ++c)
            line += ",x";
        text += line + "\r\n";
    }
    return text;
}

struct EditorFixture : GameFixture {
    TaskEditor& editor = game.tasks().editor();
    std::string ownFile = dir.file("data/krizovky/moje_ulohy.kri");
    explicit EditorFixture(const std::string& tasks = testing::kExampleTask) : GameFixture(tasks) {
        dir.write("krizovky.VZR", smallStructures());
        game.tasks().setOwnTaskFilePath(ownFile);
        game.tasks().showTaskEditor();
    }
    // " generuj vše", then "ulož úlohu" into the file.
    void generateAndSave(const std::string& file) {
        editor.generateWholeTask();
        host.files.push_back(dir.file(file));
        editor.saveTask();
    }
};

TEST(TaskEditor, EachSaveUnderTheDefaultNameGetsItsOwnName) {
    EditorFixture f;
    f.generateAndSave("g.kri");  // seed 0 at start: the first task counts 2
    f.game.tasks().showTaskEditor();
    f.generateAndSave("g.kri");
    EXPECT_TRUE(f.host.errors.empty());
    EXPECT_EQ(readTaskNames(f.dir.file("g.kri")), (V{u("úloha/1/2"), u("úloha/1/3")}));
    EXPECT_EQ(f.editor.editorTaskName(), u("nová_úloha"));
    EXPECT_EQ(f.editor.screen().nameField, u("nová_úloha"));
    // The task list shows the saved names at once.
    EXPECT_EQ(f.game.tasks().taskListScreen().items, (V{"úloha/1/2", "úloha/1/3"}));
}

TEST(TaskEditor, ASaveIsOfferedTheOwnTaskFileAndTellsWhereTheTaskWent) {
    EditorFixture f;
    f.editor.generateWholeTask();
    f.host.files.push_back(f.ownFile);
    f.editor.saveTask();
    ASSERT_EQ(f.host.dialogs.size(), 1u);
    EXPECT_EQ(f.host.dialogs[0].initialDirectory, f.dir.file("data/krizovky/"));
    EXPECT_EQ(f.host.dialogs[0].fileName, f.ownFile);
    EXPECT_EQ(readTaskNames(f.ownFile), V{u("úloha/1/2")});
    EXPECT_TRUE(f.editor.screen().visible);
    EXPECT_EQ(f.editor.screen().verdict, "uloženo do moje_ulohy.kri");
    EXPECT_EQ(f.editor.screen().savedTo, f.ownFile);
    // An edit of the grid makes the verdict about nothing.
    f.editor.setCell(1, 15, "keep");
    EXPECT_EQ(f.editor.screen().verdict, "");
    EXPECT_EQ(f.editor.screen().savedTo, "");

    // Without a folder for the player's files the dialog is in the program's.
    f.game.tasks().setOwnTaskFilePath("");
    f.editor.saveTask();
    ASSERT_EQ(f.host.dialogs.size(), 2u);
    EXPECT_EQ(f.host.dialogs[1].fileName, f.dir.path() + "/*.kri");
}

TEST(TaskEditor, GenerationsPast255KeepCounting) {
    EditorFixture f;
    f.editor.clearGrid();
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            f.editor.setCell(c, r, "x");
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(f.editor.completeTask());
    EXPECT_EQ(f.editor.generator().generationCount, 301u);
    f.host.files.push_back(f.dir.file("n.kri"));
    f.editor.saveTask();
    EXPECT_EQ(readTaskNames(f.dir.file("n.kri")), V{u("úloha/1/301")});
}

TEST(TaskEditor, ReportsWhatStopsASaveOrAGeneration) {
    EditorFixture f;
    f.editor.setCell(4, 1, "/");
    f.editor.saveTask();
    f.editor.setCell(4, 1, "");
    f.editor.changeName("");
    f.editor.saveTask();
    EXPECT_EQ(f.host.errors, (V{"Na řádku 1 a sloupci 4 je chybná hodnota.",
                                "Není dosud definováno jméno úlohy pro uložení."}));
    EXPECT_TRUE(f.host.dialogs.empty());
    f.editor.changeName("Abc");
    f.editor.saveTask();  // the dialog cancelled
    ASSERT_EQ(f.host.dialogs.size(), 1u);
    EXPECT_EQ(f.host.dialogs[0].title, "soubor s definicí úloh");
    EXPECT_TRUE(f.editor.screen().visible);

    f.host.errors.clear();
    f.editor.changeTaskNumber("-5");
    EXPECT_EQ(f.host.errors, V{"Chybné číslo!"});
    EXPECT_EQ(f.editor.screen().numberField, "-5");
    EXPECT_EQ(f.editor.generator().randomSeed, 3u);

    // Without a structure file the fill goes on with the grid: fifteen open
    // cells in a row never fill.
    std::filesystem::remove(f.dir.file("krizovky.VZR"));
    f.host.errors.clear();
    f.editor.clearGrid();
    EXPECT_FALSE(f.editor.generateWholeTask());
    EXPECT_EQ(f.host.errors, (V{"Nenalezl jsem soubor s definicemi struktur úloh!",
                                "Nepodařilo se mi doplnit strukturu!"}));
    EXPECT_EQ(f.editor.generator().generationCount, 1u);
}

TEST(TaskEditor, ATaskOfTheSameNameInOtherCapitalsIsReplacedOnlyAfterAYes) {
    EditorFixture f;
    const std::string file = "@moje prvn\xed\r\n0\r\n@jin\xe1\r\n0\r\n";
    const std::string path = f.dir.write("k.kri", file);
    f.editor.changeName("MOJE PRVN\xcd");
    f.host.files = {path, path};
    f.host.answers = {false, true};
    f.editor.saveTask();
    EXPECT_EQ(readFileBytes(path), file);
    EXPECT_TRUE(f.editor.screen().visible);
    f.editor.saveTask();
    EXPECT_EQ(readTaskNames(path), (V{"jin\xe1", "MOJE PRVN\xcd"}));
    EXPECT_EQ(f.host.questions, V(2, "Úloha \"moje první\" už v souboru je. Nahradit ji?"));
    // A name that matches nothing saves without a question.
    f.editor.changeName("nov\xe1");
    f.host.files = {path};
    f.editor.saveTask();
    EXPECT_EQ(f.host.questions.size(), 2u);
}

TEST(TaskEditor, AFailedSaveKeepsTheTaskFileAndTheWindow) {
    EditorFixture f;
    const std::string path = f.dir.write("k.kri", "@Abc\r\n0\r\n");
    f.editor.changeName("ABC");
    f.host.files.push_back(path);
    f.host.answers = {true, true};  // "Nahradit ji?"
    injectWriteFault(WriteStep::kRename, EIO);
    f.editor.saveTask();
    injectWriteFault(WriteStep::kNone, 0);
    EXPECT_EQ(f.host.failures, V{std::strerror(EIO)});
    EXPECT_EQ(readFileBytes(path), "@Abc\r\n0\r\n");
    EXPECT_TRUE(f.editor.screen().visible);
    f.host.files.push_back(path);
    f.editor.saveTask();
    EXPECT_EQ(readTaskNames(path), V{"ABC"});
}

TEST(TaskEditor, LoadsATaskChosenInTheTaskList) {
    EditorFixture f;
    f.editor.setCell(1, 15, "keep");
    f.game.tasks().setSelectedTaskName("priklad");
    f.editor.chooseTaskToLoad();
    EXPECT_TRUE(f.game.tasks().taskListForEditor());
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "");
    EXPECT_TRUE(f.game.tasks().taskListScreen().visible);
    f.game.tasks().fillTaskList(true);
    f.game.tasks().selectListedTask(0);
    f.game.tasks().chooseListedTask();
    EXPECT_FALSE(f.game.tasks().taskListForEditor());
    EXPECT_EQ(f.editor.editorTaskName(), "priklad");
    EXPECT_EQ(f.editor.screen().nameField, "priklad");
    EXPECT_EQ(testing::rowOf(f.editor.screen().grid, 2, 4), "8/0,,,x");
    EXPECT_EQ(f.editor.screen().grid.at(1, 15), "x");
    // The name shows above the board, but the board waits for "&Znovu".
    EXPECT_FALSE(f.game.screen().boardPanel);
    EXPECT_EQ(f.game.screen().taskNameCaption, "  priklad  ");
    f.game.tasks().reloadTask();
    EXPECT_TRUE(f.game.screen().boardPanel);
}

TEST(TaskEditor, ATaskListCancelledForTheEditorServesTheBoardNext) {
    EditorFixture f;
    f.editor.chooseTaskToLoad();
    f.game.tasks().cancelTaskList();
    EXPECT_TRUE(f.game.tasks().taskListForEditor());
    f.choose("priklad");
    EXPECT_TRUE(f.game.screen().boardPanel);
    EXPECT_EQ(f.editor.screen().grid.at(1, 2), "");
    EXPECT_EQ(f.editor.editorTaskName(), u("nová_úloha"));
    // A task file gone missing: the grid and the name stay.
    f.editor.chooseTaskToLoad();
    f.game.tasks().fillTaskList(true);
    f.game.tasks().selectListedTask(0);
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    f.game.tasks().chooseListedTask();
    EXPECT_EQ(f.host.failures, V{"File not found"});
    EXPECT_EQ(f.editor.editorTaskName(), u("nová_úloha"));
}

// " generuj vše" on a structure that no digits fill, fifteen open cells in
// every row: one message after the ten attempts, the grid as the last one
// left it (nine distinct digits, then no digit fits), and the editor goes on.
TEST(TaskEditor, AStructureThatCannotBeFilledEndsWithOneMessage) {
    EditorFixture f;
    std::string open = "@otevřená\r\n";
    for (int r = 1; r <= 15; ++r)
        open += " , , , , , , , , , , , , , , \r\n";
    f.dir.write("krizovky.VZR", cp1250FromUtf8(open));
    EXPECT_FALSE(f.editor.generateWholeTask());
    EXPECT_EQ(f.host.errors, V{"Nepodařilo se mi doplnit strukturu!"});
    std::string digits;
    for (int c = 1; c <= 15; ++c)
        digits += f.editor.screen().grid.at(c, 1);
    std::sort(digits.begin(), digits.end());
    EXPECT_EQ(digits, "      123456789");
    f.dir.write("krizovky.VZR", smallStructures());
    EXPECT_TRUE(f.editor.generateWholeTask());
    EXPECT_EQ(f.host.errors.size(), 1u);
}

// The label beside "zpět" after a load, a completion and a generation; any
// other change of the grid takes it away.
TEST(TaskEditor, TellsWhatTheTaskOfTheGridIsWorth) {
    EditorFixture f(std::string(testing::kExampleTask) + "@nic\n0,0/9,0/9\n3/0,2,2\n17/0,2,2\n");
    auto load = [&f](const std::string& name) {
        f.editor.chooseTaskToLoad();
        f.game.tasks().fillTaskList(true);
        const auto& items = f.game.tasks().taskListScreen().items;
        const auto at = std::find(items.begin(), items.end(), name) - items.begin();
        f.game.tasks().selectListedTask(static_cast<int>(at));
        f.game.tasks().chooseListedTask();
        return f.editor.screen().verdict;
    };
    EXPECT_EQ(load("priklad"), "jediné řešení, lehká");
    f.editor.setCell(2, 2, "5");
    EXPECT_EQ(f.editor.screen().verdict, "");
    EXPECT_EQ(load("nic"), "bez řešení");
    f.editor.clearGrid();
    EXPECT_EQ(f.editor.screen().verdict, "");

    // Digits typed in full: "dokonči úlohu" only sums them.
    auto complete = [&f](const std::vector<std::vector<std::string>>& rows) {
        for (int r = 1; r <= kEditorSize; ++r)
            for (int c = 1; c <= kEditorSize; ++c)
                f.editor.setCell(c, r, "x");
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                f.editor.setCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
        f.editor.completeTask();
        return f.editor.screen().verdict;
    };
    EXPECT_EQ(complete({{"x", "/", "/"}, {"/", "7", "1"}, {"/", "9", "2"}}),
              "jediné řešení, lehká");
    EXPECT_EQ(complete({{"x", "/", "/"}, {"/", "1", "3"}, {"/", "3", "1"}}), "více řešení");
    // The digit of row 2 has no clue before it across.
    EXPECT_EQ(complete({{"x", "/", "x"}, {"x", "4", "x"}, {"x", "x", "x"}}), "chybná úloha");

    // A generation, and a structure drawn over it.
    f.editor.generateWholeTask();
    EXPECT_NE(f.editor.screen().verdict, "");
    f.editor.generateStructure();
    EXPECT_EQ(f.editor.screen().verdict, "");
}

}  // namespace
}  // namespace krizovky
