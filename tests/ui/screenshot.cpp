// Writes a picture of the main window with a task of the build's task file on
// the board, optionally after some moves of the player:
//
//   krizovky-screenshot OUTPUT.png [TASK NAME [STEP...]]
//
// or of one of the smaller windows as its menu item opens it:
//
//   krizovky-screenshot --window rules|text-editor|about|task-list|task-editor|results OUTPUT.png
//
// The player's record and kept game are those of $XDG_STATE_HOME/krizovky/.
//
// Without a name the first task of the list is taken. The steps are played
// in order, each as the player would do it in the window:
//
//   R,C=D    a right click on the square in row R, column C and the digit D of
//            its pop-up menu ("vymaž" for 0)
//   R,C      a left click on the square
//   R,C!     a double click on the square
//   R,C+DIGITS  a left click on the square and Ctrl with each digit: notes
//   NAME     a click on the button or swatch, or the menu item, of that name
//            (markButton "nastav značku", checkButton " proveď kontroly",
//            markSwatch1 the first Mark's swatch, checkingAction "&Kontrolovat",
//            level130Action IQ "130", modernLookAction "moderní", ...)
//   WxH      the window resized to W x H (in the modern look)
//   print=FILE.pdf  "&Tisk…" with "hra, jak právě stojí" chosen, printed
//            into the PDF file FILE.pdf
//   combinations  "Tabulka kombinací" opened for the selected square; the
//            picture is then of its window

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/combinations_window.h"
#include "ui/czech_translations.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/rules_window.h"
#include "ui/task_editor_window.h"
#include "ui/task_list_window.h"
#include "ui/text_convert.h"
#include "ui/text_editor_window.h"

namespace {

using namespace krizovky;
using namespace krizovky::ui;

// The file "&Tisk…" prints into, set by a print= step.
QString printFile;
// The window the picture is taken of when not the main window.
QWidget* pictured = nullptr;

// Nobody is there to answer: a box is printed and closed. "&Tisk…" prints
// the game as it stands into printFile.
void answerUnattended(QDialog& dialog) {
    if (auto* print = qobject_cast<QPrintDialog*>(&dialog); print && !printFile.isEmpty()) {
        print->printer()->setOutputFileName(printFile);
        print->done(QDialog::Accepted);
        return;
    }
    if (auto* game = dialog.findChild<QRadioButton*>(QStringLiteral("gameChoice"))) {
        game->setChecked(true);
        dialog.accept();
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        std::fprintf(stderr, "krizovky-screenshot: box \"%s\"\n", qPrintable(box->text()));
        QAbstractButton* button = box->escapeButton();
        if (button == nullptr) button = box->buttons().value(0);
        if (button) button->click();
        return;
    }
    dialog.reject();
}

// The player's way: "&Výběr úlohy", a click on the name, " vybráno".
bool chooseTask(Application& application, const char* wanted) {
    application.mainWindow().showTaskList();
    const auto& names = application.game().tasks().taskListScreen().items;
    if (names.empty()) {
        std::fprintf(stderr, "krizovky-screenshot: the task file lists no task\n");
        return false;
    }
    int row = 0;
    if (wanted != nullptr) {
        const std::string name = QString::fromLocal8Bit(wanted).toStdString();
        row = -1;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) row = static_cast<int>(i);
        if (row < 0) {
            std::fprintf(stderr, "krizovky-screenshot: no task \"%s\"\n", wanted);
            return false;
        }
    }
    auto* list = application.taskListWindow().findChild<QListWidget*>(QStringLiteral("nameList"));
    list->setCurrentRow(row);
    application.taskListWindow().chooseTask();
    return true;
}

// One step of the list in the usage above; false for a step that names
// nothing there is.
bool play(Application& application, const QString& step) {
    MainWindow& form = application.mainWindow();
    static const QRegularExpression squareStep(
        QStringLiteral(R"(^(\d+),(\d+)(=(\d)|!|\+([1-9]+))?$)"));
    if (const auto match = squareStep.match(step); match.hasMatch()) {
        const int row = match.captured(1).toInt(), column = match.captured(2).toInt();
        if (!Board::onBoard(row, column) ||
            !application.game().screen().square(row, column).interactive)
            return false;
        if (match.captured(3).isEmpty()) {
            form.selectSquare(row, column);
        } else if (match.captured(3) == QLatin1String("!")) {
            form.selectSquare(row, column);
            form.writeSingleDigit(row, column);
        } else if (!match.captured(5).isEmpty()) {
            form.selectSquare(row, column);
            for (const QChar digit : match.captured(5))
                form.keyPress(
                    static_cast<Key>(static_cast<int>(Key::kNote1) + digit.digitValue() - 1));
        } else {
            // What the right click does before its menu opens, then the item.
            application.game().play().openSquareMenu(row, column);
            application.refresh();
            // "vymaž" for 0.
            const int digit = match.captured(4).toInt();
            const QString name =
                digit == 0 ? QStringLiteral("eraseItem") : QStringLiteral("digit%1Item").arg(digit);
            QAction* item = form.squareMenu()->findChild<QAction*>(name);
            if (item == nullptr || !item->isEnabled()) {
                std::fprintf(stderr, "krizovky-screenshot: %s: the menu does not offer it\n",
                             qPrintable(step));
                return false;
            }
            item->trigger();
        }
        return true;
    }
    static const QRegularExpression sizeStep(QStringLiteral(R"(^(\d+)x(\d+)$)"));
    if (const auto match = sizeStep.match(step); match.hasMatch()) {
        form.resize(match.captured(1).toInt(), match.captured(2).toInt());
        return true;
    }
    if (step == QLatin1String("combinations")) {
        form.showCombinations();
        QApplication::processEvents();
        pictured = &application.combinationsWindow();
        return true;
    }
    if (step.startsWith(QLatin1String("print="))) {
        printFile = step.mid(6);
        form.printPage();
        return QFileInfo::exists(printFile);
    }
    if (auto* button = form.findChild<QPushButton*>(step)) {
        if (!button->isVisible()) return false;
        button->click();
        return true;
    }
    if (auto* swatch = form.findChild<QLabel*>(step); swatch && swatch->property("tag").isValid()) {
        if (!swatch->isVisible()) return false;
        form.highlightMark(swatch->property("tag").toInt());
        return true;
    }
    if (auto* action = form.findChild<QAction*>(step)) {
        action->trigger();
        return true;
    }
    return false;
}

// "&Pravidla", "&Text" under "&Editace", "&O hře", "&Výběr úlohy" or "&Formulář",
// and the window it opens.
QWidget* openWindow(Application& application, const QString& name) {
    MainWindow& form = application.mainWindow();
    if (name == QLatin1String("rules")) {
        form.showRules();
        return &application.rulesWindow();
    }
    if (name == QLatin1String("text-editor")) {
        form.showTextEditor();
        return &application.textEditorWindow();
    }
    if (name == QLatin1String("about")) {
        form.showAbout();
        return &application.aboutBox();
    }
    if (name == QLatin1String("task-list")) {
        form.showTaskList();
        return &application.taskListWindow();
    }
    if (name == QLatin1String("results")) {
        form.showResults();
        return &application.resultsWindow();
    }
    if (name == QLatin1String("task-editor")) {
        // A task generated by " generuj vše", with its verdict beside "zpět".
        form.showTaskEditor();
        QWidget& editor = application.taskEditorWindow();
        if (auto* generate = editor.findChild<QPushButton*>(QStringLiteral("generateAllButton")))
            generate->click();
        return &editor;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QLatin1String(argv[1]) == QLatin1String("--window")) {
        QApplication qt(argc, argv);
        QApplication::setApplicationName(QStringLiteral("krizovky"));
        QApplication::setFont(baseFont());
        installCzechTranslations(qt);
        Application application(KRIZOVKY_DATA_DIR "/krizovky", answerUnattended);
        application.show();
        QApplication::processEvents();
        QWidget* window = openWindow(application, QString::fromLocal8Bit(argv[2]));
        if (window == nullptr || !window->isVisible()) {
            std::fprintf(stderr, "krizovky-screenshot: no window \"%s\" to show\n", argv[2]);
            return 1;
        }
        QApplication::processEvents();
        if (!window->grab().save(QString::fromLocal8Bit(argv[3]), "PNG")) {
            std::fprintf(stderr, "krizovky-screenshot: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: krizovky-screenshot OUTPUT.png [TASK NAME [STEP...]]\n"
                     "       krizovky-screenshot --window "
                     "rules|text-editor|about|task-list|task-editor|results OUTPUT.png\n");
        return 2;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krizovky"));
    QApplication::setFont(baseFont());
    installCzechTranslations(qt);

    Application application(KRIZOVKY_DATA_DIR "/krizovky", answerUnattended);
    application.show();
    if (!chooseTask(application, argc >= 3 ? argv[2] : nullptr)) return 1;
    QApplication::processEvents();
    for (int i = 3; i < argc; ++i) {
        if (!play(application, QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "krizovky-screenshot: cannot play step \"%s\"\n", argv[i]);
            return 1;
        }
        QApplication::processEvents();
    }

    const QString output = QString::fromLocal8Bit(argv[1]);
    QWidget* window = pictured ? pictured : &application.mainWindow();
    if (!window->grab().save(output, "PNG")) {
        std::fprintf(stderr, "krizovky-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
