#pragma once

#include <QLabel>

#include "app/board_palette.h"

namespace krizovky::ui {

// A legend of the check or a Mark's swatch: the state's fill, and in a square
// at its left (or in its middle, without a caption) the state's shape as the
// board draws it, so that the legend says what the board shows also to a
// player who cannot tell its colours apart.
class StateLabel : public QLabel {
    Q_OBJECT

  public:
    StateLabel(const QString& text, QWidget* parent);

    void setState(SquareState state, int mark, const BoardPalette& palette);
    SquareState state() const { return state_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SquareState state_ = SquareState::kPlain;
    int mark_ = 0;
    const BoardPalette* palette_ = &boardPalette(ColourScheme::kClassic);
};

}  // namespace krizovky::ui
