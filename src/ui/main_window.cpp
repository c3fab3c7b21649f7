#include "ui/main_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include "ui/digital_clock.h"
#include "ui/fonts.h"
#include "ui/pie_gauge.h"
#include "ui/square_widget.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

TForm1::TForm1(Game& game, std::function<void()> changed, const std::string& executablePath)
    : game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption());
    setFont(baseFont());
    resize(826, 578);
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    createMenu();
    auto* form = new QWidget(this);
    setCentralWidget(form);
    createBoardPanel(form);

    gauge1_ = new PieGauge(form);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setGeometry(664, 352, 121, 121);
    gauge1_->hide();

    FormCreate(executablePath);
}

QString TForm1::caption() {
    return QStringLiteral("součtové křížovky");
}

void TForm1::createMenu() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Hra"));
    game->setObjectName(QStringLiteral("H1"));
    auto add = [this, game](const char* name, const QString& text, void (TForm1::*handler)()) {
        QAction* action = game->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("H2", QStringLiteral("&Výběr úlohy"), &TForm1::N1Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    add("N1", QStringLiteral("&Znovu"), &TForm1::H1Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    game->addSeparator()->setObjectName(QStringLiteral("N4"));
    add("S1", QStringLiteral("&Soubor úloh"), &TForm1::S1Click);
    game->addSeparator()->setObjectName(QStringLiteral("N5"));
    add("k2", QStringLiteral("&Konec"), &TForm1::FormDestroy);
}

void TForm1::createBoardPanel(QWidget* form) {
    panel1_ = new QFrame(form);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setGeometry(0, 0, 521, 505);
    panel1_->hide();

    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c] = new SquareWidget(panel1_);

    label20_ = new QLabel(panel1_);
    label20_->setObjectName(QStringLiteral("Label20"));
    label20_->setGeometry(184, 8, 137, 15);
    label20_->setAlignment(Qt::AlignCenter);
    label20_->setFont(pixelFont("DejaVu Sans", 13, true));
    label20_->setAutoFillBackground(true);
    QPalette palette = label20_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label20_->setPalette(palette);

    rxClock1_ = new DigitalClock(panel1_);
    rxClock1_->setObjectName(QStringLiteral("RxClock1"));
    rxClock1_->setGeometry(4, 4, 73, 25);
}

void TForm1::FormCreate(const std::string& executablePath) {
    game_.FormCreate(executablePath);
}

void TForm1::showScreen() {
    const MainScreen& screen = game_.screen();
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setLook(screen.square(r, c));
    label20_->setText(fromCp1250(screen.label20Caption));
    fitLabel20();
    label20_->setVisible(screen.label20);
    panel1_->setVisible(screen.panel1);
    showGauge();
}

void TForm1::fitLabel20() {
    // The name stays centred over the board; a name longer than the label's
    // 137 pixels widens it on both sides, up to the clock on the left.
    constexpr int kLeft = 184, kWidth = 137, kCentre = kLeft + kWidth / 2, kClockRight = 80;
    const int needed = label20_->fontMetrics().horizontalAdvance(label20_->text()) + 4;
    const int width = std::clamp(needed, kWidth, 2 * (kCentre - kClockRight));
    label20_->setGeometry(kCentre - width / 2, 8, width, 15);
}

void TForm1::showGauge() {
    const GaugeLook& look = game_.screen().gauge1;
    gauge1_->setProgress(look.position, look.maximum);
    gauge1_->setVisible(look.visible);
}

void TForm1::repaintSquare(int row, int column) {
    if (!Board::onBoard(row, column)) return;
    squares_[row][column]->setLook(game_.screen().square(row, column));
    squares_[row][column]->repaint();
}

void TForm1::repaintGauge() {
    showGauge();
    gauge1_->repaint();
}

void TForm1::N1Click() {
    game_.N1Click();
    changed_();
}

void TForm1::H1Click() {
    game_.H1Click();
    changed_();
}

void TForm1::S1Click() {
    game_.S1Click();
    changed_();
}

void TForm1::FormDestroy() {
    if (game_.terminateRequested()) return;
    game_.FormDestroy();
    changed_();
    close();
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormDestroy();
    event->accept();
}

}  // namespace krizovky::ui
