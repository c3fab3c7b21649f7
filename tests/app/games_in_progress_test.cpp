#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include "history/kept_game.h"
#include "model/file_layer.h"
#include "model/player_folders.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;

// "priklad" (7 1 over 9 2) and "druha" (1 2 over 3 4), with the player's
// files in a state folder of the test that does not exist yet.
const std::string kTwoTasks =
    std::string(testing::kExampleTask) +
    "@druha\n"
    "0,0/4,0/6,0*12\n"
    "3/0,2,2,0*12\n"
    "7/0,2,2,0*12\n"
    "0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n";

struct GamesInProgressTest : ::testing::Test {
    GameFixture f{kTwoTasks};
    Game& g = f.game;
    const PlayerFiles files = playerFilesBeside(f.dir.file("state/krizovky/vysledky.json"));

    void SetUp() override {
        g.persistence().usePlayerFiles(files);
        g.play().toggleAutoFill();
        f.choose("priklad");
    }
    void write(int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    }
    std::vector<KeptGame> kept() const {
        return decodeKeptGames(readFileBytes(files.gamesInProgress));
    }
};

TEST_F(GamesInProgressTest, AGameLeftForAnotherTaskIsTakenUpWhereItStood) {
    g.play().setLevel(Level::k130);
    write(2, 2, 7);
    g.moves().setMark();
    g.moves().toggleNote(3, 3, 4);
    g.help().showNextStep();
    g.persistence().playClock().passTime(56'000);
    f.choose("druha");
    EXPECT_TRUE(f.host.questions.empty());
    EXPECT_EQ(g.tasks().selectedTaskName(), "druha");
    EXPECT_EQ(g.history().moveCount, 0);
    EXPECT_EQ(g.persistence().playClock().seconds(), 0);
    ASSERT_EQ(kept().size(), 1u);
    EXPECT_EQ(kept()[0].taskName, "priklad");

    // The list marks the kept game, and the game on the board once it is one.
    g.tasks().showTaskList();
    g.tasks().fillTaskList(true);
    EXPECT_EQ(g.tasks().taskListScreen().inProgress,
              (std::map<std::string, std::string>{{"priklad", "rozehráno 0:56"}}));
    g.tasks().cancelTaskList();
    g.moves().toggleNote(2, 2, 1);
    g.persistence().playClock().passTime(3'000);
    g.tasks().showTaskList();
    g.tasks().fillTaskList(true);
    EXPECT_EQ(g.tasks().taskListScreen().inProgress.at("druha"), "rozehráno 0:03");

    g.play().setLevel(Level::k160);
    g.play().toggleAutoFill();
    f.choose("priklad");
    EXPECT_EQ(g.board().at(2, 2).digit, 7);
    EXPECT_EQ(g.board().at(3, 3).notes, digitBit(4));
    EXPECT_EQ(g.history().moveCount, 1);
    EXPECT_EQ(g.history().markCount, 1);
    EXPECT_EQ(g.persistence().playClock().seconds(), 56);
    EXPECT_EQ(g.screen().playClockCaption, "0:56");
    EXPECT_EQ(g.options().level, Level::k130);
    EXPECT_FALSE(g.options().autoFill);
    EXPECT_EQ(g.persistence().aids().nextSteps, 1);
    EXPECT_EQ(g.screen().taskNameCaption, "  priklad  ");
    // Taken up, the game is the board's and no longer kept twice; druha's
    // notes are kept in its place.
    ASSERT_EQ(kept().size(), 1u);
    EXPECT_EQ(kept()[0].taskName, "druha");

    // A finished game is not kept, and its task comes back afresh.
    write(2, 3, 1);
    write(3, 2, 9);
    write(3, 3, 2);
    EXPECT_EQ(f.host.messages.back(), "Celou křížovku jste úspěšně vyřešil, gratuluji!");
    f.choose("druha");
    EXPECT_EQ(g.board().at(2, 2).notes, digitBit(1));
    EXPECT_TRUE(kept().empty());
    f.choose("priklad");
    EXPECT_EQ(g.history().moveCount, 0);
    EXPECT_EQ(g.persistence().playClock().seconds(), 0);
    EXPECT_TRUE(f.host.questions.empty());
}

TEST_F(GamesInProgressTest, AtMostFiftyGamesAreKeptTheOldestGoing) {
    std::string tasks;
    for (int i = 1; i <= 52; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "u%02d", i);
        tasks += std::string("@") + name + std::string(testing::kExampleTask).substr(8);
    }
    f.dir.write("krizovky.KRI", testing::crlf(tasks));
    for (int i = 1; i <= 52; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "u%02d", i);
        f.choose(name);
        g.moves().toggleNote(2, 2, 1 + i % 9);
    }
    const std::vector<KeptGame> games = kept();
    ASSERT_EQ(games.size(), kMostGamesInProgress);
    EXPECT_EQ(games.front().taskName, "u51");
    EXPECT_EQ(games.back().taskName, "u02");
    f.choose("u01");
    EXPECT_EQ(g.board().at(2, 2).notes, 0);
    // Leaving u52 has pushed u02 out in its turn.
    f.choose("u02");
    EXPECT_EQ(g.board().at(2, 2).notes, 0);
    f.choose("u03");
    EXPECT_EQ(g.board().at(2, 2).notes, digitBit(4));
}

TEST_F(GamesInProgressTest, AGameThatCannotBeKeptIsLostOnlyAfterAYes) {
    write(2, 2, 7);
    injectWriteFault(WriteStep::kRename, ENOSPC);
    ASSERT_TRUE(g.tasks().chooseTaskByName("druha"));
    ASSERT_EQ(f.host.questions, std::vector<std::string>{"Rozehraná hra se ztratí. Pokračovat?"});
    EXPECT_EQ(g.board().at(2, 2).digit, 7);
    EXPECT_EQ(g.history().moveCount, 1);
    EXPECT_TRUE(g.tasks().taskListScreen().visible);

    f.host.answers = {true};
    g.tasks().chooseListedTask();
    injectWriteFault(WriteStep::kNone, 0);
    EXPECT_EQ(f.host.questions.size(), 2u);
    EXPECT_EQ(g.tasks().selectedTaskName(), "druha");
    EXPECT_EQ(g.history().moveCount, 0);
    EXPECT_FALSE(fileExists(files.gamesInProgress));
}

TEST_F(GamesInProgressTest, ZnovuAndALoadedGameDropOrKeepTheTasksGame) {
    const std::string saved = f.dir.file("hra.ulo");
    write(2, 2, 7);
    f.host.files = {saved};
    g.persistence().saveGame();
    write(2, 3, 1);
    // "&Načti" replaces the board too: the game on it is kept first.
    f.host.files = {saved};
    g.persistence().loadGame();
    EXPECT_EQ(g.history().moveCount, 1);
    ASSERT_EQ(kept().size(), 1u);
    EXPECT_EQ(kept()[0].taskName, "priklad");

    f.host.answers = {true};
    g.tasks().reloadTask();
    EXPECT_TRUE(kept().empty());
    f.choose("druha");
    f.choose("priklad");
    EXPECT_EQ(g.history().moveCount, 0);
}

TEST_F(GamesInProgressTest, ADamagedFileIsSetAsideWithAMessage) {
    makeFolders(f.dir.file("state/krizovky"));
    f.dir.write("state/krizovky/rozehrane_ulohy.json", "{\"version\": 1, \"games\": [");
    write(2, 2, 7);
    f.choose("druha");
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0],
              "Rozehrané úlohy se nepodařilo načíst: soubor je poškozený (řádek 1). Byl uložen "
              "stranou jako rozehrane_ulohy.json.damaged; rozehrané úlohy se budou ukládat do "
              "nového souboru.");
    EXPECT_EQ(readFileBytes(files.gamesInProgress + ".damaged"), "{\"version\": 1, \"games\": [");
    ASSERT_EQ(kept().size(), 1u);
    f.choose("priklad");
    EXPECT_EQ(g.board().at(2, 2).digit, 7);
}

}  // namespace
}  // namespace krizovky
