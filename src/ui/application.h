#pragma once

#include <memory>
#include <string>

#include "app/game.h"
#include "ui/qt_host.h"

namespace krizovky::ui {

class TAboutBox;
class TBtnBottomDlg;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

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
    TForm1& mainWindow() { return *form1_; }
    TForm2& taskList() { return *form2_; }
    TAboutBox& aboutBox() { return *aboutBox_; }
    TForm3& rulesWindow() { return *form3_; }
    TForm4& textEditor() { return *form4_; }
    TBtnBottomDlg& confirmDialog() { return *btnBottomDlg_; }
    TForm5& taskEditor() { return *form5_; }

  private:
    QtHost host_;
    Game game_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TBtnBottomDlg> btnBottomDlg_;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
};

}  // namespace krizovky::ui
