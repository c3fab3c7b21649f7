#include <algorithm>

#include "app/game_help.h"
#include "app/game_persistence.h"
#include "app/moves_and_notes.h"
#include "app/play_session.h"
#include "app/solver_session.h"
#include "app/task_library.h"
#include "model/errors.h"
#include "model/task_reader.h"

namespace krizovky {

void PlaySession::setGauge(int position, int maximum) {
    screen_.loadGauge.position = position;
    screen_.loadGauge.maximum = maximum;
    screen_.loadGauge.visible = true;
    host_.repaintGauge();
}

void TaskLibrary::loadTask() {
    if (choice_.selectedName().empty()) return;

    // The whole task is read into a copy first: a file that cannot be read or
    // a row that breaks the format leaves the board on screen and its game
    // untouched.
    Board read = board_;
    play_.setGauge(0, kBoardSize);
    try {
        readTask(storage_, choice_.taskFilePlace(), choice_.taskFilePath(), choice_.selectedName(),
                 read, [this](int row) { play_.setGauge(row, kBoardSize); });
    } catch (const RunError& e) {
        screen_.loadGauge.visible = false;
        requests_.failure(e.what());
        return;
    }
    screen_.loadGauge.visible = false;
    play_.showTask(std::move(read));
    persistence_.setBoardTask({choice_.taskFilePath(), choice_.selectedName(), taskHash(board_)});
    persistence_.beginPlay(0);
    help_.showTaskProblem();
}

void PlaySession::showTask(Board read) {
    // No digit of the previous game stays behind, also not in squares that
    // are clue or blank squares of this task or lie outside it.
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            read.at(r, c).digit = 0;
            read.at(r, c).notes = 0;
        }
    read.prevRowCount = board_.rowCount;
    read.prevColCount = board_.colCount;
    board_ = read;

    history_.startGame();
    moves_.startBoard();
    // The pop-up menu's square was one of the squares just released. The
    // selected square stays as it was.
    popup_ = {};
    screen_.duplicateLegend = false;
    screen_.wrongSumLegend = false;
    screen_.markButton = false;
    screen_.undoButton = false;
    screen_.undoToMarkButton = false;
    screen_.checkButton = !checkingOn();

    releaseSquares(board_.prevRowCount, board_.prevColCount);
    buildSquares();
    deriveRuns(board_);

    screen_.loadGauge.visible = false;
    for (int m = 1; m <= 4; ++m)
        screen_.swatch[m] = false;
    screen_.boardPanel = true;
}

void PlaySession::releaseSquares(int rows, int columns) {
    // Every board build, a task's or a saved game's, starts here: the digits
    // of the board that follows are counted afresh at its first write, and
    // the keys wait for a click on it; "&Pomoc" sorts the new task afresh,
    // and a step shown of the old board goes.
    emptyEntries_.reset();
    help_.forgetTaskClass();
    screen_.step = {};
    clicked_ = {};
    // The hint panels spoke of a square of the board that goes: they stay
    // empty until the next click on the new one.
    screen_.acrossPanel = false;
    screen_.downPanel = false;
    screen_.allowedPanel = false;
    screen_.acrossHints.clear();
    screen_.downHints.clear();
    screen_.allowedDigits.clear();
    allowedDigits_ = 0;
    if (!board_.boardBuilt) {
        board_.boardBuilt = true;
        return;
    }
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            screen_.square(r, c) = SquareLook{};
}

SquareLook PlaySession::newSquare(int row, int column) const {
    const Cell& cell = board_.at(row, column);
    SquareLook look;
    look.exists = true;
    look.visible = true;
    look.caption.assign(1, ' ');
    switch (cell.kind) {
        case kBlank:
            look.visible = false;
            break;
        case kClue:
            look.font = FontRole::kClue;
            look.textColour = kWhite;
            look.wordWrap = true;
            look.background = kBlack;
            look.caption = clueCaption(cell);
            break;
        case kEntry:
            look.centred = true;
            look.tag = squareTag(row, column);
            look.font = FontRole::kEntry;
            look.interactive = true;
            break;
        default:
            break;  // shown without colour or function
    }
    return look;
}

void PlaySession::buildSquares() {
    setGauge(0, board_.rowCount);
    screen_.squaresBuild = SquaresBuild::kTask;
    for (int r = 1; r <= board_.rowCount; ++r) {
        setGauge(r, board_.rowCount);
        for (int c = 1; c <= board_.colCount; ++c) {
            Cell& cell = board_.at(r, c);
            cell.mark = 0;
            SquareLook look = newSquare(r, c);
            if (cell.kind == kEntry) {
                look.background = kYellow;
                cell.digit = 0;
            }
            screen_.square(r, c) = look;
        }
    }
}

void PlaySession::paintSquare(int row, int column, Colour colour) {
    if (!Board::onBoard(row, column)) return;
    SquareLook& look = screen_.square(row, column);
    if (colour >= 0) {
        look.background = colour;
        return;
    }
    const Cell& cell = board_.at(row, column);
    // Only entry squares have a natural colour to go back to: a selection
    // kept from an earlier task may now name a clue or a blank square.
    if (cell.kind != kEntry) return;
    if (solving())
        look.background = kYellow;
    else if (cell.mark >= 1 && cell.mark <= 4)
        look.background = screen_.swatchColour[cell.mark];
    else if (current_.row == row && current_.column == column)
        look.background = kRed;
    else
        look.background = kYellow;
}

void PlaySession::buildLoadedSquares() {
    const int size = board_.rowCount * board_.colCount;
    setGauge(0, size);
    screen_.squaresBuild = SquaresBuild::kSavedGame;
    for (int r = 1; r <= board_.rowCount; ++r) {
        for (int c = 1; c <= board_.colCount; ++c) {
            setGauge(std::min(15 * r + c, size), size);
            Cell& cell = board_.at(r, c);
            // Only an entry square shows a digit. Files of earlier versions
            // may carry a digit that a previous task left in what is now a
            // clue or a blank square: it has no meaning and goes.
            if (cell.kind != kEntry) cell.digit = 0;
            SquareLook look = newSquare(r, c);
            if (cell.digit != 0) look.caption = std::string(1, static_cast<char>('0' + cell.digit));
            screen_.square(r, c) = look;
            moves_.showNotes(r, c);
            paintSquare(r, c, kNaturalColour);
        }
    }
    screen_.loadGauge.visible = false;
    screen_.boardPanel = true;
}

}  // namespace krizovky
