#pragma once

#include <QMessageBox>
#include <functional>

#include "app/host.h"
#include "app/requests.h"

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
    // Run from the event loop when a request came outside the windows'
    // calls of the game: the windows' redraw, which answers it.
    void onLateRequest(std::function<void()> look) { onLateRequest_ = std::move(look); }

    // Shows the requests waiting in requests one after another, each as
    // its box or dialog, and passes every answer back; true when there was
    // one. The windows call it after each call of the game; a request made
    // outside such a call is shown from the event loop.
    bool answerRequests(Requests& requests);
    void requestPosted(Requests& requests) override;
    void repaintSquare(int row, int column) override;
    void repaintGauge() override;
    void copyToClipboard(std::string_view text) override;

    // A box of the program over parent (or over the active window); returns
    // the button pressed.
    QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons);
    void runModal(QDialog& dialog);
    // The window's own boxes and file dialog, for what the window does by
    // itself (print, export, booklets).
    void showMessage(std::string_view text);
    void showFailure(std::string_view text);
    std::optional<std::string> chooseFile(const FileDialog& dialog);

  private:
    QWidget* defaultParent() const;
    // One request as its box or dialog, answered.
    void answerRequest(Requests& requests, const Request& request);
    bool answering_ = false;      // a box of answerRequests is up
    bool lookScheduled_ = false;  // the event loop will look at the requests

    ModalRunner runner_;
    MainWindow* mainWindow_ = nullptr;
    SolverQuestionDialog* solverQuestion_ = nullptr;
    std::function<void(bool)> onModal_;
    std::function<void()> onLateRequest_;
};

}  // namespace krizovky::ui
