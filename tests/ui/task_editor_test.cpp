#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "ui/task_editor_window.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class TaskEditorWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTasks("krizovky.KRI", kExampleTask);
        std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.VZR", dir.file("krizovky.VZR"));
        start();
        application->game().tasks().setOwnTaskFilePath(dir.file("data/krizovky/moje_ulohy.kri"));
    }
    QWidget& taskEditorWindow() { return application->taskEditorWindow(); }
    QPushButton* button(const char* name) { return control<QPushButton>(taskEditorWindow(), name); }
    QString cell(int column, int row) {
        return control<QTableWidget>(taskEditorWindow(), "grid")->item(row - 1, column - 1)->text();
    }
};

TEST_F(TaskEditorWindowTest, GeneratedTaskIsSavedAndLoadedBackThroughTheTaskList) {
    trigger("taskEditorAction");
    ASSERT_TRUE(taskEditorWindow().isVisible());
    EXPECT_EQ(taskEditorWindow().windowTitle(), QStringLiteral("definice úlohy"));
    auto* number = control<QLineEdit>(taskEditorWindow(), "numberField");
    EXPECT_EQ(number->text(), QStringLiteral("         1"));
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("12"));
    button("generateAllButton")->click();  // " generuj vše"
    QStringList generated;
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            generated << cell(c, r);
    ASSERT_TRUE(generated.join(QString()).contains(QLatin1Char('/')));

    const QString file = QString::fromStdString(dir.file("krizovky.KRI"));
    script.fileChoices.push_back([&file](QFileDialog& dialog) {
        dialog.selectFile(file);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    button("saveTaskButton")->click();  // "ulož úlohu"
    EXPECT_TRUE(taskEditorWindow().isVisible());
    EXPECT_TRUE(script.boxes.empty());
    auto* verdict = control<QLabel>(taskEditorWindow(), "verdict");
    EXPECT_EQ(verdict->text(), QStringLiteral("uloženo do krizovky.KRI"));
    EXPECT_EQ(verdict->toolTip(), file);

    button("clearButton")->click();  // "vymaž formulář"
    EXPECT_EQ(cell(1, 1), QString());
    button("loadTaskButton")->click();  // "načti úlohu": the task list, for the editor
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    const auto found = list->findItems(QStringLiteral("úloha/12/1"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setCurrentItem(found.first());
    control<QPushButton>(taskListWindow(), "chooseButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(control<QLineEdit>(taskEditorWindow(), "nameField")->text(),
              QStringLiteral("úloha/12/1"));
    // Entry cells come back empty, blank cells as "x", clues as they were.
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c) {
            const QString before = generated[(r - 1) * 15 + c - 1];
            QString expected;  // an entry cell, whatever digit it showed
            if (before.contains(QLatin1Char('/')))
                expected = before;
            else if (before.compare(QStringLiteral("x"), Qt::CaseInsensitive) == 0)
                expected = QStringLiteral("x");
            EXPECT_EQ(cell(c, r), expected) << r << "," << c;
        }
}

TEST_F(TaskEditorWindowTest, CellsShowTwoTwoDigitSumsAndButtonsTheirWholeCaption) {
    trigger("taskEditorAction");
    auto* grid = control<QTableWidget>(taskEditorWindow(), "grid");
    const QFontMetrics metrics(grid->font());
    const int clue = metrics.horizontalAdvance(QStringLiteral("29/10"));
    for (int c = 0; c < 15; ++c)
        EXPECT_GE(grid->columnWidth(c), clue + 8) << c;
    EXPECT_GE(grid->viewport()->width(), grid->horizontalHeader()->length());
    for (auto* button : taskEditorWindow().findChildren<QPushButton*>()) {
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
            << button->text().toStdString();
        EXPECT_LE(button->geometry().right(), taskEditorWindow().width())
            << button->text().toStdString();
    }
}

}  // namespace
}  // namespace krizovky::testing
