#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace krizovky::ui {

// "Mám dotaz!": the question "70" asks before the program solves the task by
// itself. " jsem trouba" accepts; "byl to omyl", which has the focus, the
// Escape key and closing the window cancel. Created once, shown modally.
class TBtnBottomDlg : public QDialog {
    Q_OBJECT

  public:
    explicit TBtnBottomDlg(QWidget* parent = nullptr);

    static QString caption();

  public slots:
    void OKBtnClick();
    void CancelBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
};

}  // namespace krizovky::ui
