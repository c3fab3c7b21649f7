#include "ui/rules_window.h"

#include <QEvent>
#include <QPlainTextEdit>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

TForm3::TForm3(const std::string& rulesFile, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(baseFont());
    setFixedSize(644, 405);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(0, 0, 633, 377);
    memo1_->setReadOnly(true);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setFont(pixelFont("DejaVu Sans", 13, true));
    QPalette palette = memo1_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    memo1_->setPalette(palette);
    // The double click reaches the text's viewport, not the field itself.
    memo1_->viewport()->installEventFilter(this);

    QStringList lines;
    try {
        for (const std::string& line : splitLines(readFileBytes(rulesFile)))
            lines << fromCp1250(line);
    } catch (const RunError& e) {
        // No box at start-up for a help text; the window tells what is missing.
        lines << QStringLiteral("Pravidla nelze načíst ze souboru %1: %2")
                     .arg(fromNativePath(rulesFile), QString::fromLocal8Bit(e.what()));
    }
    memo1_->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TForm3::caption() {
    return QStringLiteral("pravidla");
}

void TForm3::Memo1DblClick() {
    hide();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Memo1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace krizovky::ui
