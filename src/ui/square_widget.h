#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "app/screen.h"

class QPainter;

namespace krizovky::ui {

// One square of the board, drawn from its SquareLook: a clue square shows its
// two sums on either side of the diagonal, an entry square its digit. Only an
// entry square (an interactive look) passes on clicks and asks for the
// pop-up menu.
class SquareWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag)
    Q_PROPERTY(QString caption READ caption)

  public:
    explicit SquareWidget(QWidget* parent = nullptr);

    void setLook(const SquareLook& look);

    int tag() const { return look_.tag; }
    QString caption() const { return caption_; }
    // Nothing when the square takes the panel's colour.
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

    SquareLook look_;
    QString caption_;
};

// Breaks a caption at blanks into lines of at most columns characters, as a
// label with word wrap does in a fixed-pitch font; a word longer than a line
// stands on a line of its own.
QStringList wrapFixedPitch(const QString& text, int columns);

QColor toQColor(Colour colour);

}  // namespace krizovky::ui
