// Writes a picture of the main window with a task of the build's task file on
// the board: krizovky-screenshot OUTPUT.png [TASK NAME]. Without a name the
// first task of the list is taken.

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <cstdio>

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/task_list_dialog.h"
#include "ui/text_convert.h"

namespace {

// Nobody is there to answer: a box is printed and closed.
void answerUnattended(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        std::fprintf(stderr, "krizovky-screenshot: box \"%s\"\n", qPrintable(box->text()));
        QAbstractButton* button = box->escapeButton();
        if (button == nullptr) button = box->buttons().value(0);
        if (button) button->click();
        return;
    }
    dialog.reject();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: krizovky-screenshot OUTPUT.png [TASK NAME]\n");
        return 2;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krizovky"));
    QApplication::setFont(krizovky::ui::baseFont());

    using namespace krizovky::ui;
    Application application(KRIZOVKY_DATA_DIR "/krizovky", answerUnattended);
    application.show();

    // The player's way: "&Výběr úlohy", a click on the name, " vybráno".
    application.mainWindow().N1Click();
    const auto& names = application.game().taskListScreen().items;
    if (names.empty()) {
        std::fprintf(stderr, "krizovky-screenshot: the task file lists no task\n");
        return 1;
    }
    int row = 0;
    if (argc == 3) {
        const std::string wanted = toCp1250(QString::fromLocal8Bit(argv[2]));
        row = -1;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == wanted) row = static_cast<int>(i);
        if (row < 0) {
            std::fprintf(stderr, "krizovky-screenshot: no task \"%s\"\n", argv[2]);
            return 1;
        }
    }
    auto* list = application.taskList().findChild<QListWidget*>(QStringLiteral("ListBox1"));
    list->setCurrentRow(row);
    application.taskList().Button1Click();
    QApplication::processEvents();

    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!application.mainWindow().grab().save(output, "PNG")) {
        std::fprintf(stderr, "krizovky-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
