#pragma once

#include <QObject>

class QWidget;

namespace krizovky::ui {

// Turns the mouse events of a widget into the clicks the game knows: a click
// when the left button goes up over the widget after going down on it, and a
// double click on the second press. The release after a double click is no
// click of its own, so a double click reaches the game as one click followed
// by the double click, the order its handlers rely on.
class ClickTracker : public QObject {
    Q_OBJECT

  public:
    // Watches widget, whose child it becomes.
    explicit ClickTracker(QWidget* widget);

  signals:
    void clicked();
    void doubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* widget_;
    bool pressed_ = false;  // the left button went down here and is not up yet
};

}  // namespace krizovky::ui
