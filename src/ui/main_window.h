#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include "app/game.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace krizovky::ui {

class DigitalClock;
class PieGauge;
class SquareWidget;

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

    static QString caption();

    // Draws everything from the game's screen state.
    void showScreen();
    // One square or the gauge from the screen state, painted before returning.
    void repaintSquare(int row, int column);
    void repaintGauge();

    SquareWidget* square(int row, int column) const { return squares_[row][column]; }
    // The pop-up menu of the entry squares ("vymaž", "1".."9").
    QMenu* squareMenu() const { return squareMenu_; }
    // The solver's clock and "přeruš", drawn between its placements.
    void showSolverProgress();

  public slots:
    // "&Hra"
    void showTaskList() { act(&Game::showTaskList); }      // "&Výběr úlohy"
    void reloadTask() { act(&Game::reloadTask); }          // "&Znovu"
    void saveGame() { act(&Game::saveGame); }              // "&Ulož"
    void loadGame() { act(&Game::loadGame); }              // "&Načti"
    void chooseTaskFile() { act(&Game::chooseTaskFile); }  // "&Soubor úloh"
    void showTaskEditor() { act(&Game::showTaskEditor); }  // "&Formulář" under "&Editace"
    void showTextEditor() { act(&Game::showTextEditor); }  // "&Text" under "&Editace"
    // "&Konec" and the closing of the window: the game ends once and the
    // program with it.
    void quit();

    // "&Informace": the windows that show them answer the signals.
    void showRules() { emit rulesRequested(); }      // "&Pravidla"
    void showAbout() { emit aboutRequested(); }      // "&O hře"
    void showResults() { emit resultsRequested(); }  // "&Moje výsledky"

    // "&Pomoc"
    void showNextStep() { act(&Game::showNextStep); }  // "&Další krok" (F1)
    void verifyBoard() { act(&Game::verifyBoard); }    // "&Je to zatím správně?"
    void showErrors() { act(&Game::showErrors); }      // "&Ukaž chyby"

    // The entry squares: a left click selects the square and shows its hints,
    // a double click writes its single allowed digit, a right click selects it
    // and opens the pop-up menu at globalPos.
    void selectSquare(const SquareWidget& square);
    void writeSingleDigit(const SquareWidget& square);
    void openSquareMenu(const SquareWidget& square, const QPoint& globalPos);
    void chooseDigit(int digit);                     // a digit item of the pop-up menu
    void eraseSquare() { act(&Game::eraseSquare); }  // "vymaž"

    void setMark() { act(&Game::setMark); }                  // "nastav značku"
    void undoMove() { act(&Game::undoMove); }                // "zpět o 1 tah"
    void undoToMark() { act(&Game::undoToMark); }            // "zpět ke značce"
    void checkWholeBoard() { act(&Game::checkWholeBoard); }  // " proveď kontroly"
    // The Mark swatches 1..4: a click shows what was done since the Mark, a
    // double click removes it.
    void highlightMark(int mark);
    void removeMark(int mark);

    // "&Volby"
    void setLevel(Level level);                            // "100", "130", "160" of "&IQ"
    void toggleAutoFill() { act(&Game::toggleAutoFill); }  // "&Doplňovat"
    void toggleChecking() { act(&Game::toggleChecking); }  // "&Kontrolovat"
    // "70": after "Mám dotaz!" the program solves the task itself, visibly;
    // "přeruš" stops it.
    void askToSolve() { act(&Game::askToSolve); }
    void stopSolving() { act(&Game::stopSolving); }

    // Keyboard play on the selected square: the digits, Delete, Backspace
    // and the arrows.
    void keyPress(Key key);

  signals:
    void rulesRequested();
    void aboutRequested();
    void resultsRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The game's clock learns when the window is minimized or inactive.
    void changeEvent(QEvent* event) override;
    // Takes the keys of keyboard play before a button or hint list that has
    // the focus turns them into its own moves.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs a handler of the game, then lets every window redraw.
    template <typename Result>
    void act(Result (Game::*handler)()) {
        (game_.*handler)();
        changed_();
    }
    QAction* addItem(QMenu* menu, const char* name, const QString& text,
                     void (MainWindow::*handler)());
    // A menu of the menu bar (parent null) or a submenu of parent.
    QMenu* addMenu(QMenu* parent, const char* name, const QString& text);
    void createMenu();
    void createOptionsMenu();
    void createSquareMenu();
    void createBoardPanel(QWidget* form);
    void createMarkSwatches();
    void createLegends();
    void createHintPanels(QWidget* form);
    void createButtons(QWidget* form);
    void connectSquare(SquareWidget* square);
    void showGauge();
    void showHintPanels();
    void showMenus();
    void fitTaskName();
    // The time of play above the board, right of the task name; a timer
    // brings it up to the second.
    void createPlayClock();
    void showPlayClock();

    Game& game_;
    std::function<void()> changed_;
    QFrame* boardPanel_ = nullptr;
    QLabel* taskName_ = nullptr;
    DigitalClock* clock_ = nullptr;
    QLabel* playClock_ = nullptr;
    QTimer* playClockTimer_ = nullptr;
    PieGauge* loadGauge_ = nullptr;
    std::array<std::array<SquareWidget*, kBoardSize + 1>, kBoardSize + 1> squares_{};

    std::array<QLabel*, 5> swatches_{};  // Marks 1..4
    QLabel* duplicateLegend_ = nullptr;
    QLabel* wrongSumLegend_ = nullptr;

    QFrame* acrossPanel_ = nullptr;
    QFrame* downPanel_ = nullptr;
    QFrame* allowedPanel_ = nullptr;
    QPlainTextEdit* acrossHints_ = nullptr;
    QPlainTextEdit* downHints_ = nullptr;
    QPlainTextEdit* allowedDigits_ = nullptr;

    QPushButton* markButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* undoToMarkButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;  // "přeruš"
    QLabel* solverClock_ = nullptr;      // the solver's time
    bool commandsEnabled_ = true;        // off while the solver searches

    QMenu* squareMenu_ = nullptr;
    std::array<QAction*, 10> digitItems_{};  // the digits 1..9

    std::array<QAction*, 3> levelItems_{};  // "100", "130", "160"
    QAction* autoFillItem_ = nullptr;
    QAction* checkingItem_ = nullptr;
};

}  // namespace krizovky::ui
