#include <gtest/gtest.h>

#include <filesystem>

#include "app/game.h"
#include "history/saved_game.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;

// The example task and, after it, a task with clue sums of every width, a
// square of an unknown kind and a square in row 3, column 12.
const std::string kTasks = std::string(testing::kExampleTask) +
                           "@druha\n"
                           "0,16/0,0/7,9/35,3*1,0*10\n"
                           "0*15\n"
                           "0*10,0/4,2,2,0*2\n"
                           "0*15\n";

TEST(LoadTask, BuildsOneSquarePerCellWithTheDocumentedLook) {
    GameFixture f(kTasks);
    f.choose("priklad");
    const MainScreen& s = f.game.screen();
    EXPECT_TRUE(s.boardPanel);
    EXPECT_FALSE(s.loadGauge.visible);
    EXPECT_TRUE(f.host.failures.empty());

    const SquareLook& blank = s.square(1, 1);
    EXPECT_TRUE(blank.exists);
    EXPECT_FALSE(blank.visible);

    const SquareLook& clue = s.square(1, 2);
    EXPECT_TRUE(clue.visible);
    EXPECT_EQ(clue.background, kBlack);
    EXPECT_EQ(clue.textColour, kWhite);
    EXPECT_EQ(clue.font, FontRole::kClue);
    EXPECT_EQ(clue.caption, "\\   16\\");
    EXPECT_FALSE(clue.interactive);
    EXPECT_EQ(s.square(2, 1).caption, "\\ 8   \\");

    const SquareLook& entry = s.square(2, 2);
    EXPECT_TRUE(entry.visible);
    EXPECT_EQ(entry.background, kYellow);
    EXPECT_EQ(entry.font, FontRole::kEntry);
    EXPECT_TRUE(entry.centred);
    EXPECT_TRUE(entry.interactive);
    EXPECT_EQ(entry.tag, 10202);
    EXPECT_EQ(entry.caption, " ");
    EXPECT_EQ(s.squaresBuild, SquaresBuild::kTask);

    EXPECT_EQ(f.game.board().at(3, 3).acrossClueCol, 1);
    EXPECT_EQ(f.game.board().at(3, 3).downClueRow, 1);
}

TEST(LoadTask, ClueCaptionsSquaresOfOtherKindsAndTags) {
    GameFixture f(kTasks);
    f.choose("druha");
    const MainScreen& s = f.game.screen();
    EXPECT_EQ(s.square(1, 2).caption, "\\16   \\");
    EXPECT_EQ(s.square(1, 3).caption, "\\    7\\");
    EXPECT_EQ(s.square(1, 4).caption, "\\ 9 35\\");
    const SquareLook& other = s.square(1, 5);
    EXPECT_TRUE(other.visible);
    EXPECT_FALSE(other.background);
    EXPECT_FALSE(other.interactive);
    EXPECT_EQ(other.caption, " ");
    EXPECT_EQ(other.tag, 0);
    const SquareLook& entry = s.square(3, 12);
    EXPECT_EQ(entry.tag, 10312);
    EXPECT_EQ(tagRow(entry.tag), 3);
    EXPECT_EQ(tagColumn(entry.tag), 12);
    // Rows the task does not give are entry squares.
    EXPECT_TRUE(s.square(15, 15).interactive);
}

TEST(LoadTask, ShowsTheGaugeWhileItReads) {
    GameFixture f(kTasks);
    f.choose("priklad");
    // One repaint at the start, one per row line read and one per row built.
    EXPECT_EQ(f.host.gaugeRepaints, 1 + 15 + 1 + 15);
    EXPECT_EQ(f.game.screen().loadGauge.maximum, 15);
    EXPECT_EQ(f.game.screen().loadGauge.position, 15);
    EXPECT_FALSE(f.game.screen().loadGauge.visible);
}

TEST(LoadTask, ReloadGivesAFreshBoard) {
    GameFixture f(kTasks);
    f.choose("priklad");
    EXPECT_EQ(f.game.board().prevRowCount, 0);  // the first load releases nothing
    f.game.tasks().reloadTask();
    EXPECT_EQ(f.game.board().prevRowCount, 15);
    EXPECT_EQ(f.game.board().prevColCount, 15);
    EXPECT_TRUE(f.game.screen().square(2, 2).interactive);
    EXPECT_EQ(f.game.history().moveCount, 0);
    EXPECT_EQ(f.game.history().markCount, 0);
    // The second task replaces every square of the first.
    f.choose("druha");
    EXPECT_FALSE(f.game.screen().square(2, 2).interactive);
    EXPECT_TRUE(f.game.screen().square(2, 2).exists);
    EXPECT_FALSE(f.game.screen().square(2, 2).visible);
}

TEST(LoadTask, UnknownNameGivesEmptyEntrySquares) {
    GameFixture f(kTasks);
    f.game.tasks().setSelectedTaskName("nikde");
    f.game.tasks().loadTask();
    EXPECT_TRUE(f.host.failures.empty());
    EXPECT_TRUE(f.game.screen().boardPanel);
    for (int r = 1; r <= 15; ++r) {
        for (int c = 1; c <= 15; ++c) {
            EXPECT_TRUE(f.game.screen().square(r, c).interactive);
            EXPECT_EQ(f.game.board().at(r, c).acrossClueCol, 0);
            EXPECT_EQ(f.game.board().at(r, c).downClueRow, 0);
        }
    }
}

TEST(LoadTask, NothingWithoutAChosenName) {
    GameFixture f(kTasks);
    f.game.tasks().reloadTask();
    EXPECT_FALSE(f.game.screen().boardPanel);
    EXPECT_FALSE(f.game.screen().square(1, 1).exists);
    EXPECT_EQ(f.game.board().rowCount, 0);
    EXPECT_TRUE(f.host.failures.empty());
}

TEST(LoadTask, AFailedLoadLeavesTheBoardOnScreen) {
    GameFixture f(kTasks + "@spatna\n0*15\n0*300\n");
    f.choose("priklad");
    const MainScreen before = f.game.screen();
    f.choose("spatna");
    ASSERT_EQ(f.host.failures, std::vector<std::string>{kRangeCheckError});
    EXPECT_EQ(f.game.screen().square(1, 2).caption, before.square(1, 2).caption);
    EXPECT_TRUE(f.game.screen().square(2, 2).interactive);
    EXPECT_EQ(f.game.board().at(1, 2).kind, kClue);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
    EXPECT_EQ(f.game.board().at(2, 1).acrossSum, 8);
    EXPECT_FALSE(f.game.screen().loadGauge.visible);
    EXPECT_TRUE(f.game.screen().boardPanel);

    // The same for a task file that has gone.
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    f.game.tasks().reloadTask();
    EXPECT_EQ(f.host.failures.back(), kFileNotFound);
    EXPECT_EQ(f.game.board().at(1, 2).downSum, 16);
}

TEST(LoadTask, SumsOfAPreviousTaskSurviveOnlyWherePlainNumbersMakeClues) {
    // A plain 1 makes a clue from whatever sums the cell held.
    GameFixture f(kTasks + "@holy\n0,1\n");
    f.choose("priklad");
    f.choose("holy");
    EXPECT_EQ(f.game.screen().square(1, 2).caption, "\\   16\\");
}

TEST(PaintSquare, NaturalColourByMarkCurrentSquareAndDefault) {
    GameFixture f(kTasks);
    f.choose("priklad");
    f.game.play().paintSquare(2, 2, kGray);
    EXPECT_EQ(f.game.screen().square(2, 2).background, kGray);
    f.game.play().paintSquare(2, 2, kNaturalColour);
    EXPECT_EQ(f.game.screen().square(2, 2).background, kYellow);
}

TEST(ScreenAfterLoad, HidesHistoryControlsAndShowsTheCheckButtonOnlyWithoutImmediateChecks) {
    GameFixture f(kTasks);
    f.choose("priklad");
    const MainScreen& s = f.game.screen();
    EXPECT_FALSE(s.markButton);
    EXPECT_FALSE(s.undoButton);
    EXPECT_FALSE(s.undoToMarkButton);
    EXPECT_FALSE(s.checkButton);  // "&Kontrolovat" is on at start
    EXPECT_FALSE(s.duplicateLegend);
    EXPECT_FALSE(s.wrongSumLegend);
    for (int m = 1; m <= 4; ++m)
        EXPECT_FALSE(s.swatch[m]);
}

// The task called name whose top rows are given.
std::string namedTask(const std::string& name, const std::vector<std::string>& rows) {
    return "@" + name + testing::smallTask(rows).substr(2);
}

TEST(LoadTask, TheHintPanelsStayEmptyUntilAClickOnTheNewBoard) {
    GameFixture f(kTasks);
    Game& g = f.game;
    const MainScreen& s = g.screen();
    const auto clickShowsHints = [&] {
        g.play().selectSquare(2, 2);
        return s.acrossPanel && s.downPanel && s.allowedPanel && !s.acrossHints.empty();
    };
    const auto panelsEmpty = [&] {
        return !s.acrossPanel && !s.downPanel && !s.allowedPanel && s.acrossHints.empty() &&
               s.downHints.empty() && s.allowedDigits.empty();
    };
    f.choose("priklad");
    ASSERT_TRUE(clickShowsHints());
    f.choose("druha");
    EXPECT_TRUE(panelsEmpty());

    f.choose("priklad");
    ASSERT_TRUE(clickShowsHints());
    f.host.files = {f.dir.file("hra.ulo"), f.dir.file("hra.ulo")};
    g.persistence().saveGame();
    ASSERT_TRUE(clickShowsHints());
    g.persistence().loadGame();
    ASSERT_TRUE(f.host.messages.empty()) << f.host.messages[0];
    EXPECT_TRUE(panelsEmpty());
    // Nor do the allowed digits of the square clicked before stay to be
    // written: the single 7 of (2, 2) waits for a click.
    g.play().writeSingleDigit(2, 2);
    EXPECT_EQ(g.board().at(2, 2).digit, 0);
}

TEST(LoadTask, TheNameAreaSaysWhatIsWrongWithTheTask) {
    const std::string tasks = kTasks + namedTask("vice", {"0,0/10,0/10", "10/0,2,2", "10/0,2,2"}) +
                              namedTask("zadne", {"0,0/16,0/3", "10/0,2,2", "11/0,2,2"}) +
                              namedTask("bez souctu", {"0,0/16,0/3", "0/0,2,2", "11/0,2,2"}) +
                              namedTask("velky soucet", {"0,0/16,0/3", "18/0,2,2", "11/0,2,2"});
    GameFixture f(tasks);
    const std::pair<const char*, const char*> cases[] = {
        {"priklad", ""},
        {"vice", "úloha má více řešení"},
        {"zadne", "úloha nemá řešení"},
        {"bez souctu", "úloha je poškozená: vodorovná řada od políčka (2, 2) nemá součet"},
        {"velky soucet",
         "úloha je poškozená: vodorovný součet 18 v políčku (2, 1) nejde složit z 2 různých "
         "cifer"},
    };
    for (const auto& [name, problem] : cases) {
        SCOPED_TRACE(name);
        f.choose(name);
        EXPECT_EQ(f.game.screen().taskNameCaption, std::string("  ") + name + "  ");
        EXPECT_EQ(f.game.screen().taskProblem, problem);
        EXPECT_TRUE(f.host.messages.empty());  // no box
        f.game.help().showNextStep();
        if (*problem == '\0') continue;
        ASSERT_FALSE(f.host.messages.empty());
        EXPECT_EQ(f.host.messages.back(),
                  std::string("Další krok vám neporadím: ") + problem + ".");
        f.host.messages.clear();
    }
    // A saved game of the task says the same.
    f.host.files = {f.dir.file("hra.ulo"), f.dir.file("hra.ulo")};
    f.game.persistence().saveGame();
    f.choose("priklad");
    f.game.persistence().loadGame();
    EXPECT_EQ(f.game.screen().taskProblem, std::get<1>(cases[4]));
}

TEST(LoadTask, ALongCheckIsCutShortAndSaysNothing) {
    // A generated 15 x 15 task with its first across sum 14 made 15: sorting
    // it takes the exact solver minutes.
    const std::vector<std::string> lines = splitLines(
        readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/generated_15x15.kri"));
    ASSERT_GE(lines.size(), 16u);
    std::string task = "@dlouha\n";
    for (std::size_t i = 1; i <= 15; ++i)
        task += lines[i] + "\n";
    task.replace(task.find("0,14/0"), 6, "0,15/0");
    GameFixture f(task);
    // Without the check's budget the load would not come back here.
    f.choose("dlouha");
    EXPECT_TRUE(f.game.screen().boardPanel);
    EXPECT_EQ(f.game.screen().taskProblem, "");
}

TEST(SavedGame, NoBoardWithoutAnEntrySquareIsSavedOrLoaded) {
    GameFixture f(kTasks);
    // No task on the board yet: nothing to save, no dialog.
    f.host.files = {f.dir.file("hra.ulo")};
    f.game.persistence().saveGame();
    EXPECT_TRUE(f.host.dialogs.empty());
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("hra.ulo")));

    f.choose("priklad");
    f.host.files = {f.dir.file("hra.ulo")};
    f.game.persistence().saveGame();
    std::string bytes = readFileBytes(f.dir.file("hra.ulo"));
    f.game.play().enterDigit(2, 2, 7, true, true);
    // A board of 0 x 0, and one whose squares are all blank.
    std::string empty = bytes;
    empty[0] = empty[1] = '\0';
    f.game.persistence().loadSavedGame(empty, "prazdna.ulo");
    std::string blank = bytes;
    for (const auto& [r, c] : {std::pair{2, 2}, {2, 3}, {3, 2}, {3, 3}})
        blank[kSavedCellsOffset + kSavedCellSize * (kBoardSize * (r - 1) + c - 1) + 4] =
            static_cast<char>(kBlank);
    f.game.persistence().loadSavedGame(blank, "bila.ulo");
    EXPECT_EQ(f.host.messages,
              (std::vector<std::string>{
                  "Soubor prazdna.ulo nelze načíst jako uloženou hru: plocha nemá žádné políčko "
                  "pro cifru.",
                  "Soubor bila.ulo nelze načíst jako uloženou hru: plocha nemá žádné políčko pro "
                  "cifru."}));
    EXPECT_EQ(f.game.board().at(2, 2).digit, 7);
    EXPECT_EQ(f.game.history().moveCount, 1);
}

TEST(EndOfProgram, ReleasesTheSquaresAndAsksToTerminate) {
    GameFixture f(kTasks);
    f.choose("priklad");
    f.game.quit();
    EXPECT_TRUE(f.game.terminateRequested());
    EXPECT_FALSE(f.game.screen().square(2, 2).exists);
    EXPECT_FALSE(f.game.screen().square(15, 15).exists);
}

}  // namespace
}  // namespace krizovky
