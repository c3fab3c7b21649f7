#include <QHeaderView>
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
    }
    QWidget& form5() { return application->taskEditor(); }
    QPushButton* button(const char* name) { return control<QPushButton>(form5(), name); }
    QString cell(int column, int row) {
        return control<QTableWidget>(form5(), "StringGrid1")->item(row - 1, column - 1)->text();
    }
};

TEST_F(TaskEditorWindowTest, GeneratedTaskIsSavedAndLoadedBackThroughTheTaskList) {
    trigger("F1");
    ASSERT_TRUE(form5().isVisible());
    EXPECT_EQ(form5().windowTitle(), QStringLiteral("definice úlohy"));
    auto* number = control<QLineEdit>(form5(), "Edit2");
    EXPECT_EQ(number->text(), QStringLiteral("         1"));
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("12"));
    button("Button5")->click();  // " generuj vše"
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
    button("Button1")->click();  // "ulož úlohu"
    EXPECT_FALSE(form5().isVisible());
    EXPECT_TRUE(script.boxes.empty());

    trigger("F1");
    button("Button3")->click();  // "vymaž formulář"
    EXPECT_EQ(cell(1, 1), QString());
    button("Button7")->click();  // "načti úlohu": the task list, for the editor
    auto* list = control<QListWidget>(form2(), "ListBox1");
    const auto found = list->findItems(QStringLiteral("úloha/12/1"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setCurrentItem(found.first());
    control<QPushButton>(form2(), "Button1")->click();
    QApplication::processEvents();
    EXPECT_EQ(control<QLineEdit>(form5(), "Edit1")->text(), QStringLiteral("úloha/12/1"));
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
    trigger("F1");
    auto* grid = control<QTableWidget>(form5(), "StringGrid1");
    const QFontMetrics metrics(grid->font());
    const int clue = metrics.horizontalAdvance(QStringLiteral("29/10"));
    for (int c = 0; c < 15; ++c)
        EXPECT_GE(grid->columnWidth(c), clue + 8) << c;
    EXPECT_GE(grid->viewport()->width(), grid->horizontalHeader()->length());
    for (auto* button : form5().findChildren<QPushButton*>()) {
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
            << button->text().toStdString();
        EXPECT_LE(button->geometry().right(), form5().width()) << button->text().toStdString();
    }
}

}  // namespace
}  // namespace krizovky::testing
