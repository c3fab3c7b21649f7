#pragma once

#include <QDialog>

#include "app/game.h"

class QLabel;
class QTableWidget;

namespace krizovky::ui {

class TimesPlot;

// "&Moje výsledky": the player's statistics: per grade the tasks solved,
// the best and median times without help and how often help came, the
// streaks of the task of the day, a plot of the latest times per grade, and
// the latest results. Read from the record each time the window shows. Not
// modal; "zavřít" hides it.
class ResultsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit ResultsWindow(Game& game, QWidget* parent = nullptr);

    static QString caption();

    // The tables from the record as it is now.
    void showResults();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Game& game_;
    QLabel* empty_ = nullptr;
    QTableWidget* grades_ = nullptr;
    QLabel* streaks_ = nullptr;
    TimesPlot* plot_ = nullptr;
    QTableWidget* latest_ = nullptr;
};

}  // namespace krizovky::ui
