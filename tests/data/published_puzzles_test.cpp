// Plays every published puzzle beside the project to its end as a careful
// player would: at "IQ" 100, each empty square gets its solution digit from
// the pop-up menu, with the immediate check and the completion of runs on.
// The solution digit must always be offered, never refused, and the last
// square must bring the congratulation. Then lets the solver of "70" solve
// each of them. Skipped where the puzzles are absent.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/game.h"
#include "model/combination_table.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "support/scripted_host.h"
#include "support/solver_slices.h"

namespace krizovky {
namespace {

const std::string kPuzzles = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko";

// The solutions: after "@name", 15 lines with a digit for every entry square.
std::map<std::string, std::vector<std::string>> readSolutions() {
    std::map<std::string, std::vector<std::string>> solutions;
    std::vector<std::string>* current = nullptr;
    for (const auto& line : splitLines(readFileBytes(kPuzzles + ".sol"))) {
        if (isNameLine(line))
            current = &solutions[nameOfLine(line)];
        else if (current)
            current->push_back(line);
    }
    return solutions;
}

// A game started as the program starts, with the named puzzle loaded.
void startOn(Game& game, const std::string& name) {
    game.start("krizovky", completeCombinationFile());
    game.tasks().setTaskFilePath(kPuzzles + ".kri");
    game.tasks().setSelectedTaskName(name);
    game.tasks().loadTask();
}

TEST(PublishedPuzzles, EachIsPlayedToTheCongratulationWithTheOfferedDigits) {
    if (!std::filesystem::exists(kPuzzles + ".kri")) GTEST_SKIP() << "no puzzles at " << kPuzzles;
    const auto solutions = readSolutions();
    ASSERT_FALSE(solutions.empty());
    const std::string congratulation = "Celou křížovku jste úspěšně vyřešil, gratuluji!";
    int played = 0;
    for (const auto& [name, solution] : solutions) {
        SCOPED_TRACE(name);
        ASSERT_EQ(solution.size(), 15u);
        testing::ScriptedHost host;
        Game game(host);
        startOn(game, name);
        for (int r = 1; r <= kBoardSize; ++r) {
            for (int c = 1; c <= kBoardSize; ++c) {
                const char wanted = solution[r - 1][c - 1];
                ASSERT_EQ(game.board().at(r, c).kind == kEntry, wanted != '.') << r << " " << c;
                if (wanted == '.' || game.board().at(r, c).digit != 0) continue;
                const int digit = wanted - '0';
                game.play().openSquareMenu(r, c);
                ASSERT_TRUE(game.screen().digitItemEnabled[digit]) << r << " " << c;
                game.play().chooseDigit(digit);
            }
        }
        for (int r = 1; r <= kBoardSize; ++r) {
            for (int c = 1; c <= kBoardSize; ++c) {
                if (solution[r - 1][c - 1] != '.') {
                    ASSERT_EQ(game.board().at(r, c).digit, solution[r - 1][c - 1] - '0');
                }
            }
        }
        ASSERT_EQ(host.messages, std::vector<std::string>{congratulation});
        ++played;
    }
    EXPECT_EQ(played, 687);
}

// The solver of "70" on the published puzzles, stopped as "přeruš" answered
// Yes stops it, right after its 100,000th placement: all but ten end solved,
// with the published solution.
TEST(PublishedPuzzles, TheSolverSolvesAllButTenWithinAHundredThousandPlacements) {
    if (!std::filesystem::exists(kPuzzles + ".kri")) GTEST_SKIP() << "no puzzles at " << kPuzzles;
    const long limit = 100000;
    const auto solutions = readSolutions();
    int solved = 0, stopped = 0;
    for (const auto& [name, solution] : solutions) {
        SCOPED_TRACE(name);
        testing::ScriptedHost host;
        Game game(host);
        startOn(game, name);
        game.solver().stopSolvingAfter(limit);
        host.confirmations.push_back(true);
        game.solver().askToSolve();
        testing::finishSolve(game);
        if (game.solver().lastSolve().end == SolveEnd::kStopped) {
            EXPECT_EQ(game.solver().lastSolve().placements, limit);
            ++stopped;
            continue;
        }
        ASSERT_EQ(game.solver().lastSolve().end, SolveEnd::kSolved);
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                if (solution[r - 1][c - 1] != '.') {
                    ASSERT_EQ(game.board().at(r, c).digit, solution[r - 1][c - 1] - '0')
                        << r << " " << c;
                }
        ++solved;
    }
    EXPECT_EQ(solved, 677);
    EXPECT_EQ(stopped, 10);
}

}  // namespace
}  // namespace krizovky
