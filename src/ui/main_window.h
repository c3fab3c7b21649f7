#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include "app/game.h"

class QAction;
class QFrame;
class QLabel;

namespace krizovky::ui {

class DigitalClock;
class PieGauge;
class SquareWidget;

// The main window: the board panel with its squares, the name of the task,
// the clock, the load gauge and the menu of the game. It draws Game::screen();
// its handlers only call the game and let the application redraw.
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

  public slots:
    void N1Click();  // "&Výběr úlohy"
    void H1Click();  // "&Znovu"
    void S1Click();  // "&Soubor úloh"
    // "&Konec" and the closing of the window: the game ends once and the
    // program with it.
    void FormDestroy();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate(const std::string& executablePath);
    void createMenu();
    void createBoardPanel(QWidget* form);
    void showGauge();
    void fitLabel20();

    Game& game_;
    std::function<void()> changed_;
    QFrame* panel1_ = nullptr;
    QLabel* label20_ = nullptr;
    DigitalClock* rxClock1_ = nullptr;
    PieGauge* gauge1_ = nullptr;
    std::array<std::array<SquareWidget*, kBoardSize + 1>, kBoardSize + 1> squares_{};
};

}  // namespace krizovky::ui
