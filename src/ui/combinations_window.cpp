#include "ui/combinations_window.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

CombinationsWindow::CombinationsWindow(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("combinationsWindow"));
    setWindowTitle(caption());
    setModal(false);
    setFont(baseFont());
    resize(420, 560);

    auto* layout = new QVBoxLayout(this);
    auto* runs = new QHBoxLayout;
    acrossRunButton_ = new QPushButton(this);
    acrossRunButton_->setObjectName(QStringLiteral("acrossRunButton"));
    connect(acrossRunButton_, &QPushButton::clicked, this, [this] {
        finder().chooseRun(Direction::kAcross);
        showScreen();
    });
    downRunButton_ = new QPushButton(this);
    downRunButton_->setObjectName(QStringLiteral("downRunButton"));
    connect(downRunButton_, &QPushButton::clicked, this, [this] {
        finder().chooseRun(Direction::kDown);
        showScreen();
    });
    runs->addWidget(acrossRunButton_);
    runs->addWidget(downRunButton_);
    layout->addLayout(runs);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("délka:"), this), 0, 0);
    lengthChoice_ = new QComboBox(this);
    lengthChoice_->setObjectName(QStringLiteral("lengthChoice"));
    lengthChoice_->addItem(QStringLiteral("libovolná"), 0);
    for (int length = 1; length <= 9; ++length)
        lengthChoice_->addItem(QString::number(length), length);
    connect(lengthChoice_, &QComboBox::activated, this, [this](int index) {
        finder().chooseLength(lengthChoice_->itemData(index).toInt());
        showScreen();
    });
    grid->addWidget(lengthChoice_, 0, 1, 1, 9, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("součet:"), this), 1, 0);
    sumChoice_ = new QComboBox(this);
    sumChoice_->setObjectName(QStringLiteral("sumChoice"));
    connect(sumChoice_, &QComboBox::activated, this, [this](int index) {
        finder().chooseSum(sumChoice_->itemData(index).toInt());
        showScreen();
    });
    grid->addWidget(sumChoice_, 1, 1, 1, 9, Qt::AlignLeft);
    // Nine digit buttons per filter; a press puts the digit in, or out again.
    const auto digitRow = [&](int row, const QString& title, const char* name,
                              std::array<QPushButton*, 10>& buttons, auto toggle) {
        grid->addWidget(new QLabel(title, this), row, 0);
        for (int d = 1; d <= 9; ++d) {
            auto* button = new QPushButton(QString::number(d), this);
            button->setObjectName(QString::fromLatin1(name) + QString::number(d));
            button->setCheckable(true);
            button->setFixedWidth(28);
            connect(button, &QPushButton::clicked, this, [this, d, toggle] {
                (finder().*toggle)(d);
                showScreen();
            });
            grid->addWidget(button, row, d);
            buttons[static_cast<std::size_t>(d)] = button;
        }
    };
    digitRow(2, QStringLiteral("musí obsahovat:"), "requiredDigit", requiredDigits_,
             &CombinationFinder::toggleRequired);
    digitRow(3, QStringLiteral("nesmí obsahovat:"), "excludedDigit", excludedDigits_,
             &CombinationFinder::toggleExcluded);
    layout->addLayout(grid);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("combinationCount"));
    layout->addWidget(count_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("combinationList"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFont(pixelFont("DejaVu Sans Mono", 13, false));
    layout->addWidget(list_, 1);
    auto* close = new QPushButton(QStringLiteral("zavřít"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(close, 0, Qt::AlignRight);
    showScreen();
}

QString CombinationsWindow::caption() {
    return QStringLiteral("tabulka kombinací");
}

void CombinationsWindow::openForSelectedSquare() {
    finder().open();
    showScreen();
    show();
    raise();
    activateWindow();
}

void CombinationsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Qt tells the window activated before the one deactivated, whose own
    // word to the clock would come last: the active window is looked at once
    // both have heard.
    if (event->type() == QEvent::ActivationChange)
        QTimer::singleShot(0, this, [this] {
            const QWidget* active = QApplication::activeWindow();
            game_.persistence().playClock().setWindowActive(
                active != nullptr && (active == this || active == parentWidget()));
        });
}

void CombinationsWindow::showScreen() {
    const CombinationsScreen screen = finder().screen();
    acrossRunButton_->setText(fromUtf8(screen.acrossCaption));
    acrossRunButton_->setEnabled(screen.acrossRun.has_value());
    downRunButton_->setText(fromUtf8(screen.downCaption));
    downRunButton_->setEnabled(screen.downRun.has_value());

    lengthChoice_->setCurrentIndex(lengthChoice_->findData(screen.filter.length));
    // The sums the length can have, rebuilt when the length changes them.
    if (sumChoice_->count() != screen.sums.highest - screen.sums.lowest + 2 ||
        sumChoice_->itemData(1).toInt() != screen.sums.lowest) {
        sumChoice_->clear();
        sumChoice_->addItem(QStringLiteral("libovolný"), 0);
        for (int sum = screen.sums.lowest; sum <= screen.sums.highest; ++sum)
            sumChoice_->addItem(QString::number(sum), sum);
    }
    sumChoice_->setCurrentIndex(sumChoice_->findData(screen.filter.sum));
    for (int d = 1; d <= 9; ++d) {
        const auto i = static_cast<std::size_t>(d);
        requiredDigits_[i]->setChecked((screen.filter.required & digitBit(d)) != 0);
        excludedDigits_[i]->setChecked((screen.filter.excluded & digitBit(d)) != 0);
    }

    count_->setText(fromUtf8(screen.countText));
    QStringList lines;
    for (const Combination& c : screen.combinations)
        lines << QString::fromLatin1(c.digitText.c_str());
    if (lines != listed_) {
        list_->clear();
        list_->addItems(lines);
        listed_ = lines;
    }
}

}  // namespace krizovky::ui
