#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "model/text.h"
#include "support/task_text.h"
#include "support/temp_dir.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/solver_question_dialog.h"
#include "ui/square_widget.h"
#include "ui/task_list_window.h"

// Failures show Qt's texts and colours readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

namespace krizovky::testing {

// A message box as the player would have seen it.
struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QStringList buttonTexts;  // as the buttons read, in the box's order
};

// A file dialog as it was prepared.
struct ShownFileDialog {
    QString title;
    QStringList nameFilters;
    QString defaultSuffix;
    QString directory;
};

// Stands in for the player at every modal box and dialog: records it and
// answers from the script.
class ModalScript {
  public:
    std::vector<ShownBox> boxes;
    std::vector<ShownFileDialog> fileDialogs;
    std::deque<QMessageBox::StandardButton> answers;            // an OK box needs none
    std::deque<std::function<void(QFileDialog&)>> fileChoices;  // cancel when empty
    std::deque<bool> confirmations;  // "Mám dotaz!": true " jsem trouba"; "byl to omyl" when empty
    // Every other dialog, in the order shown: rejected when empty.
    std::deque<std::function<void(QDialog&)>> dialogChoices;
    int confirmShown = 0;
    std::function<void()> whileBoxShown;  // looks at the windows behind a box

    ui::QtHost::ModalRunner runner() {
        return [this](QDialog& dialog) { run(dialog); };
    }

  private:
    void run(QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            QStringList texts;
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            boxes.push_back(
                {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), texts});
            if (whileBoxShown) whileBoxShown();
            QMessageBox::StandardButton answer = QMessageBox::Ok;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
            QAbstractButton* button = box->button(answer);
            ASSERT_NE(button, nullptr) << "the box has no button the script answers with";
            button->click();
            return;
        }
        if (auto* confirm = qobject_cast<ui::SolverQuestionDialog*>(&dialog)) {
            ++confirmShown;
            const bool yes = !confirmations.empty() && confirmations.front();
            if (!confirmations.empty()) confirmations.pop_front();
            const char* name = yes ? "solveButton" : "mistakeButton";
            confirm->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
            return;
        }
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            fileDialogs.push_back({files->windowTitle(), files->nameFilters(),
                                   files->defaultSuffix(), files->directory().absolutePath()});
            if (fileChoices.empty()) {
                files->reject();
                return;
            }
            auto choose = std::move(fileChoices.front());
            fileChoices.pop_front();
            choose(*files);
            return;
        }
        if (!dialogChoices.empty()) {
            auto choose = std::move(dialogChoices.front());
            dialogChoices.pop_front();
            choose(dialog);
            return;
        }
        dialog.reject();
    }
};

// A folder with the combination table and a task file, and the program
// started on it as if its executable lay there.
class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.DEF", dir.file("krizovky.DEF"));
        // The player's record and kept game belong to the test, not to whoever runs it.
        setenv("XDG_STATE_HOME", dir.file("state").c_str(), 1);
        // The player's settings of every test start empty, in its own folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(dir.file("config")));
    }

    // A task file from UTF-8 text, written as the game keeps them: CP1250, CR LF.
    std::string writeTasks(const std::string& name, const std::string& utf8) {
        return dir.write(name, crlf(cp1250FromUtf8(utf8)));
    }

    ui::Application& start() {
        application = std::make_unique<ui::Application>(dir.file("krizovky"), script.runner());
        application->show();
        QApplication::processEvents();
        return *application;
    }

    // "&Výběr úlohy", then the name and " vybráno" as the player does it.
    void choose(const QString& name) {
        trigger("chooseTaskAction");
        auto* list = control<QListWidget>(taskListWindow(), "nameList");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        list->setCurrentItem(found.first());
        control<QPushButton>(taskListWindow(), "chooseButton")->click();
        QApplication::processEvents();
    }

    ui::MainWindow& mainWindow() { return application->mainWindow(); }
    ui::TaskListWindow& taskListWindow() { return application->taskListWindow(); }
    void trigger(const char* action) {
        QAction* item = mainWindow().findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
        QApplication::processEvents();
    }
    // The window's timer advances the search of "70" slice by slice; the
    // events are handled until the solve has ended.
    void waitForSolve() {
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return !application->game().solver().solving(); }, 60000));
    }
    template <typename T>
    T* control(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QStringList listed() {
        QStringList names;
        auto* list = control<QListWidget>(taskListWindow(), "nameList");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    TempDir dir;
    ModalScript script;
    std::unique_ptr<ui::Application> application;
};

// The program started with the example task "priklad" on the board: the
// solution is 7 1 over 9 2 in rows 2 and 3, columns 2 and 3.
class ExampleGameTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTasks("krizovky.KRI", kExampleTask);
        start();
        choose("priklad");
    }

    ui::SquareWidget* square(int row, int column) { return mainWindow().square(row, column); }
    // The captions of the example's four entry squares, row by row.
    QString digits() {
        QString shown;
        for (int r = 2; r <= 3; ++r)
            for (int c = 2; c <= 3; ++c)
                shown += square(r, c)->caption();
        return shown;
    }
    // A left click where the pointer would be over the square, delivered to
    // the window as the system delivers it.
    void clickInWindow(int row, int column) {
        QWidget* widget = square(row, column);
        QTest::mouseClick(mainWindow().windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(&mainWindow(), widget->rect().center()));
    }
};

// The natural colours the tests look for on the board.
inline const QColor kYellowSquare(255, 255, 0);
inline const QColor kRedSquare(255, 0, 0);

}  // namespace krizovky::testing
