#include "ui/pie_gauge.h"

#include <QPainter>
#include <QPainterPath>

namespace krizovky::ui {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent) {}

void PieGauge::setProgress(int position, int maximum) {
    if (position == position_ && maximum == maximum_) return;
    position_ = position;
    maximum_ = maximum;
    update();
}

int PieGauge::percent() const {
    if (maximum_ <= 0) return 0;
    return qBound(0, static_cast<int>(100LL * position_ / maximum_), 100);
}

QString PieGauge::text() const {
    return QStringLiteral("%1%").arg(percent());
}

void PieGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 255, 0));

    const QRectF disc = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(disc);

    // Qt counts angles counter-clockwise from three o'clock in 1/16 degree.
    const int span =
        maximum_ > 0 ? static_cast<int>(360LL * 16 * qBound(0, position_, maximum_) / maximum_) : 0;
    QPainterPath filled;
    if (span > 0) {
        filled.moveTo(disc.center());
        filled.arcTo(disc, 90, -span / 16.0);
        filled.closeSubpath();
        painter.setBrush(Qt::black);
        painter.drawPath(filled);
    }

    // The percentage is black on the yellow and yellow on the black.
    QFont font = this->font();
    font.setBold(true);
    painter.setFont(font);
    QPainterPath everything;
    everything.addRect(rect());
    painter.save();
    painter.setClipPath(everything.subtracted(filled));
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
    painter.restore();
    if (span > 0) {
        painter.setClipPath(filled);
        painter.setPen(QColor(255, 255, 0));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

}  // namespace krizovky::ui
