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

TextEditorWindow::TextEditorWindow(Game& game, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("textEditorWindow"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(baseFont());
    resize(564, 423);

    buttonBar_ = new QFrame(this);
    buttonBar_->setObjectName(QStringLiteral("buttonBar"));
    buttonBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);

    saveButton_ = new QToolButton(buttonBar_);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    saveButton_->setGeometry(16, 8, 25, 25);
    saveButton_->setIcon(QIcon::fromTheme(QStringLiteral("document-save"), drawnSaveIcon()));
    saveButton_->setIconSize(QSize(20, 20));
    saveButton_->setAutoRaise(true);
    saveButton_->setToolTip(QStringLiteral("ulož"));
    connect(saveButton_, &QToolButton::clicked, this, &TextEditorWindow::save);

    okButton_ = new QPushButton(QStringLiteral("OK"), buttonBar_);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(480, 8, 43, 25);
    okButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &TextEditorWindow::leave);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("fileText"));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Fixed pitch keeps the columns of the row lines readable.
    QFont text = pixelFont("DejaVu Sans Mono", 13, false);
    text.setStyleHint(QFont::Monospace);
    text_->setFont(text);
    connect(text_, &QPlainTextEdit::textChanged, this, &TextEditorWindow::changeText);

    // The bar keeps its height and the text field fills the rest, also when
    // the window is resized.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buttonBar_->setFixedHeight(41);
    layout->addWidget(buttonBar_);
    layout->addWidget(text_);
}

QString TextEditorWindow::caption() {
    return QStringLiteral("editace definic úloh");
}

void TextEditorWindow::showScreen() {
    const TextEditorScreen& screen = game_.tasks().textEditor().screen();
    if (screen.visible && !isVisible())
        show();  // the showing activates the editor, which reads the file
    else if (!screen.visible && isVisible())
        hide();
    showText();
}

void TextEditorWindow::showText() {
    const TextEditorScreen& screen = game_.tasks().textEditor().screen();
    if (shownLoads_ == screen.loads) return;
    shownLoads_ = screen.loads;
    QStringList lines;
    for (const std::string& line : screen.lines)
        lines << fromCp1250(line);
    // Filling the field is no change of the player's.
    const QSignalBlocker blocker(text_);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TextEditorWindow::save() {
    editor().save();
    changed_();
}

void TextEditorWindow::leave() {
    editor().leave();
    changed_();
}

void TextEditorWindow::changeText() {
    // Only the editor's own text changes: no other window to redraw.
    editor().changeText(toCp1250(text_->toPlainText()));
}

void TextEditorWindow::activate() {
    editor().activate();
    showText();
    changed_();
}

void TextEditorWindow::deactivate() {
    editor().deactivate();
    changed_();
}

bool TextEditorWindow::event(QEvent* event) {
    const bool result = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate && !editor().active())
        activate();
    else if (event->type() == QEvent::WindowDeactivate && editor().active())
        deactivate();
    return result;
}

void TextEditorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Showing the editor activates it: the file is read before the player
    // sees the field, whenever the window system reports the activation.
    if (!event->spontaneous() && !editor().active()) activate();
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    // Hidden by the game once it has asked about unsaved changes.
    event->ignore();
    leave();
}

void TextEditorWindow::reject() {
    leave();
}

}  // namespace krizovky::ui
