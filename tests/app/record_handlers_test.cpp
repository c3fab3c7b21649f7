#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "history/results_record.h"
#include "history/saved_game.h"
#include "model/file_layer.h"
#include "model/memory_storage.h"
#include "support/game_fixture.h"
#include "support/solver_slices.h"

namespace krizovky {
namespace {

using testing::GameFixture;

// The example "priklad" (7 1 over 9 2), with the player's files in a state
// folder of the test that does not exist yet.
struct RecordTest : ::testing::Test {
    GameFixture f;
    Game& g = f.game;
    const PlayerFiles files = playerFilesBeside(f.dir.file("state/krizovky/vysledky.json"));

    void SetUp() override { start(g); }
    void start(Game& game) {
        game.persistence().usePlayerFiles(files);
        game.tasks().setTaskFilePath(f.dir.file("krizovky.KRI"));
        ASSERT_TRUE(game.tasks().chooseTaskByName("priklad"));
    }
    static void write(Game& game, int row, int column, int digit) {
        game.play().openSquareMenu(row, column);
        game.play().chooseDigit(digit);
    }
    void write(int row, int column, int digit) { write(g, row, column, digit); }
    std::vector<GameResult> results() const {
        return ResultsRecord::decode(readFileBytes(files.record)).results;
    }
    // The program closed and started again on the same folders.
    struct Restart {
        testing::ScriptedHost host;
        Game game{host};
    };
    std::unique_ptr<Restart> restart() {
        auto again = std::make_unique<Restart>();
        again->game.start(f.dir.file("krizovky"));
        again->game.persistence().usePlayerFiles(files);
        return again;
    }
};

TEST_F(RecordTest, TheResultIsRecordedAtTheCongratulationOnce) {
    g.play().toggleChecking();  // any digit lands where it is put
    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    g.persistence().playClock().passTime(75'000);
    g.help().showNextStep();
    write(2, 2, 7);
    write(2, 3, 1);
    write(3, 2, 9);
    write(3, 3, 3);  // full, but wrong
    EXPECT_EQ(f.host.messages.back(),
              "Celou křížovku jste sice zaplnil, ale máte tam nějaké chybky!");
    EXPECT_FALSE(fileExists(files.record));
    g.persistence().playClock().passTime(5'000);
    write(3, 3, 2);
    EXPECT_EQ(f.host.messages.back(), "Celou křížovku jste úspěšně vyřešil, gratuluji!");

    std::vector<GameResult> recorded = results();
    ASSERT_EQ(recorded.size(), 1u);
    const GameResult r = recorded[0];
    EXPECT_EQ(r.taskFile, f.dir.file("krizovky.KRI"));
    EXPECT_EQ(r.taskName, "priklad");
    EXPECT_EQ(r.taskHash, taskHash(g.board()));
    EXPECT_EQ(r.grade, "lehká");
    EXPECT_EQ(r.finishedAt.size(), 19u);
    EXPECT_EQ(r.seconds, 80);
    EXPECT_EQ(r.level, 130);
    EXPECT_EQ(r.nextSteps, 1);
    EXPECT_FALSE(r.checked || r.bySolver);
    // The clock stands, and the board filled again after a change is no
    // second result.
    g.persistence().playClock().passTime(60'000);
    EXPECT_EQ(g.screen().playClockCaption, "1:20");
    write(3, 3, 5);
    write(3, 3, 2);
    EXPECT_EQ(results().size(), 1u);

    // "&Znovu" starts from zero; "70" solves and is recorded as the solver's.
    f.host.answers = {true};
    g.tasks().reloadTask();
    EXPECT_EQ(g.persistence().playClock().seconds(), 0);
    g.help().verifyBoard();
    f.host.confirmations = {true};
    g.solver().askToSolve();
    testing::finishSolve(g);
    recorded = results();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_TRUE(recorded[1].bySolver);
    EXPECT_EQ(recorded[1].level, 70);
    EXPECT_TRUE(recorded[1].checked);
    EXPECT_EQ(bestResultText(*ResultsRecord{recorded}.best({r.taskFile, r.taskName, r.taskHash})),
              "s nápovědou 1:20");  // helped, before the solver's

    // The notes "&Vyplň poznámky" fills are what IQ 100 shows.
    f.host.answers = {true};
    g.tasks().reloadTask();
    g.moves().fillNotes();
    for (const auto& [row, column, digit] : {std::array{2, 2, 7}, {2, 3, 1}, {3, 2, 9}, {3, 3, 2}})
        write(row, column, digit);
    EXPECT_EQ(results().back().level, 100);
}

TEST_F(RecordTest, APauseStopsTheClockOfAGameOnAndAFreshGameBeginsUnpaused) {
    g.persistence().playClock().passTime(5'000);
    g.persistence().togglePause();
    EXPECT_TRUE(g.screen().paused);
    g.persistence().playClock().passTime(60'000);
    g.persistence().togglePause();
    EXPECT_FALSE(g.screen().paused);
    g.persistence().playClock().passTime(1'000);
    EXPECT_EQ(g.persistence().playClock().seconds(), 6);

    g.persistence().togglePause();
    g.tasks().reloadTask();  // nothing played: no question
    EXPECT_FALSE(g.screen().paused);
    EXPECT_TRUE(g.persistence().playClock().counting());

    // No pause while a question waits.
    f.host.answersAtOnce = false;
    write(2, 2, 7);
    g.tasks().reloadTask();  // "Moves would be lost": a question waits
    ASSERT_TRUE(g.requests().awaitingAnswer());
    g.persistence().togglePause();
    EXPECT_FALSE(g.screen().paused);
}

TEST_F(RecordTest, AGameKeptOnClosingComesBackAsIfNeverClosed) {
    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    write(2, 2, 7);
    g.moves().setMark();
    g.help().showNextStep();
    g.moves().toggleNote(3, 3, 4);
    g.persistence().playClock().passTime(90'000);
    EXPECT_TRUE(testing::quitAnswered(g));
    EXPECT_TRUE(f.host.questions.empty());

    auto again = restart();
    Game& h = again->game;
    ASSERT_TRUE(h.persistence().resumeKeptGame());
    EXPECT_EQ(h.board().at(2, 2).digit, 7);
    EXPECT_EQ(h.history().moveCount, 1);
    EXPECT_EQ(h.history().markCount, 1);
    EXPECT_EQ(h.board().at(3, 3).notes, digitBit(4));
    EXPECT_EQ(h.persistence().playClock().seconds(), 90);
    EXPECT_EQ(h.tasks().selectedTaskName(), "priklad");
    EXPECT_EQ(h.screen().taskNameCaption, "  priklad  ");
    EXPECT_TRUE(h.screen().boardPanel && h.screen().playClock);
    EXPECT_EQ(h.options().level, Level::k130);
    EXPECT_FALSE(h.options().autoFill);
    EXPECT_EQ(h.persistence().aids().nextSteps, 1);
    EXPECT_TRUE(again->host.messages.empty());

    // A finished game is not kept, nor is the older one left to come back,
    // even when the program ends without closing.
    write(h, 2, 3, 1);
    write(h, 3, 2, 9);
    write(h, 3, 3, 2);
    EXPECT_FALSE(fileExists(files.keptGame));
    EXPECT_TRUE(testing::quitAnswered(h));
    EXPECT_FALSE(fileExists(files.keptGame));
    EXPECT_EQ(results().back().nextSteps, 1);

    // Notes alone are a game in progress too.
    again->host.answers = {true};
    h.tasks().reloadTask();
    h.moves().toggleNote(2, 2, 3);
    EXPECT_TRUE(testing::quitAnswered(h));
    EXPECT_TRUE(fileExists(files.keptGame));
}

TEST_F(RecordTest, AKeptGameThatNoLongerLoadsIsSetAside) {
    std::string changed = testing::kExampleTask;
    changed.replace(changed.find("0/3"), 3, "0/4");
    const struct {
        const char* what;
        std::function<void()> change;
        const char* problem;
    } cases[] = {
        {"the task changed", [&] { f.dir.write("krizovky.KRI", testing::crlf(changed)); },
         "úloha \"priklad\" se v souboru úloh od té doby změnila"},
        {"the task is gone",
         [&] { f.dir.write("krizovky.KRI", testing::crlf(testing::smallTask({"0,0/16,0/3"}))); },
         "úloha \"priklad\" už v souboru úloh"},
        {"the task file is gone", [&] { std::filesystem::remove(f.dir.file("krizovky.KRI")); },
         "nelze přečíst (File not found)"},
        {"a damaged file", [&] { f.dir.write("state/krizovky/rozehrana_hra.json", "{}"); },
         "soubor je poškozený."},
        {"a file cut short",
         [&] { f.dir.write("state/krizovky/rozehrana_hra.json", "{\n\"version\": 1,\n"); },
         "soubor je poškozený (řádek 3)."},
    };
    g.play().toggleAutoFill();
    for (const auto& c : cases) {
        f.dir.write("krizovky.KRI", testing::crlf(testing::kExampleTask));
        start(g);
        write(2, 2, 7);
        ASSERT_TRUE(testing::quitAnswered(g)) << c.what;
        c.change();

        auto again = restart();
        EXPECT_FALSE(again->game.persistence().resumeKeptGame()) << c.what;
        ASSERT_EQ(again->host.messages.size(), 1u) << c.what;
        const std::string& text = again->host.messages[0];
        EXPECT_EQ(text.rfind("Rozehranou hru se nepodařilo načíst: ", 0), 0u) << text;
        EXPECT_NE(text.find(c.problem), std::string::npos) << text;
        EXPECT_NE(text.find(". Byl uložen stranou jako rozehrana_hra.json.damaged."),
                  std::string::npos)
            << text;
        EXPECT_FALSE(fileExists(files.keptGame)) << c.what;
        EXPECT_FALSE(again->game.screen().boardPanel) << c.what;
        std::filesystem::remove(files.keptGame + ".damaged");
    }
}

// The same game with every file in memory.
struct StoredRecordTest : ::testing::Test {
    testing::MemoryGameFixture f;
    Game& g = f.game;
    MemoryStorage& storage = f.storage;
    const PlayerFiles files = playerFilesBeside("/stav/krizovky/vysledky.json");

    void SetUp() override {
        g.persistence().usePlayerFiles(files);
        ASSERT_TRUE(g.tasks().chooseTaskByName("priklad"));
    }
    void write(int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    }
    std::vector<GameResult> results() {
        return ResultsRecord::decode(storage.read(Place::kState, files.record)).results;
    }
};

TEST_F(StoredRecordTest, ADamagedRecordIsSetAsideAndTheGameGoesOn) {
    const std::string damaged = "{\"version\": 1,\n\"results\": [\n{\"taskFile\": 0x1f}";
    storage.replace(Place::kState, files.record, damaged);
    write(2, 2, 7);  // the completion fills the rest
    ASSERT_EQ(f.host.messages.size(), 2u);
    EXPECT_EQ(f.host.messages[0], "Celou křížovku jste úspěšně vyřešil, gratuluji!");
    // In Czech, with the line the reader stopped at and without its own words.
    EXPECT_EQ(f.host.messages[1],
              "Záznam vašich výsledků se nepodařilo načíst: soubor je poškozený (řádek 3). Byl "
              "uložen stranou jako vysledky.json.damaged; výsledky se budou zapisovat do nového "
              "záznamu.");
    EXPECT_EQ(storage.read(Place::kState, files.record + ".damaged"), damaged);
    EXPECT_EQ(results().size(), 1u);
}

TEST_F(StoredRecordTest, ARecordThatCannotBeWrittenIsToldAndKeptAsItWas) {
    storage.failWrites("No space left on device");
    write(2, 2, 7);  // the completion fills the rest
    EXPECT_EQ(f.host.messages.back(), "Celou křížovku jste úspěšně vyřešil, gratuluji!");
    ASSERT_EQ(f.host.failures.size(), 1u);
    EXPECT_EQ(f.host.failures[0],
              "Výsledek se nepodařilo zapsat do záznamu /stav/krizovky/vysledky.json: No space "
              "left on device");
    EXPECT_FALSE(storage.exists(Place::kState, files.record));
}

TEST_F(StoredRecordTest, ASavedGameKeepsItsTimeAndTheNotesItHad) {
    const std::string file = "/hry/hra.ulo";
    g.play().toggleAutoFill();
    write(2, 2, 7);
    f.host.files = {file};
    g.persistence().saveGame();  // no time yet: the documented layout alone
    EXPECT_EQ(storage.read(Place::kChosen, file).size(), kSavedGameSize);
    g.persistence().playClock().passTime(42'000);
    f.host.files = {file};
    g.persistence().saveGame();
    SavedGame saved;
    std::string problem;
    ASSERT_TRUE(decodeSavedGame(storage.read(Place::kChosen, file), saved, problem)) << problem;
    EXPECT_EQ(saved.extras.seconds, 42u);

    // A file with notes loads at its time and saves them again.
    saved.extras.notesAt(3, 3) = digitBit(2) | digitBit(5);
    MoveHistory history;
    history.moves = saved.moves;
    history.moveCount = saved.moveCount;
    storage.replace(Place::kChosen, file, encodeSavedGame(saved.board, history, saved.extras));
    f.host.answers = {true};
    g.tasks().reloadTask();
    EXPECT_EQ(g.persistence().playClock().seconds(), 0);
    f.host.files = {file};
    g.persistence().loadGame();
    EXPECT_EQ(g.persistence().playClock().seconds(), 42);
    g.persistence().playClock().passTime(8'000);
    f.host.files = {file};
    g.persistence().saveGame();
    ASSERT_TRUE(decodeSavedGame(storage.read(Place::kChosen, file), saved, problem)) << problem;
    EXPECT_EQ(saved.extras.seconds, 50u);
    EXPECT_EQ(saved.extras.notesAt(3, 3), digitBit(2) | digitBit(5));

    // A save that fails is told and leaves the saved game as it was.
    const std::string before = storage.read(Place::kChosen, file);
    write(3, 2, 9);
    storage.failWrites("No space left on device");
    f.host.files = {file};
    g.persistence().saveGame();
    EXPECT_EQ(f.host.failures, std::vector<std::string>{"No space left on device"});
    EXPECT_EQ(storage.read(Place::kChosen, file), before);
}

}  // namespace
}  // namespace krizovky
