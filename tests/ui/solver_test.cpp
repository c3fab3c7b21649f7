#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class SolverWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.KRI", dir.file("krizovky.KRI"));
        start();
    }
    QString row(int r, int from, int to) {
        QString shown;
        for (int c = from; c <= to; ++c)
            shown += mainWindow().square(r, c)->caption();
        return shown;
    }
    bool shown(const char* name) { return control<QWidget>(mainWindow(), name)->isVisible(); }
};

TEST_F(SolverWindowTest, SeventySolvesAfterTheQuestionAndHandsTheWindowBack) {
    choose(QStringLiteral("priklad"));
    trigger("solveAction");  // "byl to omyl"
    EXPECT_EQ(script.confirmShown, 1);
    EXPECT_EQ(row(2, 2, 3), QStringLiteral("  "));
    auto& dialog = application->solverQuestion();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Mám dotaz!"));
    EXPECT_EQ(dialog.size(), QSize(306, 117));

    script.confirmations = {true};
    trigger("solveAction");
    EXPECT_EQ(row(2, 2, 3) + row(3, 2, 3), QStringLiteral("7192"));
    EXPECT_TRUE(script.boxes.empty());  // no congratulation for the solver
    EXPECT_FALSE(shown("stopButton"));
    EXPECT_FALSE(shown("solverClock"));
    EXPECT_TRUE(mainWindow().menuBar()->isEnabled());
    EXPECT_TRUE(mainWindow().square(2, 2)->isEnabled());
}

TEST_F(SolverWindowTest, StopAnsweredYesEndsTheSearchWithTheWindowDisabledMeanwhile) {
    choose(QStringLiteral("60 expert"));
    bool disabledWhileSearching = false, clockShown = false;
    // At the first placement the window handles its events: "přeruš".
    QTimer::singleShot(0, [&] {
        disabledWhileSearching = !mainWindow().menuBar()->isEnabled() &&
                                 !mainWindow().square(2, 2)->isEnabled() &&
                                 !application->taskListWindow().isEnabled();
        clockShown = shown("solverClock") && shown("stopButton");
        control<QPushButton>(mainWindow(), "stopButton")->click();
    });
    script.confirmations = {true};
    script.answers = {QMessageBox::Yes};
    trigger("solveAction");
    EXPECT_TRUE(disabledWhileSearching);
    EXPECT_TRUE(clockShown);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text,
              QStringLiteral("Chcete skutečně ukončit proces hledání řešení?"));
    EXPECT_FALSE(shown("stopButton"));
    EXPECT_TRUE(mainWindow().menuBar()->isEnabled());
    EXPECT_TRUE(mainWindow().square(2, 2)->isEnabled());
    EXPECT_NE(application->game().history().moveCount, 0);  // the digits so far stay
}

}  // namespace
}  // namespace krizovky::testing
