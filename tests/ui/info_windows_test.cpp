#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "model/file_layer.h"
#include "ui/about_box.h"
#include "ui/rules_window.h"
#include "ui/text_editor_window.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class InfoWindowsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTasks("krizovky.KRI", "@čáp\n0*15\n@dub\n2*15\n");
        std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.PRA", dir.file("krizovky.PRA"));
    }
    void click(QWidget& window, const char* name) {
        control<QAbstractButton>(window, name)->click();
        QApplication::processEvents();
    }
    QStringList items(const char* menu) {
        QStringList names;
        for (QAction* action : control<QMenu>(mainWindow(), menu)->actions())
            names << action->objectName() + QLatin1Char(' ') + action->text();
        return names;
    }
};

TEST_F(InfoWindowsTest, MenusOpenTheWindowsThatStartHidden) {
    start();
    EXPECT_EQ(items("editMenu"),
              (QStringList{"textEditorAction &Text", "taskEditorAction &Formulář"}));
    EXPECT_EQ(items("informationMenu"),
              (QStringList{"rulesAction &Pravidla", "resultsAction &Moje výsledky",
                           "aboutAction &O hře"}));
    QStringList menus;
    for (QAction* menu : mainWindow().menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Hra", "&Volby", "&Informace", "&Pomoc"}));
    EXPECT_FALSE(application->rulesWindow().isVisible());
    EXPECT_FALSE(application->aboutBox().isVisible());
    EXPECT_FALSE(application->textEditorWindow().isVisible());
}

TEST_F(InfoWindowsTest, TextEditorSavesAsksOnLeavingAndTheTaskListFollowsAtOnce) {
    start();
    trigger("chooseTaskAction");
    ui::TextEditorWindow& editor = application->textEditorWindow();
    auto* memo = control<QPlainTextEdit>(editor, "fileText");
    trigger("textEditorAction");
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("@čáp\n0*15\n@dub\n2*15"));

    memo->selectAll();
    memo->insertPlainText(QStringLiteral("@řeka\n0*15\n@dub\n2*15"));
    click(editor, "saveButton");
    const std::string saved = cp1250FromUtf8("@řeka\r\n0*15\r\n@dub\r\n2*15\r\n");
    EXPECT_EQ(readFileBytes(dir.file("krizovky.KRI")), saved);
    EXPECT_EQ(listed(), (QStringList{"dub", "řeka"}));

    // Changes left unsaved: the question, and No keeps the file as saved.
    memo->insertPlainText(QStringLiteral("\n@zahozená"));
    script.answers = {QMessageBox::No};
    click(editor, "okButton");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(
        script.boxes[0].text,
        QStringLiteral("Data byla upravena, ale nebyla dosud uložena. \r\nChcete je uložit?"));
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(readFileBytes(dir.file("krizovky.KRI")), saved);
    trigger("textEditorAction");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("@řeka\n0*15\n@dub\n2*15"));

    // Without a task file "&Text" does nothing.
    editor.close();
    std::filesystem::remove(dir.file("krizovky.KRI"));
    trigger("textEditorAction");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(script.boxes.size(), 1u);
}

TEST_F(InfoWindowsTest, TheDrawnSaveIconIsSharpOnAScaledScreen) {
    start();
    const QIcon icon = control<QToolButton>(application->textEditorWindow(), "saveButton")->icon();
    if (!QIcon::fromTheme(QStringLiteral("document-save")).isNull())
        GTEST_SKIP() << "the icon theme draws the save symbol";
    // A pixmap of its own for twice the pixels, not the small one stretched.
    for (const QSize size : {QSize(20, 20), QSize(40, 40), QSize(60, 60)})
        EXPECT_TRUE(icon.availableSizes().contains(size)) << size.width();
}

TEST_F(InfoWindowsTest, RulesShowTheTextAndADoubleClickHidesThem) {
    start();
    trigger("rulesAction");
    ui::RulesWindow& rules = application->rulesWindow();
    ASSERT_TRUE(rules.isVisible());
    EXPECT_EQ(rules.windowTitle(), QStringLiteral("pravidla"));
    auto* text = control<QPlainTextEdit>(rules, "rulesText");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->document()->blockCount(), 178);
    EXPECT_EQ(text->document()->firstBlock().text(), QStringLiteral("Pravidla: "));

    QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(rules.isVisible());
}

TEST_F(InfoWindowsTest, AboutBoxAnimatesFromItsFourthFrameUntilOk) {
    start();
    trigger("aboutAction");
    ui::AboutBox& about = application->aboutBox();
    ASSERT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.size(), QSize(298, 305));
    EXPECT_EQ(control<QLabel>(about, "version")->text(), QStringLiteral("v 2.0"));
    ui::CrosswordAnimation* animation = about.animation();
    EXPECT_EQ(animation->frame(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(animation->frame(), 4, 3000);

    click(about, "okButton");
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(animation->running());
}

}  // namespace
}  // namespace krizovky::testing
