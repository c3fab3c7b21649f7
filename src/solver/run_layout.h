#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/combination_table.h"

namespace krizovky {

inline constexpr int kMaxRunLength = 9;

// An entry square and the runs it belongs to.
struct LaidSquare {
    int row = 0;
    int col = 0;
    std::array<int, 2> runs{-1, -1};  // across, down; -1 for none
};

// A maximal line of entry squares across or down, and the clue before it.
struct LaidRun {
    int clueRow = 0;
    int clueCol = 0;
    bool across = true;
    int sum = 0;
    int length = 0;
    std::array<int, kMaxRunLength> squares{};  // its squares in order, as indexes of squares()
    CombinationTable::Group combinations;      // the table's records of (length, sum)
};

// The runs of a board as both solvers read them. The squares come in reading
// order, the runs in the order of the squares that begin them, across before
// down. A sound board has a clue before every run, a sum for every run that
// some record of the combination table has for the run's length, and a run
// after every sum; otherwise malformed() names the first fault in reading
// order and the runs after it are not read.
class RunLayout {
  public:
    RunLayout(const Board& board, const CombinationTable& table);

    // Why the board is no sound task, in English; empty when it is one.
    const std::string& malformed() const { return malformed_; }
    // The same for the player, in Czech (UTF-8): "vodorovná řada od políčka
    // (2, 3) nemá součet".
    const std::string& playerReason() const { return playerReason_; }
    const std::vector<LaidSquare>& squares() const { return squares_; }
    const std::vector<LaidRun>& runs() const { return runs_; }

  private:
    void noRunAfter(const Board& board, int r, int c, bool across);
    void readRun(const Board& board, const CombinationTable& table, int r, int c, bool across);

    // The board with a border of blank squares around it.
    static constexpr int kWidth = kBoardSize + 2;
    std::array<int, kWidth * kWidth>
        index_;  // per square, its number among the entry squares or -1
    std::vector<LaidSquare> squares_;
    std::vector<LaidRun> runs_;
    std::string malformed_;
    std::string playerReason_;
};

}  // namespace krizovky
