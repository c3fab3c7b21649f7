// Links of the public puzzle editor from the game's side: the dialog's field
// filled from the clipboard, the board shown, the task kept in the player's
// own task file under its name and loaded; the link of the board copied.
#include "app/link_import.h"

#include <gtest/gtest.h>

#include "app/game.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using V = std::vector<std::string>;

const std::string kLink = "https://puzz.link/p?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3";

struct ImportFixture : GameFixture {
    std::string ownFile = dir.file("data/moje_ulohy.kri");
    ImportFixture() { game.tasks().setOwnTaskFilePath(ownFile); }
};

TEST(LinkImport, TheLinkIsKeptUnderItsNameLoadedAndSharedAgain) {
    ImportFixture f;
    f.game.newTasks().copyTaskLink();  // nothing on the board yet
    EXPECT_EQ(f.host.messages, V{"Na desce zatím není žádná úloha."});

    f.game.newTasks().openLinkImport("  " + kLink + "\n");
    const LinkImportScreen& dialog = f.game.newTasks().linkImportScreen();
    EXPECT_TRUE(dialog.visible);
    ASSERT_TRUE(dialog.puzzle);
    EXPECT_EQ(dialog.nameField, "odkaz 6x6");
    f.game.newTasks().setImportName(cp1250FromUtf8("sobotní"));
    f.game.newTasks().importLinkedTask();
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(readTaskNames(f.ownFile), V{cp1250FromUtf8("sobotní")});
    EXPECT_EQ(f.game.tasks().taskFilePath(), f.ownFile);
    EXPECT_EQ(f.game.tasks().selectedTaskName(), cp1250FromUtf8("sobotní"));
    EXPECT_TRUE(f.game.screen().boardPanel);

    // What was kept and loaded is the link's board: its link is the same.
    f.game.newTasks().copyTaskLink();
    EXPECT_EQ(f.host.clipboard, V{kLink});
    EXPECT_EQ(f.host.messages.back(), "Odkaz na úlohu je ve schránce:\n" + kLink);

    // The same name again replaces the task only when the player agrees.
    f.game.newTasks().openLinkImport(kLink);
    f.game.newTasks().setImportName(cp1250FromUtf8("SOBOTNÍ"));
    const std::string kept = readFileBytes(f.ownFile);
    f.game.newTasks().importLinkedTask();  // answered No
    EXPECT_EQ(f.host.questions, V{"Úloha \"sobotní\" už v souboru je. Nahradit ji?"});
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(readFileBytes(f.ownFile), kept);
}

TEST(LinkImport, TheFieldTellsWhatItRefuses) {
    ImportFixture f;
    f.game.newTasks().openLinkImport("jen tak nějaký text");  // no link: the field stays empty
    EXPECT_EQ(f.game.newTasks().linkImportScreen().text, "");
    for (const std::string& text :
         {std::string("https://puzz.link/p?sudoku/4/4/g"), kLink.substr(0, kLink.size() - 1),
          std::string("kakuro/15/14/") + std::string(210, 'k')}) {
        f.game.newTasks().setLinkText(text);
        EXPECT_FALSE(f.game.newTasks().linkImportScreen().puzzle) << text;
        EXPECT_EQ(f.game.newTasks().linkImportScreen().refusal, importPuzzle(text).message);
        EXPECT_EQ(f.game.newTasks().linkImportScreen().nameField, "");
        f.game.newTasks().importLinkedTask();  // "vlož" does nothing without a board
    }
    EXPECT_FALSE(fileExists(f.ownFile));
    EXPECT_TRUE(f.host.errors.empty());
    f.game.newTasks().cancelLinkImport();
    EXPECT_FALSE(f.game.newTasks().linkImportScreen().visible);
}

TEST(LinkImport, AnOpenedLinkFindsItsTaskOrKeepsItUnderAFreeName) {
    ImportFixture f;
    f.game.newTasks().useLinkAddress("http://localhost:8080/index.html");
    f.game.newTasks().openLink(kLink.substr(kLink.find('?') + 1));  // the page's "?" part
    EXPECT_TRUE(f.host.errors.empty());
    EXPECT_EQ(readTaskNames(f.ownFile), V{"odkaz 6x6"});
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "odkaz 6x6");
    EXPECT_TRUE(f.game.screen().boardPanel);

    // The copied link leads to the page, with the same data.
    f.game.newTasks().copyTaskLink();
    EXPECT_EQ(f.host.clipboard,
              V{"http://localhost:8080/index.html" + kLink.substr(kLink.find('?'))});

    // The same link again loads the task kept and writes nothing.
    const std::string kept = readFileBytes(f.ownFile);
    f.game.newTasks().openLink(kLink);
    EXPECT_EQ(readFileBytes(f.ownFile), kept);

    // Another board of that name is never replaced: the new one takes the next free name.
    const std::string other = "https://puzz.link/p?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a4";
    f.game.newTasks().openLink(other);
    f.game.newTasks().openLink(other);
    EXPECT_EQ(readTaskNames(f.ownFile), (V{"odkaz 6x6", "odkaz 6x6 (2)"}));
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "odkaz 6x6 (2)");
    EXPECT_TRUE(f.host.questions.empty());

    f.game.newTasks().openLink("kakuro/5/5/48la0");
    EXPECT_EQ(f.host.errors, V{importPuzzle("kakuro/5/5/48la0").message});
    EXPECT_EQ(f.game.tasks().selectedTaskName(), "odkaz 6x6 (2)");
}

}  // namespace
}  // namespace krizovky
