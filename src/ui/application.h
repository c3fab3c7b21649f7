#pragma once

#include <memory>
#include <string>

#include "app/game.h"
#include "model/file_storage.h"
#include "ui/job_threads.h"
#include "ui/qt_host.h"

namespace krizovky::ui {

class AboutBox;
class ResultsWindow;
class SolverQuestionDialog;
class MainWindow;
class TaskListWindow;
class RulesWindow;
class TextEditorWindow;
class TaskEditorWindow;
class NewTaskDialog;
class LinkImportDialog;
class CombinationsWindow;

// The program: the game, its host and its windows, created in the order the
// game starts up in, all hidden but the main window once shown.
class Application {
  public:
    // The data files are looked for beside executablePath under its name.
    explicit Application(const std::string& executablePath, QtHost::ModalRunner runModal = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void show();
    // Redraws every window from the game's state; the windows call it after
    // each handler.
    void refresh();

    Game& game() { return game_; }
    QtHost& host() { return host_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    TaskListWindow& taskListWindow() { return *taskListWindow_; }
    AboutBox& aboutBox() { return *aboutBox_; }
    RulesWindow& rulesWindow() { return *rulesWindow_; }
    TextEditorWindow& textEditorWindow() { return *textEditorWindow_; }
    SolverQuestionDialog& solverQuestion() { return *solverQuestion_; }
    TaskEditorWindow& taskEditorWindow() { return *taskEditorWindow_; }
    ResultsWindow& resultsWindow() { return *resultsWindow_; }
    NewTaskDialog& newTaskDialog() { return *newTaskDialog_; }
    LinkImportDialog& linkImportDialog() { return *linkImportDialog_; }
    CombinationsWindow& combinationsWindow() { return *combinationsWindow_; }

  private:
    QtHost host_;
    FileStorage storage_;
    Game game_;
    // After the game: its jobs end before the game's table goes.
    JobThreads jobThreads_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<TaskListWindow> taskListWindow_;
    std::unique_ptr<RulesWindow> rulesWindow_;
    std::unique_ptr<TextEditorWindow> textEditorWindow_;
    std::unique_ptr<TaskEditorWindow> taskEditorWindow_;
    std::unique_ptr<SolverQuestionDialog> solverQuestion_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<NewTaskDialog> newTaskDialog_;
    std::unique_ptr<LinkImportDialog> linkImportDialog_;
    std::unique_ptr<CombinationsWindow> combinationsWindow_;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
};

}  // namespace krizovky::ui
