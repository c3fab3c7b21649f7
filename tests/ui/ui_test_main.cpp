#include <gtest/gtest.h>

#include <QApplication>

#include "ui/czech_translations.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    // The windows are tested off screen; the test list is also asked for at
    // build time, where no display need exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QApplication::setFont(krizovky::ui::baseFont());
    krizovky::ui::installCzechTranslations(qt);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
