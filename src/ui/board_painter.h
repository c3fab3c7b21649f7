#pragma once

#include <QColor>
#include <QRectF>
#include <optional>

#include "app/board_palette.h"
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
    // On screen: the scheme's colours instead of the picture's, and every
    // state of a square shown by a shape besides its colour.
    const BoardPalette* palette = nullptr;
    bool runHighlight = false;  // the selected square's runs shaded
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

// The shape of an entry square's state, so that no state is told by colour
// alone. Under the digit: cross-hatching for a run with a digit twice, a
// single hatching for a run that misses its sum. Over it: a thick frame for
// the selected square, a ring for a wrong digit, a dashed frame for a square
// of the next step's reasoning and a double one for the square it decides,
// and a Mark's own symbol in the corner (a disc, a triangle, a square, a
// diamond for Marks 1 to 4). line is the grid's line width.
void paintStateUnderDigit(QPainter& painter, const QRectF& rect, SquareState state,
                          const QColor& ink, double line);
void paintStateOverDigit(QPainter& painter, const QRectF& rect, SquareState state, int mark,
                         bool selected, const QColor& ink, double line);
// A sample of a state for a legend or a Mark's swatch: its fill and shape.
void paintStateSample(QPainter& painter, const QRectF& rect, SquareState state, int mark,
                      const BoardPalette& palette);

// A row or column number of the board's edges, centred on centre, in the ink
// of the modern look's numbers; inkHeight is the height of a digit.
void paintEdgeNumber(QPainter& painter, int number, const QPointF& centre, double inkHeight,
                     double maxWidth, const QColor& ink = QColor(0x60, 0x60, 0x60));

// Text drawn at a height given in the painter's units, whatever they are
// (the fonts are sized for it, not in points or device pixels).
void drawTextSized(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                   double height, bool bold = false);

}  // namespace krizovky::ui
