#include "ui/application.h"

#include "ui/confirm_dialog.h"
#include "ui/main_window.h"
#include "ui/task_list_dialog.h"

namespace krizovky::ui {

Application::Application(const std::string& executablePath, QtHost::ModalRunner runModal)
    : host_(std::move(runModal)), game_(host_) {
    auto changed = [this] { refresh(); };
    form1_ = std::make_unique<TForm1>(game_, changed, executablePath);
    host_.attach(form1_.get());
    form2_ = std::make_unique<TForm2>(game_, changed);
    btnBottomDlg_ = std::make_unique<TBtnBottomDlg>(form1_.get());
    host_.attachConfirmDialog(btnBottomDlg_.get());
    // Between the solver's placements the windows show its progress, and
    // take no other command until it ends.
    host_.onYield([this] {
        form1_->showSolverProgress();
        form2_->setEnabled(!game_.solving());
    });
    refresh();
}

Application::~Application() {
    host_.attach(nullptr);
    host_.attachConfirmDialog(nullptr);
    host_.onYield({});
    btnBottomDlg_.reset();
    form2_.reset();
    form1_.reset();
}

void Application::show() {
    form1_->show();
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
        if (form1_) form1_->showScreen();
        if (form2_) {
            form2_->showScreen();
            form2_->setEnabled(!game_.solving());
        }
    } while (refreshAgain_);
    refreshing_ = false;
}

}  // namespace krizovky::ui
