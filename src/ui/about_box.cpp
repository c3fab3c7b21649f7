#include "ui/about_box.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

#include "ui/fonts.h"

namespace krizovky::ui {
namespace {

const QColor kClueColour = Qt::black;
const QColor kEntryColour(255, 255, 0);
const QColor kSelectedColour(255, 0, 0);
const QColor kSolvedColour(0, 255, 0);

// A clue square: black, cut by its diagonal, the across sum top right and
// the down sum bottom left; 0 is no run and shows nothing.
void drawClue(QPainter& painter, const QRectF& square, int across, int down) {
    painter.fillRect(square, kClueColour);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(square.topLeft(), square.bottomRight());
    const qreal half = square.width() / 2;
    if (across > 0)
        painter.drawText(QRectF(square.left() + half, square.top(), half, half), Qt::AlignCenter,
                         QString::number(across));
    if (down > 0)
        painter.drawText(QRectF(square.left(), square.top() + half, half, half), Qt::AlignCenter,
                         QString::number(down));
}

// The task of both pictures: row 1 holds the clues of the two down runs (16
// and 3), rows 2 and 3 begin with the clues of their across runs (8 and 11).
constexpr int kDownSums[2] = {16, 3};
constexpr int kAcrossSums[2] = {8, 11};
constexpr int kSolution[2][2] = {{7, 1}, {9, 2}};
// The order in which the digits are written: row, column of the entry
// squares.
constexpr int kWriteOrder[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};

// The grid of 3 x 3 squares of side cell, from the painter's origin: the
// first `written` digits in the order above, every entry square green once
// solved, the square `selected` (an index into the order) red.
void drawGrid(QPainter& painter, qreal cell, const QFont& sums, const QFont& digits, int written,
              bool solved, int selected) {
    painter.fillRect(QRectF(0, 0, cell, cell), QColor(128, 128, 128));
    painter.setFont(sums);
    for (int i = 0; i < 2; ++i) {
        drawClue(painter, QRectF((i + 1) * cell, 0, cell, cell), 0, kDownSums[i]);
        drawClue(painter, QRectF(0, (i + 1) * cell, cell, cell), kAcrossSums[i], 0);
    }
    painter.setFont(digits);
    for (int k = 0; k < 4; ++k) {
        const int row = kWriteOrder[k][0], column = kWriteOrder[k][1];
        const QRectF square((column + 1) * cell, (row + 1) * cell, cell, cell);
        painter.fillRect(square, solved          ? kSolvedColour
                                 : k == selected ? kSelectedColour
                                                 : kEntryColour);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(square);
        if (k < written)
            painter.drawText(square, Qt::AlignCenter, QString::number(kSolution[row][column]));
    }
}

}  // namespace

ProgramPicture::ProgramPicture(QWidget* parent) : QWidget(parent) {}

void ProgramPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Drawn on 3 x 20 units and stretched over the whole picture: a game in
    // progress, its third digit just written into the selected square.
    painter.scale((width() - 1) / 60.0, (height() - 1) / 60.0);
    drawGrid(painter, 20, pixelFont("DejaVu Sans", 7, true), pixelFont("DejaVu Sans", 13, true), 3,
             false, 2);
}

CrosswordAnimation::CrosswordAnimation(QWidget* parent) : QWidget(parent) {
    timer_ = new QTimer(this);
    timer_->setInterval(kFrameMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { setFrame((frame_ + 1) % kFrameCount); });
}

void CrosswordAnimation::setFrame(int frame) {
    frame_ = frame;
    update();
}

void CrosswordAnimation::start() {
    timer_->start();
}

void CrosswordAnimation::stop() {
    timer_->stop();
}

bool CrosswordAnimation::running() const {
    return timer_->isActive();
}

void CrosswordAnimation::paintEvent(QPaintEvent*) {
    // Frames 0..4 write the digits one by one, checking each run as it is
    // complete; 5 checks the last run; 6 shows the grid solved.
    static const char* const kCaptions[kFrameCount] = {
        "", "", "7 + 1 = 8", "7 + 9 = 16", "9 + 2 = 11", "1 + 2 = 3", "vyřešeno!"};
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int written = std::min(frame_, 4);
    const bool solved = frame_ == kFrameCount - 1;
    painter.translate(1, 1);
    drawGrid(painter, 30, pixelFont("DejaVu Sans", 10, true), pixelFont("DejaVu Sans", 18, true),
             written, solved, solved ? -1 : written - 1);
    painter.setPen(Qt::black);
    painter.setFont(pixelFont("DejaVu Sans", 11, true));
    painter.drawText(QRectF(-1, 92, width(), height() - 93), Qt::AlignCenter,
                     QString::fromUtf8(kCaptions[frame_]));
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(caption());
    setModal(false);
    setFont(baseFont());
    setFixedSize(298, 305);
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    auto* pictureFrame = new QFrame(this);
    pictureFrame->setObjectName(QStringLiteral("pictureFrame"));
    pictureFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureFrame->setLineWidth(2);
    pictureFrame->setGeometry(8, 8, 281, 161);

    programIcon_ = new ProgramPicture(pictureFrame);
    programIcon_->setObjectName(QStringLiteral("programPicture"));
    programIcon_->setGeometry(32, 24, 65, 57);

    productName_ = new QLabel(QStringLiteral("součtové křížovky"), pictureFrame);
    productName_->setObjectName(QStringLiteral("productName"));
    productName_->setFont(pixelFont("DejaVu Sans", 15, true));
    productName_->setGeometry(112, 24, 161, 20);

    version_ = new QLabel(QStringLiteral("v 2.0"), pictureFrame);
    version_->setObjectName(QStringLiteral("version"));
    version_->setFont(pixelFont("DejaVu Sans", 11, true));
    QPalette black = version_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    version_->setPalette(black);
    version_->setGeometry(112, 56, 161, 16);

    comments_ = new QLabel(QStringLiteral("Doplňte cifry 1 až 9 tak, aby seděly všechny součty a "
                                          "žádná cifra se v součtu neopakovala."),
                           pictureFrame);
    comments_->setObjectName(QStringLiteral("comments"));
    comments_->setWordWrap(true);
    comments_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    comments_->setGeometry(16, 92, 249, 62);

    animation_ = new CrosswordAnimation(this);
    animation_->setObjectName(QStringLiteral("animation"));
    animation_->setGeometry(40, 184, 93, 110);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(191, 242, 77, 27);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &AboutBox::hide);
}

QString AboutBox::caption() {
    return QStringLiteral("O hře");
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    animation_->setFrame(kFirstFrame);
    animation_->start();
}

void AboutBox::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) animation_->stop();
}

}  // namespace krizovky::ui
