#pragma once

#include <QAccessible>
#include <QWidget>
#include <optional>

#include "app/board_picture.h"
#include "ui/board_painter.h"

namespace krizovky::ui {

// The board of the modern look: the whole picture drawn by the board painter
// in its screen look, with the row and column numbers, as large as the widget
// allows. Clicks on an entry square come out as the square's row and column,
// with the meaning a classic square's clicks have: a click when the left
// button goes up over the square it went down on, a double click on the
// second press, the pop-up menu on a right click. For screen readers it is a
// table of its squares (see board_accessible.h): it takes the focus, the
// selected square is the focused cell, and a square whose description
// changes, by a written digit or a check, says so.
class BoardView : public QWidget {
    Q_OBJECT

  public:
    explicit BoardView(QWidget* parent = nullptr);

    // Redrawn only when the picture changed.
    void setPicture(const BoardPicture& picture);
    const BoardPicture& picture() const { return picture_; }
    // The scheme's colours, and whether the selected square's runs are shaded.
    void setColours(const BoardPalette& palette, bool runHighlight);
    const BoardStyle& style() const { return style_; }
    // Where square (row, column) lies in the widget now.
    QRectF squareRect(int row, int column) const;
    // Draws the square at once, not at the next event (the solver's steps).
    void repaintSquare(int row, int column);
    // What a check found, "duplikátní číslo, chybný součet", or nothing: the
    // board's accessible description, also the selected square's.
    void setCheckResult(const QString& result);
    // The square under a point of the widget: (row, column), nothing off the board.
    std::optional<BoardGeometry::Square> squareAt(const QPointF& point) const;

  signals:
    void clicked(int row, int column);
    void doubleClicked(int row, int column);
    void popupRequested(int row, int column, const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    BoardGeometry geometry() const;
    // The pixels that drawing square (row, column) again touches.
    QRect squareArea(int row, int column) const;
    // The entry square under a point; nothing elsewhere.
    std::optional<BoardGeometry::Square> entryAt(const QPointF& point) const;
    // What changed for a screen reader (see boardNews).
    void tellAccessibility(const BoardPicture& before);
    // An event of the table's child, square number child.
    void tellOfSquare(QAccessible::Event type, int child);

    BoardPicture picture_;
    BoardStyle style_;
    std::optional<BoardGeometry::Square> pressed_;  // the left button went down here
};

}  // namespace krizovky::ui
