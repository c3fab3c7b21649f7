// "Tabulka kombinací" of "&Pomoc" in the real window: it opens on the selected
// square's across run, its buttons and choices reach the game's filter, its
// run buttons follow the square selected on the board, and the menu raises
// the one window again.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/combinations_window.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class CombinationsWindowTest : public ExampleGameTest {
  protected:
    ui::CombinationsWindow& window() { return application->combinationsWindow(); }
    QPushButton* button(const char* name) { return control<QPushButton>(window(), name); }
    void click(const char* name) {
        button(name)->click();
        QApplication::processEvents();
    }
    void chooseLength(int index) {
        emit control<QComboBox>(window(), "lengthChoice")->activated(index);
        QApplication::processEvents();
    }
    // The count and the combinations listed.
    QString shown() {
        QStringList lines{control<QLabel>(window(), "combinationCount")->text()};
        auto* list = control<QListWidget>(window(), "combinationList");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines.join(QLatin1Char(' '));
    }
};

TEST_F(CombinationsWindowTest, OpensOnTheAcrossRunAndFiltersByTheDigits) {
    clickInWindow(2, 2);
    trigger("combinationsAction");
    ASSERT_TRUE(window().isVisible());
    EXPECT_FALSE(window().isModal());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("tabulka kombinací"));
    EXPECT_EQ(button("acrossRunButton")->text(), QStringLiteral("vodorovně: 2 políčka, součet 8"));
    EXPECT_EQ(button("downRunButton")->text(), QStringLiteral("svisle: 2 políčka, součet 16"));
    EXPECT_EQ(shown(), QStringLiteral("3 kombinace 17 26 35"));

    click("excludedDigit1");
    click("requiredDigit3");
    EXPECT_EQ(shown(), QStringLiteral("1 kombinace 35"));
    click("excludedDigit3");  // out of "musí obsahovat"
    EXPECT_FALSE(button("requiredDigit3")->isChecked());
    EXPECT_TRUE(button("excludedDigit3")->isChecked());
    EXPECT_EQ(shown(), QStringLiteral("1 kombinace 26"));
    click("downRunButton");
    EXPECT_EQ(shown(), QStringLiteral("1 kombinace 79"));
    click("excludedDigit9");
    EXPECT_EQ(shown(), QStringLiteral("0 kombinací"));

    chooseLength(9);  // its one sum, 45, is not 16: any sum
    EXPECT_EQ(control<QComboBox>(window(), "sumChoice")->currentText(),
              QStringLiteral("libovolný"));
    EXPECT_EQ(control<QComboBox>(window(), "sumChoice")->count(), 2);
    click("excludedDigit9");
    click("excludedDigit3");
    click("excludedDigit1");
    EXPECT_EQ(shown(), QStringLiteral("1 kombinace 123456789"));
}

TEST_F(CombinationsWindowTest, TheRunButtonsFollowTheBoardAndTheMenuRaisesTheOneWindow) {
    clickInWindow(2, 3);
    trigger("combinationsAction");
    click("requiredDigit5");
    clickInWindow(3, 3);
    EXPECT_EQ(button("acrossRunButton")->text(), QStringLiteral("vodorovně: 2 políčka, součet 11"));
    EXPECT_EQ(button("downRunButton")->text(), QStringLiteral("svisle: 2 políčka, součet 3"));
    EXPECT_EQ(shown(), QStringLiteral("1 kombinace 35"));  // still 8 across, with 5

    trigger("combinationsAction");
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows += widget->objectName() == QStringLiteral("combinationsWindow") ? 1 : 0;
    EXPECT_EQ(windows, 1);
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(button("requiredDigit5")->isChecked());
    EXPECT_EQ(shown(), QStringLiteral("4 kombinace 29 38 47 56"));
    click("closeButton");
    EXPECT_FALSE(window().isVisible());
}

TEST_F(CombinationsWindowTest, TheTimeOfPlayGoesOnWhileThePlayerLooksInTheTable) {
    PlayClock& clock = application->game().persistence().playClock();
    PlayClock::Milliseconds now = 0;
    clock.useTimeSource([&now] { return now; });
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    const long before = clock.seconds();
    trigger("combinationsAction");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QApplication::processEvents();
    now += 60000;
    EXPECT_EQ(clock.seconds(), before + 60);
}

}  // namespace
}  // namespace krizovky::testing
