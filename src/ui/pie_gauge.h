#pragma once

#include <QWidget>

namespace krizovky::ui {

// A progress gauge shaped as a pie: a yellow disc on a lime square whose
// filled part, clockwise from the top, is black, with the percentage written
// in the middle.
class PieGauge : public QWidget {
    Q_OBJECT

  public:
    explicit PieGauge(QWidget* parent = nullptr);

    void setProgress(int position, int maximum);
    int position() const { return position_; }
    int maximum() const { return maximum_; }
    int percent() const;  // whole percent, rounded down, 0..100
    QString text() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int position_ = 0;
    int maximum_ = 100;
};

}  // namespace krizovky::ui
