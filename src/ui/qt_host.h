#pragma once

#include <QMessageBox>
#include <functional>

#include "app/host.h"

class QDialog;

namespace krizovky::ui {

class SolverQuestionDialog;
class MainWindow;

// The library's modal requests as Qt message boxes and file dialogs, and its
// immediate repaints as repaints of the main window's controls.
class QtHost : public Host {
  public:
    // Runs a box or dialog to its end; exec() unless a test answers instead.
    // A QMessageBox is answered by clicking one of its buttons, a QFileDialog
    // by accept() or reject().
    using ModalRunner = std::function<void(QDialog&)>;

    explicit QtHost(ModalRunner runner = {});

    // The window whose squares and gauge the repaints reach; none before it
    // exists.
    void attach(MainWindow* mainWindow) { mainWindow_ = mainWindow; }
    // The dialog "Mám dotaz!" that confirmSolver shows.
    void attachSolverQuestion(SolverQuestionDialog* dialog) { solverQuestion_ = dialog; }
    // Told true before a box or dialog runs and false after it.
    void onModal(std::function<void(bool open)> modal) { onModal_ = std::move(modal); }

    void message(std::string_view text) override;
    void error(std::string_view text) override;
    void failure(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    bool confirmSolver() override;
    std::optional<std::string> chooseFile(const FileDialog& dialog) override;
    void repaintSquare(int row, int column) override;
    void repaintGauge() override;
    void copyToClipboard(std::string_view text) override;

    // A box of the program over parent (or over the active window); returns
    // the button pressed.
    QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons);
    void runModal(QDialog& dialog);

  private:
    QWidget* defaultParent() const;

    ModalRunner runner_;
    MainWindow* mainWindow_ = nullptr;
    SolverQuestionDialog* solverQuestion_ = nullptr;
    std::function<void(bool)> onModal_;
};

}  // namespace krizovky::ui
