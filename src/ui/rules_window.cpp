#include "ui/rules_window.h"

#include <QEvent>
#include <QPlainTextEdit>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

RulesWindow::RulesWindow(const std::string& rulesFile, QWidget* parent) : QDialog(parent) {
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
    try {
        for (const std::string& line : splitLines(readFileBytes(rulesFile)))
            lines << fromCp1250(line);
    } catch (const RunError& e) {
        // No box at start-up for a help text; the window tells what is missing.
        lines << QStringLiteral("Pravidla nelze načíst ze souboru %1: %2")
                     .arg(fromNativePath(rulesFile), QString::fromLocal8Bit(e.what()));
    }
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
