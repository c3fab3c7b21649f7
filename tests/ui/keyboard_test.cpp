// Keyboard play in the real window: keys pressed through the window system
// reach the board whatever control of the window has the focus.

#include <QPushButton>
#include <QTest>

#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class KeyboardWindowTest : public ExampleGameTest {
  protected:
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(mainWindow().windowHandle(), key, modifiers);
        QApplication::processEvents();
    }
};

TEST_F(KeyboardWindowTest, ADigitKeyWritesAndCompletesTheBoard) {
    clickInWindow(2, 2);
    key(Qt::Key_5);  // not allowed there at IQ 100: nothing
    EXPECT_EQ(digits(), QStringLiteral("    "));
    EXPECT_TRUE(script.boxes.empty());

    key(Qt::Key_7);
    EXPECT_EQ(digits(), QStringLiteral("7192"));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text,
              QStringLiteral("Celou křížovku jste úspěšně vyřešil, gratuluji!"));
}

TEST_F(KeyboardWindowTest, ArrowsDeleteAndTheKeypadWorkBesideAFocusedButton) {
    trigger("autoFillAction");  // no completion
    trigger("level130Action");  // every digit offered
    clickInWindow(2, 2);
    key(Qt::Key_7, Qt::KeypadModifier);
    auto* undo = control<QPushButton>(mainWindow(), "undoButton");
    ASSERT_TRUE(undo->isVisible());
    undo->setFocus();  // the key presses go to it; it would move the focus with the arrows
    ASSERT_EQ(mainWindow().focusWidget(), undo);

    key(Qt::Key_Right);
    EXPECT_EQ(square(2, 3)->background(), kRedSquare);
    EXPECT_EQ(square(2, 2)->background(), kYellowSquare);
    key(Qt::Key_1, Qt::ShiftModifier);  // a Czech keyboard types its digits with Shift
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    key(Qt::Key_9);
    key(Qt::Key_Left);  // a clue square, then the edge: nothing
    EXPECT_EQ(square(3, 2)->background(), kRedSquare);
    EXPECT_EQ(digits(), QStringLiteral("719 "));
    EXPECT_EQ(mainWindow().focusWidget(), undo);

    key(Qt::Key_Backspace);
    key(Qt::Key_Up);
    key(Qt::Key_Delete);
    EXPECT_EQ(digits(), QStringLiteral(" 1  "));
    key(Qt::Key_2, Qt::ControlModifier);  // the menus' keys are no digits
    EXPECT_EQ(digits(), QStringLiteral(" 1  "));
    EXPECT_TRUE(script.boxes.empty());

    undo->click();  // an erasure is a move like the menu's "vymaž"
    EXPECT_EQ(digits(), QStringLiteral("71  "));
}

}  // namespace
}  // namespace krizovky::testing
