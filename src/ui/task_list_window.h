#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <map>
#include <string>

#include "app/game.h"

class QHelpEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QTabBar;

namespace krizovky::ui {

// The task list: the names of the current task file, from which the player
// picks the task to load. Created once, then only shown and hidden as the
// game's task list state says.
class TaskListWindow : public QDialog {
    Q_OBJECT

  public:
    // Creating the window fills the list, reporting a task file that cannot
    // be read. changed is called after every handler.
    TaskListWindow(Game& game, std::function<void()> changed);

    static QString caption();

    // Draws the list, the chosen name and the visibility from the game.
    void showScreen();

  public slots:
    void selectTask();  // a name clicked (or reached with the keys)
    // A name double-clicked, " vybráno" or a click on the chosen name's
    // label: the choice.
    void chooseTask();
    void cancel();  // "zruš"
    // The list read again from the task file when the window shows (with a
    // box for a file that cannot be read) and when it becomes active (quietly).
    void refill();
    void refillQuietly();
    void closeList();  // the window's close button
    // The switch above the list: tab 0 the collection, 1 "moje úlohy".
    void switchFile(int tab);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes the window

  public slots:
    void reject() override;  // closes the window like its close button

  private:
    void createNameList();    // the names with their ticks
    void createChosenName();  // "název vybrané úlohy:" and the name
    int selectedRow() const;
    // A name wider than the list's column shows whole in a tool tip, and a
    // solved task's tip tells its best result.
    void showNameTip(const QHelpEvent& help);
    // The tick before each solved task's name, the mark of a task in progress.
    void showSolved(const TaskListScreen& screen, bool newList);

    Game& game_;
    std::function<void()> changed_;
    QTabBar* fileSwitch_ = nullptr;
    QListWidget* nameList_ = nullptr;
    QLabel* emptyListText_ = nullptr;  // over the list: why it holds no names
    QLabel* dailyStatus_ = nullptr;    // "Úloha dne 2026-12-09: vyřešená …"
    QLabel* chosenName_ = nullptr;
    QLabel* chosenTitle_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QIcon tick_;
    QIcon noTick_;
    QIcon inProgress_;
    std::map<std::string, std::string> shownSolved_;
    std::map<std::string, std::string> shownInProgress_;
};

}  // namespace krizovky::ui
