#include "ui/digital_clock.h"

#include <QTime>

namespace krizovky::ui {

DigitalClock::DigitalClock(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    connect(&timer_, &QTimer::timeout, this, &DigitalClock::tick);
    tick();
}

void DigitalClock::tick() {
    const QTime now = QTime::currentTime();
    setText(now.toString(QStringLiteral("hh:mm:ss")));
    // Wake up just after the next full second, so the display does not lag
    // behind the seconds by a drifting fraction.
    timer_.start(1000 - now.msec() + 5);
}

}  // namespace krizovky::ui
