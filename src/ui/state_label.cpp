#include "ui/state_label.h"

#include <QPainter>

#include "ui/board_painter.h"
#include "ui/square_widget.h"

namespace krizovky::ui {

StateLabel::StateLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void StateLabel::setState(SquareState state, int mark, const BoardPalette& palette) {
    if (state == state_ && mark == mark_ && &palette == palette_) return;
    state_ = state;
    mark_ = mark;
    palette_ = &palette;
    QPalette colours = this->palette();
    colours.setColor(QPalette::Window, toQColor(fillOf(palette, state, mark)));
    colours.setColor(QPalette::WindowText, toQColor(palette.entryInk));
    setPalette(colours);
    update();
}

void StateLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRectF whole(rect());
        painter.fillRect(whole, toQColor(fillOf(*palette_, state_, mark_)));
        const QRectF sample = text().isEmpty() ? whole : QRectF(0, 0, height(), height());
        paintStateSample(painter, sample, state_, mark_, *palette_);
    }
    QLabel::paintEvent(event);
}

}  // namespace krizovky::ui
