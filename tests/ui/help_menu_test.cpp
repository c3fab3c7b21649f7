// "&Pomoc" in the real window: the items and F1 reach the game, the boxes show
// with the hint's colours already drawn behind them, and a click on a square
// takes the colours off.

#include <QMenu>
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
};

TEST_F(HelpMenuTest, TheItemsSitInTheirMenuAndF1GivesTheNextStep) {
    QStringList items;
    for (QAction* action : control<QMenu>(mainWindow(), "helpMenu")->actions())
        items << action->objectName() + QLatin1Char(' ') + action->text();
    EXPECT_EQ(items,
              (QStringList{"nextStepAction &Další krok", "verifyAction &Je to zatím správně?",
                           "showErrorsAction &Ukaž chyby", "fillNotesAction &Vyplň poznámky"}));

    QList<QColor> behindTheBox;
    script.whileBoxShown = [&] { behindTheBox = colours(); };
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    QTest::keyClick(mainWindow().windowHandle(), Qt::Key_F1);
    QApplication::processEvents();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_TRUE(script.boxes[0].text.startsWith(QStringLiteral("Další cifra vyjde po 3 úvahách.")))
        << script.boxes[0].text.toStdString();
    EXPECT_TRUE(script.boxes[0].text.endsWith(QStringLiteral("Proto do políčka (2, 2) patří 7.")));
    const QList<QColor> hint{kBlueSquare, kSkyBlueSquare, kSkyBlueSquare, kSkyBlueSquare};
    EXPECT_EQ(behindTheBox, hint);
    EXPECT_EQ(colours(), hint);
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral(" "));  // the player writes the digit

    clickInWindow(3, 3);
    EXPECT_EQ(colours(), (QList<QColor>{kYellowSquare, kYellowSquare, kYellowSquare, kRedSquare}));
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
