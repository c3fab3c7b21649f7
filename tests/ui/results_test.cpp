#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

#include "history/results_record.h"
#include "model/file_layer.h"
#include "model/player_folders.h"
#include "model/task_reader.h"
#include "ui/new_task_dialog.h"
#include "ui/results_window.h"
#include "ui/times_plot.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

// Four tasks and a record of the player's results with them: "hora" solved
// twice alone, "dub" with help, "jezero" by "70", and "čáp" as it was before
// an edit.
class ResultsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        std::string tasks;
        for (const char* name : {"hora", "dub", "jezero", "čáp"})
            tasks += "@" + std::string(name) + "\n" + (kExampleTask + 9);
        const std::string file = writeTasks("krizovky.KRI", tasks);
        auto result = [&](const char* name, const char* grade, long seconds) {
            GameResult r;
            r.taskFile = file;
            r.taskName = name;
            Board task;
            readTask(file, cp1250FromUtf8(name), task);
            r.taskHash = taskHash(task);
            r.grade = grade;
            r.seconds = seconds;
            return r;
        };
        record.results = {result("hora", "lehká", 761), result("dub", "střední", 300),
                          result("hora", "lehká", 640), result("jezero", "těžká", 20),
                          result("čáp", "lehká", 100)};
        for (std::size_t i = 0; i < record.results.size(); ++i)
            record.results[i].finishedAt = "2026-12-0" + std::to_string(i + 1) + " 20:00:00";
        record.results[1].nextSteps = 2;
        record.results[3].bySolver = true;
        record.results[4].taskHash = "0000000000000000";
        makeFolders(dir.file("state/krizovky"));
        writeFileReplacing(dir.file("state/krizovky/vysledky.json"), record.encode());
    }

    QListWidget* nameList() { return control<QListWidget>(taskListWindow(), "nameList"); }
    QListWidgetItem* item(const QString& name) {
        return nameList()->findItems(name, Qt::MatchExactly).value(0);
    }
    // Whether the row of the name shows something green before the name.
    bool ticked(const QString& name) {
        const QRect row = nameList()->visualItemRect(item(name));
        const QImage picture = nameList()->viewport()->grab().toImage();
        for (int x = row.left(); x < row.left() + 14; ++x)
            for (int y = row.top(); y <= row.bottom(); ++y) {
                const QColor colour = picture.pixelColor(x, y);
                if (colour.green() > 100 && colour.red() < 100 && colour.blue() < 100) return true;
            }
        return false;
    }
    // The tip the list shows with the pointer resting on the name.
    QString tipOn(const QString& name) {
        const QPoint at = nameList()->visualItemRect(item(name)).center();
        QHelpEvent help(QEvent::ToolTip, at, nameList()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(nameList()->viewport(), &help);
        const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
        // Gone before the next tip, which would otherwise reuse it.
        QToolTip::hideText();
        for (int waited = 0; QToolTip::isVisible() && waited < 2000; waited += 20)
            QTest::qWait(20);
        return tip;
    }
    static QStringList rows(QTableWidget* table) {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            texts << cells.join(QLatin1Char('|'));
        }
        return texts;
    }

    ResultsRecord record;
};

TEST_F(ResultsTest, SolvedTasksAreTickedWithTheirBestResultInTheTip) {
    start();
    trigger("chooseTaskAction");
    const struct {
        const char* name;
        bool ticked;
        const char* tip;
    } expected[] = {{"hora", true, "bez nápovědy 10:40"},
                    {"dub", true, "s nápovědou 5:00"},
                    {"jezero", true, "vyřešil počítač"},
                    {"čáp", false, ""}};
    for (const auto& e : expected) {
        const QString name = QString::fromUtf8(e.name);
        ASSERT_NE(item(name), nullptr) << e.name;
        EXPECT_EQ(ticked(name), e.ticked) << e.name;
        EXPECT_EQ(tipOn(name), QString::fromUtf8(e.tip)) << e.name;
    }
}

TEST_F(ResultsTest, MojeVysledkyShowsTheNumbersOfTheRecord) {
    start();
    trigger("resultsAction");
    ui::ResultsWindow& window = application->resultsWindow();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("moje výsledky"));
    EXPECT_EQ(rows(control<QTableWidget>(window, "gradesTable")),
              (QStringList{"lehká|2|1:40|10:40|0 %", "střední|1|–|–|100 %", "těžká|1|–|–|100 %"}));
    EXPECT_EQ(control<QLabel>(window, "streaks")->text(),
              QStringLiteral("úloha dne: řada 0 dní, nejdelší 0 dní"));
    // The plot has a line a grade, of the player's own times.
    const auto& series = control<ui::TimesPlot>(window, "timesPlot")->series();
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].times.size(), 3u);
    EXPECT_TRUE(series[2].times.empty());  // "70" only
    EXPECT_EQ(rows(control<QTableWidget>(window, "latestTable")),
              (QStringList{"2026-12-05 20:00:00|čáp|lehká|1:40|100|bez nápovědy",
                           "2026-12-04 20:00:00|jezero|těžká|0:20|100|vyřešil počítač",
                           "2026-12-03 20:00:00|hora|lehká|10:40|100|bez nápovědy",
                           "2026-12-02 20:00:00|dub|střední|5:00|100|další krok 2×",
                           "2026-12-01 20:00:00|hora|lehká|12:41|100|bez nápovědy"}));
    EXPECT_TRUE(control<QLabel>(window, "noResults")->isHidden());
}

TEST_F(ResultsTest, ThePlayClockShowsAboveTheBoardAndWaitsWhileABoxIsOpen) {
    start();
    auto* clock = control<QLabel>(mainWindow(), "playClock");
    EXPECT_FALSE(clock->isVisible());
    choose("hora");
    ASSERT_TRUE(clock->isVisible());
    EXPECT_EQ(clock->text(), QStringLiteral("0:00"));
    // Right of the widest task name, clear of the solver's time, in both
    // looks: the modern board's panel grows with the window.
    auto* name = control<QLabel>(mainWindow(), "taskName");
    for (const char* look : {"classicLookAction", "modernLookAction"}) {
        trigger(look);
        mainWindow().resize(1026, 778);
        QApplication::processEvents();
        EXPECT_GT(clock->x(), 2 * name->geometry().center().x() - 80) << look;
        EXPECT_LE(clock->geometry().right(), clock->parentWidget()->width()) << look;
        EXPECT_FALSE(
            clock->geometry().intersects(control<QLabel>(mainWindow(), "solverClock")->geometry()));
    }

    bool countingBehindTheBox = true;
    script.whileBoxShown = [&] {
        countingBehindTheBox = application->game().persistence().playClock().counting();
    };
    trigger("verifyAction");  // "&Je to zatím správně?"
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_FALSE(countingBehindTheBox);
    EXPECT_TRUE(application->game().persistence().playClock().counting());
    // "&Nová úloha…" is shown, not run as a box, and blocks the game as well.
    trigger("newTaskAction");
    EXPECT_FALSE(application->game().persistence().playClock().counting());
    control<QPushButton>(application->newTaskDialog(), "cancelButton")->click();
    EXPECT_TRUE(application->game().persistence().playClock().counting());
}

}  // namespace
}  // namespace krizovky::testing
