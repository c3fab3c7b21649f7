// "Barvy", the run highlight and the digit pad of the main window: chosen in
// "&Volby", kept between starts, the system's dark mode followed until the
// player chooses, and the pad writing into the selected square.
#include <QPalette>

#include "ui/board_view.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class BoardColoursTest : public ExampleGameTest {
  protected:
    ui::BoardView& view() { return *mainWindow().boardView(); }
    bool checked(const char* name) { return mainWindow().findChild<QAction*>(name)->isChecked(); }
    QPushButton* pad(const char* name) { return control<QPushButton>(mainWindow(), name); }
};

TEST_F(BoardColoursTest, TheSchemeFollowsTheSystemUntilChosenAndIsKeptBetweenStarts) {
    EXPECT_TRUE(checked("classicColoursAction"));
    EXPECT_TRUE(checked("runHighlightAction"));
    const QPalette light = QGuiApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_TRUE(checked("darkColoursAction"));
    EXPECT_EQ(mainWindow().boardScheme(), ColourScheme::kClassic) << "the classic look keeps its";
    trigger("modernLookAction");
    EXPECT_EQ(view().style().palette, &boardPalette(ColourScheme::kDark));
    QApplication::setPalette(light);
    QApplication::processEvents();
    EXPECT_EQ(view().style().palette, &boardPalette(ColourScheme::kClassic));

    trigger("colourBlindColoursAction");
    trigger("runHighlightAction");
    EXPECT_FALSE(view().style().runHighlight);
    // The classic squares take the scheme's colours too.
    trigger("classicLookAction");
    mainWindow().selectSquare(2, 2);
    EXPECT_EQ(
        square(2, 2)->background(),
        ui::toQColor(fillOf(boardPalette(ColourScheme::kColourBlind), SquareState::kSelected, 0)));

    application.reset();
    start();
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_TRUE(checked("colourBlindColoursAction")) << "a chosen scheme stays, dark system or not";
    EXPECT_FALSE(checked("runHighlightAction"));
    QApplication::setPalette(light);
}

TEST_F(BoardColoursTest, ThePadWritesIntoTheSelectedSquareAndGreysWhatTheHintsRuleOut) {
    trigger("modernLookAction");
    EXPECT_FALSE(control<QWidget>(mainWindow(), "digitPad")->isVisible());
    const int wide = view().width();
    trigger("digitPadAction");
    ASSERT_TRUE(control<QWidget>(mainWindow(), "digitPad")->isVisible());
    EXPECT_LT(view().width(), wide) << "the pad stands beside the board";
    EXPECT_FALSE(pad("padDigit7Button")->isEnabled()) << "no square selected yet";

    // (2, 2): 8 across in two squares, 16 down in two: only 7 fits.
    mainWindow().selectSquare(2, 2);
    for (int digit = 1; digit <= 9; ++digit)
        EXPECT_EQ(
            pad(QStringLiteral("padDigit%1Button").arg(digit).toLatin1().constData())->isEnabled(),
            digit == 7)
            << digit;
    pad("padDigit7Button")->click();
    EXPECT_EQ(application->game().board().at(2, 2).digit, 7);
    ASSERT_TRUE(pad("padUndoButton")->isEnabled());
    pad("padUndoButton")->click();
    EXPECT_EQ(application->game().board().at(2, 2).digit, 0);

    // In the notes mode every digit is a note of the empty square.
    pad("padNotesButton")->click();
    EXPECT_TRUE(pad("padNotesButton")->isChecked());
    EXPECT_TRUE(pad("padDigit3Button")->isEnabled());
    pad("padDigit3Button")->click();
    EXPECT_EQ(application->game().board().at(2, 2).notes, digitBit(3));

    trigger("classicLookAction");
    EXPECT_FALSE(control<QWidget>(mainWindow(), "digitPad")->isVisible()) << "the modern look's";
}

}  // namespace
}  // namespace krizovky::testing
