#pragma once

#include <QDialog>

#include "app/rules.h"

class QPlainTextEdit;

namespace krizovky::ui {

// The rules and the help for players, as the game read them from the rules
// file when the window was created. A double click on the text hides it.
class RulesWindow : public QDialog {
    Q_OBJECT

  public:
    explicit RulesWindow(const RulesText& rules, QWidget* parent = nullptr);

    static QString caption();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace krizovky::ui
