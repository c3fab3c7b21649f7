// The handlers of play on the board: selecting a square and its hints, the
// pop-up menu, the entry of digits with its checks and the completion of runs,
// the full check and the end of the game, and the options of "&Volby".
#include <algorithm>

#include "app/play_session.h"

#include "app/game_help.h"
#include "app/game_persistence.h"
#include "app/moves_and_notes.h"
#include "app/solver_session.h"
#include "model/text.h"
#include "play/completion.h"
#include "play/entry_check.h"
#include "play/full_check.h"
#include "play/hints.h"

namespace krizovky {

namespace {

int emptyEntryCount(const Board& board) {
    int empty = 0;
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c)
            empty += board.at(r, c).kind == kEntry && board.at(r, c).digit == 0;
    return empty;
}

// The hint lists are built in the task file's code page; the screen shows UTF-8.
std::vector<std::string> utf8Lines(const std::vector<std::string>& lines) {
    std::vector<std::string> utf8;
    utf8.reserve(lines.size());
    for (const std::string& line : lines)
        utf8.push_back(utf8FromCp1250(line));
    return utf8;
}

}  // namespace

void PlaySession::selectSquare(int row, int column) {
    if (solving() || !board_.isEntry(row, column)) return;
    selectWithHints(row, column);
    clicked_ = current_;
}

void PlaySession::selectWithHints(int row, int column) {
    if (!board_.isEntry(row, column)) return;
    if (history_.colouringShown) clearColouring();

    const BoardSquare old = current_;
    current_ = {row, column};
    if (!solving()) {
        screen_.selectedRow = row;
        screen_.selectedColumn = column;
    }
    if (!old.none()) paintSquare(old.row, old.column, kNaturalColour);
    paintSquare(row, column, kNaturalColour);

    // The solver's clicks show nothing in the panels and no red square.
    const Level level = options_.level;
    if (!solving()) persistence_.noteLevel(iqOf(level));
    if (level == Level::k160 || solving()) {
        screen_.downPanel = false;
        screen_.acrossPanel = false;
        screen_.allowedPanel = false;
        if (!solving()) return;
    } else {
        // Red even on a marked square, whose natural colour is its Mark's.
        paintSquare(row, column, kRed);
    }

    const Hints hints = solving() ? solverHints(board_, table_, row, column)
                                  : computeHints(board_, table_, level, row, column);
    Cell& cell = board_.at(row, column);
    cell.acrossUsed = hints.acrossUsed;
    cell.downUsed = hints.downUsed;
    screen_.allowedDigits.clear();
    allowedDigits_ = hints.allowed;
    if (solving()) {
        solverCandidates_ = hints.allowedText;
        return;
    }
    screen_.acrossHints = utf8Lines(hints.across);
    screen_.downHints = utf8Lines(hints.down);
    screen_.acrossPanel = true;
    screen_.downPanel = true;
    if (level == Level::k130) {
        screen_.allowedPanel = false;
    } else {
        screen_.allowedDigits = {utf8FromCp1250(hints.allowedText)};
        screen_.allowedPanel = true;
    }
}

const std::string& PlaySession::selectForSolver(int row, int column) {
    selectWithHints(row, column);
    return solverCandidates_;
}

void PlaySession::openSquareMenu(int row, int column) {
    if (solving() || !board_.isEntry(row, column)) return;
    popup_ = {row, column};
    selectSquare(row, column);
    moves_.showNoteItems();
    screen_.digitItemEnabled = digitsOffered();
}

std::array<bool, 10> PlaySession::digitsOffered() const {
    std::array<bool, 10> offered{};
    // In the notes mode a digit toggles a note, any digit of an empty square.
    if (notesMode()) {
        const bool empty = !current_.none() && board_.isEntry(current_.row, current_.column) &&
                           board_.at(current_.row, current_.column).digit == 0;
        for (int d = 1; d <= 9; ++d)
            offered[d] = empty;
        return offered;
    }
    for (int d = 1; d <= 9; ++d)
        offered[d] = options_.level != Level::k100;
    if (options_.level == Level::k100 && !screen_.allowedDigits.empty()) {
        for (char ch : screen_.allowedDigits.front())
            if (ch >= '1' && ch <= '9') offered[ch - '0'] = true;
    }
    return offered;
}

void PlaySession::chooseDigit(int digit) {
    if (solving() || digit < 1 || digit > 9 || !screen_.digitItemEnabled[digit]) return;
    // The pop-up has made the square under the pointer the current one; a
    // change of Level to "160" since then leaves no square to write into.
    if (current_.none()) return;
    const BoardSquare square = current_;
    if (notesMode()) {
        moves_.toggleNote(square.row, square.column, digit);
        return;
    }
    enterDigit(square.row, square.column, digit, true, true);
    history_.noteLastPlayerMove(square.row, square.column);
    autoFill();
}

void PlaySession::eraseSquare() {
    if (solving() || popup_.none()) return;
    const BoardSquare square = popup_;
    selectSquare(square.row, square.column);
    enterDigit(square.row, square.column, 0, true, true);
}

void PlaySession::writeSingleDigit(int row, int column) {
    if (solving() || !board_.isEntry(row, column)) return;
    if (history_.colouringShown) clearColouring();
    if (options_.level != Level::k100 || current_.none()) return;
    int single = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!(allowedDigits_ & digitBit(d))) continue;
        if (single != 0) return;
        single = d;
    }
    if (single == 0) return;
    const BoardSquare square = current_;
    if (enterDigit(square.row, square.column, single, true, true)) {
        history_.noteLastPlayerMove(square.row, square.column);
        autoFill();
    }
}

bool PlaySession::enterDigit(int row, int column, int digit, bool record, bool byPlayer) {
    if (digit >= 10 || digit < 0 || !board_.isEntry(row, column)) return false;
    if (digit != 0 && checkingOn()) {
        const EntryVerdict verdict = checkEntry(board_, row, column, digit);
        if (verdict != EntryVerdict::kAccepted) {
            if (!solving()) requests_.message(entryMessage(verdict, digit));
            return false;
        }
    }
    Cell& cell = board_.at(row, column);
    if (record) {
        history_.recordMove(row, column, byPlayer, cell.digit);
        moves_.moveRecorded();
    }
    screen_.square(row, column).caption = digit == 0 ? " " : std::string(1, char('0' + digit));
    if (!emptyEntries_) emptyEntries_ = emptyEntryCount(board_);
    *emptyEntries_ += (cell.digit != 0) - (digit != 0);
    cell.digit = static_cast<std::uint8_t>(digit);
    // Without notes on the board a digit has none to hide or take.
    if (moves_.notesOnBoard()) {
        moves_.showNotes(row, column);
        if (record && digit != 0 && options_.eraseNotes) {
            std::vector<NoteRemoval> removals = takeNoteFromRuns(board_, row, column, digit);
            moves_.showNotes(removals);
            history_.keepRemovedNotes(std::move(removals));
        }
    }
    screen_.undoButton = true;
    screen_.markButton = true;
    if (*emptyEntries_ == 0) endOfGame();
    return true;
}

void PlaySession::autoFill() {
    if (!autoFillOn()) return;
    krizovky::autoFill(board_, [this](int row, int column, int digit) {
        return enterDigit(row, column, digit, true, false);
    });
}

void PlaySession::checkBoard(bool fromButton) {
    // Colours still on show from an earlier check or a Mark highlight go
    // first, so the board shows this check's verdict alone.
    if (history_.colouringShown) clearColouring();
    history_.colouringShown = false;
    history_.checkColouringShown = false;
    for (const FailingRun& run : krizovky::checkBoard(board_)) {
        const bool repeated = run.verdict == RunVerdict::kRepeated;
        for (const auto& [r, c] : run.squares)
            if (board_.at(r, c).kind == kEntry) paintSquare(r, c, repeated ? kOlive : kGray);
        if (repeated)
            screen_.duplicateLegend = true;
        else
            screen_.wrongSumLegend = true;
        history_.colouringShown = true;
        history_.checkColouringShown = true;
    }
    if (fromButton && !history_.colouringShown) requests_.message("Vše je zatím v pořádku!");
}

void PlaySession::checkWholeBoard() {
    if (screen_.checkButton && !solving()) checkBoard(true);
}

void PlaySession::endOfGame() {
    checkBoard(false);
    if (history_.colouringShown) {
        requests_.message("Celou křížovku jste sice zaplnil, ale máte tam nějaké chybky!");
        return;
    }
    const bool firstTime = persistence_.finishPlay();
    if (!solving()) requests_.message("Celou křížovku jste úspěšně vyřešil, gratuluji!");
    if (firstTime) persistence_.recordResult();
}

void PlaySession::clearColouring() {
    if (history_.checkColouringShown) {
        for (int r = 1; r <= board_.rowCount; ++r)
            for (int c = 1; c <= board_.colCount; ++c)
                if (board_.at(r, c).kind == kEntry) paintSquare(r, c, kNaturalColour);
        screen_.duplicateLegend = false;
        screen_.wrongSumLegend = false;
    } else {
        for (int i = history_.highlightFirst; i <= history_.highlightLast; ++i) {
            const Move& move = history_.move(i);
            paintSquare(move.row, move.col, kNaturalColour);
        }
    }
    history_.colouringShown = false;
    history_.checkColouringShown = false;
    // The step of "&Pomoc" explains the colours just taken off.
    screen_.step = {};
}

void PlaySession::setLevel(Level level) {
    if (solving()) return;
    options_.level = level;
    if (level == Level::k100) return;
    screen_.allowedPanel = false;
    if (level == Level::k130) return;
    screen_.downPanel = false;
    screen_.acrossPanel = false;
    if (!current_.none()) {
        const BoardSquare old = current_;
        current_ = {};
        screen_.selectedRow = 0;
        screen_.selectedColumn = 0;
        paintSquare(old.row, old.column, kNaturalColour);
    }
}

void PlaySession::toggleAutoFill() {
    if (solving()) return;
    options_.autoFill = !options_.autoFill;
}

void PlaySession::toggleChecking() {
    if (solving()) return;
    options_.checking = !options_.checking;
    if (screen_.boardPanel) screen_.checkButton = !options_.checking;
}

void PlaySession::toggleEraseNotes() {
    if (solving()) return;
    options_.eraseNotes = !options_.eraseNotes;
}

bool PlaySession::checkingOn() const {
    return options_.checking || solving();
}

bool PlaySession::autoFillOn() const {
    return options_.autoFill && !solving();
}

bool PlaySession::solving() const {
    return solver_.solving();
}

}  // namespace krizovky
