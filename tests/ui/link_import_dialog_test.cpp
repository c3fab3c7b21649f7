#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/link_import_dialog.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

using LinkMenuTest = ExampleGameTest;

TEST_F(LinkMenuTest, ALinkFromTheClipboardIsKeptLoadedAndCopiedBack) {
    application->game().tasks().setOwnTaskFilePath(dir.file("moje_ulohy.kri"));
    const QString link = QStringLiteral("https://puzz.link/p?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3");
    QGuiApplication::clipboard()->setText(link);
    trigger("importLinkAction");
    QDialog& dialog = application->linkImportDialog();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "linkField")->toPlainText(), link);
    auto* name = control<QLineEdit>(dialog, "nameField");
    EXPECT_EQ(name->text(), QStringLiteral("odkaz 6x6"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("sobota"));
    control<QPushButton>(dialog, "importButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(control<QLabel>(mainWindow(), "taskName")->text().trimmed(),
              QStringLiteral("sobota"));

    QGuiApplication::clipboard()->clear();
    trigger("copyLinkAction");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), link);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, QStringLiteral("Odkaz na úlohu je ve schránce:\n") + link);
}

}  // namespace
}  // namespace krizovky::testing
