#include "ui/rules_window.h"

#include <QEvent>
#include <QPlainTextEdit>

#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

RulesWindow::RulesWindow(const RulesText& rules, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rulesWindow"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(baseFont());
    setFixedSize(644, 405);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("rulesText"));
    text_->setGeometry(0, 0, 633, 377);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setFont(pixelFont("DejaVu Sans", 13, true));
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    text_->setPalette(palette);
    // The double click reaches the text's viewport, not the field itself.
    text_->viewport()->installEventFilter(this);

    QStringList lines;
    for (const std::string& line : rules.lines)
        lines << fromCp1250(line);
    if (!rules.problem.empty()) lines << fromUtf8(rules.problem);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
}

QString RulesWindow::caption() {
    return QStringLiteral("pravidla");
}

bool RulesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        hide();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace krizovky::ui
