#include "ui/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/solver_question_dialog.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// A box wraps its text at spaces only: a long word (a path, a number) would
// widen it past the screen. Such a word gets a zero-width break every so
// many characters.
QString breakableText(const QString& text) {
    constexpr int kLongestUnbroken = 60;
    QString breakable;
    breakable.reserve(text.size());
    int unbroken = 0;
    for (const QChar ch : text) {
        if (ch.isSpace()) {
            unbroken = 0;
        } else if (++unbroken > kLongestUnbroken) {
            breakable += QChar(0x200B);
            unbroken = 1;
        }
        breakable += ch;
    }
    return breakable;
}

// The file dialog with the two checks the game asks for on top of Qt's own:
// the folder of the chosen file must exist, and a file that does not exist is
// taken only after the player agrees to it. Nothing is created here.
class FileChoiceDialog : public QFileDialog {
  public:
    FileChoiceDialog(QWidget* parent, QtHost& host, const FileDialog& request)
        : QFileDialog(parent), host_(host), request_(request) {
        setOption(QFileDialog::DontUseNativeDialog);
        setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // The question before overwriting is asked in Czech below.
        setOption(QFileDialog::DontConfirmOverwrite);
        setWindowTitle(fromUtf8(request.title));
        const QString pattern = fromUtf8(request.filterPattern);
        setNameFilter(QStringLiteral("%1 (%2)").arg(fromUtf8(request.filterName), pattern));
        setDefaultSuffix(fromUtf8(request.defaultExtension));
        if (!request.initialDirectory.empty())
            setDirectory(fromNativePath(request.initialDirectory));
        // A file name with a wildcard says no more than the filter does.
        const QString name = QFileInfo(fromNativePath(request.fileName)).fileName();
        if (!name.isEmpty() && !name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
            selectFile(fromNativePath(request.fileName));
    }

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.first());
            if (chosen.exists() && request_.forSaving &&
                host_.showBox(
                    this, QMessageBox::Question, windowTitle(),
                    QStringLiteral("Soubor %1 již existuje. Přepsat jej?").arg(chosen.fileName()),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
                return;
            if (!chosen.exists() && request_.fileMustExist) {
                host_.showBox(this, QMessageBox::Warning, windowTitle(),
                              QStringLiteral("Soubor %1 neexistuje.").arg(chosen.fileName()),
                              QMessageBox::Ok);
                return;
            }
            if (!chosen.exists()) {
                if (request_.pathMustExist && !chosen.absoluteDir().exists()) {
                    host_.showBox(this, QMessageBox::Warning, windowTitle(),
                                  QStringLiteral("Složka %1 neexistuje.")
                                      .arg(QDir::toNativeSeparators(chosen.absolutePath())),
                                  QMessageBox::Ok);
                    return;
                }
                if (request_.promptToCreate &&
                    host_.showBox(this, QMessageBox::Question, windowTitle(),
                                  QStringLiteral("Soubor %1 neexistuje. Vytvořit jej?")
                                      .arg(chosen.fileName()),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
                    return;
            }
        }
        QFileDialog::accept();
    }

  private:
    QtHost& host_;
    FileDialog request_;
};

}  // namespace

QtHost::QtHost(ModalRunner runner) : runner_(std::move(runner)) {}

QWidget* QtHost::defaultParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return mainWindow_;
}

void QtHost::runModal(QDialog& dialog) {
    if (onModal_) onModal_(true);
    if (runner_)
        runner_(dialog);
    else
        dialog.exec();
    if (onModal_) onModal_(false);
}

QMessageBox::StandardButton QtHost::showBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    // The board behind the box shows what the game has done so far (the
    // digit that completed it, the squares the completion filled).
    if (mainWindow_) mainWindow_->showScreen();
    QMessageBox box(icon, caption, breakableText(text), buttons, parent ? parent : defaultParent());
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    runModal(box);
    if (box.clickedButton() == nullptr) return QMessageBox::NoButton;
    return box.standardButton(box.clickedButton());
}

bool QtHost::answerRequests(Requests& requests) {
    if (answering_ || requests.pending() == nullptr) return false;
    answering_ = true;
    while (const Request* request = requests.pending())
        answerRequest(requests, Request(*request));
    answering_ = false;
    return true;
}

void QtHost::requestPosted(Requests& requests) {
    // The window that made the call shows the request when the call has
    // returned; this is for a request that no window's call made.
    if (lookScheduled_ || mainWindow_ == nullptr || !onLateRequest_) return;
    lookScheduled_ = true;
    QTimer::singleShot(0, mainWindow_, [this, &requests] {
        lookScheduled_ = false;
        if (requests.pending() != nullptr) onLateRequest_();
    });
}

void QtHost::showMessage(std::string_view text) {
    showBox(nullptr, QMessageBox::NoIcon, MainWindow::caption(), fromUtf8(text), QMessageBox::Ok);
}

void QtHost::showFailure(std::string_view text) {
    showBox(nullptr, QMessageBox::Critical, MainWindow::caption(), fromUtf8(text), QMessageBox::Ok);
}

void QtHost::answerRequest(Requests& requests, const Request& request) {
    const QString text = fromUtf8(request.text);
    const QString caption = MainWindow::caption();
    switch (request.kind) {
        case RequestKind::kMessage:
            showMessage(request.text);
            requests.dismiss();
            return;
        case RequestKind::kError:
            showBox(nullptr, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
            requests.dismiss();
            return;
        case RequestKind::kFailure:
            showFailure(request.text);
            requests.dismiss();
            return;
        case RequestKind::kYesNo:
            requests.answer(showBox(nullptr, QMessageBox::Question, caption, text,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                                ? Answer::kYes
                                : Answer::kNo);
            return;
        case RequestKind::kYesNoCancel:
            switch (showBox(nullptr, QMessageBox::Question, caption, text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
                case QMessageBox::Yes:
                    requests.answer(Answer::kYes);
                    return;
                case QMessageBox::No:
                    requests.answer(Answer::kNo);
                    return;
                default:
                    requests.answer(Answer::kCancel);
                    return;
            }
        case RequestKind::kSolverQuestion: {
            bool confirmed = false;
            if (solverQuestion_ != nullptr) {
                runModal(*solverQuestion_);
                confirmed = solverQuestion_->result() == QDialog::Accepted;
            }
            requests.answer(confirmed ? Answer::kYes : Answer::kNo);
            return;
        }
        case RequestKind::kFile:
            requests.answerFile(chooseFile(request.dialog));
            return;
    }
}

std::optional<std::string> QtHost::chooseFile(const FileDialog& request) {
    FileChoiceDialog dialog(defaultParent(), *this, request);
    runModal(dialog);
    if (dialog.result() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return toNativePath(files.first());
}

void QtHost::repaintSquare(int row, int column) {
    if (mainWindow_) mainWindow_->repaintSquare(row, column);
}

void QtHost::repaintGauge() {
    if (mainWindow_) mainWindow_->repaintGauge();
}

void QtHost::copyToClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(fromUtf8(text));
}

}  // namespace krizovky::ui
