#include "ui/square_widget.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QPainter>
#include <tuple>

#include "app/square_description.h"
#include "ui/board_painter.h"
#include "ui/click_tracker.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// A clue caption is "\", the across sum, a blank, the down sum, "\": with
// both sums two wide it breaks into two lines of three characters.
constexpr int kClueColumns = 3;
constexpr int kClueMargin = 2;

constexpr int kSquareSize = 25;
constexpr int kSquarePitch = 30;
constexpr int kTaskBoardIndent = 8;

auto fields(const PictureSquare& look) {
    return std::tie(look.exists, look.visible, look.caption, look.background, look.textColour,
                    look.font, look.centred, look.wordWrap, look.interactive, look.tag, look.notes,
                    look.kind, look.state, look.mark);
}

}  // namespace

QRect classicSquarePlace(int row, int column, SquaresBuild build) {
    const int indent = build == SquaresBuild::kTask ? kTaskBoardIndent : 0;
    return QRect(kSquarePitch * column + indent, kSquarePitch * row, kSquareSize, kSquareSize);
}

QColor toQColor(Colour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

QStringList wrapFixedPitch(const QString& text, int columns) {
    QStringList lines;
    QString rest = text;
    while (rest.size() > columns) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), columns);
        if (cut < 0) cut = rest.indexOf(QLatin1Char(' '), columns);
        if (cut < 0) break;
        lines << rest.left(cut);
        rest = rest.mid(cut + 1);
    }
    lines << rest;
    return lines;
}

SquareWidget::SquareWidget(int row, int column, QWidget* parent)
    : QWidget(parent), row_(row), column_(column) {
    hide();
    auto* clicks = new ClickTracker(this);
    connect(clicks, &ClickTracker::clicked, this, [this] {
        if (look_.interactive) emit clicked();
    });
    connect(clicks, &ClickTracker::doubleClicked, this, [this] {
        if (look_.interactive) emit doubleClicked();
    });
}

void SquareWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (!look_.interactive) {
        event->ignore();
        return;
    }
    event->accept();
    emit popupRequested(event->globalPos());
}

void SquareWidget::setLook(const PictureSquare& look, const QRect& place) {
    // The whole board is drawn after every handler; most squares stay as they were.
    if (fields(look) == fields(look_) && place == place_ &&
        isHidden() != (look.exists && look.visible))
        return;
    look_ = look;
    place_ = place;
    caption_ = fromUtf8(look.caption);
    // A digit, the notes or a colour differ whenever the description does.
    setAccessibleName(fromUtf8(squareDescription(look, row_, column_)));
    setGeometry(place);
    setVisible(look.exists && look.visible);
    update();
}

void SquareWidget::setColours(const BoardPalette& palette) {
    if (&palette == palette_) return;
    palette_ = &palette;
    if (look_.interactive) update();
}

std::optional<QColor> SquareWidget::background() const {
    if (!look_.background) return std::nullopt;
    if (look_.kind == PictureKind::kEntry)
        return toQColor(fillOf(*palette_, look_.state, look_.mark));
    return toQColor(*look_.background);
}

QStringList SquareWidget::lines() const {
    if (look_.wordWrap && look_.font == FontRole::kClue)
        return wrapFixedPitch(caption_, kClueColumns);
    return {caption_};
}

void SquareWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::optional<QColor> fill = background();
    if (fill) painter.fillRect(rect(), *fill);
    // An entry square's state shows by a shape too: under the digit and over it.
    const bool shaped = look_.kind == PictureKind::kEntry && fill;
    const QColor shapeInk = toQColor(palette_->shapeInk);
    if (shaped) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        paintStateUnderDigit(painter, QRectF(rect()), look_.state, shapeInk, 1);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(toQColor(look_.textColour.value_or(kBlack)));

    switch (look_.font) {
        case FontRole::kClue: {
            const QFont font = clueFont();
            painter.setFont(font);
            const QFontMetrics metrics(font);
            // Every clue square puts its lines at the same heights, whatever
            // digits they hold: the first line's top and the last line's
            // bottom at the margins.
            const QRect ink = metrics.tightBoundingRect(QStringLiteral("\\0123456789"));
            const int firstBaseline = kClueMargin - ink.top();
            const int lastBaseline = height() - kClueMargin - (ink.top() + ink.height());
            const int left =
                (width() - kClueColumns * metrics.horizontalAdvance(QLatin1Char('0'))) / 2;
            const QStringList wrapped = lines();
            const auto count = wrapped.size();
            for (qsizetype i = 0; i < count; ++i) {
                const int baseline =
                    count == 1 ? firstBaseline
                               : firstBaseline + static_cast<int>((lastBaseline - firstBaseline) *
                                                                  i / (count - 1));
                painter.drawText(left, baseline, wrapped[i]);
            }
            break;
        }
        case FontRole::kEntry:
        case FontRole::kPanel: {
            if (look_.font == FontRole::kEntry) painter.setFont(entryFont());
            int flags = look_.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop;
            if (look_.wordWrap) flags |= Qt::TextWordWrap;
            painter.drawText(rect(), flags, caption_);
            paintNotes(painter);
            if (shaped) {
                painter.setRenderHint(QPainter::Antialiasing, true);
                paintStateOverDigit(painter, QRectF(rect()), look_.state, look_.mark, false,
                                    shapeInk, 1);
            }
            break;
        }
    }
}

void SquareWidget::paintNotes(QPainter& painter) const {
    if (look_.notes == 0) return;
    // 1 top left ... 9 bottom right, each in its third of the square.
    painter.setFont(noteFont());
    painter.setPen(toQColor(kNoteColour));
    const QRectF whole(rect());
    const double third = whole.width() / 3, row = whole.height() / 3;
    for (int d = 1; d <= 9; ++d) {
        if (!(look_.notes & digitBit(d))) continue;
        const QRectF place(whole.left() + third * ((d - 1) % 3), whole.top() + row * ((d - 1) / 3),
                           third, row);
        painter.drawText(place, Qt::AlignCenter, QString::number(d));
    }
}

}  // namespace krizovky::ui
