#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "app/game.h"

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace krizovky::ui {

// "nová úloha": the grade, the size and the number of a task to be made, and
// "vytvoř" and "zruš". It keeps the other windows waiting while it is shown,
// but not the making: while the task is made on its own thread the dialog
// looks at it now and then and says that it works. It draws
// NewTasks::newTaskScreen(); its handlers only call the game.
class NewTaskDialog : public QDialog {
    Q_OBJECT

  public:
    NewTaskDialog(Game& game, std::function<void()> changed, QWidget* parent);

    static QString caption();

    void showScreen();

  public slots:
    void create();  // "vytvoř"
    void cancel();  // "zruš", Escape and the close box
    void reject() override { cancel(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QFormLayout* createChoices();  // obtížnost, velikost, číslo úlohy
    void createWorkingSigns();     // what shows while a task is made
    QHBoxLayout* createButtons();  // "vytvoř" and "zruš"
    void lookAtMaking();           // the timer, while a task is made
    // The size choice's items: the maker's sizes, a line, the structures.
    void fillSizes(const NewTaskScreen& screen);
    int sizeOfItem(int item) const;
    int itemOfSize(int size) const;

    Game& game_;
    std::function<void()> changed_;
    std::array<QRadioButton*, std::size(kOfferedGrades)> grades_{};
    QComboBox* sizes_ = nullptr;
    QSpinBox* number_ = nullptr;
    QLabel* working_ = nullptr;
    QProgressBar* workingBar_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace krizovky::ui
