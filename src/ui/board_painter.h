#pragma once

#include <QRectF>
#include <optional>

#include "app/board_picture.h"

class QPainter;

namespace krizovky::ui {

enum class BoardLook : std::uint8_t {
    kPrint,   // black and white: grey clue and blank squares, white entry squares
    kScreen,  // the picture's colours, where it gives them
};

struct BoardStyle {
    BoardLook look = BoardLook::kPrint;
    bool numbers = false;  // row numbers left of the board, column numbers above it
};

// Where the squares of a picture lie when drawn into a rectangle: as large as
// fits, centred.
class BoardGeometry {
  public:
    BoardGeometry(const BoardPicture& picture, const BoardStyle& style, const QRectF& target);

    // The width and height of a board drawn with squares of the given side,
    // the numbers along the edges included.
    static QSizeF sizeFor(const BoardPicture& picture, const BoardStyle& style, double square);

    double square() const { return square_; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // The squares alone, without the numbers.
    QRectF board() const { return board_; }
    QRectF squareRect(int row, int column) const;
    // The square under a point: (row, column) 1-based, nothing off the board.
    struct Square {
        int row = 0;
        int column = 0;
    };
    std::optional<Square> squareAt(const QPointF& point) const;

  private:
    int rows_ = 0;
    int columns_ = 0;
    double square_ = 0;
    QRectF board_;
};

// Draws the picture into the rectangle of any paint device at any size: a
// widget, an image, a PDF or SVG page, a printer.
void paintBoard(QPainter& painter, const QRectF& target, const BoardPicture& picture,
                const BoardStyle& style);

// A row or column number of the board's edges, centred on centre, in the ink
// of the modern look's numbers; inkHeight is the height of a digit.
void paintEdgeNumber(QPainter& painter, int number, const QPointF& centre, double inkHeight,
                     double maxWidth);

// Text drawn at a height given in the painter's units, whatever they are
// (the fonts are sized for it, not in points or device pixels).
void drawTextSized(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                   double height, bool bold = false);

}  // namespace krizovky::ui
