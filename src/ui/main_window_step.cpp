// The next step of "&Pomoc" beside the board: its panel, standing over the
// hint panels while the step's colours are on the board, and in the classic
// look the row and column numbers round the board, by which its explanation
// names the squares.
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/board_picture.h"
#include "ui/board_painter.h"
#include "ui/main_window.h"
#include "ui/square_widget.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// The classic squares are 25 pixels wide, 30 apart: the digits of their
// numbers are as tall as a caption's, the column numbers in a strip under
// the last row (above it stand the clocks and the task name) and the row
// numbers left of the first column.
constexpr double kNumberHeight = 9;
constexpr double kNumberWidth = 22;
constexpr int kColumnNumberStrip = 14;
constexpr int kRowNumberInset = 12;

// The classic look's numbers, drawn over the board panel; every click goes
// through them to the squares.
class SquareNumbers : public QWidget {
  public:
    struct Number {
        int value = 0;
        QPointF centre;
        bool operator==(const Number&) const = default;
    };

    explicit SquareNumbers(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("squareNumbers"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void setNumbers(std::vector<Number> numbers) {
        if (numbers == numbers_) return;
        numbers_ = std::move(numbers);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Number& number : numbers_)
            paintEdgeNumber(painter, number.value, number.centre, kNumberHeight, kNumberWidth);
    }

  private:
    std::vector<Number> numbers_;
};

}  // namespace

void MainWindow::createStepPanel(QWidget* form) {
    // Where the hint panels stand: they speak of the selected square, and
    // the next click on a square takes the step off and shows them again.
    stepPanel_ = new QFrame(form);
    stepPanel_->setObjectName(QStringLiteral("stepPanel"));
    stepPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    stepPanel_->setAutoFillBackground(true);
    stepPanel_->setGeometry(528, 8, 265, 337);
    stepPanel_->hide();

    auto* title = new QLabel(QStringLiteral("další krok:"), stepPanel_);
    title->setObjectName(QStringLiteral("stepTitle"));
    title->move(8, 0);
    title->adjustSize();

    stepHeadline_ = new QLabel(stepPanel_);
    stepHeadline_->setObjectName(QStringLiteral("stepHeadline"));
    stepHeadline_->setGeometry(8, 20, 249, 34);
    stepHeadline_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stepHeadline_->setWordWrap(true);
    QFont bold = stepHeadline_->font();
    bold.setBold(true);
    stepHeadline_->setFont(bold);

    whyButton_ = new QPushButton(QStringLiteral("proč?"), stepPanel_);
    whyButton_->setObjectName(QStringLiteral("whyButton"));
    whyButton_->setGeometry(8, 58, 81, 25);
    connect(whyButton_, &QPushButton::clicked, this, &MainWindow::explainStep);
    auto* close = new QPushButton(QStringLiteral("zavři"), stepPanel_);
    close->setObjectName(QStringLiteral("closeStepButton"));
    close->setGeometry(176, 58, 81, 25);
    connect(close, &QPushButton::clicked, this, &MainWindow::closeStep);

    stepExplanation_ = new QPlainTextEdit(stepPanel_);
    stepExplanation_->setObjectName(QStringLiteral("stepExplanation"));
    stepExplanation_->setReadOnly(true);
    stepExplanation_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    stepExplanation_->setGeometry(0, 90, 265, 247);
    stepExplanation_->hide();

    squareNumbers_ = new SquareNumbers(boardPanel_);
}

void MainWindow::showStep() {
    const StepLook& step = game_.screen().step;
    stepHeadline_->setText(fromUtf8(step.headline));
    // Set again only when it changed: that would scroll it back to its top.
    const QString explanation =
        fromUtf8(step.explanation).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (stepExplanation_->toPlainText() != explanation) stepExplanation_->setPlainText(explanation);
    stepExplanation_->setVisible(step.explained);
    whyButton_->setEnabled(!step.explained);
    stepPanel_->setVisible(step.shown);
    if (step.shown) stepPanel_->raise();
    showSquareNumbers();
}

void MainWindow::showSquareNumbers() {
    const MainScreen& screen = game_.screen();
    // As far as the modern look numbers the board: to its last clue or
    // entry square.
    const BoardPicture task = pictureOfTask(game_.board());
    const bool shown = look_ == WindowLook::kClassic && screen.step.shown && screen.boardPanel;
    std::vector<SquareNumbers::Number> numbers;
    int bottom = 0;
    if (shown) {
        // Placed by the squares of the first column and the first row, as
        // the board build set them.
        for (int r = 1; r <= task.rows; ++r) {
            const QRect square = classicSquarePlace(r, 1, screen.squaresBuild);
            numbers.push_back({r, QPointF(square.left() - kRowNumberInset,
                                          square.top() + square.height() / 2.0)});
            bottom = std::max(bottom, square.top() + square.height());
        }
        for (int c = 1; c <= task.columns; ++c) {
            const QRect square = classicSquarePlace(1, c, screen.squaresBuild);
            numbers.push_back({c, QPointF(square.left() + square.width() / 2.0,
                                          bottom + kColumnNumberStrip / 2.0)});
        }
    }
    static_cast<SquareNumbers*>(squareNumbers_)->setNumbers(std::move(numbers));
    const int numbersBottom = shown ? bottom + kColumnNumberStrip : 0;
    if (numbersBottom != squareNumbersBottom_) {
        squareNumbersBottom_ = numbersBottom;
        layOutBoard();
    }
    squareNumbers_->setVisible(shown);
    if (shown) squareNumbers_->raise();
}

}  // namespace krizovky::ui
