#include "ui/application.h"

#include "ui/about_box.h"
#include "ui/confirm_dialog.h"
#include "ui/main_window.h"
#include "ui/rules_window.h"
#include "ui/task_editor_window.h"
#include "ui/task_list_dialog.h"
#include "ui/text_editor_window.h"

namespace krizovky::ui {

Application::Application(const std::string& executablePath, QtHost::ModalRunner runModal)
    : host_(std::move(runModal)), game_(host_) {
    auto changed = [this] { refresh(); };
    form1_ = std::make_unique<TForm1>(game_, changed, executablePath);
    host_.attach(form1_.get());
    aboutBox_ = std::make_unique<TAboutBox>();
    form2_ = std::make_unique<TForm2>(game_, changed);
    form3_ = std::make_unique<TForm3>(game_.fileNames().programBase + "PRA");
    form4_ = std::make_unique<TForm4>(game_, changed);
    auto bringUp = [](QWidget* window) {
        window->show();
        window->raise();
        window->activateWindow();
    };
    QObject::connect(form1_.get(), &TForm1::rulesRequested, form3_.get(),
                     [this, bringUp] { bringUp(form3_.get()); });
    QObject::connect(form1_.get(), &TForm1::aboutRequested, aboutBox_.get(),
                     [this, bringUp] { bringUp(aboutBox_.get()); });
    form5_ = std::make_unique<TForm5>(game_, changed);
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
    form5_.reset();
    form4_.reset();
    form3_.reset();
    form2_.reset();
    aboutBox_.reset();
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
        if (form4_) form4_->showScreen();
        if (form5_) form5_->showScreen();
        if (form2_) {
            form2_->showScreen();
            form2_->setEnabled(!game_.solving());
        }
    } while (refreshAgain_);
    refreshing_ = false;
}

}  // namespace krizovky::ui
