#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "app/board_palette.h"
#include "app/board_picture.h"

class QPainter;

namespace krizovky::ui {

// One square of the board, drawn from its square of the game's picture (the
// classic look's part of it) at its place on the board panel: a clue square shows its
// two sums on either side of the diagonal, an entry square its digit. Only an
// entry square (an interactive look) passes on clicks and asks for the
// pop-up menu. Its accessible name is the square's description, as the
// modern look's board gives it.
class SquareWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag)
    Q_PROPERTY(QString caption READ caption)

  public:
    // The square (row, column) of the board.
    explicit SquareWidget(int row = 1, int column = 1, QWidget* parent = nullptr);

    void setLook(const PictureSquare& look, const QRect& place);
    // The scheme whose colours an entry square takes for its state.
    void setColours(const BoardPalette& palette);

    int tag() const { return look_.tag; }
    QString caption() const { return caption_; }
    // Nothing when the square takes the panel's colour. An entry square's is
    // its state's in the scheme.
    std::optional<QColor> background() const;
    // The caption as the square shows it: a word-wrapped caption broken into
    // its lines.
    QStringList lines() const;
    bool interactive() const { return look_.interactive; }

  signals:
    void clicked();
    void doubleClicked();
    // A right click or the menu key: the pop-up menu belongs at globalPos.
    void popupRequested(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The player's notes, small, in an empty entry square.
    void paintNotes(QPainter& painter) const;

    int row_;
    int column_;
    PictureSquare look_;
    const BoardPalette* palette_ = &boardPalette(ColourScheme::kClassic);
    QRect place_;
    QString caption_;
};

// Where the classic look puts a square on the board panel: 25 x 25 pixels,
// 30 pixels from one square to the next; a board restored from a saved game
// stands 8 pixels left of one built by a task load.
QRect classicSquarePlace(int row, int column, SquaresBuild build);

// Breaks a caption at blanks into lines of at most columns characters, as a
// label with word wrap does in a fixed-pitch font; a word longer than a line
// stands on a line of its own.
QStringList wrapFixedPitch(const QString& text, int columns);

QColor toQColor(Colour colour);

}  // namespace krizovky::ui
