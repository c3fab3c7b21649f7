#pragma once

#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <functional>
#include <string>

#include "app/game.h"
#include "ui/window_look.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace krizovky::ui {

class BoardView;
class DigitalClock;
class PieGauge;
class QtHost;
class SquareWidget;
class StateLabel;

// The main window: the board panel with its squares, the name of the task,
// the clock, the Mark swatches and the legends of the check; the hint panels,
// the history and check buttons and the load gauge beside it; the menu of the
// game and the pop-up menu of the entry squares. It draws Game::screen(); its
// handlers only call the game and let the application redraw.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Creating the window starts the game up. changed is called
    // after every handler, to redraw all windows.
    MainWindow(Game& game, std::function<void()> changed, const std::string& executablePath);
    // The modern look keeps the window's size and place for the next start.
    ~MainWindow() override;

    static QString caption();

    // Draws everything from the game's screen state.
    void showScreen();
    // One square or the gauge from the screen state, painted before returning.
    void repaintSquare(int row, int column);
    void repaintGauge();

    SquareWidget* square(int row, int column) const { return squares_[row][column]; }
    // The pop-up menu of the entry squares ("vymaž", "1".."9").
    QMenu* squareMenu() const { return squareMenu_; }
    // The solver's clock and "přeruš", drawn between its slices.
    void showSolverProgress();

    // The modal dialogs of "&Tisk…", "&Export…" and "&Sešit úloh…" run
    // through the host, and their file choices and failures too.
    void attachHost(QtHost* host) { host_ = host; }
    // The board as squares (classic) or as one drawing (modern); the window
    // is resizable in the modern look only.
    WindowLook look() const { return look_; }
    void setLook(WindowLook look);
    BoardView* boardView() const { return boardView_; }

  public slots:
    // "&Hra"
    void showTaskList() { act(&Game::tasks, &TaskLibrary::showTaskList); }      // "&Výběr úlohy"
    void reloadTask() { act(&Game::tasks, &TaskLibrary::reloadTask); }          // "&Znovu"
    void saveGame() { act(&Game::persistence, &GamePersistence::saveGame); }    // "&Ulož"
    void loadGame() { act(&Game::persistence, &GamePersistence::loadGame); }    // "&Načti"
    void chooseTaskFile() { act(&Game::tasks, &TaskLibrary::chooseTaskFile); }  // "&Soubor úloh"
    void showTaskEditor() {
        act(&Game::tasks, &TaskLibrary::showTaskEditor);
    }  // "&Formulář" under "&Editace"
    void showTextEditor() {
        act(&Game::tasks, &TaskLibrary::showTextEditor);
    }                    // "&Text" under "&Editace"
    void printPage();    // "&Tisk…": the task, the game or the solution on the printer
    void exportPage();   // "&Export…": the same into a PDF, SVG or PNG file
    void makeBooklet();  // "&Sešit úloh…": tasks of the task file into one PDF
    void openNewTask() { act(&Game::newTasks, &NewTasks::openNewTask); }  // "&Nová úloha…"
    // "Úloha &dne": the task of today's date by the local clock.
    void openDailyTask();
    // "Pau&za" and P: the clock stops and the board is covered until the
    // player goes on.
    void togglePause() { act(&Game::persistence, &GamePersistence::togglePause); }
    // "Vložit úlohu z &odkazu…": the dialog, with the clipboard's link in it.
    void openLinkImport();
    void copyTaskLink() {
        act(&Game::newTasks, &NewTasks::copyTaskLink);
    }  // "Kopírovat &odkaz na úlohu"
    // "&Konec" and the closing of the window: the game ends once and the
    // program with it.
    void quit();

    // "&Informace": the windows that show them answer the signals.
    void showRules() { emit rulesRequested(); }      // "&Pravidla"
    void showAbout() { emit aboutRequested(); }      // "&O hře"
    void showResults() { emit resultsRequested(); }  // "&Moje výsledky"

    // "&Pomoc"
    void showNextStep() { act(&Game::help, &GameHelp::showNextStep); }  // "&Další krok" (F1)
    void verifyBoard() { act(&Game::help, &GameHelp::verifyBoard); }  // "&Je to zatím správně?"
    void showErrors() { act(&Game::help, &GameHelp::showErrors); }    // "&Ukaž chyby"
    // The step's panel beside the board: "proč?" and its close.
    void explainStep() { act(&Game::help, &GameHelp::explainStep); }
    void closeStep() { act(&Game::help, &GameHelp::closeStep); }

    // The entry squares: a left click selects the square and shows its hints,
    // a double click writes its single allowed digit, a right click selects it
    // and opens the pop-up menu at globalPos.
    // Both looks end in the handlers of the square's row and column.
    void selectSquare(int row, int column);
    void writeSingleDigit(int row, int column);
    void openSquareMenu(int row, int column, const QPoint& globalPos);
    void selectSquare(const SquareWidget& square);
    void writeSingleDigit(const SquareWidget& square);
    void openSquareMenu(const SquareWidget& square, const QPoint& globalPos);
    void chooseDigit(int digit);  // a digit item of the pop-up menu
    void eraseSquare() { act(&Game::play, &PlaySession::eraseSquare); }  // "vymaž"

    void setMark() { act(&Game::moves, &MovesAndNotes::setMark); }        // "nastav značku"
    void undoMove() { act(&Game::moves, &MovesAndNotes::undoMove); }      // "zpět o 1 tah"
    void undoToMark() { act(&Game::moves, &MovesAndNotes::undoToMark); }  // "zpět ke značce"
    void checkWholeBoard() {
        act(&Game::play, &PlaySession::checkWholeBoard);
    }  // " proveď kontroly"
    void redoMove() {
        act(&Game::moves, &MovesAndNotes::redoMove);
    }  // "znovu o 1 tah" and "Vpřed o tah"
    // The player's notes: "poznámky" (and N) switches the notes mode, an item
    // of the pop-up's "poznámka" toggles a note, "&Vyplň poznámky" of "&Pomoc"
    // fills them, "&Mazat poznámky" of "&Volby" is the option.
    void toggleNotesMode() { act(&Game::moves, &MovesAndNotes::toggleNotesMode); }
    void chooseNote(int digit);
    void fillNotes() { act(&Game::moves, &MovesAndNotes::fillNotes); }
    // "Tabulka kombinací" of "&Pomoc": its window answers the signal.
    void showCombinations() { emit combinationsRequested(); }
    void toggleEraseNotes() { act(&Game::play, &PlaySession::toggleEraseNotes); }
    // The Mark swatches 1..4: a click shows what was done since the Mark, a
    // double click removes it.
    void highlightMark(int mark);
    void removeMark(int mark);

    // "&Volby"
    void setLevel(Level level);  // "100", "130", "160" of "&IQ"
    void toggleAutoFill() { act(&Game::play, &PlaySession::toggleAutoFill); }  // "&Doplňovat"
    void toggleChecking() { act(&Game::play, &PlaySession::toggleChecking); }  // "&Kontrolovat"
    void chooseLook(WindowLook look);  // "&Vzhled": kept for the next start
    // "&Barvy", "&Zvýrazňovat úseky" and "Čísel&ník": kept for the next start.
    void chooseColours(ColourScheme scheme);
    void toggleRunHighlight();
    void toggleDigitPad();
    // The scheme the board is drawn in now: the one chosen, or the system's
    // dark mode's; the classic look keeps its colours under "tmavé".
    ColourScheme boardScheme() const;
    const DisplayOptions& display() const { return display_; }
    void setSolverSpeed(SolverSpeed speed);  // "&Rychlost řešení"
    // "70": after "Mám dotaz!" the program solves the task itself, visibly;
    // "přeruš" stops it.
    void askToSolve() { act(&Game::solver, &SolverSession::askToSolve); }
    void stopSolving() { act(&Game::solver, &SolverSession::stopSolving); }

    // Keyboard play on the selected square: the digits, Delete, Backspace
    // and the arrows.
    void keyPress(Key key);

  signals:
    void rulesRequested();
    void aboutRequested();
    void resultsRequested();
    void combinationsRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The game's clock learns when the window is minimized or inactive.
    void changeEvent(QEvent* event) override;
    // Takes the keys of keyboard play before a button or hint list that has
    // the focus turns them into its own moves.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A dark window palette of the system's, as its platform theme gives it.
    static bool systemDark();
    void createDisplayMenu(QMenu* options);
    // The board's colours, the legends' and the window's, from the options.
    void showDisplay();
    // The digit pad right of the modern board: the nine digits, "vymaž",
    // "poznámky" and "zpět"; the digits the pop-up menu would not offer are
    // greyed.
    void createDigitPad();
    int digitPadWidth() const;  // what the pad takes from the board's width
    void placeDigitPad();
    void showDigitPad();
    // Runs a handler of the game, then lets every window redraw.
    template <typename Part, typename Result>
    void act(Part& (Game::*part)(), Result (Part::*handler)()) {
        ((game_.*part)().*handler)();
        changed_();
    }
    QAction* addItem(QMenu* menu, const char* name, const QString& text,
                     void (MainWindow::*handler)());
    // A menu of the menu bar (parent null) or a submenu of parent.
    QMenu* addMenu(QMenu* parent, const char* name, const QString& text);
    void createMenu();
    // The items of "&Hra" that bring tasks in and send them out.
    void addNewTaskItem(QMenu* game);
    void addLinkItems(QMenu* game);
    void createOptionsMenu();
    // The modern look's board, and the look kept from the last start.
    void createBoardView();
    void createLookMenu(QMenu* options);
    void createSpeedMenu(QMenu* options);
    void createOutputItems(QMenu* game);
    void createSquareMenu();
    void createBoardPanel(QWidget* form);
    // While no game is on the board: "Úloha dne", "Nová úloha…", "Výběr
    // úlohy" and the look's switch, in the middle of the window.
    void createStartPanel(QWidget* form);
    // Over the board while the game pauses, with "pokračovat".
    void createPauseCover();
    void createMarkSwatches();
    void createLegends();
    void createHintPanels(QWidget* form);
    // The panel of "&Další krok" over the hint panels, and the classic look's
    // row and column numbers while it is shown.
    void createStepPanel(QWidget* form);
    void showStep();
    void showSquareNumbers();
    // A hidden button of the history panel at place, 121 x 25 pixels.
    QPushButton* addButton(QWidget* form, const char* name, const QString& text, QPoint place,
                           void (MainWindow::*handler)());
    void createButtons(QWidget* form);
    void addUndoAndRedoItems(QMenu* game);
    void createNotesAndRedoButtons(QWidget* form);
    void createNoteSubmenu();
    void showNotesAndRedo();
    // The check's legends shown, for a screen reader on the board.
    void showCheckResult();
    void connectSquare(SquareWidget* square);
    void showGauge();
    void showHintPanels();
    void showMenus();
    void showSpeedMenu();
    // The search of "70" runs in the slices the solver's timer gives it, at
    // the pace the game asks for; the window draws and answers between them.
    void createSolverTimer();
    void advanceSolve();
    void paceSolver();
    void fitTaskName();
    // The time of play above the board, right of the task name; a timer
    // brings it up to the second.
    void createPlayClock();
    void showPlayClock();
    void showBoard();
    // Places the board and what is beside it for the look: in the modern
    // look the board panel takes what the window has more than the classic
    // size, and the controls right of it and under the board move with its
    // edges.
    void layOutBoard();

    Game& game_;
    std::function<void()> changed_;
    QFrame* boardPanel_ = nullptr;
    QFrame* startPanel_ = nullptr;
    QFrame* pauseCover_ = nullptr;
    QAction* pauseItem_ = nullptr;
    QRadioButton* classicLookChoice_ = nullptr;
    QRadioButton* modernLookChoice_ = nullptr;
    QLabel* taskName_ = nullptr;
    DigitalClock* clock_ = nullptr;
    QLabel* playClock_ = nullptr;
    QTimer* playClockTimer_ = nullptr;
    PieGauge* loadGauge_ = nullptr;
    std::array<std::array<SquareWidget*, kBoardSize + 1>, kBoardSize + 1> squares_{};

    std::array<StateLabel*, 5> swatches_{};  // Marks 1..4
    StateLabel* duplicateLegend_ = nullptr;
    StateLabel* wrongSumLegend_ = nullptr;

    QFrame* acrossPanel_ = nullptr;
    QFrame* downPanel_ = nullptr;
    QFrame* allowedPanel_ = nullptr;
    QPlainTextEdit* acrossHints_ = nullptr;
    QPlainTextEdit* downHints_ = nullptr;
    QPlainTextEdit* allowedDigits_ = nullptr;

    QFrame* stepPanel_ = nullptr;
    QLabel* stepHeadline_ = nullptr;
    QPlainTextEdit* stepExplanation_ = nullptr;
    QPushButton* whyButton_ = nullptr;  // "proč?"
    QWidget* squareNumbers_ = nullptr;  // the classic look's, drawn over the board panel
    // Where the classic numbers under the board end; 0 while none are shown.
    int squareNumbersBottom_ = 0;

    QPushButton* markButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* undoToMarkButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;     // "přeruš"
    QPushButton* redoButton_ = nullptr;     // "znovu o 1 tah"
    QPushButton* notesButton_ = nullptr;    // "poznámky", pressed in the notes mode
    QAction* undoItem_ = nullptr;           // "Zpět o tah"
    QAction* redoItem_ = nullptr;           // "Vpřed o tah"
    QAction* eraseNotesItem_ = nullptr;     // "&Mazat poznámky"
    QMenu* noteMenu_ = nullptr;             // "poznámka" in the pop-up menu
    std::array<QAction*, 10> noteItems_{};  // its notes 1..9
    QLabel* solverClock_ = nullptr;         // the solver's time
    bool commandsEnabled_ = true;           // off while the solver searches
    QTimer* solverTimer_ = nullptr;

    QMenu* squareMenu_ = nullptr;
    std::array<QAction*, 10> digitItems_{};  // the digits 1..9

    std::array<QAction*, 3> levelItems_{};  // "100", "130", "160"
    QAction* autoFillItem_ = nullptr;
    QAction* checkingItem_ = nullptr;
    std::array<QAction*, 3> speedItems_{};  // "krokovat", "plynule", "co nejrychleji"

    WindowLook look_ = WindowLook::kClassic;
    BoardView* boardView_ = nullptr;
    QAction* classicLookItem_ = nullptr;
    QAction* modernLookItem_ = nullptr;
    // "&Tisk…" and "&Export…": only while a board is shown.
    std::array<QAction*, 2> boardOutputItems_{};
    QAction* copyLinkItem_ = nullptr;  // like them, on while a task is on the board
    QAction* saveGameItem_ = nullptr;  // "&Ulož": the same
    // Where the classic look puts the controls that the modern one moves.
    QHash<QWidget*, QRect> classicPlaces_;

    DisplayOptions display_;
    std::array<QAction*, 3> colourItems_{};  // "klasické", "pro barvoslepé", "tmavé"
    QAction* runHighlightItem_ = nullptr;
    QAction* digitPadItem_ = nullptr;
    bool darkWindow_ = false;  // the window in the dark scheme's palette
    QFrame* digitPad_ = nullptr;
    std::array<QPushButton*, 10> padDigits_{};  // 1..9
    QPushButton* padErase_ = nullptr;
    QPushButton* padNotes_ = nullptr;
    QPushButton* padUndo_ = nullptr;
    QtHost* host_ = nullptr;
};

}  // namespace krizovky::ui
