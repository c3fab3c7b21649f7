#include "ui/board_painter.h"

#include <QFont>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace krizovky::ui {
namespace {

// The row and column numbers take this share of a square above and left of
// the board.
constexpr double kNumberBand = 0.6;

const QColor kPrintInk(0, 0, 0);
const QColor kPrintShade(0xC8, 0xC8, 0xC8);  // clue and blank squares: light, to save ink
const QColor kPrintNotes(0x40, 0x40, 0x40);
const QColor kNumberInk(0x60, 0x60, 0x60);
const QColor kWrongOnScreen(0xD0, 0x00, 0x00);

// A picture holds at most the board's 15 x 15 squares.
int squaresOf(int count) {
    return std::clamp(count, 0, kBoardSize);
}

QColor qColour(Colour colour) {
    return QColor(static_cast<QRgb>(colour));
}

QFont drawingFont(bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(100);
    font.setBold(bold);
    return font;
}

// Digits as outlines, centred on their ink rather than on the font's line box,
// so they sit in the middle of a square or a triangle at every size, and an
// SVG file needs no font to show them. inkHeight is the height of a digit;
// the text shrinks further when it would be wider than maxWidth.
void drawDigits(QPainter& painter, const QString& text, const QPointF& centre, double inkHeight,
                double maxWidth, const QColor& colour, bool bold) {
    // Laying text out is the costly part of a repaint; a board needs few
    // different numbers.
    thread_local QHash<QString, QPainterPath> outlines[2];
    auto known = outlines[bold].constFind(text);
    if (known == outlines[bold].constEnd()) {
        QPainterPath outline;
        outline.addText(0, 0, drawingFont(bold), text);
        known = outlines[bold].insert(text, outline);
    }
    const QPainterPath& path = *known;
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return;
    const double scale = std::min(inkHeight / ink.height(), maxWidth / ink.width());
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    painter.fillPath(place.map(path), colour);
}

// The length of one pixel in the painter's units: lines never get thinner
// than that on a small board on screen or in an image. Vector devices (PDF,
// SVG, a printer) have no pixel to keep to.
double devicePixel(QPainter& painter) {
    if (!painter.paintEngine() || painter.paintEngine()->type() != QPaintEngine::Raster) return 0;
    const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    return scale > 0 ? 1.0 / scale : 0;
}

struct Inks {
    QColor fill;
    QColor text;
    QColor notes;
    bool filled = true;
};

Inks inksOf(const PictureSquare& square, const BoardStyle& style) {
    const BoardLook look = style.look;
    Inks inks;
    if (look == BoardLook::kScreen && style.palette) {
        const BoardPalette& palette = *style.palette;
        switch (square.kind) {
            case PictureKind::kBlank:
                inks.filled = false;
                break;
            case PictureKind::kClue:
                inks.fill = qColour(palette.clue);
                inks.text = qColour(palette.clueInk);
                break;
            case PictureKind::kEntry: {
                Colour fill = fillOf(palette, square.state, square.mark);
                if (style.runHighlight && square.state == SquareState::kPlain &&
                    square.inSelectedRun && !square.selected)
                    fill = palette.runShade;
                inks.fill = qColour(fill);
                inks.text = qColour(palette.entryInk);
                inks.notes = qColour(palette.notesInk);
                break;
            }
        }
        return inks;
    }
    if (look == BoardLook::kPrint) {
        inks.fill = square.kind == PictureKind::kEntry ? Qt::white : kPrintShade;
        inks.text = kPrintInk;
        return inks;
    }
    switch (square.kind) {
        case PictureKind::kBlank:
            inks.filled = square.background.has_value();
            inks.fill = qColour(square.background.value_or(kBlack));
            inks.text = qColour(square.textColour.value_or(kWhite));
            break;
        case PictureKind::kClue:
            inks.fill = qColour(square.background.value_or(kBlack));
            inks.text = qColour(square.textColour.value_or(kWhite));
            break;
        case PictureKind::kEntry:
            inks.fill = qColour(square.background.value_or(kWhite));
            inks.text = qColour(square.textColour.value_or(kBlack));
            break;
    }
    inks.notes = inks.text;
    return inks;
}

// Parallel lines at 45 degrees across the square, ending at its edges (no
// clip: a clipped painter costs more than the lines): direction 1 rises to
// the right, -1 falls.
void hatch(QPainter& painter, const QRectF& rect, int direction, const QColor& ink, double width) {
    const double s = rect.width();
    const double gap = std::max(0.2 * s, 3 * width);
    QVarLengthArray<QLineF, 16> lines;
    for (double offset = -s + gap / 2; offset < s; offset += gap) {
        const double from = std::max(0.0, -offset), to = std::min(s, s - offset);
        const double x = rect.left() + offset;
        if (direction > 0)
            lines.append(QLineF(x + from, rect.bottom() - from, x + to, rect.bottom() - to));
        else
            lines.append(QLineF(x + from, rect.top() + from, x + to, rect.top() + to));
    }
    painter.setPen(QPen(ink, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines.constData(), static_cast<int>(lines.size()));
}

void markSymbol(QPainter& painter, const QPointF& centre, double radius, int mark,
                const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const double r = radius;
    const double x = centre.x();
    const double y = centre.y();
    switch (mark) {
        case 1:
            painter.drawEllipse(centre, r, r);
            break;
        case 2:
            painter.drawPolygon(QPolygonF{{x, y - r}, {x + r, y + 0.8 * r}, {x - r, y + 0.8 * r}});
            break;
        case 3:
            painter.drawRect(QRectF(x - 0.85 * r, y - 0.85 * r, 1.7 * r, 1.7 * r));
            break;
        case 4:
            painter.drawPolygon(QPolygonF{{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}});
            break;
        default:
            break;
    }
    painter.setBrush(Qt::NoBrush);
}

void paintClue(QPainter& painter, const QRectF& rect, const PictureSquare& square,
               const QColor& ink, double line) {
    const double s = rect.width();
    painter.setPen(QPen(ink, line, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    const double height = 0.27 * s;
    const double width = 0.44 * s;
    if (square.acrossSum > 0)
        drawDigits(painter, QString::number(square.acrossSum),
                   rect.topLeft() + QPointF(0.71 * s, 0.28 * s), height, width, ink, false);
    if (square.downSum > 0)
        drawDigits(painter, QString::number(square.downSum),
                   rect.topLeft() + QPointF(0.29 * s, 0.72 * s), height, width, ink, false);
}

void paintEntry(QPainter& painter, const QRectF& rect, const PictureSquare& square,
                const Inks& inks, BoardLook look, double line) {
    const double s = rect.width();
    if (square.digit >= 1 && square.digit <= 9) {
        drawDigits(painter, QString::number(square.digit), rect.center(), 0.5 * s, s, inks.text,
                   look == BoardLook::kScreen);
        if (square.wrong) {
            const QColor ring = look == BoardLook::kScreen ? kWrongOnScreen : kPrintInk;
            painter.setPen(QPen(ring, 1.5 * line));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(rect.center(), 0.36 * s, 0.36 * s);
        }
        return;
    }
    // Notes: 1 top left ... 9 bottom right.
    const QColor ink = look == BoardLook::kPrint ? kPrintNotes : inks.notes;
    for (int d = 1; d <= 9; ++d) {
        if (!(square.notes & digitBit(d))) continue;
        const QPointF centre = rect.topLeft() + QPointF((0.2 + 0.3 * ((d - 1) % 3)) * s,
                                                        (0.2 + 0.3 * ((d - 1) / 3)) * s);
        drawDigits(painter, QString::number(d), centre, 0.2 * s, s, ink, false);
    }
}

// A painter clipped to a part of the board (a window repainting a square)
// draws only what reaches into the clip.
class Visible {
  public:
    explicit Visible(const QPainter& painter)
        : clipped_(painter.hasClipping()),
          clip_(clipped_ ? painter.clipBoundingRect() : QRectF()) {}
    bool operator()(const QRectF& rect) const { return !clipped_ || rect.intersects(clip_); }

  private:
    bool clipped_;
    QRectF clip_;
};

void paintNumbers(QPainter& painter, const BoardGeometry& geometry, int rows, int columns,
                  const QColor& ink) {
    const double s = geometry.square();
    const double band = kNumberBand * s;
    const Visible visible(painter);
    for (int c = 1; c <= columns; ++c) {
        const QRectF square = geometry.squareRect(1, c);
        if (!visible(square.translated(0, -band))) continue;
        paintEdgeNumber(painter, c, QPointF(square.center().x(), square.top() - band / 2), 0.22 * s,
                        0.8 * s, ink);
    }
    for (int r = 1; r <= rows; ++r) {
        const QRectF square = geometry.squareRect(r, 1);
        if (!visible(square.translated(-band, 0))) continue;
        paintEdgeNumber(painter, r, QPointF(square.left() - band / 2, square.center().y()),
                        0.22 * s, band * 0.9, ink);
    }
}

}  // namespace

void paintEdgeNumber(QPainter& painter, int number, const QPointF& centre, double inkHeight,
                     double maxWidth, const QColor& ink) {
    drawDigits(painter, QString::number(number), centre, inkHeight, maxWidth, ink, false);
}

void paintStateUnderDigit(QPainter& painter, const QRectF& rect, SquareState state,
                          const QColor& ink, double line) {
    if (state != SquareState::kDuplicate && state != SquareState::kWrongSum) return;
    const bool crossed = state == SquareState::kDuplicate;
    QColor faint = ink;
    faint.setAlphaF(0.4);
    const double width = std::max(1.4 * line, 0.05 * rect.width());
    auto draw = [&](QPainter& onto, const QRectF& square, double lineWidth) {
        onto.setRenderHint(QPainter::Antialiasing, true);
        hatch(onto, square, 1, faint, lineWidth);
        if (crossed) hatch(onto, square, -1, faint, lineWidth);
    };
    const double pixel = devicePixel(painter);
    if (pixel <= 0) {
        draw(painter, rect, width);  // a vector device: the lines themselves
        return;
    }
    // On a screen or an image, antialiased lines of a hatching cost ten times
    // the rest of a square: each size and ink is drawn once into a tile.
    const int side = std::max(1, static_cast<int>(std::lround(rect.width() / pixel)));
    const quint64 key = (static_cast<quint64>(side) << 34) | (static_cast<quint64>(crossed) << 33) |
                        (static_cast<quint64>(std::lround(width / pixel * 8)) << 24) |
                        (faint.rgba() & 0xFFFFFF);
    thread_local QHash<quint64, QImage> tiles;
    auto tile = tiles.constFind(key);
    if (tile == tiles.constEnd()) {
        if (tiles.size() > 64) tiles.clear();
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter onto(&image);
            draw(onto, QRectF(0, 0, side, side), width / pixel);
        }
        tile = tiles.insert(key, image);
    }
    painter.drawImage(rect, *tile);
}

void paintStateOverDigit(QPainter& painter, const QRectF& rect, SquareState state, int mark,
                         bool selected, const QColor& ink, double line) {
    const double s = rect.width();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (selected || state == SquareState::kSelected) {
        const double frame = std::max(0.1 * s, 2 * line);
        painter.setPen(QPen(ink, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(rect.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
    }
    switch (state) {
        case SquareState::kWrongDigit:
            painter.setPen(QPen(ink, std::max(0.05 * s, 1.5 * line)));
            painter.drawEllipse(rect.center(), 0.37 * s, 0.37 * s);
            break;
        case SquareState::kHintUsed: {
            const double width = std::max(0.05 * s, line);
            painter.setPen(QPen(ink, width, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
            painter.drawRect(rect.adjusted(0.12 * s, 0.12 * s, -0.12 * s, -0.12 * s));
            break;
        }
        case SquareState::kHintDecided: {
            const double width = std::max(0.04 * s, line);
            painter.setPen(QPen(ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(rect.adjusted(0.1 * s, 0.1 * s, -0.1 * s, -0.1 * s));
            painter.drawRect(rect.adjusted(0.2 * s, 0.2 * s, -0.2 * s, -0.2 * s));
            break;
        }
        case SquareState::kMark:
            markSymbol(painter, rect.topLeft() + QPointF(0.14 * s, 0.14 * s), 0.1 * s, mark, ink);
            break;
        default:
            break;
    }
    painter.restore();
}

void paintStateSample(QPainter& painter, const QRectF& rect, SquareState state, int mark,
                      const BoardPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, qColour(fillOf(palette, state, mark)));
    const double line = std::max(1.0, 0.025 * rect.height());
    const QColor ink = qColour(palette.shapeInk);
    const QRectF square(rect.left() + (rect.width() - rect.height()) / 2, rect.top(), rect.height(),
                        rect.height());
    paintStateUnderDigit(painter, rect, state, ink, line);
    if (state == SquareState::kMark)
        markSymbol(painter, square.center(), 0.3 * square.height(), mark, ink);
    else
        paintStateOverDigit(painter, square, state, mark, false, ink, line);
    painter.restore();
}

BoardGeometry::BoardGeometry(const BoardPicture& picture, const BoardStyle& style,
                             const QRectF& target)
    : rows_(squaresOf(picture.rows)), columns_(squaresOf(picture.columns)) {
    if (rows_ <= 0 || columns_ <= 0 || target.isEmpty()) return;
    const QSizeF unit = sizeFor(picture, style, 1.0);
    square_ = std::min(target.width() / unit.width(), target.height() / unit.height());
    const QSizeF size = unit * square_;
    const QPointF corner = target.center() - QPointF(size.width(), size.height()) / 2;
    const double band = style.numbers ? kNumberBand * square_ : 0;
    board_ = QRectF(corner + QPointF(band, band), QSizeF(columns_ * square_, rows_ * square_));
}

QSizeF BoardGeometry::sizeFor(const BoardPicture& picture, const BoardStyle& style, double square) {
    const double band = style.numbers ? kNumberBand : 0;
    return QSizeF((squaresOf(picture.columns) + band) * square,
                  (squaresOf(picture.rows) + band) * square);
}

QRectF BoardGeometry::squareRect(int row, int column) const {
    return QRectF(board_.left() + (column - 1) * square_, board_.top() + (row - 1) * square_,
                  square_, square_);
}

std::optional<BoardGeometry::Square> BoardGeometry::squareAt(const QPointF& point) const {
    if (square_ <= 0) return std::nullopt;
    const double x = point.x() - board_.left();
    const double y = point.y() - board_.top();
    if (x < 0 || y < 0 || x >= board_.width() || y >= board_.height()) return std::nullopt;
    return Square{std::min(rows_, static_cast<int>(y / square_) + 1),
                  std::min(columns_, static_cast<int>(x / square_) + 1)};
}

void paintBoard(QPainter& painter, const QRectF& target, const BoardPicture& picture,
                const BoardStyle& style) {
    const BoardGeometry geometry(picture, style, target);
    const double s = geometry.square();
    if (s <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double pixel = devicePixel(painter);
    const double line = std::max(0.025 * s, pixel);
    const bool print = style.look == BoardLook::kPrint;
    const Visible visible(painter);
    const BoardPalette* palette = print ? nullptr : style.palette;
    if (palette && palette->page) painter.fillRect(target, qColour(*palette->page));
    const QColor shapeInk = palette ? qColour(palette->shapeInk) : kPrintInk;

    for (int r = 1; r <= geometry.rows(); ++r) {
        for (int c = 1; c <= geometry.columns(); ++c) {
            const PictureSquare& square = picture.at(r, c);
            const Inks inks = inksOf(square, style);
            const QRectF rect = geometry.squareRect(r, c);
            if (!inks.filled || !visible(rect)) continue;
            painter.fillRect(rect, inks.fill);
            if (square.kind == PictureKind::kClue) {
                paintClue(painter, rect, square, print ? kPrintInk : inks.text, line);
            } else if (square.kind == PictureKind::kEntry) {
                if (palette) paintStateUnderDigit(painter, rect, square.state, shapeInk, line);
                paintEntry(painter, rect, square, inks, style.look, line);
            }
        }
    }

    // The grid over the fills: every square drawn gets its outline, and on
    // paper the board its frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette ? qColour(palette->grid) : kPrintInk, line, Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    for (int r = 1; r <= geometry.rows(); ++r)
        for (int c = 1; c <= geometry.columns(); ++c)
            if (inksOf(picture.at(r, c), style).filled && visible(geometry.squareRect(r, c)))
                painter.drawRect(geometry.squareRect(r, c));
    // The shapes over the grid, so that a frame keeps its whole width.
    if (palette) {
        for (int r = 1; r <= geometry.rows(); ++r) {
            for (int c = 1; c <= geometry.columns(); ++c) {
                const PictureSquare& square = picture.at(r, c);
                const QRectF rect = geometry.squareRect(r, c);
                if (square.kind != PictureKind::kEntry || !visible(rect)) continue;
                paintStateOverDigit(painter, rect, square.state, square.mark, square.selected,
                                    shapeInk, line);
            }
        }
    }
    if (print) {
        // Inside the board's edge, so that a board filling its rectangle
        // keeps the whole frame.
        const double frame = std::max(0.06 * s, 2 * pixel);
        painter.setPen(QPen(kPrintInk, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(geometry.board().adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
    }
    if (style.numbers)
        paintNumbers(painter, geometry, geometry.rows(), geometry.columns(),
                     palette ? qColour(palette->numbers) : kNumberInk);
    painter.restore();
}

void drawTextSized(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                   double height, bool bold) {
    if (height <= 0) return;
    const double scale = height / 100.0;
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(scale, scale);
    painter.setFont(drawingFont(bold));
    painter.drawText(QRectF(0, 0, rect.width() / scale, rect.height() / scale), flags, text);
    painter.restore();
}

}  // namespace krizovky::ui
