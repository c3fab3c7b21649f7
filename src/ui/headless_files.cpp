#include "ui/headless_files.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "ui/board_export.h"

namespace krizovky::ui {
namespace {

// The offscreen platform warns of a missing XDG_RUNTIME_DIR that it never
// uses here; every other message of Qt goes to standard error as usual.
void passQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
}

// Qt draws text only inside an application; the offscreen platform needs no
// display.
std::unique_ptr<QGuiApplication> headlessApplication() {
    qInstallMessageHandler(passQtMessage);
    static char name[] = "krizovky-tool";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    static int argc = 3;
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::string bytesOf(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::string headlessBoardFile(FileKind kind, const BoardPicture& picture, const PageStyle& style) {
    const auto application = headlessApplication();
    return bytesOf(boardFile(kind, picture, style));
}

std::string headlessBookletPdf(const std::vector<PrintedTask>& tasks, const BookletStyle& style) {
    const auto application = headlessApplication();
    return bytesOf(bookletPdf(tasks, style));
}

}  // namespace krizovky::ui
