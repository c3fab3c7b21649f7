#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "model/player_folders.h"
#include "ui/pie_gauge.h"
#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

// A small task in the upper right: down clues 16 and 3 over the columns 12
// and 13, across clues 8 and 11 in column 11, and a clue with both sums in
// the corner.
std::string hora(const std::string& acrossOfRow3 = "8") {
    return "@hora\n"
           "0*14,9/35\n"
           "0*11,0/16,0/3,0*2\n"
           "0*10," +
           acrossOfRow3 +
           "/0,2,2,0*2\n"
           "0*10,11/0,2,2,0*2\n" +
           [] {
               std::string rest;
               for (int i = 5; i <= 15; ++i)
                   rest += "0*15\n";
               return rest;
           }();
}

class MainWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTasks("krizovky.KRI",
                   hora() + "@další\n2*15\n@velmi dlouhý název té úlohy\n2*15\n" + kExampleTask);
    }

    ui::SquareWidget* square(int row, int column) { return mainWindow().square(row, column); }

    // Runs the event loop with action as its first event; the loop's exit
    // code, or 99 when the program did not end within five seconds.
    int runUntilTheEnd(const std::function<void()>& action) {
        QTimer stuck;
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        stuck.start(5000);
        QTimer::singleShot(0, &stuck, action);
        return QApplication::exec();
    }
};

TEST_F(MainWindowTest, BoardIsHiddenUntilTheFirstTaskIsLoaded) {
    start();
    EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("součtové křížovky"));
    EXPECT_FALSE(control<QWidget>(mainWindow(), "boardPanel")->isVisible());
    EXPECT_FALSE(control<ui::PieGauge>(mainWindow(), "loadGauge")->isVisible());
    EXPECT_FALSE(mainWindow().findChild<QAction*>("printAction")->isEnabled());
    EXPECT_FALSE(mainWindow().findChild<QAction*>("copyLinkAction")->isEnabled());
    EXPECT_FALSE(mainWindow().findChild<QAction*>("saveGameAction")->isEnabled());
    EXPECT_TRUE(script.boxes.empty());

    // The start says what to do: three buttons and the look's switch, gone
    // with the first task on the board.
    auto* start = control<QWidget>(mainWindow(), "startPanel");
    ASSERT_TRUE(start->isVisible());
    for (const char* name : {"startDailyButton", "startNewTaskButton", "startChooseButton"})
        EXPECT_TRUE(control<QPushButton>(*start, name)->isVisible()) << name;
    EXPECT_TRUE(start->geometry().contains(mainWindow().centralWidget()->rect().center()));
    control<QRadioButton>(*start, "startModernLook")->click();
    EXPECT_EQ(mainWindow().look(), ui::WindowLook::kModern);
    EXPECT_TRUE(mainWindow().findChild<QAction*>("modernLookAction")->isChecked());
    control<QPushButton>(*start, "startChooseButton")->click();
    QApplication::processEvents();
    ASSERT_TRUE(taskListWindow().isVisible());
    control<QPushButton>(taskListWindow(), "cancelButton")->click();
    choose("hora");
    EXPECT_FALSE(start->isVisible());
}

TEST_F(MainWindowTest, APauseCoversTheBoardAndStopsTheClockUntilThePlayerGoesOn) {
    start();
    choose("hora");
    trigger("pauseAction");
    auto* cover = control<QWidget>(mainWindow(), "pauseCover");
    ASSERT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), control<QWidget>(mainWindow(), "boardPanel")->rect());
    EXPECT_FALSE(application->game().persistence().playClock().counting());
    EXPECT_TRUE(mainWindow().findChild<QAction*>("pauseAction")->isChecked());
    control<QPushButton>(*cover, "resumeButton")->click();
    QApplication::processEvents();
    EXPECT_FALSE(cover->isVisible());
    EXPECT_TRUE(application->game().persistence().playClock().counting());
}

TEST_F(MainWindowTest, ChosenTaskShowsItsSquares) {
    start();
    choose("hora");
    ASSERT_TRUE(control<QWidget>(mainWindow(), "boardPanel")->isVisible());
    // The corner's clue has no run: what is wrong with the task follows its name.
    EXPECT_TRUE(control<QLabel>(mainWindow(), "taskName")
                    ->text()
                    .startsWith(QStringLiteral("  hora – úloha je poškozená: ")));
    EXPECT_FALSE(control<ui::PieGauge>(mainWindow(), "loadGauge")->isVisible());
    EXPECT_TRUE(mainWindow().findChild<QAction*>("printAction")->isEnabled());
    EXPECT_TRUE(mainWindow().findChild<QAction*>("copyLinkAction")->isEnabled());
    EXPECT_TRUE(mainWindow().findChild<QAction*>("saveGameAction")->isEnabled());

    struct Clue {
        int row, column;
        QString caption;
        QStringList lines;
    };
    for (const Clue& clue :
         {Clue{1, 15, "\\ 9 35\\", {"\\ 9", "35\\"}}, Clue{2, 12, "\\   16\\", {"\\  ", "16\\"}},
          Clue{2, 13, "\\    3\\", {"\\  ", " 3\\"}}, Clue{3, 11, "\\ 8   \\", {"\\ 8", "  \\"}},
          Clue{4, 11, "\\11   \\", {"\\11", "  \\"}}}) {
        SCOPED_TRACE(clue.caption.toStdString());
        ui::SquareWidget* widget = square(clue.row, clue.column);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->background(), QColor(Qt::black));
        EXPECT_EQ(widget->caption(), clue.caption);
        EXPECT_EQ(widget->lines(), clue.lines);
    }

    for (auto [row, column] : {std::pair{3, 12}, {3, 13}, {4, 12}, {4, 13}}) {
        ui::SquareWidget* widget = square(row, column);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->background(), QColor(Qt::yellow));
        EXPECT_EQ(widget->property("tag").toInt(), 10000 + 100 * row + column);
    }
    EXPECT_EQ(square(3, 12)->geometry(), QRect(368, 90, 25, 25));
    EXPECT_EQ(square(3, 12)->parentWidget(), control<QWidget>(mainWindow(), "boardPanel"));
    EXPECT_EQ(square(3, 12)->tag(), 10312);

    int hidden = 0;
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            hidden += square(r, c)->isHidden();
    EXPECT_EQ(hidden, 225 - 5 - 4);
}

TEST_F(MainWindowTest, TaskNameStaysCentredAndWholeAboveTheBoard) {
    start();
    choose("priklad");
    auto* label = control<QLabel>(mainWindow(), "taskName");
    EXPECT_EQ(label->geometry(), QRect(184, 8, 137, 15));
    choose(QStringLiteral("velmi dlouhý název té úlohy"));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_NEAR(label->geometry().center().x(), QRect(184, 8, 137, 15).center().x(), 1);
    EXPECT_GT(label->x(), control<QWidget>(mainWindow(), "clock")->geometry().right());
}

TEST_F(MainWindowTest, TheNameAreaSaysWhatIsWrongWithTheTask) {
    start();
    choose(QStringLiteral("další"));
    auto* label = control<QLabel>(mainWindow(), "taskName");
    const QString whole = QStringLiteral(
        "  další – úloha je poškozená: vodorovná řada od políčka (1, 1) nemá součet  ");
    // Too wide for the room above the board: cut short, whole in the tip.
    EXPECT_EQ(label->toolTip(), whole);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("  další – úloha je poškozená")))
        << label->text().toStdString();
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    choose("priklad");
    EXPECT_EQ(label->text(), QStringLiteral("  priklad  "));
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(MainWindowTest, ABoxWrapsItsTextWithinTheScreen) {
    // A kept game cut short in the middle of its saved game's digits: the
    // reader's own words would quote them all.
    const std::string kept = "{\n  \"version\": 1,\n  \"savedGame\": \"" + std::string(6000, 'a');
    makeFolders(dir.file("state/krizovky"));
    dir.write("state/krizovky/rozehrana_hra.json", kept);
    int widest = 0, screenWidth = 0;
    script.whileBoxShown = [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                box->show();
                widest = std::max(widest, box->width());
                screenWidth = box->screen()->availableGeometry().width();
                box->hide();
            }
    };
    start();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_GT(widest, 0);
    EXPECT_LE(widest, screenWidth);

    // A long word of any box breaks too.
    script.boxes.clear();
    widest = 0;
    application->host().showMessage(std::string(400, 'x'));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_LE(widest, screenWidth);
}

TEST_F(MainWindowTest, ZnovuReadsTheTaskAgain) {
    start();
    choose("hora");
    writeTasks("krizovky.KRI", hora("7"));
    trigger("reloadAction");  // "&Znovu"
    EXPECT_EQ(square(3, 11)->caption(), QStringLiteral("\\ 7   \\"));
    EXPECT_TRUE(
        control<QLabel>(mainWindow(), "taskName")->text().startsWith(QStringLiteral("  hora – ")));
}

TEST_F(MainWindowTest, KonecEndsTheProgram) {
    start();
    choose("hora");
    EXPECT_EQ(runUntilTheEnd([this] { trigger("quitAction"); }), 0);  // "&Konec"
    EXPECT_TRUE(application->game().terminateRequested());
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_TRUE(square(3, 12)->isHidden());  // the squares are released
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram) {
    start();
    EXPECT_EQ(runUntilTheEnd([this] { mainWindow().close(); }), 0);
    EXPECT_TRUE(application->game().terminateRequested());
}

class TaskFileChoiceTest : public MainWindowTest {
  protected:
    static std::function<void(QFileDialog&)> pick(const std::string& path) {
        return [path](QFileDialog& dialog) {
            dialog.selectFile(QString::fromStdString(path));
            QMetaObject::invokeMethod(&dialog, "accept");  // the Open button
        };
    }
};

TEST_F(TaskFileChoiceTest, DialogOffersTaskFilesBesideTheProgram) {
    start();
    trigger("taskFileAction");  // "&Soubor úloh", cancelled
    ASSERT_EQ(script.fileDialogs.size(), 1u);
    const ShownFileDialog& shown = script.fileDialogs[0];
    EXPECT_EQ(shown.title, QStringLiteral("soubory se zadáním úloh"));
    EXPECT_EQ(shown.nameFilters, QStringList{QStringLiteral("úlohy (*.kri)")});
    EXPECT_EQ(shown.defaultSuffix, QStringLiteral("kri"));
    EXPECT_EQ(shown.directory, QString::fromStdString(dir.path()));
    EXPECT_EQ(application->game().tasks().taskFilePath(), dir.file("krizovky.KRI"));
}

TEST_F(TaskFileChoiceTest, ChosenFileIsListedNext) {
    const std::string other = writeTasks("jiné.kri", "@z jiného souboru\n0*15\n");
    script.fileChoices.push_back(pick(other));
    start();
    trigger("taskFileAction");
    EXPECT_EQ(application->game().tasks().taskFilePath(), other);
    trigger("chooseTaskAction");
    EXPECT_EQ(listed(), QStringList{"z jiného souboru"});
}

TEST_F(TaskFileChoiceTest, NewFileIsTakenOnlyAfterTheQuestion) {
    script.fileChoices.push_back(pick(dir.file("nová")));  // refused, then cancelled
    script.fileChoices.push_back(pick(dir.file("nová")));  // accepted
    script.answers = {QMessageBox::No, QMessageBox::Yes};
    start();

    trigger("taskFileAction");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Question);
    EXPECT_TRUE(script.boxes[0].text.contains(QStringLiteral("nová.kri")));
    EXPECT_EQ(application->game().tasks().taskFilePath(), dir.file("krizovky.KRI"));

    trigger("taskFileAction");
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(application->game().tasks().taskFilePath(), dir.file("nová.kri"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("nová.kri")));

    trigger("chooseTaskAction");  // the list now reports the file that is not there
    ASSERT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(script.boxes[2].text, QStringLiteral("File not found"));
}

TEST_F(TaskFileChoiceTest, FileInAMissingFolderIsRefused) {
    script.fileChoices.push_back(pick(dir.file("není/úlohy.kri")));
    start();
    trigger("taskFileAction");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(application->game().tasks().taskFilePath(), dir.file("krizovky.KRI"));
}

}  // namespace
}  // namespace krizovky::testing
