#include "ui/click_tracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace krizovky::ui {

ClickTracker::ClickTracker(QWidget* widget) : QObject(widget), widget_(widget) {
    widget->installEventFilter(this);
}

bool ClickTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = true;
            break;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressed_ = false;
                emit doubleClicked();
                return true;
            }
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !pressed_) break;
            pressed_ = false;
            if (widget_->rect().contains(mouse->position().toPoint())) emit clicked();
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace krizovky::ui
