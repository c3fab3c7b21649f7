// The main window's boards on paper and in files: "&Tisk…", "&Export…" and
// "&Sešit úloh…" of "&Hra", drawn by the pages of board_export.h.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "app/game_printout.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "ui/board_export.h"
#include "ui/board_output_dialog.h"
#include "ui/booklet_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// A file dialog for writing a picture or a booklet: in the player's documents
// (the program's folder is no place for them), under a name made of the
// task's or the task file's name.
FileDialog outputFileDialog(const QString& title, const QString& baseName, bool pdfOnly) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString name = baseName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty()) name = QStringLiteral("krizovka");
    FileDialog dialog;
    dialog.title = title.toStdString();
    dialog.filterName = pdfOnly ? "PDF" : "PDF, SVG, PNG";
    dialog.filterPattern = pdfOnly ? "*.pdf" : "*.pdf *.svg *.png";
    dialog.defaultExtension = "pdf";
    dialog.initialDirectory = toNativePath(folder + QLatin1Char('/'));
    dialog.fileName = toNativePath(folder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
    dialog.forSaving = true;
    return dialog;
}

// The file written through the replacing write: a failure leaves an earlier
// file whole and is reported with the system's text.
void writeOutput(QtHost& host, const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        host.showFailure("Obrázek se nepodařilo nakreslit.");
        return;
    }
    try {
        writeFileReplacing(path, std::string_view(bytes.constData(), bytes.size()));
    } catch (const RunError& e) {
        host.showFailure(e.what());
    }
}

}  // namespace

void MainWindow::createOutputItems(QMenu* game) {
    boardOutputItems_ = {
        addItem(game, "printAction", QStringLiteral("&Tisk…"), &MainWindow::printPage),
        addItem(game, "exportAction", QStringLiteral("&Export…"), &MainWindow::exportPage)};
    boardOutputItems_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(game, "bookletAction", QStringLiteral("&Sešit úloh…"), &MainWindow::makeBooklet);
    game->addSeparator()->setObjectName(QStringLiteral("outputSeparator"));
}

void MainWindow::printPage() {
    const auto printout = printoutOfGame(game_);
    if (!printout || !host_) return;
    BoardOutputDialog choice(this, QStringLiteral("Tisk"),
                             printout->offers(PrintedContent::kSolution), false);
    host_->runModal(choice);
    if (choice.result() != QDialog::Accepted) return;
    const BoardPicture& picture = printout->picture(choice.content());

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fromUtf8(picture.caption));
    QPrintDialog dialog(&printer, this);
    host_->runModal(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    PageStyle style;
    if (printer.pageLayout().pageSize().id() == QPageSize::Letter) style.paper = Paper::kLetter;
    printBoard(printer, picture, style);
    if (printer.printerState() == QPrinter::Error) host_->showFailure("Tisk se nepodařil.");
}

void MainWindow::exportPage() {
    const auto printout = printoutOfGame(game_);
    if (!printout || !host_) return;
    BoardOutputDialog choice(this, QStringLiteral("Export"),
                             printout->offers(PrintedContent::kSolution), true);
    host_->runModal(choice);
    if (choice.result() != QDialog::Accepted) return;
    const auto path = host_->chooseFile(
        outputFileDialog(QStringLiteral("Export"), fromCp1250(printout->task.name), false));
    if (!path) return;
    const auto kind = fileKindOf(*path);
    if (!kind) {
        host_->showFailure("Soubor " + QFileInfo(fromNativePath(*path)).fileName().toStdString() +
                           " nelze zapsat: obrázek desky umím uložit jen do souboru .pdf, .svg "
                           "nebo .png.");
        return;
    }
    PageStyle style;
    style.paper = choice.paper();
    style.dpi = choice.dpi();
    writeOutput(*host_, *path, boardFile(*kind, printout->picture(choice.content()), style));
}

void MainWindow::makeBooklet() {
    if (!host_) return;
    const QString taskFile = fromNativePath(game_.tasks().taskFilePath());
    std::vector<TaskOfFile> tasks;
    try {
        tasks = readTasksOfFile(game_.storage(), game_.tasks().taskFilePlace(),
                                game_.tasks().taskFilePath());
    } catch (const RunError& e) {
        host_->showFailure(e.what());
        return;
    }
    if (tasks.empty()) {
        host_->showMessage("V souboru úloh není žádná úloha.");
        return;
    }
    BookletDialog choice(this, tasks, QFileInfo(taskFile).fileName());
    host_->runModal(choice);
    if (choice.result() != QDialog::Accepted || choice.chosen().empty()) return;
    const auto path = host_->chooseFile(outputFileDialog(
        QStringLiteral("Sešit úloh"), QFileInfo(taskFile).completeBaseName(), true));
    if (!path) return;
    if (fileKindOf(*path) != FileKind::kPdf) {
        host_->showFailure("Soubor " + QFileInfo(fromNativePath(*path)).fileName().toStdString() +
                           " nelze zapsat: sešit úloh je soubor .pdf.");
        return;
    }
    // The solvers grade every task: a moment for a whole file.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const BookletStyle style{PageStyle{}, choice.perPage(), choice.solutions()};
    const QByteArray bytes =
        bookletPdf(printedTasks(tasks, choice.chosen(), game_.combinations()), style);
    QApplication::restoreOverrideCursor();
    writeOutput(*host_, *path, bytes);
}

}  // namespace krizovky::ui
