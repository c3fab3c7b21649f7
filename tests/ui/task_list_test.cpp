#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <filesystem>

#include "model/task_list.h"
#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

// Names whose Czech order ("č" after "c", "ch" after "h") differs from the
// order of their characters.
const char* kNamedTasks =
    "@hora\n0*15\n"
    "@dub\n0*15\n"
    "@chata\n0*15\n"
    "@čáp\n0*15\n"
    "@cesta\n0*15\n"
    "@dub\n2*15\n";

class TaskListTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTasks("krizovky.KRI", kNamedTasks);
    }

    void clickName(const QString& name) {
        auto* list = control<QListWidget>(taskListWindow(), "nameList");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }
    void doubleClickName(const QString& name) {
        auto* list = control<QListWidget>(taskListWindow(), "nameList");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        // A real double click reaches the list as a click and a double click.
        const QPoint where = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
    }
    QLabel* taskNameLabel() { return control<QLabel>(mainWindow(), "taskName"); }
    void activate(QWidget& window) {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activation);
        QApplication::processEvents();
    }
};

TEST_F(TaskListTest, MenuShowsTheNamesInCzechOrderWithDuplicates) {
    if (!czechCollationAvailable()) GTEST_SKIP() << "no Czech collation on this system";
    start();
    EXPECT_FALSE(taskListWindow().isVisible());

    trigger("chooseTaskAction");  // "&Výběr úlohy"
    EXPECT_TRUE(taskListWindow().isVisible());
    EXPECT_EQ(taskListWindow().windowTitle(), QStringLiteral("výběr úlohy"));
    EXPECT_TRUE(taskListWindow().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(taskListWindow().isModal());
    EXPECT_EQ(listed(), (QStringList{"cesta", "čáp", "dub", "dub", "hora", "chata"}));
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(TaskListTest, ListReadsTheFileAgainOnEachOpeningAndActivation) {
    start();
    trigger("chooseTaskAction");
    control<QPushButton>(taskListWindow(), "cancelButton")->click();
    writeTasks("krizovky.KRI", "@nová\n0*15\n");
    trigger("chooseTaskAction");
    EXPECT_EQ(listed(), QStringList{"nová"});

    writeTasks("krizovky.KRI", "@jiná\n0*15\n@nová\n0*15\n");
    activate(taskListWindow());
    EXPECT_EQ(listed(), (QStringList{"jiná", "nová"}));
}

TEST_F(TaskListTest, ClickShowsTheNameAndVybranoLoadsIt) {
    start();
    trigger("chooseTaskAction");
    clickName("čáp");
    EXPECT_EQ(control<QLabel>(taskListWindow(), "chosenName")->text(), QStringLiteral("čáp"));
    EXPECT_TRUE(taskListWindow().isVisible());
    EXPECT_FALSE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());

    QTest::mouseClick(control<QPushButton>(taskListWindow(), "chooseButton"), Qt::LeftButton);
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_TRUE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());
    EXPECT_TRUE(taskNameLabel()->isVisible());
    // A task of squares without clues: what is wrong with it follows the name.
    EXPECT_TRUE(taskNameLabel()->text().startsWith(QStringLiteral("  čáp – ")));
}

TEST_F(TaskListTest, DoubleClickAndTheNameLabelChooseLikeVybrano) {
    start();
    trigger("chooseTaskAction");
    doubleClickName("hora");
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_TRUE(taskNameLabel()->text().startsWith(QStringLiteral("  hora – ")));

    trigger("chooseTaskAction");
    clickName("cesta");
    QTest::mouseClick(control<QLabel>(taskListWindow(), "chosenName"), Qt::LeftButton);
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_TRUE(taskNameLabel()->text().startsWith(QStringLiteral("  cesta – ")));
}

TEST_F(TaskListTest, VybranoWithoutANameDoesNothing) {
    start();
    trigger("chooseTaskAction");
    QTest::mouseClick(control<QPushButton>(taskListWindow(), "chooseButton"), Qt::LeftButton);
    EXPECT_TRUE(taskListWindow().isVisible());
    EXPECT_FALSE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());
}

TEST_F(TaskListTest, ZrusHidesTheListAndTheNameButKeepsTheBoard) {
    start();
    trigger("chooseTaskAction");
    doubleClickName("dub");  // the second "dub" is all entry squares, the first all blank
    ASSERT_TRUE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());
    EXPECT_TRUE(taskNameLabel()->isVisible());

    trigger("chooseTaskAction");
    EXPECT_FALSE(taskNameLabel()->isVisible());
    QTest::mouseClick(control<QPushButton>(taskListWindow(), "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_FALSE(taskNameLabel()->isVisible());
    EXPECT_TRUE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());
    EXPECT_TRUE(mainWindow().square(1, 1)->isHidden());
}

TEST_F(TaskListTest, ClosingTheWindowHidesItUntilTheMenuOpensItAgain) {
    start();
    trigger("chooseTaskAction");
    clickName("hora");
    taskListWindow().close();
    QApplication::processEvents();
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_FALSE(application->game().tasks().taskListScreen().visible);

    trigger("chooseTaskAction");
    EXPECT_TRUE(taskListWindow().isVisible());
    EXPECT_EQ(listed().size(), 6);
}

TEST_F(TaskListTest, EscapeClosesTheListLikeItsCloseButton) {
    start();
    trigger("chooseTaskAction");
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    list->setFocus();
    QTest::keyClick(taskListWindow().windowHandle(), Qt::Key_Down);  // the list's own key: a name
    EXPECT_FALSE(control<QLabel>(taskListWindow(), "chosenName")->text().isEmpty());
    EXPECT_TRUE(taskListWindow().isVisible());

    QTest::keyClick(taskListWindow().windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(taskListWindow().isVisible());
    EXPECT_FALSE(application->game().tasks().taskListScreen().visible);
    EXPECT_FALSE(mainWindow().findChild<QWidget*>("boardPanel")->isVisible());
}

TEST_F(TaskListTest, ANameWiderThanTheListIsCutInItsMiddleAndShowsWholeInATip) {
    const QString longName = QStringLiteral("velmi dlouhé jméno úlohy 15×15");
    writeTasks("krizovky.KRI", "@hora\n0*15\n@" + longName.toStdString() + "\n0*15\n");
    start();
    trigger("chooseTaskAction");
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    // The tip the list shows with the pointer resting on the name.
    auto tipOn = [list](const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) return QStringLiteral("no such name");
        const QPoint at(list->viewport()->width() / 2, list->visualItemRect(found[0]).center().y());
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipOn(QStringLiteral("hora")), QString());
    EXPECT_EQ(tipOn(longName), longName);
    QToolTip::hideText();
    // The row stays within the list, which elides what does not fit.
    const auto found = list->findItems(longName, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_LE(list->visualItemRect(found[0]).right(), list->viewport()->rect().right());
    EXPECT_EQ(list->textElideMode(), Qt::ElideMiddle);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
}

TEST_F(TaskListTest, ATaskLeftInProgressIsMarkedWithItsTimeInTheTip) {
    writeTasks("krizovky.KRI", "@hora\n" + std::string(kExampleTask + 9) + "@dub\n" +
                                   std::string(kExampleTask + 9));
    start();
    // The window's clock runs on a time the test moves.
    // (Shared: the clock may read it while the program closes.)
    auto now = std::make_shared<PlayClock::Milliseconds>(0);
    PlayClock& clock = application->game().persistence().playClock();
    clock.useTimeSource([now] { return *now; });
    choose(QStringLiteral("hora"));
    clock.setWindowActive(true);
    application->game().moves().toggleNote(2, 2, 1);
    *now += 56'000;
    choose(QStringLiteral("dub"));
    trigger("chooseTaskAction");
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    // Blue where the name's mark stands, before the name.
    auto marked = [list](const QString& name) {
        const QRect row = list->visualItemRect(list->findItems(name, Qt::MatchExactly).value(0));
        const QImage picture = list->viewport()->grab().toImage();
        for (int x = row.left(); x < row.left() + 14; ++x)
            for (int y = row.top(); y <= row.bottom(); ++y) {
                const QColor colour = picture.pixelColor(x, y);
                if (colour.blue() > 150 && colour.red() < 100 && colour.green() < 130) return true;
            }
        return false;
    };
    EXPECT_TRUE(marked(QStringLiteral("hora")));
    EXPECT_FALSE(marked(QStringLiteral("dub")));
    const auto found = list->findItems(QStringLiteral("hora"), Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty());
    const QPoint at = list->visualItemRect(found[0]).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(),
              QStringLiteral("rozehráno 0:56"));
    QToolTip::hideText();
}

// The shipped collection is named to be read without tips.
TEST_F(TaskListTest, EveryShippedNameFitsTheList) {
    std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.KRI", dir.file("krizovky.KRI"),
                               std::filesystem::copy_options::overwrite_existing);
    start();
    trigger("chooseTaskAction");
    auto* list = control<QListWidget>(taskListWindow(), "nameList");
    ASSERT_GE(list->count(), 61);
    // The role after Qt::UserRole holds the width a row needs to show its
    // name whole, beside the mark.
    for (int i = 0; i < list->count(); ++i)
        EXPECT_LE(list->item(i)->data(Qt::UserRole + 1).toInt(), list->viewport()->width())
            << list->item(i)->text().toStdString();
}

TEST_F(TaskListTest, AFileWithoutTasksSaysSoInTheList) {
    writeTasks("krizovky.KRI", "");
    start();
    trigger("chooseTaskAction");
    auto* words = control<QLabel>(taskListWindow(), "emptyListText");
    ASSERT_NE(words, nullptr);
    EXPECT_TRUE(words->isVisible());
    EXPECT_EQ(words->text(), QStringLiteral("V souboru nejsou žádné úlohy."));

    writeTasks("krizovky.KRI", kNamedTasks);
    control<QPushButton>(taskListWindow(), "cancelButton")->click();
    trigger("chooseTaskAction");
    EXPECT_FALSE(words->isVisible());
    EXPECT_FALSE(listed().isEmpty());
}

TEST_F(TaskListTest, MissingTaskFileIsReportedAtStartAndOnEachOpening) {
    std::filesystem::remove(dir.file("krizovky.KRI"));
    start();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, QStringLiteral("File not found"));
    EXPECT_EQ(script.boxes[0].caption, QStringLiteral("součtové křížovky"));
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Ok);

    // The list window becomes active again when the box closes; that refill
    // is silent, so the box does not come back.
    trigger("chooseTaskAction");
    activate(taskListWindow());
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, QStringLiteral("File not found"));
    EXPECT_TRUE(listed().isEmpty());
}

}  // namespace
}  // namespace krizovky::testing
