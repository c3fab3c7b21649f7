// "&Pomoc" in the real window: the items and F1 reach the game, the next step
// shows in its panel beside the board with the classic look's numbers round
// it, the other items in boxes, and a click on a square takes the colours off.

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

const QColor kSkyBlueSquare(0xA6, 0xCA, 0xF0);
const QColor kBlueSquare(0x40, 0x80, 0xFF);
const QColor kPinkSquare(0xFF, 0xC0, 0xCB);

class HelpMenuTest : public ExampleGameTest {
  protected:
    // Rows 2 and 3 of the example, a square without a colour as black.
    QList<QColor> colours() {
        QList<QColor> shown;
        for (int r = 2; r <= 3; ++r)
            for (int c = 2; c <= 3; ++c)
                shown << square(r, c)->background().value_or(Qt::black);
        return shown;
    }
    QWidget* stepPanel() { return control<QWidget>(mainWindow(), "stepPanel"); }
    QWidget* numbers() { return control<QWidget>(mainWindow(), "squareNumbers"); }
    // The step's panel stands right of the board panel, clear of it.
    bool besideTheBoard() {
        const QWidget* board = control<QWidget>(mainWindow(), "boardPanel");
        const QRect panel(stepPanel()->mapTo(&mainWindow(), QPoint()), stepPanel()->size());
        return panel.left() >= board->mapTo(&mainWindow(), QPoint()).x() + board->width() &&
               mainWindow().rect().contains(panel);
    }
};

TEST_F(HelpMenuTest, TheItemsSitInTheirMenuAndF1ShowsTheStepBesideTheBoard) {
    QStringList items;
    for (QAction* action : control<QMenu>(mainWindow(), "helpMenu")->actions())
        items << action->objectName() + QLatin1Char(' ') + action->text();
    EXPECT_EQ(items,
              (QStringList{"nextStepAction &Další krok", "verifyAction &Je to zatím správně?",
                           "showErrorsAction &Ukaž chyby", "fillNotesAction &Vyplň poznámky",
                           "combinationsAction Tabulka kombinací"}));

    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    EXPECT_FALSE(numbers()->isVisible());
    QTest::keyClick(mainWindow().windowHandle(), Qt::Key_F1);
    QApplication::processEvents();
    EXPECT_TRUE(script.boxes.empty());
    ASSERT_TRUE(stepPanel()->isVisible());
    EXPECT_TRUE(besideTheBoard());
    EXPECT_EQ(control<QLabel>(mainWindow(), "stepHeadline")->text(),
              QStringLiteral("Políčko (2, 2): průsečík řad"));
    EXPECT_TRUE(numbers()->isVisible());
    const QList<QColor> hint{kBlueSquare, kSkyBlueSquare, kSkyBlueSquare, kSkyBlueSquare};
    EXPECT_EQ(colours(), hint);
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral(" "));  // the player writes the digit

    auto* explanation = control<QPlainTextEdit>(mainWindow(), "stepExplanation");
    EXPECT_FALSE(explanation->isVisible());
    control<QPushButton>(mainWindow(), "whyButton")->click();
    QApplication::processEvents();
    ASSERT_TRUE(explanation->isVisible());
    const QString text = explanation->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Další cifra vyjde po 3 úvahách.\n\n1. úvaha")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("Proto do políčka (2, 2) patří 7.")));

    clickInWindow(3, 3);
    EXPECT_EQ(colours(), (QList<QColor>{kYellowSquare, kYellowSquare, kYellowSquare, kRedSquare}));
    EXPECT_FALSE(stepPanel()->isVisible());
    EXPECT_FALSE(numbers()->isVisible());
}

TEST_F(HelpMenuTest, TheStepsPanelClosesAndStandsBesideTheModernBoardWithoutNumbers) {
    trigger("nextStepAction");
    ASSERT_TRUE(stepPanel()->isVisible());
    control<QPushButton>(mainWindow(), "closeStepButton")->click();
    QApplication::processEvents();
    EXPECT_FALSE(stepPanel()->isVisible());
    EXPECT_FALSE(numbers()->isVisible());
    EXPECT_EQ(colours(), (QList<QColor>(4, kYellowSquare)));

    trigger("modernLookAction");
    trigger("nextStepAction");
    ASSERT_TRUE(stepPanel()->isVisible());
    EXPECT_TRUE(besideTheBoard());
    EXPECT_FALSE(numbers()->isVisible());  // the modern board has its own
}

TEST_F(HelpMenuTest, AWrongDigitIsCountedAndShown) {
    trigger("autoFillAction");  // no completion
    clickInWindow(3, 2);
    QTest::keyClick(mainWindow().windowHandle(), Qt::Key_7);  // allowed there, but the 9 is right
    QApplication::processEvents();
    trigger("verifyAction");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text,
              QStringLiteral("Chybnou cifru má 1 políčko. Kde jsou chyby, ukáže \"Ukaž chyby\"."));
    trigger("showErrorsAction");
    EXPECT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(colours(), (QList<QColor>{kYellowSquare, kYellowSquare, kPinkSquare, kYellowSquare}));
    clickInWindow(2, 2);
    EXPECT_EQ(colours(), (QList<QColor>{kRedSquare, kYellowSquare, kYellowSquare, kYellowSquare}));
}

}  // namespace
}  // namespace krizovky::testing
