#include "ui/times_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "history/results_record.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// Colours told apart also by those who see red and green alike (the
// Okabe–Ito palette), with a mark each besides.
const QColor kGradeColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xE6, 0x9F, 0x00),
                                QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
                                QColor(0x55, 0x55, 0x55)};
constexpr int kGradeStyles = 5;

// A step of the time axis that gives some five lines: 1, 2, 5, 10, ... minutes.
long timeStep(long most) {
    for (long step : {30L, 60L, 120L, 300L, 600L, 900L, 1800L, 3600L, 7200L})
        if (most / step <= 5) return step;
    return 14400;
}

}  // namespace

void paintPlotMark(QPainter& painter, int grade, const QPointF& centre, double size, bool filled) {
    const QColor colour = kGradeColours[grade % kGradeStyles];
    painter.setPen(QPen(colour, 1.6));
    painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::white));
    const double r = size / 2;
    switch (grade % kGradeStyles) {
        case 0:
            painter.drawEllipse(centre, r, r);
            break;
        case 1:
            painter.drawRect(QRectF(centre.x() - r, centre.y() - r, size, size));
            break;
        case 2: {
            QPainterPath triangle;
            triangle.moveTo(centre.x(), centre.y() - r * 1.15);
            triangle.lineTo(centre.x() + r * 1.1, centre.y() + r * 0.85);
            triangle.lineTo(centre.x() - r * 1.1, centre.y() + r * 0.85);
            triangle.closeSubpath();
            painter.drawPath(triangle);
            break;
        }
        case 3: {
            QPainterPath diamond;
            diamond.moveTo(centre.x(), centre.y() - r * 1.2);
            diamond.lineTo(centre.x() + r * 1.2, centre.y());
            diamond.lineTo(centre.x(), centre.y() + r * 1.2);
            diamond.lineTo(centre.x() - r * 1.2, centre.y());
            diamond.closeSubpath();
            painter.drawPath(diamond);
            break;
        }
        default:
            painter.setPen(QPen(colour, filled ? 2.4 : 1.2));
            painter.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
            painter.drawLine(centre + QPointF(-r, r), centre + QPointF(r, -r));
            break;
    }
}

TimesPlot::TimesPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("timesPlot"));
    setMinimumHeight(200);
    setAccessibleName(QStringLiteral("časy posledních výsledků podle obtížnosti"));
}

void TimesPlot::setSeries(std::vector<Series> series) {
    series_ = std::move(series);
    update();
}

void TimesPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    long most = 60;
    std::size_t longest = 2;
    for (const Series& s : series_) {
        longest = std::max(longest, s.times.size());
        for (const TimedResult& r : s.times)
            most = std::max(most, r.seconds);
    }
    const long step = timeStep(most);
    const long top = (most / step + 1) * step;

    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    const double legendWidth = 130;
    const QRectF area(left, 10, width() - left - legendWidth - 10,
                      height() - 20 - metrics.height() - 6);
    if (area.width() < 40 || area.height() < 40) return;
    auto x = [&](std::size_t i) {
        return area.left() + area.width() * static_cast<double>(i) /
                                 static_cast<double>(std::max<std::size_t>(longest - 1, 1));
    };
    auto y = [&](long seconds) {
        return area.bottom() -
               area.height() * static_cast<double>(seconds) / static_cast<double>(top);
    };

    // The time axis, its lines and their times; the results from the oldest.
    painter.setPen(QPen(QColor(0xDD, 0xDD, 0xDD), 1));
    for (long t = 0; t <= top; t += step) {
        painter.drawLine(QPointF(area.left(), y(t)), QPointF(area.right(), y(t)));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(QRectF(0, y(t) - metrics.height() / 2, left - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(formatPlayTime(t)));
        painter.setPen(QPen(QColor(0xDD, 0xDD, 0xDD), 1));
    }
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("výsledky od nejstaršího po nejnovější"));

    for (std::size_t g = 0; g < series_.size(); ++g) {
        const std::vector<TimedResult>& times = series_[g].times;
        const int style = static_cast<int>(g);
        QPainterPath line;
        for (std::size_t i = 0; i < times.size(); ++i) {
            const QPointF point(x(i), y(times[i].seconds));
            if (i == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kGradeColours[style % kGradeStyles], 1.4,
                            style % 2 == 0 ? Qt::SolidLine : Qt::DashLine));
        painter.drawPath(line);
        for (std::size_t i = 0; i < times.size(); ++i)
            paintPlotMark(painter, style, QPointF(x(i), y(times[i].seconds)), 8, times[i].unaided);

        // The legend: the mark, the grade's name.
        const QPointF at(width() - legendWidth, 16 + 22.0 * static_cast<double>(g));
        paintPlotMark(painter, style, at + QPointF(6, 0), 9, true);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(at.x() + 16, at.y() - metrics.height() / 2, legendWidth - 20, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            fromUtf8(series_[g].grade.empty() ? "neurčená" : series_[g].grade));
    }
    if (!series_.empty()) {
        const QPointF at(width() - legendWidth, 16 + 22.0 * static_cast<double>(series_.size()));
        paintPlotMark(painter, 0, at + QPointF(6, 0), 9, false);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(at.x() + 16, at.y() - metrics.height() / 2, legendWidth - 20, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("s nápovědou"));
    }
}

}  // namespace krizovky::ui
