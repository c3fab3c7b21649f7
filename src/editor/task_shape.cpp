#include "editor/task_shape.h"

#include <algorithm>
#include <vector>

namespace krizovky {
namespace {

// The length of the run through (row, col) across or down; 0 for a square
// that is no entry square.
int runThrough(const TaskShape& shape, int row, int col, bool across) {
    if (!shape.isEntry(row, col)) return 0;
    const int dr = across ? 0 : 1;
    const int dc = across ? 1 : 0;
    int length = 1;
    for (int k = 1; shape.isEntry(row - k * dr, col - k * dc); ++k)
        ++length;
    for (int k = 1; shape.isEntry(row + k * dr, col + k * dc); ++k)
        ++length;
    return length;
}

// The entry squares reached from the first one across and down, marked.
int connectedFromFirst(const TaskShape& shape,
                       std::array<std::array<bool, kBoardSize + 2>, kBoardSize + 2>& seen) {
    std::vector<std::pair<int, int>> stack;
    for (int r = 1; r <= kBoardSize && stack.empty(); ++r)
        for (int c = 1; c <= kBoardSize && stack.empty(); ++c)
            if (shape.isEntry(r, c)) stack.emplace_back(r, c);
    int count = 0;
    for (const auto& [r, c] : stack)
        seen[r][c] = true;
    while (!stack.empty()) {
        const auto [r, c] = stack.back();
        stack.pop_back();
        ++count;
        const int dr[4] = {-1, 1, 0, 0};
        const int dc[4] = {0, 0, -1, 1};
        for (int d = 0; d < 4; ++d) {
            const int nr = r + dr[d];
            const int nc = c + dc[d];
            if (shape.isEntry(nr, nc) && !seen[nr][nc]) {
                seen[nr][nc] = true;
                stack.emplace_back(nr, nc);
            }
        }
    }
    return count;
}

std::string squareName(int row, int col) {
    return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

// The shape being drawn: an interior of rows 2..rows and columns 2..cols,
// each change made to a square and its partner under the half turn.
class ShapeDraft {
  public:
    ShapeDraft(int rows, int cols) {
        shape.rows = rows;
        shape.cols = cols;
        for (int r = 2; r <= rows; ++r)
            for (int c = 2; c <= cols; ++c)
                shape.entry[r][c] = true;
    }

    TaskShape shape;

    std::pair<int, int> partner(int row, int col) const {
        return {shape.rows + 2 - row, shape.cols + 2 - col};
    }

    // Makes a square and its partner blank; false (and nothing changed) when
    // that leaves a run of one square beside them.
    bool blacken(int row, int col) {
        const auto [pr, pc] = partner(row, col);
        shape.entry[row][col] = false;
        shape.entry[pr][pc] = false;
        if (leavesLoneSquare(row, col) || leavesLoneSquare(pr, pc)) {
            shape.entry[row][col] = true;
            shape.entry[pr][pc] = true;
            return false;
        }
        return true;
    }

  private:
    bool leavesLoneSquare(int row, int col) const {
        return runThrough(shape, row, col - 1, true) == 1 ||
               runThrough(shape, row, col + 1, true) == 1 ||
               runThrough(shape, row - 1, col, false) == 1 ||
               runThrough(shape, row + 1, col, false) == 1;
    }
};

// Cuts every run longer than 9 squares with a blank square (and its
// partner) that leaves pieces of two squares or more; false when some run
// cannot be cut so.
bool cutLongRuns(ShapeDraft& draft, int longest, TaskRandom& random) {
    TaskShape& shape = draft.shape;
    for (int pass = 0; pass < 2 * kBoardSize; ++pass) {
        bool cut = false;
        for (int across = 1; across >= 0; --across) {
            const int lines = across ? shape.rows : shape.cols;
            const int length = across ? shape.cols : shape.rows;
            for (int line = 2; line <= lines; ++line) {
                for (int start = 2; start <= length; ++start) {
                    const int r = across ? line : start;
                    const int c = across ? start : line;
                    const int run = runThrough(shape, r, c, across == 1);
                    const bool first = shape.isEntry(r, c) &&
                                       !shape.isEntry(across ? r : r - 1, across ? c - 1 : c);
                    if (!first || run <= longest) continue;
                    // Positions 2..run-3 of the run leave two pieces of 2 or more.
                    std::vector<int> places;
                    for (int k = 2; k <= run - 3; ++k)
                        places.push_back(k);
                    bool done = false;
                    while (!places.empty() && !done) {
                        const int i = random.below(static_cast<int>(places.size()));
                        const int k = places[i];
                        places.erase(places.begin() + i);
                        done = draft.blacken(across ? r : r + k, across ? c + k : c);
                    }
                    if (!done) return false;
                    cut = true;
                }
            }
        }
        if (!cut) return true;
    }
    return false;
}

// Keeps only the largest group of connected entry squares; false when that
// group is not its own partner under the half turn.
bool keepLargestGroup(TaskShape& shape) {
    std::array<std::array<int, kBoardSize + 2>, kBoardSize + 2> group{};
    int best = 0, bestSize = 0, groups = 0;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            if (!shape.isEntry(r, c) || group[r][c] != 0) continue;
            ++groups;
            int size = 0;
            std::vector<std::pair<int, int>> stack{{r, c}};
            group[r][c] = groups;
            while (!stack.empty()) {
                const auto [sr, sc] = stack.back();
                stack.pop_back();
                ++size;
                const int dr[4] = {-1, 1, 0, 0};
                const int dc[4] = {0, 0, -1, 1};
                for (int d = 0; d < 4; ++d)
                    if (shape.isEntry(sr + dr[d], sc + dc[d]) &&
                        group[sr + dr[d]][sc + dc[d]] == 0) {
                        group[sr + dr[d]][sc + dc[d]] = groups;
                        stack.emplace_back(sr + dr[d], sc + dc[d]);
                    }
            }
            if (size > bestSize) {
                best = groups;
                bestSize = size;
            }
        }
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (shape.entry[r][c] && group[r][c] != best) shape.entry[r][c] = false;
    for (int r = 2; r <= shape.rows; ++r)
        for (int c = 2; c <= shape.cols; ++c)
            if (shape.entry[r][c] != shape.entry[shape.rows + 2 - r][shape.cols + 2 - c])
                return false;
    return true;
}

}  // namespace

int TaskShape::entryCount() const {
    int count = 0;
    for (const auto& row : entry)
        count += static_cast<int>(std::count(row.begin(), row.end(), true));
    return count;
}

std::string structureFault(const TaskShape& shape) {
    for (int k = 1; k <= kBoardSize; ++k)
        if (shape.isEntry(1, k) || shape.isEntry(k, 1))
            return "Políčko " +
                   squareName(shape.isEntry(1, k) ? 1 : k, shape.isEntry(1, k) ? k : 1) +
                   " nemá kde mít svůj součet.";
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            for (bool across : {true, false})
                if (runThrough(shape, r, c, across) > kLongestRun)
                    return "Řada u políčka " + squareName(r, c) + " je delší než 9 políček.";
    return {};
}

std::string shapeFault(const TaskShape& shape) {
    if (!structureFault(shape).empty())
        return "an entry square in row 1 or column 1, or a long run";
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            for (bool across : {true, false})
                if (runThrough(shape, r, c, across) == 1)
                    return "a run of one square at " + squareName(r, c);
    std::array<std::array<bool, kBoardSize + 2>, kBoardSize + 2> seen{};
    if (connectedFromFirst(shape, seen) != shape.entryCount())
        return "entry squares that are not connected";
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (shape.isEntry(r, c) && (r > shape.rows || c > shape.cols ||
                                        !shape.isEntry(shape.rows + 2 - r, shape.cols + 2 - c)))
                return "not the same under a half turn at " + squareName(r, c);
    bool row2 = false, col2 = false;
    for (int k = 2; k <= kBoardSize; ++k) {
        row2 = row2 || shape.isEntry(2, k);
        col2 = col2 || shape.isEntry(k, 2);
    }
    if (!row2 || !col2) return "no entry square in row 2 or column 2";
    return {};
}

std::optional<TaskShape> randomShape(int rows, int cols, int minEntries, int maxEntries,
                                     int longestRun, TaskRandom& random) {
    rows = std::clamp(rows, 4, kBoardSize);
    cols = std::clamp(cols, 4, kBoardSize);
    for (int attempt = 0; attempt < 200; ++attempt) {
        ShapeDraft draft(rows, cols);
        const int target = minEntries + random.below(std::max(1, maxEntries - minEntries + 1));
        std::vector<std::pair<int, int>> open;
        for (int r = 2; r <= rows; ++r)
            for (int c = 2; c <= cols; ++c)
                open.emplace_back(r, c);
        // Each square is tried once, in random order.
        for (int entries = draft.shape.entryCount(); entries > target && !open.empty();) {
            const int i = random.below(static_cast<int>(open.size()));
            const auto [r, c] = open[i];
            open[i] = open.back();
            open.pop_back();
            if (draft.shape.entry[r][c] && draft.blacken(r, c)) entries = draft.shape.entryCount();
        }
        if (!cutLongRuns(draft, std::clamp(longestRun, 4, kLongestRun), random) ||
            !keepLargestGroup(draft.shape))
            continue;
        const int count = draft.shape.entryCount();
        if (count < minEntries || count > maxEntries || !shapeFault(draft.shape).empty()) continue;
        return draft.shape;
    }
    return std::nullopt;
}

TaskShape shapeOfGrid(const EditorGrid& grid) {
    TaskShape shape;
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c) {
            const std::string& text = grid.at(c, r);
            if (text == "x" || text == "X" || text.find('/') != std::string::npos) continue;
            shape.entry[r][c] = true;
            shape.rows = std::max(shape.rows, r);
            shape.cols = std::max(shape.cols, c);
        }
    return shape;
}

EditorGrid gridOfShape(const TaskShape& shape) {
    EditorGrid grid;
    grid.fill("x");
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c) {
            if (shape.isEntry(r, c))
                grid.at(c, r) = " ";
            else if (shape.isEntry(r, c + 1) || shape.isEntry(r + 1, c))
                grid.at(c, r) = "/";
        }
    return grid;
}

}  // namespace krizovky
