// The board for screen readers, through Qt's accessibility as a screen
// reader's bridge sees it: the modern board a table of named squares, the
// selected square focused, and what a written digit or a check changes told.

#include <QAccessible>
#include <QLabel>

#include "ui/board_accessible.h"
#include "ui/board_view.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

// Qt's offscreen platform has no screen reader's bridge to make active, so
// Qt drops every accessibility event there: what the view tells a bridge is
// checked as the news of its pictures before and after, from which it sends
// its events.
class AccessibilityTest : public ExampleGameTest {
  protected:
    void SetUp() override {
        ExampleGameTest::SetUp();
        trigger("modernLookAction");
        mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    }

    ui::BoardView& view() { return *mainWindow().boardView(); }
    QAccessibleInterface* board() { return QAccessible::queryAccessibleInterface(&view()); }
    // Square (row, column) of the board, 1-based as the game counts.
    QAccessibleInterface* cell(int row, int column) {
        return board()->tableInterface()->cellAt(row - 1, column - 1);
    }
    int childOf(int row, int column) { return board()->indexOfChild(cell(row, column)); }
    void clickSquare(int row, int column) {
        QTest::mouseClick(
            mainWindow().windowHandle(), Qt::LeftButton, {},
            view().mapTo(&mainWindow(), view().squareRect(row, column).center().toPoint()));
        QApplication::processEvents();
    }
    void key(Qt::Key key) {
        QTest::keyClick(mainWindow().windowHandle(), key);
        QApplication::processEvents();
    }
    // What the view tells of the picture's changes by an action.
    ui::BoardNews newsOf(const std::function<void()>& action) {
        const BoardPicture before = view().picture();
        action();
        return ui::boardNews(before, view().picture());
    }
};

TEST_F(AccessibilityTest, TheBoardIsATableOfItsSquaresByName) {
    QAccessibleInterface* table = board();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("hrací plocha"));
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 3);
    EXPECT_EQ(table->tableInterface()->columnCount(), 3);
    EXPECT_EQ(table->childCount(), 9);
    EXPECT_EQ(table->tableInterface()->cellAt(3, 0), nullptr);

    EXPECT_EQ(cell(1, 1)->text(QAccessible::Name),
              QStringLiteral("řádek 1, sloupec 1, prázdné pole"));
    EXPECT_EQ(cell(1, 2)->text(QAccessible::Name),
              QStringLiteral("řádek 1, sloupec 2, součet dolů 16"));
    EXPECT_EQ(cell(3, 1)->text(QAccessible::Name),
              QStringLiteral("řádek 3, sloupec 1, součet doprava 11"));
    EXPECT_EQ(cell(3, 2)->text(QAccessible::Name), QStringLiteral("řádek 3, sloupec 2, prázdné"));

    // Row by row, the same interface whichever way it is asked for.
    QAccessibleInterface* here = cell(3, 2);
    EXPECT_EQ(here->role(), QAccessible::Cell);
    EXPECT_EQ(table->indexOfChild(here), 7);
    EXPECT_EQ(table->child(7), here);
    EXPECT_EQ(here->parent(), table);
    ASSERT_NE(here->tableCellInterface(), nullptr);
    EXPECT_EQ(here->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(here->tableCellInterface()->columnIndex(), 1);
    const QRect place = view().squareRect(3, 2).toAlignedRect();
    EXPECT_EQ(here->rect(), QRect(view().mapToGlobal(place.topLeft()), place.size()));
    EXPECT_EQ(table->childAt(here->rect().center().x(), here->rect().center().y()), here);
    EXPECT_TRUE(cell(1, 2)->state().readOnly);
    EXPECT_FALSE(here->state().readOnly);

    // The classic look's squares carry the same names.
    trigger("classicLookAction");
    EXPECT_EQ(square(1, 2)->accessibleName(), QStringLiteral("řádek 1, sloupec 2, součet dolů 16"));
}

TEST_F(AccessibilityTest, TheSelectedSquareHasTheFocusAndAWrittenDigitIsTold) {
    trigger("autoFillAction");  // no completion: one digit changes one square
    clickSquare(2, 3);
    ASSERT_TRUE(view().hasFocus());
    EXPECT_TRUE(cell(2, 3)->state().focused);
    EXPECT_TRUE(cell(2, 3)->state().selected);
    EXPECT_FALSE(cell(2, 2)->state().focused);
    EXPECT_EQ(board()->focusChild(), cell(2, 3));
    EXPECT_EQ(board()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{cell(2, 3)});

    // The window's keys reach the game while the board has the focus.
    ui::BoardNews news = newsOf([&] { key(Qt::Key_Down); });
    EXPECT_TRUE(cell(3, 3)->state().focused);
    EXPECT_FALSE(cell(2, 3)->state().selected);
    EXPECT_EQ(news.selected, childOf(3, 3));
    EXPECT_TRUE(news.renamed.empty()) << "a move names no square anew";

    news = newsOf([&] { key(Qt::Key_2); });
    EXPECT_EQ(cell(3, 3)->text(QAccessible::Name), QStringLiteral("řádek 3, sloupec 3, 2"));
    EXPECT_EQ(news.renamed, std::vector<int>{childOf(3, 3)});
    EXPECT_EQ(news.selected, std::nullopt);
    EXPECT_FALSE(news.reshaped);
}

TEST_F(AccessibilityTest, ACheckSaysItsFailingRunsAndTheWrongDigits) {
    trigger("checkingAction");  // the check is the player's to ask for
    trigger("autoFillAction");
    trigger("level130Action");
    clickSquare(2, 2);
    key(Qt::Key_5);
    key(Qt::Key_Right);
    key(Qt::Key_5);  // row 2 repeats the 5; column 3 misses its sum 3
    ui::BoardNews news = newsOf([&] {
        control<QPushButton>(mainWindow(), "checkButton")->click();
        QApplication::processEvents();
    });

    // The focused square's new name is said at once, the board's result with it.
    EXPECT_EQ(cell(2, 3)->text(QAccessible::Name),
              QStringLiteral("řádek 2, sloupec 3, 5, duplikátní číslo"));
    EXPECT_EQ(cell(2, 3)->text(QAccessible::Description),
              QStringLiteral("duplikátní číslo, chybný součet"));
    EXPECT_EQ(cell(2, 2)->text(QAccessible::Description), QString());
    EXPECT_EQ(cell(3, 3)->text(QAccessible::Name),
              QStringLiteral("řádek 3, sloupec 3, prázdné, chybný součet"));
    EXPECT_EQ(news.renamed, (std::vector<int>{childOf(2, 2), childOf(2, 3), childOf(3, 3)}));
    EXPECT_EQ(control<QLabel>(mainWindow(), "duplicateLegend")->accessibleName(),
              QStringLiteral("duplikátní číslo"));

    clickSquare(3, 2);
    EXPECT_EQ(board()->text(QAccessible::Description), QString());
    EXPECT_EQ(cell(2, 3)->text(QAccessible::Name), QStringLiteral("řádek 2, sloupec 3, 5"));

    // "Ukaž chyby": the 5s are not the solution's 7 and 1.
    news = newsOf([&] { trigger("showErrorsAction"); });
    EXPECT_EQ(cell(2, 3)->text(QAccessible::Name), QStringLiteral("řádek 2, sloupec 3, 5, chyba"));
    EXPECT_EQ(news.renamed, (std::vector<int>{childOf(2, 2), childOf(2, 3)}));
}

}  // namespace
}  // namespace krizovky::testing
