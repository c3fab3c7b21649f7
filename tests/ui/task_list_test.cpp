#include <QLabel>
#include <QPushButton>
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
        auto* list = control<QListWidget>(form2(), "ListBox1");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }
    void doubleClickName(const QString& name) {
        auto* list = control<QListWidget>(form2(), "ListBox1");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        // A real double click reaches the list as a click and a double click.
        const QPoint where = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
    }
    QLabel* label20() { return control<QLabel>(form1(), "Label20"); }
    void activate(QWidget& window) {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activation);
        QApplication::processEvents();
    }
};

TEST_F(TaskListTest, MenuShowsTheNamesInCzechOrderWithDuplicates) {
    if (!czechCollationAvailable()) GTEST_SKIP() << "no Czech collation on this system";
    start();
    EXPECT_FALSE(form2().isVisible());

    trigger("H2");  // "&Výběr úlohy"
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().windowTitle(), QStringLiteral("výběr úlohy"));
    EXPECT_TRUE(form2().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form2().isModal());
    EXPECT_EQ(listed(), (QStringList{"cesta", "čáp", "dub", "dub", "hora", "chata"}));
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(TaskListTest, ListReadsTheFileAgainOnEachOpeningAndActivation) {
    start();
    trigger("H2");
    control<QPushButton>(form2(), "Button2")->click();
    writeTasks("krizovky.KRI", "@nová\n0*15\n");
    trigger("H2");
    EXPECT_EQ(listed(), QStringList{"nová"});

    writeTasks("krizovky.KRI", "@jiná\n0*15\n@nová\n0*15\n");
    activate(form2());
    EXPECT_EQ(listed(), (QStringList{"jiná", "nová"}));
}

TEST_F(TaskListTest, ClickShowsTheNameAndVybranoLoadsIt) {
    start();
    trigger("H2");
    clickName("čáp");
    EXPECT_EQ(control<QLabel>(form2(), "Label1")->text(), QStringLiteral("čáp"));
    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().findChild<QWidget*>("Panel1")->isVisible());

    QTest::mouseClick(control<QPushButton>(form2(), "Button1"), Qt::LeftButton);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_TRUE(form1().findChild<QWidget*>("Panel1")->isVisible());
    EXPECT_TRUE(label20()->isVisible());
    EXPECT_EQ(label20()->text(), QStringLiteral("  čáp  "));
}

TEST_F(TaskListTest, DoubleClickAndTheNameLabelChooseLikeVybrano) {
    start();
    trigger("H2");
    doubleClickName("hora");
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(label20()->text(), QStringLiteral("  hora  "));

    trigger("H2");
    clickName("cesta");
    QTest::mouseClick(control<QLabel>(form2(), "Label1"), Qt::LeftButton);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(label20()->text(), QStringLiteral("  cesta  "));
}

TEST_F(TaskListTest, VybranoWithoutANameDoesNothing) {
    start();
    trigger("H2");
    QTest::mouseClick(control<QPushButton>(form2(), "Button1"), Qt::LeftButton);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().findChild<QWidget*>("Panel1")->isVisible());
}

TEST_F(TaskListTest, ZrusHidesTheListAndTheNameButKeepsTheBoard) {
    start();
    trigger("H2");
    doubleClickName("dub");  // the second "dub" is all entry squares, the first all blank
    ASSERT_TRUE(form1().findChild<QWidget*>("Panel1")->isVisible());
    EXPECT_TRUE(label20()->isVisible());

    trigger("H2");
    EXPECT_FALSE(label20()->isVisible());
    QTest::mouseClick(control<QPushButton>(form2(), "Button2"), Qt::LeftButton);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_FALSE(label20()->isVisible());
    EXPECT_TRUE(form1().findChild<QWidget*>("Panel1")->isVisible());
    EXPECT_TRUE(form1().square(1, 1)->isHidden());
}

TEST_F(TaskListTest, ClosingTheWindowHidesItUntilTheMenuOpensItAgain) {
    start();
    trigger("H2");
    clickName("hora");
    form2().close();
    QApplication::processEvents();
    EXPECT_FALSE(form2().isVisible());
    EXPECT_FALSE(application->game().taskListScreen().visible);

    trigger("H2");
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(listed().size(), 6);
}

TEST_F(TaskListTest, EscapeClosesTheListLikeItsCloseButton) {
    start();
    trigger("H2");
    auto* list = control<QListWidget>(form2(), "ListBox1");
    list->setFocus();
    QTest::keyClick(form2().windowHandle(), Qt::Key_Down);  // the list's own key: a name
    EXPECT_FALSE(control<QLabel>(form2(), "Label1")->text().isEmpty());
    EXPECT_TRUE(form2().isVisible());

    QTest::keyClick(form2().windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_FALSE(application->game().taskListScreen().visible);
    EXPECT_FALSE(form1().findChild<QWidget*>("Panel1")->isVisible());
}

TEST_F(TaskListTest, ANameWiderThanTheListShowsWholeInATip) {
    const QString longName = QStringLiteral("velmi dlouhé jméno úlohy 15×15");
    writeTasks("krizovky.KRI", "@hora\n0*15\n@" + longName.toStdString() + "\n0*15\n");
    start();
    trigger("H2");
    auto* list = control<QListWidget>(form2(), "ListBox1");
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
}

// The shipped collection is named to be read without tips.
TEST_F(TaskListTest, EveryShippedNameFitsTheList) {
    std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.KRI", dir.file("krizovky.KRI"),
                               std::filesystem::copy_options::overwrite_existing);
    start();
    trigger("H2");
    auto* list = control<QListWidget>(form2(), "ListBox1");
    ASSERT_GE(list->count(), 61);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_LE(list->item(i)->sizeHint().width(), list->viewport()->width())
            << list->item(i)->text().toStdString();
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
    trigger("H2");
    activate(form2());
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, QStringLiteral("File not found"));
    EXPECT_TRUE(listed().isEmpty());
}

}  // namespace
}  // namespace krizovky::testing
