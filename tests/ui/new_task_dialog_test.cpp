#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QToolTip>
#include <filesystem>

#include "history/results_record.h"
#include "ui/new_task_dialog.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class NewTaskDialogTest : public ExampleGameTest {
  protected:
    void SetUp() override {
        ExampleGameTest::SetUp();
        application->game().tasks().setOwnTaskFilePath(ownFile);
    }
    QDialog& dialog() { return application->newTaskDialog(); }
    // "&Nová úloha…", then a medium task of the small size and number 12
    // chosen as the player does it, and "vytvoř".
    void create() {
        trigger("newTaskAction");
        ASSERT_TRUE(dialog().isVisible());
        control<QRadioButton>(dialog(), "mediumGrade")->click();
        auto* size = control<QComboBox>(dialog(), "sizeChoice");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Up);  // "střední" to "malá"
        control<QSpinBox>(dialog(), "numberField")->setValue(12);
        control<QPushButton>(dialog(), "createButton")->click();
    }
    QString taskName() { return control<QLabel>(mainWindow(), "taskName")->text().trimmed(); }

    std::string ownFile = dir.file("data/krizovky/moje_ulohy.kri");
};

TEST_F(NewTaskDialogTest, TheTaskMadeIsLoadedAndListedAmongTheOwnTasks) {
    create();
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("nová úloha"));
    EXPECT_EQ(dialog().windowModality(), Qt::ApplicationModal);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog().isVisible(); }, 10000));
    EXPECT_EQ(taskName(), QStringLiteral("S 8 12"));
    EXPECT_EQ(digits(), QStringLiteral("    "));  // a fresh board
    EXPECT_TRUE(std::filesystem::exists(ownFile));
    EXPECT_TRUE(script.boxes.empty());

    // The list opens on "moje úlohy"; the name fits and its tip tells all.
    trigger("chooseTaskAction");
    EXPECT_EQ(control<QTabBar>(taskListWindow(), "fileSwitch")->currentIndex(), 1);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("S 8 12")});
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    EXPECT_LE(list->item(0)->sizeHint().width(), list->viewport()->width());
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("střední, malá 8 × 8, číslo 12"));
    QToolTip::hideText();

    // The collection is one click away.
    control<QTabBar>(taskListWindow(), "fileSwitch")->setCurrentIndex(0);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("priklad")});
}

TEST_F(NewTaskDialogTest, CancelLeavesTheBoardAsItWas) {
    create();
    control<QPushButton>(dialog(), "cancelButton")->click();
    EXPECT_FALSE(dialog().isVisible());
    QTest::qWait(100);
    EXPECT_EQ(taskName(), QStringLiteral("priklad"));
    EXPECT_FALSE(std::filesystem::exists(ownFile));
}

// "Úloha dne" needs no dialog: the day's task is made, kept and loaded.
TEST_F(NewTaskDialogTest, TheTaskOfTheDayComesStraightOntoTheBoard) {
    trigger("dailyTaskAction");
    EXPECT_FALSE(dialog().isVisible());
    const QString today = QString::fromStdString("den " + localTimeNow().substr(0, 10));
    ASSERT_TRUE(QTest::qWaitFor([&] { return taskName() == today; }, 10000));
    EXPECT_FALSE(application->game().newTasks().newTaskScreen().working);
    EXPECT_NE(mainWindow().cursor().shape(), Qt::BusyCursor);  // no longer busy
    EXPECT_TRUE(std::filesystem::exists(ownFile));
    EXPECT_TRUE(script.boxes.empty());
}

}  // namespace
}  // namespace krizovky::testing
