// The published puzzles beside the project (../shared/puzzles/janko.kri, their
// solutions in janko.sol), read once for the tests and benchmarks that run
// over all of them. Empty when the folder is not there.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky::testing {

inline const std::string kPublishedPuzzles =
    std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko";

struct PublishedPuzzle {
    std::string name;
    Board board;   // the task as loading it gives it
    Board solved;  // the same with the published solution written in
};

// The digits of the entry squares, row by row.
inline std::string entryDigits(const Board& board) {
    std::string text;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (board.isEntry(r, c)) text += static_cast<char>('0' + board.at(r, c).digit);
    return text;
}

// In janko.sol, after a line "@name", 15 lines of 15 characters: the digit
// of each entry square, "." for the others.
inline std::vector<PublishedPuzzle> readPublishedPuzzles() {
    std::vector<PublishedPuzzle> puzzles;
    if (!std::filesystem::exists(kPublishedPuzzles + ".kri")) return puzzles;
    std::map<std::string, std::vector<std::string>> solutions;
    std::vector<std::string>* current = nullptr;
    for (const auto& line : splitLines(readFileBytes(kPublishedPuzzles + ".sol"))) {
        if (isNameLine(line))
            current = &solutions[nameOfLine(line)];
        else if (current)
            current->push_back(line);
    }
    const std::vector<std::string> lines = splitLines(readFileBytes(kPublishedPuzzles + ".kri"));
    for (const auto& name : readTaskNames(kPublishedPuzzles + ".kri")) {
        PublishedPuzzle p{name, Board{}, Board{}};
        readTaskLines(lines, name, p.board);
        p.solved = p.board;
        const std::vector<std::string>& rows = solutions[name];
        for (int r = 1; r <= kBoardSize && r <= static_cast<int>(rows.size()); ++r)
            for (int c = 1; c <= kBoardSize && c <= static_cast<int>(rows[r - 1].size()); ++c)
                if (const char ch = rows[r - 1][c - 1]; ch >= '1' && ch <= '9')
                    p.solved.at(r, c).digit = static_cast<std::uint8_t>(ch - '0');
        puzzles.push_back(std::move(p));
    }
    return puzzles;
}

inline const std::vector<PublishedPuzzle>& publishedPuzzles() {
    static const std::vector<PublishedPuzzle> all = readPublishedPuzzles();
    return all;
}

}  // namespace krizovky::testing
