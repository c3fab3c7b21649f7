#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace krizovky::ui {

// The rules and the help for players, read from the text file beside the
// program when the window is created. A double click on the text hides it.
class RulesWindow : public QDialog {
    Q_OBJECT

  public:
    // rulesFile: the Windows-1250 text with CR LF line ends.
    explicit RulesWindow(const std::string& rulesFile, QWidget* parent = nullptr);

    static QString caption();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace krizovky::ui
