#pragma once

#include <QDialog>
#include <functional>

#include "app/game.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace krizovky::ui {

// The task text editor: the whole current task file in a text field, with a
// save button and "OK". Modal while shown; the game's text editor holds the
// text, the window only draws it and hands over what the player does.
class TextEditorWindow : public QDialog {
    Q_OBJECT

  public:
    // changed is called after every handler that may change other windows.
    TextEditorWindow(Game& game, std::function<void()> changed, QWidget* parent = nullptr);

    static QString caption();

    // Shows or hides the window as the game says; a new load of the file
    // goes into the text field.
    void showScreen();

  public slots:
    void save();   // the save button
    void leave();  // "OK"
    void changeText();
    void activate();
    void deactivate();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  public slots:
    void reject() override;  // Escape leaves the editor like "OK"

  private:
    TaskTextEditor& editor() { return game_.tasks().textEditor(); }
    void showText();

    Game& game_;
    std::function<void()> changed_;
    QFrame* buttonBar_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    int shownLoads_ = 0;  // the load of the file that the text field shows
};

}  // namespace krizovky::ui
