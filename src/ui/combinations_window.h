#pragma once

#include <QDialog>
#include <array>

#include "app/game.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace krizovky::ui {

// "Tabulka kombinací" of "&Pomoc": every combination of distinct digits by
// length and sum, narrowed by the digits it must and must not hold, with
// buttons that take the length and sum of the selected square's across or
// down run. The filter is the game's (CombinationFinder); the window shows
// it. Not modal, over the main window; one window, raised when opened
// again; "zavřít" hides it.
class CombinationsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit CombinationsWindow(Game& game, QWidget* parent = nullptr);

    static QString caption();

    // From the menu: the selected square's run preselected, the window up.
    void openForSelectedSquare();
    // The filter, its list and the selected square's runs as they are now.
    void showScreen();

  protected:
    // The table is part of play: the time of play goes on while it or the
    // main window (its parent) is the active window.
    void changeEvent(QEvent* event) override;

  private:
    CombinationFinder& finder() { return game_.help().combinationFinder(); }

    Game& game_;
    QComboBox* lengthChoice_ = nullptr;
    QComboBox* sumChoice_ = nullptr;
    std::array<QPushButton*, 10> requiredDigits_{};  // 1..9
    std::array<QPushButton*, 10> excludedDigits_{};
    QPushButton* acrossRunButton_ = nullptr;
    QPushButton* downRunButton_ = nullptr;
    QLabel* count_ = nullptr;
    QListWidget* list_ = nullptr;
    QStringList listed_;
};

}  // namespace krizovky::ui
