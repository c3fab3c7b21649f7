#include <QApplication>
#include <QIcon>

#include "app/data_files.h"
#include "model/file_storage.h"
#include "ui/application.h"
#include "ui/czech_translations.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krizovky"));
    // The desktop entry the windows belong to, and its icon from the icon
    // theme where the program is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.krizovky.Krizovky"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("krizovky")));
    QApplication::setFont(krizovky::ui::baseFont());
    krizovky::ui::installCzechTranslations(qt);
    krizovky::ui::Application application(krizovky::executablePath());
    application.show();
    return qt.exec();
}
