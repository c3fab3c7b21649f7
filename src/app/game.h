#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/data_files.h"
#include "app/host.h"
#include "app/keyboard.h"
#include "app/link_import.h"
#include "app/new_task.h"
#include "app/options.h"
#include "app/play_clock.h"
#include "app/player_files.h"
#include "app/requests.h"
#include "app/results_view.h"
#include "app/rules.h"
#include "app/screen.h"
#include "app/solver_run.h"
#include "app/task_choice.h"
#include "app/task_editor.h"
#include "app/text_editor.h"
#include "history/kept_game.h"
#include "history/move_history.h"
#include "history/redo.h"
#include "history/results_record.h"
#include "history/saved_game_extension.h"
#include "history/undo.h"
#include "model/board.h"
#include "model/combination_table.h"
#include "model/file_storage.h"
#include "model/storage.h"
#include "play/level.h"
#include "solver/exact_solver.h"
#include "solver/visible_search.h"

namespace krizovky {

// The main window's state for the whole run and the logic of its handlers:
// the board and its game, the options, and the parts with a life of their
// own (the task choice, the solver's run, the two editors). The window draws
// screen() and taskListScreen() after each call; every box, question and
// file dialog waits in requests() for the front-end. Handlers that stand
// for a click on a square take its row and column; they do nothing for a square that is not an
// entry square of the board, as a click on nothing does nothing. While the solver runs, every
// handler but "přeruš" does nothing.
class Game : private UndoActions, private SolverSteps {
  public:
    explicit Game(Host& host, Storage& storage = desktopStorage())
        : host_(host), storage_(storage), requests_(host), choice_(requests_, storage) {}

    // Start-up: the data file names, the combination table, the task file.
    void start(const std::string& executablePath);
    // The same with the combination file's bytes given instead of read from
    // the file beside the executable.
    void start(const std::string& executablePath, std::string_view combinationRecords);
    // The end of the program, by "&Konec" or by closing the window: the
    // squares are released once.
    void quit();

    // "&Znovu", and the load that follows a choice in the task list: reads the
    // task called selectedTaskName() and builds a fresh board from it. A load
    // that fails leaves the board and its game as they were.
    void loadTask();
    // "&Znovu": the task loaded afresh, after a question when the game on the
    // board holds Moves that the reload would throw away.
    void reloadTask();

    // The one way to colour a square: a colour, or kNaturalColour.
    void paintSquare(int row, int column, Colour colour);

    // "&Ulož" and "&Načti": the game in progress to a file and back. A file
    // that is not a sound saved game is refused and the game stays as it was.
    void saveGame();
    void loadGame();
    // "&Konec" and closing the window: quitConfirmed() tells, once the
    // questions are answered, whether the program may end. With the
    // player's files, the game in progress is kept for the next start.
    // Without them, or when keeping fails, Moves made since the last save or
    // load are offered for saving first; Cancel, or a save that did not
    // happen, keeps the program running.
    void confirmQuit();
    bool quitConfirmed() const { return quitConfirmed_; }
    // The second half of "&Načti": the bytes of the chosen file, named by
    // fileName (as the file system has it) in a refusal.
    void loadSavedGame(std::string_view bytes, const std::string& fileName);

    // "&Výběr úlohy": shows the task list for the board.
    void showTaskList();
    // "&Soubor úloh": chooses another task file.
    void chooseTaskFile();
    // "&Formulář" under "&Editace": shows the task editor window.
    void showTaskEditor();
    // "&Text" under "&Editace": the current task file as text, when it exists.
    void showTextEditor() {
        if (!solving()) textEditor_.open(choice_.taskFilePlace(), choice_.taskFilePath());
    }

    // "&Nová úloha…": the dialog "nová úloha" with a fresh number. "vytvoř"
    // starts making the task as a job that the front-end runs where it likes
    // (newTask().useRunner: the desktop, on a thread); pollNewTask, called by
    // the dialog while it works, takes the task once it is ready: it is kept
    // in the player's own task file and loaded onto the board as a chosen
    // task is, and the dialog closes. Until then nothing on the board
    // changes; a task that is not made or cannot be kept is reported and the
    // dialog stays. "zruš" stops the making and closes the dialog.
    void openNewTask();
    void createNewTask();   // "vytvoř"
    void pollNewTask();     // the dialog's look at the making under way
    void waitForNewTask();  // the same, waiting for the making to end
    void cancelNewTask();   // "zruš" and the close box
    NewTaskMaker& newTask() { return newTask_; }
    const NewTaskScreen& newTaskScreen() const { return newTask_.screen(); }

    // "Vložit úlohu z &odkazu…": the dialog that reads a link of the public
    // puzzle editor or its file, shows the board and keeps the task in the
    // player's own task file under the name in its field, then loads it onto
    // the board. clipboard is what the clipboard holds: a link there fills
    // the field.
    void openLinkImport(std::string_view clipboard);
    void setLinkText(std::string_view text);    // the field edited (UTF-8)
    void setImportName(std::string_view name);  // the name field (Windows-1250)
    void chooseLinkFile();                      // "ze souboru…": a pzprv3 file
    void importLinkedTask();                    // "vlož"
    void cancelLinkImport();                    // "zruš" and the close box
    const LinkImportScreen& linkImportScreen() const { return linkImport_; }
    // "Kopírovat &odkaz na úlohu": the link of the task on the board goes to
    // the clipboard and is shown; a task the editor cannot hold is refused
    // with the reason.
    void copyTaskLink();

    // The list's switch between the collection and "moje úlohy".
    void showOwnTasks(bool own);

    // The task list window.
    void fillTaskList(bool reportErrors);  // on creation, showing and activation
    void selectListedTask(int index);      // a click on a name
    // Double click, " vybráno", a click on the name label: loads the task onto
    // the board, or into the task editor's grid when the editor opened the list.
    void chooseListedTask();
    // The task list opened, filled and the task called name chosen in it, as
    // the player does it; false when the list has no such name.
    bool chooseTaskByName(const std::string& name);
    void cancelTaskList();  // "zruš"
    void closeTaskList();   // the window's own close button: only hidden

    // Play on the board.
    void selectSquare(int row, int column);      // a left click: select and show the hints
    void openSquareMenu(int row, int column);    // a right click, before the menu opens
    void chooseDigit(int digit);                 // a digit item of the pop-up menu
    void eraseSquare();                          // "vymaž" on the pop-up's square
    void writeSingleDigit(int row, int column);  // writes the single allowed digit
    void checkWholeBoard();                      // " proveď kontroly"

    // "&Pomoc": the logical solver's next step from the board as it stands,
    // and the board compared with the task's one solution. They paint squares
    // until the next click on a square and say the rest in a box; none of
    // them writes a digit or a Move. The next step is no box: it stands in
    // the screen state's step, its panel, for as long as its colours do.
    void showNextStep();  // "&Další krok"
    void verifyBoard();   // "&Je to zatím správně?"
    void showErrors();    // "&Ukaž chyby"
    void explainStep();   // "proč?" of the step's panel: the whole explanation
    void closeStep();     // the panel's "zavři": the step goes with its colours

    // Keyboard play on the square the player selected last on this board.
    // A digit key is a right click on that square and the digit's item of the
    // pop-up menu, and does nothing for a digit the menu would not offer;
    // Delete and Backspace are the right click and "vymaž". An arrow key is a
    // left click on the nearest entry square that way, past clue and blank
    // squares; at the edge of the board nothing happens.
    void keyPress(Key key);
    // A key in the task list window: Escape closes it like its close button.
    void taskListKeyPress(Key key);

    // The history buttons and the Mark swatches; each acts only while shown.
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

    // The player's notes: digits kept small in an empty square, the player's
    // scratch and no Moves. A square that holds a digit keeps its notes
    // hidden and takes no new ones.
    void toggleNote(int row, int column, int digit);  // Ctrl+1..9, and any way of the notes mode
    void chooseNote(int digit);                       // an item of the pop-up's "poznámka"
    void toggleNotesMode();   // N and "poznámky": the digits toggle notes instead of writing
    void fillNotes();         // "&Vyplň poznámky": each empty square the digits IQ 100 allows it
    void toggleEraseNotes();  // "&Mazat poznámky"
    bool notesMode() const { return screen_.notesMode; }

    // "&Volby": the Levels "100", "130" and "160" of "&IQ", and the two options.
    void setLevel(Level level);
    void toggleAutoFill();  // "&Doplňovat"
    void toggleChecking();  // "&Kontrolovat"

    // The solver: "70" under "&IQ" asks "Mám dotaz!" and after " jsem trouba"
    // runs solveVisibly, which restarts the task, writes the forced squares and
    // leaves the search for the rest under way. The window then advances it
    // slice by slice at the pace of "&Rychlost řešení", drawing the board
    // between two slices; the slice that reaches the end ends the solve.
    // "přeruš" between two slices stops it after a Yes; while its question
    // waits, no slice runs.
    void askToSolve();
    void solveVisibly();
    void advanceSolve(SolverRun::Clock::time_point now);
    // While solving: when the next slice is due; the time now or before it
    // means at once.
    SolverRun::Clock::time_point solverDue() const { return solverRun_.due(); }
    void stopSolving();
    // "&Rychlost řešení" under "&Volby": how fast the window shows the search.
    void setSolverSpeed(SolverSpeed speed);
    // The solves stop right after their placements-th placement, as "přeruš"
    // answered Yes does (the tool's limit); 0: no limit.
    void stopSolvingAfter(long placements) { solverRun_.stopAfter(placements); }
    bool solving() const { return solverRun_.running(); }
    // How the latest solve ended and what its search did.
    const SolverRun::Report& lastSolve() const { return solverRun_.last(); }

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

    const MainScreen& screen() const { return screen_; }
    // The boxes, questions and file dialogs waiting for the player, oldest
    // first; the front-end shows each and answers it there.
    Requests& requests() { return requests_; }
    const Requests& requests() const { return requests_; }
    TaskEditor& editor() { return editor_; }
    const TaskEditor& editor() const { return editor_; }
    TaskTextEditor& textEditor() { return textEditor_; }
    const TaskTextEditor& textEditor() const { return textEditor_; }
    const TaskListScreen& taskListScreen() const { return choice_.screen(); }
    // The task list's names as the task file holds them (Windows-1250), in
    // the order of its items.
    const std::vector<std::string>& taskListNames() const { return choice_.names(); }
    const Board& board() const { return board_; }
    const CombinationTable& combinations() const { return table_; }
    const DataFileNames& fileNames() const { return names_; }
    // The rules for the rules window, from the rules file beside the program.
    RulesText rules() const { return readRules(storage_, names_.programBase + "PRA"); }
    const MoveHistory& history() const { return history_; }
    const std::string& taskFilePath() const { return choice_.taskFilePath(); }
    Place taskFilePlace() const { return choice_.taskFilePlace(); }
    // Where the game reads and writes its files.
    Storage& storage() const { return storage_; }
    const std::string& selectedTaskName() const { return choice_.selectedName(); }
    bool taskListForEditor() const { return choice_.forEditor(); }
    // The player's options; the window ticks "&Volby" from them.
    const Options& options() const { return options_; }
    // What holds now: while the solver runs, every digit is checked and no
    // run is completed, whatever the options say.
    bool checkingOn() const { return options_.checking || solving(); }
    bool autoFillOn() const { return options_.autoFill && !solving(); }
    BoardSquare currentSquare() const { return current_; }
    BoardSquare popupSquare() const { return popup_; }
    DigitSet allowedDigits() const { return allowedDigits_; }
    bool terminateRequested() const { return terminate_; }

    // The player's own files: the record of results, written at each
    // congratulation, and the game kept on closing. Without them the game
    // records and keeps nothing.
    void usePlayerFiles(PlayerFiles files) { playerFiles_ = std::move(files); }
    // At start: the game kept at the last closing taken up as it was, its
    // task chosen and named above the board. A kept game that no longer loads
    // is set aside with a message. False when no game was taken up.
    bool resumeKeptGame();
    // "&Moje výsledky": the player's record in numbers.
    ResultsScreen resultsScreen();
    // The time of play of the game on the board. The window tells it when it
    // is minimized, inactive or shows a modal box, and gives it a clock.
    PlayClock& playClock() { return clock_; }
    // The clock's caption brought up to the time; true when it changed.
    bool updatePlayClock();
    // What has helped the player in the game on the board so far.
    const GameAids& aids() const { return aids_; }

    // Set directly by the headless tool and by tests that skip the dialogs.
    void setTaskFilePath(std::string path) { choice_.setTaskFilePath(std::move(path)); }
    void setSelectedTaskName(std::string name) { choice_.setSelectedName(std::move(name)); }
    void setOwnTaskFilePath(std::string path) { choice_.setOwnTaskFilePath(std::move(path)); }
    const std::string& ownTaskFilePath() const { return choice_.ownTaskFilePath(); }

  private:
    // "&Ulož", then then(true) when the game was written.
    void saveGameThen(std::function<void(bool written)> then);
    // "&Načti" once the file is chosen.
    void loadChosenGame(const std::string& path);
    // The task chosen in the list onto the board or into the editor's grid.
    void takeListedTask();
    // "vlož" once the game on the board is kept: the question before a task
    // of the name is replaced, then the task kept and loaded.
    void keepLinkedTask(const std::string& name);
    void writeLinkedTask(const std::string& name);
    // The digit keys of keyPress: a note, or the digit through the pop-up menu.
    void pressDigitKey(BoardSquare square, Key key);
    // The arrow keys of keyPress: the nearest entry square that way is
    // selected; at the edge of the board nothing happens.
    void moveSelection(BoardSquare from, int rowStep, int columnStep);
    // Takes the squares of a board of that size off the screen; the first
    // build of a run has none to take.
    void releaseSquares(int rows, int columns);
    // The first steps of start-up: the data file names.
    void formNames(const std::string& executablePath);
    void buildSquares();
    // The squares of a loaded game's board, with its digits and Marks.
    void buildLoadedSquares();
    // A square of the board as a build creates it, by the cell's kind; an
    // entry square gets its colour and caption from the caller.
    SquareLook newSquare(int row, int column) const;
    void setGauge(int position, int maximum);
    void endOfGame();
    // The structures of the structure file, read at the first need; none
    // when it cannot be read.
    const std::vector<NamedStructure>& structures();
    // Writes a task into the player's own task file by `write`, which is
    // given the file's path and may decline (false). A missing folder and a
    // failed write are said; true when the task is kept.
    bool keepOwnTask(const std::function<bool(const std::string& path)>& write);
    // A task just kept in the player's own task file, loaded onto the board
    // as a chosen task loads.
    void loadOwnTask(const std::string& name);
    // The end of a making: the task kept and loaded, or what went wrong said.
    void takeMadeTask(const MadeTask& task);

    // UndoActions
    void restoreMove(const Move& move) override;
    void dropMark(int mark) override;
    void historyEmptied() override;
    // A swatch the player can click: shown, and no solve under way.
    bool swatchShown(int mark) const;
    // "zpět o 1 tah" without its guard, also the solver's.
    void undoStep();
    // What the player's undo took back becomes a redo.
    void keepForRedo();
    // Whether the check as it is set now lets every digit of the step in;
    // the message of the first refusal is shown.
    bool redoAccepted(const RedoStep& step);
    // The look of squares whose notes or digit changed.
    void showNotes(int row, int column);
    void showNotes(const std::vector<NoteRemoval>& removals);
    void showAllNotes();
    // The ticks of "poznámka" for the pop-up's square.
    void showNoteItems();

    // The solver's steps and its end.
    std::string_view selectForSolver(int row, int column) override;
    bool enterForSolver(int row, int column, int digit, bool byPlayer) override;
    void undoForSolver() override;
    void reportUnsolvable() override;
    // The end of a solve: the commands and the history buttons as the
    // player's options have them.
    void endSolve(SolveEnd end);
    void selectWithHints(int row, int column);  // selectSquare without its guard
    // The board's task sorted by the exact solver, worked out at the first
    // "&Pomoc" item after each board build.
    const TaskClass& taskClass();
    // At each board build: a task without one solution says so beside its
    // name, when a short search can tell.
    void showTaskProblem();
    // The filled squares whose digit differs from the task's one solution.
    std::vector<BoardSquare> wrongSquares();
    // Paints squares in a colour of "&Pomoc", taken off by the next click.
    void paintHelp(const std::vector<BoardSquare>& squares, Colour colour);

    // A game begins on the board (a task, a saved game, a kept one): the
    // clock from seconds, nothing has helped yet.
    void beginPlay(long seconds);
    // The congratulation: the result goes into the record.
    void recordResult();
    // The record as its file holds it; a damaged or unreadable one is set
    // aside with a message, and the record starts anew.
    ResultsRecord readRecord();
    // The ticks of the task list from the record.
    void markSolvedTasks();
    // "&Konec" and closing the window: the game in progress to the kept game's
    // file, or the file removed when there is nothing to keep. False when it
    // could not be written (the player has been told).
    bool keepGame();
    // What a saved game keeps beyond the board: the notes and the time of play.
    SavedGameExtras extrasToSave() const;
    // Whether the game on the board is one to keep: it has Moves or notes,
    // is not finished and no solve runs.
    bool gameInProgress() const;
    // The game on the board as a kept game holds it.
    KeptGame gameToKeep() const;
    // A kept game onto the board as it stood: the board, the history, the
    // Marks, the notes, the time of play, the options and what has helped.
    // fileName names the file it came from in a refusal.
    void takeUpGame(const KeptGame& kept, const std::string& fileName);

    // The games in progress kept per task (games_in_progress.cpp). Before
    // another task or game replaces the board: the game on it kept among
    // them, or its task's entry dropped when there is nothing to keep; then
    // runs then. When it cannot be kept, the player is asked whether to lose
    // it, and then runs after a Yes only.
    void leaveTask(const std::function<void()>& then);
    // The keeping of leaveTask; false when the game could not be kept.
    bool keepGameInProgress();
    // After a fresh load of a chosen task: the game kept for it, if any,
    // taken up instead and its entry dropped.
    void takeUpTaskGame();
    // "&Znovu" and the congratulation: the task's kept game goes.
    void dropGameInProgress(const RecordedTask& task);
    // The games as their file holds them, in games; false when the file is
    // unreadable and could not be set aside (the player has been told).
    bool readGamesInProgress(std::vector<KeptGame>& games);
    // The marks of the task list for tasks in progress.
    void markTasksInProgress();

    Host& host_;
    Storage& storage_;
    Requests requests_;
    Board board_;
    CombinationTable table_;
    DataFileNames names_;
    MoveHistory history_;
    MainScreen screen_;
    Options options_;
    TaskChoice choice_;
    SolverRun solverRun_;
    BoardSquare current_;  // the selected square, painted red
    BoardSquare popup_;    // the square the pop-up menu last opened on
    // The square the player's latest click selected on the board now shown.
    // A board build keeps current_ but paints it no more, and the solver
    // selects squares of its own: the keys wait for the next click then.
    BoardSquare clicked_;
    DigitSet allowedDigits_ = 0;
    std::string solverCandidates_;  // the allowed digits for the solver, "137"
    bool terminate_ = false;
    bool quitConfirmed_ = false;  // see confirmQuit()
    // The history changed since the game was last loaded or saved.
    bool unsavedMoves_ = false;
    // Empty entry squares of the board, counted at the first write after each
    // board build; says when a write has filled the board.
    std::optional<int> emptyEntries_;
    std::optional<TaskClass> taskClass_;  // see taskClass()
    RedoList redo_;
    std::vector<RedoMove> takenBack_;  // what the undo under way took back, newest first
    bool redoing_ = false;             // the writes of a redo keep the rest of the list
    // Some square may carry notes: set by every way notes come, cleared by a
    // task load. Without notes a digit has none to take (the solver's pace).
    bool notesOnBoard_ = false;

    std::optional<std::vector<NamedStructure>> structures_;  // see structures()
    LinkImportScreen linkImport_;

    // The task whose game is on the board: its file, name (Windows-1250) and
    // taskHash; all empty when a saved game of some other task was loaded.
    RecordedTask boardTask_;
    PlayClock clock_;
    GameAids aids_;
    bool finished_ = false;  // congratulated: the clock stands, the result is recorded
    PlayerFiles playerFiles_;
    bool recordUnusable_ = false;  // a damaged record that could not be set aside
    std::string solvedStamp_;      // what the task list's ticks were worked out from
    // The list's tasks with a game kept in the file, and what they were
    // worked out from.
    std::map<std::string, std::string> keptTasks_;
    std::string keptTasksStamp_;

    TaskEditor editor_{requests_, names_, choice_, storage_};
    // A save in the text editor shows its names in the task list at once.
    TaskTextEditor textEditor_{requests_, storage_, [this] { choice_.fill(false); }};
    // Last: destroyed first, it stops a making that still uses the table.
    NewTaskMaker newTask_{table_};
};

}  // namespace krizovky
