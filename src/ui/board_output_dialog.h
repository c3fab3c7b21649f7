#pragma once

#include <QDialog>

#include "app/game_printout.h"
#include "ui/board_export.h"

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace krizovky::ui {

// "&Tisk…" and "&Export…" ask first what goes on the page: the task as it is
// to be solved, the game as it stands, or the solution (offered only for a
// task with exactly one). The export also asks for the paper and the
// resolution of a PNG image.
class BoardOutputDialog : public QDialog {
    Q_OBJECT

  public:
    BoardOutputDialog(QWidget* parent, const QString& title, bool solutionOffered, bool forFile);

    PrintedContent content() const;
    Paper paper() const;
    int dpi() const;

  private:
    QRadioButton* taskChoice_ = nullptr;
    QRadioButton* gameChoice_ = nullptr;
    QRadioButton* solutionChoice_ = nullptr;
    QComboBox* paperBox_ = nullptr;
    QSpinBox* dpiBox_ = nullptr;
};

}  // namespace krizovky::ui
