// What a square says to a screen reader: its place, its sums or its digit
// and notes, and what the board's colour shows on it.
#include "app/square_description.h"

#include <gtest/gtest.h>

namespace krizovky {
namespace {

PictureSquare entry(int digit, DigitSet notes = 0) {
    PictureSquare square;
    square.kind = PictureKind::kEntry;
    square.digit = digit;
    square.notes = notes;
    return square;
}

PictureSquare clue(int across, int down) {
    PictureSquare square;
    square.kind = PictureKind::kClue;
    square.acrossSum = across;
    square.downSum = down;
    return square;
}

TEST(SquareDescriptionTest, ThePlaceAndWhatTheSquareHolds) {
    const DigitSet notes = digitBit(1) | digitBit(3) | digitBit(7);
    EXPECT_EQ(squareDescription(entry(0, notes), 3, 5),
              "řádek 3, sloupec 5, prázdné, poznámky 1 3 7");
    EXPECT_EQ(squareDescription(entry(0), 3, 5), "řádek 3, sloupec 5, prázdné");
    // The notes stay hidden under a written digit.
    EXPECT_EQ(squareDescription(entry(7, notes), 3, 5), "řádek 3, sloupec 5, 7");
    EXPECT_EQ(squareDescription(clue(16, 23), 1, 1),
              "řádek 1, sloupec 1, součet doprava 16, dolů 23");
    EXPECT_EQ(squareDescription(clue(0, 23), 1, 2), "řádek 1, sloupec 2, součet dolů 23");
    EXPECT_EQ(squareDescription(clue(16, 0), 12, 1), "řádek 12, sloupec 1, součet doprava 16");
    EXPECT_EQ(squareDescription(clue(0, 0), 2, 1), "řádek 2, sloupec 1, černé pole");
    EXPECT_EQ(squareDescription(PictureSquare{}, 1, 1), "řádek 1, sloupec 1, prázdné pole");
}

TEST(SquareDescriptionTest, ACheckAMarkAndAHintFollowWhatTheSquareHolds) {
    const auto described = [](SquareState state, int digit, int mark = 0) {
        PictureSquare square = entry(digit);
        square.state = state;
        square.mark = mark;
        return squareDescription(square, 2, 3);
    };
    EXPECT_EQ(described(SquareState::kDuplicate, 4), "řádek 2, sloupec 3, 4, duplikátní číslo");
    EXPECT_EQ(described(SquareState::kWrongSum, 4), "řádek 2, sloupec 3, 4, chybný součet");
    EXPECT_EQ(described(SquareState::kMark, 0, 2), "řádek 2, sloupec 3, prázdné, značka 2");
    EXPECT_EQ(described(SquareState::kWrongDigit, 4), "řádek 2, sloupec 3, 4, chyba");
    EXPECT_EQ(described(SquareState::kHintDecided, 0),
              "řádek 2, sloupec 3, prázdné, rozhodne další krok");
    EXPECT_EQ(described(SquareState::kSelected, 4), "řádek 2, sloupec 3, 4");

    PictureSquare printed = entry(4);
    printed.wrong = true;
    EXPECT_EQ(squareDescription(printed, 2, 3), "řádek 2, sloupec 3, 4, chyba");
    printed.state = SquareState::kWrongDigit;
    EXPECT_EQ(squareDescription(printed, 2, 3), "řádek 2, sloupec 3, 4, chyba");
}

}  // namespace
}  // namespace krizovky
