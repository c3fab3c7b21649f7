#include "ui/text_editor_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// A floppy disk, for desktops whose icon theme has no save symbol. Drawn for
// each pixel density a screen may have, so that a scaled window shows it sharp.
QIcon drawnSaveIcon() {
    QIcon icon;
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        QPixmap picture(QSize(20, 20) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath body;
        body.moveTo(2, 2);
        body.lineTo(15, 2);
        body.lineTo(18, 5);
        body.lineTo(18, 18);
        body.lineTo(2, 18);
        body.closeSubpath();
        painter.setPen(QPen(QColor(20, 40, 90), 1));
        painter.setBrush(QColor(40, 80, 160));
        painter.drawPath(body);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRect(QRectF(5, 3, 9, 6));  // the shutter
        painter.setBrush(QColor(40, 80, 160));
        painter.drawRect(QRectF(11, 4, 2, 4));  // its window
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(5, 11, 10, 6));  // the label
        painter.setPen(QPen(QColor(150, 150, 150), 1));
        painter.drawLine(QPointF(6.5, 13.5), QPointF(13.5, 13.5));
        painter.drawLine(QPointF(6.5, 15.5), QPointF(13.5, 15.5));
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace

TForm4::TForm4(Game& game, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(baseFont());
    resize(564, 423);

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);

    speedButton1_ = new QToolButton(panel1_);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setGeometry(16, 8, 25, 25);
    speedButton1_->setIcon(QIcon::fromTheme(QStringLiteral("document-save"), drawnSaveIcon()));
    speedButton1_->setIconSize(QSize(20, 20));
    speedButton1_->setAutoRaise(true);
    speedButton1_->setToolTip(QStringLiteral("ulož"));
    connect(speedButton1_, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);

    bitBtn1_ = new QPushButton(QStringLiteral("OK"), panel1_);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(480, 8, 43, 25);
    bitBtn1_->setAutoDefault(false);
    connect(bitBtn1_, &QPushButton::clicked, this, &TForm4::BitBtn1Click);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Fixed pitch keeps the columns of the row lines readable.
    QFont text = pixelFont("DejaVu Sans Mono", 13, false);
    text.setStyleHint(QFont::Monospace);
    memo1_->setFont(text);
    connect(memo1_, &QPlainTextEdit::textChanged, this, &TForm4::Memo1Change);

    // The bar keeps its height and the text field fills the rest, also when
    // the window is resized.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel1_->setFixedHeight(41);
    layout->addWidget(panel1_);
    layout->addWidget(memo1_);
}

QString TForm4::caption() {
    return QStringLiteral("editace definic úloh");
}

void TForm4::showScreen() {
    const TextEditorScreen& screen = game_.textEditor().screen();
    if (screen.visible && !isVisible())
        show();  // the showing activates the editor, which reads the file
    else if (!screen.visible && isVisible())
        hide();
    showText();
}

void TForm4::showText() {
    const TextEditorScreen& screen = game_.textEditor().screen();
    if (shownLoads_ == screen.loads) return;
    shownLoads_ = screen.loads;
    QStringList lines;
    for (const std::string& line : screen.lines)
        lines << fromCp1250(line);
    // Filling the field is no change of the player's.
    const QSignalBlocker blocker(memo1_);
    memo1_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm4::SpeedButton1Click() {
    editor().SpeedButton1Click();
    changed_();
}

void TForm4::BitBtn1Click() {
    editor().BitBtn1Click();
    changed_();
}

void TForm4::Memo1Change() {
    // Only the editor's own text changes: no other window to redraw.
    editor().Memo1Change(toCp1250(memo1_->toPlainText()));
}

void TForm4::FormActivate() {
    editor().FormActivate();
    showText();
    changed_();
}

void TForm4::FormDeactivate() {
    editor().FormDeactivate();
    changed_();
}

bool TForm4::event(QEvent* event) {
    const bool result = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate && !editor().active())
        FormActivate();
    else if (event->type() == QEvent::WindowDeactivate && editor().active())
        FormDeactivate();
    return result;
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Showing the editor activates it: the file is read before the player
    // sees the field, whenever the window system reports the activation.
    if (!event->spontaneous() && !editor().active()) FormActivate();
}

void TForm4::closeEvent(QCloseEvent* event) {
    // Hidden by the game once it has asked about unsaved changes.
    event->ignore();
    BitBtn1Click();
}

void TForm4::reject() {
    BitBtn1Click();
}

}  // namespace krizovky::ui
