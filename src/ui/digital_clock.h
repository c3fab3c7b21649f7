#pragma once

#include <QLabel>
#include <QTimer>

namespace krizovky::ui {

// The time of day as hh:mm:ss, by itself once a second; the game never
// touches it.
class DigitalClock : public QLabel {
    Q_OBJECT

  public:
    explicit DigitalClock(QWidget* parent = nullptr);

  private:
    void tick();

    QTimer timer_;
};

}  // namespace krizovky::ui
