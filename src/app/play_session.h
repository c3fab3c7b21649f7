#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/game_state.h"
#include "app/keyboard.h"
#include "model/digit_set.h"

namespace krizovky {

class GameHelp;
class GamePersistence;
class MovesAndNotes;
class SolverSession;

// Play on the board: selecting squares and their hints, the pop-up menu, the
// entry of digits with their checks and the completion of runs, the full
// check and the end of the game, the keys, the options of "&Volby", and the
// board's squares as a load builds them. Handlers that stand for a click on a
// square take its row and column; they do nothing for a square that is not
// an entry square of the board, as a click on nothing does nothing. While
// the solver runs, they do nothing.
class PlaySession {
  public:
    PlaySession(GameState& state, MovesAndNotes& moves, SolverSession& solver, GameHelp& help,
                GamePersistence& persistence)
        : host_(state.host),
          board_(state.board),
          history_(state.history),
          screen_(state.screen),
          options_(state.options),
          requests_(state.requests),
          table_(state.table),
          moves_(moves),
          solver_(solver),
          help_(help),
          persistence_(persistence) {}

    void selectSquare(int row, int column);    // a left click: select and show the hints
    void openSquareMenu(int row, int column);  // a right click, before the menu opens
    // The digits 1..9 (index 0 unused) the pop-up menu offers for the
    // selected square: those the level's hints allow, any in the notes mode
    // on an empty square. The digit pad greys the others.
    std::array<bool, 10> digitsOffered() const;
    void chooseDigit(int digit);                 // a digit item of the pop-up menu
    void eraseSquare();                          // "vymaž" on the pop-up's square
    void writeSingleDigit(int row, int column);  // writes the single allowed digit
    void checkWholeBoard();                      // " proveď kontroly"

    // Keyboard play on the square the player selected last on this board.
    // A digit key is a right click on that square and the digit's item of the
    // pop-up menu, and does nothing for a digit the menu would not offer;
    // Delete and Backspace are the right click and "vymaž". An arrow key is a
    // left click on the nearest entry square that way, past clue and blank
    // squares; at the edge of the board nothing happens.
    void keyPress(Key key);

    // "&Volby": the Levels "100", "130" and "160" of "&IQ", and the options.
    void setLevel(Level level);
    void toggleAutoFill();    // "&Doplňovat"
    void toggleChecking();    // "&Kontrolovat"
    void toggleEraseNotes();  // "&Mazat poznámky"

    // The one way a digit reaches the board (0 erases). Checks it when
    // "&Kontrolovat" is on, records it when asked, shows it, and ends the game
    // when the board has just become full. False when nothing changed.
    bool enterDigit(int row, int column, int digit, bool record, bool byPlayer);
    // Fills every run that has one empty square left, cascading.
    void autoFill();
    // The full check; fromButton says the player asked for it.
    void checkBoard(bool fromButton);
    // Takes temporary colours (a check's, a Mark highlight's) off the board.
    void clearColouring();
    // The one way to colour a square: a colour, or kNaturalColour.
    void paintSquare(int row, int column, Colour colour);

    // What holds now: while the solver runs, every digit is checked and no
    // run is completed, whatever the options say.
    bool checkingOn() const;
    bool autoFillOn() const;
    BoardSquare currentSquare() const { return current_; }
    BoardSquare popupSquare() const { return popup_; }
    DigitSet allowedDigits() const { return allowedDigits_; }

    // For the other parts of the game.
    // A task read from its file onto the board, its squares built afresh.
    void showTask(Board task);
    // The squares of a loaded game's board, with its digits, notes and Marks.
    void buildLoadedSquares();
    // The load gauge at position of maximum, shown at once.
    void setGauge(int position, int maximum);
    // Takes the squares of a board of that size off the screen; the first
    // build of a run has none to take.
    void releaseSquares(int rows, int columns);
    // The solver's click: the square selected with the digits it allows
    // ("137").
    const std::string& selectForSolver(int row, int column);
    // The pop-up menu's square is forgotten (its board went).
    void forgetPopupSquare() { popup_ = {}; }

  private:
    void selectWithHints(int row, int column);  // selectSquare without its guard
    void pressDigitKey(BoardSquare square, Key key);
    void moveSelection(BoardSquare from, int rowStep, int columnStep);
    // A square of the board as a build creates it, by the cell's kind; an
    // entry square gets its colour and caption from the caller.
    SquareLook newSquare(int row, int column) const;
    void buildSquares();
    void endOfGame();
    bool solving() const;
    bool notesMode() const { return screen_.notesMode; }

    Host& host_;
    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Options& options_;
    Requests& requests_;
    const CombinationTable& table_;
    MovesAndNotes& moves_;
    SolverSession& solver_;
    GameHelp& help_;
    GamePersistence& persistence_;

    BoardSquare current_;  // the selected square, painted red
    BoardSquare popup_;    // the square the pop-up menu last opened on
    // The square the player's latest click selected on the board now shown.
    // A board build keeps current_ but paints it no more, and the solver
    // selects squares of its own: the keys wait for the next click then.
    BoardSquare clicked_;
    DigitSet allowedDigits_ = 0;
    std::string solverCandidates_;  // the allowed digits for the solver, "137"
    // Empty entry squares of the board, counted at the first write after each
    // board build; says when a write has filled the board.
    std::optional<int> emptyEntries_;
};

}  // namespace krizovky
