#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/board.h"

namespace krizovky {

// Sum crosswords shared by the public web puzzle editor (type "kakuro"): its
// links (https://puzz.link/p?kakuro/COLS/ROWS/DATA and the other forms it
// accepts) and its text files ("pzprv3", one line per part or the parts
// joined by "/"). The editor keeps the top clue row and the left clue column
// outside its COLS x ROWS grid; here they are row 1 and column 1 of the board.

// The largest grid inside the clue row and column that the 15 x 15 board holds.
inline constexpr int kMaxLinkSize = kBoardSize - 1;

enum class ImportRefusal {
    kNone,
    kTooLarge,   // more than 14 x 14 squares inside the clue row and column
    kOtherType,  // a link or file of another kind of puzzle
    kDamaged,    // not a readable link or file of the editor
};

struct ImportedPuzzle {
    // The board's 15 row lines as a task file holds them (Windows-1250, each
    // ended by CR LF), without the name line.
    std::string rows;
    // A name to offer for the task, Windows-1250: "odkaz RxC" for a link,
    // "soubor RxC" for a file, R x C the size with the clue row and column.
    std::string name;
    // What the rows load as (every row and column of the board, runs not
    // derived).
    Board board;
};

struct ImportResult {
    std::optional<ImportedPuzzle> puzzle;
    ImportRefusal refusal = ImportRefusal::kNone;
    // Why the text was refused, a Czech sentence in UTF-8.
    std::string message;
};

// Reads a link in any form the editor gives one (with or without its host,
// an edit link "?m+kakuro/..." or "?m/kakuro/...", text after the data) or
// the text of its file. Blanks and line ends around the text do not count.
// The answer digits of a file are not kept: a task holds no digits.
ImportResult importPuzzle(std::string_view text);

// A task as a task file holds it: "@", the name and CR LF, then the rows.
std::string taskEntryText(std::string_view name, std::string_view rows);

// A name that a task file keeps as it is: 1 to 255 characters, none of them
// a control character (a line end would split the task).
bool isTaskName(std::string_view name);

struct ExportResult {
    std::string text;     // the link or the file text when it can be written
    std::string message;  // otherwise why not, a Czech sentence in UTF-8
    bool ok() const { return message.empty(); }
};

// The canonical link of the task on the board: https://puzz.link/p?kakuro/
// COLS/ROWS/DATA with nothing after the data, the grid cut to the last row and
// column that hold more than blank squares (a clue without sums counts as
// blank), each run of plain squares in one letter (split after 16), a clue
// without sums as ".", a missing sum as "0". The board needs its clue row in
// row 1 and its clue column in column 1: row 1 holds only down sums, column 1
// only across sums, no entry square lies there, and no sum is above 45.
ExportResult exportLink(const Board& board);

// The same task as the editor's file, one part a line, each line ended by CR
// LF; the answer lines carry the digits written in the entry squares.
ExportResult exportPzprv3(const Board& board);

}  // namespace krizovky
