#pragma once

#include <QWidget>
#include <functional>

#include "app/game.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace krizovky::ui {

// "definice úlohy": the task editor's 15 x 15 grid of cell texts, the task's
// name and number, and the buttons that clear, generate, load, complete and
// save a task. Created hidden once; "&Formulář" shows it, "zpět", a completed
// save and the close box hide it, and hiding keeps everything. It draws the
// editor's screen state; its handlers only call the editor.
class TForm5 : public QWidget {
    Q_OBJECT

  public:
    TForm5(Game& game, std::function<void()> changed);

    static QString caption();

    // Draws the grid, the two fields and the visibility from the editor.
    void showScreen();

  public slots:
    void Button1Click();  // "ulož úlohu"
    void Button2Click();  // "zpět"
    void Button3Click();  // "vymaž formulář"
    void Button4Click();  // " generuj strukturu"
    void Button5Click();  // " generuj vše"
    void Button6Click();  // "dokonči úlohu"
    void Button7Click();  // "načti úlohu"
    void Edit1Change();
    void Edit2Change();
    void StringGrid1Edited(QTableWidgetItem* item);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    TaskEditor& editor() { return game_.editor(); }
    void run(const std::function<void()>& handler);

    Game& game_;
    std::function<void()> changed_;
    QTableWidget* stringGrid1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLabel* verdict_ = nullptr;  // what the grid's task is worth, beside "zpět"
    QString edit2Shown_;         // what Edit2 held before the latest keystroke
    bool drawing_ = false;
};

}  // namespace krizovky::ui
