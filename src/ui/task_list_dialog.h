#pragma once

#include <QDialog>
#include <functional>

#include "app/game.h"

class QHelpEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace krizovky::ui {

// The task list: the names of the current task file, from which the player
// picks the task to load. Created once, then only shown and hidden as the
// game's task list state says.
class TForm2 : public QDialog {
    Q_OBJECT

  public:
    // Creating the window fills the list, reporting a task file that cannot
    // be read. changed is called after every handler.
    TForm2(Game& game, std::function<void()> changed);

    static QString caption();

    // Draws the list, the chosen name and the visibility from the game.
    void showScreen();

  public slots:
    void ListBox1Click();     // a name clicked (or reached with the keys)
    void ListBox1DblClick();  // a name double-clicked: the choice
    void Button1Click();      // " vybráno"
    void Button2Click();      // "zruš"
    void Label1Click();       // the chosen name's label, like " vybráno"
    void FormShow();
    void FormActivate();
    void FormClose();  // the window's close button

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes the window

  public slots:
    void reject() override;  // closes the window like its close button

  private:
    void FormCreate();
    int selectedRow() const;
    // A name wider than the list's column shows whole in a tool tip.
    void showNameTip(const QHelpEvent& help);

    Game& game_;
    std::function<void()> changed_;
    QListWidget* listBox1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
};

}  // namespace krizovky::ui
