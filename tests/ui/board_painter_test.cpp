// The board painter: which square a point falls on, and what a square shows
// in either look.
#include "ui/board_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace krizovky::ui {
namespace {

BoardPicture picture(int rows, int columns) {
    BoardPicture p;
    p.rows = rows;
    p.columns = columns;
    return p;
}

std::string squareText(const std::optional<BoardGeometry::Square>& square) {
    return square ? std::to_string(square->row) + "," + std::to_string(square->column) : "none";
}

TEST(BoardPainterTest, APointFindsTheSquareUnderIt) {
    // 4 x 3 squares and the numbers' band of 0.6 of a square fill 460 x 360
    // with squares of 100: the squares lie at (70, 80) .. (470, 380).
    const QRectF target(10, 20, 460, 360);
    const BoardGeometry numbered(picture(3, 4), BoardStyle{BoardLook::kScreen, true}, target);
    // Without them, squares of 115 and the board centred: (10, 27.5) .. (470, 372.5).
    const BoardGeometry plain(picture(3, 4), BoardStyle{}, target);
    const struct {
        const BoardGeometry& geometry;
        QPointF point;
        std::string square;
    } cases[] = {
        {numbered, {70.5, 80.5}, "1,1"},   {numbered, {270.5, 230}, "2,3"},
        {numbered, {469.9, 379.9}, "3,4"}, {numbered, {470, 200}, "none"},
        {numbered, {69, 100}, "none"},     {numbered, {300, 79}, "none"},
        {plain, {11, 372}, "3,1"},         {plain, {469, 28}, "1,4"},
        {plain, {300, 27}, "none"},
    };
    EXPECT_EQ(numbered.square(), 100);
    for (const auto& c : cases)
        EXPECT_EQ(squareText(c.geometry.squareAt(c.point)), c.square)
            << c.point.x() << ", " << c.point.y();
    EXPECT_EQ(squareText(BoardGeometry(picture(0, 0), BoardStyle{}, target).squareAt({50, 50})),
              "none");
}

// Counts the dark pixels of an area of a square of side 100, given in
// hundredths of the square.
int inkIn(const QImage& image, int left, int top, int right, int bottom, int squareLeft) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += qGray(image.pixel(squareLeft + x, y)) < 128;
    return count;
}

TEST(BoardPainterTest, AnEntrySquareShowsItsDigitOrElseItsNotesInTheLooksColours) {
    BoardPicture board = picture(1, 2);
    board.at(1, 1).kind = PictureKind::kClue;
    board.at(1, 1).acrossSum = 3;
    PictureSquare& entry = board.at(1, 2);
    entry.kind = PictureKind::kEntry;
    entry.notes = digitBit(1) | digitBit(9);
    entry.background = kYellow;

    const struct {
        int digit;
        BoardLook look;
        bool noteOne, centre, noteNine;
        QRgb paper;
    } cases[] = {
        {0, BoardLook::kPrint, true, false, true, qRgb(255, 255, 255)},
        {0, BoardLook::kScreen, true, false, true, qRgb(255, 255, 0)},
        {5, BoardLook::kPrint, false, true, false, qRgb(255, 255, 255)},
    };
    for (const auto& c : cases) {
        entry.digit = c.digit;
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintBoard(painter, QRectF(0, 0, 200, 100), board, BoardStyle{c.look, false});
        }
        SCOPED_TRACE(c.digit);
        EXPECT_EQ(inkIn(image, 10, 10, 30, 30, 100) > 0, c.noteOne);
        EXPECT_EQ(inkIn(image, 35, 35, 65, 65, 100) > 0, c.centre);
        EXPECT_EQ(inkIn(image, 70, 70, 90, 90, 100) > 0, c.noteNine);
        EXPECT_EQ(image.pixel(100 + 50, 8), c.paper);
    }
}

// A palette whose every fill is the plain square's: what is left to tell the
// states apart is their shapes.
BoardPalette oneFillPalette() {
    BoardPalette palette = boardPalette(ColourScheme::kClassic);
    palette.states.fill(palette.entry);
    palette.marks.fill(palette.entry);
    palette.runShade = palette.entry;
    return palette;
}

TEST(BoardPainterTest, EveryStateHasAShapeOfItsOwnBesidesItsColour) {
    const BoardPalette palette = oneFillPalette();
    BoardStyle style{BoardLook::kScreen, false, &palette, true};
    struct Shown {
        SquareState state;
        int mark;
        bool selected;
    };
    std::vector<Shown> states{
        {SquareState::kPlain, 0, false},     {SquareState::kPlain, 0, true},
        {SquareState::kDuplicate, 0, false}, {SquareState::kWrongSum, 0, false},
        {SquareState::kHintUsed, 0, false},  {SquareState::kHintDecided, 0, false},
        {SquareState::kWrongDigit, 0, false}};
    for (int m = 1; m <= 4; ++m)
        states.push_back({SquareState::kMark, m, false});
    std::vector<QImage> images;
    for (const Shown& shown : states) {
        BoardPicture board = picture(1, 1);
        PictureSquare& square = board.at(1, 1);
        square.kind = PictureKind::kEntry;
        square.digit = 5;
        square.state = shown.state;
        square.mark = shown.mark;
        square.selected = shown.selected;
        // In grey only: what a player sees who tells no colours apart.
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintBoard(painter, QRectF(0, 0, 60, 60), board, style);
        }
        images.push_back(image.convertToFormat(QImage::Format_Grayscale8));
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << "states " << i << " and " << j << " look the same";
}

}  // namespace
}  // namespace krizovky::ui
