// Task files that the program never writes itself, chosen as the task file:
// each lists and loads what it sensibly holds, or tells the player why it
// cannot, and the game on the board stays as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "history/saved_game.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using V = std::vector<std::string>;

// A game in progress on the example task, then bytes as the task file.
struct OddFile : testing::GameFixture {
    std::string game0;  // the game as a saved game holds it
    explicit OddFile(const std::string& bytes) {
        choose("priklad");
        game.play().openSquareMenu(2, 2);
        game.play().chooseDigit(7);
        game0 = encodeSavedGame(game.board(), game.history());
        dir.write("krizovky.KRI", bytes);
        game.tasks().showTaskList();
        game.tasks().fillTaskList(true);
    }
    bool gameStays() const { return encodeSavedGame(game.board(), game.history()) == game0; }
    void chooseItem(int index) {
        game.tasks().showTaskList();
        game.tasks().selectListedTask(index);
        game.tasks().chooseListedTask();
    }
};

TEST(OddTaskFiles, LongNamesNulBytesAndLongLinesListAndLoad) {
    const std::string longName(10000, 'n'), nulName("a\0b", 3);
    OddFile f("@" + longName + "\r\n0/7\r\n@" + nulName + "\r\n0/" + std::string(1, '\0') +
              "8\r\n@m\r\n" + std::string(1 << 20, '0') + "\r\n" + std::string(1 << 20, 'x'));
    ASSERT_EQ(f.game.tasks().taskListScreen().items, (V{nulName, "m", longName.substr(0, 255)}));
    f.chooseItem(1);  // a row of 1 MB
    EXPECT_EQ(f.host.failures, V{kRangeCheckError});
    EXPECT_TRUE(f.gameStays());
    for (auto [item, sum] : {std::pair{0, 8}, std::pair{2, 7}}) {
        f.chooseItem(item);
        EXPECT_EQ(f.game.board().at(1, 1).downSum, sum);  // the NUL is no digit
        EXPECT_EQ(f.game.screen().taskNameCaption,
                  "  " + f.game.tasks().taskListScreen().items[item] + "  ");
    }
    f.game.tasks().editor().chooseTaskToLoad();  // the task editor loads the long name's rows too
    f.game.tasks().selectListedTask(2);
    f.game.tasks().chooseListedTask();
    EXPECT_EQ(f.game.tasks().editor().screen().grid.at(1, 1), "0/7");
}

TEST(OddTaskFiles, AUtf8FileReadsAndSavesAsWindows1250) {
    OddFile f("\xEF\xBB\xBF@žlutá\n0/4\n@čáp\n0/5\n");
    EXPECT_EQ(f.game.tasks().taskListScreen().items, (V{"čáp", "žlutá"}));
    f.chooseItem(1);
    EXPECT_EQ(f.game.board().at(1, 1).downSum, 4);
    f.game.tasks().showTextEditor();
    f.game.tasks().textEditor().activate();
    EXPECT_EQ(f.game.tasks().textEditor().screen().lines.front(), cp1250FromUtf8("@žlutá"));
    // A task saved into it: the whole file is Windows-1250 then, every name kept.
    f.game.tasks().editor().changeName(cp1250FromUtf8("řeka"));
    f.game.tasks().setOwnTaskFilePath(f.dir.file("moje_ulohy.kri"));
    f.host.files.push_back(f.dir.file("krizovky.KRI"));
    f.game.tasks().editor().saveTask();
    EXPECT_EQ(readTaskNames(f.dir.file("krizovky.KRI")),
              (V{cp1250FromUtf8("žlutá"), cp1250FromUtf8("čáp"), cp1250FromUtf8("řeka")}));
    EXPECT_TRUE(f.host.failures.empty());
}

TEST(OddTaskFiles, AFolderOrAnUnreadableFileIsReportedAndTheGameStays) {
    OddFile f("@priklad\r\n0/9\r\n");
    f.chooseItem(0);
    f.game0 = encodeSavedGame(f.game.board(), f.game.history());
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    std::filesystem::create_directory(f.dir.file("krizovky.KRI"));
    f.game.tasks().reloadTask();      // "&Znovu"
    f.game.tasks().showTextEditor();  // no file to edit: nothing happens
    EXPECT_FALSE(f.game.tasks().textEditor().screen().visible);
    f.game.tasks().fillTaskList(true);
    injectReadFault(EACCES);
    f.game.tasks().fillTaskList(true);
    f.chooseItem(0);
    injectReadFault(0);
    EXPECT_EQ(f.host.failures, (V{std::strerror(EISDIR), std::strerror(EISDIR),
                                  std::strerror(EACCES), std::strerror(EACCES)}));
    EXPECT_EQ(f.game.tasks().taskListScreen().items, V{"priklad"});  // as it was shown
    EXPECT_TRUE(f.gameStays());
}

}  // namespace
}  // namespace krizovky
