// The published puzzles beside the project (../shared/puzzles/janko.kri with
// their solutions in janko.sol), read once for the benchmarks that run over
// all of them. Empty when the folder is not there.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky::bench {

inline const std::string kPuzzles = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko";

struct Puzzle {
    std::string name;
    Board board;
    std::string solution;  // the digits of the entry squares, row by row
};

inline std::string digitsOf(const Board& board) {
    std::string text;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (board.isEntry(r, c)) text += static_cast<char>('0' + board.at(r, c).digit);
    return text;
}

inline std::vector<Puzzle> readPuzzles() {
    std::vector<Puzzle> puzzles;
    if (!std::filesystem::exists(kPuzzles + ".kri")) return puzzles;
    std::map<std::string, std::string> solutions;
    std::string* current = nullptr;
    for (const auto& line : splitLines(readFileBytes(kPuzzles + ".sol"))) {
        if (isNameLine(line)) {
            current = &solutions[nameOfLine(line)];
        } else if (current) {
            for (char ch : line)
                if (ch >= '1' && ch <= '9') *current += ch;
        }
    }
    const std::vector<std::string> lines = splitLines(readFileBytes(kPuzzles + ".kri"));
    for (const auto& name : readTaskNames(kPuzzles + ".kri")) {
        Puzzle p{name, Board{}, solutions[name]};
        readTaskLines(lines, name, p.board);
        puzzles.push_back(std::move(p));
    }
    return puzzles;
}

inline const std::vector<Puzzle>& puzzles() {
    static const std::vector<Puzzle> all = readPuzzles();
    return all;
}

// The counters of a run over every puzzle: how many, the median and the
// largest of the times per puzzle (milliseconds, one per puzzle in file
// order), and the slowest puzzle's name as the label.
inline void reportTimes(benchmark::State& state, const std::vector<double>& times) {
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t slowest =
        static_cast<std::size_t>(std::max_element(times.begin(), times.end()) - times.begin());
    state.counters["puzzles"] = static_cast<double>(sorted.size());
    state.counters["median_ms"] = sorted[sorted.size() / 2];
    state.counters["largest_ms"] = sorted.back();
    state.SetLabel("slowest: " + puzzles()[slowest].name);
}

}  // namespace krizovky::bench
