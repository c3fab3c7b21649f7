#include <gtest/gtest.h>

#include "model/file_layer.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

// Across 13 and 23 over three squares, down 10, 16 and 10 over two; solved by
// 2 7 4 over 8 9 6. Forced: (3, 3), where 23 and 16 share only the 9, then
// (2, 3) with the 7. The search lists (2, 2), (2, 4), (3, 2), (3, 4); its 1 in
// (2, 2) leaves (2, 4) nothing (13 needs a 5 there, which 10 down never
// takes), so it steps back once and goes on with 2.
const std::string kOneStepBack = smallTask({"0,0/10,0/16,0/10", "13/0,2,2,2", "23/0,2,2,2"});

struct SolverTest : ::testing::Test {
    GameFixture f{kOneStepBack};
    Game& g = f.game;
    const MainScreen& s = g.screen();

    void SetUp() override {
        f.choose("t");
        g.setLevel(Level::k130);  // the player's options, to come back after every solve
        g.toggleChecking();
        g.toggleAutoFill();
        // "krokovat": every placement drawn, then the window's events until
        // the next step.
        g.setSolverSpeed(SolverSpeed::kStep);
    }
    void solve() {
        f.host.confirmations.push_back(true);
        g.askToSolve();
    }
    std::string rows() const {
        std::string digits;
        for (int r = 2; r <= 3; ++r)
            for (int c = 2; c <= 4; ++c)
                digits += char('0' + g.board().at(r, c).digit);
        return digits;
    }
    void expectOptionsBack() const {
        EXPECT_EQ(g.options().level, Level::k130);
        EXPECT_EQ(g.options().solverSpeed, SolverSpeed::kStep);
        EXPECT_FALSE(g.checkingOn() || g.autoFillOn());
        EXPECT_FALSE(g.solving() || s.solverClock || s.stopButton);
        EXPECT_FALSE(s.markButton || s.undoButton || s.undoToMarkButton);
    }
};

TEST_F(SolverTest, SolvesThroughTheGamesStepsAndItsMovesAreUndoneLikeThePlayers) {
    f.host.pendingEvents = [&] {  // after each placement
        EXPECT_TRUE(g.solving() && s.solverClock && s.stopButton &&
                    s.solverClockCaption == "0:00:00");
        // The player's options wait; what holds is the solver's.
        EXPECT_TRUE(g.options().level == Level::k130 && g.checkingOn() && !g.autoFillOn());
    };
    solve();
    EXPECT_EQ(f.host.eventsProcessed, 5);
    EXPECT_EQ(f.host.eventWaits, 5);
    EXPECT_EQ(f.host.boardsDrawn, 5);
    EXPECT_EQ(rows(), "274896");
    EXPECT_EQ(g.lastSolve().placements, 5);
    EXPECT_EQ(g.lastSolve().backtracks, 1);
    EXPECT_TRUE(f.host.messages.empty());  // no congratulation at "70"
    expectOptionsBack();

    // Two automatic Moves, then one Move of the player per placement kept:
    // after the player's erasure, one undo per placement, then the two.
    ASSERT_EQ(g.history().moveCount, 6);
    EXPECT_EQ(g.history().move(2).byPlayer, 0);
    EXPECT_EQ(g.history().move(3).byPlayer, 1);
    g.openSquareMenu(3, 4);
    g.eraseSquare();
    std::vector<std::string> undone;
    for (int click = 0; click < 6; ++click) {
        g.undoMove();
        undone.push_back(rows());
    }
    EXPECT_EQ(undone, (std::vector<std::string>{"274896", "274890", "274090", "270090", "070090",
                                                "000000"}));
}

TEST_F(SolverTest, OtherCommandsDoNothingWhileItRunsAndPrerusStopsAfterAYes) {
    f.host.answers = {false, false, true};
    f.host.pendingEvents = [&] {
        g.selectSquare(2, 2);
        g.openSquareMenu(2, 2);
        g.chooseDigit(9);
        g.undoMove();
        g.setLevel(Level::k100);
        g.toggleChecking();
        g.setSolverSpeed(SolverSpeed::kFastest);
        g.reloadTask();
        g.showTaskList();
        g.askToSolve();
        g.stopSolving();  // "přeruš": No, No, Yes
    };
    solve();
    EXPECT_EQ(f.host.questions,
              std::vector<std::string>(3, "Chcete skutečně ukončit proces hledání řešení?"));
    EXPECT_EQ(f.host.solverDialogs, 1);
    EXPECT_EQ(g.lastSolve().end, SolveEnd::kStopped);
    // The digits written so far stay, on the board and in the history.
    EXPECT_EQ(rows(), "274090");
    EXPECT_EQ(g.history().moveCount, 4);
    expectOptionsBack();
}

TEST_F(SolverTest, APlayersGameIsRestartedFirst) {
    g.openSquareMenu(3, 4);
    g.chooseDigit(5);
    g.setMark();
    solve();
    EXPECT_EQ(rows(), "274896");
    EXPECT_EQ(g.history().markCount, 0);
    EXPECT_EQ(g.board().at(3, 4).mark, 0);
    // The restart ran with checking on; " proveď kontroly" comes back with the
    // player's checking off.
    EXPECT_TRUE(s.checkButton);
}

TEST_F(SolverTest, WithoutATaskAnEntrySquareOrAConfirmationNothingChanges) {
    g.askToSolve();    // "byl to omyl"
    g.showTaskList();  // no task chosen
    solve();
    GameFixture empty(smallTask({"0,0/3", "0"}));
    empty.choose("t");
    empty.host.confirmations.push_back(true);
    empty.game.askToSolve();
    EXPECT_EQ(f.host.solverDialogs, 2);
    EXPECT_EQ(f.host.messages, std::vector<std::string>{std::string(
                                   "Tuto úroveň je možno zvolit jen pokud je vybrána úloha!")});
    EXPECT_EQ(empty.host.messages,
              std::vector<std::string>{"Úloha nemá žádné políčko k vyplnění!"});
    expectOptionsBack();
}

TEST(Solver, ForcedSquaresAloneOrNoSolution) {
    GameFixture example;  // 7 1 over 9 2, every square forced
    example.choose("priklad");
    example.host.confirmations.push_back(true);
    example.game.askToSolve();
    EXPECT_EQ(example.game.lastSolve().end, SolveEnd::kSolved);
    EXPECT_EQ(example.host.eventsProcessed, 0);
    EXPECT_EQ(example.game.history().moveCount, 4);
    EXPECT_EQ(example.game.history().move(4).byPlayer, 0);

    // Rows 1 + 2 and 8 + 9 under two columns of 9. The forced 8 leaves the
    // square beside it nothing; the search tries 1 and 2 and steps back to
    // the bare task.
    GameFixture none(smallTask({"0,0/9,0/9", "3/0,2,2", "17/0,2,2"}));
    none.choose("t");
    none.game.toggleChecking();
    none.host.confirmations.push_back(true);
    none.game.askToSolve();
    EXPECT_EQ(none.host.messages, std::vector<std::string>{"Tato úloha není řešitelná!"});
    EXPECT_EQ(none.game.lastSolve().end, SolveEnd::kUnsolvable);
    EXPECT_EQ(none.game.history().moveCount, 0);
    EXPECT_EQ(none.game.screen().square(3, 2).caption, " ");
    EXPECT_FALSE(none.game.checkingOn());
}

// At the fastest speed the window keeps answering a long search without
// costing it a handling of events per placement: the first placement is
// drawn at once, then the events come every millisecond, and "přeruš"
// answered Yes at the 10th handling stops it there. The tool's limit stops
// a search at its placement exactly. A board of entry squares only gives the
// search no digit to try: it ends at once with its message.
TEST(Solver, ALongSearchYieldsUntilPrerusAndABoardWithoutCluesEndsAtOnce) {
    GameFixture hard;
    hard.dir.write("krizovky.KRI",
                   readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri"));
    hard.choose(cp1250FromUtf8("těžká 3 15×15"));
    hard.host.answers = {true};
    hard.host.pendingEvents = [&] {
        if (hard.host.eventsProcessed == 10) hard.game.stopSolving();
    };
    hard.host.confirmations.push_back(true);
    hard.game.askToSolve();
    EXPECT_EQ(hard.host.eventsProcessed, 10);
    EXPECT_EQ(hard.host.eventWaits, 0);
    EXPECT_GE(hard.host.boardsDrawn, 1);
    EXPECT_EQ(hard.host.questions.size(), 1u);
    EXPECT_EQ(hard.game.lastSolve().end, SolveEnd::kStopped);
    // The clock is read at every kPlacementsPerClockReading-th placement only.
    EXPECT_GE(hard.game.lastSolve().placements, 1 + 9 * SolverPace::kPlacementsPerClockReading);
    EXPECT_FALSE(hard.game.solving());

    hard.game.stopSolvingAfter(1000);
    hard.host.pendingEvents = {};
    hard.host.confirmations.push_back(true);
    hard.game.askToSolve();
    EXPECT_EQ(hard.game.lastSolve().end, SolveEnd::kStopped);
    EXPECT_EQ(hard.game.lastSolve().placements, 1000);

    std::string allEntries = "@t\n";
    for (int r = 1; r <= 15; ++r)
        allEntries += "2*15\n";
    GameFixture open(allEntries);
    open.choose("t");
    open.host.confirmations.push_back(true);
    open.game.askToSolve();
    EXPECT_EQ(open.host.messages, std::vector<std::string>{"Tato úloha není řešitelná!"});
    EXPECT_EQ(open.game.lastSolve().end, SolveEnd::kUnsolvable);
    EXPECT_EQ(open.game.history().moveCount, 0);
    EXPECT_FALSE(open.game.solving());
}

}  // namespace
}  // namespace krizovky
