#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen.h"
#include "model/board.h"
#include "model/combination_table.h"

namespace krizovky {

// What a drawing of the board shows, as plain data: the same for the screen,
// the printer and files. The painter decides the sizes; this says what stands
// in each square.
enum class PictureKind : std::uint8_t { kBlank, kClue, kEntry };

// What the screen's colour of an entry square says, so that a look can show
// it in its own colours and by a shape besides.
enum class SquareState : std::uint8_t {
    kPlain,        // yellow: nothing to show
    kSelected,     // red: the selected square, where the level shows hints
    kDuplicate,    // olive: a run of a check with a digit twice
    kWrongSum,     // gray: a run of a check whose digits miss its sum
    kMark,         // a Mark's colour: its square, or a square of its highlight
    kHintUsed,     // sky blue: a square the next step's reasoning went through
    kHintDecided,  // blue: the square the next step decides
    kWrongDigit,   // pink: "Ukaž chyby", a digit that is not the solution's
};

// The state a screen colour shows, and for a Mark's colour its number 1..4
// (0 otherwise); a colour the game does not give an entry square is plain.
struct StateOfColour {
    SquareState state = SquareState::kPlain;
    int mark = 0;
};
StateOfColour stateOfColour(Colour colour, const std::array<Colour, 5>& swatchColours);

struct PictureSquare {
    PictureKind kind = PictureKind::kBlank;
    int acrossSum = 0;  // clue squares: 0 for no run that way
    int downSum = 0;
    int digit = 0;       // entry squares: 0 empty, 1..9 written
    DigitSet notes = 0;  // entry squares: the player's notes, bits 1..9, shown while empty
    bool wrong = false;  // the digit is not the solution's
    // Entry squares of a picture with the main window's screen: what the
    // square's colour says, the selected square, and the squares of its
    // across and down runs.
    SquareState state = SquareState::kPlain;
    int mark = 0;  // 1..4 with kMark
    bool selected = false;
    bool inSelectedRun = false;
    // The screen's colours; without them the look's own colours.
    std::optional<Colour> background;
    std::optional<Colour> textColour;
    // What the classic look's square shows, as the screen has it (see
    // SquareLook); only a picture of the game with the main window's screen
    // holds it, for every square of the board, also outside the task.
    bool exists = false;
    bool visible = false;
    std::string caption;  // UTF-8
    FontRole font = FontRole::kPanel;
    bool centred = false;
    bool wordWrap = false;
    bool interactive = false;
    int tag = 0;

    bool operator==(const PictureSquare&) const = default;
};

struct BoardPicture {
    int rows = 0;
    int columns = 0;
    SquaresBuild squaresBuild = SquaresBuild::kTask;  // from the screen, for the classic look
    std::string caption;  // under the board on paper, UTF-8: the task's name and grade

    PictureSquare& at(int row, int column) { return squares_[row - 1][column - 1]; }
    const PictureSquare& at(int row, int column) const { return squares_[row - 1][column - 1]; }

    bool operator==(const BoardPicture&) const = default;

  private:
    std::array<std::array<PictureSquare, kBoardSize>, kBoardSize> squares_{};
};

// The task as it is to be solved: clue squares with their sums, empty entry
// squares. The picture ends after the last row and column that hold anything
// but blank squares (a task file pads every task to 15 x 15), and starts at
// row and column 1, so its squares keep the numbers of the board.
BoardPicture pictureOfTask(const Board& board);

// The game as it stands: the task with the board's digits. With the main
// window's screen, the squares take its colours and notes, and every square
// of the board what the classic look shows of it.
BoardPicture pictureOfGame(const Board& board, const MainScreen* screen = nullptr);

// The entry squares of the runs across and down through (row, column), the
// square itself included; nothing for a square that is not an entry square.
std::vector<std::pair<int, int>> runSquaresThrough(const Board& board, int row, int column);

// Flags the written digits that differ from the solution's.
void markWrongDigits(BoardPicture& picture, const BoardPicture& solution);

// A task made ready for paper: the picture of the task, its solution's
// picture when it has exactly one, and what the exact and the logical solver
// say of it.
struct PrintedTask {
    std::string name;  // Windows-1250, as the task file holds it
    BoardPicture task;
    std::optional<BoardPicture> solution;
    std::string grade;  // UTF-8: "lehká" .. "vyžaduje zkoušení", or "více řešení",
                        // "bez řešení", "chybná úloha"
};

// The board may be a game's: its digits are left out. The caption is
// "NAME – GRADE" (UTF-8) on the task, "NAME – GRADE (řešení)" on its solution.
PrintedTask printedTask(const Board& board, std::string_view name, const CombinationTable& table);

// One task of a task file read from its own lines: its board, or the reason
// it cannot be read ("Range check error").
struct TaskOfFile {
    std::string name;  // Windows-1250
    Board board;
    std::string error;
};

// Every task of a task file's lines, in file order. A second task of the same
// name is read as it stands, not as the first one.
std::vector<TaskOfFile> tasksOfFile(const std::vector<std::string>& lines);

}  // namespace krizovky
