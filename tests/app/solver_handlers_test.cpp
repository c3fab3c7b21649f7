#include <gtest/gtest.h>

#include "model/file_layer.h"
#include "model/text.h"
#include "support/game_fixture.h"
#include "support/solver_slices.h"

namespace krizovky {
namespace {

using testing::finishSolve;
using testing::GameFixture;
using testing::smallTask;
using Clock = SolverRun::Clock;

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
        g.play().setLevel(Level::k130);  // the player's options, to come back after every solve
        g.play().toggleChecking();
        g.play().toggleAutoFill();
        // "krokovat": one placement a slice, each one drawn.
        g.solver().setSolverSpeed(SolverSpeed::kStep);
    }
    // "70" confirmed, its search advanced to its end with between() after
    // each slice; the number of slices.
    int solve(const std::function<void()>& between = {}) {
        f.host.confirmations.push_back(true);
        g.solver().askToSolve();
        return finishSolve(g, between);
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
        EXPECT_FALSE(g.play().checkingOn() || g.play().autoFillOn());
        EXPECT_FALSE(g.solver().solving() || s.solverClock || s.stopButton);
        EXPECT_FALSE(s.markButton || s.undoButton || s.undoToMarkButton);
    }
};

TEST_F(SolverTest, SolvesThroughTheGamesStepsAndItsMovesAreUndoneLikeThePlayers) {
    int between = 0;
    const int slices = solve([&] {  // after each slice
        ++between;
        EXPECT_TRUE(g.solver().solving() && s.solverClock && s.stopButton &&
                    s.solverClockCaption == "0:00:00");
        // The player's options wait; what holds is the solver's.
        EXPECT_TRUE(g.options().level == Level::k130 && g.play().checkingOn() &&
                    !g.play().autoFillOn());
    });
    // One placement a slice; the fifth fills the board and ends the solve.
    EXPECT_EQ(slices, 5);
    EXPECT_EQ(between, 4);
    EXPECT_EQ(rows(), "274896");
    EXPECT_EQ(g.solver().lastSolve().placements, 5);
    EXPECT_EQ(g.solver().lastSolve().backtracks, 1);
    EXPECT_TRUE(f.host.messages.empty());  // no congratulation at "70"
    expectOptionsBack();

    // Two automatic Moves, then one Move of the player per placement kept:
    // after the player's erasure, one undo per placement, then the two.
    ASSERT_EQ(g.history().moveCount, 6);
    EXPECT_EQ(g.history().move(2).byPlayer, 0);
    EXPECT_EQ(g.history().move(3).byPlayer, 1);
    g.play().openSquareMenu(3, 4);
    g.play().eraseSquare();
    std::vector<std::string> undone;
    for (int click = 0; click < 6; ++click) {
        g.moves().undoMove();
        undone.push_back(rows());
    }
    EXPECT_EQ(undone, (std::vector<std::string>{"274896", "274890", "274090", "270090", "070090",
                                                "000000"}));
}

TEST_F(SolverTest, OtherCommandsDoNothingWhileItRunsAndPrerusStopsAfterAYes) {
    f.host.answers = {false, false, true};
    solve([&] {
        g.play().selectSquare(2, 2);
        g.play().openSquareMenu(2, 2);
        g.play().chooseDigit(9);
        g.moves().undoMove();
        g.play().setLevel(Level::k100);
        g.play().toggleChecking();
        g.solver().setSolverSpeed(SolverSpeed::kFastest);
        g.tasks().reloadTask();
        g.tasks().showTaskList();
        g.solver().askToSolve();
        g.solver().stopSolving();  // "přeruš": No, No, Yes
    });
    EXPECT_EQ(f.host.questions,
              std::vector<std::string>(3, "Chcete skutečně ukončit proces hledání řešení?"));
    EXPECT_EQ(f.host.solverDialogs, 1);
    EXPECT_EQ(g.solver().lastSolve().end, SolveEnd::kStopped);
    // The digits written so far stay, on the board and in the history.
    EXPECT_EQ(rows(), "274090");
    EXPECT_EQ(g.history().moveCount, 4);
    expectOptionsBack();
}

TEST_F(SolverTest, APlayersGameIsRestartedFirst) {
    g.play().openSquareMenu(3, 4);
    g.play().chooseDigit(5);
    g.moves().setMark();
    solve();
    EXPECT_EQ(rows(), "274896");
    EXPECT_EQ(g.history().markCount, 0);
    EXPECT_EQ(g.board().at(3, 4).mark, 0);
    // The restart ran with checking on; " proveď kontroly" comes back with the
    // player's checking off.
    EXPECT_TRUE(s.checkButton);
}

TEST_F(SolverTest, WithoutATaskAnEntrySquareOrAConfirmationNothingChanges) {
    g.solver().askToSolve();   // "byl to omyl"
    g.tasks().showTaskList();  // no task chosen
    solve();
    GameFixture empty(smallTask({"0,0/3", "0"}));
    empty.choose("t");
    empty.host.confirmations.push_back(true);
    empty.game.solver().askToSolve();
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
    example.game.solver().askToSolve();
    // Nothing is left to search: the first slice ends the solve.
    EXPECT_EQ(finishSolve(example.game), 1);
    EXPECT_EQ(example.game.solver().lastSolve().end, SolveEnd::kSolved);
    EXPECT_EQ(example.game.solver().lastSolve().placements, 0);
    EXPECT_EQ(example.game.history().moveCount, 4);
    EXPECT_EQ(example.game.history().move(4).byPlayer, 0);

    // Rows 1 + 2 and 8 + 9 under two columns of 9. The forced 8 leaves the
    // square beside it nothing; the search tries 1 and 2 and steps back to
    // the bare task.
    GameFixture none(smallTask({"0,0/9,0/9", "3/0,2,2", "17/0,2,2"}));
    none.choose("t");
    none.game.play().toggleChecking();
    none.host.confirmations.push_back(true);
    none.game.solver().askToSolve();
    finishSolve(none.game);
    EXPECT_EQ(none.host.messages, std::vector<std::string>{"Tato úloha není řešitelná!"});
    EXPECT_EQ(none.game.solver().lastSolve().end, SolveEnd::kUnsolvable);
    EXPECT_EQ(none.game.history().moveCount, 0);
    EXPECT_EQ(none.game.screen().square(3, 2).caption, " ");
    EXPECT_FALSE(none.game.play().checkingOn());
}

// A task of tests/data/hard.kri chosen, with a search of 750,000 placements.
void chooseHardTask(GameFixture& fixture) {
    fixture.dir.write("krizovky.KRI",
                      readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri"));
    fixture.choose(cp1250FromUtf8("těžká 3 15×15"));
}

// At the fastest speed the search runs in slices of about a frame and reads
// the clock at every kPlacementsPerClockReading-th placement only: a slice
// begun a frame late makes that many placements, and the window gets its
// turn. "přeruš" answered Yes between two slices stops the search before
// another placement, in the next slice, due at once. The tool's limit stops
// a search at its placement exactly. A board of entry squares only gives the
// search no digit to try: it ends at once with its message.
TEST(Solver, ALongSearchRunsInSlicesUntilPrerusAndABoardWithoutCluesEndsAtOnce) {
    GameFixture hard;
    chooseHardTask(hard);
    hard.host.answers = {true};
    hard.host.confirmations.push_back(true);
    hard.game.solver().askToSolve();
    for (int slice = 0; slice < 10; ++slice)
        hard.game.solver().advanceSolve(Clock::now() - SolverPace::kFrame);
    EXPECT_TRUE(hard.game.solver().solving());
    hard.game.solver().stopSolving();
    EXPECT_EQ(hard.host.questions.size(), 1u);
    EXPECT_TRUE(hard.game.solver().solving() && hard.game.screen().stopButton);
    EXPECT_LE(hard.game.solver().solverDue(), Clock::now());
    EXPECT_EQ(finishSolve(hard.game), 1);
    EXPECT_EQ(hard.game.solver().lastSolve().end, SolveEnd::kStopped);
    EXPECT_EQ(hard.game.solver().lastSolve().placements,
              10 * SolverPace::kPlacementsPerClockReading);
    EXPECT_FALSE(hard.game.solver().solving() || hard.game.screen().stopButton);

    hard.game.solver().stopSolvingAfter(1000);
    hard.host.confirmations.push_back(true);
    hard.game.solver().askToSolve();
    // 15 slices of 64 placements, and 40 in the last.
    EXPECT_EQ(finishSolve(hard.game, {}, SolverPace::kFrame), 16);
    EXPECT_EQ(hard.game.solver().lastSolve().end, SolveEnd::kStopped);
    EXPECT_EQ(hard.game.solver().lastSolve().placements, 1000);

    std::string allEntries = "@t\n";
    for (int r = 1; r <= 15; ++r)
        allEntries += "2*15\n";
    GameFixture open(allEntries);
    open.choose("t");
    open.host.confirmations.push_back(true);
    open.game.solver().askToSolve();
    finishSolve(open.game);
    EXPECT_EQ(open.host.messages, std::vector<std::string>{"Tato úloha není řešitelná!"});
    EXPECT_EQ(open.game.solver().lastSolve().end, SolveEnd::kUnsolvable);
    EXPECT_EQ(open.game.history().moveCount, 0);
    EXPECT_FALSE(open.game.solver().solving());
}

// However the search is cut into slices it is the same search: solved in
// slices of 64 placements and in one slice that runs to its end, or stopped
// by the limit at "krokovat" and at the fastest speed, the board, the
// history and the counts are the same. Each slice brings the solver's clock
// up to its time; a slower speed that fell behind goes on at once.
TEST(Solver, TheSlicesOfASearchMakeTheSameSearchAsOneRun) {
    struct Result {
        SolveEnd end;
        long placements, backtracks;
        int moves;
        std::string digits;
        bool operator==(const Result&) const = default;
    };
    auto solve = [](SolverSpeed speed, long limit, Clock::duration late) {
        GameFixture fixture;
        chooseHardTask(fixture);
        Game& game = fixture.game;
        game.solver().setSolverSpeed(speed);
        game.solver().stopSolvingAfter(limit);
        fixture.host.confirmations.push_back(true);
        game.solver().askToSolve();
        finishSolve(game, {}, late);
        Result result{game.solver().lastSolve().end, game.solver().lastSolve().placements,
                      game.solver().lastSolve().backtracks, game.history().moveCount, ""};
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                result.digits += char('0' + game.board().at(r, c).digit);
        return result;
    };
    // A slice begun an hour ahead of the clock lasts until the search ends.
    const Result whole = solve(SolverSpeed::kFastest, 0, -std::chrono::hours(1));
    EXPECT_EQ(whole.end, SolveEnd::kSolved);
    EXPECT_GT(whole.placements, 100000);
    EXPECT_TRUE(solve(SolverSpeed::kFastest, 0, SolverPace::kFrame) == whole);
    const Result stepped = solve(SolverSpeed::kStep, 3000, {});
    EXPECT_EQ(stepped.end, SolveEnd::kStopped);
    EXPECT_EQ(stepped.placements, 3000);
    EXPECT_TRUE(solve(SolverSpeed::kFastest, 3000, -std::chrono::hours(1)) == stepped);

    GameFixture slow;
    chooseHardTask(slow);
    slow.game.solver().setSolverSpeed(SolverSpeed::kSmooth);
    slow.host.confirmations.push_back(true);
    const Clock::time_point before = Clock::now();
    slow.game.solver().askToSolve();
    EXPECT_LE(slow.game.solver().solverDue(), Clock::now());  // the first slice at once
    const Clock::time_point later = before + std::chrono::milliseconds(65500);
    slow.game.solver().advanceSolve(later);
    EXPECT_EQ(slow.game.screen().solverClockCaption, "0:01:05");
    EXPECT_EQ(slow.game.solver().solverDue(), later);
}

}  // namespace
}  // namespace krizovky
