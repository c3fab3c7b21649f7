#pragma once

#include <string>
#include <vector>

#include "model/board.h"
#include "model/task_reader.h"

namespace krizovky::testing {

// A task file from rows written one per line with "\n"; the file gets CR LF
// line ends as the game writes them.
inline std::string crlf(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

// The lines of a task file holding the one task "t" with the given rows.
inline std::vector<std::string> taskLines(const std::vector<std::string>& rows) {
    std::vector<std::string> lines{"@t"};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return lines;
}

// A task file holding the one task "t" whose top rows are given: each row is
// closed with blank squares and the rows below them are blank.
inline std::string smallTask(const std::vector<std::string>& rows) {
    std::string text = "@t\n";
    for (const auto& row : rows)
        text += row + ",0*15\n";
    for (std::size_t r = rows.size(); r < 15; ++r)
        text += "0*15\n";
    return text;
}

// The board of the one task "t" whose top rows are given, each row closed
// with blank squares and blank rows below them, with its runs derived.
inline Board boardOf(const std::vector<std::string>& rows) {
    std::vector<std::string> lines{"@t"};
    for (const auto& row : rows)
        lines.push_back(row + ",0*15");
    lines.resize(kBoardSize + 1, "0*15");
    Board board;
    readTaskLines(lines, "t", board);
    deriveRuns(board);
    return board;
}

// The small example task: clues 16 and 3 down, 8 and 11 across; solution
// 7 1 over 9 2.
inline const char* kExampleTask =
    "@priklad\n"
    "0,0/16,0/3,0*12\n"
    "8/0,2,2,0*12\n"
    "11/0,2,2,0*12\n"
    "0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n0*15\n";

}  // namespace krizovky::testing
