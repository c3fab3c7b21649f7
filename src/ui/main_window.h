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

namespace krizovky::ui {

class DigitalClock;
class PieGauge;
class SquareWidget;

// The main window: the board panel with its squares, the name of the task,
// the clock, the Mark swatches and the legends of the check; the hint panels,
// the history and check buttons and the load gauge beside it; the menu of the
// game and the pop-up menu of the entry squares. It draws Game::screen(); its
// handlers only call the game and let the application redraw.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // Creating the window starts the game up (FormCreate). changed is called
    // after every handler, to redraw all windows.
    TForm1(Game& game, std::function<void()> changed, const std::string& executablePath);

    static QString caption();

    // Draws everything from the game's screen state.
    void showScreen();
    // One square or the gauge from the screen state, painted before returning.
    void repaintSquare(int row, int column);
    void repaintGauge();

    SquareWidget* square(int row, int column) const { return squares_[row][column]; }
    // The pop-up menu of the entry squares ("vymaž", "1".."9").
    QMenu* popupMenu() const { return popupMenu1_; }

  public slots:
    void N1Click();  // "&Výběr úlohy"
    void H1Click();  // "&Znovu"
    void N8Click();  // "&Ulož"
    void N9Click();  // "&Načti"
    void S1Click();  // "&Soubor úloh"
    void F1Click();  // "&Formulář" under "&Editace"
    void T1Click();  // "&Text" under "&Editace"
    void O1Click();  // "&Pravidla"
    void I1Click();  // "&O hře"

    // "&Pomoc"
    void nextStepClick();    // "&Další krok" (F1)
    void verifyClick();      // "&Je to zatím správně?"
    void showErrorsClick();  // "&Ukaž chyby"

    // "&Konec" and the closing of the window: the game ends once and the
    // program with it.
    void FormDestroy();

    // The entry squares: a left click selects the square and shows its hints,
    // a double click writes its single allowed digit, a right click selects it
    // and opens the pop-up menu at globalPos.
    void Label1Click(const SquareWidget& square);
    void Label1DblClick(const SquareWidget& square);
    void PopupMenu1Popup(const SquareWidget& square, const QPoint& globalPos);
    void N11Click(const QAction& item);  // a digit item of the pop-up menu
    void vyma1Click();                   // "vymaž"

    void Button1Click();  // "nastav značku"
    void Button2Click();  // "zpět o 1 tah"
    void Button3Click();  // "zpět ke značce"
    void Button4Click();  // " proveď kontroly"
    // The Mark swatches 1..4: a click shows what was done since the Mark, a
    // double click removes it.
    void Label16Click(int mark);
    void Label16DblClick(int mark);

    void Z1Click();  // "100"
    void N3Click();  // "130"
    void N7Click();  // "160"
    void I2Click();  // "&Doplňovat"
    void K1Click();  // "&Kontrolovat"
    // "70": after "Mám dotaz!" the program solves the task itself, visibly;
    // "přeruš" stops it.
    void N71Click();
    void Button5Click();

    // Keyboard play on the selected square: the digits, Delete, Backspace
    // and the arrows.
    void keyPress(Key key);

  signals:
    // "&Pravidla" and "&O hře": the windows that show them answer.
    void rulesRequested();
    void aboutRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Takes the keys of keyboard play before a button or hint list that has
    // the focus turns them into its own moves.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate(const std::string& executablePath);
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

  public:
    // The solver's clock and "přeruš", drawn between its placements.
    void showSolverProgress();

  private:
    void fitLabel20();

    Game& game_;
    std::function<void()> changed_;
    QFrame* panel1_ = nullptr;
    QLabel* label20_ = nullptr;
    DigitalClock* rxClock1_ = nullptr;
    PieGauge* gauge1_ = nullptr;
    std::array<std::array<SquareWidget*, kBoardSize + 1>, kBoardSize + 1> squares_{};

    std::array<QLabel*, 5> swatches_{};  // Label16..Label19 as Marks 1..4
    QLabel* label21_ = nullptr;          // " duplikátní číslo"
    QLabel* label22_ = nullptr;          // " chybný součet"

    QFrame* panel2_ = nullptr;
    QFrame* panel3_ = nullptr;
    QFrame* panel4_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QPlainTextEdit* memo3_ = nullptr;

    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* button4_ = nullptr;
    QPushButton* button5_ = nullptr;  // "přeruš"
    QLabel* label36_ = nullptr;       // the solver's time
    bool commandsEnabled_ = true;     // off while the solver searches

    QMenu* popupMenu1_ = nullptr;
    std::array<QAction*, 10> digitItems_{};  // N11..N91 as the digits 1..9

    QAction* z1_ = nullptr;
    QAction* n3_ = nullptr;
    QAction* n7_ = nullptr;
    QAction* i2_ = nullptr;
    QAction* k1_ = nullptr;
};

}  // namespace krizovky::ui
