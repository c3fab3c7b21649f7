#include "solver/visible_search.h"

#include <algorithm>
#include <limits>

namespace krizovky {
namespace {

// The list under construction with the flags of the squares already in it.
class ListBuilder {
  public:
    explicit ListBuilder(const Board& board) : board_(board) {}

    void append(int row, int col) {
        if (listed_[row][col]) return;
        listed_[row][col] = true;
        SearchEntry entry;
        entry.row = static_cast<std::uint8_t>(row);
        entry.col = static_cast<std::uint8_t>(col);
        list_.push_back(entry);
    }

    // The run starts right of the square's across clue (at column 1 when the
    // square has none) and ends at the edge or before a square that is not an
    // entry square.
    void appendAcross(int row, int col) {
        for (int c = board_.at(row, col).acrossClueCol + 1;
             c <= board_.colCount && board_.at(row, c).kind == kEntry; ++c)
            append(row, c);
    }

    void appendDown(int row, int col) {
        for (int r = board_.at(row, col).downClueRow + 1;
             r <= board_.rowCount && board_.at(r, col).kind == kEntry; ++r)
            append(r, col);
    }

    void appendRuns(int row, int col) {
        appendAcross(row, col);
        appendDown(row, col);
    }

    bool listed(int row, int col) const { return listed_[row][col]; }
    std::vector<SearchEntry>& list() { return list_; }

  private:
    const Board& board_;
    std::vector<SearchEntry> list_;
    std::array<std::array<bool, kBoardSize + 1>, kBoardSize + 1> listed_{};
};

}  // namespace

std::vector<SearchEntry> buildSearchList(const Board& board) {
    ListBuilder builder(board);
    const int rows = board.rowCount, cols = board.colCount;
    bool found = false;
    for (int r = 1; r <= rows && !found; ++r)
        for (int c = 1; c <= cols && !found; ++c)
            if (board.at(r, c).kind == kEntry) {
                builder.append(r, c);
                builder.appendRuns(r, c);
                found = true;
            }

    static constexpr int kNeighbours[4][2] = {{0, 1}, {1, 0}, {-1, 0}, {0, -1}};
    std::vector<SearchEntry>& list = builder.list();
    for (std::size_t n = 0; n < list.size(); ++n) {
        const int row = list[n].row, col = list[n].col;
        for (const auto& [dr, dc] : kNeighbours) {
            const int r = row + dr, c = col + dc;
            if (r >= 1 && r <= rows && c >= 1 && c <= cols && board.at(r, c).kind == kEntry &&
                !builder.listed(r, c))
                builder.appendRuns(r, c);
        }
    }

    std::vector<SearchEntry> open;
    open.reserve(list.size());
    for (const SearchEntry& entry : list)
        if (board.at(entry.row, entry.col).digit == 0) open.push_back(entry);
    return open;
}

void prefillForced(const Board& board, SolverSteps& steps) {
    bool wrote = true;
    while (wrote) {
        wrote = false;
        for (int r = 1; r <= board.rowCount; ++r)
            for (int c = 1; c <= board.colCount; ++c) {
                const Cell& cell = board.at(r, c);
                if (cell.kind != kEntry || cell.digit != 0) continue;
                const std::string_view candidates = steps.selectForSolver(r, c);
                // A square without a digit is left for the search to meet.
                if (candidates.empty()) return;
                if (candidates.size() != 1) continue;
                if (!steps.enterForSolver(r, c, candidates[0] - '0', false)) return;
                wrote = true;
            }
    }
}

std::optional<SolveEnd> SolverSearch::advance(long maxPlacements) {
    const int length = static_cast<int>(list_.size());
    long made = 0;
    while (searchPos_ >= 1 && searchPos_ <= length && !stopRequested_ && made < maxPlacements) {
        SearchEntry& entry = list_[searchPos_ - 1];
        if (entry.tried == 0) {
            const std::string_view candidates = steps_.selectForSolver(entry.row, entry.col);
            if (candidates.empty()) {
                backtrack();
                continue;
            }
            entry.candidateCount =
                static_cast<std::uint8_t>(std::min(candidates.size(), entry.candidates.size()));
            std::copy_n(candidates.begin(), entry.candidateCount, entry.candidates.begin());
        }
        ++entry.tried;
        if (entry.tried > entry.candidateCount) {
            backtrack();
            continue;
        }
        // A refused candidate is passed over: the next one of the same square
        // comes next.
        if (!steps_.enterForSolver(entry.row, entry.col, entry.candidates[entry.tried - 1] - '0',
                                   true))
            continue;
        ++placements_;
        ++made;
        ++searchPos_;
        // The next square's candidates are taken afresh from the board as it
        // now stands.
        if (searchPos_ <= length) list_[searchPos_ - 1].tried = 0;
    }
    if (searchPos_ > length) return SolveEnd::kSolved;
    if (searchPos_ == 0) return SolveEnd::kUnsolvable;
    if (stopRequested_) return SolveEnd::kStopped;
    return std::nullopt;
}

SolveEnd SolverSearch::run() {
    std::optional<SolveEnd> end;
    while (!end)
        end = advance(std::numeric_limits<long>::max());
    return *end;
}

void SolverSearch::backtrack() {
    ++backtracks_;
    steps_.undoForSolver();
    --searchPos_;
    if (searchPos_ == 0) steps_.reportUnsolvable();
}

}  // namespace krizovky
