#pragma once

#include <vector>

#include "app/game_state.h"
#include "history/notes.h"
#include "history/redo.h"
#include "history/undo.h"

namespace krizovky {

class GamePersistence;
class PlaySession;
class SolverSession;

// The Moves taken back and put back, the Marks and their swatches, and the
// player's notes: digits kept small in an empty square, the player's scratch
// and no Moves. A square that holds a digit keeps its notes hidden and takes
// no new ones. Each button acts only while shown and no solve runs.
class MovesAndNotes : private UndoActions {
  public:
    MovesAndNotes(GameState& state, PlaySession& play, SolverSession& solver,
                  GamePersistence& persistence)
        : board_(state.board),
          history_(state.history),
          screen_(state.screen),
          requests_(state.requests),
          table_(state.table),
          play_(play),
          solver_(solver),
          persistence_(persistence) {}

    void setMark();                // "nastav značku"
    void undoMove();               // "zpět o 1 tah"
    void undoToMark();             // "zpět ke značce"
    void highlightMark(int mark);  // a click on swatch 1..4
    void removeMark(int mark);     // a double click on swatch 1..4
    // "znovu o 1 tah" and "Vpřed o tah": puts back what the latest undo took
    // back, one player's entry with its completion at a time, through
    // enterDigit with the check as it is set now. A refused redo changes
    // nothing. Any other recorded write, a load and "70" forget what could
    // be redone.
    void redoMove();
    int redoCount() const { return redo_.size(); }

    void toggleNote(int row, int column, int digit);  // Ctrl+1..9, and any way of the notes mode
    void chooseNote(int digit);                       // an item of the pop-up's "poznámka"
    void toggleNotesMode();  // N and "poznámky": the digits toggle notes instead of writing
    void fillNotes();        // "&Vyplň poznámky": each empty square the digits IQ 100 allows it
    bool notesMode() const { return screen_.notesMode; }

    // Whether the history or the notes changed since the game was last
    // loaded or saved.
    bool unsavedMoves() const { return unsavedMoves_; }

    // For the other parts of the game.
    // A write was recorded as a Move: nothing is left to redo, but what a
    // redo writes.
    void moveRecorded();
    // The game was written to a file.
    void gameSaved() { unsavedMoves_ = false; }
    // A fresh board: nothing to redo, nothing unsaved, its notes as it has them.
    void startBoard();
    // "70" begins: nothing is left to redo.
    void forgetRedo();
    // The notes of the whole board shown again after they were put back.
    void notesPutBack();
    // Some square may carry notes: without notes a digit has none to take.
    bool notesOnBoard() const { return notesOnBoard_; }
    // "zpět o 1 tah" without its guard, also the solver's.
    void undoStep();
    // The look of squares whose notes or digit changed.
    void showNotes(int row, int column);
    void showNotes(const std::vector<NoteRemoval>& removals);
    // The ticks of "poznámka" for the pop-up's square.
    void showNoteItems();

  private:
    // UndoActions
    void restoreMove(const Move& move) override;
    void dropMark(int mark) override;
    void historyEmptied() override;
    // A swatch the player can click: shown, and no solve under way.
    bool swatchShown(int mark) const;
    // What the player's undo took back becomes a redo.
    void keepForRedo();
    // Whether the check as it is set now lets every digit of the step in;
    // the message of the first refusal is shown.
    bool redoAccepted(const RedoStep& step);
    void showAllNotes();
    bool solving() const;

    Board& board_;
    MoveHistory& history_;
    MainScreen& screen_;
    Requests& requests_;
    const CombinationTable& table_;
    PlaySession& play_;
    SolverSession& solver_;
    GamePersistence& persistence_;

    RedoList redo_;
    std::vector<RedoMove> takenBack_;  // what the undo under way took back, newest first
    bool redoing_ = false;             // the writes of a redo keep the rest of the list
    bool unsavedMoves_ = false;
    // Some square may carry notes: set by every way notes come, cleared by a
    // task load. Without notes a digit has none to take (the solver's pace).
    bool notesOnBoard_ = false;
};

}  // namespace krizovky
