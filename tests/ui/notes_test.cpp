// The notes and the redo in the real window: the keys, the buttons and the
// menu items reach the game, and the squares draw the notes so that they read
// on every colour a square takes.

#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class NotesWindowTest : public ExampleGameTest {
  protected:
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(mainWindow().windowHandle(), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    DigitSet notes(int row, int column) {
        return application->game().screen().square(row, column).notes;
    }
    QAction* item(const char* name) {
        return mainWindow().findChild<QAction*>(QString::fromLatin1(name));
    }
};

TEST_F(NotesWindowTest, KeysButtonsAndMenusReachTheNotes) {
    auto* notesButton = control<QPushButton>(mainWindow(), "notesButton");
    ASSERT_TRUE(notesButton->isVisible());
    clickInWindow(2, 3);
    key(Qt::Key_1, Qt::ControlModifier);
    key(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);  // a Czech keyboard's 2
    // Its "č", the key of 4, with Ctrl: a key no ASCII key stands for.
    QKeyEvent czechFour(QEvent::KeyPress, 0x10C, Qt::ControlModifier, QStringLiteral("č"));
    QApplication::sendEvent(&mainWindow(), &czechFour);
    application->refresh();
    EXPECT_EQ(notes(2, 3), digitBit(1) | digitBit(2) | digitBit(4));
    QApplication::sendEvent(&mainWindow(), &czechFour);
    EXPECT_EQ(notes(2, 3), digitBit(1) | digitBit(2));

    key(Qt::Key_N);  // the notes mode, shown as the button pressed
    EXPECT_TRUE(notesButton->isChecked());
    key(Qt::Key_2);
    EXPECT_EQ(notes(2, 3), digitBit(1));
    notesButton->click();
    EXPECT_FALSE(notesButton->isChecked());

    // The pop-up's "poznámka" ticks the square's notes and toggles them.
    application->game().play().openSquareMenu(2, 3);
    application->refresh();
    auto* noteMenu = mainWindow().squareMenu()->findChild<QMenu*>(QStringLiteral("noteMenu"));
    ASSERT_NE(noteMenu, nullptr);
    EXPECT_EQ(noteMenu->title(), QStringLiteral("poznámka"));
    EXPECT_TRUE(item("note1Item")->isChecked());
    EXPECT_FALSE(item("note9Item")->isChecked());
    item("note9Item")->trigger();
    EXPECT_EQ(notes(2, 3), digitBit(1) | digitBit(9));

    trigger("fillNotesAction");  // "&Vyplň poznámky": what IQ 100 allows
    EXPECT_EQ(notes(2, 2), digitBit(7));
    EXPECT_EQ(notes(2, 3), digitBit(1) | digitBit(2));
    EXPECT_TRUE(item("eraseNotesAction")->isChecked());
    trigger("eraseNotesAction");
    EXPECT_FALSE(item("eraseNotesAction")->isChecked());
    EXPECT_EQ(item("eraseNotesAction")->text(), QStringLiteral("&Mazat poznámky"));
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(NotesWindowTest, UndoAndRedoHaveTheirShortcutsAndTheRedoButtonItsTurn) {
    EXPECT_EQ(
        item("reloadAction")->shortcuts(),
        (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+R")), QKeySequence(Qt::Key_F5)}));
    EXPECT_EQ(item("undoAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(item("redoAction")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    EXPECT_EQ(item("redoAction")->text(), QStringLiteral("Vpřed o tah"));

    // The menus' shortcuts reach the window that is active.
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    auto* redo = control<QPushButton>(mainWindow(), "redoButton");
    EXPECT_EQ(redo->text(), QStringLiteral("znovu o 1 tah"));
    clickInWindow(2, 2);
    key(Qt::Key_7);  // the completion fills the board: one box
    EXPECT_EQ(digits(), QStringLiteral("7192"));
    EXPECT_FALSE(redo->isVisible());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(digits(), QStringLiteral("    "));
    EXPECT_TRUE(redo->isVisible() && item("redoAction")->isEnabled());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(digits(), QStringLiteral("7192"));
    EXPECT_FALSE(redo->isVisible() || item("redoAction")->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(digits(), QStringLiteral("7192"));
    key(Qt::Key_Z, Qt::ControlModifier);
    redo->click();
    EXPECT_EQ(digits(), QStringLiteral("7192"));

    // Each redo completed the board again: four congratulations. "&Znovu" asks
    // first; No keeps the game.
    script.answers = {QMessageBox::No};
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(script.boxes.size(), 5u);
    EXPECT_EQ(script.boxes[4].text, QStringLiteral("Začít úlohu znovu? Rozehraná hra se ztratí."));
    EXPECT_EQ(digits(), QStringLiteral("7192"));
}

// WCAG's contrast ratio of two colours.
double contrast(Colour a, Colour b) {
    auto luminance = [](Colour colour) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double c = ((colour >> (16 - 8 * i)) & 0xFF) / 255.0;
            sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(NoteDrawingTest, NotesStandInTheirThirdsAndReadOnEveryColourOfASquare) {
    for (Colour colour :
         {kYellow, kRed, kAqua, kLime, kFuchsia, kOrange, kOlive, kGray, kSkyBlue, kBlue, kPink}) {
        SCOPED_TRACE(colour);
        EXPECT_GE(contrast(kNoteColour, colour), 4.5);
        PictureSquare look;
        look.exists = look.visible = look.interactive = look.centred = true;
        look.font = FontRole::kEntry;
        look.caption = " ";
        look.background = colour;
        look.notes = digitBit(1) | digitBit(9);
        ui::SquareWidget square;
        square.setLook(look, QRect(0, 0, 25, 25));
        const QImage image = square.grab().toImage();
        auto inked = [&](int left, int top) {  // any note ink in that third
            for (int y = top; y < top + 8; ++y)
                for (int x = left; x < left + 8; ++x)
                    if (image.pixelColor(x, y) != ui::toQColor(colour)) return true;
            return false;
        };
        EXPECT_TRUE(inked(0, 0));    // 1 top left
        EXPECT_FALSE(inked(8, 8));   // 5 not noted
        EXPECT_TRUE(inked(17, 17));  // 9 bottom right
    }
}

}  // namespace
}  // namespace krizovky::testing
