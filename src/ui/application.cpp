#include "ui/application.h"

#include <QEvent>
#include <QHash>

#include "ui/about_box.h"
#include "ui/combinations_window.h"
#include "ui/link_import_dialog.h"
#include "ui/main_window.h"
#include "ui/new_task_dialog.h"
#include "ui/results_window.h"
#include "ui/rules_window.h"
#include "ui/solver_question_dialog.h"
#include "ui/task_editor_window.h"
#include "ui/task_list_window.h"
#include "ui/text_editor_window.h"

namespace krizovky::ui {
namespace {

// The windows that block the game while they are shown ("&Nová úloha…", the
// link import, the text editor) are shown rather than run as boxes: the time
// of play waits while one of them is up, as it does behind a box.
class ModalPause : public QObject {
  public:
    ModalPause(PlayClock& clock, QObject* parent) : QObject(parent), clock_(clock) {}
    void watch(QWidget* window) {
        window->installEventFilter(this);
        shown_.insert(window, false);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool show = event->type() == QEvent::Show, hide = event->type() == QEvent::Hide;
        auto known = shown_.find(watched);
        if ((show || hide) && !event->spontaneous() && known != shown_.end() && *known != show) {
            *known = show;
            clock_.setModalOpen(show);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    PlayClock& clock_;
    QHash<QObject*, bool> shown_;
};

}  // namespace

Application::Application(const std::string& executablePath, QtHost::ModalRunner runModal)
    : host_(std::move(runModal)), game_(host_, storage_) {
    // The player's record and kept game in the state folder; the time of play
    // by the system's clock, waiting while a box of the game is open.
    game_.persistence().usePlayerFiles(defaultPlayerFiles());
    game_.persistence().playClock().useTimeSource(PlayClock::steadyNow);
    host_.onModal([this](bool open) { game_.persistence().playClock().setModalOpen(open); });
    host_.onLateRequest([this] { refresh(); });
    game_.newTasks().newTask().useRunner(jobThreads_.runner());
    auto changed = [this] { refresh(); };
    mainWindow_ = std::make_unique<MainWindow>(game_, changed, executablePath);
    host_.attach(mainWindow_.get());
    mainWindow_->attachHost(&host_);
    aboutBox_ = std::make_unique<AboutBox>();
    taskListWindow_ = std::make_unique<TaskListWindow>(game_, changed);
    rulesWindow_ = std::make_unique<RulesWindow>(game_.tasks().rules());
    textEditorWindow_ = std::make_unique<TextEditorWindow>(game_, changed);
    auto bringUp = [](QWidget* window) {
        window->show();
        window->raise();
        window->activateWindow();
    };
    QObject::connect(mainWindow_.get(), &MainWindow::rulesRequested, rulesWindow_.get(),
                     [this, bringUp] { bringUp(rulesWindow_.get()); });
    QObject::connect(mainWindow_.get(), &MainWindow::aboutRequested, aboutBox_.get(),
                     [this, bringUp] { bringUp(aboutBox_.get()); });
    taskEditorWindow_ = std::make_unique<TaskEditorWindow>(game_, changed);
    solverQuestion_ = std::make_unique<SolverQuestionDialog>(mainWindow_.get());
    newTaskDialog_ = std::make_unique<NewTaskDialog>(game_, changed, mainWindow_.get());
    linkImportDialog_ = std::make_unique<LinkImportDialog>(game_, changed, mainWindow_.get());
    host_.attachSolverQuestion(solverQuestion_.get());
    auto* pause = new ModalPause(game_.persistence().playClock(), mainWindow_.get());
    for (QWidget* window : {static_cast<QWidget*>(newTaskDialog_.get()),
                            static_cast<QWidget*>(linkImportDialog_.get()),
                            static_cast<QWidget*>(textEditorWindow_.get())})
        pause->watch(window);
    resultsWindow_ = std::make_unique<ResultsWindow>(game_);
    QObject::connect(mainWindow_.get(), &MainWindow::resultsRequested, resultsWindow_.get(),
                     [this, bringUp] { bringUp(resultsWindow_.get()); });
    combinationsWindow_ = std::make_unique<CombinationsWindow>(game_, mainWindow_.get());
    QObject::connect(mainWindow_.get(), &MainWindow::combinationsRequested,
                     combinationsWindow_.get(),
                     [this] { combinationsWindow_->openForSelectedSquare(); });
    // The game the player left at the last closing comes back.
    game_.persistence().resumeKeptGame();
    refresh();
}

Application::~Application() {
    host_.attach(nullptr);
    host_.attachSolverQuestion(nullptr);
    host_.onModal({});
    host_.onLateRequest({});
    combinationsWindow_.reset();
    resultsWindow_.reset();
    linkImportDialog_.reset();
    newTaskDialog_.reset();
    solverQuestion_.reset();
    taskEditorWindow_.reset();
    textEditorWindow_.reset();
    rulesWindow_.reset();
    taskListWindow_.reset();
    aboutBox_.reset();
    mainWindow_.reset();
}

void Application::show() {
    mainWindow_->show();
}

void Application::refresh() {
    // Showing the task list runs its own handler, which asks for a redraw
    // while this one is still drawing: that one is done after this one.
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    refreshing_ = true;
    do {
        refreshAgain_ = false;
        if (mainWindow_) mainWindow_->showScreen();
        if (textEditorWindow_) textEditorWindow_->showScreen();
        if (taskEditorWindow_) taskEditorWindow_->showScreen();
        if (newTaskDialog_) newTaskDialog_->showScreen();
        if (linkImportDialog_) linkImportDialog_->showScreen();
        // Its run buttons follow the square selected on the board.
        if (combinationsWindow_ && combinationsWindow_->isVisible())
            combinationsWindow_->showScreen();
        if (taskListWindow_) {
            taskListWindow_->showScreen();
            taskListWindow_->setEnabled(!game_.solver().solving());
        }
        // The boxes and dialogs the call left, over the windows as they now
        // stand; their answers go on with the call's work, shown in turn.
        if (host_.answerRequests(game_.requests())) refreshAgain_ = true;
    } while (refreshAgain_);
    refreshing_ = false;
}

}  // namespace krizovky::ui
