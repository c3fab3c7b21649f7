#include <QLabel>
#include <QMenuBar>
#include <QProcess>
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
    waitForSolve();
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
    // Between two slices of the search the window handles its events: "přeruš".
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
    waitForSolve();
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

// The hard tasks of the tests, searched in the window and by krizovky-tool.
class HardSolveTest : public UiTest {
  protected:
    const std::string tasks = KRIZOVKY_SOURCE_DIR "/tests/data/hard.kri";
    const QStringList names = {QStringLiteral("těžká 1 14×15"), QStringLiteral("těžká 2 13×15"),
                               QStringLiteral("těžká 3 15×15")};

    void SetUp() override {
        UiTest::SetUp();
        std::filesystem::copy_file(tasks, dir.file("krizovky.KRI"));
        start();
    }
    // "70" answered " jsem trouba" at a speed of "&Rychlost řešení".
    void solve(const char* speed) {
        trigger(speed);
        script.confirmations = {true};
        trigger("solveAction");
        waitForSolve();
    }
    // What "krizovky-tool solve" prints, with the board reduced to its entry
    // squares row by row: a digit or "_".
    QString toolTrace(const QString& name, long limit) {
        QStringList arguments = {QStringLiteral("solve"), QString::fromStdString(tasks), name};
        if (limit > 0) arguments << QStringLiteral("--limit") << QString::number(limit);
        QProcess tool;
        tool.start(QStringLiteral(KRIZOVKY_TOOL), arguments);
        EXPECT_TRUE(tool.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n');
        QString trace = lines.mid(0, 4).join(' ') + ' ';
        for (const QString& line : lines.mid(4))
            for (const QString& token : line.split(' '))
                if (token == QStringLiteral("_") || (token.size() == 1 && token[0].isDigit()))
                    trace += token;
        return trace;
    }
    // The same of the latest solve in the window, the board as its squares show it.
    QString windowTrace() {
        const SolverRun::Report& report = application->game().solver().lastSolve();
        const char* ends[] = {"solved", "unsolvable", "stopped"};
        QString trace = QStringLiteral("%1 placements %2 backtracks %3 moves %4 ")
                            .arg(QString::fromLatin1(ends[static_cast<int>(report.end)]))
                            .arg(report.placements)
                            .arg(report.backtracks)
                            .arg(application->game().history().moveCount);
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                if (ui::SquareWidget* square = mainWindow().square(r, c); square->interactive())
                    trace += square->caption() == QStringLiteral(" ") ? QStringLiteral("_")
                                                                      : square->caption();
        return trace;
    }
};

// The speeds change only how the window shows the search: stopped after its
// 25th placement at every speed, and solved to its end at the fastest, the
// window's board, counts and history are those of the tool.
TEST_F(HardSolveTest, EverySpeedSearchesAsTheToolDoes) {
    for (const QString& name : names) {
        const QString expected = toolTrace(name, 25);
        choose(name);
        for (const char* speed : {"stepSpeedAction", "smoothSpeedAction", "fastestSpeedAction"}) {
            application->game().solver().stopSolvingAfter(25);
            solve(speed);
            EXPECT_EQ(windowTrace(), expected) << speed;
            EXPECT_TRUE(control<QAction>(mainWindow(), speed)->isChecked()) << speed;
        }
    }
    application->game().solver().stopSolvingAfter(0);
    solve("fastestSpeedAction");
    EXPECT_EQ(windowTrace(), toolTrace(names.back(), 0));
}

// "přeruš" in the middle of the fastest search: the window answers, the
// search stops right after the placement it was at, and the board shown is
// the tool's after as many placements.
TEST_F(HardSolveTest, PrerusStopsTheFastestSearchWhereTheToolStopsAtTheSameCount) {
    choose(names[1]);
    QTimer::singleShot(20, [&] { control<QPushButton>(mainWindow(), "stopButton")->click(); });
    script.answers = {QMessageBox::Yes};
    solve("fastestSpeedAction");
    ASSERT_EQ(script.boxes.size(), 1u);
    const long placements = application->game().solver().lastSolve().placements;
    EXPECT_EQ(application->game().solver().lastSolve().end, SolveEnd::kStopped);
    EXPECT_GT(placements, 0);
    EXPECT_EQ(windowTrace(), toolTrace(names[1], placements));
}

}  // namespace
}  // namespace krizovky::testing
