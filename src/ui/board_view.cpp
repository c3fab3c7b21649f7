#include "ui/board_view.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "ui/board_accessible.h"

namespace krizovky::ui {
namespace {

bool sameSquare(const std::optional<BoardGeometry::Square>& a,
                const std::optional<BoardGeometry::Square>& b) {
    return a && b && a->row == b->row && a->column == b->column;
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    installBoardAccessibility();
    setObjectName(QStringLiteral("boardView"));
    style_.look = BoardLook::kScreen;
    style_.numbers = true;
    style_.palette = &boardPalette(ColourScheme::kClassic);
    style_.runHighlight = true;
    setAccessibleName(QStringLiteral("hrací plocha"));
    // The window's keys still reach the game through its event filter.
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::setColours(const BoardPalette& palette, bool runHighlight) {
    if (style_.palette == &palette && style_.runHighlight == runHighlight) return;
    style_.palette = &palette;
    style_.runHighlight = runHighlight;
    update();
}

void BoardView::setPicture(const BoardPicture& picture) {
    if (picture == picture_) return;
    // Most changes are a few squares: only those are drawn again.
    const bool sameShape = picture.rows == picture_.rows && picture.columns == picture_.columns &&
                           picture.caption == picture_.caption;
    const BoardPicture before = std::exchange(picture_, picture);
    if (QAccessible::isActive()) tellAccessibility(before);
    if (!sameShape) {
        update();
        return;
    }
    for (int r = 1; r <= picture_.rows; ++r)
        for (int c = 1; c <= picture_.columns; ++c)
            if (!(picture_.at(r, c) == before.at(r, c))) update(squareArea(r, c));
}

void BoardView::tellAccessibility(const BoardPicture& before) {
    const BoardNews news = boardNews(before, picture_);
    if (news.reshaped) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    // A screen reader says the focused square's new name at once.
    for (const int child : news.renamed)
        tellOfSquare(QAccessible::NameChanged, child);
    if (news.selected && hasFocus()) tellOfSquare(QAccessible::Focus, *news.selected);
}

void BoardView::tellOfSquare(QAccessible::Event type, int child) {
    QAccessibleEvent event(this, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void BoardView::setCheckResult(const QString& result) {
    if (accessibleDescription() == result) return;
    setAccessibleDescription(result);
    const auto selected = selectedChild(picture_);
    if (selected && QAccessible::isActive())
        tellOfSquare(QAccessible::DescriptionChanged, *selected);
}

BoardGeometry BoardView::geometry() const {
    return BoardGeometry(picture_, style_, QRectF(rect()));
}

QRectF BoardView::squareRect(int row, int column) const {
    return geometry().squareRect(row, column);
}

QRect BoardView::squareArea(int row, int column) const {
    // The grid lines on the square's edges belong to its neighbours too.
    return squareRect(row, column).toAlignedRect().adjusted(-2, -2, 2, 2);
}

void BoardView::repaintSquare(int row, int column) {
    repaint(squareArea(row, column));
}

std::optional<BoardGeometry::Square> BoardView::squareAt(const QPointF& point) const {
    return geometry().squareAt(point);
}

std::optional<BoardGeometry::Square> BoardView::entryAt(const QPointF& point) const {
    const auto square = squareAt(point);
    if (!square || picture_.at(square->row, square->column).kind != PictureKind::kEntry)
        return std::nullopt;
    return square;
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paintBoard(painter, QRectF(rect()), picture_, style_);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = entryAt(event->position());
    event->accept();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const auto pressed = pressed_;
    pressed_.reset();
    if (sameSquare(pressed, entryAt(event->position())))
        emit clicked(pressed->row, pressed->column);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The release that follows is no click of its own.
    pressed_.reset();
    if (const auto square = entryAt(event->position()))
        emit doubleClicked(square->row, square->column);
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells of the view; a screen reader is to hear the selected square.
    const auto selected = selectedChild(picture_);
    if (selected && QAccessible::isActive()) tellOfSquare(QAccessible::Focus, *selected);
}

void BoardView::contextMenuEvent(QContextMenuEvent* event) {
    const auto square = entryAt(event->pos());
    if (!square) {
        event->ignore();
        return;
    }
    event->accept();
    emit popupRequested(square->row, square->column, event->globalPos());
}

}  // namespace krizovky::ui
