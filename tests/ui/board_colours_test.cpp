// "Barvy", the run highlight and the digit pad of the main window: chosen in
// "&Volby", kept between starts, the system's dark mode followed until the
// player chooses, and the pad writing into the selected square.
#include <QImage>
#include <QPalette>
#include <iostream>

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
    const int wide = mainWindow().minimumWidth();
    trigger("digitPadAction");
    ASSERT_TRUE(control<QWidget>(mainWindow(), "digitPad")->isVisible());
    EXPECT_GT(mainWindow().minimumWidth(), wide) << "the pad's room comes on top of the board's";
    EXPECT_GE(control<QWidget>(mainWindow(), "digitPad")->x(),
              static_cast<QWidget&>(view()).geometry().right())
        << "the pad stands beside the board";
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

// The modern board at the window's smallest size with a 15 x 15 task: the
// height of a sum's digits in pixels, measured on the drawing.
class SmallestBoardTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        std::filesystem::copy_file(KRIZOVKY_BINARY_DIR "/krizovky.KRI", dir.file("krizovky.KRI"));
        start();
        choose("60 expert");
        trigger("modernLookAction");
    }
    // The rows of a clue square's upper right triangle that hold the sum's ink.
    int sumHeight() {
        mainWindow().resize(mainWindow().minimumSize());
        QApplication::processEvents();
        ui::BoardView& view = *mainWindow().boardView();
        const QImage image = view.grab().toImage();
        const BoardPicture& picture = view.picture();
        for (int r = 1; r <= picture.rows; ++r)
            for (int c = 1; c <= picture.columns; ++c) {
                if (picture.at(r, c).kind != PictureKind::kClue || picture.at(r, c).acrossSum < 10)
                    continue;
                const QRect square = view.squareRect(r, c).toAlignedRect();
                int top = square.bottom(), bottom = square.top();
                for (int y = square.top() + 2; y < square.center().y(); ++y)
                    for (int x = square.center().x() + 2; x < square.right() - 1; ++x)
                        // The sum's light ink on the dark square; the diagonal stays left of it.
                        if (x - square.left() > y - square.top() + 3 &&
                            qGray(image.pixel(x, y)) > 160) {
                            top = std::min(top, y);
                            bottom = std::max(bottom, y);
                        }
                return bottom - top + 1;
            }
        return 0;
    }
};

TEST_F(SmallestBoardTest, TheSumsStayLegibleAtTheSmallestWindowWithOrWithoutThePad) {
    const int alone = sumHeight();
    trigger("digitPadAction");
    const int withPad = sumHeight();
    std::cout << "sums at " << mainWindow().minimumSize().width() << " x "
              << mainWindow().minimumSize().height() << ": " << alone << " px, with the pad "
              << withPad << " px\n";
    RecordProperty("sumPixels", alone);
    EXPECT_GE(alone, 7);
    EXPECT_EQ(withPad, alone) << "the pad widens the window, it does not shrink the board";
}

}  // namespace
}  // namespace krizovky::testing
