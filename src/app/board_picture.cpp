#include "app/board_picture.h"

#include <algorithm>

#include "history/notes.h"
#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/task_check.h"

namespace krizovky {

BoardPicture pictureOfTask(const Board& board) {
    BoardPicture picture;
    for (int r = 1; r <= board.rowCount && r <= kBoardSize; ++r) {
        for (int c = 1; c <= board.colCount && c <= kBoardSize; ++c) {
            const Cell& cell = board.at(r, c);
            PictureSquare& square = picture.at(r, c);
            if (cell.kind == kClue) {
                square.kind = PictureKind::kClue;
                square.acrossSum = cell.acrossSum;
                square.downSum = cell.downSum;
            } else if (cell.kind == kEntry) {
                square.kind = PictureKind::kEntry;
            } else {
                continue;
            }
            picture.rows = std::max(picture.rows, r);
            picture.columns = std::max(picture.columns, c);
        }
    }
    return picture;
}

StateOfColour stateOfColour(Colour colour, const std::array<Colour, 5>& swatchColours) {
    for (int m = 1; m <= 4; ++m)
        if (colour == swatchColours[static_cast<std::size_t>(m)]) return {SquareState::kMark, m};
    switch (colour) {
        case kRed:
            return {SquareState::kSelected, 0};
        case kOlive:
            return {SquareState::kDuplicate, 0};
        case kGray:
            return {SquareState::kWrongSum, 0};
        case kSkyBlue:
            return {SquareState::kHintUsed, 0};
        case kBlue:
            return {SquareState::kHintDecided, 0};
        case kPink:
            return {SquareState::kWrongDigit, 0};
        default:
            return {};
    }
}

std::vector<std::pair<int, int>> runSquaresThrough(const Board& board, int row, int column) {
    std::vector<std::pair<int, int>> squares;
    if (!board.isEntry(row, column)) return squares;
    squares.emplace_back(row, column);
    for (const auto& [dr, dc] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
        for (int r = row + dr, c = column + dc; board.isEntry(r, c); r += dr, c += dc)
            squares.emplace_back(r, c);
    return squares;
}

BoardPicture pictureOfGame(const Board& board, const MainScreen* screen) {
    BoardPicture picture = pictureOfTask(board);
    for (int r = 1; r <= picture.rows; ++r) {
        for (int c = 1; c <= picture.columns; ++c) {
            PictureSquare& square = picture.at(r, c);
            if (square.kind == PictureKind::kEntry) {
                const int digit = board.at(r, c).digit;
                square.digit = digit >= 1 && digit <= 9 ? digit : 0;
                square.notes = board.at(r, c).notes & kNoteDigits;
            }
        }
    }
    if (!screen) return picture;
    picture.squaresBuild = screen->squaresBuild;
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            PictureSquare& square = picture.at(r, c);
            const SquareLook& look = screen->square(r, c);
            square.exists = look.exists;
            square.visible = look.visible;
            square.caption = look.caption;
            square.font = look.font;
            square.centred = look.centred;
            square.wordWrap = look.wordWrap;
            square.interactive = look.interactive;
            square.tag = look.tag;
            if (!look.exists || !look.visible) continue;
            square.background = look.background;
            square.textColour = look.textColour;
            if (square.kind != PictureKind::kEntry) continue;
            square.notes = look.notes;
            if (look.background) {
                const StateOfColour state = stateOfColour(*look.background, screen->swatchColour);
                square.state = state.state;
                square.mark = state.mark;
            }
        }
    }
    // The solver's search moves no selection of the player's.
    if (!screen->solverClock && screen->selectedRow <= picture.rows &&
        screen->selectedColumn <= picture.columns) {
        for (const auto& [r, c] :
             runSquaresThrough(board, screen->selectedRow, screen->selectedColumn))
            picture.at(r, c).inSelectedRun = true;
        if (board.isEntry(screen->selectedRow, screen->selectedColumn))
            picture.at(screen->selectedRow, screen->selectedColumn).selected = true;
    }
    return picture;
}

void markWrongDigits(BoardPicture& picture, const BoardPicture& solution) {
    for (int r = 1; r <= picture.rows; ++r) {
        for (int c = 1; c <= picture.columns; ++c) {
            PictureSquare& square = picture.at(r, c);
            square.wrong = square.kind == PictureKind::kEntry && square.digit != 0 &&
                           r <= solution.rows && c <= solution.columns &&
                           square.digit != solution.at(r, c).digit;
        }
    }
}

PrintedTask printedTask(const Board& board, std::string_view name, const CombinationTable& table) {
    PrintedTask printed;
    printed.name = std::string(name);
    // The digits of a game are no part of its task.
    Board task = board;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            task.at(r, c).digit = 0;
    const TaskCheck check = checkTask(task, table);
    printed.grade = check.verdict == TaskVerdict::kUnique ? difficultyName(check.difficulty)
                                                          : verdictText(check);
    printed.task = pictureOfTask(board);
    printed.task.caption = utf8FromCp1250(name) + " – " + printed.grade;
    if (check.verdict == TaskVerdict::kUnique) {
        printed.solution = pictureOfGame(check.solution);
        printed.solution->caption = printed.task.caption + " (řešení)";
    }
    return printed;
}

std::vector<TaskOfFile> tasksOfFile(const std::vector<std::string>& lines) {
    std::vector<TaskOfFile> tasks;
    auto isName = [](const std::string& line) { return !isBlankLine(line) && isNameLine(line); };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isName(lines[i])) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !isName(lines[end]))
            ++end;
        TaskOfFile task;
        task.name = nameOfLine(lines[i]);
        try {
            readTaskLines({lines.begin() + i, lines.begin() + end}, task.name, task.board);
        } catch (const RunError& e) {
            task.error = e.what();
        }
        tasks.push_back(std::move(task));
        i = end - 1;
    }
    return tasks;
}

}  // namespace krizovky
