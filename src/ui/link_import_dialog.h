#pragma once

#include <QDialog>
#include <functional>

#include "app/game.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace krizovky::ui {

class BoardPreview;

// "vložení úlohy z odkazu": a link of the public puzzle editor (or its file)
// typed, pasted or filled from the clipboard, the board it stands for or why
// it is refused, the name to keep the task under, and "vlož" and "zruš". It
// draws NewTasks::linkImportScreen(); its handlers only call the game.
class LinkImportDialog : public QDialog {
    Q_OBJECT

  public:
    LinkImportDialog(Game& game, std::function<void()> changed, QWidget* parent);

    static QString caption();

    void showScreen();

  public slots:
    void importTask();  // "vlož"
    void chooseFile();  // "ze souboru…"
    void cancel();      // "zruš", Escape and the close box
    void reject() override { cancel(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The field of the link, which hands every change to the game; returns
    // its title.
    QLabel* createLinkField();
    void run(const std::function<void()>& handler);

    Game& game_;
    std::function<void()> changed_;
    QPlainTextEdit* linkField_ = nullptr;
    QLabel* refusal_ = nullptr;
    BoardPreview* preview_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QPushButton* importButton_ = nullptr;
    bool drawing_ = false;
};

}  // namespace krizovky::ui
