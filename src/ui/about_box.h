#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace krizovky::ui {

// The program's picture: a corner of a sum crossword, a clue square with its
// two sums beside yellow squares with digits.
class ProgramPicture : public QWidget {
    Q_OBJECT

  public:
    explicit ProgramPicture(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A small sum crossword whose digits are written one by one until it is
// solved, then again from the empty grid.
class CrosswordAnimation : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kFrameCount = 7;
    static constexpr int kFrameMilliseconds = 700;

    explicit CrosswordAnimation(QWidget* parent = nullptr);

    int frame() const { return frame_; }
    void setFrame(int frame);
    void start();
    void stop();
    bool running() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTimer* timer_ = nullptr;
    int frame_ = 0;
};

// About the program: its picture, name, version and the animation. Not
// modal; "OK" hides it.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    // The animation's frame when the box is shown: the fourth.
    static constexpr int kFirstFrame = 3;

    explicit AboutBox(QWidget* parent = nullptr);

    static QString caption();
    CrosswordAnimation* animation() const { return animation_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    ProgramPicture* programIcon_ = nullptr;
    QLabel* productName_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* comments_ = nullptr;
    CrosswordAnimation* animation_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace krizovky::ui
