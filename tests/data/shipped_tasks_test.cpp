// Checks the task file that ships beside the program: its encoding and line
// ends, its names, and that every task in it is a well-formed sum crossword
// with exactly one solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/task_check.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

const std::string kShippedFile = std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.KRI";
const std::string kExampleName = "priklad";

std::string where(int row, int col) {
    return "row " + std::to_string(row) + " column " + std::to_string(col);
}

// ---------------------------------------------------------------------------
// Runs of a board, found by walking from each clue square.

struct Square {
    int row = 0;
    int col = 0;
};

struct Run {
    Square clue;
    bool across = true;
    int sum = 0;
    std::vector<Square> squares;
};

std::vector<Square> squaresAfter(const Board& board, int row, int col, bool across) {
    std::vector<Square> squares;
    int r = row + (across ? 0 : 1);
    int c = col + (across ? 1 : 0);
    while (Board::onBoard(r, c) && board.at(r, c).kind == kEntry) {
        squares.push_back({r, c});
        (across ? c : r) += 1;
    }
    return squares;
}

// Every run that some clue square heads, with the sum the clue gives it
// (0 when the clue gives none).
std::vector<Run> runsOf(const Board& board) {
    std::vector<Run> runs;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell& cell = board.at(r, c);
            if (cell.kind != kClue) continue;
            for (bool across : {true, false}) {
                std::vector<Square> squares = squaresAfter(board, r, c, across);
                if (squares.empty()) continue;
                runs.push_back({{r, c}, across, across ? cell.acrossSum : cell.downSum, squares});
            }
        }
    return runs;
}

// The smallest and largest sum of `length` different digits.
int minimumSum(int length) {
    return length * (length + 1) / 2;
}
int maximumSum(int length) {
    return length * (19 - length) / 2;
}

// What is wrong with a task as the game shows it: squares of unknown kinds,
// entry squares outside a run headed by a clue, runs of one or of more than
// nine squares, a sum without a run or a run without a sum, sums that no
// distinct digits reach. Empty for a well-formed task.
std::vector<std::string> problemsOf(Board board) {
    deriveRuns(board);
    std::vector<std::string> problems;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell& cell = board.at(r, c);
            if (cell.kind > kEntry) {
                problems.push_back(where(r, c) + ": unknown square kind " +
                                   std::to_string(cell.kind));
            } else if (cell.kind == kClue) {
                if (squaresAfter(board, r, c, true).empty() &&
                    squaresAfter(board, r, c, false).empty())
                    problems.push_back(where(r, c) + ": clue square heads no run");
                for (bool across : {true, false}) {
                    int sum = across ? cell.acrossSum : cell.downSum;
                    int length = static_cast<int>(squaresAfter(board, r, c, across).size());
                    std::string run = across ? "across run" : "down run";
                    if (length == 0 && sum != 0)
                        problems.push_back(where(r, c) + ": sum " + std::to_string(sum) +
                                           " without " + (across ? "an " : "a ") + run);
                    if (length > 0 && sum == 0)
                        problems.push_back(where(r, c) + ": " + run + " without a sum");
                    if (length == 1 || length > 9)
                        problems.push_back(where(r, c) + ": " + run + " of " +
                                           std::to_string(length) + " squares");
                    if (length >= 2 && length <= 9 && sum != 0 &&
                        (sum < minimumSum(length) || sum > maximumSum(length)))
                        problems.push_back(where(r, c) + ": no " + std::to_string(length) +
                                           " different digits sum to " + std::to_string(sum));
                }
            } else if (cell.kind == kEntry) {
                // The square's runs start at the first non-entry square to its
                // left and above it, which must be a clue square, and the game
                // must link the square to that clue.
                int c0 = c;
                while (c0 >= 1 && board.at(r, c0).kind == kEntry)
                    --c0;
                if (c0 < 1 || board.at(r, c0).kind != kClue)
                    problems.push_back(where(r, c) + ": no clue square left of the entry square");
                else if (cell.acrossClueCol != c0)
                    problems.push_back(where(r, c) + ": linked to the wrong across clue");
                int r0 = r;
                while (r0 >= 1 && board.at(r0, c).kind == kEntry)
                    --r0;
                if (r0 < 1 || board.at(r0, c).kind != kClue)
                    problems.push_back(where(r, c) + ": no clue square above the entry square");
                else if (cell.downClueRow != r0)
                    problems.push_back(where(r, c) + ": linked to the wrong down clue");
            }
        }
    return problems;
}

// Rows and columns that the task takes up from the top left corner.
std::pair<int, int> extentOf(const Board& board) {
    int rows = 0;
    int cols = 0;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (board.at(r, c).kind != kBlank) {
                rows = std::max(rows, r);
                cols = std::max(cols, c);
            }
    return {rows, cols};
}

// ---------------------------------------------------------------------------
// An exact solution counter: depth-first search that fills the square with
// the fewest candidates first. A square's candidates are the digits that some
// set of different digits of its run's length and sum holds beside the digits
// already written in the run, in both its runs.

class SolutionCounter {
  public:
    explicit SolutionCounter(const Board& board) {
        std::map<std::pair<int, int>, int> indexOf;
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                if (board.at(r, c).kind == kEntry) {
                    indexOf[{r, c}] = static_cast<int>(squares_.size());
                    squares_.push_back({{r, c}, {-1, -1}});
                }
        for (const Run& run : runsOf(board)) {
            RunState state;
            state.length = static_cast<int>(run.squares.size());
            state.sum = run.sum;
            for (const Square& s : run.squares)
                squares_[indexOf.at({s.row, s.col})].runs[run.across ? 0 : 1] =
                    static_cast<int>(runs_.size());
            runs_.push_back(state);
        }
        for (unsigned digits = 2; digits < 1024; digits += 2) {
            int sum = 0;
            for (int d = 1; d <= 9; ++d)
                if (digits & (1u << d)) sum += d;
            setsOf_[std::popcount(digits)][sum].push_back(static_cast<DigitSet>(digits));
        }
    }

    // The number of solutions, counting no further than limit.
    int count(int limit = 2) {
        limit_ = limit;
        found_ = 0;
        digits_.assign(squares_.size(), 0);
        for (RunState& run : runs_)
            run.used = 0;
        search();
        return found_;
    }

    // The digit of (row, col) in the first solution found; 0 when none.
    int firstSolutionDigit(int row, int col) const {
        for (std::size_t i = 0; i < squares_.size(); ++i)
            if (squares_[i].at.row == row && squares_[i].at.col == col && !first_.empty())
                return first_[i];
        return 0;
    }

  private:
    struct RunState {
        int length = 0;
        int sum = 0;
        DigitSet used = 0;
    };
    struct SquareState {
        Square at;
        std::array<int, 2> runs;  // across and down, -1 for none
    };

    DigitSet candidatesOf(int runIndex) const {
        if (runIndex < 0) return 0x3FE;
        const RunState& run = runs_[runIndex];
        if (run.length > 9 || run.sum > 45) return 0;
        DigitSet allowed = 0;
        for (DigitSet set : setsOf_[run.length][run.sum])
            if ((set & run.used) == run.used) allowed |= set;
        return static_cast<DigitSet>(allowed & ~run.used);
    }

    void search() {
        int best = -1;
        DigitSet bestCandidates = 0;
        for (std::size_t i = 0; i < squares_.size(); ++i) {
            if (digits_[i] != 0) continue;
            DigitSet candidates = static_cast<DigitSet>(candidatesOf(squares_[i].runs[0]) &
                                                        candidatesOf(squares_[i].runs[1]));
            if (candidates == 0) return;
            if (best < 0 || std::popcount(candidates) < std::popcount(bestCandidates)) {
                best = static_cast<int>(i);
                bestCandidates = candidates;
            }
        }
        if (best < 0) {
            // Every run's digits are a set of its length and sum, so the board
            // is solved.
            if (found_++ == 0) first_ = digits_;
            return;
        }
        for (int d = 1; d <= 9 && found_ < limit_; ++d) {
            if (!(bestCandidates & digitBit(d))) continue;
            digits_[best] = d;
            for (int run : squares_[best].runs)
                if (run >= 0) runs_[run].used |= digitBit(d);
            search();
            for (int run : squares_[best].runs)
                if (run >= 0) runs_[run].used &= static_cast<DigitSet>(~digitBit(d));
            digits_[best] = 0;
        }
    }

    std::vector<SquareState> squares_;
    std::vector<RunState> runs_;
    std::array<std::array<std::vector<DigitSet>, 46>, 10> setsOf_;
    std::vector<int> digits_;
    std::vector<int> first_;
    int limit_ = 2;
    int found_ = 0;
};

// ---------------------------------------------------------------------------
// The checks themselves, on small tasks whose answers are worked out by hand.

TEST(SolutionCounterTest, CountsTheSolutionsOfSmallTasks) {
    // The example: 16 down is 7 + 9 or 9 + 7, 3 down is 1 + 2 or 2 + 1, and
    // only 7 1 over 9 2 gives the rows 8 and 11.
    SolutionCounter example(boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"}));
    EXPECT_EQ(example.count(), 1);
    EXPECT_EQ(example.firstSolutionDigit(2, 2), 7);
    EXPECT_EQ(example.firstSolutionDigit(2, 3), 1);
    EXPECT_EQ(example.firstSolutionDigit(3, 2), 9);
    EXPECT_EQ(example.firstSolutionDigit(3, 3), 2);

    // All four sums 3: 1 2 over 2 1, or 2 1 over 1 2.
    EXPECT_EQ(SolutionCounter(boardOf({"0,0/3,0/3", "3/0,2,2", "3/0,2,2"})).count(10), 2);

    // All four sums 10: a b over b a with b = 10 - a, for every a but 5.
    SolutionCounter tens(boardOf({"0,0/10,0/10", "10/0,2,2", "10/0,2,2"}));
    EXPECT_EQ(tens.count(100), 8);
    EXPECT_EQ(tens.count(2), 2);

    // Rows 1 + 2 + 3 and 7 + 8 + 9, each column 10: the upper row is any
    // order of 1, 2, 3 and fixes the lower one.
    EXPECT_EQ(SolutionCounter(boardOf({"0,0/10,0/10,0/10", "6/0,2,2,2", "24/0,2,2,2"})).count(100),
              6);
}

TEST(SolutionCounterTest, FindsNoSolutionForContradictoryTasks) {
    // Rows 1 + 2 and 8 + 9 leave the columns 9, 10 or 11, never 9 and 9.
    EXPECT_EQ(SolutionCounter(boardOf({"0,0/9,0/9", "3/0,2,2", "17/0,2,2"})).count(), 0);
    // Sums of 2 need the digit 1 twice.
    EXPECT_EQ(SolutionCounter(boardOf({"0,0/2,0/2", "2/0,2,2", "2/0,2,2"})).count(), 0);
    // Two different digits never make 18.
    EXPECT_EQ(SolutionCounter(boardOf({"0,0/18,0/3", "10/0,2,2", "11/0,2,2"})).count(), 0);
}

TEST(WellFormedTaskTest, AcceptsTheExample) {
    EXPECT_TRUE(problemsOf(boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"})).empty());
}

TEST(WellFormedTaskTest, FindsFaultsOfStructureAndSums) {
    const std::vector<std::vector<std::string>> faulty = {
        {"0,0/16,0/3", "8/0,2,2", "0,2,2"},            // entry squares with no clue to the left
        {"0,0/16,0", "8/0,2,2", "11/0,2,2"},           // entry squares with no clue above
        {"0,0/16,0/0", "8/0,2,2", "11/0,2,2"},         // a down run without its sum
        {"0,0/16,0/3,0/5", "8/0,2,2", "11/0,2,2"},     // a down sum without a run
        {"0,0/16,0/3", "8/4,2,2", "11/0,2,2"},         // a down sum on a clue above a clue
        {"0,0/16", "8/0,2", "11/0,2"},                 // across runs of one square
        {"0,0/16,0/3", "8/0,2,2", "11/0,2,2", "0/0"},  // a clue square heading no run
        {"0,0/16,0/3", "8/0,2,2", "11/0,2,3"},         // a square of an unknown kind
        {"0,0/16,0/3", "8/0,2,2", "19/0,2,2"},         // a sum two digits cannot reach
        {"0,0/6,0/6,0/6,0/6,0/6,0/6,0/6,0/6,0/6,0/6", "55/0,2*10", "55/0,2*10"},  // ten squares
    };
    for (const auto& rows : faulty) {
        std::string text;
        for (const std::string& row : rows)
            text += row + " | ";
        EXPECT_FALSE(problemsOf(boardOf(rows)).empty()) << text;
    }
}

// ---------------------------------------------------------------------------
// The shipped file.

struct ShippedTask {
    std::string name;  // Windows-1250, as in the file
    Board board;
};

class ShippedTasksTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        bytes_ = readFileBytes(kShippedFile);
        for (const std::string& name : readTaskNames(kShippedFile)) {
            ShippedTask task{name, Board{}};
            EXPECT_TRUE(readTask(kShippedFile, name, task.board)) << utf8FromCp1250(name);
            tasks_.push_back(task);
        }
    }

    static std::string shown(const std::string& name) { return utf8FromCp1250(name); }

    static const ShippedTask* find(const std::string& name) {
        for (const ShippedTask& task : tasks_)
            if (task.name == name) return &task;
        return nullptr;
    }

    static inline std::string bytes_;
    static inline std::vector<ShippedTask> tasks_;
};

TEST_F(ShippedTasksTest, IsWindows1250TextWithCrLfLineEnds) {
    ASSERT_FALSE(bytes_.empty());
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (bytes_[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes_[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes_[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes_.size() && bytes_[i + 1] == '\n') << "bare CR at " << i;
        }
        ASSERT_NE(bytes_[i], '\0') << "NUL byte at " << i;
    }
    EXPECT_EQ(bytes_.substr(bytes_.size() - 2), "\r\n") << "the last line has no line end";
    EXPECT_EQ(utf8FromCp1250(bytes_).find("\xEF\xBF\xBD"), std::string::npos)
        << "bytes that Windows-1250 does not define";
}

TEST_F(ShippedTasksTest, HasUniqueNamesTheExampleAndTasksOfSeveralSizes) {
    std::set<std::string> names;
    std::set<std::pair<int, int>> sizes;
    std::size_t others = 0;
    for (const ShippedTask& task : tasks_) {
        EXPECT_TRUE(names.insert(task.name).second) << "twice: " << shown(task.name);
        std::string back;
        EXPECT_TRUE(tryCp1250FromUtf8(shown(task.name), back) && back == task.name)
            << shown(task.name);
        if (task.name == kExampleName) continue;
        ++others;
        sizes.insert(extentOf(task.board));
    }
    EXPECT_EQ(names.count(kExampleName), 1u);
    EXPECT_GE(others, 10u);
    EXPECT_GE(sizes.size(), 3u);
}

TEST_F(ShippedTasksTest, ExampleHasItsDocumentedCluesAndSolution) {
    const ShippedTask* example = find(kExampleName);
    ASSERT_NE(example, nullptr);
    const Board& board = example->board;
    EXPECT_EQ(extentOf(board), std::make_pair(3, 3));
    EXPECT_EQ(board.at(1, 1).kind, kBlank);
    EXPECT_EQ(board.at(1, 2).kind, kClue);
    EXPECT_EQ(board.at(1, 2).downSum, 16);
    EXPECT_EQ(board.at(1, 2).acrossSum, 0);
    EXPECT_EQ(board.at(1, 3).kind, kClue);
    EXPECT_EQ(board.at(1, 3).downSum, 3);
    EXPECT_EQ(board.at(1, 3).acrossSum, 0);
    EXPECT_EQ(board.at(2, 1).kind, kClue);
    EXPECT_EQ(board.at(2, 1).acrossSum, 8);
    EXPECT_EQ(board.at(2, 1).downSum, 0);
    EXPECT_EQ(board.at(3, 1).kind, kClue);
    EXPECT_EQ(board.at(3, 1).acrossSum, 11);
    EXPECT_EQ(board.at(3, 1).downSum, 0);

    SolutionCounter counter(board);
    ASSERT_EQ(counter.count(), 1);
    EXPECT_EQ(counter.firstSolutionDigit(2, 2), 7);
    EXPECT_EQ(counter.firstSolutionDigit(2, 3), 1);
    EXPECT_EQ(counter.firstSolutionDigit(3, 2), 9);
    EXPECT_EQ(counter.firstSolutionDigit(3, 3), 2);
}

TEST_F(ShippedTasksTest, EveryTaskHasFifteenRowLinesOfFifteenColumns) {
    std::vector<std::string> lines = splitLines(bytes_);
    std::map<std::string, int> rowLines;
    std::string current;
    bool inTask = false;
    for (const std::string& line : lines) {
        if (isNameLine(line)) {
            current = nameOfLine(line);
            inTask = true;
            rowLines[current] = 0;
            continue;
        }
        EXPECT_TRUE(inTask || isBlankLine(line)) << "a line before the first task: " << line;
        if (!inTask || isBlankLine(line)) continue;
        ++rowLines[current];
        // A row line that leaves a column out leaves the square marked below.
        Board scratch;
        scratch.rowCount = kBoardSize;
        scratch.colCount = kBoardSize;
        scratch.setAllKinds(9);
        parseRowLine(line, 1, scratch);
        for (int c = 1; c <= kBoardSize; ++c)
            EXPECT_NE(scratch.at(1, c).kind, 9)
                << shown(current) << ": row line \"" << line << "\" misses column " << c;
    }
    EXPECT_EQ(rowLines.size(), tasks_.size());
    for (const auto& [name, count] : rowLines)
        EXPECT_EQ(count, kBoardSize) << shown(name);
}

TEST_F(ShippedTasksTest, EveryTaskIsWellFormed) {
    for (const ShippedTask& task : tasks_) {
        for (const std::string& problem : problemsOf(task.board))
            ADD_FAILURE() << shown(task.name) << ": " << problem;
        EXPECT_FALSE(runsOf(task.board).empty()) << shown(task.name);
    }
}

TEST_F(ShippedTasksTest, EveryTaskHasExactlyOneSolution) {
    for (const ShippedTask& task : tasks_)
        EXPECT_EQ(SolutionCounter(task.board).count(), 1) << shown(task.name);
}

// The collection: at least 60 tasks named "NN grade", the grade the one the
// logical solver gives the task, numbered so that the task list reads from
// easy to very hard, on boards from 6 x 6 up to 15 x 15.
TEST_F(ShippedTasksTest, NamesGiveTheGradeAndTheListReadsFromEasyToVeryHard) {
    std::vector<std::string> names;
    std::map<std::string, int> grades;  // grade name -> rank
    for (int d = 0; d <= static_cast<int>(Difficulty::kVeryHard); ++d)
        grades[collectionGradeName(static_cast<Difficulty>(d))] = d;
    int smallest = kBoardSize, largest = 0;
    for (const ShippedTask& task : tasks_) {
        if (task.name == kExampleName) continue;
        names.push_back(task.name);
        const std::string name = shown(task.name);
        ASSERT_TRUE(name.size() > 3 && std::isdigit(static_cast<unsigned char>(name[0])) &&
                    std::isdigit(static_cast<unsigned char>(name[1])) && name[2] == ' ')
            << name;
        const TaskCheck check = checkTask(task.board, completeCombinationTable());
        ASSERT_EQ(check.verdict, TaskVerdict::kUnique) << name;
        EXPECT_EQ(name.substr(3), collectionGradeName(check.difficulty)) << name;
        auto [rows, cols] = extentOf(task.board);
        smallest = std::min({smallest, rows, cols});
        largest = std::max({largest, rows, cols});
    }
    EXPECT_GE(names.size(), 60u);
    EXPECT_GE(smallest, 6);
    EXPECT_EQ(largest, kBoardSize);
    sortTaskNames(names);
    int number = 0;
    int rank = 0;
    std::set<int> ranks;
    for (const std::string& name : names) {
        const std::string text = shown(name);
        EXPECT_EQ(std::stoi(text.substr(0, 2)), ++number) << text;
        EXPECT_GE(grades.at(text.substr(3)), rank) << text;
        rank = grades.at(text.substr(3));
        ranks.insert(rank);
    }
    EXPECT_EQ(ranks.size(), 4u) << "every grade from lehká to expert";
}

// The hard tasks of the solver's benchmarks, tests/data/hard.kri: sound
// tasks with one solution each, whatever the solver makes of them.
TEST(HardTasks, AreWellFormedWithExactlyOneSolution) {
    const std::string path = std::string(KRIZOVKY_SOURCE_DIR) + "/tests/data/hard.kri";
    const std::vector<std::string> names = readTaskNames(path);
    EXPECT_EQ(names.size(), 3u);
    for (const std::string& name : names) {
        Board board;
        ASSERT_TRUE(readTask(path, name, board)) << utf8FromCp1250(name);
        for (const std::string& problem : problemsOf(board))
            ADD_FAILURE() << utf8FromCp1250(name) << ": " << problem;
        EXPECT_EQ(SolutionCounter(board).count(), 1) << utf8FromCp1250(name);
    }
}

}  // namespace
}  // namespace krizovky
