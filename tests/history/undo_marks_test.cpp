#include <gtest/gtest.h>

#include "support/free_play.h"

namespace krizovky {
namespace {

// The history's cases on a board where any digit lands where it is put.
using HistoryTest = testing::FreePlay;

TEST_F(HistoryTest, UndoBringsBackOverwrittenAndErasedDigits) {
    write(2, 2, 5);
    write(2, 2, 7);
    g.moves().undoMove();
    EXPECT_EQ(digit(2, 2), 5);
    EXPECT_EQ(s.square(2, 2).caption, "5");
    g.play().openSquareMenu(2, 2);
    g.play().eraseSquare();
    EXPECT_EQ(digit(2, 2), 0);
    g.moves().undoMove();
    EXPECT_EQ(digit(2, 2), 5);
    g.moves().undoMove();
    EXPECT_EQ(h.moveCount, 0);
    EXPECT_FALSE(s.markButton || s.undoButton);
    g.moves().undoMove();  // hidden: nothing
    EXPECT_EQ(h.moveCount, 0);
}

TEST_F(HistoryTest, MarksAreSetOncePerMoveUpToFourAndRenumberedWhenOneGoes) {
    write(2, 2, 1);
    g.moves().setMark();
    g.moves().setMark();  // no Move since: no second Mark
    EXPECT_EQ(h.markCount, 1);
    write(2, 3, 2);
    g.moves().setMark();
    write(2, 4, 3);
    g.moves().setMark();
    EXPECT_EQ(s.square(2, 2).background, kAqua);
    EXPECT_EQ(s.square(2, 3).background, kLime);
    EXPECT_EQ(s.square(2, 4).background, kFuchsia);

    g.moves().removeMark(2);
    EXPECT_EQ(h.markCount, 2);
    EXPECT_EQ(mark(2, 3), 0);
    EXPECT_EQ(mark(2, 4), 2);
    EXPECT_EQ(s.square(2, 4).background, kLime);
    EXPECT_EQ(s.square(2, 3).background, kYellow);
    EXPECT_FALSE(s.swatch[3]);
    EXPECT_TRUE(s.swatch[1] && s.swatch[2] && s.undoToMarkButton);

    g.moves().setMark();  // the removal is no Move
    EXPECT_EQ(h.markCount, 2);
    write(2, 5, 4);
    g.moves().setMark();
    write(3, 2, 5);
    g.moves().setMark();
    ASSERT_EQ(h.markCount, 4);
    EXPECT_EQ(s.square(3, 2).background, kOrange);
    write(3, 3, 6);
    g.moves().setMark();
    EXPECT_EQ(h.markCount, 4);
    EXPECT_EQ(mark(3, 3), 0);
}

TEST_F(HistoryTest, BackToTheMarkTakesBackTheMarkedMoveAndRemovesOnlyThatMark) {
    playTwoMarks();
    write(3, 2, 5);
    write(3, 3, 6);
    g.moves().undoToMark();
    EXPECT_EQ(h.moveCount, 2);
    EXPECT_EQ(h.markCount, 1);
    EXPECT_EQ(mark(2, 2), 1);
    EXPECT_EQ(digit(2, 4), 0);
    EXPECT_FALSE(s.swatch[2]);
    EXPECT_TRUE(s.undoToMarkButton);
    // The next Mark goes onto the square of the newest remaining Move.
    g.moves().setMark();
    EXPECT_EQ(mark(2, 3), 2);

    // A later rewrite of a marked square, undone, takes its Mark away too.
    write(2, 3, 9);
    g.moves().undoMove();
    EXPECT_EQ(mark(2, 3), 0);
    EXPECT_EQ(h.markCount, 1);
    EXPECT_EQ(digit(2, 3), 2);
}

TEST_F(HistoryTest, SwatchHighlightsTheMovesSinceItsMark) {
    playTwoMarks();
    g.moves().highlightMark(1);
    EXPECT_EQ(s.square(2, 2).background, kAqua);
    EXPECT_EQ(s.square(2, 3).background, kAqua);
    EXPECT_EQ(s.square(2, 4).background, kLime);  // the next Mark ends it
    g.moves().highlightMark(2);
    EXPECT_EQ(s.square(2, 5).background, kLime);
    // The next click repaints the latest highlight's squares only.
    g.play().selectSquare(3, 2);
    EXPECT_EQ(s.square(2, 5).background, kYellow);
    EXPECT_EQ(s.square(2, 4).background, kLime);
    EXPECT_EQ(s.square(2, 3).background, kAqua);
}

TEST_F(HistoryTest, FullHistoryDropsItsOldestMove) {
    for (int k = 1; k <= kMoveSlots + 1; ++k)
        write(2, 2, k % 9 + 1);
    EXPECT_EQ(h.moveCount, kMoveSlots);
    EXPECT_EQ(h.move(1).prevDigit, 1 % 9 + 1);  // the second Move wrote over the first
    for (int k = 1; k <= kMoveSlots; ++k)
        g.moves().undoMove();
    EXPECT_EQ(h.moveCount, 0);
    EXPECT_EQ(digit(2, 2), 1 % 9 + 1);
}

}  // namespace
}  // namespace krizovky
