#include <QApplication>

#include "app/data_files.h"
#include "ui/application.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krizovky"));
    QApplication::setFont(krizovky::ui::baseFont());
    krizovky::ui::Application application(krizovky::executablePath());
    application.show();
    return qt.exec();
}
