#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "app/statistics.h"

namespace krizovky::ui {

// The player's times of the latest results of each grade, drawn as one line
// a grade over the results from the oldest, so that a player sees whether
// they get faster. Each grade has its own colour and its own mark (circle,
// square, triangle, diamond, cross), so that no grade is told by colour
// alone; a result with help has its mark hollow.
class TimesPlot : public QWidget {
    Q_OBJECT

  public:
    explicit TimesPlot(QWidget* parent = nullptr);

    struct Series {
        std::string grade;  // UTF-8
        std::vector<TimedResult> times;
    };
    void setSeries(std::vector<Series> series);
    const std::vector<Series>& series() const { return series_; }

    QSize sizeHint() const override { return {560, 240}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Series> series_;
};

// The marks of the plot and of its legend: by the grade's place, from 0.
void paintPlotMark(QPainter& painter, int grade, const QPointF& centre, double size, bool filled);

}  // namespace krizovky::ui
