#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace krizovky::ui {

// "Mám dotaz!": the question "70" asks before the program solves the task by
// itself. " jsem trouba" accepts; "byl to omyl", which has the focus, the
// Escape key and closing the window cancel. Created once, shown modally.
class SolverQuestionDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SolverQuestionDialog(QWidget* parent = nullptr);

    static QString caption();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* solveButton_ = nullptr;
    QPushButton* mistakeButton_ = nullptr;
};

}  // namespace krizovky::ui
