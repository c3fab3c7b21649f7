#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "model/board.h"

namespace krizovky {

// One square of the search, in the order the search fills the squares.
struct SearchEntry {
    // The allowed digits of the square as the characters "1".."9", ascending,
    // taken when the search last arrived at it.
    std::array<char, 9> candidates{};
    std::uint8_t candidateCount = 0;
    std::uint8_t tried = 0;  // candidates tried since arriving; 0: not looked at yet
    std::uint8_t row = 0;
    std::uint8_t col = 0;
};

// The squares of the search, listed by runs: the first entry square in reading
// order, its across run and its down run, then for every listed square in turn
// (the list grows while it is walked) the runs of its unlisted entry
// neighbours right, down, up and left, the across run before the down run.
// Squares that already hold a digit are left out at the end. Parts of the
// board that the spreading does not reach are not listed.
std::vector<SearchEntry> buildSearchList(const Board& board);

// The steps of a solve that only the game can take, on the board the solver
// reads.
class SolverSteps {
  public:
    virtual ~SolverSteps() = default;
    // The click on the square at the solver's level: the square's allowed
    // digits as "137", computed from the board as it stands.
    virtual std::string_view selectForSolver(int row, int column) = 0;
    // The entry of the digit, checked and recorded as a Move; false when the
    // checks refused it.
    virtual bool enterForSolver(int row, int column, int digit, bool byPlayer) = 0;
    // "zpět o 1 tah": the newest placement, or all automatic Moves when no
    // placement is left.
    virtual void undoForSolver() = 0;
    // The search has run out of possibilities.
    virtual void reportUnsolvable() = 0;
};

// Writes every square whose digit is forced (one allowed digit), in whole
// passes over the board until a pass writes nothing, as automatic Moves. Ends
// at once at a square that allows no digit or whose digit is refused.
void prefillForced(const Board& board, SolverSteps& steps);

enum class SolveEnd : std::uint8_t { kSolved, kUnsolvable, kStopped };

// The depth-first search over the listed squares, with backtracking through
// the undo of the Moves it made. It keeps its place between calls, so that
// the window can draw the board and handle its events between two stretches
// of it.
class SolverSearch {
  public:
    SolverSearch(std::vector<SearchEntry> list, SolverSteps& steps)
        : list_(std::move(list)), steps_(steps) {}

    // "přeruš" answered Yes: the search ends after the placement it is at.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }

    // Searches on from where the last call left off until the search ends or
    // it has made maxPlacements placements more; the end once there is one.
    // A search that fills its last square is solved even when a stop came
    // with it.
    std::optional<SolveEnd> advance(long maxPlacements);
    // The whole search from its first listed square to its end.
    SolveEnd run();

    long placements() const { return placements_; }  // digits written, also those taken back
    long backtracks() const { return backtracks_; }
    int length() const { return static_cast<int>(list_.size()); }

  private:
    void backtrack();

    std::vector<SearchEntry> list_;  // entry k of the search at index k - 1
    SolverSteps& steps_;
    int searchPos_ = 1;  // 0: every possibility tried
    bool stopRequested_ = false;
    long placements_ = 0;
    long backtracks_ = 0;
};

}  // namespace krizovky
