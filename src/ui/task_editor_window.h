#pragma once

#include <QWidget>
#include <functional>

#include "app/game.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace krizovky::ui {

// "definice úlohy": the task editor's 15 x 15 grid of cell texts, the task's
// name and number, and the buttons that clear, generate, load, complete and
// save a task. Created hidden once; "&Formulář" shows it, "zpět" and the close
// box hide it, and hiding keeps everything. It draws the
// editor's screen state; its handlers only call the editor.
class TaskEditorWindow : public QWidget {
    Q_OBJECT

  public:
    TaskEditorWindow(Game& game, std::function<void()> changed);

    static QString caption();

    // Draws the grid, the two fields and the visibility from the editor.
    void showScreen();

  public slots:
    void saveTask();                    // "ulož úlohu"
    void goBack();                      // "zpět"
    void clearGrid();                   // "vymaž formulář"
    void generateStructure();           // " generuj strukturu"
    void generateWholeTask();           // " generuj vše"
    void completeTask();                // "dokonči úlohu"
    void generateUniqueTask();          // " generuj jedinečnou"
    void chooseUniqueGrade(int index);  // the grade beside it
    void chooseTaskToLoad();            // "načti úlohu"
    void changeName();
    void changeTaskNumber();
    void editCell(QTableWidgetItem* item);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    TaskEditor& editor() { return game_.tasks().editor(); }
    void run(const std::function<void()>& handler);
    // The grid with columns of the given width, and the buttons of the given
    // width in their columns at left, right and last (with the verdict).
    void createGrid(int column);
    void createButtons(int buttonWidth, int left, int right, int last);

    Game& game_;
    std::function<void()> changed_;
    QTableWidget* grid_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLineEdit* numberField_ = nullptr;
    QLabel* verdict_ = nullptr;  // what the grid's task is worth, beside "zpět"
    QComboBox* uniqueGrade_ = nullptr;
    QString numberShown_;  // what the number field held before the latest keystroke
    bool drawing_ = false;
};

}  // namespace krizovky::ui
